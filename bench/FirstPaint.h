// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Shared by both start-up programs, so that they stop at the same moment: right after
// the first paint of their main window.

#include <QCoreApplication>
#include <QEvent>
#include <QMainWindow>
#include <QObject>
#include <QTimer>

namespace orbelle::bench {

// Watches every event of the application for the first paint of a main window. The
// window gets its paint event before its children are drawn and the backing store is
// flushed; the quit is queued, so the whole first frame is finished when it runs.
class QuitAfterFirstPaint final : public QObject {
public:
    explicit QuitAfterFirstPaint(QObject* parent = nullptr)
        : QObject(parent) {}

    bool painted() const { return m_painted; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!m_painted && event->type() == QEvent::Paint && qobject_cast<QMainWindow*>(watched)) {
            m_painted = true;
            // exit(), not quit(): quit() first closes every window, and closing the
            // program's main window opens its exit screen, which is no part of a start.
            QTimer::singleShot(0, QCoreApplication::instance(), [] { QCoreApplication::exit(0); });
        }
        return false;
    }

private:
    bool m_painted = false;
};

// A window that never gets painted (no display, a blocked start) must fail the run
// rather than hang the benchmark.
inline constexpr int NoPaintTimeoutMs = 20000;
inline constexpr int NoPaintExitCode = 2;

inline void failWithoutPaint() {
    QTimer::singleShot(NoPaintTimeoutMs, QCoreApplication::instance(), [] {
        qWarning("no paint of the main window within %d ms", NoPaintTimeoutMs);
        QCoreApplication::exit(NoPaintExitCode);
    });
}

} // namespace orbelle::bench

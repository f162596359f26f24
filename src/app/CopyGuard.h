// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QAbstractScrollArea;

namespace orbelle::platform {
class Clipboard;
}

namespace orbelle::app {

// Keeps the texts of a box from being copied out: every change of its text and
// every mouse event over it (a plain move included) empties the system clipboard.
class CopyGuard : public QObject {
    Q_OBJECT

public:
    CopyGuard(platform::Clipboard& clipboard, QObject* parent = nullptr);

    // Guards a text box: its text changes and the mouse events of its viewport.
    void watch(QAbstractScrollArea* box);

    void clearClipboard() noexcept;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    template <typename Box> void letGoOfSelection(Box* box);

    platform::Clipboard& m_clipboard;
};

} // namespace orbelle::app

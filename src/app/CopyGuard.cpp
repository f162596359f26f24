// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/CopyGuard.h"

#include "platform/Clipboard.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace orbelle::app {

CopyGuard::CopyGuard(platform::Clipboard& clipboard, QObject* parent)
    : QObject(parent)
    , m_clipboard(clipboard) {}

void CopyGuard::watch(QAbstractScrollArea* box) {
    // Mouse events of a scroll area arrive on its viewport; plain moves only with tracking.
    box->viewport()->installEventFilter(this);
    box->viewport()->setMouseTracking(true);
    box->installEventFilter(this);
    if (auto* rich = qobject_cast<QTextEdit*>(box))
        connect(rich, &QTextEdit::textChanged, this, &CopyGuard::clearClipboard);
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(box))
        connect(plain, &QPlainTextEdit::textChanged, this, &CopyGuard::clearClipboard);
}

void CopyGuard::clearClipboard() noexcept {
    m_clipboard.clear();
}

bool CopyGuard::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        clearClipboard();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace orbelle::app

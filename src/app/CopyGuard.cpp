// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/CopyGuard.h"

#include "app/Guarded.h"
#include "platform/Clipboard.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextCursor>
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
    if (auto* rich = qobject_cast<QTextEdit*>(box)) {
        connect(rich, &QTextEdit::textChanged, this, &CopyGuard::clearClipboard);
        connectGuarded(rich, &QTextEdit::selectionChanged, this, "copy guard selection",
                       [this, rich] { letGoOfSelection(rich); });
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(box)) {
        connect(plain, &QPlainTextEdit::textChanged, this, &CopyGuard::clearClipboard);
        connectGuarded(plain, &QPlainTextEdit::selectionChanged, this, "copy guard selection",
                       [this, plain] { letGoOfSelection(plain); });
    }
}

// A box with a caret could still select: whatever gets selected is let go at once.
template <typename Box> void CopyGuard::letGoOfSelection(Box* box) {
    QTextCursor caret = box->textCursor();
    if (caret.hasSelection()) {
        caret.clearSelection();
        box->setTextCursor(caret);
    }
    clearClipboard();
}

void CopyGuard::clearClipboard() noexcept {
    m_clipboard.clear();
}

// The keys that select or copy: Shift with a movement (Shift+Tab only moves the focus),
// select all, copy and cut in all their forms (Ctrl+C, Ctrl+Insert, ...).
namespace {

bool selectsOrCopies(const QKeyEvent* key) {
    if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Cut) || key->matches(QKeySequence::SelectAll))
        return true;
    return key->modifiers().testFlag(Qt::ShiftModifier) && key->key() != Qt::Key_Backtab && key->key() != Qt::Key_Tab;
}

} // namespace

bool CopyGuard::eventFilter(QObject* watched, QEvent* event) {
    const bool taken = guardedFilter("copy guard", [&] {
        switch (event->type()) {
        case QEvent::ShortcutOverride:
        case QEvent::KeyPress:
            if (selectsOrCopies(static_cast<QKeyEvent*>(event))) {
                // Taken here, before the box can act on it.
                clearClipboard();
                event->accept();
                return true;
            }
            return false;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            clearClipboard();
            return false;
        default:
            return false;
        }
    });
    return taken || QObject::eventFilter(watched, event);
}

} // namespace orbelle::app

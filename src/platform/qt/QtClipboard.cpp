// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qt/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace orbelle::platform {

void QtClipboard::clear() noexcept {
    try {
        QClipboard* clipboard = QGuiApplication::clipboard();
        if (!clipboard)
            return;
        // Cleared without asking what it holds first: asking is a round trip to the
        // program that owns it, and one that hangs would freeze this window.
        clipboard->clear(QClipboard::Clipboard);
        // X11's primary selection is a copy too: a selection made by keyboard sets it.
        if (clipboard->supportsSelection())
            clipboard->clear(QClipboard::Selection);
    } catch (...) {
        // The guard must never stop the click that triggered it.
    }
}

} // namespace orbelle::platform

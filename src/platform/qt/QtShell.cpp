// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qt/QtShell.h"

#include <QDesktopServices>
#include <QUrl>

namespace orbelle::platform {

void QtShell::open(const std::string& address) noexcept {
    try {
        // The result is ignored on purpose: without a browser nothing happens and the
        // program carries on.
        (void)QDesktopServices::openUrl(QUrl(QString::fromStdString(address), QUrl::StrictMode));
    } catch (...) {
    }
}

} // namespace orbelle::platform

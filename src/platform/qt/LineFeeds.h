// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <string>

namespace orbelle::platform {

// A stored text for display: its line breaks, CR LF or a lone CR (the update reminder
// joins its two sentences with one), made the line feeds at which Qt's labels, text
// boxes and message boxes break.
inline QString withLineFeeds(const std::string& stored) {
    QString shown = QString::fromStdString(stored);
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

} // namespace orbelle::platform

// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qt/QtClock.h"

#include <QDate>
#include <QTime>

namespace orbelle::platform {

std::chrono::year_month_day QtClock::today() {
    const QDate date = QDate::currentDate();
    return std::chrono::year_month_day{std::chrono::year{date.year()},
                                       std::chrono::month{static_cast<unsigned>(date.month())},
                                       std::chrono::day{static_cast<unsigned>(date.day())}};
}

std::uint32_t QtClock::seedValue() {
    // The time of day in milliseconds: two starts a moment apart still differ.
    return static_cast<std::uint32_t>(QTime::currentTime().msecsSinceStartOfDay());
}

} // namespace orbelle::platform

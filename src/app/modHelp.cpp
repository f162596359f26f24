// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/modHelp.h"

#include "app/StoredDate.h"

#include <chrono>

namespace orbelle::modHelp {

namespace {

// The two sentences are joined by a carriage return alone.
constexpr const char* ReminderText = "There maybe an update to this software available\r"
                                     "Do you want to check for an update?";

QDate toQDate(const std::chrono::year_month_day& date) {
    if (!date.ok())
        return {};
    return QDate(static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
                 static_cast<int>(static_cast<unsigned>(date.day())));
}

} // namespace

std::optional<std::string> TryReadSetting(app::Services& services, const std::string& key) {
    const std::optional<std::string> stored =
        services.settings.read(services.applicationName, SettingsSection, ScrambleText(key), {});
    if (!stored)
        return std::nullopt;
    return UnscrambleText(*stored);
}

std::string ReadSetting(app::Services& services, const std::string& key) {
    return TryReadSetting(services, key).value_or(std::string());
}

bool TryWriteSetting(app::Services& services, const std::string& key, const std::string& value) {
    return services.settings.write(services.applicationName, SettingsSection, ScrambleText(key), ScrambleText(value));
}

void WriteSetting(app::Services& services, const std::string& key, const std::string& value) {
    (void)TryWriteSetting(services, key, value);
}

std::string WebPageAddress(std::string_view pageKey) {
    std::string address = "http://";
    address += WebHost;
    address += "/orbelle/ssd.php?page=";
    address += pageKey;
    return address;
}

void OpenWebPage(app::Services& services, std::string_view pageKey) {
    services.shell.open(WebPageAddress(pageKey));
}

void UpdateReminder(app::Services& services, const QLocale& locale) {
    const QDate today = toQDate(services.clock.today());
    if (!today.isValid())
        return;
    const std::string todayText = StoredDateText(today, locale);
    if (todayText.empty())
        return;

    // A store that cannot be read ends the reminder here; it could not be written either.
    const std::optional<std::string> readable = TryReadSetting(services, DurationKey);
    if (!readable)
        return;
    const std::string& stored = *readable;
    const std::optional<QDate> last = stored.empty() ? std::nullopt : ReadStoredDate(stored, locale);
    if (!last) {
        // Nothing stored yet, or a text that is no longer a date (the user changed
        // the date format, say): start counting from today. Leaving an unreadable
        // text in place would keep the reminder silent for good.
        WriteSetting(services, DurationKey, todayText);
        return;
    }

    const qint64 days = today.daysTo(*last);
    if (days >= -14 && days <= 14)
        return;

    const platform::MessageAnswer answer =
        services.messageBox.show(ReminderText, platform::MessageButtons::YesNo, app::ProgramTitle);
    // Whatever the answer, the count starts again from today. A store that refuses
    // the date ends the reminder here, before anything else happens.
    if (!TryWriteSetting(services, DurationKey, todayText))
        return;
    if (answer == platform::MessageAnswer::Yes)
        OpenWebPage(services, DownloadWebPage);
}

} // namespace orbelle::modHelp

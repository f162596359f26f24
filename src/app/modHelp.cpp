// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/modHelp.h"

#include "app/Cp1252.h"

#include <chrono>
#include <vector>

namespace modHelp {

namespace {

constexpr int ScrambleShift = 85;
constexpr int HighestCode = 255;

// Readable dates are a few dozen characters in any locale; anything much longer is
// damage, and is refused before the parser spends time on it.
constexpr qsizetype LongestDateText = 64;

// The two sentences are joined by a carriage return alone.
constexpr const char* ReminderText = "There maybe an update to this software available\r"
                                     "Do you want to check for an update?";

std::string shifted(std::string_view text, int shift) {
    std::vector<unsigned char> codes;
    for (const unsigned char code : orbelle::app::Cp1252Codes(text)) {
        const int moved = code + shift;
        if (moved >= 0 && moved <= HighestCode)
            codes.push_back(static_cast<unsigned char>(moved));
    }
    return orbelle::app::Cp1252Text(codes);
}

struct YearFields {
    QString widened;
    bool hadShortYear = false;
};

YearFields widenYears(const QString& format) {
    YearFields result;
    result.widened.reserve(format.size() + 4);
    bool quoted = false;
    qsizetype at = 0;
    while (at < format.size()) {
        const QChar c = format.at(at);
        if (c == QLatin1Char('\'')) {
            // A doubled quote toggles twice, so an escaped quote needs no case of its own.
            quoted = !quoted;
            result.widened.append(c);
            ++at;
            continue;
        }
        if (quoted || c != QLatin1Char('y')) {
            result.widened.append(c);
            ++at;
            continue;
        }
        qsizetype run = 0;
        while (at + run < format.size() && format.at(at + run) == QLatin1Char('y'))
            ++run;
        if (run < 4) {
            result.widened.append(QLatin1String("yyyy"));
            result.hadShortYear = true;
        } else {
            result.widened.append(format.mid(at, run));
        }
        at += run;
    }
    return result;
}

QDate toQDate(const std::chrono::year_month_day& date) {
    if (!date.ok())
        return {};
    return QDate(static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
                 static_cast<int>(static_cast<unsigned>(date.day())));
}

} // namespace

std::string ScrambleText(std::string_view text) {
    return shifted(text, ScrambleShift);
}

std::string UnscrambleText(std::string_view text) {
    return shifted(text, -ScrambleShift);
}

std::optional<std::string> TryReadSetting(orbelle::app::Services& services, const std::string& key) {
    const std::optional<std::string> stored =
        services.settings.read(services.applicationName, SettingsSection, ScrambleText(key), {});
    if (!stored)
        return std::nullopt;
    return UnscrambleText(*stored);
}

std::string ReadSetting(orbelle::app::Services& services, const std::string& key) {
    return TryReadSetting(services, key).value_or(std::string());
}

bool TryWriteSetting(orbelle::app::Services& services, const std::string& key, const std::string& value) {
    return services.settings.write(services.applicationName, SettingsSection, ScrambleText(key), ScrambleText(value));
}

void WriteSetting(orbelle::app::Services& services, const std::string& key, const std::string& value) {
    (void)TryWriteSetting(services, key, value);
}

std::string WebPageAddress(std::string_view pageKey) {
    std::string address = "http://";
    address += WebHost;
    address += "/orbelle/ssd.php?page=";
    address += pageKey;
    return address;
}

void OpenWebPage(orbelle::app::Services& services, std::string_view pageKey) noexcept {
    try {
        services.shell.open(WebPageAddress(pageKey));
    } catch (...) {
        // A link that cannot be followed must not disturb the click that asked for it.
    }
}

QString FourDigitYearFormat(const QString& format) {
    return widenYears(format).widened;
}

QString ShortDateText(QDate date, const QLocale& locale) {
    return locale.toString(date, FourDigitYearFormat(locale.dateFormat(QLocale::ShortFormat)));
}

std::optional<QDate> ReadShortDate(const QString& text, const QLocale& locale) noexcept {
    try {
        if (text.isEmpty() || text.size() > LongestDateText)
            return std::nullopt;
        const QString format = locale.dateFormat(QLocale::ShortFormat);
        const YearFields fields = widenYears(format);
        // The four-digit form first: its parser refuses a two-digit year outright, so
        // the two forms cannot be mistaken for each other.
        const QDate written = locale.toDate(text, fields.widened);
        if (written.isValid())
            return written;
        if (fields.hadShortYear) {
            // Qt reads a two-digit year as 19yy. This program did not exist then, so
            // such a date was written in this century.
            const QDate shortForm = locale.toDate(text, format);
            if (shortForm.isValid() && shortForm.year() >= 1900 && shortForm.year() <= 1999) {
                const QDate moved = shortForm.addYears(100);
                if (moved.isValid())
                    return moved;
            }
        }
        return std::nullopt;
    } catch (...) {
        return std::nullopt;
    }
}

std::string StoredDateText(QDate date, const QLocale& locale) {
    const std::string text = ShortDateText(date, locale).toStdString();
    if (!text.empty() && UnscrambleText(ScrambleText(text)) == text)
        return text;
    return date.toString(Qt::ISODate).toStdString();
}

std::optional<QDate> ReadStoredDate(const std::string& text, const QLocale& locale) noexcept {
    try {
        // The ISO form first, and only in its exact shape: no locale writes these ten
        // characters for a different date.
        const auto digit = [&text](std::size_t at) { return text[at] >= '0' && text[at] <= '9'; };
        if (text.size() == 10 && text[4] == '-' && text[7] == '-' && digit(0) && digit(1) && digit(2) && digit(3) &&
            digit(5) && digit(6) && digit(8) && digit(9)) {
            const QDate iso = QDate::fromString(QString::fromLatin1(text.data(), 10), Qt::ISODate);
            if (iso.isValid())
                return iso;
            return std::nullopt;
        }
        if (text.empty() || text.size() > static_cast<std::size_t>(LongestDateText) * 4)
            return std::nullopt;
        return ReadShortDate(QString::fromStdString(text), locale);
    } catch (...) {
        return std::nullopt;
    }
}

void UpdateReminder(orbelle::app::Services& services, const QLocale& locale) noexcept {
    try {
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

        const orbelle::platform::MessageAnswer answer =
            services.messageBox.show(ReminderText, orbelle::platform::MessageIcon::Information,
                                     orbelle::platform::MessageButtons::YesNo, orbelle::app::ProgramTitle);
        // Whatever the answer, the count starts again from today. A store that refuses
        // the date ends the reminder here, before anything else happens.
        if (!TryWriteSetting(services, DurationKey, todayText))
            return;
        if (answer == orbelle::platform::MessageAnswer::Yes)
            OpenWebPage(services, DownloadWebPage);
    } catch (...) {
        // Start-up goes on whatever happened here.
    }
}

} // namespace modHelp

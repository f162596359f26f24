// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/StoredDate.h"

#include "settings/Scramble.h"

namespace orbelle::modHelp {

namespace {

// Readable dates are a few dozen characters in any locale; anything much longer is
// damage, and is refused before the parser spends time on it.
constexpr qsizetype LongestDateText = 64;

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

} // namespace

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
    if (!text.empty() && settings::UnscrambleText(settings::ScrambleText(text)) == text)
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

} // namespace orbelle::modHelp

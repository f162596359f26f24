// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>
#include <string>

// The update reminder's date as the user writes it, and as the settings store keeps it.
namespace orbelle::modHelp {

// The format with every short year field ("y", "yy", "yyy") outside quoted text made
// "yyyy"; longer fields and quoted text stay as they are.
QString FourDigitYearFormat(const QString& format);
// The date in the locale's short format, with a four-digit year: a two-digit year
// would read back a century early.
QString ShortDateText(QDate date, const QLocale& locale);
// Reads ShortDateText's output back. The locale's own two-digit form is read too, its
// year always taken as 20yy. Anything else (empty, junk, overlong) gives nullopt.
std::optional<QDate> ReadShortDate(const QString& text, const QLocale& locale) noexcept;
// The text the update reminder stores for a date: ShortDateText when every character
// of it survives the scrambling, otherwise (native digits, a Cyrillic abbreviation,
// an accented month name) the ISO form "yyyy-MM-dd", which always does.
std::string StoredDateText(QDate date, const QLocale& locale);
// Reads StoredDateText's output back, and the locale's two-digit form as ReadShortDate
// does; nullopt for anything else.
std::optional<QDate> ReadStoredDate(const std::string& text, const QLocale& locale) noexcept;

} // namespace orbelle::modHelp

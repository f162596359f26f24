// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/Services.h"

#include <QDate>
#include <QLocale>
#include <QString>

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The build passes the maker's host name; a file compiled without it still builds.
#ifndef ORBELLE_WEB_HOST
#define ORBELLE_WEB_HOST "www.orbelle.example"
#endif

// Settings store access, web page addresses and the update reminder.
namespace modHelp {

// --- Scrambled settings ----------------------------------------------------------

// Every character's Windows-1252 code raised by 85; characters whose code would pass
// 255 (codes of 171 and more) are left out. A character the code page lacks counts as
// "?". Texts are UTF-8.
std::string ScrambleText(std::string_view text);
// The reverse walk: codes lowered by 85, characters with codes below 85 left out.
std::string UnscrambleText(std::string_view text);

inline constexpr const char* SettingsSection = "Settings";
// Holds the date of the last update reminder, although its name says otherwise.
inline constexpr const char* DurationKey = "Duration";

// The unscrambled value stored under the scrambled key, or "" when there is none or
// the store cannot be read.
std::string ReadSetting(orbelle::app::Services& services, const std::string& key);

// As ReadSetting, but nothing when the store itself cannot be read.
std::optional<std::string> TryReadSetting(orbelle::app::Services& services, const std::string& key);
// Stores the scrambled value under the scrambled key; a failure goes unreported.
void WriteSetting(orbelle::app::Services& services, const std::string& key, const std::string& value);
// As WriteSetting, for the callers that must stop when the store refuses the write.
bool TryWriteSetting(orbelle::app::Services& services, const std::string& key, const std::string& value);

// --- Web pages -------------------------------------------------------------------

inline constexpr std::string_view WebHost = ORBELLE_WEB_HOST;
static_assert(!WebHost.empty(), "ORBELLE_WEB_HOST must name a host");

inline constexpr std::string_view HelpWebPage = "help-web-page";
inline constexpr std::string_view HomePage = "home-page";
inline constexpr std::string_view DownloadWebPage = "download-web-page";
inline constexpr std::string_view DonatePage = "donate";
inline constexpr std::string_view FullyBrandedPage = "fully-branded";
inline constexpr std::string_view CoBrandPage = "co-brand";
inline constexpr std::array<std::string_view, 6> PageKeys = {HelpWebPage, HomePage,         DownloadWebPage,
                                                             DonatePage,  FullyBrandedPage, CoBrandPage};

// "http://<host>/orbelle/ssd.php?page=<key>"
std::string WebPageAddress(std::string_view pageKey);
// Hands the page's address to the desktop and returns at once; nothing is reported
// when no browser opens.
void OpenWebPage(orbelle::app::Services& services, std::string_view pageKey) noexcept;

// --- Dates as the user writes them -----------------------------------------------

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

// --- Update reminder -------------------------------------------------------------

// Suggests looking for an update when the last reminder lies more than 14 days away
// from today, and remembers today whenever it speaks or has nothing stored yet. Runs
// once at start-up; a settings store that fails ends it without a word.
void UpdateReminder(orbelle::app::Services& services, const QLocale& locale = QLocale()) noexcept;

} // namespace modHelp

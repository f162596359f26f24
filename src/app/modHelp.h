// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/Guarded.h"
#include "app/Services.h"
#include "settings/Scramble.h"

#include <QLocale>

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The build passes the maker's host name; a file compiled without it still builds.
#ifndef ORBELLE_WEB_HOST
#define ORBELLE_WEB_HOST "www.orbelle.example"
#endif

// Settings store access, web page addresses and the update reminder. The reminder's
// date is read and written by StoredDate.h.
namespace orbelle::modHelp {

// --- Scrambled settings ----------------------------------------------------------

// Key names and values are stored scrambled (settings/Scramble.h).
using settings::ScrambleText;
using settings::UnscrambleText;

inline constexpr const char* SettingsSection = "Settings";
// Holds the date of the last update reminder, although its name says otherwise.
inline constexpr const char* DurationKey = "Duration";

// The unscrambled value stored under the scrambled key, or "" when there is none or
// the store cannot be read.
std::string ReadSetting(app::Services& services, const std::string& key);

// As ReadSetting, but nothing when the store itself cannot be read.
std::optional<std::string> TryReadSetting(app::Services& services, const std::string& key);
// Stores the scrambled value under the scrambled key; a failure goes unreported.
void WriteSetting(app::Services& services, const std::string& key, const std::string& value);
// As WriteSetting, for the callers that must stop when the store refuses the write.
bool TryWriteSetting(app::Services& services, const std::string& key, const std::string& value);

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
void OpenWebPage(app::Services& services, std::string_view pageKey);
// What a menu command or a link connects to: opens the page of pageKey, one of the
// keys above, whose text lives for the whole run. A link that cannot be followed
// must not disturb the click that asked for it.
inline auto PageOpener(app::Services& services, std::string_view pageKey) {
    return [&services, pageKey] { app::guarded("OpenWebPage", [&] { OpenWebPage(services, pageKey); }); };
}

// --- Update reminder -------------------------------------------------------------

// Suggests looking for an update when the last reminder lies more than 14 days away
// from today, and remembers today whenever it speaks or has nothing stored yet. Runs
// once at start-up, as one guarded step; a settings store that fails ends it without
// a word.
void UpdateReminder(app::Services& services, const QLocale& locale = QLocale());

} // namespace orbelle::modHelp

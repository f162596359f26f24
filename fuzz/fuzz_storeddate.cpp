// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The reader of the stored reminder date on any text: it never fails and gives a valid
// date or nothing, whether the bytes are taken as the stored text itself or as the
// scrambled text that the settings file holds. And whatever date the reminder stores,
// it reads back as that date.

#include "app/StoredDate.h"
#include "settings/Scramble.h"

#include <QDate>
#include <QLocale>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

[[noreturn]] void fail(const char* what, const std::string& text, const QLocale& locale) {
    std::fprintf(stderr, "fuzz_storeddate: %s (text of %zu bytes, locale %s)\n", what, text.size(),
                 qPrintable(locale.name()));
    std::abort();
}

// Short date formats of every kind: month first, day first, year first, two-digit
// years, native digits, month names.
const std::array<QLocale, 7>& locales() {
    static const std::array<QLocale, 7> all = {
        QLocale(QLocale::C),
        QLocale(QLocale::English, QLocale::UnitedStates),
        QLocale(QLocale::German, QLocale::Germany),
        QLocale(QLocale::Chinese, QLocale::China),
        QLocale(QLocale::Arabic, QLocale::Egypt),
        QLocale(QLocale::Russian, QLocale::Russia),
        QLocale(QLocale::Persian, QLocale::Iran),
    };
    return all;
}

void check(const std::string& text, const QLocale& locale) {
    const std::optional<QDate> date = orbelle::modHelp::ReadStoredDate(text, locale);
    if (date && !date->isValid())
        fail("ReadStoredDate gave an invalid date", text, locale);
}

// Days from 1 January 1900 to 31 December 2199: far beyond any date the reminder
// will store, well inside what every locale's four-digit year field can write.
void checkStoredDate(const std::uint8_t* bytes, const QLocale& locale) {
    const QDate first(1900, 1, 1);
    const qint64 span = first.daysTo(QDate(2199, 12, 31)) + 1;
    const qint64 offset = (qint64(bytes[0]) << 16 | qint64(bytes[1]) << 8 | qint64(bytes[2])) % span;
    const QDate date = first.addDays(offset);
    const std::string stored = orbelle::modHelp::StoredDateText(date, locale);
    const std::optional<QDate> back = orbelle::modHelp::ReadStoredDate(stored, locale);
    if (!back || *back != date) {
        std::fprintf(stderr, "stored \"%s\" for %s\n", stored.c_str(), qPrintable(date.toString(Qt::ISODate)));
        fail("a stored date did not read back as itself", stored, locale);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    // The first byte picks the locale, so that the corpus can keep a text for each.
    const QLocale& locale = locales()[data[0] % locales().size()];
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    check(text, locale);
    check(orbelle::settings::UnscrambleText(text), locale);
    if (size >= 4)
        checkStoredDate(data + 1, locale);
    return 0;
}

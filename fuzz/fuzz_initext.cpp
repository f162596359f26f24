// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The settings file's INI text on any bytes: reading never fails, and an edit either
// refuses or gives a file that reads back the new text and reads every other entry as
// the old file did.

#include "platform/qt/IniText.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace orbelle::platform;

namespace {

[[noreturn]] void fail(const char* what, const QByteArray& file) {
    std::fprintf(stderr, "fuzz_initext: %s (file of %lld bytes)\n", what, static_cast<long long>(file.size()));
    std::abort();
}

const QString Section = QStringLiteral("Settings");
const QString Key = QStringLiteral("k");

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    // The first byte gives the length of the new text; the rest of the input is the file.
    const std::size_t textSize = std::min<std::size_t>(data[0] % 16, size - 1);
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(textSize));
    const QByteArray file(reinterpret_cast<const char*>(data + 1 + textSize), qsizetype(size - 1 - textSize));

    (void)ini::textValue(file, Section, Key);
    const std::optional<QByteArray> edited = ini::withTextValue(file, Section, Key, text);
    if (!edited)
        return 0;
    for (const auto& [section, key] : {std::pair(Section, QStringLiteral("j")), std::pair(QStringLiteral("A"), Key),
                                       std::pair(QStringLiteral("Settings/k"), Key)}) {
        if (ini::textValue(*edited, section, key) != ini::textValue(file, section, key))
            fail("the edit changed another entry", file);
    }
    return 0;
}

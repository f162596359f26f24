// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// The settings file's INI text, read and written the way Qt's INI settings format reads and
// writes it, so that every file earlier versions wrote reads the same and a file this code
// writes is byte for byte the one they would have written. Sections are one level deep and
// must not be empty.
namespace orbelle::platform::ini {

// The text stored under section/key; the last one when the key is there more than once.
// Nothing when the key is absent or holds something other than one text (a list, a
// serialised value, a rectangle, an invalid value).
std::optional<QString> textValue(QByteArrayView file, const QString& section, const QString& key);

// The file with section/key holding the text: the value rewritten where it stands, or the
// key added at the end of its section, or the section added at the end of the file; every
// other byte stays as it was, comments included. Nothing when the result would not read
// back as the text (a file that ends inside a quoted value, say).
std::optional<QByteArray> withTextValue(const QByteArray& file, const QString& section, const QString& key,
                                        const QString& text);

} // namespace orbelle::platform::ini

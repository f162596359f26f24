// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/SettingsStore.h"

#include <QString>

namespace orbelle::platform {

// An INI file per application: <folder>/<application>/<application>.conf, with one
// group per section. Only a regular file, or a symlink to one, counts as the store; it
// is read whole through one descriptor and replaced whole, never written in place.
class QtSettingsStore final : public SettingsStore {
public:
    // The program's own file holds one entry in under 100 bytes. 64 KiB leaves room for
    // hand edits, comments and entries of later versions, while a file that size costs
    // nothing to parse even under a tight memory limit. Anything larger is not settings
    // (a disk image linked by mistake, a runaway file) and is neither read nor replaced.
    static constexpr qint64 LargestFile = 64 * 1024;

    // An empty folder means no settings at all: nothing is read or written.
    explicit QtSettingsStore(QString folder);

    std::optional<std::string> read(const std::string& application, const std::string& section, const std::string& key,
                                    const std::string& fallback) override;
    bool write(const std::string& application, const std::string& section, const std::string& key,
               const std::string& value) override;

    QString filePath(const std::string& application) const;

    // The user's configuration folder: $XDG_CONFIG_HOME, or ~/.config. Empty when the
    // environment names no usable one (HOME unset, empty, relative, missing, or bytes
    // that are not UTF-8): the settings then stay unread and unwritten for the run,
    // rather than land in a folder the user never had.
    static QString defaultFolder();

private:
    QString m_folder;
};

} // namespace orbelle::platform

// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/SettingsStore.h"

#include <QString>

namespace orbelle::platform {

// An INI file per application: <folder>/<application>/<application>.conf, with one
// group per section.
class QtSettingsStore final : public SettingsStore {
public:
    explicit QtSettingsStore(QString folder);

    std::optional<std::string> read(const std::string& application, const std::string& section, const std::string& key,
                     const std::string& fallback) override;
    bool write(const std::string& application, const std::string& section, const std::string& key,
               const std::string& value) override;

    QString filePath(const std::string& application) const;

    // The user's configuration folder (~/.config on Linux).
    static QString defaultFolder();

private:
    QString m_folder;
};

} // namespace orbelle::platform

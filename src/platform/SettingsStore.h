// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

namespace orbelle::platform {

// The per-user store that survives restarts, addressed by application, section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text, fallback when the entry is absent, or nothing when the store
    // itself cannot be read (a file without read permission or that cannot be read to
    // its end; a folder, device, FIFO or socket in its place; a file far too large to be
    // settings; no usable home). Never waits.
    virtual std::optional<std::string> read(const std::string& application, const std::string& section,
                                            const std::string& key, const std::string& fallback) = 0;
    // False when the entry could not be written, and then the store is exactly as it
    // was; a store that cannot be read is not written either, so whatever stands in its
    // place is left as it is.
    virtual bool write(const std::string& application, const std::string& section, const std::string& key,
                       const std::string& value) = 0;
};

} // namespace orbelle::platform

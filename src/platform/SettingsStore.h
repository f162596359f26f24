#pragma once

#include <string>

namespace orbelle::platform {

// The per-user store that survives restarts, addressed by application, section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text, or fallback when the entry is absent or cannot be read.
    virtual std::string read(const std::string& application, const std::string& section, const std::string& key,
                             const std::string& fallback) = 0;
    // False when the entry could not be written.
    virtual bool write(const std::string& application, const std::string& section, const std::string& key,
                       const std::string& value) = 0;
};

} // namespace orbelle::platform

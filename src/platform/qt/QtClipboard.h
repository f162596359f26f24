#pragma once

#include "platform/Clipboard.h"

namespace orbelle::platform {

class QtClipboard final : public Clipboard {
public:
    void clear() noexcept override;
};

} // namespace orbelle::platform

// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/MessageBox.h"

class QWidget;

namespace orbelle::platform {

class QtMessageBox final : public MessageBox {
public:
    MessageAnswer show(const std::string& text, MessageButtons buttons, const std::string& caption) override;
};

} // namespace orbelle::platform

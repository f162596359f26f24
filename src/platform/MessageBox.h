// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace orbelle::platform {

enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// A modal message box with the information icon, the only one the program shows: it
// returns when the user has answered.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual MessageAnswer show(const std::string& text, MessageButtons buttons, const std::string& caption) = 0;
};

} // namespace orbelle::platform

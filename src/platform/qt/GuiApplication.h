// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>

#include <memory>

namespace orbelle::platform {

// The application object, once Qt has reached a display. Where it cannot (no X11 or
// Wayland display, a platform plugin that is missing or does not load), Qt would abort
// with advice to reinstall; instead the process prints `message` as one line on standard
// error and ends with status 1, before it has written anything. What Qt reports on a
// start that goes well is passed on unchanged.
std::unique_ptr<QApplication> startGuiOrExit(int& argc, char** argv, const char* message);

} // namespace orbelle::platform

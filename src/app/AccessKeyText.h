// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QLabel;

#include <string>

namespace orbelle::app {

// Labels read "&" as the marker of an access key, as menus and buttons do: "&&" shows
// as one "&" and a single "&" before a character only marks it. What a label shows
// (and so what a screen reader says) is this text.
QString accessKeyDisplayText(const QString& caption);

// What a label shows for a stored text: access-key markers resolved, and the stored
// line breaks turned into line feeds (platform::withLineFeeds).
QString labelText(const std::string& stored);

// Shows a stored text on a caption label, which sizes itself to it from its top-left corner.
void showCaption(QLabel* label, const std::string& stored);

} // namespace orbelle::app

// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace orbelle::app {

// Says a short text to a screen reader without moving the keyboard focus: what a press
// brought on screen while the focus stays on the button. Qt 6.4 has no announcement
// event, and Orca does not speak a changed name or description sent by Qt; it does
// speak a notification as it appears. The notification takes no room on screen.
class Announcer : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent);

    void say(const QString& text);
};

} // namespace orbelle::app

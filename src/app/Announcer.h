// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace orbelle::app {

// Says a short text to a screen reader without moving the keyboard focus: what a press
// brought on screen while the focus stays on the button. Qt 6.4 has no announcement
// event, and the name and description changes it sends reach Orca without their text;
// Orca does speak a notification as it appears. Inside a status bar Orca leaves out
// the word "notification" and says the text alone. Neither takes room on screen.
class Announcer : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent);

    void say(const QString& text);

private:
    QWidget* m_notification = nullptr;
};

} // namespace orbelle::app

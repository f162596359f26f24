// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Announcer.h"

#include "app/Accessibility.h"

namespace orbelle::app {

Announcer::Announcer(QWidget* parent)
    : QWidget(parent) {
    setAccessibleRole(this, QAccessible::Notification);
    setObjectName(QStringLiteral("announcer"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    hide();
}

void Announcer::say(const QString& text) {
    // A notification is spoken as it appears, so it appears for every text, and goes at
    // once: left showing, it would be spoken again whenever its screen comes back.
    setAccessibleName(text);
    show();
    hide();
}

} // namespace orbelle::app

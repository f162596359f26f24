// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Announcer.h"

#include "app/Accessibility.h"

namespace orbelle::app {

namespace {

QWidget* makeSilent(QWidget* widget, QAccessible::Role role, const char* name) {
    setAccessibleRole(widget, role);
    widget->setObjectName(QLatin1String(name));
    widget->setFocusPolicy(Qt::NoFocus);
    widget->setAttribute(Qt::WA_TransparentForMouseEvents);
    widget->setGeometry(0, 0, 0, 0);
    return widget;
}

} // namespace

Announcer::Announcer(QWidget* parent)
    : QWidget(parent) {
    // The status bar has no name: Orca then passes over it and reads only what appears in it.
    makeSilent(this, QAccessible::StatusBar, "announcer");
    m_notification = makeSilent(new QWidget(this), QAccessible::Notification, "announcement");
    m_notification->hide();
}

void Announcer::say(const QString& text) {
    // A notification is spoken as it appears, so it appears for every text, and goes at
    // once: left showing, it would be spoken again whenever its screen comes back.
    m_notification->setAccessibleName(text);
    m_notification->show();
    m_notification->hide();
}

} // namespace orbelle::app

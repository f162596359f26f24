// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>

class QWidget;

// Orbelle's one accessibility factory, installed by the first call below. It answers
// Qt by class: a class registered here gets the interface its maker builds, and a
// widget given a role gets that role. Call either before anything else touches the
// widget's accessibility, since Qt keeps the first interface it makes.
namespace orbelle::app {

using AccessibleMaker = QAccessibleInterface* (*)(QWidget* widget);

// Widgets of widgetClass (and of classes derived from it, unless they have a maker of
// their own) get their interface from make.
void registerAccessible(const QMetaObject& widgetClass, AccessibleMaker make);

// Gives a widget the role a screen reader announces for it, where Qt's own choice
// misleads a listener: the stack of screens would be a "layered pane" spoken at
// every entry, a screen holding the question would be a nameless filler, and the
// exit screen a filler whose text is never read.
void setAccessibleRole(QWidget* widget, QAccessible::Role role);

} // namespace orbelle::app

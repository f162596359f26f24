// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>

class QWidget;

namespace orbelle::app {

// Gives a widget the role a screen reader announces for it, where Qt's own choice
// misleads a listener: the stack of screens would be a "layered pane" spoken at
// every entry, a screen holding the question would be a nameless filler, and the
// exit screen a filler whose text is never read. Call it before anything else
// touches the widget's accessibility, since Qt keeps the first interface it makes.
void setAccessibleRole(QWidget* widget, QAccessible::Role role);

} // namespace orbelle::app

// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Accessibility.h"

#include <QAccessibleWidget>
#include <QVariant>
#include <QWidget>

namespace orbelle::app {

namespace {

constexpr const char* kRoleProperty = "orbelleAccessibleRole";

QAccessibleInterface* roleFactory(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType())
        return nullptr;
    const QVariant role = object->property(kRoleProperty);
    // Qt asks once for each class of the widget, most derived first: answer the first.
    if (!role.isValid() || className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Role(role.toInt()));
}

} // namespace

void setAccessibleRole(QWidget* widget, QAccessible::Role role) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(roleFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    widget->setProperty(kRoleProperty, int(role));
}

} // namespace orbelle::app

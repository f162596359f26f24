// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Accessibility.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QVariant>
#include <QWidget>

namespace orbelle::app {

namespace {

constexpr const char* kRoleProperty = "orbelleAccessibleRole";

QHash<QString, AccessibleMaker>& makers() {
    static QHash<QString, AccessibleMaker> byClass;
    return byClass;
}

// Qt asks once for each class of an object, most derived first, until one answers.
QAccessibleInterface* orbelleAccessible(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (const AccessibleMaker make = makers().value(className))
        return make(widget);
    const QVariant role = object->property(kRoleProperty);
    // A role is the widget's own: answered at its most derived class.
    if (!role.isValid() || className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    return new QAccessibleWidget(widget, QAccessible::Role(role.toInt()));
}

void installFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(orbelleAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace

void registerAccessible(const QMetaObject& widgetClass, AccessibleMaker make) {
    installFactory();
    makers().insert(QLatin1String(widgetClass.className()), make);
}

void setAccessibleRole(QWidget* widget, QAccessible::Role role) {
    installFactory();
    widget->setProperty(kRoleProperty, int(role));
}

} // namespace orbelle::app

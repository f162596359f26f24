// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Finds a control by its name, as a person or a screen reader finds it: the screens
// keep their widgets to themselves.

#include <QObject>
#include <QString>
#include <QWidget>
#include <QtGlobal>

namespace orbelle::fakes {

// The control of that object name under root ("cmdNext"); a missing one ends the test
// run with its name, rather than with a null pointer somewhere later.
template <typename T = QWidget> T* named(const QObject* root, const QString& name) {
    T* found = root->findChild<T*>(name);
    if (!found)
        qFatal("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
    return found;
}

// One control of a control array: ("optOption", 1) is "optOption_1".
template <typename T = QWidget> T* named(const QObject* root, const QString& name, int index) {
    return named<T>(root, name + QLatin1Char('_') + QString::number(index));
}

} // namespace orbelle::fakes

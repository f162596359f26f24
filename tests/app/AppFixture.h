// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A main window over scripted seams, as the GUI tests drive it.

#include "app/Services.h"
#include "app/frmMain.h"

#include "Named.h"
#include "fakes/FakeServices.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>

#include <memory>

namespace orbelle::fakes {

// Picks a list entry as a person does with the keyboard: focus the list, step to it.
inline void pickEntry(QComboBox* list, const QString& entry) {
    const int target = list->findText(entry);
    QVERIFY2(target >= 0, qPrintable(entry));
    list->setFocus();
    while (list->currentIndex() < target)
        QTest::keyClick(list, Qt::Key_Down);
    while (list->currentIndex() > target)
        QTest::keyClick(list, Qt::Key_Up);
    QCOMPARE(list->currentText(), entry);
}

struct AppFixture : FakeServices {
    std::unique_ptr<app::frmMain> window;

    app::frmMain& open() {
        window = std::make_unique<app::frmMain>(services);
        window->show();
        QApplication::setActiveWindow(window.get());
        if (!QTest::qWaitForWindowExposed(window.get()))
            qWarning("main window not exposed");
        return *window;
    }

    // The stack of screens, and the screen on top of it.
    QStackedWidget* screens() const { return named<QStackedWidget>(window.get(), "screens"); }
    QWidget* currentScreen() const { return screens()->currentWidget(); }
    QWidget* screen(int number) const { return named(window.get(), QStringLiteral("Frame%1").arg(number)); }

    // Presses the welcome screen's Next; the first press builds the later screens.
    void pressNext() { QTest::mouseClick(named<QPushButton>(window.get(), "cmdNext"), Qt::LeftButton); }

    // Closes every window the test left behind, so that no state leaks into the next.
    void closeAll() {
        // Closing the main window opens the exit screen, so close until nothing is left.
        for (int round = 0; round < 3; ++round) {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (widget->isVisible())
                    widget->close();
            }
            QApplication::processEvents();
        }
        window.reset();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

} // namespace orbelle::fakes

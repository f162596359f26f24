// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Qt side of the seams that reach the desktop: clipboard, message box and browser.

#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtMessageBox.h"
#include "platform/qt/QtShell.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using namespace orbelle::platform;

class TestQtSeams : public QObject {
    Q_OBJECT

public slots:
    void openedUrl(const QUrl& url) { m_opened << url; }

private slots:
    void clipboardIsEmptied();
    void messageBoxShowsWhatItIsGiven_data();
    void messageBoxShowsWhatItIsGiven();
    void shellHandsTheAddressToTheDesktop();

private:
    QList<QUrl> m_opened;
};

void TestQtSeams::clipboardIsEmptied() {
    QApplication::clipboard()->setText("copied elsewhere");
    QtClipboard clipboard;
    clipboard.clear();
    QVERIFY(QApplication::clipboard()->text().isEmpty());
    clipboard.clear(); // an empty clipboard stays empty, and nothing breaks
    QVERIFY(QApplication::clipboard()->text().isEmpty());
}

void TestQtSeams::messageBoxShowsWhatItIsGiven_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("press");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("answer");
    // A lone carriage return breaks the line as CR LF does.
    QTest::newRow("reminder, Yes")
        << "There maybe an update to this software available\rDo you want to check for an update?"
        << int(MessageButtons::YesNo) << int(QMessageBox::Yes)
        << "There maybe an update to this software available\nDo you want to check for an "
           "update?"
        << int(MessageAnswer::Yes);
    QTest::newRow("reminder, No") << "a\rb" << int(MessageButtons::YesNo) << int(QMessageBox::No) << "a\nb"
                                  << int(MessageAnswer::No);
    QTest::newRow("notice") << "You are at the last record" << int(MessageButtons::Ok) << int(QMessageBox::Ok)
                            << "You are at the last record" << int(MessageAnswer::Ok);
    QTest::newRow("CR LF") << "one\r\ntwo" << int(MessageButtons::Ok) << int(QMessageBox::Ok) << "one\ntwo"
                           << int(MessageAnswer::Ok);
}

void TestQtSeams::messageBoxShowsWhatItIsGiven() {
    QFETCH(QString, text);
    QFETCH(int, buttons);
    QFETCH(int, press);
    QFETCH(QString, shown);
    QFETCH(int, answer);
    QString title;
    QString label;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList offered;
    QTimer::singleShot(0, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        title = box->windowTitle();
        label = box->text();
        icon = box->icon();
        for (QAbstractButton* button : box->buttons())
            offered << button->text();
        QAbstractButton* toPress = box->button(QMessageBox::StandardButton(press));
        if (!toPress) {
            box->reject(); // never leave the box open: the test would wait for ever
            return;
        }
        QTest::mouseClick(toPress, Qt::LeftButton);
    });
    QtMessageBox messageBox;
    const MessageAnswer given = messageBox.show(text.toStdString(), MessageButtons(buttons), "Orbelle");
    QCOMPARE(int(given), answer);
    QCOMPARE(title, QString("Orbelle"));
    QCOMPARE(label, shown);
    QCOMPARE(icon, QMessageBox::Information);
    QCOMPARE(offered.size(), MessageButtons(buttons) == MessageButtons::YesNo ? 2 : 1);
}

void TestQtSeams::shellHandsTheAddressToTheDesktop() {
    QDesktopServices::setUrlHandler("http", this, "openedUrl");
    QtShell shell;
    shell.open("http://www.orbelle.example/orbelle/ssd.php?page=home-page");
    QDesktopServices::unsetUrlHandler("http");
    QCOMPARE(m_opened.size(), 1);
    QCOMPARE(m_opened[0].toString(), QString("http://www.orbelle.example/orbelle/ssd.php?page=home-page"));
}

QTEST_MAIN(TestQtSeams)
#include "tst_qtseams.moc"

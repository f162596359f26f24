// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the main window, the About box and the exit screen open on a 1280 × 1024 screen
// at scale factors 1, 2 and 3: with their title bars inside the available area, so that
// a person who scales everything up can still grab and move them. Each scale needs a
// process of its own; this test starts itself with -report-placement for it.

#include "app/ExitScreen.h"
#include "app/frmAbout.h"
#include "app/frmMain.h"

#include "fakes/FakeServices.h"

#include <QApplication>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <cstring>

using namespace orbelle;

namespace {

// "<window> <frame left top width height> <available area left top width height>"
void report(const QWidget* window) {
    const QRect frame = window->frameGeometry();
    const QRect area = window->screen()->availableGeometry();
    std::printf("%s %d %d %d %d %d %d %d %d\n", qPrintable(window->objectName()), frame.x(), frame.y(), frame.width(),
                frame.height(), area.x(), area.y(), area.width(), area.height());
}

int reportPlacement(int argc, char** argv) {
    QApplication application(argc, argv);
    fakes::FakeServices fakes;
    auto* window = new app::frmMain(fakes.services);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    auto* about = new app::frmAbout(fakes.services, window);
    about->show();
    QApplication::processEvents();
    report(window);
    report(about);
    about->close();
    window->close(); // leaves the exit screen
    QApplication::processEvents();
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* exitScreen = qobject_cast<app::ExitScreen*>(widget)) {
            exitScreen->setObjectName(QStringLiteral("ExitScreen"));
            report(exitScreen);
        }
    std::fflush(stdout);
    return 0;
}

} // namespace

class TestPlacement : public QObject {
    Q_OBJECT

private slots:
    void titleBarsOnScreen_data();
    void titleBarsOnScreen();
};

void TestPlacement::titleBarsOnScreen_data() {
    QTest::addColumn<int>("scale");
    QTest::newRow("scale 1") << 1;
    QTest::newRow("scale 2") << 2;
    // The main window is larger than the screen here; centred, its title bar was off it.
    QTest::newRow("scale 3") << 3;
}

void TestPlacement::titleBarsOnScreen() {
    QFETCH(int, scale);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString screens = dir.filePath(QStringLiteral("screens.json"));
    QFile file(screens);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(R"({"screens": [{"name": "only", "x": 0, "y": 0, "width": 1280, "height": 1024, "logicalDpi": 96}]})");
    file.close();

    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen:configfile=") + screens);
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(scale));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("-report-placement")});
    QVERIFY(child.waitForFinished(60000));
    QCOMPARE(child.exitCode(), 0);

    QStringList seen;
    for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> words = line.split(' ');
        if (words.size() != 9)
            continue;
        seen << QString::fromLatin1(words[0]);
        const QRect frame(words[1].toInt(), words[2].toInt(), words[3].toInt(), words[4].toInt());
        const QRect area(words[5].toInt(), words[6].toInt(), words[7].toInt(), words[8].toInt());
        QCOMPARE(area.size(), QSize(1280, 1024) / scale);
        // The title bar starts inside the area; a window that fits lies wholly inside it.
        QVERIFY2(area.contains(frame.topLeft()), line.constData());
        if (frame.width() <= area.width())
            QVERIFY2(frame.left() >= area.left() && frame.right() <= area.right(), line.constData());
        if (frame.height() <= area.height())
            QVERIFY2(frame.top() >= area.top() && frame.bottom() <= area.bottom(), line.constData());
    }
    QCOMPARE(seen, QStringList({QStringLiteral("frmMain"), QStringLiteral("frmAbout"), QStringLiteral("ExitScreen")}));
}

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "-report-placement") == 0)
        return reportPlacement(argc, argv);
    QApplication application(argc, argv);
    TestPlacement test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_placement.moc"

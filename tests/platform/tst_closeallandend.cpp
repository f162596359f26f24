// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// CloseAllAndEnd, watched from outside: the child program's windows are closed once each in
// the order the application lists them, nothing after the call runs, the buffered
// output still arrives and the exit status is 0.

#include <QProcess>
#include <QTest>

namespace {

constexpr int Patience = 30000; // ms; the sanitizer build starts slowly

struct Run {
    bool finished = false;
    QProcess::ExitStatus status = QProcess::CrashExit;
    int code = -1;
    QStringList lines;
};

Run runEndingApp(const QString& mode) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QStringLiteral(ENDINGAPP_PATH), {mode});
    Run run;
    run.finished = process.waitForFinished(Patience);
    run.status = process.exitStatus();
    run.code = process.exitCode();
    run.lines = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return run;
}

QStringList listedWindows(const Run& run) {
    if (run.lines.isEmpty() || !run.lines.front().startsWith(QLatin1String("listed")))
        return {};
    QStringList names = run.lines.front().split(QLatin1Char(' '));
    names.removeFirst();
    return names;
}

} // namespace

class TestCloseAllAndEnd : public QObject {
    Q_OBJECT

private slots:
    void closesEveryWindowInListedOrder_data();
    void closesEveryWindowInListedOrder();
    void windowsDeletedOnTheWayAreSkipped();
};

void TestCloseAllAndEnd::closesEveryWindowInListedOrder_data() {
    QTest::addColumn<QString>("mode");
    QTest::newRow("called from an event handler") << QStringLiteral("plain");
    QTest::newRow("called again from a window's close") << QStringLiteral("reentrant");
    QTest::newRow("no windows") << QStringLiteral("none");
}

void TestCloseAllAndEnd::closesEveryWindowInListedOrder() {
    QFETCH(QString, mode);
    const Run run = runEndingApp(mode);
    QVERIFY(run.finished);
    QCOMPARE(run.status, QProcess::NormalExit);
    QCOMPARE(run.code, 0);

    const QStringList listed = listedWindows(run);
    QCOMPARE(listed.size(), mode == QLatin1String("none") ? 0 : 4);
    QStringList expected{QStringLiteral("listed ") + listed.join(QLatin1Char(' '))};
    if (mode == QLatin1String("none"))
        expected = QStringList{QStringLiteral("listed")};
    if (mode == QLatin1String("reentrant"))
        expected << QStringLiteral("closed exit"); // the user's close comes first
    for (const QString& name : listed) {
        if (mode != QLatin1String("reentrant") || name != QLatin1String("exit"))
            expected << QStringLiteral("closed ") + name;
    }
    // Nothing after the call, no return from the event loop, no destructors.
    QCOMPARE(run.lines, expected);
}

void TestCloseAllAndEnd::windowsDeletedOnTheWayAreSkipped() {
    const Run run = runEndingApp(QStringLiteral("deleting"));
    QVERIFY(run.finished);
    QCOMPARE(run.status, QProcess::NormalExit);
    QCOMPARE(run.code, 0);
    const QStringList listed = listedWindows(run);
    QCOMPARE(listed.size(), 4);
    QStringList expected{QStringLiteral("listed ") + listed.join(QLatin1Char(' ')),
                         QStringLiteral("closed ") + listed.front()};
    // The child program deletes the others in the order it created them.
    for (const char* name : {"main", "about", "exit", "spare"}) {
        if (listed.front() != QLatin1String(name))
            expected << QStringLiteral("deleted ") + QLatin1String(name);
    }
    QCOMPARE(run.lines, expected);
}

QTEST_GUILESS_MAIN(TestCloseAllAndEnd)
#include "tst_closeallandend.moc"

// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The start-up sequence: its order over scripted seams, and the single-instance rule
// against a real running copy of the program.

#include "app/Services.h"
#include "app/Startup.h"
#include "app/StoredDate.h"
#include "app/frmMain.h"
#include "app/modHelp.h"
#include "platform/qt/QtSingleInstance.h"

#include "fakes/FakePlatform.h"

#include <QApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

#include <csignal>

using namespace orbelle;
using namespace orbelle::fakes;

namespace {

// A message box that also notes what the program had done when it was shown.
class ObservingMessageBox final : public platform::MessageBox {
public:
    explicit ObservingMessageBox(ScriptedRandom& random)
        : m_random(random) {}

    struct Seen {
        std::string text;
        std::size_t seedsSoFar;
        bool mainWindowExists;
    };
    std::vector<Seen> seen;
    platform::MessageAnswer answer = platform::MessageAnswer::No;

    platform::MessageAnswer show(const std::string& text, platform::MessageButtons buttons,
                                 const std::string&) override {
        bool mainWindow = false;
        for (QWidget* widget : QApplication::topLevelWidgets())
            mainWindow = mainWindow || qobject_cast<app::frmMain*>(widget);
        seen.push_back({text, m_random.seeds.size(), mainWindow});
        return buttons == platform::MessageButtons::Ok ? platform::MessageAnswer::Ok : answer;
    }

private:
    ScriptedRandom& m_random;
};

struct Seams {
    ScriptedRandom random;
    ObservingMessageBox messageBox{random};
    FakeClipboard clipboard;
    FakeShell shell;
    FakeSettingsStore settings;
    FakeClock clock;
    FakeSingleInstance singleInstance;
    int endRequests = 0;
    app::Services services{messageBox, clipboard, shell, settings, clock, random, "Orbelle", [this] { ++endRequests; }};
};

void storeDate(FakeSettingsStore& settings, const QDate& date) {
    settings.entries[{"Orbelle", "Settings", modHelp::ScrambleText("Duration")}] =
        modHelp::ScrambleText(modHelp::ShortDateText(date, QLocale()).toStdString());
}

// The environment of a user whose home is `home`, on the offscreen platform.
QProcessEnvironment programEnvironment(const QTemporaryDir& home) {
    const QString runtime = home.filePath("run");
    QDir().mkpath(runtime);
    // Qt only trusts a runtime folder that is private to its user.
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", home.path());
    environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
    environment.insert("XDG_RUNTIME_DIR", runtime);
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    return environment;
}

// Starts the real program for a user whose home is `home`; returns the path of the
// lock it takes.
QString startProgram(QProcess& process, const QTemporaryDir& home) {
    process.setProcessEnvironment(programEnvironment(home));
    process.start(QStringLiteral(ORBELLE_EXECUTABLE), {});
    return home.filePath("run/Orbelle.lock");
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void stepsRunInOrder();
    void firstStartShowsNoReminder();
    void secondCopyIsToldAndEnds();
    void realRunningCopyRefusesASecondStart();
    void killedCopyDoesNotBlockTheNextStart();
    void hugeSettingsFileUnderAMemoryLimit();
    void noDisplay_data();
    void noDisplay();
};

void TestStartup::cleanup() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        widget->close();
    QApplication::processEvents();
}

void TestStartup::stepsRunInOrder() {
    Seams seams;
    seams.clock.seed = 4242;
    storeDate(seams.settings, QDate(2026, 11, 1)); // 35 days before the fake clock's today
    seams.random.push(0.95f);                      // the banner's draw: 7, no change
    const std::unique_ptr<app::frmMain> window = app::RunStartup(seams.services, seams.singleInstance);
    QVERIFY(window);
    QCOMPARE(seams.singleInstance.checks, 1);
    QCOMPARE(seams.random.seeds, std::vector<std::uint32_t>{4242}); // seeded once, from the clock
    QCOMPARE(seams.clock.seedReads, 1);
    // The reminder came after the seeding and before the main window existed.
    QCOMPARE(seams.messageBox.seen.size(), std::size_t(1));
    QCOMPARE(seams.messageBox.seen[0].seedsSoFar, std::size_t(1));
    QVERIFY(!seams.messageBox.seen[0].mainWindowExists);
    QVERIFY(window->isVisible());
    QCOMPARE(window->intCoBrandRandomNumber, 7);
    QVERIFY(seams.random.exhausted()); // the banner drew after the window was there
    QCOMPARE(seams.endRequests, 0);
}

void TestStartup::firstStartShowsNoReminder() {
    Seams seams;
    seams.random.push(0.5f);
    const std::unique_ptr<app::frmMain> window = app::RunStartup(seams.services, seams.singleInstance);
    QVERIFY(window);
    QVERIFY(seams.messageBox.seen.empty());
    QCOMPARE(seams.settings.entries.size(), std::size_t(1));
    QCOMPARE(window->intCoBrandRandomNumber, 4);
}

void TestStartup::secondCopyIsToldAndEnds() {
    Seams seams;
    seams.singleInstance.running = true;
    const std::unique_ptr<app::frmMain> window = app::RunStartup(seams.services, seams.singleInstance);
    QVERIFY(!window);
    QCOMPARE(seams.messageBox.seen.size(), std::size_t(1));
    QCOMPARE(seams.messageBox.seen[0].text, std::string("Application is already running"));
    QCOMPARE(seams.endRequests, 1);
    QCOMPARE(seams.settings.reads, 0);
    QCOMPARE(seams.settings.writes, 0);
    QVERIFY(seams.random.seeds.empty());
}

void TestStartup::realRunningCopyRefusesASecondStart() {
    QTemporaryDir home;
    QVERIFY(home.isValid());
    QProcess first;
    const QString lockPath = startProgram(first, home);
    QVERIFY(first.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(lockPath), 10000);
    // The first copy reached its main window: it wrote the date of its first start.
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(home.filePath("config/Orbelle/Orbelle.conf")), 10000);

    Seams seams;
    platform::QtSingleInstance second(lockPath);
    const std::unique_ptr<app::frmMain> window = app::RunStartup(seams.services, second);
    QVERIFY(!window);
    QCOMPARE(seams.messageBox.seen.size(), std::size_t(1));
    QCOMPARE(seams.messageBox.seen[0].text, std::string("Application is already running"));
    QCOMPARE(seams.endRequests, 1);
    QCOMPARE(seams.settings.reads + seams.settings.writes, 0);
    QCOMPARE(first.state(), QProcess::Running); // the running copy is left alone

    first.kill();
    QVERIFY(first.waitForFinished());
}

void TestStartup::killedCopyDoesNotBlockTheNextStart() {
    QTemporaryDir home;
    QVERIFY(home.isValid());
    QProcess first;
    const QString lockPath = startProgram(first, home);
    QVERIFY(first.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(lockPath), 10000);
    ::kill(pid_t(first.processId()), SIGKILL); // no chance to remove its lock
    QVERIFY(first.waitForFinished());
    QVERIFY(QFileInfo::exists(lockPath));

    Seams seams;
    seams.random.push(0.5f);
    platform::QtSingleInstance next(lockPath);
    const std::unique_ptr<app::frmMain> window = app::RunStartup(seams.services, next);
    QVERIFY(window);
    QVERIFY(seams.messageBox.seen.empty());
}

void TestStartup::hugeSettingsFileUnderAMemoryLimit() {
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("the address sanitizer reserves far more address space than the limit allows");
#endif
    QTemporaryDir home;
    QVERIFY(home.isValid());
    const QString settings = home.filePath("config/Orbelle/Orbelle.conf");
    QVERIFY(QDir().mkpath(home.filePath("config/Orbelle")));
    {
        QFile file(settings);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(qint64(4) << 30)); // sparse: costs no disk
    }
    const QDateTime modified = QFileInfo(settings).lastModified();
    QProcess program;
    // ulimit -v 1500000, as a user might run it; reading the file whole once crashed here.
    program.setChildProcessModifier([] {
        const rlimit limit{rlim_t(1500000) * 1024, rlim_t(1500000) * 1024};
        ::setrlimit(RLIMIT_AS, &limit);
    });
    const QString lockPath = startProgram(program, home);
    QVERIFY(program.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(lockPath), 10000);
    // Past the lock, the crash came within a second.
    QVERIFY2(!program.waitForFinished(3000), qPrintable(program.readAllStandardError()));
    QCOMPARE(QFileInfo(settings).size(), qint64(4) << 30);
    QCOMPARE(QFileInfo(settings).lastModified(), modified);
    program.kill();
    QVERIFY(program.waitForFinished());
}

void TestStartup::noDisplay_data() {
    QTest::addColumn<QString>("platform"); // QT_QPA_PLATFORM, unset when empty
    QTest::newRow("no X11 or Wayland display") << QString();
    QTest::newRow("a platform that does not exist") << QStringLiteral("bogus");
}

void TestStartup::noDisplay() {
    QFETCH(QString, platform);
    QTemporaryDir home;
    QVERIFY(home.isValid());
    QProcessEnvironment environment = programEnvironment(home);
    const QStringList before = QDir(home.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    if (!platform.isEmpty())
        environment.insert("QT_QPA_PLATFORM", platform);
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(ORBELLE_EXECUTABLE), {});
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 1);
    QCOMPARE(program.readAllStandardError(),
             QByteArray("Orbelle needs a graphical desktop: no X11 or Wayland display was found.\n"));
    // Nothing written: no settings, no lock.
    QCOMPARE(QDir(home.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);
    QVERIFY(QDir(home.filePath("run")).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"

// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts and kills around the settings file, with real processes (the startcopy
// helper): copies killed at random moments while they write the file, and rounds of ten
// copies started at once, each round with a reminder due. No kill may leave the file
// corrupt, and every round must end with exactly one main window and a whole file.
//   tst_startsoak [-kills N] [-rounds N] [Qt Test options]   (default: 30 kills, 3 rounds)

#include "app/StoredDate.h"
#include "app/modHelp.h"
#include "platform/qt/QtSettingsStore.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>

using namespace orbelle;

namespace {

constexpr int DefaultKills = 30;
constexpr int DefaultRounds = 3;
constexpr int Copies = 10;
constexpr int Patience = 60000; // ms; ten sanitizer builds starting on two cores

// The settings of one user, in a temporary home.
class User {
public:
    User() {
        QDir().mkpath(m_home.filePath(QStringLiteral("run")));
        QFile::setPermissions(m_home.filePath(QStringLiteral("run")),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        m_environment.insert(QStringLiteral("HOME"), m_home.path());
        m_environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.filePath(QStringLiteral("config")));
        m_environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_home.filePath(QStringLiteral("run")));
        m_environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    }

    std::unique_ptr<QProcess> start(const char* mode) const {
        auto copy = std::make_unique<QProcess>();
        copy->setProcessEnvironment(m_environment);
        copy->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        copy->start(QStringLiteral(STARTCOPY_PATH), {QString::fromLatin1(mode)});
        return copy;
    }

    QString folder() const { return m_home.filePath(QStringLiteral("config/Orbelle")); }
    QStringList files() const { return QDir(folder()).entryList(QDir::Files | QDir::Hidden | QDir::System); }
    QByteArray contents() const {
        QFile file(folder() + QStringLiteral("/Orbelle.conf"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    platform::QtSettingsStore store() const {
        return platform::QtSettingsStore(m_home.filePath(QStringLiteral("config")));
    }

private:
    QTemporaryDir m_home;
    QProcessEnvironment m_environment = QProcessEnvironment::systemEnvironment();
};

// The whole file as the program writes the date.
QByteArray fileWith(const std::string& date) {
    return "[Settings]\n%U2122%CA%C7%B6%C9%BE%C4%C3=" + QByteArray::fromStdString(modHelp::ScrambleText(date)) + '\n';
}

std::optional<std::string> storedDate(const User& user) {
    platform::QtSettingsStore store = user.store();
    const std::optional<std::string> stored =
        store.read("Orbelle", "Settings", modHelp::ScrambleText(modHelp::DurationKey), {});
    return stored ? std::optional(modHelp::UnscrambleText(*stored)) : std::nullopt;
}

// Whether the copy says `line` before it ends or the patience runs out.
bool waitForLine(QProcess& copy, const QByteArray& line, int patience) {
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        if (copy.peek(1 << 16).split('\n').contains(line))
            return true;
        if (copy.state() == QProcess::NotRunning || clock.elapsed() > patience)
            return false;
        copy.waitForReadyRead(50);
    }
}

} // namespace

class TestStartSoak : public QObject {
    Q_OBJECT

public:
    TestStartSoak(int kills, int rounds)
        : m_kills(kills)
        , m_rounds(rounds) {}

private slots:
    void killsDuringTheWrite();
    void simultaneousStarts();

private:
    int m_kills;
    int m_rounds;
};

void TestStartSoak::killsDuringTheWrite() {
    User user;
    const QByteArray first = fileWith("2027-01-05");
    const QByteArray second = fileWith("2026-12-06");
    int corrupt = 0;
    int leftovers = 0;
    bool written = false;
    for (int kill = 0; kill < m_kills; ++kill) {
        const std::unique_ptr<QProcess> writer = user.start("write");
        QVERIFY(waitForLine(*writer, "writing", Patience));
        // Anywhere in the next few writes, each of which takes a fraction of this.
        std::this_thread::sleep_for(std::chrono::microseconds(QRandomGenerator::global()->bounded(20000)));
        writer->kill();
        QVERIFY(writer->waitForFinished(Patience));
        // Before the first write is through, there is no file at all.
        const QByteArray contents = user.contents();
        const bool none = !written && !QFile::exists(user.folder() + QStringLiteral("/Orbelle.conf"));
        written = written || !none;
        if (contents != first && contents != second && !none)
            ++corrupt;
        leftovers = std::max(leftovers, int(user.files().size()) - 1);
    }
    // The next write sweeps what the killed copies left.
    platform::QtSettingsStore store = user.store();
    QVERIFY(store.write("Orbelle", "Settings", modHelp::ScrambleText("Duration"), modHelp::ScrambleText("x")));
    std::printf("%d kills while writing: %d corrupt files; at most %d leftover copies, swept by the next write\n",
                m_kills, corrupt, leftovers);
    QCOMPARE(corrupt, 0);
    QCOMPARE(user.files(), QStringList{QStringLiteral("Orbelle.conf")});
}

void TestStartSoak::simultaneousStarts() {
    User user;
    const QDate today = QDate::currentDate();
    int badRounds = 0;
    for (int round = 0; round < m_rounds; ++round) {
        // A reminder is due, so the copy that gets the window writes the date.
        platform::QtSettingsStore store = user.store();
        QVERIFY(store.write("Orbelle", "Settings", modHelp::ScrambleText("Duration"),
                            modHelp::ScrambleText(today.addDays(-30).toString(Qt::ISODate).toStdString())));
        std::vector<std::unique_ptr<QProcess>> copies;
        for (int copy = 0; copy < Copies; ++copy)
            copies.push_back(user.start("start"));
        int windows = 0;
        QProcess* shown = nullptr;
        for (const std::unique_ptr<QProcess>& copy : copies) {
            QVERIFY(copy->waitForStarted(Patience));
            if (waitForLine(*copy, "window", Patience)) {
                ++windows;
                shown = copy.get();
            } else {
                QVERIFY2(copy->state() == QProcess::NotRunning || copy->waitForFinished(Patience),
                         "a copy neither showed a window nor ended");
                const QByteArray said = copy->readAll();
                QVERIFY2(said == "Application is already running\nended\n", said.constData());
            }
        }
        if (shown) {
            shown->closeWriteChannel();
            QVERIFY(shown->waitForFinished(Patience));
        }
        const std::optional<std::string> stored = storedDate(user);
        const bool whole = stored && modHelp::ReadStoredDate(*stored, QLocale()) == today &&
                           user.files() == QStringList{QStringLiteral("Orbelle.conf")};
        if (windows != 1 || !whole)
            ++badRounds;
    }
    std::printf("%d rounds of %d simultaneous starts: %d with other than one window or a whole file\n", m_rounds,
                Copies, badRounds);
    QCOMPARE(badRounds, 0);
}

int main(int argc, char** argv) {
    // "-kills N" and "-rounds N" are the soak's own; everything else goes to Qt Test.
    int kills = DefaultKills;
    int rounds = DefaultRounds;
    std::vector<char*> arguments;
    for (int i = 0; i < argc; ++i) {
        if ((std::strcmp(argv[i], "-kills") == 0 || std::strcmp(argv[i], "-rounds") == 0) && i + 1 < argc) {
            const int count = std::atoi(argv[i + 1]);
            if (count < 1) {
                std::fprintf(stderr, "%s needs a positive count\n", argv[i]);
                return 2;
            }
            (std::strcmp(argv[i], "-kills") == 0 ? kills : rounds) = count;
            ++i;
            continue;
        }
        arguments.push_back(argv[i]);
    }
    QCoreApplication application(argc, argv);
    TestStartSoak soak(kills, rounds);
    return QTest::qExec(&soak, int(arguments.size()), arguments.data());
}

#include "tst_startsoak.moc"

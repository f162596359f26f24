// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A failing disk and a busy folder under the update reminder of a real start (the
// reminderrun helper): whatever fails, the settings file stays exactly as it was, with
// no leftover beside it, and nothing outside the program's folder is touched.

#include "app/StoredDate.h"
#include "app/modHelp.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <thread>
#include <utility>

namespace {

constexpr int Patience = 20000; // ms; the sanitizer build starts slowly

// The file of the report: a comment, another group, and the date of the last reminder
// 30 days before the helper's today (6 December 2026).
QByteArray oldFile() {
    return "; kept by hand\n[Other]\ncolour=blue\n\n[Settings]\n%U2122%CA%C7%B6%C9%BE%C4%C3=" +
           QByteArray::fromStdString(orbelle::modHelp::ScrambleText("2026-11-06")) + '\n';
}

// What the helper stores for its today.
QByteArray today() {
    return QByteArray::fromStdString(
        orbelle::modHelp::ScrambleText(orbelle::modHelp::StoredDateText(QDate(2026, 12, 6), QLocale::c())));
}

// The file with the helper's today in place of the old date, and nothing else changed.
QByteArray withToday(QByteArray file) {
    return file.replace(QByteArray::fromStdString(orbelle::modHelp::ScrambleText("2026-11-06")), today());
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Names, kinds, inodes and bytes of what a folder holds: equal means untouched.
QStringList snapshot(const QString& folder) {
    QStringList seen;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        struct stat entry {};
        ::lstat(QFile::encodeName(dir.filePath(name)).constData(), &entry);
        QFile file(dir.filePath(name));
        const QByteArray bytes = S_ISREG(entry.st_mode) && file.open(QIODevice::ReadOnly) ? file.readAll() : "";
        seen << QStringLiteral("%1 %2 %3 %4").arg(name).arg(entry.st_mode, 0, 8).arg(entry.st_ino).arg(bytes.toHex());
    }
    return seen;
}

// Runs the reminder on the configuration folder; "reminder", "silent" or "hung".
QByteArray runReminder(const QString& config, const QString& fault = {}, const QString& faultUnder = {}) {
    QProcess helper;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    if (!fault.isEmpty()) {
        environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(FAULTSHIM_PATH));
        environment.insert(QStringLiteral("ORBELLE_FAULT"), fault);
        environment.insert(QStringLiteral("ORBELLE_FAULT_UNDER"), faultUnder);
        // The sanitizers' runtime wants to be loaded first; the shim comes before it.
        environment.insert(QStringLiteral("ASAN_OPTIONS"), environment.value(QStringLiteral("ASAN_OPTIONS")) +
                                                               QStringLiteral(":verify_asan_link_order=0"));
    }
    helper.setProcessEnvironment(environment);
    helper.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    helper.start(QStringLiteral(REMINDERRUN_PATH), {config});
    if (!helper.waitForFinished(Patience)) {
        helper.kill();
        helper.waitForFinished();
        return "hung";
    }
    return helper.readAllStandardOutput().trimmed();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A mount namespace of the test's own, where it may mount a small filesystem that
// nobody else sees and that goes with the process. Empty when it can, else why not.
QString ownMountNamespace() {
    const uid_t user = ::geteuid();
    const gid_t group = ::getegid();
    if (user != 0) {
        if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
            return QStringLiteral("no user namespaces here: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        writeFile(QStringLiteral("/proc/self/setgroups"), "deny");
        writeFile(QStringLiteral("/proc/self/uid_map"),
                  QByteArray::number(user) + ' ' + QByteArray::number(user) + " 1");
        writeFile(QStringLiteral("/proc/self/gid_map"),
                  QByteArray::number(group) + ' ' + QByteArray::number(group) + " 1");
    } else if (::unshare(CLONE_NEWNS) != 0) {
        return QStringLiteral("no mount namespace: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
    }
    if (::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return QStringLiteral("mounts cannot be made private: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
    return {};
}

} // namespace

class TestSettingsFaults : public QObject {
    Q_OBJECT

public:
    explicit TestSettingsFaults(QString noMounts)
        : m_noMounts(std::move(noMounts)) {}

private slots:
    void failingFilesystem_data();
    void failingFilesystem();
    void failingCall_data();
    void failingCall();
    void swapRace();

private:
    QString m_noMounts;
};

void TestSettingsFaults::failingFilesystem_data() {
    QTest::addColumn<int>("pagesLeft"); // -1: mounted read-only
    QTest::addColumn<bool>("moved");    // whether the date moves on
    // Room for the new file, but not for a lock file as well: this once left it empty.
    QTest::newRow("one page left") << 1 << true;
    QTest::newRow("no page left") << 0 << false;
    QTest::newRow("read-only") << -1 << false;
}

void TestSettingsFaults::failingFilesystem() {
    QFETCH(int, pagesLeft);
    QFETCH(bool, moved);
    if (!m_noMounts.isEmpty())
        QSKIP(qPrintable(m_noMounts));
    QTemporaryDir mountPoint;
    QVERIFY(mountPoint.isValid());
    const QByteArray where = QFile::encodeName(mountPoint.path());
    if (::mount("tmpfs", where.constData(), "tmpfs", 0, "size=64k") != 0)
        QSKIP(qPrintable(QStringLiteral("cannot mount a tmpfs: %1").arg(QString::fromLocal8Bit(std::strerror(errno)))));
    const QString folder = mountPoint.filePath(QStringLiteral("Orbelle"));
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(writeFile(folder + QStringLiteral("/Orbelle.conf"), oldFile()));
    if (pagesLeft < 0) {
        QVERIFY(::mount(nullptr, where.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0);
    } else {
        QFile filler(mountPoint.filePath(QStringLiteral("filler")));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (filler.write(QByteArray(4096, 'x')) > 0) {
        }
        QVERIFY(filler.resize(filler.size() - pagesLeft * 4096));
    }
    const QStringList before = snapshot(folder);

    QCOMPARE(runReminder(mountPoint.path()), QByteArray("reminder"));
    if (moved)
        QCOMPARE(readFile(folder + QStringLiteral("/Orbelle.conf")), withToday(oldFile()));
    else
        QCOMPARE(snapshot(folder), before);
    ::umount2(where.constData(), MNT_DETACH);
}

void TestSettingsFaults::failingCall_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QByteArray>("seen");
    // Without a fault the date moves on, and the rest of the file stays.
    QTest::newRow("none") << QString() << QByteArray("reminder");
    QTest::newRow("write fails") << QStringLiteral("write") << QByteArray("reminder");
    QTest::newRow("fsync fails") << QStringLiteral("fsync") << QByteArray("reminder");
    QTest::newRow("rename fails") << QStringLiteral("rename") << QByteArray("reminder");
    // A file that cannot be read whole is not known, so it is not replaced either.
    QTest::newRow("read fails") << QStringLiteral("read") << QByteArray("silent");
    QTest::newRow("read ends early") << QStringLiteral("shortread") << QByteArray("silent");
}

void TestSettingsFaults::failingCall() {
    QFETCH(QString, fault);
    QFETCH(QByteArray, seen);
    QTemporaryDir config;
    QVERIFY(config.isValid());
    const QString folder = config.filePath(QStringLiteral("Orbelle"));
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(writeFile(folder + QStringLiteral("/Orbelle.conf"), oldFile()));
    const QStringList before = snapshot(folder);

    QCOMPARE(runReminder(config.path(), fault.isEmpty() ? QStringLiteral("none") : fault, config.path()), seen);
    if (!fault.isEmpty()) {
        QCOMPARE(snapshot(folder), before);
        return;
    }
    QCOMPARE(readFile(folder + QStringLiteral("/Orbelle.conf")), withToday(oldFile()));
}

void TestSettingsFaults::swapRace() {
    QTemporaryDir home;
    QVERIFY(home.isValid());
    const QString folder = home.filePath(QStringLiteral("Orbelle"));
    const QString outside = home.filePath(QStringLiteral("outside"));
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(QDir().mkpath(outside + QStringLiteral("/folder")));
    QVERIFY(::mkfifo(QFile::encodeName(outside + QStringLiteral("/pipe")).constData(), 0600) == 0);
    const QStringList outsideBefore = snapshot(outside);
    const QByteArray path = QFile::encodeName(folder + QStringLiteral("/Orbelle.conf"));
    const QByteArray staged = QFile::encodeName(folder + QStringLiteral("/staged"));
    const QByteArray pipe = QFile::encodeName(outside + QStringLiteral("/pipe"));
    const QByteArray elsewhere = QFile::encodeName(outside + QStringLiteral("/folder"));

    // Another process's work, done as fast as it goes: a settings file, a FIFO and
    // symlinks to a FIFO and a folder outside take turns at the path, each put there by
    // one atomic rename.
    std::atomic<bool> stop = false;
    std::atomic<int> swaps = 0;
    std::thread swapper([&] {
        const QByteArray contents = oldFile();
        for (int turn = 0; !stop; ++turn) {
            ::unlink(staged.constData());
            bool made = false;
            switch (turn % 4) {
            case 0: {
                const int fd = ::open(staged.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
                made = fd >= 0 && ::write(fd, contents.constData(), size_t(contents.size())) == contents.size();
                if (fd >= 0)
                    ::close(fd);
                break;
            }
            case 1:
                made = ::mkfifo(staged.constData(), 0600) == 0;
                break;
            case 2:
                made = ::symlink(pipe.constData(), staged.constData()) == 0;
                break;
            default:
                made = ::symlink(elsewhere.constData(), staged.constData()) == 0;
            }
            if (made && ::rename(staged.constData(), path.constData()) == 0)
                ++swaps;
        }
    });
    int starts = 0;
    QByteArray answer;
    // A few hundred swaps over at least twenty starts; each start must end by itself.
    while ((starts < 20 || swaps < 300) && starts < 200 && answer != "hung") {
        answer = runReminder(home.path());
        ++starts;
    }
    stop = true;
    swapper.join();
    QVERIFY2(answer != "hung", qPrintable(QStringLiteral("start %1 hung").arg(starts)));
    QVERIFY2(swaps >= 300, qPrintable(QStringLiteral("only %1 swaps").arg(int(swaps))));
    QCOMPARE(snapshot(outside), outsideBefore);
    // What the program left at the path, when it is a file, is whole: it reads as the
    // old date or as the new one.
    struct stat entry {};
    if (::lstat(path.constData(), &entry) == 0 && S_ISREG(entry.st_mode)) {
        const QByteArray bytes = readFile(QFile::decodeName(path));
        QVERIFY2(bytes == oldFile() || bytes == withToday(oldFile()), bytes.constData());
    }
}

int main(int argc, char** argv) {
    // Before Qt starts a thread: only a process of one thread may make a user namespace.
    TestSettingsFaults test(ownMountNamespace());
    QCoreApplication application(argc, argv);
    return QTest::qExec(&test, argc, argv);
}
#include "tst_settingsfaults.moc"

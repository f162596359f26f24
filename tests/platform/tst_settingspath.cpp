// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Whatever stands at the settings path: the update reminder at start-up reads and
// writes only a regular file of settings size, and leaves anything else exactly as it
// found it, without a word and without waiting.

#include "app/Services.h"
#include "app/modHelp.h"
#include "platform/qt/QtSettingsStore.h"

#include "fakes/FakePlatform.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

using namespace orbelle;
using namespace orbelle::fakes;
using orbelle::platform::QtSettingsStore;

namespace {

// "Duration" = "12/6/2026", as the program writes it.
const QByteArray DateFileBytes = "[Settings]\n"
                                 "%U2122%CA%C7%B6%C9%BE%C4%C3="
                                 "\xE2\x80\xA0\xE2\x80\xA1\xE2\x80\x9E\xE2\x80\xB9\xE2\x80\x9E"
                                 "\xE2\x80\xA1\xE2\x80\xA6\xE2\x80\xA1\xE2\x80\xB9\n";

struct Seams {
    FakeMessageBox box;
    FakeClipboard clipboard;
    FakeShell shell;
    FakeClock clock;
    ScriptedRandom random;
    QtSettingsStore store;
    orbelle::app::Services services{box, clipboard, shell, store, clock, random, "Orbelle", {}};
    explicit Seams(const QString& folder)
        : store(folder) {}
};

// What a look at a path and a folder can tell; equal before and after means untouched.
QString snapshot(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    struct stat entry {};
    if (::lstat(native.constData(), &entry) != 0)
        return QStringLiteral("absent");
    return QStringLiteral("mode %1 inode %2 size %3 device %4 modified %5.%6")
        .arg(entry.st_mode, 0, 8)
        .arg(entry.st_ino)
        .arg(entry.st_size)
        .arg(entry.st_rdev)
        .arg(entry.st_mtim.tv_sec)
        .arg(entry.st_mtim.tv_nsec);
}

QStringList listing(const QString& folder) {
    QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

bool makeSocket(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (native.size() >= qsizetype(sizeof address.sun_path))
        return false;
    std::memcpy(address.sun_path, native.constData(), native.size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound = fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    if (fd >= 0)
        ::close(fd);
    return bound;
}

bool makeSparse(const QString& path, qint64 size) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.resize(size);
}

} // namespace

class TestSettingsPath : public QObject {
    Q_OBJECT

private slots:
    void notASettingsFile_data();
    void notASettingsFile();
    void sizeLimit_data();
    void sizeLimit();
    void leftoverCopiesGoAtTheNextWrite();
    void leftoverWriteLock_data();
    void leftoverWriteLock();
    void symlinkedFileStaysALink();
    void unusableHome_data();
    void unusableHome();
};

void TestSettingsPath::notASettingsFile_data() {
    QTest::addColumn<QString>("thing");
    QTest::addColumn<bool>("throughSymlink");
    for (const char* thing : {"character device", "FIFO", "socket", "directory", "600 MB sparse file"}) {
        QTest::addRow("%s", thing) << QString::fromLatin1(thing) << false;
        QTest::addRow("symlink to a %s", thing) << QString::fromLatin1(thing) << true;
    }
    QTest::addRow("dangling symlink") << QStringLiteral("nothing") << true;
}

void TestSettingsPath::notASettingsFile() {
    QFETCH(QString, thing);
    QFETCH(bool, throughSymlink);
    QTemporaryDir home;
    QVERIFY(home.isValid());
    const QString folder = home.filePath(QStringLiteral("Orbelle"));
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/Orbelle.conf");
    const QString target = throughSymlink ? home.filePath(QStringLiteral("thing")) : path;
    const QByteArray native = QFile::encodeName(target);

    if (thing == QStringLiteral("character device")) {
        // The device of /dev/zero, which a start as root once replaced with a file.
        if (::mknod(native.constData(), S_IFCHR | 0666, makedev(1, 5)) != 0)
            QSKIP("creating a device node needs root with CAP_MKNOD");
    } else if (thing == QStringLiteral("FIFO")) {
        QVERIFY(::mkfifo(native.constData(), 0600) == 0);
    } else if (thing == QStringLiteral("socket")) {
        QVERIFY(makeSocket(target));
    } else if (thing == QStringLiteral("directory")) {
        QVERIFY(QDir().mkpath(target));
    } else if (thing == QStringLiteral("600 MB sparse file")) {
        QVERIFY(makeSparse(target, 600LL << 20));
    }
    if (throughSymlink)
        QVERIFY(QFile::link(target, path));
    const QString linkBefore = snapshot(path);
    const QString targetBefore = snapshot(target);
    const QStringList folderBefore = listing(folder);
    const QStringList homeBefore = listing(home.path());

    Seams seams(home.path());
    modHelp::UpdateReminder(seams.services);

    QVERIFY(seams.box.shown.empty());
    QVERIFY(seams.shell.opened.empty());
    QCOMPARE(snapshot(path), linkBefore);
    QCOMPARE(snapshot(target), targetBefore);
    QCOMPARE(listing(folder), folderBefore);
    QCOMPARE(listing(home.path()), homeBefore);
}

void TestSettingsPath::sizeLimit_data() {
    QTest::addColumn<qint64>("size");
    QTest::addColumn<bool>("read");
    QTest::newRow("at the limit") << QtSettingsStore::LargestFile << true;
    QTest::newRow("one byte over") << QtSettingsStore::LargestFile + 1 << false;
}

void TestSettingsPath::sizeLimit() {
    QFETCH(qint64, size);
    QFETCH(bool, read);
    QTemporaryDir home;
    QVERIFY(home.isValid());
    QVERIFY(QDir().mkpath(home.filePath(QStringLiteral("Orbelle"))));
    const QString path = home.filePath(QStringLiteral("Orbelle/Orbelle.conf"));
    // The date, then a comment that pads the file to the size.
    const QByteArray content = DateFileBytes + ';' + QByteArray(size - DateFileBytes.size() - 2, 'x') + '\n';
    QCOMPARE(content.size(), size);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), size);
    file.close();

    Seams seams(home.path());
    const std::optional<std::string> stored = modHelp::TryReadSetting(seams.services, "Duration");
    QCOMPARE(stored.has_value(), read);
    if (read)
        QCOMPARE(*stored, std::string("12/6/2026"));
    const QString before = snapshot(path);
    QCOMPARE(modHelp::TryWriteSetting(seams.services, "Duration", "1/2/2027"), read);
    if (!read)
        QCOMPARE(snapshot(path), before);
}

void TestSettingsPath::leftoverCopiesGoAtTheNextWrite() {
    QTemporaryDir home;
    QVERIFY(home.isValid());
    const QString folder = home.filePath(QStringLiteral("Orbelle"));
    QVERIFY(QDir().mkpath(folder));
    // A copy killed mid-write leaves its new file under six random letters.
    for (const char* name : {"Orbelle.conf.aBcDeF", "Orbelle.conf.QWERTY"}) {
        QFile stray(folder + QLatin1Char('/') + QLatin1String(name));
        QVERIFY(stray.open(QIODevice::WriteOnly));
        stray.write(DateFileBytes.left(20));
    }
    // Names that QSaveFile never makes stay.
    for (const char* name : {"Orbelle.conf.old", "Orbelle.conf.bak123", "Orbelle.conf.backup2", "Other.conf.abcdef"}) {
        QFile kept(folder + QLatin1Char('/') + QLatin1String(name));
        QVERIFY(kept.open(QIODevice::WriteOnly));
    }

    Seams seams(home.path());
    QVERIFY(modHelp::TryWriteSetting(seams.services, "Duration", "12/6/2026"));

    const QStringList expected{"Orbelle.conf", "Orbelle.conf.backup2", "Orbelle.conf.bak123", "Orbelle.conf.old",
                               "Other.conf.abcdef"};
    QCOMPARE(listing(folder), expected);
    QFile written(folder + QStringLiteral("/Orbelle.conf"));
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), DateFileBytes);
}

void TestSettingsPath::leftoverWriteLock_data() {
    QTest::addColumn<QString>("thing");
    QTest::addColumn<bool>("removed");
    // A copy of an earlier version killed between creating its write lock and filling it in.
    QTest::newRow("empty file") << QStringLiteral("empty file") << true;
    // Stuck for good: the date still moves on, and the thing stays as it is.
    QTest::newRow("directory") << QStringLiteral("directory") << false;
    QTest::newRow("FIFO") << QStringLiteral("FIFO") << false;
}

void TestSettingsPath::leftoverWriteLock() {
    QFETCH(QString, thing);
    QFETCH(bool, removed);
    QTemporaryDir home;
    QVERIFY(home.isValid());
    const QString folder = home.filePath(QStringLiteral("Orbelle"));
    QVERIFY(QDir().mkpath(folder));
    const QString lock = folder + QStringLiteral("/Orbelle.conf.lock");
    if (thing == QStringLiteral("empty file")) {
        QFile file(lock);
        QVERIFY(file.open(QIODevice::WriteOnly));
    } else if (thing == QStringLiteral("directory")) {
        QVERIFY(QDir().mkpath(lock));
    } else {
        QVERIFY(::mkfifo(QFile::encodeName(lock).constData(), 0600) == 0);
    }
    const QString before = snapshot(lock);

    Seams seams(home.path());
    QElapsedTimer clock;
    clock.start();
    QVERIFY(modHelp::TryWriteSetting(seams.services, "Duration", "12/6/2026"));
    // QSettings alone waited 30 s on the empty file, and for ever on the others.
    QVERIFY(clock.elapsed() < 5000);
    QCOMPARE(modHelp::ReadSetting(seams.services, "Duration"), std::string("12/6/2026"));
    if (removed) {
        QCOMPARE(listing(folder), QStringList{QStringLiteral("Orbelle.conf")});
    } else {
        QCOMPARE(snapshot(lock), before);
        QCOMPARE(listing(folder), QStringList({QStringLiteral("Orbelle.conf"), QStringLiteral("Orbelle.conf.lock")}));
    }
}

void TestSettingsPath::symlinkedFileStaysALink() {
    // Settings kept in a folder of dotfiles, linked into place.
    QTemporaryDir home;
    QVERIFY(home.isValid());
    QVERIFY(QDir().mkpath(home.filePath(QStringLiteral("Orbelle"))));
    QVERIFY(QDir().mkpath(home.filePath(QStringLiteral("dotfiles"))));
    const QString target = home.filePath(QStringLiteral("dotfiles/orbelle.conf"));
    const QString path = home.filePath(QStringLiteral("Orbelle/Orbelle.conf"));
    QVERIFY(QFile::link(QStringLiteral("../dotfiles/orbelle.conf"), path));
    QFile file(target);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(DateFileBytes), DateFileBytes.size());
    file.close();

    Seams seams(home.path());
    QVERIFY(modHelp::TryWriteSetting(seams.services, "Duration", "1/2/2027"));
    QCOMPARE(QFileInfo(path).symLinkTarget(), target);
    QCOMPARE(modHelp::ReadSetting(seams.services, "Duration"), std::string("1/2/2027"));
    QCOMPARE(listing(home.filePath(QStringLiteral("dotfiles"))), QStringList{QStringLiteral("orbelle.conf")});
    QCOMPARE(listing(home.filePath(QStringLiteral("Orbelle"))), QStringList{QStringLiteral("Orbelle.conf")});
}

void TestSettingsPath::unusableHome_data() {
    QTest::addColumn<QByteArray>("home"); // a name in a temporary folder, "-" for unset
    QTest::addColumn<bool>("created");    // whether the home folder exists
    QTest::newRow("usable") << QByteArray("home") << true;
    QTest::newRow("unset") << QByteArray("-") << false;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("not UTF-8") << QByteArray("h\xE9me") << true;
    QTest::newRow("missing") << QByteArray("gone") << false;
}

void TestSettingsPath::unusableHome() {
    QFETCH(QByteArray, home);
    QFETCH(bool, created);
    QTemporaryDir parent;
    QVERIFY(parent.isValid());
    const QByteArray homePath = QFile::encodeName(parent.path()) + '/' + home;
    if (created)
        QVERIFY(::mkdir(homePath.constData(), 0700) == 0);
    const QStringList parentBefore = listing(parent.path());
    const bool rootHadConfig = QFileInfo::exists(QStringLiteral("/.config"));
    const QByteArray savedHome = qgetenv("HOME");
    const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
    qunsetenv("XDG_CONFIG_HOME");
    if (home == "-")
        qunsetenv("HOME");
    else
        qputenv("HOME", home.isEmpty() ? home : homePath);

    Seams seams(QtSettingsStore::defaultFolder());
    modHelp::UpdateReminder(seams.services);
    qputenv("HOME", savedHome);
    qputenv("XDG_CONFIG_HOME", savedConfig);
    if (savedConfig.isEmpty())
        qunsetenv("XDG_CONFIG_HOME");

    if (home == "home") {
        QVERIFY(QFileInfo::exists(parent.filePath(QStringLiteral("home/.config/Orbelle/Orbelle.conf"))));
        return;
    }
    // No settings for the run, and no folder made anywhere in their place.
    QVERIFY(seams.box.shown.empty());
    QCOMPARE(listing(parent.path()), parentBefore);
    if (created)
        QVERIFY(QDir(QFile::decodeName(homePath)).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    QCOMPARE(QFileInfo::exists(QStringLiteral("/.config")), rootHadConfig);
}

QTEST_GUILESS_MAIN(TestSettingsPath)
#include "tst_settingspath.moc"

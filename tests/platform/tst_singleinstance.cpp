// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The single-instance lock seen from this process and from a real second one.

#include "platform/qt/QtSingleInstance.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>

using orbelle::platform::QtSingleInstance;

namespace {

constexpr int Patience = 20000; // ms; the sanitizer build starts slowly

// A lockholder process that has answered; one still running at the end of a test
// is killed.
struct Holder {
    std::unique_ptr<QProcess> process = std::make_unique<QProcess>();
    QByteArray answer;

    Holder() = default;
    Holder(Holder&&) = default;
    Holder& operator=(Holder&&) = default;
    ~Holder() {
        if (process && process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished(Patience);
        }
    }
};

Holder startHolder(const QString& lockPath, QProcess::ProcessChannelMode mode = QProcess::ForwardedErrorChannel) {
    Holder holder;
    holder.process->setProgram(QStringLiteral(LOCKHOLDER_PATH));
    holder.process->setArguments({lockPath});
    holder.process->setProcessChannelMode(mode);
    holder.process->start();
    if (!holder.process->waitForStarted(Patience))
        return holder;
    while (!holder.process->canReadLine() && holder.process->waitForReadyRead(Patience)) {
    }
    holder.answer = holder.process->readLine().trimmed();
    return holder;
}

bool release(Holder& holder) {
    holder.process->closeWriteChannel();
    return holder.process->waitForFinished(Patience) && holder.process->exitStatus() == QProcess::NormalExit &&
           holder.process->exitCode() == 0;
}

} // namespace

class TestSingleInstance : public QObject {
    Q_OBJECT

private slots:
    void firstClaimSucceeds();
    void secondClaimInThisProcessIsRefused();
    void copyInAnotherProcessIsSeen();
    void secondProcessSeesTheFirst();
    void killedHolderIsTakenOver();
    void leftoverLockFile_data();
    void leftoverLockFile();
    void lockThatCannotBeTakenIsSaid();
    void folderThatCannotHoldTheLock_data();
    void folderThatCannotHoldTheLock();
};

void TestSingleInstance::firstClaimSucceeds() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Orbelle.lock"));
    {
        QtSingleInstance instance(path);
        QVERIFY(!instance.anotherIsRunning());
        QVERIFY(QFile::exists(path));
    }
    // Ending normally gives the claim back.
    QVERIFY(!QFile::exists(path));
    QtSingleInstance next(path);
    QVERIFY(!next.anotherIsRunning());
}

void TestSingleInstance::secondClaimInThisProcessIsRefused() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Orbelle.lock"));
    QtSingleInstance first(path);
    QVERIFY(!first.anotherIsRunning());
    QtSingleInstance second(path);
    QVERIFY(second.anotherIsRunning());
}

void TestSingleInstance::copyInAnotherProcessIsSeen() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Orbelle.lock"));
    Holder holder = startHolder(path);
    QCOMPARE(holder.answer, QByteArray("locked"));

    {
        QtSingleInstance instance(path);
        QVERIFY(instance.anotherIsRunning());
    }
    // A refused claim leaves the holder's lock alone.
    QVERIFY(QFile::exists(path));

    QVERIFY(release(holder));
    QtSingleInstance afterwards(path);
    QVERIFY(!afterwards.anotherIsRunning());
}

void TestSingleInstance::secondProcessSeesTheFirst() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Orbelle.lock"));
    QtSingleInstance instance(path);
    QVERIFY(!instance.anotherIsRunning());

    Holder second = startHolder(path);
    QCOMPARE(second.answer, QByteArray("running"));
    QVERIFY(release(second));
    // The second copy's end does not take this one's claim away.
    Holder third = startHolder(path);
    QCOMPARE(third.answer, QByteArray("running"));
    QVERIFY(release(third));
}

void TestSingleInstance::killedHolderIsTakenOver() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Orbelle.lock"));
    Holder holder = startHolder(path);
    QCOMPARE(holder.answer, QByteArray("locked"));

    holder.process->kill(); // SIGKILL: no chance to remove the lock file
    QVERIFY(holder.process->waitForFinished(Patience));
    QCOMPARE(holder.process->exitStatus(), QProcess::CrashExit);
    QVERIFY(QFile::exists(path));

    QtSingleInstance next(path);
    QVERIFY(!next.anotherIsRunning());
    // The claim is really held now, not just reported free.
    Holder later = startHolder(path);
    QCOMPARE(later.answer, QByteArray("running"));
    QVERIFY(release(later));
}

void TestSingleInstance::leftoverLockFile_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("answer");
    // After a restart the dead copy's process id may belong to another program.
    QTest::newRow("process id now used by another program")
        << QStringLiteral("file") << QByteArray("1\nlockholder\n") + QSysInfo::machineHostName().toUtf8() + '\n'
        << QByteArray("locked");
    // A copy that died between creating the lock file and filling it in.
    QTest::newRow("empty") << QStringLiteral("file") << QByteArray() << QByteArray("locked");
    QTest::newRow("junk") << QStringLiteral("file") << QByteArray("\xFF\xFE junk\n\n\n") << QByteArray("locked");
    // The runtime folder is this machine's: no copy on another host can hold a lock in it.
    QTest::newRow("naming another host") << QStringLiteral("file") << QByteArray("3999999\nOrbelle\notherhost\n")
                                         << QByteArray("locked");
    QTest::newRow("directory") << QStringLiteral("directory") << QByteArray() << QByteArray("locked");
    QTest::newRow("dangling symlink") << QStringLiteral("dangling symlink") << QByteArray() << QByteArray("locked");
    QTest::newRow("symlink to a file of the user")
        << QStringLiteral("symlink") << QByteArray("the user's own\n") << QByteArray("locked");
    // Qt would wait for ever reading it.
    QTest::newRow("FIFO") << QStringLiteral("FIFO") << QByteArray() << QByteArray("locked");
    // Neither an empty file's youth nor a living process of the same name makes a copy:
    // only holding the lock does.
    QTest::newRow("empty, just created") << QStringLiteral("fresh file") << QByteArray() << QByteArray("locked");
    QTest::newRow("naming a live process of the same name that holds no lock")
        << QStringLiteral("look-alike") << QByteArray() << QByteArray("locked");
    QTest::newRow("empty, held by a live process") << QStringLiteral("held") << QByteArray() << QByteArray("running");
}

void TestSingleInstance::leftoverLockFile() {
    QFETCH(QString, kind);
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, answer);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Orbelle.lock"));
    const QString usersFile = dir.filePath(QStringLiteral("notes.txt"));
    if (kind == QStringLiteral("file") || kind == QStringLiteral("fresh file")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(content), content.size());
        if (kind == QStringLiteral("file"))
            QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
    } else if (kind == QStringLiteral("directory")) {
        QVERIFY(QDir().mkdir(path));
    } else if (kind == QStringLiteral("dangling symlink")) {
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("gone")), path));
    } else if (kind == QStringLiteral("symlink")) {
        QFile file(usersFile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(content), content.size());
        file.close();
        QVERIFY(QFile::link(usersFile, path));
    } else if (kind == QStringLiteral("FIFO")) {
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    }
    Holder lookAlike;
    if (kind == QStringLiteral("look-alike")) {
        lookAlike = startHolder(dir.filePath(QStringLiteral("elsewhere.lock")));
        QCOMPARE(lookAlike.answer, QByteArray("locked"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::number(lookAlike.process->processId()) + "\nlockholder\n" +
                   QSysInfo::machineHostName().toUtf8() + '\n');
    }
    const int held =
        kind == QStringLiteral("held") ? ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT, 0644) : -1;
    if (kind == QStringLiteral("held"))
        QVERIFY(held >= 0 && ::flock(held, LOCK_EX | LOCK_NB) == 0);
    // A lock that no live process holds is taken over quietly, or it would shut the user
    // out until the runtime folder is cleared (logout, reboot).
    Holder holder = startHolder(path, QProcess::SeparateChannels);
    if (held >= 0)
        ::close(held);
    QCOMPARE(holder.answer, answer);
    QVERIFY(release(holder));
    QCOMPARE(holder.process->readAllStandardError(), QByteArray());
    if (kind == QStringLiteral("symlink")) {
        QFile file(usersFile);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), content);
    }
}

void TestSingleInstance::lockThatCannotBeTakenIsSaid() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Orbelle.lock"));
    QVERIFY(QDir().mkpath(path + QStringLiteral("/inside")));
    // The program starts anyway; the user's folder is not emptied to make room.
    Holder holder = startHolder(path, QProcess::SeparateChannels);
    QCOMPARE(holder.answer, QByteArray("locked"));
    QVERIFY(release(holder));
    QCOMPARE(holder.process->readAllStandardError(),
             "lockholder: cannot take the lock " + QFile::encodeName(path) +
                 " (something that cannot be removed is in the way); starting anyway.\n");
    QVERIFY(QFileInfo(path + QStringLiteral("/inside")).isDir());
}

void TestSingleInstance::folderThatCannotHoldTheLock_data() {
    QTest::addColumn<QString>("folder"); // below the temporary folder
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("missing folder") << QStringLiteral("missing") << false;
    QTest::newRow("a file in place of the folder") << QStringLiteral("plain-file") << false;
    QTest::newRow("read-only folder") << QStringLiteral("read-only") << true;
}

void TestSingleInstance::folderThatCannotHoldTheLock() {
    QFETCH(QString, folder);
    QFETCH(bool, readOnly);
    if (readOnly && ::geteuid() == 0)
        QSKIP("folder permissions do not stop root");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString place = dir.filePath(folder);
    if (folder == QStringLiteral("plain-file")) {
        QFile file(place);
        QVERIFY(file.open(QIODevice::WriteOnly));
    } else if (readOnly) {
        QVERIFY(QDir().mkpath(place));
        QVERIFY(QFile::setPermissions(place, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    }
    QtSingleInstance instance(place + QStringLiteral("/Orbelle.lock"));
    // Not being able to take the lock is no proof of another copy.
    QVERIFY(!instance.anotherIsRunning());
    if (readOnly)
        QVERIFY(QFile::setPermissions(place, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"

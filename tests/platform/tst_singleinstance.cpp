// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The single-instance lock seen from this process and from a real second one.

#include "platform/qt/QtSingleInstance.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

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

Holder startHolder(const QString& lockPath) {
    Holder holder;
    holder.process->setProgram(QStringLiteral(LOCKHOLDER_PATH));
    holder.process->setArguments({lockPath});
    holder.process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
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
    QTest::addColumn<QByteArray>("content");
    // After a restart the dead copy's process id may belong to another program.
    QTest::newRow("process id now used by another program")
        << QByteArray("1\nlockholder\n") + QSysInfo::machineHostName().toUtf8() + '\n';
    // A copy that died between creating the lock file and filling it in.
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("junk") << QByteArray("\xFF\xFE junk\n\n\n");
}

void TestSingleInstance::leftoverLockFile() {
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Orbelle.lock"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(content), content.size());
    }
    // A lock file whose holder cannot be read is taken over, or it would shut the user
    // out until the runtime folder is cleared (logout, reboot).
    Holder holder = startHolder(path);
    QCOMPARE(holder.answer, QByteArray("locked"));
    QVERIFY(release(holder));
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

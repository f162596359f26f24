// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qt/QtSingleInstance.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QSysInfo>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace orbelle::platform {

namespace {

// QLockFile creates the file and locks it with flock() at once; a copy found between
// the two steps has left the file empty for a moment only.
constexpr qint64 CreatingLockMs = 2000;

// Whatever is not a plain file at the lock path is in the way: QLockFile would wait
// for ever on a FIFO and can neither read nor replace a folder or a dangling symlink.
// It is cleared (a symlink is removed, never its target; a folder only when empty).
// False when something other than a plain file is still there.
bool clearNonFile(const QByteArray& path) {
    struct stat entry {};
    if (::lstat(path.constData(), &entry) != 0 || S_ISREG(entry.st_mode))
        return true;
    if (S_ISDIR(entry.st_mode))
        return ::rmdir(path.constData()) == 0;
    return ::unlink(path.constData()) == 0;
}

// A running holder keeps flock() on its lock file for as long as it runs, whatever the
// file says. The file's own words are believed only for this machine and a living
// process: the runtime folder is this machine's, so a lock naming another host is a
// leftover.
bool heldByALiveProcess(QLockFile& lock, const QByteArray& path) {
    struct stat entry {};
    if (::lstat(path.constData(), &entry) != 0 || !S_ISREG(entry.st_mode))
        return false;
    // Non-blocking, and no symlink followed: only the plain file checked above is opened.
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY);
    if (fd >= 0) {
        const bool locked = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
        ::close(fd);
        if (locked)
            return true;
    }
    qint64 pid = 0;
    QString hostname;
    QString application;
    if (lock.getLockInfo(&pid, &hostname, &application))
        return hostname == QSysInfo::machineHostName() && pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
    const qint64 age = QDateTime::fromSecsSinceEpoch(entry.st_mtim.tv_sec).msecsTo(QDateTime::currentDateTime());
    return entry.st_size == 0 && age >= -CreatingLockMs && age <= CreatingLockMs;
}

// Only a live holder means another copy. Not being able to lock at all must not keep
// the user out of the program: one copy too many is better than none.
bool startAnyway(const QByteArray& path, QLockFile::LockError error) {
    const char* why = error == QLockFile::PermissionError   ? "no permission to create it"
                      : error == QLockFile::LockFailedError ? "something that cannot be removed is in the way"
                                                            : "it cannot be created";
    std::fprintf(stderr, "%s: cannot take the lock %s (%s); starting anyway.\n",
                 qPrintable(QCoreApplication::applicationName()), path.constData(), why);
    return false;
}

} // namespace

QtSingleInstance::QtSingleInstance(const QString& lockFilePath)
    : m_lock(lockFilePath)
    , m_path(lockFilePath) {
    // Never treat a lock as stale by its age: a copy may run for weeks. A dead holder
    // is still detected by its process id.
    m_lock.setStaleLockTime(0);
}

bool QtSingleInstance::anotherIsRunning() {
    if (m_lock.isLocked())
        return false;
    const QByteArray path = QFile::encodeName(m_path);
    if (!clearNonFile(path))
        return startAnyway(path, QLockFile::LockFailedError);
    if (m_lock.tryLock(0))
        return false;
    if (m_lock.error() != QLockFile::LockFailedError)
        return startAnyway(path, m_lock.error());
    if (heldByALiveProcess(m_lock, path))
        return true;
    // removeStaleLockFile() takes the flock itself before it deletes, so it cannot remove
    // the lock of a copy that took it meanwhile.
    m_lock.removeStaleLockFile();
    if (m_lock.tryLock(0))
        return false;
    if (m_lock.error() == QLockFile::LockFailedError && heldByALiveProcess(m_lock, path))
        return true;
    return startAnyway(path, m_lock.error());
}

QString QtSingleInstance::defaultLockFilePath(const QString& application) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!folder.isEmpty())
        return folder + QLatin1Char('/') + application + QLatin1String(".lock");
    // The shared temporary folder is a last resort: name the user, so that another
    // user's copy does not count.
    return QDir::tempPath() + QLatin1Char('/') + application + QLatin1Char('-') + QString::number(::getuid()) +
           QLatin1String(".lock");
}

} // namespace orbelle::platform

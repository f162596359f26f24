// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qt/QtSingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QSysInfo>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <utility>

namespace orbelle::platform {

namespace {

// A lock that the file it locks no longer stands at the path (its holder ended and
// removed it meanwhile) is taken again on the new file; a few rounds settle any race.
constexpr int Attempts = 8;

// Whatever is not a plain file at the lock path is in the way: it could not be locked,
// and a FIFO would not even open. It is cleared (a symlink is removed, never its target;
// a folder only when empty). False when something other than a plain file is still there.
bool clearNonFile(const QByteArray& path) {
    struct stat entry {};
    if (::lstat(path.constData(), &entry) != 0 || S_ISREG(entry.st_mode))
        return true;
    if (S_ISDIR(entry.st_mode))
        return ::rmdir(path.constData()) == 0;
    return ::unlink(path.constData()) == 0 || errno == ENOENT;
}

bool stillAtPath(int fd, const QByteArray& path) {
    struct stat opened {};
    struct stat entry {};
    return ::fstat(fd, &opened) == 0 && ::lstat(path.constData(), &entry) == 0 && opened.st_dev == entry.st_dev &&
           opened.st_ino == entry.st_ino;
}

// What Qt's lock files say about their holder, for earlier versions that read it.
void nameTheHolder(int fd) {
    const QByteArray holder = QByteArray::number(QCoreApplication::applicationPid()) + '\n' +
                              QCoreApplication::applicationName().toUtf8() + '\n' +
                              QSysInfo::machineHostName().toUtf8() + '\n';
    if (::ftruncate(fd, 0) == 0)
        (void)!::pwrite(fd, holder.constData(), size_t(holder.size()), 0);
}

// Not being able to lock at all must not keep the user out of the program: one copy too
// many is better than none.
bool startAnyway(const QByteArray& path, const char* why) {
    std::fprintf(stderr, "%s: cannot take the lock %s (%s); starting anyway.\n",
                 qPrintable(QCoreApplication::applicationName()), path.constData(), why);
    return false;
}

} // namespace

QtSingleInstance::QtSingleInstance(QString lockFilePath)
    : m_path(std::move(lockFilePath)) {}

QtSingleInstance::~QtSingleInstance() {
    release();
}

bool QtSingleInstance::anotherIsRunning() {
    if (m_fd >= 0)
        return false;
    const QByteArray path = QFile::encodeName(m_path);
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        if (!clearNonFile(path))
            return startAnyway(path, "something that cannot be removed is in the way");
        // Never waits (O_NONBLOCK), never follows a symlink put there meanwhile.
        const int fd =
            ::open(path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
        if (fd < 0) {
            if (errno == EACCES || errno == EPERM || errno == EROFS)
                return startAnyway(path, "no permission to create it");
            if (errno == ENOENT || errno == ENOTDIR)
                return startAnyway(path, "it cannot be created");
            continue; // something else was put there meanwhile
        }
        struct stat opened {};
        if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
            ::close(fd);
            continue;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(fd);
            if (error == EWOULDBLOCK)
                return true;
            return startAnyway(path, "it cannot be locked");
        }
        if (!stillAtPath(fd, path)) {
            ::close(fd);
            continue;
        }
        nameTheHolder(fd);
        m_fd = fd;
        return false;
    }
    return startAnyway(path, "it keeps changing");
}

void QtSingleInstance::release() {
    if (m_fd < 0)
        return;
    // Removed while still locked, so that a copy starting now either finds the lock
    // held or makes a new file; never a file that is about to be removed.
    const QByteArray path = QFile::encodeName(m_path);
    if (stillAtPath(m_fd, path))
        ::unlink(path.constData());
    ::close(m_fd);
    m_fd = -1;
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

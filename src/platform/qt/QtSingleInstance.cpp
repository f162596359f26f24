// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qt/QtSingleInstance.h"

#include <QDir>
#include <QStandardPaths>

#include <unistd.h>

namespace orbelle::platform {

QtSingleInstance::QtSingleInstance(const QString& lockFilePath)
    : m_lock(lockFilePath) {
    // Never treat a lock as stale by its age: a copy may run for weeks. A dead holder
    // is still detected by its process id.
    m_lock.setStaleLockTime(0);
}

bool QtSingleInstance::anotherIsRunning() {
    if (m_lock.isLocked() || m_lock.tryLock(0))
        return false;
    // Only a lock held by a live process means another copy; a folder we cannot write
    // to must not keep the user out of the program.
    if (m_lock.error() != QLockFile::LockFailedError)
        return false;
    // A lock file that names no holder (left empty by a copy that died while writing
    // it) never counts as stale by itself, and would keep the user out until logout.
    qint64 pid = 0;
    QString hostname;
    QString application;
    if (!m_lock.getLockInfo(&pid, &hostname, &application) && m_lock.removeStaleLockFile() && m_lock.tryLock(0))
        return false;
    return true;
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

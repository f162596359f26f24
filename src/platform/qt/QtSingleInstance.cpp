#include "platform/qt/QtSingleInstance.h"

#include <QDir>
#include <QStandardPaths>

namespace orbelle::platform {

QtSingleInstance::QtSingleInstance(const QString& lockFilePath)
    : m_lock(lockFilePath) {
    // Never treat a lock as stale by its age: a copy may run for weeks. A dead holder
    // is still detected by its process id.
    m_lock.setStaleLockTime(0);
}

bool QtSingleInstance::anotherIsRunning() {
    if (m_lock.tryLock(0))
        return false;
    // Only a lock held by a live process means another copy; a folder we cannot write
    // to must not keep the user out of the program.
    return m_lock.error() == QLockFile::LockFailedError;
}

QString QtSingleInstance::defaultLockFilePath(const QString& application) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QLatin1Char('/') + application + QLatin1String(".lock");
}

} // namespace orbelle::platform

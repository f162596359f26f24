// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/SingleInstance.h"

#include <QLockFile>
#include <QString>

namespace orbelle::platform {

// A lock file in the user's runtime folder. QLockFile records the holder's process id
// and keeps the file locked while it runs, so the lock of a copy that crashed or was
// killed, or anything else left at the path, is taken over by the next start.
class QtSingleInstance final : public SingleInstance {
public:
    explicit QtSingleInstance(const QString& lockFilePath);
    bool anotherIsRunning() override;
    // Gives the claim up; the program does this just before it ends.
    void release() { m_lock.unlock(); }

    // <runtime folder>/<application>.lock for the current user.
    static QString defaultLockFilePath(const QString& application);

private:
    QLockFile m_lock;
    QString m_path;
};

} // namespace orbelle::platform

// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/SingleInstance.h"

#include <QString>

namespace orbelle::platform {

// A lock file in the user's runtime folder, held with flock() for as long as the copy
// runs. The kernel lets go of it when the holder ends however it ends, so only a running
// copy ever holds it: what the file says, how old it is and whether it is empty do not
// count. The file still names the holder (process id, program, host), as Qt's lock files
// do, so that earlier versions recognise it.
class QtSingleInstance final : public SingleInstance {
public:
    explicit QtSingleInstance(QString lockFilePath);
    ~QtSingleInstance() override;
    QtSingleInstance(const QtSingleInstance&) = delete;
    QtSingleInstance& operator=(const QtSingleInstance&) = delete;

    bool anotherIsRunning() override;
    // Gives the claim up; the program does this just before it ends.
    void release();

    // <runtime folder>/<application>.lock for the current user.
    static QString defaultLockFilePath(const QString& application);

private:
    QString m_path;
    int m_fd = -1;
};

} // namespace orbelle::platform

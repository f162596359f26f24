// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Claims the single-instance lock named on the command line, says "locked" when it got
// it or "running" when another copy holds it, and keeps whatever it has until its
// standard input closes or it is killed.

#include "platform/qt/QtSingleInstance.h"

#include <QCoreApplication>
#include <QString>

#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fputs("usage: lockholder <lock file>\n", stderr);
        return 2;
    }
    orbelle::platform::QtSingleInstance instance(QString::fromLocal8Bit(argv[1]));
    std::puts(instance.anotherIsRunning() ? "running" : "locked");
    std::fflush(stdout);
    char buffer[64];
    while (::read(STDIN_FILENO, buffer, sizeof buffer) > 0) {
    }
    return 0;
}

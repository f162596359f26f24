// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs the update reminder once against the real settings store, as a start of the
// program does, on the fake clock's 6 December 2026, answering No; says "reminder" when
// it was shown and "silent" when not.
//   reminderrun <configuration folder>     (an empty argument: the user's own, from HOME)

#include "app/Services.h"
#include "app/modHelp.h"
#include "platform/qt/QtSettingsStore.h"

#include "fakes/FakeServices.h"

#include <QLocale>
#include <QString>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: reminderrun <configuration folder>\n", stderr);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    orbelle::platform::QtSettingsStore store(folder.isEmpty() ? orbelle::platform::QtSettingsStore::defaultFolder()
                                                              : folder);
    orbelle::fakes::FakeServices fakes;
    orbelle::app::Services real{fakes.messageBox, fakes.clipboard, fakes.shell, store,
                                fakes.clock,      fakes.random,    "Orbelle",   {}};
    orbelle::modHelp::UpdateReminder(real, QLocale::c());
    std::puts(fakes.messageBox.shown.empty() ? "silent" : "reminder");
    return 0;
}

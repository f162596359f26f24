// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One copy of the program for the start soak, over the real settings store, lock and
// clock of the user named by HOME, XDG_CONFIG_HOME and XDG_RUNTIME_DIR.
//   startcopy start   the real start-up sequence; a message box says its text on
//                     standard output and is answered at once (OK, or No). Then
//                     "window" once the main window is shown, which stays until
//                     standard input closes, or "ended" when the copy ended there.
//   startcopy write   writes the date into the settings, over and over, until killed.

#include "app/Services.h"
#include "app/Startup.h"
#include "app/frmMain.h"
#include "app/modHelp.h"
#include "platform/Mt19937Random.h"
#include "platform/qt/QtClock.h"
#include "platform/qt/QtSettingsStore.h"
#include "platform/qt/QtSingleInstance.h"

#include "fakes/FakePlatform.h"

#include <QApplication>
#include <QSocketNotifier>

#include <unistd.h>

#include <cstdio>
#include <cstring>

using namespace orbelle;

namespace {

class SayingMessageBox final : public platform::MessageBox {
public:
    platform::MessageAnswer show(const std::string& text, platform::MessageButtons buttons,
                                 const std::string&) override {
        std::printf("%s\n", text.c_str());
        std::fflush(stdout);
        return buttons == platform::MessageButtons::Ok ? platform::MessageAnswer::Ok : platform::MessageAnswer::No;
    }
};

int start(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orbelle"));
    SayingMessageBox messageBox;
    fakes::FakeClipboard clipboard;
    fakes::FakeShell shell;
    platform::QtSettingsStore settings(platform::QtSettingsStore::defaultFolder());
    platform::QtClock clock;
    platform::Mt19937Random random;
    platform::QtSingleInstance singleInstance(platform::QtSingleInstance::defaultLockFilePath("Orbelle"));
    app::Services services{messageBox, clipboard, shell, settings, clock, random, "Orbelle", {}};
    const std::unique_ptr<app::frmMain> window = app::RunStartup(services, singleInstance);
    if (!window) {
        std::puts("ended");
        return 0;
    }
    std::puts("window");
    std::fflush(stdout);
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char buffer[64];
        if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0)
            QApplication::quit();
    });
    return QApplication::exec();
}

int writeForever() {
    platform::QtSettingsStore settings(platform::QtSettingsStore::defaultFolder());
    fakes::FakeMessageBox messageBox;
    fakes::FakeClipboard clipboard;
    fakes::FakeShell shell;
    fakes::FakeClock clock;
    fakes::ScriptedRandom random;
    app::Services services{messageBox, clipboard, shell, settings, clock, random, "Orbelle", {}};
    std::puts("writing");
    std::fflush(stdout);
    for (unsigned round = 0;; ++round)
        modHelp::WriteSetting(services, modHelp::DurationKey, round % 2 ? "2026-12-06" : "2027-01-05");
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "start") == 0)
        return start(argc, argv);
    if (argc == 2 && std::strcmp(argv[1], "write") == 0)
        return writeForever();
    std::fputs("usage: startcopy start|write\n", stderr);
    return 2;
}

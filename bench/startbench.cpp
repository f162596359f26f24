// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's start as the user sees it, for timing: the same seams, settings
// folder, lock and start-up sequence as the program itself, ended right after the
// first paint of the main window instead of by the user.
//   orbelle_startbench [--print-size]
// --print-size writes the main window's size as WIDTHxHEIGHT, for the bare window
// that the benchmark compares with.

#include "FirstPaint.h"

#include "app/Services.h"
#include "app/Startup.h"
#include "app/frmMain.h"
#include "platform/MessageBox.h"
#include "platform/Mt19937Random.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtClock.h"
#include "platform/qt/QtSettingsStore.h"
#include "platform/qt/QtShell.h"
#include "platform/qt/QtSingleInstance.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>

#include <cstdio>
#include <cstring>

using namespace orbelle;

namespace {

// A start that wants to tell the user something (another copy runs, the update
// reminder speaks) is not the start being timed, and a modal box would wait for a
// click that never comes: the run fails instead.
class FailingMessageBox final : public platform::MessageBox {
public:
    int requests = 0;
    platform::MessageAnswer show(const std::string& text, platform::MessageButtons buttons,
                                 const std::string&) override {
        ++requests;
        std::fprintf(stderr, "orbelle_startbench: the start asked to show \"%s\"\n", text.c_str());
        return buttons == platform::MessageButtons::YesNo ? platform::MessageAnswer::No : platform::MessageAnswer::Ok;
    }
};

constexpr int MessageExitCode = 3;

} // namespace

int main(int argc, char* argv[]) {
    const bool printSize = argc > 1 && std::strcmp(argv[1], "--print-size") == 0;

    QApplication application(argc, argv);
    const QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    QApplication::setApplicationName(name);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/orbelle-64.png")));

    bench::QuitAfterFirstPaint firstPaint;
    application.installEventFilter(&firstPaint);
    bench::failWithoutPaint();

    FailingMessageBox messageBox;
    platform::QtClipboard clipboard;
    platform::QtShell shell;
    platform::QtSettingsStore settings(platform::QtSettingsStore::defaultFolder());
    platform::QtClock clock;
    platform::Mt19937Random random;
    bool ended = false;
    app::Services services{
        messageBox, clipboard, shell, settings, clock, random, name.toStdString(), [&ended] { ended = true; }};

    platform::QtSingleInstance singleInstance(platform::QtSingleInstance::defaultLockFilePath(name));
    const std::unique_ptr<app::frmMain> window = app::RunStartup(services, singleInstance);
    if (!window || ended || messageBox.requests > 0)
        return MessageExitCode;
    const int result = QApplication::exec();
    if (result == 0 && printSize)
        std::printf("%dx%d\n", window->width(), window->height());
    return result;
}

// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/CloseAllAndEnd.h"
#include "app/Services.h"
#include "app/Startup.h"
#include "app/frmMain.h"
#include "app/modHelp.h"
#include "platform/Mt19937Random.h"
#include "platform/qt/GuiApplication.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtClock.h"
#include "platform/qt/QtMessageBox.h"
#include "platform/qt/QtSettingsStore.h"
#include "platform/qt/QtShell.h"
#include "platform/qt/QtSingleInstance.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>

#include <memory>

using namespace orbelle;

int main(int argc, char* argv[]) {
    const std::unique_ptr<QApplication> application =
        platform::startGuiOrExit(argc, argv, "Orbelle needs a graphical desktop: no X11 or Wayland display was found.");
    // The settings belong to the executable's base name ("Orbelle" as installed).
    const QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    QApplication::setApplicationName(name);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/orbelle-64.png")));

    platform::QtMessageBox messageBox;
    platform::QtClipboard clipboard;
    platform::QtShell shell;
    platform::QtSettingsStore settings(platform::QtSettingsStore::defaultFolder());
    platform::QtClock clock;
    platform::Mt19937Random random;
    platform::QtSingleInstance singleInstance(platform::QtSingleInstance::defaultLockFilePath(name));
    // The process ends without unwinding, so the lock is given up by hand first: its file
    // goes with it, and no leftover lock file is left in the runtime folder.
    app::Services services{
        messageBox, clipboard, shell, settings, clock, random, name.toStdString(), [&singleInstance] {
            singleInstance.release();
            modHelp::CloseAllAndEnd();
        }};

    std::unique_ptr<app::frmMain> window = app::RunStartup(services, singleInstance);
    if (!window)
        return 0;
    // Closing the main window unloads it; the exit screen it leaves behind ends the run.
    window.release()->setAttribute(Qt::WA_DeleteOnClose);
    return QApplication::exec();
}

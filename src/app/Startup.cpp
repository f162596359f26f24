// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Startup.h"

#include "app/Guarded.h"
#include "app/Services.h"
#include "app/frmMain.h"
#include "app/modHelp.h"
#include "platform/SingleInstance.h"

namespace orbelle::app {

std::unique_ptr<frmMain> RunStartup(Services& services, platform::SingleInstance& singleInstance) {
    bool anotherRuns = false;
    guarded("single-instance check", [&] { anotherRuns = singleInstance.anotherIsRunning(); });
    if (anotherRuns) {
        // The running copy is left alone: not raised, not told anything.
        guarded("notice",
                [&] { services.messageBox.show(AlreadyRunningNotice, platform::MessageButtons::Ok, ProgramTitle); });
        if (services.endProgram)
            services.endProgram();
        return nullptr;
    }

    // The only seeding of the run: every later draw continues this one sequence.
    guarded("seeding", [&] { services.random.seed(services.clock.seedValue()); });
    guarded("UpdateReminder", [&] { modHelp::UpdateReminder(services); });

    auto window = std::make_unique<frmMain>(services);
    window->show();
    guarded("CoBrand_Randomize", [&] { window->CoBrand_Randomize(); });
    return window;
}

} // namespace orbelle::app

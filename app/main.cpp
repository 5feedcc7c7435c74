// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// Zelkor: a calculator for durations in days, hours and minutes.
#include "ShownWatcher.h"
#include "TZELKF.h"
#include "WindowSystem.h"
#include "ZelkorApplication.h"
#include "ZelkorError.h"

#include <cstdio>

int main(int argc, char *argv[]) {
    // Without a display Qt's plug-ins would abort the program with a page of advice. Qt's own
    // options (-platform, -display) may name one too: given any, Qt judges.
    if (argc == 1 && !WindowSystem::HasDisplay(qgetenv)) {
        std::fputs("zelkor: no display (neither DISPLAY nor WAYLAND_DISPLAY is set); "
                   "Zelkor needs a desktop session.\n",
                   stderr);
        return 1;
    }
    WindowSystem::TakeOverTitleBar();
    TZelkorApplication app(argc, argv);
    try {
        TZELKF ZELKF(WindowSystem::MainWindowFrame());
        TShownWatcher::InstallIfAsked(&ZELKF);
        ZELKF.show();
        return app.exec();
    } catch (const EZelkorError &e) {
        app.ShowException(e);
        return 0;
    }
}

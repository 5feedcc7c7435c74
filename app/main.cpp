// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// Zelkor: a calculator for durations in days, hours and minutes.
#include "ShownWatcher.h"
#include "TZELKF.h"
#include "TitleBar.h"
#include "ZelkorApplication.h"
#include "ZelkorError.h"

int main(int argc, char *argv[]) {
    TTitleBar::TakeOverWaylandTitleBar();
    TZelkorApplication app(argc, argv);
    try {
        TZELKF ZELKF;
        TShownWatcher::InstallIfAsked(&ZELKF);
        ZELKF.show();
        return app.exec();
    } catch (const EZelkorError &e) {
        app.ShowException(e);
        return 0;
    }
}

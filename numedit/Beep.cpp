// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// The system's default beep and its replaceable hook.
#include "Beep_p.h"

#include <QApplication>

namespace RyNumEdit {

namespace {
BeepHook &Hook() {
    static BeepHook hook;
    return hook;
}
} // namespace

void SystemBeep() {
    if (Hook())
        Hook()();
    else
        QApplication::beep();
}

BeepHook SetBeepHook(BeepHook Hook_) {
    BeepHook previous = std::move(Hook());
    Hook() = std::move(Hook_);
    return previous;
}

} // namespace RyNumEdit

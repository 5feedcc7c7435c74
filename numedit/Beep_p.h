// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// The system's default beep, behind a hook that tests replace to count beeps.
#pragma once

#include <functional>

namespace RyNumEdit {

using BeepHook = std::function<void()>;

/// Sounds the default beep, or runs the installed hook instead.
void SystemBeep();

/// Installs a hook in place of the sound (an empty one restores it); returns the previous one.
BeepHook SetBeepHook(BeepHook Hook);

} // namespace RyNumEdit

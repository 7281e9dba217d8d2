// Qt's keys and modifiers in the windowing layer's terms (ui/Input.h).
#pragma once

#include <Qt>

namespace desktop {

// The classic virtual key of a Qt key (Backtab is Tab; Shift comes with the modifiers),
// 0 for a key the windows do not know.
int virtualKey(int qtKey);

// Shift, Ctrl and Alt as ui::ssShift | ui::ssCtrl | ui::ssAlt.
unsigned shiftState(Qt::KeyboardModifiers m);

}  // namespace desktop

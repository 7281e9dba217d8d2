// Whether the program can open windows, checked before Qt is started (a QApplication
// without a display aborts the process).
#pragma once

#include <string>

namespace desktop {

// Empty when a display is there (or Qt is set to a platform that needs none);
// otherwise the one line that says why the program cannot show its windows.
std::string missingDisplay();

// The platform Qt is going to use: "xcb" when an X display is given and no platform
// is chosen (the windows place themselves at screen positions, which only X11 allows).
void choosePlatform();

}  // namespace desktop

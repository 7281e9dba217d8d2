// Whether the program can open windows, checked before Qt is started (a QApplication
// without a display aborts the process).
#pragma once

#include <string>

namespace desktop {

// Looks for the display Qt is going to use. An X server is asked directly; the
// connection stays open as long as the check lives, because an X server whose last
// client goes away resets itself and refuses connections meanwhile (Xvfb does), so
// keep the check until the QApplication is there. For the same reason a connection that
// an X server on this machine closes at once is tried again for a moment: the last
// client before us may just have gone.
class DisplayCheck {
public:
    DisplayCheck();
    ~DisplayCheck();
    DisplayCheck(const DisplayCheck&) = delete;
    DisplayCheck& operator=(const DisplayCheck&) = delete;

    // Empty when a display is there (or Qt is set to a platform that needs none);
    // otherwise the one line that says why the program cannot show its windows.
    const std::string& problem() const { return problem_; }

private:
    std::string problem_;
    void* library_ = nullptr;
    void* connection_ = nullptr;
};

// The platform Qt is going to use: "xcb" when an X display is given and no platform
// is chosen (the windows place themselves at screen positions, which only X11 allows).
void choosePlatform();

}  // namespace desktop

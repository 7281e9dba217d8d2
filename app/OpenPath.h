// Opening one window by its class name the way a user reaches it: from the title window
// through the overview's menu, or through the window that opens it (its menu item or its
// small picture). Used by `--open CLASS` and by the browser page's links to a topic.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/Application.h"

namespace app {

// The steps that open a window from its opener ("menu OPENER ITEM", "clickon OPENER
// CONTROL", "wait MS", separated by ";"); empty for the title window.
std::string_view openStep(std::string_view className);

// Opens the window (and, first, the windows on the way to it) with the user's own
// events. Returns an empty string when it is shown, otherwise the one line that says why
// not (an unknown name opens the overview).
std::string openWindow(ui::Application& app, std::string_view className);
// The windows on the way to `what` (as openWindow takes it), from the title window's next
// on, `what` itself last: opening them one after another with openWindow ends where
// openWindow(what) alone does (the browser opens one per slice of its time).
std::vector<std::string> openPath(std::string_view what);

}  // namespace app

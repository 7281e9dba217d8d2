// What ties the self-tests and the progress to the rest of the program: the windows a
// learner opens, the terms read and the tests finished go into the progress, which is
// kept where the program says (a folder on the desktop, the page's storage).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "study/Progress.h"
#include "ui/Application.h"

namespace app {

// The topic windows the progress counts: the chapters' windows without the title window,
// the overview and the information window.
std::vector<std::string> topicWindows();

// Lets the self-test's links open their windows as a user would, and records in
// `progress` what the learner does; `changed` hears every change (to keep it).
void connectStudy(ui::Application& app, study::Progress& progress, std::function<void()> changed);

// Shows a progress read anew (from the file or the learning platform) in its window.
void progressReplaced(ui::Application& app);

}  // namespace app

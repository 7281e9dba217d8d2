// What ties the glossary to the rest of the program: F1 in every window, and the links
// that open the windows showing a term.
#pragma once

#include "ui/Application.h"

namespace app {

// Makes F1 open the glossary (with the terms of the window it was pressed in) and lets
// the glossary's window links open their windows as a user would.
void connectGlossary(ui::Application& app);

// Opens a topic window from the glossary: windows shown modally above the chapter
// overview are closed first (as the user would close them to reach its menu).
bool openFromGlossary(ui::Application& app, const std::string& className);

}  // namespace app

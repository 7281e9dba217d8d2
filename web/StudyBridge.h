// The progress between the program and the page: the page keeps it (in its storage or
// with the learning platform) and hands it back at the next start.
#pragma once

#include "app/Program.h"

namespace web {

// Ties the program's progress to the page, before the program starts: a progress the
// page handed over earlier is taken, and every change is told to the page.
void attachStudy(app::Program& program);

}  // namespace web

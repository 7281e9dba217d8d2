// Scripted use of the program without a display: one command per line.
#pragma once

#include <iosfwd>
#include <string>

#include "ui/Application.h"
#include "ui/headless/Headless.h"

namespace app {

// Checks every line first (commands, windows, menu items, numbers); if one is wrong it
// prints "line N: <what is wrong>" to `err`, runs nothing and returns 2. Otherwise runs
// the commands in order and returns 0 (1 when a picture cannot be written). Output goes
// to `out` command by command (flushed after each); when `out` fails the run stops at once
// and returns 1 without a message: the caller knows what `out` writes to and says why.
int runScript(ui::Application& app, ui::headless::HeadlessBackend& backend, const std::string& script,
              std::ostream& out, std::ostream& err);

// Writes the first paint of every window as DIR/ClassName.png; returns the exit status.
int exportWindows(ui::Application& app, ui::headless::HeadlessBackend& backend, const std::string& dir,
                  std::ostream& err);

}  // namespace app

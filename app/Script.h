// Scripted use of the program without a display: one command per line.
#pragma once

#include <cstddef>
#include <functional>
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
// `written`, when given, hears the name of every picture a capture has written, at once.
int runScript(ui::Application& app, ui::headless::HeadlessBackend& backend, const std::string& script,
              std::ostream& out, std::ostream& err,
              const std::function<void(const std::string& file)>& written = nullptr);

// The longest script the program takes: far beyond any real script, and a bound on the
// memory an endless one (/dev/zero, a pipe that never ends) may take.
constexpr size_t kMaxScriptBytes = 4 * 1024 * 1024;
// The one line that refuses a longer script; `what` names where it came from ("die
// Standardeingabe", "die Befehlsdatei a.txt").
std::string scriptTooLong(const std::string& what);

// Writes the first paint of every window as DIR/ClassName.png; returns the exit status.
int exportWindows(ui::Application& app, ui::headless::HeadlessBackend& backend, const std::string& dir,
                  std::ostream& err);

}  // namespace app

// The script commands that act as a user on a window's controls: controls, set, press,
// drag, wheel, type, keys, values.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "ui/Application.h"

namespace app {

struct ControlCommand {
    int line = 0;
    std::vector<std::string> words;
    std::string rest;  // the text after the command's fixed words (type, set), blanks included
};

// Whether the command is one of these; then the check's verdict ("" when well formed).
std::optional<std::string> checkControlCommand(ui::Application& app, const ControlCommand& c);
// Runs a checked command; notes about changes that could not be made go to `out`.
void runControlCommand(ui::Application& app, const ControlCommand& c, std::ostream& out);

// The text after the first `n` words of a line and the one blank that follows them.
std::string restOfLine(const std::string& line, size_t n);

}  // namespace app

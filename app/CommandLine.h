// The program's command line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace app {

struct Options {
    enum class Mode { Desktop, Headless, Export, Help, Version, Error };
    Mode mode = Mode::Desktop;
    bool hasScreen = false;
    int screenWidth = 0;
    int screenHeight = 0;
    std::string script;     // headless: the script file; empty or "-" reads standard input
    std::string exportDir;  // export: where the pictures go
    std::string open;       // the window to open after start-up (a class name), or empty
    std::string message;    // help text, version line or the one-line error
    int status = 0;         // exit status for Help, Version and Error
};

// The smallest and largest screens the program lays itself out for.
constexpr int kMinScreenWidth = 640, kMinScreenHeight = 480;
constexpr int kMaxScreenWidth = 7680, kMaxScreenHeight = 4320;

Options parseCommandLine(const std::vector<std::string>& args);
Options parseCommandLine(int argc, char** argv);

// What a message quotes of the user's input: at most the first 80 characters (whole
// UTF-8 characters), followed by "…" when there was more.
constexpr size_t kQuotedLength = 80;
std::string shortened(std::string_view input);

}  // namespace app

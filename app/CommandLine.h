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
    std::string stateDir;   // where the progress is kept (--state), or empty
    std::string message;    // help text, version line or the one-line error
    int status = 0;         // exit status for Help, Version and Error
};

// The smallest and largest screens the program lays itself out for.
constexpr int kMinScreenWidth = 640, kMinScreenHeight = 480;
constexpr int kMaxScreenWidth = 7680, kMaxScreenHeight = 4320;

Options parseCommandLine(const std::vector<std::string>& args);
Options parseCommandLine(int argc, char** argv);

// What a message quotes of the user's input, so that the message stays one readable
// line: at most the first 80 characters (whole UTF-8 characters), followed by "…" when
// there was more. Every byte that is no UTF-8 character, and every byte of a character a
// terminal would act on (control characters, line separators, direction overrides), shows
// escaped: "\n", "\r", "\t", otherwise "\x1b" (one quoted character each); valid
// printable UTF-8 such as umlauts stays as it is.
constexpr size_t kQuotedLength = 80;
std::string shortened(std::string_view input);

// Why something could not be written (an errno value), in a few words: German for the
// users of the program, English for the `line N: …` messages of scripts.
std::string writeErrorGerman(int error);
std::string writeErrorEnglish(int error);

}  // namespace app

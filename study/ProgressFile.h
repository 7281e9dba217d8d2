// The progress kept between runs on the desktop: DIR/fortschritt.txt, written atomically.
#pragma once

#include <string>

#include "study/Progress.h"

namespace study {

constexpr const char* kProgressFile = "fortschritt.txt";

// $XDG_STATE_HOME/metallographie, else ~/.local/state/metallographie; empty when neither
// variable names a folder.
std::string defaultStateDirectory();

// Reads the progress from DIR. No file gives an empty progress. A file that is damaged,
// of another program or of a newer version is renamed to "fortschritt.txt.beiseite" (it
// stays for the user to look at) and `message` gets the one line that says so.
Progress loadProgress(const std::string& dir, std::string& message);

// Writes the progress to DIR (made when missing) through a temporary file that then
// replaces the old one, so a crash never leaves half a file. Returns "" or why not.
std::string saveProgress(const std::string& dir, const Progress& progress);

}  // namespace study

// The windows' descriptions for screen readers: one German text per window class, kept as
// data in assets/descriptions/beschreibungen.txt (its format is described at its top).
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace app {

struct WindowDescriptions {
    // (class name, description) in the order of the file.
    std::vector<std::pair<std::string, std::string>> entries;
    // Lines the parser could not use, each as "Zeile N: why".
    std::vector<std::string> problems;

    // The description of a class, empty when the file has none.
    std::string_view find(std::string_view className) const;

    static WindowDescriptions parse(std::string_view text);
};

// The descriptions compiled into the program, parsed once.
const WindowDescriptions& windowDescriptions();

}  // namespace app

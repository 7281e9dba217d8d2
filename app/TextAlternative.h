// What a screen reader says for a window's picture: its caption, the window's description
// and, for text pages, their lines in reading order.
#pragma once

#include <string>
#include <vector>

#include "ui/Form.h"

namespace app {

struct TextAlternative {
    std::string caption;
    std::string description;         // empty only for a window the descriptions file lacks
    std::vector<std::string> lines;  // a text page's lines, top to bottom, left to right

    // Description and lines, one to a line: what a screen reader reads after the caption.
    std::string body() const;
    // Caption, description and lines, one to a line.
    std::string joined() const;
};

TextAlternative textAlternative(const ui::Form& f);

}  // namespace app

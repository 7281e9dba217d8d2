// A font as the windows set it: face name, height, colour, bold.
#pragma once

#include <string>

#include "ui/Colour.h"

namespace ui {

// v * num / den rounded to the nearest integer (halves away from zero), as layouts
// are scaled from their design resolution.
inline int mulDiv(int v, int num, int den) {
    const long long p = static_cast<long long>(v) * num;
    return static_cast<int>(p >= 0 ? (p + den / 2) / den : -((-p + den / 2) / den));
}

// Pixels per inch of the screen the program lays itself out for.
constexpr int kScreenPPI = 96;

struct Font {
    std::string name = "MS Sans Serif";
    // > 0: height of the character cell in pixels; < 0: character (em) height.
    int height = -11;
    TColor color = clWindowText;
    bool bold = false;

    // Size in points at the screen resolution (the height becomes negative).
    void setSize(int points) { height = -((points * kScreenPPI + 36) / 72); }
    int size() const;
    bool operator==(const Font&) const = default;
};

}  // namespace ui

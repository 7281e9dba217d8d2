// Screen-relative layout: Round and div as every formula of the program uses them, the
// per-window scale pair and the placement patterns of the windows.
#pragma once

#include <cmath>

namespace ui {
class Form;
}

namespace frame {

// Rounds to the nearest integer; halves go to the even neighbour (2.5 -> 2, 3.5 -> 4).
inline int Round(double x) {
    const double f = std::floor(x);
    const double d = x - f;
    double r = f;
    if (d > 0.5) r = f + 1;
    else if (d == 0.5) r = std::fmod(f, 2.0) == 0 ? f : f + 1;
    if (r > 2147483647.0) return 2147483647;
    if (r < -2147483648.0) return -2147483647 - 1;
    return static_cast<int>(r);
}

// Integer division truncating toward zero.
inline int div(int a, int b) { return a / b; }

// The pair of layout factors a window keeps: design units (for an 800 x 600 screen)
// times the factor, rounded, give pixels.
struct Scale {
    double x = 1.0;
    double y = 1.0;
    int X(double d) const { return Round(d * x); }
    int Y(double d) const { return Round(d * y); }
    static Scale screen(int sw, int sh) { return Scale{sw / 800.0, sh / 600.0}; }
    static Scale fixed() { return Scale{1.28, 1.28}; }
};

struct Placement {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    Scale scale;
    bool operator==(const Placement& o) const {
        return left == o.left && top == o.top && width == o.width && height == o.height && scale.x == o.scale.x &&
               scale.y == o.scale.y;
    }
};

enum class Pattern {
    FullScreen = 1,          // the screen, screen-relative scale
    UpTo1024Inclusive = 2,   // screen size up to a width of 1024, else 1024 x 768 at 1.28
    UpTo1024Exclusive = 3,   // the same with the test SW < 1024
    PreparationStep = 4,     // at the right edge, slightly below the middle
    InfoWindow = 5,          // 800 x 500, centred
    PicturePage = 6,         // 775 x 540, at the right on wide screens
    PhotoPage = 7,           // sized by the screen height
    SmallSideWindow = 8,     // the small interaction window
};

Placement place(Pattern p, int screenWidth, int screenHeight);
// A photo page opened from a topic window on a screen at least 1200 wide.
Placement photoPageBeside(int screenWidth, int screenHeight);
// Sets the form's bounds.
void apply(ui::Form& f, const Placement& p);
// Left edge that centres a window of width w horizontally.
inline int centredLeft(int screenWidth, int w) { return div(screenWidth - w, 2); }
// A hands-on window of a fixed size in design units, centred on the screen at the scale of
// screens up to 1024 wide; its font (11 points at 1024 x 768) grows with that scale.
Scale placeCentred(ui::Form& f, double designWidth, double designHeight);

}  // namespace frame

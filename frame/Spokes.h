// A wheel seen obliquely: spokes from the centre of an ellipse to its rim, held as a table
// of angles and unrounded end points. The cutting disc and the turntable of the grinding
// and polishing machines turn such a wheel by drawing its spokes in not-xor at the old
// angles (removing them) and again at the new ones.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "frame/Layout.h"
#include "ui/Canvas.h"

namespace frame {

// Centre and semi-axes of the wheel, in pixels.
struct Wheel {
    int cx = 0;
    int cy = 0;
    int rx = 0;
    int ry = 0;
};

struct Spoke {
    double degrees = 0;
    double radians = 0;
    double x = 0;  // end point, unrounded
    double y = 0;
};

class SpokeTable {
public:
    static constexpr int kMaxSpokes = 36;

    // Spoke i (1 .. kMaxSpokes), as the windows count them.
    const Spoke& spoke(int i) const { return spokes_[index(i)]; }

    // Spoke i at first + (i - 1) x step degrees, for i = 1 .. count; the end points stay.
    void setAngles(int count, double first, double step) {
        for (int i = 1; i <= clamp(count); ++i) setAngle(i, first + (i - 1) * step);
    }
    // Turns spokes 1 .. count by d degrees; the end points stay.
    void turn(int count, double d) {
        for (int i = 1; i <= clamp(count); ++i) setAngle(i, spoke(i).degrees + d);
    }
    // End point of each spoke on the rim: x = cos(a) rx + cx, y = cy - sin(a) ry.
    void place(int count, const Wheel& w) {
        for (int i = 1; i <= clamp(count); ++i) {
            Spoke& s = spokes_[index(i)];
            s.x = std::cos(s.radians) * w.rx + w.cx;
            s.y = w.cy - std::sin(s.radians) * w.ry;
        }
    }
    // Lines from the centre to the rounded end points, with the canvas's pen as it is.
    void draw(ui::Canvas& c, int count, const Wheel& w) const {
        for (int i = 1; i <= clamp(count); ++i) {
            c.MoveTo(w.cx, w.cy);
            c.LineTo(Round(spoke(i).x), Round(spoke(i).y));
        }
    }
    // The ellipse through the ends of the spokes at 180 and 0 degrees across and at 80 and
    // 260 degrees down (spokes 19, 1, 9 and 27 of a wheel of 36 spokes 10 degrees apart),
    // lowered by dy pixels.
    void rim(ui::Canvas& c, int dy = 0) const {
        c.Ellipse(Round(spoke(19).x), Round(spoke(9).y) + dy, Round(spoke(1).x), Round(spoke(27).y) + dy);
    }

private:
    static int clamp(int count) { return std::clamp(count, 0, kMaxSpokes); }
    static size_t index(int i) { return static_cast<size_t>(std::clamp(i, 1, kMaxSpokes) - 1); }
    void setAngle(int i, double degrees) {
        Spoke& s = spokes_[index(i)];
        s.degrees = degrees;
        s.radians = degrees * std::numbers::pi / 180.0;
    }

    std::array<Spoke, kMaxSpokes> spokes_{};
};

}  // namespace frame

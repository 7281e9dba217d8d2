// The X-ray energies against atomic number: the growing curves' tick counts and how
// closely they follow the complete curves, the element lines, restarts and resets.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "ChapterWorld.h"
#include "chapters/analysis/FormEDXOrd.h"

namespace chaptertest {
namespace {

using chapters::TFormEDXOrd;

struct Diagram {
    World world;
    TFormEDXOrd& f;
    Diagram(int w, int h) : world(w, h, {TFormEDXOrd::kClassName}), f(world.get<TFormEDXOrd>()) {
        f.ShowModal();
        world.app.flush();
    }
    void menu(const char* item) {
        ASSERT_EQ(world.backend.clickMenu(f, item), ui::headless::MenuResult::Done) << item;
    }
    // Pixels of one colour inside the plot area (the box at 20, 10 in the window).
    int count(ui::TColor c) const {
        int n = 0;
        for (int y = f.Y(50) + 4; y < f.Y(450) - 4; ++y)
            for (int x = f.X(50) + 4; x < f.X(370) - 4; ++x) n += f.buffer().at(20 + x, 10 + y) == ui::toPixel(c);
        return n;
    }
};

// The complete curves in pixels of the paint box.
const std::vector<std::vector<std::pair<double, double>>> kPolylines = {
    {{50, 450}, {100, 350}, {150, 236}, {225, 54}},
    {{50, 450}, {80, 390}, {120, 296}, {160, 200}, {213, 54}},
    {{70, 450}, {100, 428}, {200, 340}, {300, 240}, {350, 185}},
    {{70, 450}, {100, 422}, {200, 322}, {300, 210}, {350, 148}},
};

double polylineY(const std::vector<std::pair<double, double>>& p, double x, double s) {
    for (size_t k = 1; k < p.size(); ++k) {
        const double x0 = p[k - 1].first * s, x1 = p[k].first * s;
        if (x <= x1 || k + 1 == p.size()) {
            const double y0 = p[k - 1].second * s, y1 = p[k].second * s;
            return y0 + (y1 - y0) * (x - x0) / (x1 - x0);
        }
    }
    return 0;
}

TEST(Moseley, CurvesTakeTheirTicksAndFollowTheCompleteCurves) {
    Diagram d(1024, 768);
    EXPECT_DOUBLE_EQ(d.f.ScaleX, 1.28);
    EXPECT_EQ(d.f.PaintBoxHaupt.width(), 973);
    EXPECT_EQ(d.f.PaintBoxHaupt.height(), 666);
    const char* items[] = {"KALPHA", "KBETA", "LALPHA1", "LBETA1"};
    const int expected[] = {54, 50, 42, 42};
    for (int k = 0; k < TFormEDXOrd::kCurves; ++k) {
        d.menu(items[k]);
        const auto curve = static_cast<TFormEDXOrd::Curve>(k);
        ui::Timer& t = d.f.timer(curve);
        int ticks = 0;
        double worst = 0;
        while (t.enabled() && ticks < 200) {
            d.world.backend.advance(50);
            ++ticks;
            const auto& p = d.f.curves[static_cast<size_t>(k)];
            worst = std::max(worst, std::abs(p.curveY - polylineY(kPolylines[static_cast<size_t>(k)], p.curveX, 1.28)));
        }
        EXPECT_EQ(ticks, expected[k]) << items[k];
        EXPECT_LE(worst, 6.0) << items[k];
        EXPECT_TRUE(d.f.item(items[k]).enabled());
    }
}

TEST(Moseley, NoCurveWithoutAnElementAndAllFourWithOne) {
    Diagram d(800, 600);
    EXPECT_EQ(d.count(ui::clBlue), 0);
    EXPECT_EQ(d.count(ui::clRed), 0);
    d.menu("Titan1");
    EXPECT_TRUE(d.f.curvesShown);
    EXPECT_TRUE(d.f.elementShown[TFormEDXOrd::Ti]);
    EXPECT_FALSE(d.f.elementShown[TFormEDXOrd::Ni]);
    const int curvePixels = d.count(ui::clBlue);
    EXPECT_GT(curvePixels, 1000);
    // The titanium line at design x 116, two pixels wide, from y 100 to 450.
    EXPECT_EQ(d.f.buffer().at(20 + 116, 10 + 300), ui::toPixel(ui::clRed));
    EXPECT_NE(d.f.buffer().at(20 + 134, 10 + 300), ui::toPixel(ui::clRed));
    d.menu("Nickel1");
    EXPECT_EQ(d.f.buffer().at(20 + 134, 10 + 300), ui::toPixel(ui::clRed));
    EXPECT_EQ(d.f.buffer().at(20 + 116, 10 + 300), ui::toPixel(ui::clRed));

    d.menu("NeuZeichnen1");
    EXPECT_FALSE(d.f.curvesShown);
    EXPECT_EQ(d.count(ui::clBlue), 0);
    EXPECT_EQ(d.count(ui::clRed), 0);
}

TEST(Moseley, EachElementIsMarkedAtFiftyPlusThreeTimesItsOwnAtomicNumber) {
    const std::pair<const char*, int> elements[] = {{"Nickel1", 28},   {"Eisen1", 26},     {"Chrom1", 24},
                                                    {"Titan1", 22},    {"Aluminium1", 13}, {"Kohlenstoff1", 6}};
    for (const auto& [w, h] : {std::pair{800, 600}, std::pair{1024, 768}}) {
        Diagram d(w, h);
        for (const auto& [item, z] : elements) d.menu(item);
        // The red runs across one row above the curves, left to right: C, Al, Ti, Cr, Fe, Ni.
        std::vector<std::pair<int, int>> runs;
        const int y = 10 + d.f.Y(110);
        for (int x = d.f.X(55); x < d.f.X(365); ++x) {
            if (d.f.buffer().at(20 + x, y) != ui::toPixel(ui::clRed)) continue;
            if (runs.empty() || runs.back().second != x - 1) runs.push_back({x, x});
            else runs.back().second = x;
        }
        ASSERT_EQ(runs.size(), 6u) << w;
        for (size_t k = 0; k < 6; ++k) {
            const int z = elements[5 - k].second, x = d.f.X(50 + 3 * z);
            EXPECT_LE(runs[k].first, x) << elements[5 - k].first << " at " << w;
            EXPECT_GE(runs[k].second, x) << elements[5 - k].first << " at " << w;
            EXPECT_EQ(runs[k].second - runs[k].first + 1, frame::Round(2 * d.f.ScaleX)) << elements[5 - k].first;
        }
    }
}

TEST(Moseley, ACurveItemRestartsItsCurveAndAResetStopsIt) {
    Diagram d(1024, 768);
    d.menu("KALPHA");
    d.world.backend.advance(50 * 20);
    EXPECT_GT(d.f.curves[TFormEDXOrd::Ka].curveX, 64 + 4 * 19);
    const int drawn = d.count(ui::clBlue);
    EXPECT_GT(drawn, 0);
    d.menu("KALPHA");
    EXPECT_EQ(d.f.curves[TFormEDXOrd::Ka].curveX, 64);
    EXPECT_EQ(d.f.curves[TFormEDXOrd::Ka].curveY, 576);
    d.world.backend.advance(50);
    EXPECT_EQ(d.count(ui::clBlue), drawn);  // the part drawn before stays, the new start covers it
    d.menu("NeuZeichnen1");
    EXPECT_FALSE(d.f.TimerKa.enabled());
    EXPECT_EQ(d.count(ui::clBlue), 0);
    // The pen positions are kept until a curve item sets them again.
    EXPECT_EQ(d.f.curves[TFormEDXOrd::Ka].curveX, 68);

    d.menu("Eisen1");
    d.menu("LBETA1");
    d.menu("Ende1");
    EXPECT_FALSE(d.f.TimerLb.enabled());
    EXPECT_FALSE(d.f.curvesShown);
    EXPECT_FALSE(d.f.elementShown[TFormEDXOrd::Fe]);
}

}  // namespace
}  // namespace chaptertest

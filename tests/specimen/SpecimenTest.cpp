// The specimen models against geometry and published numbers: the lever rule, exact border
// crossings against a fine walk, grain size numbers, the blur of focus and resolution, the
// scale, and fields that are the same however they were reached.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "specimen/FieldTiles.h"
#include "specimen/Microscope.h"
#include "specimen/Optics.h"
#include "specimen/Specimen.h"
#include "specimen/Rng.h"
#include "specimen/Stereology.h"

using namespace specimen;

namespace {

double luminance(uint32_t p) { return 0.299 * (p >> 16 & 255) + 0.587 * (p >> 8 & 255) + 0.114 * (p & 255); }

double spread(const std::vector<uint32_t>& pixels) {
    double sum = 0, sum2 = 0;
    for (uint32_t p : pixels) sum += luminance(p), sum2 += luminance(p) * luminance(p);
    const double n = static_cast<double>(pixels.size());
    return std::sqrt(sum2 / n - (sum / n) * (sum / n));
}

std::vector<uint32_t> render(const Specimen& s, const Viewing& v, double x, double y, int w, int h) {
    std::vector<uint32_t> out(static_cast<size_t>(w) * h);
    s.render(x, y, w, h, v, out.data(), w);
    return out;
}

}  // namespace

TEST(Stereology, PublishedNumbers) {
    // Eutectoid 0,77 % C, ferrite 0,02 % C.
    EXPECT_DOUBLE_EQ(leverRulePearliteShare(0.02), 0.0);
    EXPECT_DOUBLE_EQ(leverRulePearliteShare(0.77), 1.0);
    EXPECT_NEAR(leverRulePearliteShare(0.45), 0.5733, 1e-4);
    // ASTM E112's table: G 5 is a mean intercept of 0,0566 mm and 248 grains per mm^2.
    EXPECT_NEAR(grainSizeFromInterceptMm(0.0566), 5.0, 0.01);
    EXPECT_NEAR(grainSizeFromGrainsPerMm2(248), 5.0, 0.01);
    EXPECT_NEAR(grainSizeFromInterceptMm(0.320), 0.0, 0.01);
    EXPECT_NEAR(pointCountStandardError(0.5, 100), 0.05, 1e-12);
}

TEST(Specimen, PearliteShareFollowsTheLeverRule) {
    for (double c : {0.15, 0.45, 0.75}) {
        const Specimen s(Material::CarbonSteel, c);
        EXPECT_NEAR(s.countedShareWhole(), leverRulePearliteShare(c), 0.03) << c << " % C";
    }
    // More carbon: smaller ferrite grains.
    EXPECT_GT(Specimen(Material::CarbonSteel, 0.15).grains().cellUm(), Specimen(Material::CarbonSteel, 0.75).grains().cellUm());
}

TEST(Specimen, CrossingsAreTheBordersOfAFineWalk) {
    const Specimen s(Material::CarbonSteel, 0.45);
    const GrainPlane& g = s.grains();
    const double x0 = 3210.3, y0 = 4777.7, x1 = 3710.3, y1 = 4877.7;  // 510 µm, slanted
    const std::vector<double> exact = g.crossings(x0, y0, x1, y1);
    const double length = std::hypot(x1 - x0, y1 - y0), step = 0.01;
    std::vector<double> walked;
    uint64_t owner = g.locate(x0, y0).grain.key;
    for (double t = step; t <= length; t += step) {
        const uint64_t k = g.locate(x0 + (x1 - x0) * t / length, y0 + (y1 - y0) * t / length).grain.key;
        if (k != owner) walked.push_back(t - step / 2), owner = k;
    }
    ASSERT_EQ(exact.size(), walked.size());
    ASSERT_GT(exact.size(), 15u);
    for (size_t i = 0; i < exact.size(); ++i) EXPECT_NEAR(exact[i], walked[i], step) << i;
    // The distance to the border a point reports is where the walk finds it.
    const GrainPlane::Hit h = g.locate(x0, y0);
    EXPECT_GE(h.borderUm, 0.0);
    EXPECT_LE(h.borderUm, exact.front() + 1e-9);
}

TEST(Specimen, GrainPatchesAgreeWithTheDirectSearch) {
    // The microscope's pixels take their grain from a patch of a small square; the plane's
    // own search around every single point must agree: the same grain everywhere, and the
    // same border and grain across it wherever the border lies within the reach.
    for (const double cellUm : {7.0, 21.3, 45.0}) {
        const GrainPlane plane(0xABCDEF, cellUm, 0.15);
        for (const double squareUm : {0.4, 4.0, 16.0}) {
            const double reachUm = 0.6 * squareUm + 0.5;
            uint64_t state = 12345;
            int borders = 0, squares = 0;
            for (int n = 0; n < 60; ++n) {
                const double x0 = 100 + 800 * to_unit(splitmix64(state)), y0 = 100 + 800 * to_unit(splitmix64(state));
                const double x1 = x0 + squareUm, y1 = y0 + squareUm;
                const GrainBlock block(plane, x0 - 50, y0 - 50, x1 + 50, y1 + 50);
                GrainPlane::Patch patch;
                patch.build(plane, block, x0, y0, x1, y1, reachUm);
                squares += patch.uniform();
                for (int k = 0; k < 64; ++k) {
                    const double x = x0 + squareUm * (k % 8 + 0.5) / 8, y = y0 + squareUm * (k / 8 + 0.5) / 8;
                    const GrainPlane::Hit direct = plane.locate(x, y);
                    const GrainPlane::Patch::Hit fast = patch.locate(x, y);
                    ASSERT_EQ(fast.grain->key, direct.grain.key) << x << "," << y;
                    if (direct.borderUm > reachUm) {
                        EXPECT_GT(fast.borderUm, reachUm - 1e-9);
                        continue;
                    }
                    ++borders;
                    ASSERT_FALSE(patch.uniform()) << x << "," << y;
                    EXPECT_NEAR(fast.borderUm, direct.borderUm, 1e-9);
                    EXPECT_EQ(fast.neighbour->key, direct.neighbour.key);
                }
            }
            // Both kinds of square were met.
            EXPECT_GT(borders, 0) << cellUm << " " << squareUm;
            if (squareUm < cellUm / 4) {
                EXPECT_GT(squares, 0) << cellUm << " " << squareUm;
            }
        }
    }
}

TEST(Specimen, InterceptGrainSizeAgreesWithTheGrainArea) {
    for (const auto& [m, c] : {std::pair{Material::CarbonSteel, 0.15}, std::pair{Material::CarbonSteel, 0.75},
                               std::pair{Material::AusteniticSteel, 0.45}, std::pair{Material::QuenchedTempered, 0.45}}) {
        const Specimen s(m, c);
        double length = 0;
        size_t hits = 0;
        // Horizontal and vertical test lines over the whole face.
        for (int k = 0; k < 20; ++k) {
            const double at = 250 + 475 * k;
            hits += s.grains().crossings(100, at, 9900, at).size() + s.grains().crossings(at, 100, at, 9900).size();
            length += 2 * 9800;
        }
        const double gIntercept = grainSizeFromInterceptMm(length / hits / 1000);
        const double gArea = grainSizeFromGrainsPerMm2(s.grains().grainsPerMm2());
        EXPECT_NEAR(gIntercept, gArea, 0.3) << static_cast<int>(m) << " " << c;
    }
}

TEST(Optics, FocusAndResolution) {
    const Objective o50 = kObjectives[3], o100 = kObjectives[4], o10 = kObjectives[1];
    // Within half the depth of field the picture stays sharp, beyond it blurs more and more.
    const double dof = depthOfFieldUm(kGreenLightUm, o50.numericalAperture, o50.magnification);
    EXPECT_EQ(defocusSigmaUm(0.45 * dof, dof, o50.numericalAperture), 0.0);
    EXPECT_GT(defocusSigmaUm(2 * dof, dof, o50.numericalAperture), 0.0);
    EXPECT_GT(defocusSigmaUm(4 * dof, dof, o50.numericalAperture), defocusSigmaUm(2 * dof, dof, o50.numericalAperture));
    EXPECT_LT(depthOfFieldUm(kGreenLightUm, o100.numericalAperture, o100.magnification), dof);
    // Lamellae 0,45 µm apart: resolved at 100x (limit 0,37 µm), not at 10x (1,12 µm).
    const Viewing v100 = viewingFor(o100, 0), v10 = viewingFor(o10, 0);
    EXPECT_NEAR(v100.abbeLimitUm, 0.61 * 0.55 / 0.9, 1e-12);
    EXPECT_GT(periodicContrast(0.45, v100.blurSigmaUm, v100.abbeLimitUm), 0.0);
    EXPECT_EQ(periodicContrast(0.45, v10.blurSigmaUm, v10.abbeLimitUm), 0.0);

    // The rendered field loses contrast out of focus, and the lamellae show at 100x only.
    const Specimen s(Material::CarbonSteel, 0.75);
    const double sharp = spread(render(s, viewingFor(o50, 0), 5000, 5000, 256, 256));
    const double blurred = spread(render(s, viewingFor(o50, 25), 5000, 5000, 256, 256));
    EXPECT_LT(blurred, 0.7 * sharp);
}

TEST(Specimen, AFeatureDoublesInSizeFrom10xTo20x) {
    EXPECT_DOUBLE_EQ(umPerPx(kObjectives[1]), 2 * umPerPx(kObjectives[2]));
    // The same spot at 10x and 20x: pearlite (dark) and ferrite (light) pixel by pixel.
    const Specimen s(Material::CarbonSteel, 0.45);
    const std::vector<uint32_t> p10 = render(s, viewingFor(kObjectives[1], 0), 3000, 3000, 200, 150);
    const std::vector<uint32_t> p20 = render(s, viewingFor(kObjectives[2], 0), 3000, 3000, 400, 300);
    auto dark = [](uint32_t p) { return luminance(p) < 165; };
    int twice = 0, same = 0;
    for (int j = 0; j < 150; ++j)
        for (int i = 0; i < 200; ++i) {
            const bool d10 = dark(p10[static_cast<size_t>(j) * 200 + i]);
            twice += d10 == dark(p20[static_cast<size_t>(2 * j + 1) * 400 + 2 * i + 1]);
            same += d10 == dark(p20[static_cast<size_t>(j) * 400 + i]);
        }
    // Twice the pixels for the same micrometres: the phases coincide; at the same pixel
    // distance they do not.
    EXPECT_GT(twice, 0.95 * 200 * 150);
    EXPECT_LT(same, 0.85 * 200 * 150);
}

TEST(Specimen, FieldsAreTheSameHoweverTheyAreReached) {
    const Specimen a(Material::CarbonSteel, 0.45), b(Material::CarbonSteel, 0.45);
    for (int objective : {0, 4}) {
        Viewing v = viewingFor(kObjectives[objective], 0);
        v.preparation = Preparation::Polished3um;
        const double u = v.umPerPx;
        const int64_t gx = 37 * 8, gy = 1000;  // any whole multiple of eight pixels
        const std::vector<uint32_t> direct = render(a, v, gx * u, gy * u, 400, 300);
        EXPECT_EQ(direct, render(b, v, gx * u, gy * u, 400, 300));
        // From tiles, the field straddling four of them.
        FieldTiles tiles;
        tiles.setup(&b, v);
        std::vector<uint32_t> tiled(400 * 300);
        tiles.copyField(gx, gy, 400, 300, tiled.data(), 400);
        EXPECT_EQ(direct, tiled);
        // Panning by 8 pixels renders only the strip that comes in and joins seamlessly.
        const int before = tiles.rendered();
        std::vector<uint32_t> panned(400 * 300);
        tiles.copyField(gx + 8, gy, 400, 300, panned.data(), 400);
        EXPECT_LE(tiles.rendered() - before, 3);
        for (int y = 0; y < 300; ++y)
            for (int x = 0; x + 8 < 400; ++x)
                ASSERT_EQ(panned[static_cast<size_t>(y) * 400 + x], direct[static_cast<size_t>(y) * 400 + x + 8]) << x << "," << y;
    }
}

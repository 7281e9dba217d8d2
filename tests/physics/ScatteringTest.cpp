// The Monte Carlo simulation against measured backscatter coefficients and the Kanaya-Okayama
// range, the layer specimen, and the independence of its results from the slices it runs in.
#include <gtest/gtest.h>

#include <cmath>

#include "physics/ElectronMC.h"
#include "physics/ElectronPhysics.h"
#include "physics/Samples.h"
#include "physics/XrayData.h"

using namespace physics;

namespace {
constexpr double kPi = 3.141592653589793;

ElectronSimulation runToEnd(const Specimen& s, double kv, double tiltDeg, long electrons, uint64_t seed = 1) {
    McSettings m;
    m.specimen = s;
    m.energyKeV = kv;
    m.tiltDeg = tiltDeg;
    m.electrons = electrons;
    m.seed = seed;
    ElectronSimulation sim(m);
    while (!sim.finished()) sim.run(1 << 20);
    return sim;
}

Specimen element(int z) { return Specimen{"", elementMaterial(z), {}, 0}; }
}  // namespace

// Reuter's (1972) fit to measured coefficients at normal incidence; 3000 electrons give η to ±0.009.
TEST(Backscatter, At20kVWithin003OfReutersFitFromCarbonToGold) {
    for (int z : {6, 13, 29, 47, 79}) {
        const ElectronSimulation sim = runToEnd(element(z), 20, 0, 3000);
        EXPECT_NEAR(sim.eta(), reuterBackscatter(z), 0.03) << "Z = " << z;
        EXPECT_NEAR(sim.etaError(), std::sqrt(sim.eta() * (1 - sim.eta()) / 3000), 1e-12);
        // Backscattered electrons keep a good part of their energy, more so from heavy atoms.
        EXPECT_GT(sim.meanBackscatterEnergyKeV(), z > 40 ? 14 : 10) << "Z = " << z;
        EXPECT_LT(sim.meanBackscatterEnergyKeV(), 20);
    }
}

// Arnal et al. (1969): η rises with tilt as (1 + cos θ)^(−9/√Z).
TEST(Backscatter, RisesWithTiltAsArnalsForm) {
    double previous = 0;
    for (double tilt : {0.0, 30.0, 45.0, 60.0, 70.0}) {
        const ElectronSimulation sim = runToEnd(element(26), 20, tilt, 3000);
        EXPECT_NEAR(sim.eta(), arnalBackscatter(26, tilt * kPi / 180), 0.04) << tilt << "°";
        EXPECT_GT(sim.eta(), previous) << tilt << "°";
        previous = sim.eta();
    }
}

// The deepest of 3000 electrons lies short of the Kanaya-Okayama range (a maximum range), by
// 40 % at most.
TEST(Range, DeepestPointAgreesWithKanayaOkayama) {
    struct Case {
        int z;
        double kv;
    };
    for (const Case c : {Case{13, 5}, Case{26, 20}, Case{79, 20}, Case{6, 30}}) {
        const ElectronSimulation sim = runToEnd(element(c.z), c.kv, 0, 3000);
        const double ko = kanayaOkayamaRangeUm(atomicWeight(c.z), c.z, elementDensityGcm3(c.z), c.kv);
        EXPECT_DOUBLE_EQ(sim.kanayaOkayamaUm(), ko);
        EXPECT_GT(sim.deepestUm(), 0.6 * ko) << "Z = " << c.z << ", " << c.kv << " kV";
        EXPECT_LT(sim.deepestUm(), 1.05 * ko) << "Z = " << c.z << ", " << c.kv << " kV";
    }
    // Kanaya & Okayama's own example: iron at 20 kV reaches about 1.6 µm.
    EXPECT_NEAR(kanayaOkayamaRangeUm(55.85, 26, 7.874, 20), 1.6, 0.05);
}

// 50 nm of gold on silicon: at 5 kV the beam stays in the gold (η as of gold), at 25 kV most
// electrons reach the silicon and η falls between the two.
TEST(Layer, GoldOnSiliconLooksLikeGoldAt5kVAndMostlySiliconAt25kV) {
    const Specimen layer = scatteringSpecimens().back();
    ASSERT_EQ(layer.name, "Gold 50 nm auf Silicium");
    const double gold5 = runToEnd(element(79), 5, 0, 2000).eta();
    const double silicon25 = runToEnd(element(14), 25, 0, 2000).eta();
    const ElectronSimulation at5 = runToEnd(layer, 5, 0, 2000), at25 = runToEnd(layer, 25, 0, 2000);
    EXPECT_NEAR(at5.eta(), gold5, 0.04);
    EXPECT_GT(at25.eta(), silicon25 + 0.05);
    EXPECT_LT(at25.eta(), at5.eta() - 0.1);
    // At 25 kV the electrons go micrometres into the silicon; at 5 kV hardly beyond the gold.
    EXPECT_GT(at25.deepestUm(), 3);
    EXPECT_LT(at5.deepestUm(), 0.3);
}

// The state after a number of steps is the same however they were sliced; a seed repeats a run and
// another seed gives another.
TEST(Slices, ResultsDoNotDependOnTheSlicesAndFollowTheSeed) {
    McSettings m;
    m.specimen = scatteringSpecimens()[12];  // the stainless steel: three kinds of atoms
    m.electrons = 300;
    ElectronSimulation whole(m), sliced(m);
    long steps = 0;
    while (!sliced.finished()) steps += sliced.run(777);
    EXPECT_EQ(whole.run(1L << 30), steps);
    EXPECT_EQ(whole.steps(), sliced.steps());
    EXPECT_EQ(whole.backscattered(), sliced.backscattered());
    EXPECT_EQ(whole.deepestUm(), sliced.deepestUm());
    EXPECT_EQ(whole.depthHistogram(), sliced.depthHistogram());
    EXPECT_EQ(whole.energyHistogram(), sliced.energyHistogram());
    ASSERT_EQ(whole.trajectories().size(), sliced.trajectories().size());
    EXPECT_EQ(whole.trajectories()[299].points.size(), sliced.trajectories()[299].points.size());
    EXPECT_EQ(whole.trajectories()[299].points.back().zUm, sliced.trajectories()[299].points.back().zUm);
    m.seed = 2;
    ElectronSimulation other(m);
    other.run(1L << 30);
    EXPECT_NE(other.steps(), whole.steps());
    // Every electron is counted once: absorbed ones in the depth histogram, the others by energy.
    long counted = 0;
    for (long n : whole.depthHistogram()) counted += n;
    for (long n : whole.energyHistogram()) counted += n;
    EXPECT_EQ(counted, 300);
    // A slice never runs beyond its budget, and nothing runs after the end.
    McSettings one = m;
    ElectronSimulation budget(one);
    EXPECT_EQ(budget.run(5), 5);
    EXPECT_EQ(budget.steps(), 5);
    EXPECT_EQ(whole.run(100), 0);
}

// Single-scattering Monte Carlo of electrons in a specimen (Joy 1995): free paths and angles from
// Browning's fit to Mott cross-sections, continuous slowing down by Bethe's law with Joy and Luo's
// low-energy correction. A flat specimen, bulk or a layer on a substrate, tilted about the y axis.
// Coordinates are the specimen's: x along the surface in the plane of tilt, z the depth (µm).
// The work goes in slices of scattering steps, so a window can run it inside a timer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "physics/Material.h"
#include "physics/Random.h"

namespace physics {

struct Specimen {
    std::string name;
    Material bulk;            // the substrate (the whole specimen when there is no layer)
    Material layer;           // on top of it, when layerThicknessUm > 0
    double layerThicknessUm = 0;
};

struct McSettings {
    Specimen specimen;
    double energyKeV = 20;
    double tiltDeg = 0;
    long electrons = 2000;
    uint64_t seed = 1;
    int drawnTrajectories = 300;  // the first ones keep their points for drawing
};

struct TrajectoryPoint {
    float xUm, zUm;
};

struct Trajectory {
    std::vector<TrajectoryPoint> points;
    bool backscattered = false;
    bool done = false;
};

// An electron ends when its energy falls below this, or when it leaves through the surface.
constexpr double kCutoffEnergyKeV = 0.5;
constexpr int kHistogramBins = 40;

class ElectronSimulation {
public:
    explicit ElectronSimulation(const McSettings& settings);

    // Runs at most `stepBudget` scattering steps (fewer when the last electron ends); returns how
    // many it ran. An electron may end in a later call than the one it started in.
    long run(long stepBudget);

    const McSettings& settings() const { return settings_; }
    bool finished() const { return done_ >= settings_.electrons; }
    long electrons() const { return done_; }
    long backscattered() const { return backscattered_; }
    long steps() const { return steps_; }
    double eta() const;
    double etaError() const;  // 1σ of the binomial share
    double deepestUm() const { return deepestUm_; }
    double meanBackscatterEnergyKeV() const;
    double kanayaOkayamaUm() const { return rangeUm_; }
    const std::vector<Trajectory>& trajectories() const { return trajectories_; }
    // Depth of the electrons' last points (absorbed ones), bins of depthBinUm() from the surface;
    // energies of the backscattered electrons, bins of energyBinKeV() from 0.
    const std::vector<long>& depthHistogram() const { return depthHistogram_; }
    const std::vector<long>& energyHistogram() const { return energyHistogram_; }
    double depthBinUm() const { return depthBinUm_; }
    double energyBinKeV() const { return settings_.energyKeV / kHistogramBins; }

private:
    struct Element {
        int z;
        double atomsPerCm3;
        double zCubed;
    };
    // A material's per-step quantities on an energy grid from the cut-off to the beam energy,
    // interpolated linearly: the inverse free path, the stopping power per length and, for each
    // kind of atom, the running sum of the inverse free paths (to pick the scattering atom).
    struct Phase {
        std::vector<Element> elements;
        double densityGcm3 = 0;
        double firstKeV = 0, pointsPerKeV = 0;
        std::vector<double> inverseFreePathUm, stoppingKeVPerUm, runningShare;
    };
    static Phase makePhase(const Material& m, double beamKeV);
    void startElectron();
    void endElectron(bool backscattered, double energyKeV);

    McSettings settings_;
    Phase layer_, bulk_;
    Random random_;
    double rangeUm_ = 0;
    double depthBinUm_ = 0;
    // The electron on its way.
    bool flying_ = false;
    double x_ = 0, y_ = 0, z_ = 0, cx_ = 0, cy_ = 0, cz_ = 1, energy_ = 0;
    double sumBackscatterEnergy_ = 0;
    long done_ = 0, backscattered_ = 0, steps_ = 0;
    double deepestUm_ = 0;
    std::vector<Trajectory> trajectories_;
    std::vector<long> depthHistogram_, energyHistogram_;
};

// The Kanaya-Okayama range of a specimen's bulk material (mass-fraction means of A and Z).
double kanayaOkayamaRangeUm(const Material& m, double energyKeV);

}  // namespace physics

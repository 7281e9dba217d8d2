#include "physics/ElectronMC.h"

#include <algorithm>
#include <cmath>

#include "physics/ElectronPhysics.h"
#include "physics/XrayData.h"

namespace physics {

namespace {
constexpr double kCmPerUm = 1e-4;
constexpr double kTwoPi = 6.283185307179586;
// The depth histogram reaches this far beyond the Kanaya-Okayama range.
constexpr double kHistogramRangeFactor = 1.2;
// A step that ends on the layer's interface stops this far beyond it.
constexpr double kInterfaceNudgeUm = 1e-7;
// Near the z axis the direction update takes its limiting form.
constexpr double kAlongAxis = 0.999999;
// Points of the energy grid of a material's tables.
constexpr int kGridPoints = 4096;
}  // namespace

double kanayaOkayamaRangeUm(const Material& m, double energyKeV) {
    return kanayaOkayamaRangeUm(meanAtomicWeight(m), meanAtomicNumber(m), m.densityGcm3, energyKeV);
}

ElectronSimulation::Phase ElectronSimulation::makePhase(const Material& m, double beamKeV) {
    Phase p;
    p.densityGcm3 = m.densityGcm3;
    for (const Component& c : m.components) {
        Element e;
        e.z = c.z;
        e.atomsPerCm3 = kAvogadro * m.densityGcm3 * c.massFraction / atomicWeight(c.z);
        e.zCubed = double(c.z) * c.z * c.z;
        p.elements.push_back(e);
    }
    const size_t n = p.elements.size();
    p.firstKeV = kCutoffEnergyKeV * 0.5;
    p.pointsPerKeV = (kGridPoints - 2) / (std::max(beamKeV, kCutoffEnergyKeV) - p.firstKeV);
    p.inverseFreePathUm.resize(kGridPoints);
    p.stoppingKeVPerUm.resize(kGridPoints);
    p.runningShare.resize(kGridPoints * n);
    for (int g = 0; g < kGridPoints; ++g) {
        const double keV = p.firstKeV + g / p.pointsPerKeV;
        double inverse = 0, stopping = 0;
        for (size_t i = 0; i < n; ++i) {
            const Component& c = m.components[i];
            inverse += p.elements[i].atomsPerCm3 * browningElasticCm2(c.z, keV) * kCmPerUm;
            p.runningShare[static_cast<size_t>(g) * n + i] = inverse;
            stopping += c.massFraction * betheJoyLuoStoppingKeVcm2g(c.z, keV) * m.densityGcm3 * kCmPerUm;
        }
        p.inverseFreePathUm[static_cast<size_t>(g)] = inverse;
        p.stoppingKeVPerUm[static_cast<size_t>(g)] = stopping;
    }
    return p;
}

ElectronSimulation::ElectronSimulation(const McSettings& settings)
    : settings_(settings),
      layer_(makePhase(settings.specimen.layerThicknessUm > 0 ? settings.specimen.layer : settings.specimen.bulk,
                       settings.energyKeV)),
      bulk_(makePhase(settings.specimen.bulk, settings.energyKeV)),
      random_(settings.seed),
      depthHistogram_(kHistogramBins, 0),
      energyHistogram_(kHistogramBins, 0) {
    rangeUm_ = kanayaOkayamaRangeUm(settings.specimen.bulk, settings.energyKeV);
    depthBinUm_ = std::max(rangeUm_, settings.specimen.layerThicknessUm) * kHistogramRangeFactor / kHistogramBins;
}

double ElectronSimulation::eta() const { return done_ > 0 ? double(backscattered_) / done_ : 0; }

double ElectronSimulation::etaError() const {
    if (done_ == 0) return 0;
    const double e = eta();
    return std::sqrt(e * (1 - e) / done_);
}

double ElectronSimulation::meanBackscatterEnergyKeV() const {
    return backscattered_ > 0 ? sumBackscatterEnergy_ / backscattered_ : 0;
}

void ElectronSimulation::startElectron() {
    const double tilt = settings_.tiltDeg * kTwoPi / 360;
    x_ = y_ = z_ = 0;
    cx_ = std::sin(tilt);
    cy_ = 0;
    cz_ = std::cos(tilt);
    energy_ = settings_.energyKeV;
    flying_ = true;
    if (done_ < settings_.drawnTrajectories) {
        trajectories_.emplace_back();
        trajectories_.back().points.push_back({0.f, 0.f});
    }
}

void ElectronSimulation::endElectron(bool backscattered, double energyKeV) {
    flying_ = false;
    if (done_ < static_cast<long>(trajectories_.size())) {
        Trajectory& t = trajectories_[static_cast<size_t>(done_)];
        t.backscattered = backscattered;
        t.done = true;
    }
    ++done_;
    if (backscattered) {
        ++backscattered_;
        sumBackscatterEnergy_ += energyKeV;
        const int bin = std::clamp(int(energyKeV / energyBinKeV()), 0, kHistogramBins - 1);
        ++energyHistogram_[static_cast<size_t>(bin)];
    } else {
        const int bin = std::clamp(int(z_ / depthBinUm_), 0, kHistogramBins - 1);
        ++depthHistogram_[static_cast<size_t>(bin)];
    }
}

long ElectronSimulation::run(long stepBudget) {
    const double layerUm = settings_.specimen.layerThicknessUm;
    long used = 0;
    while (used < stepBudget && !finished()) {
        if (!flying_) startElectron();
        ++used;
        const Phase& phase = z_ < layerUm ? layer_ : bulk_;
        // The total elastic cross-section (Browning et al. 1994) and the stopping power from the
        // material's tables.
        const double e = energy_;
        const double at = (e - phase.firstKeV) * phase.pointsPerKeV;
        const size_t g = static_cast<size_t>(at);
        const double f = at - double(g);
        const size_t n = phase.elements.size();
        const double inverseFreePathUm =
            phase.inverseFreePathUm[g] + f * (phase.inverseFreePathUm[g + 1] - phase.inverseFreePathUm[g]);
        const double stoppingKeVPerUm =
            phase.stoppingKeVPerUm[g] + f * (phase.stoppingKeVPerUm[g + 1] - phase.stoppingKeVPerUm[g]);
        double stepUm = -std::log(random_.uniformOpen()) / inverseFreePathUm;
        // A step that would cross the layer's interface ends on it; the next one starts afresh in
        // the other material (free paths have no memory).
        bool crossing = false;
        if (layerUm > 0) {
            const double zEnd = z_ + stepUm * cz_;
            if ((z_ < layerUm && zEnd >= layerUm) || (z_ >= layerUm && zEnd < layerUm && zEnd >= 0)) {
                stepUm = (layerUm - z_) / cz_ + (cz_ > 0 ? kInterfaceNudgeUm : -kInterfaceNudgeUm) / std::fabs(cz_);
                crossing = true;
            }
        }
        // Leaving through the surface: backscattered, with the energy lost on the way out.
        const bool leaving = z_ + stepUm * cz_ < 0;
        if (leaving) stepUm = -z_ / cz_;
        // Continuous slowing down along the step (Bethe 1930, Joy & Luo 1989).
        energy_ = e - stoppingKeVPerUm * stepUm;
        x_ += stepUm * cx_;
        y_ += stepUm * cy_;
        z_ = leaving ? 0 : z_ + stepUm * cz_;
        deepestUm_ = std::max(deepestUm_, z_);
        ++steps_;
        if (done_ < static_cast<long>(trajectories_.size()))
            trajectories_[static_cast<size_t>(done_)].points.push_back({float(x_), float(z_)});
        if (energy_ < kCutoffEnergyKeV) {
            endElectron(false, energy_);
            continue;
        }
        if (leaving) {
            endElectron(true, energy_);
            continue;
        }
        if (crossing) continue;
        // The atom that scatters, by its share of the cross-section, and its angle.
        size_t k = 0;
        if (n > 1) {
            const double* lo = &phase.runningShare[g * n];
            const double* hi = lo + n;
            const double pick = random_.uniform() * inverseFreePathUm;
            while (k + 1 < n && pick >= lo[k] + f * (hi[k] - lo[k])) ++k;
        }
        const Element& a = phase.elements[k];
        const double ratio = browningRutherfordRatio(a.z, a.zCubed, e);
        const double r = random_.uniform();
        const double alpha = browningScreening(e);
        const double cosTheta = random_.uniform() * (1 + ratio) < ratio ? screenedRutherfordCosine(alpha, r) : 1 - 2 * r;
        const double sinTheta = std::sqrt(std::max(0.0, 1 - cosTheta * cosTheta));
        // A uniform azimuth from a point in the unit disc, by the double angle (no trigonometry,
        // no root): cos 2ψ = (u² − v²) / d, sin 2ψ = 2uv / d.
        double u, v, d;
        do {
            u = 2 * random_.uniform() - 1;
            v = 2 * random_.uniform() - 1;
            d = u * u + v * v;
        } while (d > 1 || d == 0);
        const double inverseD = 1 / d;
        const double cosPhi = (u * u - v * v) * inverseD, sinPhi = 2 * u * v * inverseD;
        // Direction cosines after the deflection (Joy 1995, eq. 3.16); they stay of unit length.
        if (std::fabs(cz_) > kAlongAxis) {
            cx_ = sinTheta * cosPhi;
            cy_ = sinTheta * sinPhi;
            cz_ = cz_ > 0 ? cosTheta : -cosTheta;
        } else {
            const double t = std::sqrt(1 - cz_ * cz_);
            const double s = sinTheta / t;
            const double nx = cx_ * cosTheta + s * (cx_ * cz_ * cosPhi - cy_ * sinPhi);
            const double ny = cy_ * cosTheta + s * (cy_ * cz_ * cosPhi + cx_ * sinPhi);
            cz_ = cz_ * cosTheta - t * sinTheta * cosPhi;
            cx_ = nx;
            cy_ = ny;
        }
    }
    return used;
}

}  // namespace physics

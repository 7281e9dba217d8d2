// A simulated EDX spectrum of a flat bulk specimen: characteristic lines from the ionisation
// cross-section integrated along the electrons' slowing down, the continuum by Kramers' law, both
// absorbed on the way out, seen through the detector's window with its resolution and its
// silicon escape peaks, in 10 eV channels from 0 to the beam energy.
#pragma once

#include <string>
#include <vector>

#include "physics/Material.h"
#include "physics/Random.h"
#include "physics/XrayData.h"

namespace physics {

constexpr double kChannelKeV = 0.01;
constexpr double kTakeOffDeg = 35;

// A layer in front of the crystal (window, contact, dead layer).
struct DetectorLayer {
    Material material;
    double thicknessUm = 0;
};

struct Detector {
    std::string name;
    std::vector<DetectorLayer> layers;  // from the outside in, the dead layer last
    double openFraction = 1;            // of a window's supporting grid
    double crystalUm = 0;
    double fwhmMnKaEv = 0;              // the resolution at Mn Kα
    double solidAngleSr = 0;
};

// "Si(Li), Berylliumfenster 8 µm": Be 8 µm, Au contact 20 nm, Si dead layer 0.1 µm, 3 mm crystal, 129 eV.
Detector siLiBerylliumDetector();
// "SDD, Polymerfenster": polyimide 0.3 µm with 40 nm Al on a grid open to 77 %, Si dead layer 30 nm,
// 0.45 mm crystal, 125 eV.
Detector sddPolymerDetector();

// The share of photons of an energy that the detector counts at full energy (or as an escape).
double detectorEfficiency(const Detector& d, double energyKeV);

// Fano statistics: FWHM² = noise² + 8 ln 2 · F ε E, with F = 0.115, ε = 3.8 eV per electron-hole pair,
// the noise fixed by the FWHM at Mn Kα.
constexpr double kFano = 0.115, kPairEnergyEv = 3.8;
double fanoFwhmEv(const Detector& d, double energyKeV);

// Ionisation cross-section of a shell (cm²), Bethe's form with Green & Cosslett's constants as
// Goldstein et al. (2003, eq. 6.3) give them: Q = 6.51e-20 n b ln(c U) / (U Ec²), b = 0.35, c = 1.
double ionisationCrossSectionCm2(int electronsInShell, double edgeKeV, double energyKeV);

// Photons of a shell's lines generated per electron (all directions): N_A w / A times
// ∫ Q(E) / S(E) dE from the edge up to the beam energy, S the material's stopping power.
double ionisationsPerElectron(const Material& m, int z, Shell s, double beamKeV);

// Kramers (1923): continuum photons per electron, per keV and steradian: k Z (E0 − E) / E / 4π with
// Lifshin's (1974) constant k = 2.76e-6 photons per keV and electron.
double kramersContinuumPerKeVsr(double meanZ, double beamKeV, double energyKeV);

// Absorption on the way out, Philibert-Duncumb-Heinrich: f(χ) = (1 + h) / ((1 + χ/σ)(1 + h (1 + χ/σ))),
// χ = μ/ρ cosec ψ, σ = 4.5e5 / (E0^1.65 − Ec^1.65) (Heinrich 1967), h = 1.2 A / Z².
double absorptionFactor(const Material& m, double photonKeV, double edgeKeV, double beamKeV);

// The share of photons of an energy that leaves the crystal as a Si Kα escape (Reed & Ware 1972):
// ½ ω_K (1 − 1/r) (1 − (μ_Kα/μ_E) ln(1 + μ_E/μ_Kα)), r the Si K edge's jump ratio.
double siliconEscapeFraction(double energyKeV);

// A group of lines that shows as one peak: Kα, Kβ, Lα, Lβ, Mα.
struct Peak {
    int z = 0;
    std::string line;       // "Kα"
    double energyKeV = 0;   // the members' rate-weighted mean
    double countsPerS = 0;  // detected, at full energy
    double fwhmEv = 0;
    std::string label() const;
};

struct EdxSettings {
    Material material;
    double beamKeV = 20;
    Detector detector = siLiBerylliumDetector();
    double currentNA = 1;
};

struct ExpectedSpectrum {
    std::vector<double> countsPerS;  // per channel: lines, escape peaks and continuum
    std::vector<double> continuumPerS;
    std::vector<Peak> peaks;         // every line group the beam excites, strongest first
};

ExpectedSpectrum expectedSpectrum(const EdxSettings& s);

// Poisson counts: Knuth's product method below a mean of 30, above it the normal approximation
// with continuity correction.
long poissonCount(Random& random, double mean);

}  // namespace physics

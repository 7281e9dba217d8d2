#include "physics/XraySpectrum.h"

#include <algorithm>
#include <cmath>

#include "physics/ElectronPhysics.h"

namespace physics {

namespace {
constexpr double kElementaryChargeC = 1.602176634e-19;
constexpr double kEvPerKeV = 1000;
constexpr double kFwhmPerSigma = 2.354820045;  // 2 √(2 ln 2)
constexpr double kPi = 3.141592653589793;
constexpr double kCmPerUm = 1e-4;
// Steps of the integral over the electrons' energies from the edge to the beam energy.
constexpr int kIntegrationSteps = 200;
// Photons below this energy are outside the attenuation table and the spectrum's use.
constexpr double kLowestPhotonKeV = 0.1;
// The line energies the resolution is quoted at.
constexpr int kManganese = 25, kSilicon = 14;
// A line's Gaussian is spread over ±4σ.
constexpr double kGaussReachSigma = 4;
// The detectors' solid angle: 10 mm² at 18 mm, and 30 mm² at 32 mm.
constexpr double kSolidAngleSr = 0.03;

double degToRad(double deg) { return deg * kPi / 180; }

Material polyimide() { return compoundMaterial({{6, 69.1}, {1, 2.6}, {7, 7.3}, {8, 20.9}}, 1.42); }

int electronsInShell(Shell s) {
    switch (s) {
        case Shell::K: return 2;
        case Shell::L1: return 2;
        case Shell::L2: return 2;
        case Shell::L3: return 4;
        case Shell::M4: return 4;
        case Shell::M5: return 6;
        default: return 2;
    }
}

double materialStoppingKeVcm2g(const Material& m, double energyKeV) {
    double s = 0;
    for (const Component& c : m.components) s += c.massFraction * betheJoyLuoStoppingKeVcm2g(c.z, energyKeV);
    return s;
}

struct LineGroup {
    const char* name;
    Line members[2];
    int count;
};
constexpr LineGroup kGroups[] = {{"Kα", {Line::Ka1, Line::Ka2}, 2}, {"Kβ", {Line::Kb1, Line::Kb3}, 2},
                                 {"Lα", {Line::La1, Line::La2}, 2}, {"Lβ", {Line::Lb1, Line::Lb1}, 1},
                                 {"Ll", {Line::Ll, Line::Ll}, 1},   {"Mα", {Line::Ma1, Line::Ma2}, 2},
                                 {"Mβ", {Line::Mb, Line::Mb}, 1}};

// Adds a Gaussian of `counts` at an energy to the channels.
void addGaussian(std::vector<double>& channels, double counts, double energyKeV, double fwhmEv) {
    const double sigmaKeV = fwhmEv / kEvPerKeV / kFwhmPerSigma;
    const int first = std::max(0, int((energyKeV - kGaussReachSigma * sigmaKeV) / kChannelKeV));
    const int last = std::min(int(channels.size()) - 1, int((energyKeV + kGaussReachSigma * sigmaKeV) / kChannelKeV));
    auto cumulative = [&](double keV) { return 0.5 * std::erfc(-(keV - energyKeV) / (sigmaKeV * std::sqrt(2.0))); };
    for (int i = first; i <= last; ++i)
        channels[size_t(i)] += counts * (cumulative((i + 1) * kChannelKeV) - cumulative(i * kChannelKeV));
}
}  // namespace

Detector siLiBerylliumDetector() {
    Detector d;
    d.name = "Si(Li), Berylliumfenster 8 µm";
    d.layers = {{elementMaterial(4), 8}, {elementMaterial(79), 0.02}, {elementMaterial(kSilicon), 0.1}};
    d.crystalUm = 3000;
    d.fwhmMnKaEv = 129;
    d.solidAngleSr = kSolidAngleSr;
    return d;
}

Detector sddPolymerDetector() {
    Detector d;
    d.name = "SDD, Polymerfenster";
    d.layers = {{polyimide(), 0.3}, {elementMaterial(13), 0.04}, {elementMaterial(kSilicon), 0.03}};
    d.openFraction = 0.77;
    d.crystalUm = 450;
    d.fwhmMnKaEv = 125;
    d.solidAngleSr = kSolidAngleSr;
    return d;
}

double detectorEfficiency(const Detector& d, double energyKeV) {
    double t = d.openFraction;
    for (const DetectorLayer& l : d.layers)
        t *= std::exp(-massAttenuationCm2g(l.material, energyKeV) * l.material.densityGcm3 * l.thicknessUm * kCmPerUm);
    const double si = massAttenuationCm2g(kSilicon, energyKeV) * elementDensityGcm3(kSilicon);
    return t * (1 - std::exp(-si * d.crystalUm * kCmPerUm));
}

double fanoFwhmEv(const Detector& d, double energyKeV) {
    const double mnKaEv = lineEnergyKeV(kManganese, Line::Ka1) * kEvPerKeV;
    const double statistics = kFwhmPerSigma * kFwhmPerSigma * kFano * kPairEnergyEv;  // 8 ln 2 F ε
    const double noiseSquared = d.fwhmMnKaEv * d.fwhmMnKaEv - statistics * mnKaEv;
    return std::sqrt(noiseSquared + statistics * energyKeV * kEvPerKeV);
}

double ionisationCrossSectionCm2(int electronsInShell, double edgeKeV, double energyKeV) {
    constexpr double kBetheQ = 6.51e-20, kB = 0.35, kC = 1;
    const double u = energyKeV / edgeKeV;
    if (u <= 1) return 0;
    return kBetheQ * electronsInShell * kB * std::log(kC * u) / (u * edgeKeV * edgeKeV);
}

double ionisationsPerElectron(const Material& m, int z, Shell s, double beamKeV) {
    const double edge = edgeEnergyKeV(z, s);
    if (edge <= 0 || beamKeV <= edge) return 0;
    double w = 0;
    for (const Component& c : m.components)
        if (c.z == z) w += c.massFraction;
    // Trapezoids over the energy from the edge to the beam energy.
    const double h = (beamKeV - edge) / kIntegrationSteps;
    double sum = 0;
    for (int i = 0; i <= kIntegrationSteps; ++i) {
        const double e = edge + i * h;
        const double f = ionisationCrossSectionCm2(electronsInShell(s), edge, e) / materialStoppingKeVcm2g(m, e);
        sum += (i == 0 || i == kIntegrationSteps) ? f / 2 : f;
    }
    return kAvogadro * w / atomicWeight(z) * sum * h;
}

double kramersContinuumPerKeVsr(double meanZ, double beamKeV, double energyKeV) {
    constexpr double kKramers = 2.76e-6;
    if (energyKeV >= beamKeV || energyKeV <= 0) return 0;
    return kKramers * meanZ * (beamKeV - energyKeV) / energyKeV / (4 * kPi);
}

double absorptionFactor(const Material& m, double photonKeV, double edgeKeV, double beamKeV) {
    const double chi = massAttenuationCm2g(m, photonKeV) / std::sin(degToRad(kTakeOffDeg));
    const double sigma = 4.5e5 / (std::pow(beamKeV, 1.65) - std::pow(edgeKeV, 1.65));
    double h = 0;
    for (const Component& c : m.components) h += c.massFraction * 1.2 * atomicWeight(c.z) / (double(c.z) * c.z);
    const double x = 1 + chi / sigma;
    return (1 + h) / (x * (1 + h * x));
}

double siliconEscapeFraction(double energyKeV) {
    const double edge = edgeEnergyKeV(kSilicon, Shell::K);
    if (energyKeV <= edge) return 0;
    const double jump = massAttenuationCm2g(kSilicon, edge * 1.001) / massAttenuationCm2g(kSilicon, edge * 0.999);
    const double muKa = massAttenuationCm2g(kSilicon, lineEnergyKeV(kSilicon, Line::Ka1));
    const double muE = massAttenuationCm2g(kSilicon, energyKeV);
    return 0.5 * fluorescenceYield(kSilicon, Shell::K) * (1 - 1 / jump) * (1 - muKa / muE * std::log(1 + muE / muKa));
}

std::string Peak::label() const { return std::string(elementSymbol(z)) + " " + line; }

ExpectedSpectrum expectedSpectrum(const EdxSettings& s) {
    ExpectedSpectrum out;
    const int channels = std::max(1, int(std::lround(s.beamKeV / kChannelKeV)));
    out.countsPerS.assign(size_t(channels), 0);
    out.continuumPerS.assign(size_t(channels), 0);
    const double electronsPerS = s.currentNA * 1e-9 / kElementaryChargeC;
    const double perElectron = electronsPerS * s.detector.solidAngleSr;
    const double escapeKeV = lineEnergyKeV(kSilicon, Line::Ka1);
    // The continuum.
    const double meanZ = meanAtomicNumber(s.material);
    for (int i = 0; i < channels; ++i) {
        const double e = (i + 0.5) * kChannelKeV;
        if (e < kLowestPhotonKeV) continue;
        const double rate = kramersContinuumPerKeVsr(meanZ, s.beamKeV, e) * kChannelKeV * perElectron *
                            absorptionFactor(s.material, e, e, s.beamKeV) * detectorEfficiency(s.detector, e);
        out.continuumPerS[size_t(i)] = rate;
        out.countsPerS[size_t(i)] = rate;
    }
    // The lines, by groups.
    for (const Component& c : s.material.components) {
        for (const LineGroup& g : kGroups) {
            const Shell shell = lineShell(g.members[0]);
            const double generated = ionisationsPerElectron(s.material, c.z, shell, s.beamKeV);
            if (generated <= 0) continue;
            const double yield = fluorescenceYield(c.z, shell);
            const double edge = edgeEnergyKeV(c.z, shell);
            Peak peak;
            peak.z = c.z;
            peak.line = g.name;
            double weight = 0;
            for (int k = 0; k < g.count; ++k) {
                const Line l = g.members[k];
                const double e = lineEnergyKeV(c.z, l);
                const double rate = radiativeRate(c.z, l);
                if (e < kLowestPhotonKeV || e >= s.beamKeV || rate <= 0) continue;
                const double emitted = generated * yield * rate / (4 * kPi) * perElectron *
                                       absorptionFactor(s.material, e, edge, s.beamKeV) *
                                       detectorEfficiency(s.detector, e);
                const double escape = siliconEscapeFraction(e);
                addGaussian(out.countsPerS, emitted * (1 - escape), e, fanoFwhmEv(s.detector, e));
                if (escape > 0) addGaussian(out.countsPerS, emitted * escape, e - escapeKeV, fanoFwhmEv(s.detector, e - escapeKeV));
                peak.countsPerS += emitted * (1 - escape);
                peak.energyKeV += e * rate;
                weight += rate;
            }
            if (weight <= 0 || peak.countsPerS <= 0) continue;
            peak.energyKeV /= weight;
            peak.fwhmEv = fanoFwhmEv(s.detector, peak.energyKeV);
            out.peaks.push_back(peak);
        }
    }
    std::stable_sort(out.peaks.begin(), out.peaks.end(),
                     [](const Peak& a, const Peak& b) { return a.countsPerS > b.countsPerS; });
    return out;
}

long poissonCount(Random& random, double mean) {
    constexpr double kKnuthLimit = 30;
    if (mean <= 0) return 0;
    if (mean < kKnuthLimit) {
        const double limit = std::exp(-mean);
        long k = 0;
        double p = random.uniform();
        while (p > limit) {
            ++k;
            p *= random.uniform();
        }
        return k;
    }
    // Box-Muller for the normal deviate.
    const double u1 = random.uniformOpen(), u2 = random.uniform();
    const double normal = std::sqrt(-2 * std::log(u1)) * std::cos(2 * kPi * u2);
    return std::max(0L, long(std::floor(mean + std::sqrt(mean) * normal + 0.5)));
}

}  // namespace physics

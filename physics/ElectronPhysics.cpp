#include "physics/ElectronPhysics.h"

#include <cmath>

#include "physics/XrayData.h"

namespace physics {

double meanIonisationPotentialKeV(int z) { return (9.76 * z + 58.5 * std::pow(double(z), -0.19)) * 1e-3; }

double joyLuoFactor(int z) { return 0.731 + 0.0688 * std::log10(double(z)); }

double betheJoyLuoStoppingKeVcm2g(int z, double energyKeV) {
    // Bethe's constant 2π e⁴ N_A in keV² cm²/g, and 1.166 = √(e/2).
    constexpr double kBethe = 78500, kLogFactor = 1.166;
    const double j = meanIonisationPotentialKeV(z);
    return kBethe * z / (atomicWeight(z) * energyKeV) * std::log(kLogFactor * (energyKeV + joyLuoFactor(z) * j) / j);
}

double kanayaOkayamaRangeUm(double atomicWeight, double atomicNumber, double densityGcm3, double energyKeV) {
    return 0.0276 * atomicWeight * std::pow(energyKeV, 1.67) / (std::pow(atomicNumber, 0.889) * densityGcm3);
}

double browningElasticCm2(int z, double energyKeV) {
    const double z17 = std::pow(double(z), 1.7), root = std::sqrt(energyKeV);
    return 3.0e-18 * z17 / (energyKeV + 0.005 * z17 * root + 0.0007 * double(z) * z / root);
}

double reuterBackscatter(double z) { return -0.0254 + 0.016 * z - 1.86e-4 * z * z + 8.3e-7 * z * z * z; }

double arnalBackscatter(double z, double tiltRad) { return std::pow(1 + std::cos(tiltRad), -9 / std::sqrt(z)); }

}  // namespace physics

// The formulas of electron scattering in a solid that the Monte Carlo simulation and the spectra
// use. Energies in keV, lengths as named, cross-sections in cm².
#pragma once

namespace physics {

constexpr double kAvogadro = 6.02214076e23;  // 1/mol

// Mean ionisation potential J (keV). Berger & Seltzer (1964): J = 9.76 Z + 58.5 Z^-0.19 eV.
double meanIonisationPotentialKeV(int z);

// Joy & Luo's (1989) low-energy factor k in J' = J / (1 + k J / E): k = 0.731 + 0.0688 log10 Z.
double joyLuoFactor(int z);

// Stopping power of one element, per mass fraction: −dE/d(ρs) in keV cm²/g. Bethe (1930) with
// Joy & Luo's (1989) correction: 78 500 Z / (A E) ln(1.166 (E + k J) / J).
double betheJoyLuoStoppingKeVcm2g(int z, double energyKeV);

// Kanaya & Okayama (1972) range: R = 0.0276 A E0^1.67 / (Z^0.889 ρ) µm.
double kanayaOkayamaRangeUm(double atomicWeight, double atomicNumber, double densityGcm3, double energyKeV);

// Browning et al. (1994) fit to Mott cross-sections, total elastic cross-section:
// σ = 3.0e-18 Z^1.7 / (E + 0.005 Z^1.7 √E + 0.0007 Z² / √E) cm².
double browningElasticCm2(int z, double energyKeV);

// Browning et al. (1994): screened-Rutherford and isotropic scattering in the ratio
// R = 300 E / Z + Z³ / (3e5 E) : 1.
inline double browningRutherfordRatio(int z, double zCubed, double energyKeV) {
    return 300.0 * energyKeV / z + zCubed / (3.0e5 * energyKeV);
}

// Browning et al. (1994): the screening parameter α = 7.0e-3 / E of the Rutherford part.
inline double browningScreening(double energyKeV) { return 7.0e-3 / energyKeV; }

// The cosine of a screened-Rutherford scattering angle for a uniform random number r in [0, 1):
// cos θ = 1 − 2 α r / (1 + α − r) (Joy 1995, eq. 3.10).
inline double screenedRutherfordCosine(double alpha, double r) { return 1 - 2 * alpha * r / (1 + alpha - r); }

// Backscatter coefficient at normal incidence, Reuter (1972):
// η = −0.0254 + 0.016 Z − 1.86e-4 Z² + 8.3e-7 Z³.
double reuterBackscatter(double z);

// Backscatter coefficient at a tilt θ from normal incidence, Arnal et al. (1969): η = (1 + cos θ)^(−9/√Z).
double arnalBackscatter(double z, double tiltRad);

}  // namespace physics

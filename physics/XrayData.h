// X-ray data of the elements H to Bi, taken from xraylib (tools/xraytables writes the table
// physics/XrayTables.inc from it): atomic weight, density, the edges and fluorescence yields of
// the K, L and M shells, the energies and radiative rates of the lines EDX spectra show, and
// mass attenuation coefficients. Everything else looks these up here by element and line.
#pragma once

#include <string>
#include <string_view>

namespace physics {

constexpr int kFirstElement = 1, kLastElement = 83;

enum class Shell { K, L1, L2, L3, M1, M2, M3, M4, M5 };
constexpr int kShellCount = 9;

// The lines in Siegbahn's names: Kα1 = K-L3, Kα2 = K-L2, Kβ1 = K-M3, Kβ3 = K-M2,
// Lα1 = L3-M5, Lα2 = L3-M4, Ll = L3-M1, Lβ1 = L2-M4, Mα1 = M5-N7, Mα2 = M5-N6, Mβ = M4-N6.
enum class Line { Ka1, Ka2, Kb1, Kb3, La1, La2, Ll, Lb1, Ma1, Ma2, Mb };
constexpr int kLineCount = 11;

// The shell whose vacancy a line fills.
Shell lineShell(Line l);
// "Kα1", "Lβ1", ...
const char* lineName(Line l);

bool knownElement(int z);
// "Fe" for 26; "" for an unknown number.
std::string_view elementSymbol(int z);
// 26 for "Fe" (exact spelling: first letter capital); 0 when there is no such element here.
int elementNumber(std::string_view symbol);
double atomicWeight(int z);
double elementDensityGcm3(int z);
// 0 when the shell does not exist or lies below 0.1 keV.
double edgeEnergyKeV(int z, Shell s);
double fluorescenceYield(int z, Shell s);
// 0 when the line does not exist for the element.
double lineEnergyKeV(int z, Line l);
// The line's share of the radiative transitions to its shell.
double radiativeRate(int z, Line l);
// Total mass attenuation coefficient (cm²/g) at a photon energy from 0.1 to 31 keV,
// interpolated log-log between the table's points and never across an edge.
double massAttenuationCm2g(int z, double energyKeV);

}  // namespace physics

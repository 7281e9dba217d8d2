#include "physics/XrayData.h"

#include <algorithm>
#include <cmath>

namespace physics {

namespace {

struct ElementRecord {
    int z;
    const char* symbol;
    double atomicWeight;
    double densityGcm3;
    double edgeKeV[kShellCount];
    double fluorYield[kShellCount];
    double lineKeV[kLineCount];
    double radRate[kLineCount];
    double edgeMu[kShellCount][2];  // below and above the edge, cm²/g
    double gridMu[160];
};

#include "physics/XrayTables.inc"

static_assert(XRAY_FIRST_Z == kFirstElement && XRAY_LAST_Z == kLastElement);
static_assert(XRAY_GRID_POINTS == 160);

const ElementRecord& record(int z) { return kElementRecords[z - kFirstElement]; }

double gridKeV(int i) {
    return XRAY_GRID_FIRST_KEV * std::pow(XRAY_GRID_LAST_KEV / XRAY_GRID_FIRST_KEV, double(i) / (XRAY_GRID_POINTS - 1));
}

double logLog(double e0, double mu0, double e1, double mu1, double e) {
    if (e1 <= e0 || mu0 <= 0 || mu1 <= 0) return mu0;
    const double t = std::log(e / e0) / std::log(e1 / e0);
    return std::exp(std::log(mu0) + t * (std::log(mu1) - std::log(mu0)));
}

constexpr Shell kLineShell[kLineCount] = {Shell::K,  Shell::K,  Shell::K,  Shell::K,  Shell::L3, Shell::L3,
                                          Shell::L3, Shell::L2, Shell::M5, Shell::M5, Shell::M4};
constexpr const char* kLineNames[kLineCount] = {"Kα1", "Kα2", "Kβ1", "Kβ3", "Lα1", "Lα2",
                                                "Ll",  "Lβ1", "Mα1", "Mα2", "Mβ"};

}  // namespace

Shell lineShell(Line l) { return kLineShell[static_cast<int>(l)]; }
const char* lineName(Line l) { return kLineNames[static_cast<int>(l)]; }

bool knownElement(int z) { return z >= kFirstElement && z <= kLastElement; }

std::string_view elementSymbol(int z) { return knownElement(z) ? record(z).symbol : ""; }

int elementNumber(std::string_view symbol) {
    for (int z = kFirstElement; z <= kLastElement; ++z)
        if (symbol == record(z).symbol) return z;
    return 0;
}

double atomicWeight(int z) { return record(z).atomicWeight; }
double elementDensityGcm3(int z) { return record(z).densityGcm3; }
double edgeEnergyKeV(int z, Shell s) { return record(z).edgeKeV[static_cast<int>(s)]; }
double fluorescenceYield(int z, Shell s) { return record(z).fluorYield[static_cast<int>(s)]; }
double lineEnergyKeV(int z, Line l) { return record(z).lineKeV[static_cast<int>(l)]; }
double radiativeRate(int z, Line l) { return record(z).radRate[static_cast<int>(l)]; }

double massAttenuationCm2g(int z, double energyKeV) {
    const ElementRecord& r = record(z);
    const double e = std::clamp(energyKeV, double(XRAY_GRID_FIRST_KEV), double(XRAY_GRID_LAST_KEV));
    const double step = std::log(XRAY_GRID_LAST_KEV / XRAY_GRID_FIRST_KEV) / (XRAY_GRID_POINTS - 1);
    const int i = std::clamp(int(std::log(e / XRAY_GRID_FIRST_KEV) / step), 0, XRAY_GRID_POINTS - 2);
    // The neighbours on the same side of every edge: a grid point or an edge's value.
    double e0 = gridKeV(i), mu0 = r.gridMu[i], e1 = gridKeV(i + 1), mu1 = r.gridMu[i + 1];
    for (int s = 0; s < kShellCount; ++s) {
        const double edge = r.edgeKeV[s];
        if (r.edgeMu[s][0] <= 0 || edge <= e0 || edge >= e1) continue;
        if (edge <= e) {
            e0 = edge;
            mu0 = r.edgeMu[s][1];
        } else {
            e1 = edge;
            mu1 = r.edgeMu[s][0];
        }
    }
    return logLog(e0, mu0, e1, mu1, e);
}

}  // namespace physics

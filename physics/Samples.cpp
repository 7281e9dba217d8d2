#include "physics/Samples.h"

namespace physics {

namespace {
// Densities of the alloys and compounds (g/cm³).
constexpr double kStainlessDensity = 7.9, kBrassDensity = 8.44, kCorundumDensity = 3.95, kCastIronDensity = 7.2,
                 kAlSi12Density = 2.65, kManganeseSulfideDensity = 3.99;
constexpr double kGoldLayerUm = 0.05;

Specimen bulk(const char* name, Material m) { return Specimen{name, std::move(m), {}, 0}; }
Material stainless() { return compoundMaterial({{26, 72}, {24, 18}, {28, 10}}, kStainlessDensity); }
Material brass() { return compoundMaterial({{29, 63}, {30, 37}}, kBrassDensity); }
// Al2O3 by mass: 2 · 26.98 / 101.96 aluminium.
Material corundum() { return compoundMaterial({{13, 52.93}, {8, 47.07}}, kCorundumDensity); }
}  // namespace

std::vector<Specimen> scatteringSpecimens() {
    std::vector<Specimen> s = {
        bulk("Kohlenstoff (C)", elementMaterial(6)),  bulk("Aluminium (Al)", elementMaterial(13)),
        bulk("Silicium (Si)", elementMaterial(14)),   bulk("Titan (Ti)", elementMaterial(22)),
        bulk("Chrom (Cr)", elementMaterial(24)),      bulk("Eisen (Fe)", elementMaterial(26)),
        bulk("Nickel (Ni)", elementMaterial(28)),     bulk("Kupfer (Cu)", elementMaterial(29)),
        bulk("Molybdän (Mo)", elementMaterial(42)),   bulk("Silber (Ag)", elementMaterial(47)),
        bulk("Wolfram (W)", elementMaterial(74)),     bulk("Gold (Au)", elementMaterial(79)),
        bulk("X5CrNi18-10", stainless()),             bulk("CuZn37 (Messing)", brass()),
        bulk("Al2O3 (Korund)", corundum()),
    };
    s.push_back(Specimen{"Gold 50 nm auf Silicium", elementMaterial(14), elementMaterial(79), kGoldLayerUm});
    return s;
}

std::vector<Specimen> edxSpecimens() {
    return {
        bulk("Eisen", elementMaterial(26)),
        bulk("Kupfer", elementMaterial(29)),
        bulk("X5CrNi18-10", stainless()),
        bulk("CuZn37 (Messing)", brass()),
        bulk("Gusseisen", compoundMaterial({{26, 93.6}, {6, 3.4}, {14, 2.5}, {25, 0.5}}, kCastIronDensity)),
        bulk("AlSi12", compoundMaterial({{13, 88}, {14, 12}}, kAlSi12Density)),
        bulk("Al2O3 (Korund)", corundum()),
        bulk("MnS-Einschluss", compoundMaterial({{25, 63.14}, {16, 36.86}}, kManganeseSulfideDensity)),
    };
}

}  // namespace physics

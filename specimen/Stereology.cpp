#include "specimen/Stereology.h"

#include <algorithm>
#include <cmath>

namespace specimen {

double leverRulePearliteShare(double carbonPct) {
    return std::clamp((carbonPct - kFerriteCarbonPct) / (kEutectoidCarbonPct - kFerriteCarbonPct), 0.0, 1.0);
}

double grainSizeFromInterceptMm(double meanInterceptMm) { return -3.2877 - 6.6439 * std::log10(meanInterceptMm); }

double grainSizeFromGrainsPerMm2(double grainsPerMm2) { return 3.321928 * std::log10(grainsPerMm2) - 2.954; }

double pointCountStandardError(double fraction, int points) {
    if (points <= 0) return 0;
    return std::sqrt(std::clamp(fraction, 0.0, 1.0) * (1 - std::clamp(fraction, 0.0, 1.0)) / points);
}

}  // namespace specimen

#include "specimen/Optics.h"

#include <algorithm>
#include <cmath>

namespace specimen {

namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr double kRayleighFactor = 0.61;
constexpr double kAirySigmaFactor = 0.21;
constexpr double kDiscToSigma = 0.5;  // a blur disc of radius r looks like a Gaussian of sigma r / 2
}  // namespace

double abbeLimitUm(double wavelengthUm, double na) { return kRayleighFactor * wavelengthUm / na; }

double spotSigmaUm(double wavelengthUm, double na) { return kAirySigmaFactor * wavelengthUm / na; }

double depthOfFieldUm(double wavelengthUm, double na, double objectiveMagnification) {
    return wavelengthUm / (na * na) + kDetectorResolutionUm / (objectiveMagnification * na);
}

double defocusSigmaUm(double defocusUm, double depthOfFieldUm, double na) {
    const double beyond = std::max(0.0, std::abs(defocusUm) - 0.5 * depthOfFieldUm);
    return kDiscToSigma * beyond * na / std::sqrt(1 - na * na);
}

double periodicContrast(double periodUm, double sigmaUm, double abbeLimitUm) {
    if (periodUm <= abbeLimitUm) return 0;
    const double mtf = std::exp(-2 * kPi * kPi * sigmaUm * sigmaUm / (periodUm * periodUm));
    // Just above the limit the detail fades in rather than switching on.
    return mtf * std::min(1.0, (periodUm - abbeLimitUm) / (0.15 * abbeLimitUm));
}

}  // namespace specimen

#include "specimen/Microscope.h"

#include <cmath>

#include "specimen/Optics.h"

namespace specimen {

double umPerPx(const Objective& o) { return kCameraUmPerPxAt1x / o.magnification; }

Viewing viewingFor(const Objective& o, double defocusUm) {
    Viewing v;
    v.umPerPx = umPerPx(o);
    v.abbeLimitUm = abbeLimitUm(kGreenLightUm, o.numericalAperture);
    const double spot = spotSigmaUm(kGreenLightUm, o.numericalAperture);
    const double dof = depthOfFieldUm(kGreenLightUm, o.numericalAperture, o.magnification);
    const double defocus = defocusSigmaUm(defocusUm, dof, o.numericalAperture);
    v.blurSigmaUm = std::sqrt(spot * spot + defocus * defocus);
    return v;
}

}  // namespace specimen

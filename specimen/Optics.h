// The light microscope's optics as formulas: resolution, depth of field, defocus and how
// much contrast a fine periodic detail keeps. Lengths in micrometres.
#pragma once

namespace specimen {

constexpr double kGreenLightUm = 0.55;        // the wavelength the eye sees best
constexpr double kDetectorResolutionUm = 10;  // smallest detail resolved in the intermediate image

// Smallest resolved distance of two points (Abbe 1873; Rayleigh's 0.61 lambda / NA).
double abbeLimitUm(double wavelengthUm, double numericalAperture);

// Gaussian sigma of the diffraction spot (Zhang, Zerubia & Olivo-Marin 2007: 0.21 lambda / NA).
double spotSigmaUm(double wavelengthUm, double numericalAperture);

// Depth of field: wave-optical part lambda / NA^2 plus the detector's share e / (M NA)
// (Berek 1927; as given by Spring & Davidson for microscope objectives).
double depthOfFieldUm(double wavelengthUm, double numericalAperture, double objectiveMagnification);

// Gaussian sigma of the blur when the specimen lies defocusUm from the focal plane: the cone
// of half-angle asin(NA) cuts a disc once the depth of field is left (geometric optics).
double defocusSigmaUm(double defocusUm, double depthOfFieldUm, double numericalAperture);

// Contrast kept by a periodic detail of this period under a Gaussian blur (its modulation
// transfer, exp(-2 pi^2 sigma^2 / d^2)), and none at all below the Abbe limit.
double periodicContrast(double periodUm, double sigmaUm, double abbeLimitUm);

}  // namespace specimen

// The virtual light microscope's objectives and camera, and what they make of a setting:
// the scale of a field and its blur.
#pragma once

#include "specimen/Specimen.h"

namespace specimen {

struct Objective {
    int magnification;
    double numericalAperture;
};

constexpr Objective kObjectives[] = {{5, 0.15}, {10, 0.30}, {20, 0.45}, {50, 0.80}, {100, 0.90}};
constexpr int kObjectiveCount = 5;
constexpr int kEyepieceMagnification = 10;
// The camera sees 5 µm per pixel through a 1x objective: 0.5 µm per pixel at 10x.
constexpr double kCameraUmPerPxAt1x = 5.0;

double umPerPx(const Objective& o);

// Scale and blur of a field with the specimen defocusUm off the focal plane.
Viewing viewingFor(const Objective& o, double defocusUm);

}  // namespace specimen

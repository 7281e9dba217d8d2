// The specimens of the electron-beam lab, with their German names.
#pragma once

#include <vector>

#include "physics/ElectronMC.h"

namespace physics {

// The scattering window's choice: twelve elements, the stainless steel, brass, corundum and
// 50 nm of gold on silicon.
std::vector<Specimen> scatteringSpecimens();
// The EDX window's choice (bulk specimens; "Eigene Zusammensetzung" is not among them).
std::vector<Specimen> edxSpecimens();

}  // namespace physics

// Austenitic chromium-nickel steel: grains, annealing twins, deformation
// martensite and chromium carbides on the grain boundaries.
#pragma once

#include <cstdint>
#include <vector>

#include "image.h"
#include "specimen/Twins.h"

namespace pg {

using specimen::TwinBand;

struct AusteniteOptions {
  bool deformation_martensite = false;
  bool carbides = false;
};

// Light micrograph (w x h, field field_um wide) of an etched austenitic steel.
Image austenite_micrograph(int w, int h, double field_um, uint64_t seed, const AusteniteOptions& opt);

}  // namespace pg

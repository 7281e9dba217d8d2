// Secondary-electron pictures of steel fracture surfaces.
#pragma once

#include <cstdint>

#include "image.h"

namespace pg {

// Each returns the micrograph alone (no strip, no bar), w x h pixels, for a
// field of view field_um wide.
Image fracture_fine_dimples(int w, int h, double field_um, uint64_t seed);  // austenitic steel
Image fracture_dimples(int w, int h, double field_um, uint64_t seed);       // ferritic steel, upper shelf
Image fracture_mixed(int w, int h, double field_um, uint64_t seed);         // transition region
Image fracture_cleavage(int w, int h, double field_um, uint64_t seed);      // lower shelf

}  // namespace pg

// Ferrite-pearlite microstructure of a normalised carbon steel.
#pragma once

#include <cstdint>

#include "image.h"
#include "specimen/Pearlite.h"

namespace pg {

using specimen::PearliteColony;

// Etched (nital) section of a normalised medium-carbon steel such as C45:
// light ferrite grains and dark lamellar pearlite colonies. Returns the
// light micrograph, w x h pixels showing a field field_um wide.
Image ferrite_pearlite(int w, int h, double field_um, uint64_t seed);

}  // namespace pg

// Macro section of an austenitic butt weld embedded in resin, polished and
// after etching.
#pragma once

#include <cstdint>

#include "image.h"

namespace pg {

// w x h picture of the embedded section; etched shows the weld beads with
// their columnar grains, the heat-affected zone and the base metal.
Image weld_section(int w, int h, bool etched, uint64_t seed);

}  // namespace pg

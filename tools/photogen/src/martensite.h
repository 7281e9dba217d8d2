// Quenched and tempered steel: tempered martensite.
#pragma once

#include <cstdint>

#include "image.h"

namespace pg {

// Etched section of a hardened and tempered medium-carbon steel: former
// austenite grains split into packets of parallel martensite needles, with a
// fine speckle of precipitated carbides. Light micrograph, w x h pixels over
// a field field_um wide.
Image tempered_martensite(int w, int h, double field_um, uint64_t seed);

}  // namespace pg

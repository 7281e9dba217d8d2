// Scanning-electron pictures of a polished and etched austenitic
// chromium-nickel-molybdenum-titanium steel with delta-ferrite stringers and
// a non-metallic inclusion: the same field in backscattered-electron (BSE)
// and secondary-electron (SE) contrast.
#pragma once

#include <cstdint>

#include "image.h"

namespace pg {

struct CrNiSemField {
  Image bse, se;
  // Where the labels should point, in output pixels.
  double inclusion_x = 0, inclusion_y = 0;
  double ferrite_x = 0, ferrite_y = 0;
};

CrNiSemField crni_sem_field(int w, int h, double field_um, uint64_t seed);

}  // namespace pg

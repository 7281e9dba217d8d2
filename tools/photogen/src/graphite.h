// Grey cast iron with lamellar graphite in a pearlitic matrix, seen in the
// scanning electron microscope (secondary electrons, deep-etched).
#pragma once

#include <cstdint>
#include <vector>

#include "image.h"
#include "specimen/Graphite.h"

namespace pg {

using specimen::Flake;
using specimen::grow_flakes;

// Signed distance to the nearest flake surface (negative inside), computed
// only within 'reach' pixels of a flake (elsewhere 'reach').
std::vector<float> flake_distance(const std::vector<Flake>& flakes, int w, int h, double reach);

Image grey_cast_iron(int w, int h, double field_um, uint64_t seed);

}  // namespace pg

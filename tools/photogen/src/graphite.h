// Grey cast iron with lamellar graphite in a pearlitic matrix, seen in the
// scanning electron microscope (secondary electrons, deep-etched).
#pragma once

#include <cstdint>
#include <vector>

#include "image.h"

namespace pg {

// A graphite flake: a tapered ribbon along a polyline, possibly branching.
struct Flake {
  std::vector<double> x, y, half;  // centre line and half-width at each point
};

// Grows flakes by a random walk of the direction; branches are separate
// flakes starting on their parent. Coordinates in pixels.
std::vector<Flake> grow_flakes(uint64_t seed, int w, int h, double px_per_um);

// Signed distance to the nearest flake surface (negative inside), computed
// only within 'reach' pixels of a flake (elsewhere 'reach').
std::vector<float> flake_distance(const std::vector<Flake>& flakes, int w, int h, double reach);

Image grey_cast_iron(int w, int h, double field_um, uint64_t seed);

}  // namespace pg

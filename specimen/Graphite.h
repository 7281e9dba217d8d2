// Graphite flakes of grey cast iron.
#pragma once

#include <cstdint>
#include <vector>

namespace specimen {

// A graphite flake: a tapered ribbon along a polyline, possibly branching.
struct Flake {
  std::vector<double> x, y, half;  // centre line and half-width at each point
};

// Grows flakes by a random walk of the direction; branches are separate
// flakes starting on their parent. Coordinates in pixels.
std::vector<Flake> grow_flakes(uint64_t seed, int w, int h, double px_per_um);

}  // namespace specimen

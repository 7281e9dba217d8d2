// Lamellar pearlite: colonies of parallel ferrite and cementite plates.
#pragma once

#include <cstdint>

namespace specimen {

// One pearlite colony: parallel ferrite and cementite lamellae with their own
// orientation, spacing and gentle bending.
struct PearliteColony {
  double nx = 1, ny = 0;    // lamella normal
  double spacing = 5;       // pixels
  double cementite = 0.16;  // apparent (etched) share of a period that looks dark
  double bend = 0.6;        // bending amplitude in periods
  double bend_scale = 60;   // pixels
  double etch = 1.0;        // darkness of the colony's etching
  uint64_t seed = 1;
  // Share (0..1) of point (x, y) covered by an (etched) cementite plate.
  double cementite_cover(double x, double y) const;
  // Reflectance before optical blurring at point (x, y), in [0, 1].
  double reflectance(double x, double y) const;
};

}  // namespace specimen

// Ductile (dimple) fracture surfaces as height fields.
//
// Each dimple is a spherical bowl centred on a site of a Laguerre
// tessellation with lognormal sizes; neighbouring bowls intersect in sharp
// rims. Some larger dimples hold the inclusion particle at which the void
// started.
#pragma once

#include "image.h"
#include "rng.h"

namespace pg {

struct DimpleParams {
  double median_diameter = 20;   // pixels
  double sigma = 0.45;           // log-sd of the dimple sizes
  double depth = 1.0;            // vertical scale of the bowls (1 = spherical)
  double sphere = 1.25;          // bowl radius over the site's nominal radius
  double inclusion_chance = 0.1; // share of larger dimples with a particle
  double warp = 0.12;            // irregularity of the dimple outlines, in median diameters
  double relief = 0.3;           // long-wave height variation of the rim network, in median diameters
};

// Heights in pixel units (negative into the dimples). If 'yield' is given,
// inclusion particles raise it (they charge and look bright).
Field dimple_heights(int w, int h, Rng& rng, const DimpleParams& p, Field* yield = nullptr);

}  // namespace pg

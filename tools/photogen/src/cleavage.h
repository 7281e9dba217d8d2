// Cleavage and mixed fracture surfaces as height fields.
//
// Every grain breaks along one flat, tilted cleavage plane. Steps between
// parallel cleavage planes (river lines) run along the local direction of
// crack growth and converge downstream, where they add up to larger steps.
// Where neighbouring facets meet, thin tear ridges stand up. In a mixed
// fracture some grains tore apart in a ductile way and are covered with
// dimples instead.
#pragma once

#include "dimples.h"
#include "image.h"
#include "rng.h"

namespace pg {

struct CleavageParams {
  double grain_diameter = 80;  // median, pixels
  double sigma = 0.4;
  double max_tilt_deg = 28;
  double flow_angle = 0.0;     // main direction of crack growth (radians, picture axes)
  double flow_spread = 0.7;    // standard deviation of the per-grain direction
  double river_spacing = 7;    // spacing of river lines at a grain's centre, pixels
  double step_height = 0.7;    // mean height of one river step, pixels
  double convergence = 1.0;    // how strongly river lines converge across a grain
  double ridge = 1.2;          // height of the tear ridges at grain boundaries
  double crack_chance = 0.04;  // share of grain boundaries opened as secondary cracks
  double ductile_share = 0.0;  // share of grains with dimple rupture instead
  DimpleParams ductile;        // the dimples of those grains
};

Field cleavage_heights(int w, int h, Rng& rng, const CleavageParams& p, Field* yield = nullptr);

// The river-step height of one facet at local coordinates, exposed for tests:
// u along the crack direction, v across it, both relative to the grain
// centre and in units of the grain radius.
struct RiverFacet {
  double kappa = 1.0;
  double spacing = 0.1;  // line spacing at the centre, in grain radii
  double step = 0.02;    // mean step, in grain radii
  uint64_t seed = 1;
  int k_max = 0;
  std::vector<double> prefix;  // cumulative step heights, index k + k_max
  // Line index of the river through (u, v) (constant along each line).
  double line_coordinate(double u, double v) const;
  double height(double u, double v, double pixel) const;
  void build(double reach);
  double step_of(int64_t k) const;
};

}  // namespace pg

#include "fractography.h"

#include "cleavage.h"
#include "dimples.h"
#include "sem.h"

namespace pg {

namespace {
// Heights are made at twice the resolution and the signal averaged down, so
// that sharp rims and steps do not alias.
constexpr int kSuper = 2;

// Detector settings for the faceted surfaces: strong orientation contrast,
// compressed so that the steep ridges do not swallow the facets.
SeParams facet_se(double px_um) {
  SeParams se;
  se.facing = 0.9;
  se.edge = 0.1;
  se.edge_radius = 2.0;
  se.cavity_radius = 8 * px_um;
  se.tilt_power = 0.7;
  se.max_tilt_gain = 2.5;
  return se;
}

// Detector settings for dimpled surfaces: walls facing the detector light
// up, the far side of each cup lies in the rim's shadow, rims glow.
SeParams dimple_se(double median) {
  SeParams se;
  se.facing = 0.7;
  se.edge = 0.3;
  se.edge_radius = 2.0;
  se.cavity = 0.025;
  se.cavity_radius = 0.4 * median;
  se.shadow = 0.5;
  se.shadow_reach = median;
  return se;
}

ScanParams facet_scan() {
  ScanParams sp;
  sp.low_q = 0.005;
  sp.high_q = 0.97;
  sp.black = 0.12f;
  sp.gamma = 0.85;
  return sp;
}

Image finish(Field se, int w, int h, Rng& rng, const ScanParams& sp) {
  Field f = resize_area(se, w, h);
  finish_scan(f, rng, sp);
  return grey_image(f);
}
}  // namespace

namespace {
// A dimple fracture: large dimples with finer secondary dimples on their walls.
struct DimpleRecipe {
  double median_um;       // diameter of the large dimples
  double sigma;           // lognormal spread of their sizes
  double inclusion_chance;
  double relief;
  double fine_median_um;  // the secondary dimples
  double fine_sigma;
  double fine_depth;
  double noise;           // shot noise of the scan
};

Image dimple_fracture(int w, int h, double field_um, uint64_t seed, const DimpleRecipe& r) {
  Rng rng(seed);
  const double px_um = kSuper * w / field_um;
  DimpleParams dp;
  dp.median_diameter = r.median_um * px_um;
  dp.sigma = r.sigma;
  dp.inclusion_chance = r.inclusion_chance;
  dp.relief = r.relief;
  Field yield(kSuper * w, kSuper * h, 1.0f);
  Field z = dimple_heights(kSuper * w, kSuper * h, rng, dp, &yield);
  DimpleParams fine = dp;
  fine.median_diameter = r.fine_median_um * px_um;
  fine.sigma = r.fine_sigma;
  fine.depth = r.fine_depth;
  fine.inclusion_chance = 0;
  fine.relief = 0;
  const Field z2 = dimple_heights(kSuper * w, kSuper * h, rng, fine);
  for (size_t i = 0; i < z.data().size(); ++i) z.data()[i] += z2.data()[i];
  const Field s = render_se(z, dimple_se(dp.median_diameter), &yield);
  ScanParams sp;
  sp.noise = r.noise;
  sp.gamma = 0.75;
  sp.black = 0.07f;
  return finish(s, w, h, rng, sp);
}
}  // namespace

Image fracture_fine_dimples(int w, int h, double field_um, uint64_t seed) {
  return dimple_fracture(w, h, field_um, seed, DimpleRecipe{2.2, 0.42, 0.05, 0.5, 0.7, 0.42, 0.35, 0.06});
}

Image fracture_dimples(int w, int h, double field_um, uint64_t seed) {
  return dimple_fracture(w, h, field_um, seed,
                         DimpleRecipe{14, 0.6, 0.12, 0.6, 4, 0.4, 0.3, ScanParams{}.noise});
}

Image fracture_mixed(int w, int h, double field_um, uint64_t seed) {
  Rng rng(seed);
  const double px_um = kSuper * w / field_um;
  CleavageParams cp;
  cp.grain_diameter = 40 * px_um;
  cp.river_spacing = 2.5 * px_um;
  cp.step_height = 0.5 * kSuper;
  cp.ductile_share = 0.35;
  cp.ductile.median_diameter = 7 * px_um;
  cp.ductile.sigma = 0.5;
  cp.ductile.relief = 0.2;
  cp.ductile.inclusion_chance = 0.15;
  cp.ridge = 2.0 * kSuper;
  cp.flow_angle = 0.3;
  Field yield(kSuper * w, kSuper * h, 1.0f);
  const Field z = cleavage_heights(kSuper * w, kSuper * h, rng, cp, &yield);
  const Field s = render_se(z, facet_se(px_um), &yield);
  return finish(s, w, h, rng, facet_scan());
}

Image fracture_cleavage(int w, int h, double field_um, uint64_t seed) {
  Rng rng(seed);
  const double px_um = kSuper * w / field_um;
  CleavageParams cp;
  cp.grain_diameter = 28 * px_um;
  cp.river_spacing = 2.5 * px_um;
  cp.step_height = 1.2 * kSuper;
  cp.ridge = 1.0 * kSuper;
  cp.max_tilt_deg = 35;
  cp.flow_angle = 0.2;
  const Field z = cleavage_heights(kSuper * w, kSuper * h, rng, cp);
  const Field s = render_se(z, facet_se(px_um));
  return finish(s, w, h, rng, facet_scan());
}

}  // namespace pg

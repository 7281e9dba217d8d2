// Light-microscope image formation for etched metallographic sections.
#pragma once

#include <cmath>
#include <cstdint>

#include "image.h"
#include "rng.h"
#include "tessellation.h"

namespace pg {

struct OpticsParams {
  double psf_sigma_um = 0.18;           // optical resolution (Gaussian sigma)
  Rgb lamp = Rgb(1.0f, 0.93f, 0.80f);   // warm halogen illumination (white balance not corrected)
  double exposure = 1.05;
  double vignette = 0.28;
  double noise = 0.012;
};

// From a reflectance image made at 'super' times the output resolution to the
// camera picture: blur to the optical resolution, average down, lamp colour,
// vignetting, sensor noise.
Image optical_capture(Image reflectance, int w, int h, double px_per_um_out, int super, Rng& rng,
                      const OpticsParams& p);

// Depth (0..1) of the etched groove at distance d (pixels) from a boundary,
// for a groove of half-width 'width'.
inline double groove(double d, double width) {
  const double t = d / width;
  return t > 4 ? 0.0 : std::exp(-t * t);
}

// Per-boundary etching strength: the same for both sides of a boundary,
// varying between boundaries and slowly along each one.
double boundary_strength(uint64_t seed, int a, int b, double x, double y, double scale);

// Grain map through a gentle distortion, so boundaries are not ruler-straight.
CellMap warped_cells(const Tessellation& t, int w, int h, uint64_t seed, double amplitude, double scale);

}  // namespace pg

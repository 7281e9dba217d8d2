// Scanning-electron image formation from a surface height field.
//
// The secondary-electron signal rises with the tilt of the surface (about
// 1/cos of the angle between the surface normal and the beam), is brighter on
// slopes that face the detector and at sharp convex edges, from which more
// electrons escape, and weaker at the bottom of cavities and where the
// surface between the spot and the detector blocks the way.
#pragma once

#include "image.h"
#include "rng.h"

namespace pg {

struct SeParams {
  double detector_x = -0.6, detector_y = -0.8;  // direction to the detector in the picture plane
  double detector_elevation_deg = 30;           // elevation used for the shadow test
  double tilt_power = 1.0;                      // exponent on 1/cos(tilt)
  double max_tilt_gain = 6.0;
  double facing = 0.3;         // gain of slopes facing the detector
  double edge = 0.25;          // brightening per pixel of height above the local mean
  double edge_radius = 1.5;    // scale of what counts as an edge
  double cavity = 0.03;        // darkening per pixel of depth below the broad mean
  double cavity_radius = 14;   // scale of cavities
  double shadow = 0.35;        // depth of detector shadows
  double shadow_reach = 60;    // how far the shadow test looks, pixels
};

// Secondary-electron signal (about 1 on a flat surface) of a height field in
// pixel units. 'yield', if given, multiplies the signal per pixel (material).
Field render_se(const Field& height, const SeParams& p, const Field* yield = nullptr);

// Final steps of every SEM picture: contrast stretch, the beam's spot size
// (blur), shot noise of the detector and scan-line jitter. Returns grey
// values in [0, 1] (before clamping).
struct ScanParams {
  double low_q = 0.004, high_q = 0.996;  // quantiles mapped to black and white levels
  float black = 0.04f, white = 0.96f;
  double gamma = 1.0;
  double spot_sigma = 0.6;
  double noise = 0.05;
  double jitter_px = 0.25;
  double flicker = 0.006;
};
void finish_scan(Field& f, Rng& rng, const ScanParams& p);

// Grey field to a neutral image.
Image grey_image(const Field& f);

}  // namespace pg

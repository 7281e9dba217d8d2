// Annealing twins: straight lamellae across a grain of austenite.
#pragma once

namespace specimen {

// A twin lamella: the band |p.n - offset| < width/2 of its grain, optionally
// ending inside the grain where p.t passes 'end' (t = n rotated by 90 degrees).
struct TwinBand {
  double nx = 1, ny = 0;
  double offset = 0, width = 1;
  bool partial = false;
  double end = 0;
  double tone = 0.7;
  // Coverage (0..1, anti-aliased over one pixel) of point (x, y).
  double coverage(double x, double y) const;
  // Distance from (x, y) to the nearest long edge of the band.
  double edge_distance(double x, double y) const;
};

}  // namespace specimen

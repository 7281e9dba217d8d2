// Building blocks of the instrument illustrations: shaded boxes, cylinders,
// cones, knobs, cables and screens in a common oblique view (depth goes to
// the upper right) under a light from the upper left front.
#pragma once

#include "draw.h"

namespace pg {

// Depth direction of the oblique view per unit of depth.
constexpr double kDepthX = 0.5, kDepthY = -0.38;

// Box with its front face (x0, y0)-(x1, y1) and the given depth: front, top
// and right side are drawn, each with its own shading.
void box(Canvas& c, double x0, double y0, double x1, double y1, double depth, const Material& m);

// Upright cylinder: axis vertical at cx from y_top to y_bottom (centres of
// the end ellipses), radius r, ellipse ratio k (view from slightly above).
void upright_cylinder(Canvas& c, double cx, double y_top, double y_bottom, double r, const Material& m,
                      double k = 0.3);
// Upright cone frustum with radii r_top and r_bottom.
void upright_cone(Canvas& c, double cx, double y_top, double y_bottom, double r_top, double r_bottom,
                  const Material& m, double k = 0.3);
// Cylinder along any axis a->b seen from the side; the end at b shows its
// face as an ellipse of the given openness (0 = edge on, 1 = circle).
void side_cylinder(Canvas& c, P a, P b, double r, const Material& m, double openness = 0.35,
                   const Material* end_face = nullptr);
// Cone frustum along a->b with radii ra and rb.
void side_cone(Canvas& c, P a, P b, double ra, double rb, const Material& m);
// Round knob seen face on, with a ring of grip ridges.
void knob(Canvas& c, double cx, double cy, double r, const Material& m);
// Flexible cable or hose along a cubic curve.
void cable(Canvas& c, P a, P b, P cc, P d, double width, const Rgb& colour);
// Flat screen showing a picture, with a bezel of the given material.
void monitor(Canvas& c, double x0, double y0, double x1, double y1, const Image& content, const Material& bezel);
// Soft shadow on the floor or a table.
void floor_shadow(Canvas& c, double cx, double cy, double rx, double ry, float strength = 0.35f);

// Common materials.
Material painted(const Rgb& c, double gloss = 0.3);
Material metal(const Rgb& c, double gloss = 0.8);

}  // namespace pg

// Vector drawing for the instrument illustrations: filled polygons with
// per-point shading, rendered with supersampling.
#pragma once

#include <functional>
#include <vector>

#include "image.h"

namespace pg {

struct P {
  double x = 0, y = 0;
};
using Poly = std::vector<P>;

struct Paint {
  Rgb c;
  float a = 1.0f;
};
// Colour of a point of a shape, in picture coordinates.
using Shader = std::function<Paint(double x, double y)>;

class Canvas {
 public:
  Canvas(int w, int h, int supersample, Rgb background);
  int width() const { return w_; }
  int height() const { return h_; }

  // Fills with the non-zero winding rule; several contours fill as one
  // shape (opposite orientation makes holes).
  void fill(const std::vector<Poly>& contours, const Shader& s);
  void fill(const Poly& poly, const Shader& s) { fill(std::vector<Poly>{poly}, s); }
  void fill(const Poly& poly, const Rgb& c, float a = 1.0f);
  // A polyline of the given width with round joins and ends.
  void stroke(const Poly& line, double width, const Shader& s);
  void stroke(const Poly& line, double width, const Rgb& c, float a = 1.0f);
  // Places an image into the rectangle (x, y, w, h).
  void blit(const Image& img, double x, double y, double w, double h);
  // Averages the samples down to the output picture.
  Image resolve() const;

 private:
  int w_, h_, ss_;
  Image buf_;
};

// ---- shapes
Poly rect(double x0, double y0, double x1, double y1);
Poly rounded_rect(double x0, double y0, double x1, double y1, double r);
Poly ellipse(double cx, double cy, double rx, double ry, double angle = 0.0);
// Part of an ellipse from angle a0 to a1 (radians, picture orientation).
Poly ellipse_arc(double cx, double cy, double rx, double ry, double a0, double a1);
Poly cubic(P a, P b, P c, P d, int steps = 48);
Poly reversed(Poly p);

// ---- shading
struct Vec3 {
  double x = 0, y = 0, z = 1;
};
Vec3 normalize(Vec3 v);

struct Material {
  Rgb base;
  double metal = 0.0;  // 0 painted, 1 polished metal reflecting the room
  double gloss = 0.3;  // highlight strength
};

// Lit colour of a surface with normal n (x right, y down, z towards the
// viewer) under the illustrations' common light from the upper left front.
Rgb shade(const Material& m, Vec3 n);

Shader solid(const Rgb& c, float a = 1.0f);
Shader linear(P a, const Rgb& ca, P b, const Rgb& cb);
// Flat face with a normal, slightly darkened along a direction for depth.
Shader face(const Material& m, Vec3 n, P from = {0, 0}, P to = {0, 0}, double falloff = 0.0);
// Round surface around the axis a->b with the given radius (cylinders,
// cones when radius_b differs).
Shader round_across(const Material& m, P a, P b, double radius_a, double radius_b);
// Soft dark patch fading out at the ellipse rim (shadows on the floor).
Shader shadow(double cx, double cy, double rx, double ry, float strength);

}  // namespace pg

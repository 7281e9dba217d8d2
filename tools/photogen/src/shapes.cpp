#include "shapes.h"

#include <algorithm>
#include <cmath>

namespace pg {

Material painted(const Rgb& c, double gloss) { return Material{c, 0.0, gloss}; }
Material metal(const Rgb& c, double gloss) { return Material{c, 1.0, gloss}; }

void box(Canvas& c, double x0, double y0, double x1, double y1, double depth, const Material& m) {
  const double dx = kDepthX * depth, dy = kDepthY * depth;
  // Top face, lit most; side face, in shade; front face, slightly darker at the bottom.
  c.fill({{x0, y0}, {x0 + dx, y0 + dy}, {x1 + dx, y0 + dy}, {x1, y0}}, face(m, {0, -0.9, 0.45}, {x0, y0}, {x0 + dx, y0 + dy}, 0.08));
  c.fill({{x1, y0}, {x1 + dx, y0 + dy}, {x1 + dx, y1 + dy}, {x1, y1}}, face(m, {0.9, 0, 0.45}, {x1, y0}, {x1, y1}, 0.15));
  c.fill(rect(x0, y0, x1, y1), face(m, {0, 0, 1}, {x0, y0}, {x0, y1}, 0.12));
  // Light edge where front meets top.
  c.stroke({{x0, y0}, {x1, y0}}, 1.2, shade(m, {0, -0.7, 0.7}) * 1.15f, 0.7f);
}

void upright_cylinder(Canvas& c, double cx, double y_top, double y_bottom, double r, const Material& m, double k) {
  upright_cone(c, cx, y_top, y_bottom, r, r, m, k);
}

void upright_cone(Canvas& c, double cx, double y_top, double y_bottom, double rt, double rb, const Material& m,
                  double k) {
  Poly body = ellipse_arc(cx, y_bottom, rb, rb * k, 0, 3.14159265358979);
  Poly topl = ellipse_arc(cx, y_top, rt, rt * k, 6.283185307179586, 3.14159265358979);
  // Outline: front half of the bottom from left to right, up the right side,
  // back half of the top from right to left, down the left side.
  Poly outline(body.rbegin(), body.rend());
  outline.insert(outline.end(), topl.begin(), topl.end());
  // Round across the vertical axis: the normal turns from left to right.
  c.fill(outline, [=](double x, double y) {
    const double t = std::clamp((y - y_top) / std::max(1e-9, y_bottom - y_top), 0.0, 1.0);
    const double r = rt + (rb - rt) * t;
    const double u = std::clamp((x - cx) / std::max(r, 1e-9), -1.0, 1.0);
    const double slope = (rb - rt) / std::max(1e-9, y_bottom - y_top);
    const double nz = std::sqrt(std::max(0.0, 1 - u * u));
    return Paint{shade(m, {u, -slope * nz * 0.8, nz}), 1.0f};
  });
  c.fill(ellipse(cx, y_top, rt, rt * k), face(m, {0, -0.85, 0.5}));
  c.stroke(ellipse_arc(cx, y_top, rt, rt * k, 0, 3.14159265358979), 1.0, shade(m, {0, 0.3, 1}) * 0.7f, 0.6f);
}

void side_cylinder(Canvas& c, P a, P b, double r, const Material& m, double openness, const Material* end_face) {
  side_cone(c, a, b, r, r, m);
  const double ang = std::atan2(b.y - a.y, b.x - a.x);
  c.fill(ellipse(b.x, b.y, r * openness, r, ang), face(end_face ? *end_face : m, {std::cos(ang), std::sin(ang), 0.6}));
}

void side_cone(Canvas& c, P a, P b, double ra, double rb, const Material& m) {
  const double dx = b.x - a.x, dy = b.y - a.y, len = std::max(1e-9, std::hypot(dx, dy));
  const double nx = -dy / len, ny = dx / len;
  Poly q = {{a.x + nx * ra, a.y + ny * ra}, {b.x + nx * rb, b.y + ny * rb}, {b.x - nx * rb, b.y - ny * rb},
            {a.x - nx * ra, a.y - ny * ra}};
  c.fill(q, round_across(m, a, b, ra, rb));
}

void knob(Canvas& c, double cx, double cy, double r, const Material& m) {
  c.fill(ellipse(cx, cy, r, r), [=](double x, double y) {
    const double u = (x - cx) / r, v = (y - cy) / r;
    const double q = std::min(1.0, u * u + v * v);
    // Grip ridges around the rim.
    const double ridge = q > 0.6 ? 0.5 + 0.5 * std::cos(std::atan2(v, u) * 36) : 1.0;
    const double nz = std::sqrt(1 - 0.7 * q);
    return Paint{shade(m, {u * 0.8, v * 0.8, nz}) * static_cast<float>(0.85 + 0.15 * ridge), 1.0f};
  });
  c.fill(ellipse(cx, cy, 0.55 * r, 0.55 * r), face(m, {-0.1, -0.1, 1}));
}

void cable(Canvas& c, P a, P b, P cc, P d, double width, const Rgb& colour) {
  const Poly line = cubic(a, b, cc, d, 64);
  c.stroke(line, width, colour * 0.55f);
  Poly hi = line;
  for (P& p : hi) {
    p.x -= 0.18 * width;
    p.y -= 0.22 * width;
  }
  c.stroke(hi, width * 0.45, colour);
  for (P& p : hi) {
    p.x -= 0.08 * width;
    p.y -= 0.08 * width;
  }
  c.stroke(hi, width * 0.12, lerp(colour, Rgb(1, 1, 1), 0.5f), 0.6f);
}

void monitor(Canvas& c, double x0, double y0, double x1, double y1, const Image& content, const Material& bezel) {
  const double b = 0.06 * std::min(x1 - x0, y1 - y0) + 4;
  c.fill(rounded_rect(x0, y0, x1, y1, 6), face(bezel, {0, 0, 1}, {x0, y0}, {x0, y1}, 0.2));
  c.blit(content, x0 + b, y0 + b, x1 - x0 - 2 * b, y1 - y0 - 2 * b);
  // Glass reflection.
  c.fill({{x0 + b, y0 + b}, {x0 + b + 0.45 * (x1 - x0), y0 + b}, {x0 + b + 0.2 * (x1 - x0), y1 - b}, {x0 + b, y1 - b}},
         solid(Rgb(1, 1, 1), 0.06f));
}

void floor_shadow(Canvas& c, double cx, double cy, double rx, double ry, float strength) {
  c.fill(ellipse(cx, cy, rx, ry), shadow(cx, cy, rx, ry, strength));
}

}  // namespace pg

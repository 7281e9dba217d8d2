#include "draw.h"

#include <algorithm>
#include <cmath>

namespace pg {

Canvas::Canvas(int w, int h, int ss, Rgb bg) : w_(w), h_(h), ss_(ss), buf_(w * ss, h * ss, bg) {}

void Canvas::fill(const std::vector<Poly>& contours, const Shader& s) {
  struct Edge {
    double x0, y0, x1, y1;
    int dir;
  };
  std::vector<Edge> edges;
  double ymin = 1e300, ymax = -1e300;
  for (const Poly& c : contours) {
    const size_t n = c.size();
    if (n < 3) continue;
    for (size_t i = 0; i < n; ++i) {
      const P a{c[i].x * ss_, c[i].y * ss_}, b{c[(i + 1) % n].x * ss_, c[(i + 1) % n].y * ss_};
      if (a.y == b.y) continue;
      if (a.y < b.y) edges.push_back({a.x, a.y, b.x, b.y, 1});
      else edges.push_back({b.x, b.y, a.x, a.y, -1});
      ymin = std::min({ymin, a.y, b.y});
      ymax = std::max({ymax, a.y, b.y});
    }
  }
  if (edges.empty()) return;
  const int W = buf_.width(), H = buf_.height();
  const int j0 = std::max(0, static_cast<int>(std::floor(ymin))), j1 = std::min(H - 1, static_cast<int>(std::ceil(ymax)));
  std::vector<std::pair<double, int>> xs;
  const double inv = 1.0 / ss_;
  for (int j = j0; j <= j1; ++j) {
    const double yc = j + 0.5;
    xs.clear();
    for (const Edge& e : edges)
      if (yc >= e.y0 && yc < e.y1) xs.push_back({e.x0 + (yc - e.y0) * (e.x1 - e.x0) / (e.y1 - e.y0), e.dir});
    if (xs.size() < 2) continue;
    std::sort(xs.begin(), xs.end());
    int wind = 0;
    for (size_t k = 0; k + 1 < xs.size(); ++k) {
      wind += xs[k].second;
      if (wind == 0) continue;
      const int i0 = std::max(0, static_cast<int>(std::ceil(xs[k].first - 0.5)));
      const int i1 = std::min(W, static_cast<int>(std::ceil(xs[k + 1].first - 0.5)));
      for (int i = i0; i < i1; ++i) {
        const Paint p = s((i + 0.5) * inv, yc * inv);
        buf_.blend(i, j, p.c, p.a);
      }
    }
  }
}

void Canvas::fill(const Poly& poly, const Rgb& c, float a) { fill(poly, solid(c, a)); }

namespace {
double signed_area(const Poly& p) {
  double a = 0;
  for (size_t i = 0; i < p.size(); ++i) {
    const P& u = p[i];
    const P& v = p[(i + 1) % p.size()];
    a += u.x * v.y - v.x * u.y;
  }
  return 0.5 * a;
}
}  // namespace

void Canvas::stroke(const Poly& line, double width, const Shader& s) {
  // Union of segment rectangles and joint discs as one shape, so that
  // translucent strokes are not painted twice where pieces overlap.
  std::vector<Poly> parts;
  const double r = 0.5 * width;
  for (size_t i = 0; i + 1 < line.size(); ++i) {
    const P a = line[i], b = line[i + 1];
    const double dx = b.x - a.x, dy = b.y - a.y, len = std::hypot(dx, dy);
    if (len <= 0) continue;
    const double nx = -dy / len * r, ny = dx / len * r;
    parts.push_back({{a.x + nx, a.y + ny}, {b.x + nx, b.y + ny}, {b.x - nx, b.y - ny}, {a.x - nx, a.y - ny}});
  }
  for (const P& p : line) parts.push_back(ellipse(p.x, p.y, r, r));
  // All pieces in one orientation, so that overlaps add up instead of cancelling.
  for (Poly& part : parts)
    if (signed_area(part) < 0) part = reversed(part);
  fill(parts, s);
}

void Canvas::stroke(const Poly& line, double width, const Rgb& c, float a) { stroke(line, width, solid(c, a)); }

void Canvas::blit(const Image& img, double x, double y, double w, double h) {
  const int i0 = std::max(0, static_cast<int>(std::floor(x * ss_))), i1 = std::min(buf_.width(), static_cast<int>(std::ceil((x + w) * ss_)));
  const int j0 = std::max(0, static_cast<int>(std::floor(y * ss_))), j1 = std::min(buf_.height(), static_cast<int>(std::ceil((y + h) * ss_)));
  for (int j = j0; j < j1; ++j)
    for (int i = i0; i < i1; ++i) {
      const double u = ((i + 0.5) / ss_ - x) / w, v = ((j + 0.5) / ss_ - y) / h;
      if (u < 0 || v < 0 || u >= 1 || v >= 1) continue;
      buf_(i, j) = img.sample(u * img.width(), v * img.height());
    }
}

Image Canvas::resolve() const { return resize_area(buf_, w_, h_); }

Poly rect(double x0, double y0, double x1, double y1) { return {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}}; }

Poly rounded_rect(double x0, double y0, double x1, double y1, double r) {
  r = std::min({r, 0.5 * (x1 - x0), 0.5 * (y1 - y0)});
  Poly p;
  const double pi = 3.14159265358979;
  auto corner = [&](double cx, double cy, double a0) {
    for (int k = 0; k <= 8; ++k) {
      const double a = a0 + k * (pi / 2) / 8;
      p.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
  };
  corner(x1 - r, y0 + r, -pi / 2);
  corner(x1 - r, y1 - r, 0);
  corner(x0 + r, y1 - r, pi / 2);
  corner(x0 + r, y0 + r, pi);
  return p;
}

Poly ellipse(double cx, double cy, double rx, double ry, double angle) {
  // Enough vertices that the chords stay within about 0.05 pixel of the curve.
  const int n = std::clamp(static_cast<int>(std::ceil(3.14159265358979 * std::sqrt(10 * std::max(rx, ry)))), 24, 360);
  Poly p;
  const double ca = std::cos(angle), sa = std::sin(angle);
  for (int k = 0; k < n; ++k) {
    const double t = 6.283185307179586 * k / n;
    const double ex = rx * std::cos(t), ey = ry * std::sin(t);
    p.push_back({cx + ex * ca - ey * sa, cy + ex * sa + ey * ca});
  }
  return p;
}

Poly ellipse_arc(double cx, double cy, double rx, double ry, double a0, double a1) {
  const int n = std::clamp(static_cast<int>(std::max(rx, ry) * std::abs(a1 - a0) / 3), 8, 160);
  Poly p;
  for (int k = 0; k <= n; ++k) {
    const double t = a0 + (a1 - a0) * k / n;
    p.push_back({cx + rx * std::cos(t), cy + ry * std::sin(t)});
  }
  return p;
}

Poly cubic(P a, P b, P c, P d, int steps) {
  Poly p;
  for (int k = 0; k <= steps; ++k) {
    const double t = static_cast<double>(k) / steps, u = 1 - t;
    p.push_back({u * u * u * a.x + 3 * u * u * t * b.x + 3 * u * t * t * c.x + t * t * t * d.x,
                 u * u * u * a.y + 3 * u * u * t * b.y + 3 * u * t * t * c.y + t * t * t * d.y});
  }
  return p;
}

Poly reversed(Poly p) {
  std::reverse(p.begin(), p.end());
  return p;
}

Vec3 normalize(Vec3 v) {
  const double l = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
  return l > 0 ? Vec3{v.x / l, v.y / l, v.z / l} : Vec3{0, 0, 1};
}

Rgb shade(const Material& m, Vec3 n) {
  n = normalize(n);
  const Vec3 L = normalize({-0.5, -0.62, 0.62});
  const Vec3 H = normalize({L.x, L.y, L.z + 1});
  const double diff = std::max(0.0, n.x * L.x + n.y * L.y + n.z * L.z);
  const double spec = std::pow(std::max(0.0, n.x * H.x + n.y * H.y + n.z * H.z), 30.0);
  const Rgb painted = m.base * static_cast<float>(0.38 + 0.72 * diff) + Rgb::grey(static_cast<float>(m.gloss * 0.5 * spec));
  if (m.metal <= 0) return painted;
  // Reflection of the view direction; the room is bright above and to the
  // left (windows, ceiling lights) and dark below.
  const double rx = 2 * n.z * n.x, ry = 2 * n.z * n.y;
  double env = 0.32 + 0.55 * smoothstep(-0.15, -0.75, rx) + 0.45 * smoothstep(0.05, -0.8, ry) - 0.22 * smoothstep(0.1, 0.8, ry);
  env += 0.25 * smoothstep(0.55, 0.9, rx);  // rim light from the right
  const Rgb metal = m.base * static_cast<float>(std::clamp(env, 0.05, 1.4)) + Rgb::grey(static_cast<float>(m.gloss * 0.6 * spec));
  return lerp(painted, metal, static_cast<float>(m.metal));
}

Shader solid(const Rgb& c, float a) {
  return [c, a](double, double) { return Paint{c, a}; };
}

Shader linear(P a, const Rgb& ca, P b, const Rgb& cb) {
  const double dx = b.x - a.x, dy = b.y - a.y, l2 = std::max(1e-12, dx * dx + dy * dy);
  return [=](double x, double y) {
    const double t = std::clamp(((x - a.x) * dx + (y - a.y) * dy) / l2, 0.0, 1.0);
    return Paint{lerp(ca, cb, static_cast<float>(t)), 1.0f};
  };
}

Shader face(const Material& m, Vec3 n, P from, P to, double falloff) {
  const Rgb c = shade(m, n);
  const double dx = to.x - from.x, dy = to.y - from.y, l2 = dx * dx + dy * dy;
  return [=](double x, double y) {
    if (falloff == 0 || l2 <= 0) return Paint{c, 1.0f};
    const double t = std::clamp(((x - from.x) * dx + (y - from.y) * dy) / l2, 0.0, 1.0);
    return Paint{c * static_cast<float>(1.0 - falloff * t), 1.0f};
  };
}

Shader round_across(const Material& m, P a, P b, double ra, double rb) {
  const double dx = b.x - a.x, dy = b.y - a.y, len = std::max(1e-9, std::hypot(dx, dy));
  const double ux = dx / len, uy = dy / len;
  return [=](double x, double y) {
    const double along = std::clamp(((x - a.x) * ux + (y - a.y) * uy) / len, 0.0, 1.0);
    const double r = ra + (rb - ra) * along;
    const double across = std::clamp(((x - a.x) * -uy + (y - a.y) * ux) / std::max(r, 1e-9), -1.0, 1.0);
    // Normal of the round surface at this point across the axis.
    const double nz = std::sqrt(std::max(0.0, 1 - across * across));
    const double slope = (ra - rb) / len;  // cones lean their normals along the axis
    const Vec3 n{-uy * across + ux * slope * nz, ux * across + uy * slope * nz, nz};
    return Paint{shade(m, n), 1.0f};
  };
}

Shader shadow(double cx, double cy, double rx, double ry, float strength) {
  return [=](double x, double y) {
    const double q = ((x - cx) * (x - cx)) / (rx * rx) + ((y - cy) * (y - cy)) / (ry * ry);
    return Paint{Rgb(0, 0, 0), static_cast<float>(strength * smoothstep(1.0, 0.2, q))};
  };
}

}  // namespace pg

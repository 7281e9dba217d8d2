#include "macro.h"

#include <algorithm>
#include <cmath>

#include "camera.h"
#include "filter.h"
#include "noise.h"
#include "tessellation.h"

namespace pg {

namespace {
struct Vec {
  double x, y, z;
};
Vec norm(Vec v) {
  const double l = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
  return {v.x / l, v.y / l, v.z / l};
}
double dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// Colour ramp through three stops at 0, 0.5 and 1.
Rgb ramp3(const Rgb& a, const Rgb& b, const Rgb& c, double t) {
  t = std::clamp(t, 0.0, 1.0);
  return t < 0.5 ? lerp(a, b, static_cast<float>(2 * t)) : lerp(b, c, static_cast<float>(2 * t - 1));
}
}  // namespace

Image light_surface(const Surface& s) {
  const int w = s.height.width(), h = s.height.height();
  const Vec l1 = norm({-0.62, -0.45, 0.64}), l2 = norm({0.7, -0.35, 0.62});
  const Vec v{0, 0, 1};
  const Vec h1 = norm({l1.x + v.x, l1.y + v.y, l1.z + v.z}), h2 = norm({l2.x + v.x, l2.y + v.y, l2.z + v.z});
  Image out(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const double gx = 0.5 * (s.height.clamped(x + 1, y) - s.height.clamped(x - 1, y));
      const double gy = 0.5 * (s.height.clamped(x, y + 1) - s.height.clamped(x, y - 1));
      const Vec n = norm({-gx, -gy, 1});
      const double d = 0.22 + 0.62 * std::max(0.0, dot(n, l1)) + 0.42 * std::max(0.0, dot(n, l2));
      const double g = s.gloss(x, y);
      const double shin = 12 + 60 * g;
      const double sp = g * (0.9 * std::pow(std::max(0.0, dot(n, h1)), shin) + 0.6 * std::pow(std::max(0.0, dot(n, h2)), shin));
      const Rgb& a = s.albedo(x, y);
      out(x, y) = a * static_cast<float>(d) + Rgb(1.0f, 0.97f, 0.92f) * static_cast<float>(sp);
    }
  return out;
}

Image stereo_capture(Image img, Rng& rng) {
  // Limited depth of field: the edges of the field are a little softer.
  Image soft = img;
  gaussian_blur(img, 0.7);
  gaussian_blur(soft, 2.2);
  const double cx = img.width() / 2.0, cy = img.height() / 2.0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const double r2 = ((x - cx) * (x - cx) + (y - cy) * (y - cy)) / (cx * cx + cy * cy);
      img(x, y) = lerp(img(x, y), soft(x, y), static_cast<float>(smoothstep(0.35, 1.0, r2) * 0.8));
    }
  illuminate(img, Rgb(1.0f, 0.93f, 0.8f));
  vignette(img, 0.38);
  shot_noise(img, rng, 0.018, 0.4);
  return img;
}

Image corroded_tube_crack(int w, int h, double field_um, uint64_t seed) {
  Rng rng(seed);
  const double pu = w / field_um;
  Surface s(w, h);
  const uint64_t a = rng.next(), b = rng.next(), c = rng.next();
  // The damaged spot: an irregular crater where the scale was knocked off.
  const double sx = 0.3 * w, sy = 0.56 * h, sr = 240 * pu;
  // The crack leaves the crater on its right and runs roughly along the
  // tube, zig-zagging between grains; its opening narrows towards the tip.
  std::vector<double> cxs, cys, cws;
  std::vector<std::vector<double>> branches_x, branches_y, branches_w;
  {
    double x = sx + 0.8 * sr, y = sy - 0.1 * sr, ang = -0.12, turn = 0;
    const double len = 0.62 * w, base = -0.1;
    for (double t = 0; t < len; t += 2.0) {
      cxs.push_back(x);
      cys.push_back(y);
      const double open = std::pow(std::max(0.0, 1 - t / len), 0.8);
      cws.push_back(std::max(0.6, 5.5 * open * (0.65 + 0.7 * to_unit(hash3(seed, static_cast<int64_t>(t / 6), 1)))));
      turn = 0.6 * turn + rng.normal(0, 0.1);
      ang = 0.92 * (ang + 0.5 * turn + rng.normal(0, 0.12)) + 0.08 * base;
      x += 2.0 * std::cos(ang);
      y += 2.0 * std::sin(ang);
    }
    // A longer side branch and a few short ones.
    for (int b = 0; b < 4; ++b) {
      const size_t at = b == 0 ? cxs.size() / 3 : static_cast<size_t>(rng.uniform(0.1, 0.8) * cxs.size());
      double bx = cxs[at], by = cys[at], bang = base + (rng.chance(0.5) ? 1 : -1) * rng.uniform(0.5, 0.9);
      const double blen = b == 0 ? 0.16 * w : rng.uniform(12, 40);
      std::vector<double> xs, ys, ws;
      for (double t = 0; t < blen; t += 2.0) {
        xs.push_back(bx);
        ys.push_back(by);
        ws.push_back(std::max(0.5, (b == 0 ? 2.5 : 1.2) * (1 - t / blen)));
        bang += rng.normal(0, 0.15);
        bx += 2.0 * std::cos(bang);
        by += 2.0 * std::sin(bang);
      }
      branches_x.push_back(xs);
      branches_y.push_back(ys);
      branches_w.push_back(ws);
    }
  }
  Field crack(w, h, 1e9f), width(w, h, 0.0f);
  auto stamp = [&](const std::vector<double>& xs, const std::vector<double>& ys, const std::vector<double>& ws) {
    for (size_t i = 0; i < xs.size(); ++i) {
      const int r = static_cast<int>(ws[i] + 30);
      for (int y = std::max(0, static_cast<int>(ys[i]) - r); y <= std::min(h - 1, static_cast<int>(ys[i]) + r); ++y)
        for (int x = std::max(0, static_cast<int>(xs[i]) - r); x <= std::min(w - 1, static_cast<int>(xs[i]) + r); ++x) {
          const double d = std::hypot(x + 0.5 - xs[i], y + 0.5 - ys[i]) - 0.5 * ws[i];
          if (d < crack(x, y)) {
            crack(x, y) = static_cast<float>(d);
            width(x, y) = static_cast<float>(ws[i]);
          }
        }
    }
  };
  stamp(cxs, cys, cws);
  for (size_t b = 0; b < branches_x.size(); ++b) stamp(branches_x[b], branches_y[b], branches_w[b]);

  const Rgb scale_dark = rgb8(52, 42, 36), rust = rgb8(128, 76, 42), rust_light = rgb8(170, 112, 62);
  const Rgb metal = rgb8(150, 146, 140);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const double px = x + 0.5, py = y + 0.5;
      // Gentle curvature of the tube and the rough corrosion layer.
      double z = -0.00012 * (py - 0.5 * h) * (py - 0.5 * h);
      z += 6.0 * fbm(a, px / 70, py / 70, 5) + 2.0 * fbm(a + 1, px / 7, py / 7, 3);
      const double rustiness = smoothstep(-0.45, 0.35, fbm(b, px / 45, py / 45, 6));
      Rgb col = ramp3(scale_dark, rust, rust_light,
                      0.3 + 0.5 * rustiness + 0.25 * fbm(b + 1, px / 6, py / 6, 3));
      double gloss = 0.08;
      // Shallow corrosion pits.
      const double pit = fbm(c, px / 11, py / 11, 2);
      if (pit > 0.45) {
        z -= 6 * (pit - 0.45);
        col = lerp(col, scale_dark, 0.6f);
      }
      // Crater of the damaged spot.
      const double ang = std::atan2(py - sy, px - sx);
      const double rr = sr * (1 + 0.3 * fbm(c + 3, 2.4 * std::cos(ang), 2.4 * std::sin(ang), 4) +
                              0.06 * fbm(c + 8, px / 12, py / 12, 2));
      const double q = std::hypot(px - sx, py - sy) / rr;
      if (q < 1.25) {
        const double inside = smoothstep(1.02, 0.9, q);
        z += -16 * inside * (1 - q * q * 0.6) + 4 * std::exp(-std::pow((q - 1.05) / 0.07, 2));
        z += inside * 2.5 * fbm(c + 4, px / 6, py / 6, 3);
        // Bare metal with scratches where the scale was knocked off, dark
        // oxide towards the rim.
        const double bare = smoothstep(0.95, 0.35, q) * smoothstep(-0.25, 0.25, fbm(c + 5, px / 22, py / 22, 4));
        const double scratch = std::sin((px * 0.94 + py * 0.34) / 2.2 + 3 * fbm(c + 6, px / 40, py / 40, 2));
        z += inside * bare * 0.8 * scratch;
        const Rgb base = lerp(scale_dark, metal, static_cast<float>(bare * (0.85 + 0.15 * scratch)));
        col = lerp(col, base, static_cast<float>(inside));
        gloss = gloss + (0.12 + 0.5 * bare - gloss) * inside;
      }
      // The crack: a dark, deep gap with rust-stained flanks.
      const double cd = crack(x, y);
      if (cd < 30) {
        const double stain = std::exp(-std::max(0.0, cd) / 9.0);
        col = lerp(col, rust, static_cast<float>(0.55 * stain));
        const double open = smoothstep(0.6, -0.6, cd);
        z -= 22 * open + 2.0 * std::exp(-std::max(0.0, cd) / 2.0);
        col = lerp(col, rgb8(30, 18, 12), static_cast<float>(open));
        gloss *= 1 - open;
      }
      s.height(x, y) = static_cast<float>(z);
      s.albedo(x, y) = col;
      s.gloss(x, y) = static_cast<float>(gloss);
    }
  return stereo_capture(light_surface(s), rng);
}

Image tube_oxide_deposit(int w, int h, double field_um, uint64_t seed) {
  Rng rng(seed);
  const double pu = w / field_um;
  Surface s(w, h);
  const double m = 80;
  const Box box{-m, -m, w + m, h + m};
  // Tubercles: overlapping mounds of oxide.
  auto sites = lognormal_sites(rng, box, 260 * pu, 0.45);
  std::vector<double> height(sites.size());
  for (double& v : height) v = rng.uniform(0.3, 0.6);
  const Tessellation t(sites, box, 40);
  const uint64_t a = rng.next(), b = rng.next();
  const Rgb deep = rgb8(88, 30, 16), red = rgb8(160, 62, 30), ochre = rgb8(200, 118, 60), black = rgb8(30, 20, 16);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const double px = x + 0.5, py = y + 0.5;
      double z = 0;
      const auto hit = t.locate(px, py);
      double best = -1e9;
      for (int k : t.neighbours(hit.id)) {
        const Site& st = sites[k];
        const double q = std::hypot(px - st.x, py - st.y) / (1.2 * st.r);
        best = std::max(best, height[k] * st.r * (1 - q * q));
      }
      {
        const Site& st = sites[hit.id];
        const double q = std::hypot(px - st.x, py - st.y) / (1.2 * st.r);
        best = std::max(best, height[hit.id] * st.r * (1 - q * q));
      }
      z = std::max(best, -10.0);
      z += 3.0 * fbm(a, px / 30, py / 30, 4) + 0.8 * fbm(a + 1, px / 4, py / 4, 2);
      const double top = std::clamp(z / 40.0, 0.0, 1.0);
      Rgb col = ramp3(deep, red, ochre, 0.35 + 0.45 * top + 0.25 * fbm(b, px / 40, py / 40, 3));
      // Black magnetite in the crevices between the mounds.
      const double crevice = smoothstep(5, -8, best);
      col = lerp(col, black, static_cast<float>(0.7 * crevice));
      s.height(x, y) = static_cast<float>(z);
      s.albedo(x, y) = col;
      s.gloss(x, y) = static_cast<float>(0.06 + 0.1 * smoothstep(0.3, 0.6, fbm(b + 2, px / 15, py / 15, 2)));
    }
  return stereo_capture(light_surface(s), rng);
}

Image chromium_steel_deposit(int w, int h, double field_um, uint64_t seed) {
  Rng rng(seed);
  const double pu = w / field_um;
  Surface s(w, h);
  const double m = 60;
  const Box box{-m, -m, w + m, h + m};
  // The brownish-red layer has dried and cracked into plates.
  const auto sites = lognormal_sites(rng, box, 170 * pu, 0.4);
  const Tessellation t(sites, box, 30);
  std::vector<double> tilt_x(sites.size()), tilt_y(sites.size()), tone(sites.size());
  for (size_t i = 0; i < sites.size(); ++i) {
    tilt_x[i] = rng.normal(0, 0.04);
    tilt_y[i] = rng.normal(0, 0.04);
    tone[i] = rng.uniform(-0.12, 0.12);
  }
  const uint64_t a = rng.next(), b = rng.next(), c = rng.next();
  const Rgb brown = rgb8(122, 58, 34), red = rgb8(150, 64, 38), light = rgb8(176, 104, 62);
  const Rgb grey = rgb8(128, 128, 126), grey_dark = rgb8(88, 90, 92);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const double px = x + 0.5, py = y + 0.5;
      const auto hit = t.locate(px + 6 * fbm(c, px / 50, py / 50, 2), py + 6 * fbm(c + 1, px / 50, py / 50, 2));
      const Site& st = sites[hit.id];
      // Plates curl up a little at their edges; cracks between them.
      double z = tilt_x[hit.id] * (px - st.x) + tilt_y[hit.id] * (py - st.y) + 2.0 * std::exp(-hit.d / 6.0);
      const double cw = 1.3 + 0.9 * fbm(c + 2, px / 30, py / 30, 2);
      const double crack = smoothstep(cw, 0.2, hit.d);
      z -= 6 * crack;
      z += 2.0 * fbm(a, px / 12, py / 12, 3);
      Rgb col = ramp3(brown, red, light, 0.5 + tone[hit.id] + 0.3 * fbm(a + 2, px / 30, py / 30, 3));
      col = lerp(col, rgb8(58, 30, 20), static_cast<float>(0.75 * crack));
      double gloss = 0.05;
      // Grey deposit lying on top in patches.
      const double g = fbm(b, px / 160, py / 160, 5) + 0.15 * fbm(b + 1, px / 20, py / 20, 2);
      const double patch = smoothstep(0.1, 0.16, g);
      if (patch > 0) {
        z = z * (1 - patch) + patch * (7 + 2.5 * fbm(b + 3, px / 8, py / 8, 3));
        col = lerp(col, lerp(grey_dark, grey, static_cast<float>(0.5 + 0.5 * fbm(b + 4, px / 18, py / 18, 2))),
                   static_cast<float>(patch));
        gloss += patch * 0.25;
      }
      s.height(x, y) = static_cast<float>(z);
      s.albedo(x, y) = col;
      s.gloss(x, y) = static_cast<float>(gloss);
    }
  return stereo_capture(light_surface(s), rng);
}

Image porous_deposit(int w, int h, double field_um, uint64_t seed) {
  Rng rng(seed);
  const double pu = w / field_um;
  Surface s(w, h);
  const uint64_t a = rng.next(), b = rng.next();
  // Pores cluster in a few spots.
  struct Pore {
    double x, y, r;
  };
  std::vector<Pore> pores;
  const double spots[3][3] = {{0.3, 0.42, 0.16}, {0.68, 0.6, 0.2}, {0.82, 0.2, 0.09}};
  for (const auto& sp : spots) {
    const int count = static_cast<int>(900 * sp[2] * sp[2] * 14);
    for (int k = 0; k < count; ++k) {
      const double r = std::clamp(rng.lognormal(12 * pu, 0.5), 3.0, 22.0);
      const double ang = rng.uniform(0, 6.283185307179586), rad = sp[2] * w * std::sqrt(rng.uniform());
      pores.push_back({sp[0] * w + rad * std::cos(ang), sp[1] * h + rad * std::sin(ang) * 0.8, r});
    }
  }
  for (int k = 0; k < 40; ++k) pores.push_back({rng.uniform(0, w), rng.uniform(0, h), std::clamp(rng.lognormal(10 * pu, 0.4), 3.0, 12.0)});
  Field depth(w, h, 0.0f), rim(w, h, 0.0f);
  for (const Pore& p : pores) {
    const int r = static_cast<int>(p.r * 1.6) + 2;
    for (int y = std::max(0, static_cast<int>(p.y) - r); y <= std::min(h - 1, static_cast<int>(p.y) + r); ++y)
      for (int x = std::max(0, static_cast<int>(p.x) - r); x <= std::min(w - 1, static_cast<int>(p.x) + r); ++x) {
        const double d = std::hypot(x + 0.5 - p.x, y + 0.5 - p.y);
        if (d < p.r) depth(x, y) = std::max(depth(x, y), static_cast<float>(1.6 * std::sqrt(p.r * p.r - d * d)));
        else if (d < 1.5 * p.r) rim(x, y) = std::max(rim(x, y), static_cast<float>(0.12 * p.r * (1.5 * p.r - d) / (0.5 * p.r)));
      }
  }
  const Rgb brown = rgb8(110, 50, 30), red = rgb8(156, 70, 40), light = rgb8(186, 116, 70), hole = rgb8(28, 16, 12);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const double px = x + 0.5, py = y + 0.5;
      double z = 6 * fbm(a, px / 80, py / 80, 4) + 1.0 * fbm(a + 1, px / 5, py / 5, 2);
      z += rim(x, y) - depth(x, y);
      Rgb col = ramp3(brown, red, light, 0.5 + 0.35 * fbm(b, px / 45, py / 45, 4));
      const double dd = depth(x, y);
      // Inside a pore the light falls off with depth.
      col = lerp(col, hole, static_cast<float>(0.25 * smoothstep(0, 3, dd) + 0.6 * smoothstep(6, 24, dd)));
      s.height(x, y) = static_cast<float>(z);
      s.albedo(x, y) = col;
      s.gloss(x, y) = 0.05f;
    }
  return stereo_capture(light_surface(s), rng);
}

}  // namespace pg

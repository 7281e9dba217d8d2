// The scanning electron microscope: workplace, column and chamber, opened
// chamber and the detectors beneath the pole piece.
#include <algorithm>
#include <cmath>

#include "annotate.h"
#include "fractography.h"
#include "instruments.h"
#include "shapes.h"
#include "text.h"

namespace pg {

namespace {

constexpr int kSS = 3;

const Material kConsole = painted(Rgb(0.8f, 0.8f, 0.76f), 0.25);
const Material kChamber = painted(Rgb(0.55f, 0.58f, 0.63f), 0.35);
const Material kColumn = painted(Rgb(0.66f, 0.68f, 0.7f), 0.4);
const Material kSteel = metal(Rgb(0.78f, 0.79f, 0.8f));
const Material kDark = painted(Rgb(0.2f, 0.2f, 0.22f), 0.4);

void wall_and_bench(Canvas& c, double bench_top) {
  c.fill(rect(0, 0, c.width(), bench_top), linear({0, 0}, Rgb(0.87f, 0.87f, 0.85f), {0, bench_top}, Rgb(0.74f, 0.74f, 0.72f)));
}

// Energy-dispersive spectrum as the instrument's screen shows it.
Image spectrum_screen(int w, int h) {
  Image img(w, h, Rgb(0.05f, 0.07f, 0.15f));
  const double peaks[][3] = {{0.08, 0.5, 0.012}, {0.2, 0.25, 0.015}, {0.56, 0.9, 0.012}, {0.6, 0.3, 0.01},
                             {0.66, 0.45, 0.012}, {0.72, 0.15, 0.01}, {0.85, 0.2, 0.012}};
  for (int x = 0; x < w; ++x) {
    const double e = static_cast<double>(x) / w;
    double v = 0.06 * std::exp(-3 * e) + 0.03;
    for (const auto& p : peaks) v += p[1] * std::exp(-0.5 * std::pow((e - p[0]) / p[2], 2));
    const int top = static_cast<int>(h - 4 - v * (h - 10));
    for (int y = std::max(0, top); y < h - 3; ++y) img(x, y) = Rgb(0.95f, 0.85f, 0.2f);
  }
  for (int x = 0; x < w; ++x) img(x, h - 3) = Rgb(0.7f, 0.7f, 0.7f);
  return img;
}

void label(Image& img, const Font& f, int x, int y, std::vector<std::string> lines, P target) {
  draw_label(img, f, LabelStyle::Panel, x, y, lines, {target.x, target.y});
}

// Upright column of sections (top y, bottom y, radius, material) drawn from the bottom up.
struct Section {
  double top, bottom, r;
  Material m;
};
void column(Canvas& c, double cx, const std::vector<Section>& s) {
  for (auto it = s.rbegin(); it != s.rend(); ++it) upright_cylinder(c, cx, it->top, it->bottom, it->r, it->m);
}

}  // namespace

Image sem_column_chamber(int w, int h) {
  Canvas c(w, h, kSS, Rgb(0.8f, 0.8f, 0.8f));
  wall_and_bench(c, 520);
  box(c, -60, 520, w + 10, h + 40, 200, kConsole);
  floor_shadow(c, 470, 505, 280, 28, 0.4f);
  // Detector of the EDX system: dewar with liquid nitrogen, arm into the chamber.
  floor_shadow(c, 770, 470, 70, 14, 0.3f);
  box(c, 712, 300, 812, 350, 40, kDark);
  upright_cylinder(c, 770, 80, 300, 50, kSteel);
  upright_cone(c, 770, 62, 80, 30, 50, kSteel);
  upright_cylinder(c, 770, 50, 62, 14, kDark);
  // Vacuum chamber.
  box(c, 230, 300, 600, 500, 150, kChamber);
  c.fill(rounded_rect(250, 318, 580, 486, 10), solid(Rgb(0.12f, 0.12f, 0.14f), 0.5f));
  c.fill(rounded_rect(253, 321, 577, 483, 9), face(painted(Rgb(0.6f, 0.63f, 0.68f), 0.4), {0, 0, 1}, {253, 321}, {253, 483}, 0.15));
  // Viewport and door handle.
  c.fill(ellipse(330, 390, 38, 38), face(kSteel, {-0.2, -0.3, 1}));
  c.fill(ellipse(330, 390, 29, 29), linear({305, 365}, Rgb(0.35f, 0.4f, 0.45f), {355, 415}, Rgb(0.05f, 0.06f, 0.08f)));
  c.fill(ellipse(318, 378, 9, 5, -0.6), solid(Rgb(1, 1, 1), 0.5f));
  side_cylinder(c, {440, 372}, {440, 392}, 6, kSteel, 0.3);
  side_cylinder(c, {540, 372}, {540, 392}, 6, kSteel, 0.3);
  side_cylinder(c, {432, 398}, {548, 398}, 7, kSteel, 0.35);
  // Ports on the top.
  upright_cylinder(c, 300, 262, 276, 18, kSteel);
  upright_cylinder(c, 600, 268, 282, 16, kSteel);
  // Arm of the EDX detector entering the chamber side.
  side_cylinder(c, {742, 318}, {655, 372}, 20, kSteel, 0.4);
  // Electron column.
  const double cx = 452;
  column(c, cx,
         {{28, 40, 42, kSteel}, {40, 102, 58, painted(Rgb(0.5f, 0.52f, 0.56f), 0.4)}, {102, 110, 56, kSteel},
          {110, 182, 48, kColumn}, {182, 190, 66, kSteel}, {190, 262, 60, kColumn}, {262, 274, 78, kSteel}});
  cable(c, {cx + 10, 30}, {cx + 60, -10}, {cx + 200, 10}, {w + 20.0, -30}, 16, Rgb(0.12f, 0.12f, 0.13f));
  // Secondary-electron detector entering from the upper left, with its preamplifier.
  side_cylinder(c, {185, 210}, {278, 284}, 15, kSteel, 0.4);
  box(c, 140, 176, 196, 226, 24, kDark);
  cable(c, {150, 190}, {110, 150}, {80, 120}, {-10, 110}, 8, Rgb(0.15f, 0.15f, 0.16f));
  Image img = c.resolve();
  const Font f(Weight::Bold, 21);
  label(img, f, 60, 80, {"Elektronensäule"}, {cx - 40, 150});
  label(img, f, 30, 250, {"SE-Detektor"}, {205, 228});
  label(img, f, 690, 400, {"EDX-", "Detektor"}, {690, 348});
  label(img, f, 40, 420, {"Vakuumkammer"}, {262, 450});
  return img;
}

Image sem_workplace(int w, int h) {
  Canvas c(w, h, kSS, Rgb(0.8f, 0.8f, 0.8f));
  const double floor_y = 420;
  c.fill(rect(0, 0, w, floor_y), linear({0, 0}, Rgb(0.86f, 0.86f, 0.84f), {0, floor_y}, Rgb(0.75f, 0.75f, 0.73f)));
  c.fill(rect(0, floor_y, w, h), linear({0, floor_y}, Rgb(0.55f, 0.53f, 0.5f), {0, h * 1.0}, Rgb(0.4f, 0.38f, 0.36f)));
  for (int k = 0; k < 6; ++k) {
    const double y = floor_y + 12 + k * k * 5.0;
    c.stroke({{0, y}, {w * 1.0, y}}, 1.0, Rgb(0.3f, 0.29f, 0.28f), 0.25f);
  }
  // Console of the microscope.
  floor_shadow(c, 220, 472, 200, 18);
  box(c, 30, 300, 360, 470, 90, kConsole);
  for (int k = 0; k < 3; ++k) c.stroke({{42, 340.0 + 40 * k}, {348, 340.0 + 40 * k}}, 1.0, Rgb(0.45f, 0.45f, 0.43f), 0.6f);
  for (int k = 0; k < 6; ++k) knob(c, 210 + 22.0 * k, 318, 6, kDark);
  c.fill(rect(60, 308, 180, 330), solid(Rgb(0.15f, 0.2f, 0.18f)));
  // EDX dewar behind, chamber and column on the console.
  upright_cylinder(c, 300, 160, 280, 20, kSteel);
  upright_cone(c, 300, 150, 160, 12, 20, kSteel);
  box(c, 80, 235, 240, 300, 70, kChamber);
  c.fill(ellipse(120, 268, 14, 14), face(kSteel, {0, 0, 1}));
  c.fill(ellipse(120, 268, 10, 10), solid(Rgb(0.08f, 0.09f, 0.11f)));
  side_cylinder(c, {292, 258}, {262, 272}, 9, kSteel, 0.4);
  const double cx = 177;
  column(c, cx,
         {{48, 56, 20, kSteel}, {56, 100, 27, painted(Rgb(0.5f, 0.52f, 0.56f), 0.4)}, {100, 104, 27, kSteel},
          {104, 150, 22, kColumn}, {150, 155, 29, kSteel}, {155, 212, 27, kColumn}, {212, 222, 34, kSteel}});
  cable(c, {cx + 5, 50}, {cx + 40, 10}, {cx + 120, 20}, {360, -20}, 7, Rgb(0.12f, 0.12f, 0.13f));
  // Desk with the computer: two screens, keyboard, computer under the desk.
  floor_shadow(c, 600, 505, 200, 14);
  box(c, 690, 380, 752, 505, 60, painted(Rgb(0.75f, 0.75f, 0.72f), 0.2));
  box(c, 432, 372, 446, 510, 10, kDark);
  box(c, 770, 372, 784, 505, 10, kDark);
  box(c, 420, 350, 790, 372, 110, painted(Rgb(0.78f, 0.72f, 0.62f), 0.3));
  box(c, 515, 318, 545, 330, 20, kDark);
  box(c, 680, 318, 710, 330, 20, kDark);
  monitor(c, 450, 200, 610, 322, fracture_cleavage(200, 150, 150, 0xD15E01), kDark);
  monitor(c, 620, 205, 770, 322, spectrum_screen(180, 130), kDark);
  box(c, 470, 338, 600, 348, 26, painted(Rgb(0.85f, 0.85f, 0.82f), 0.2));
  Image img = c.resolve();
  const Font f(Weight::Bold, 20);
  label(img, f, 20, 150, {"Vakuumkammer"}, {110, 250});
  label(img, f, 560, 110, {"EDV-Ausgabe"}, {680, 240});
  return img;
}

Image sem_open_chamber(int w, int h) {
  Canvas c(w, h, kSS, Rgb(0.8f, 0.8f, 0.8f));
  wall_and_bench(c, 500);
  box(c, -60, 500, w + 10, h + 40, 200, kConsole);
  floor_shadow(c, 400, 490, 260, 24, 0.4f);
  // Chamber with its front opened.
  box(c, 200, 230, 560, 480, 160, kChamber);
  const double ix0 = 222, iy0 = 250, ix1 = 540, iy1 = 462;
  c.fill(rect(ix0, iy0, ix1, iy1), linear({0, iy0}, Rgb(0.1f, 0.11f, 0.13f), {0, iy1}, Rgb(0.24f, 0.25f, 0.28f)));
  // Inner walls in perspective.
  c.fill({{ix0, iy0}, {ix0 + 60, iy0 + 40}, {ix0 + 60, iy1 - 30}, {ix0, iy1}}, solid(Rgb(0.3f, 0.31f, 0.34f)));
  c.fill({{ix0, iy1}, {ix0 + 60, iy1 - 30}, {ix1 - 20, iy1 - 30}, {ix1, iy1}}, solid(Rgb(0.33f, 0.34f, 0.37f)));
  // Pole piece at the top of the chamber.
  upright_cylinder(c, 390, iy0 - 6, iy0 + 20, 44, kSteel, 0.25);
  upright_cone(c, 390, iy0 + 20, iy0 + 70, 44, 14, kSteel, 0.25);
  // Secondary-electron detector from the right wall, with its grid cage.
  side_cylinder(c, {540, 300}, {478, 330}, 17, kSteel, 0.45);
  side_cylinder(c, {482, 328}, {455, 341}, 20, metal(Rgb(0.6f, 0.6f, 0.58f)), 0.5, &kDark);
  for (int k = -3; k <= 3; ++k) c.stroke({{466.0 + 5 * k, 318}, {460.0 + 5 * k, 352}}, 0.8, Rgb(0.15f, 0.15f, 0.15f), 0.7f);
  // Stage with the mounted sample.
  box(c, 300, 420, 470, 452, 60, metal(Rgb(0.6f, 0.62f, 0.65f)));
  box(c, 330, 400, 440, 420, 40, metal(Rgb(0.66f, 0.66f, 0.68f)));
  upright_cylinder(c, 395, 384, 398, 36, kSteel);
  upright_cylinder(c, 395, 352, 384, 30, painted(Rgb(0.12f, 0.1f, 0.09f), 0.5));
  c.fill(ellipse(395, 352, 17, 5), face(kSteel, {-0.2, -0.5, 1}));
  // The door, swung open to the left on its hinge, with its seal.
  c.fill({{200, 236}, {96, 280}, {96, 540}, {200, 484}}, face(kChamber, {-0.85, 0.0, 0.5}, {96, 280}, {200, 236}, -0.1));
  c.fill({{200, 236}, {206, 240}, {206, 486}, {200, 484}}, solid(Rgb(0.3f, 0.32f, 0.35f)));
  c.stroke({{186, 258}, {110, 292}, {110, 520}, {186, 470}, {186, 258}}, 3.0, Rgb(0.08f, 0.08f, 0.08f), 0.8f);
  side_cylinder(c, {120, 400}, {165, 380}, 6, kSteel, 0.4);
  Image img = c.resolve();
  const Font f(Weight::Bold, 21);
  label(img, f, 650, 180, {"SE-Detektor"}, {495, 322});
  label(img, f, 640, 430, {"Vakuumkammer"}, {590, 380});
  label(img, f, 560, 520, {"Probe"}, {405, 356});
  return img;
}

Image sem_detectors(int w, int h) {
  Canvas c(w, h, kSS, Rgb(0.1f, 0.1f, 0.12f));
  c.fill(rect(0, 0, w, h), [=](double x, double y) {
    const double q = std::hypot((x - 0.5 * w) / w, (y - 0.55 * h) / h);
    const float v = static_cast<float>(0.3 - 0.3 * q);
    return Paint{Rgb(v * 0.95f, v, v * 1.08f), 1.0f};
  });
  // Chamber floor.
  c.fill({{0, 520}, {w * 1.0, 520}, {w * 1.0, h * 1.0}, {0, h * 1.0}}, linear({0, 520}, Rgb(0.2f, 0.2f, 0.22f), {0, h * 1.0}, Rgb(0.3f, 0.3f, 0.32f)));
  // Column tube and pole piece.
  const double cx = 440;
  upright_cylinder(c, cx, -40, 110, 82, metal(Rgb(0.58f, 0.59f, 0.62f)), 0.22);
  upright_cone(c, cx, 110, 212, 82, 24, kSteel, 0.22);
  c.fill(ellipse(cx, 212, 8, 2.5), solid(Rgb(0.02f, 0.02f, 0.02f)));
  // Backscatter detector: a thin annular plate on an arm from the left.
  side_cylinder(c, {60, 262}, {380, 236}, 7, kSteel, 0.3);
  c.fill(ellipse(cx, 240, 74, 17), solid(Rgb(0.25f, 0.22f, 0.15f)));
  c.fill(ellipse(cx, 236, 74, 17), [=](double x, double y) {
    const double a = std::atan2((y - 236) / 17, (x - cx) / 74);
    const double seg = std::fmod(a + 6.283185307179586, 1.5707963) < 0.05 ? 0.5 : 1.0;  // four segments
    return Paint{shade(metal(Rgb(0.75f, 0.62f, 0.35f), 0.9), {(x - cx) / 150, -0.6, 0.8}) * static_cast<float>(seg), 1.0f};
  });
  c.fill(ellipse(cx, 236, 14, 3.5), solid(Rgb(0.03f, 0.03f, 0.03f)));
  // Energy-dispersive X-ray detector from the upper left with its collimator.
  side_cylinder(c, {-30, 130}, {285, 262}, 32, kSteel, 0.3);
  side_cone(c, {285, 262}, {340, 285}, 30, 13, kSteel);
  c.fill(ellipse(340, 285, 5, 12, std::atan2(23, 55)), solid(Rgb(0.05f, 0.05f, 0.06f)));
  // Secondary-electron detector from the right, with its collector grid.
  side_cylinder(c, {w + 30.0, 340}, {640, 302}, 34, kSteel, 0.3);
  side_cylinder(c, {645, 303}, {590, 296}, 38, metal(Rgb(0.55f, 0.55f, 0.52f)), 0.35, &kDark);
  for (int k = 0; k < 9; ++k) {
    const double x = 594 + 6.0 * k;
    c.stroke({{x, 260}, {x, 333}}, 0.9, Rgb(0.12f, 0.12f, 0.12f), 0.75f);
  }
  for (int k = 0; k < 8; ++k) {
    const double y = 264 + 9.0 * k;
    c.stroke({{592, y}, {646, y + 1}}, 0.9, Rgb(0.12f, 0.12f, 0.12f), 0.55f);
  }
  // Stage on its post, with a sample on its stub.
  floor_shadow(c, cx + 30, 560, 200, 20, 0.5f);
  upright_cylinder(c, cx + 30, 470, 560, 34, metal(Rgb(0.45f, 0.46f, 0.5f)), 0.25);
  box(c, 290, 430, 590, 480, 120, metal(Rgb(0.55f, 0.56f, 0.6f)));
  upright_cylinder(c, cx, 392, 420, 44, kSteel, 0.25);
  upright_cylinder(c, cx, 376, 392, 30, metal(Rgb(0.6f, 0.58f, 0.55f), 0.5), 0.25);
  Image img = c.resolve();
  const Font f(Weight::Bold, 21);
  label(img, f, 600, 40, {"Elektronenstrahlrohr"}, {cx + 60, 70});
  label(img, f, 560, 170, {"BSE-Detektor"}, {498, 236});
  label(img, f, 650, 420, {"SE-Detektor"}, {700, 318});
  label(img, f, 40, 40, {"EDX-Detektor"}, {150, 200});
  return img;
}

}  // namespace pg

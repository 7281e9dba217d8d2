// The light-microscopy equipment: the workplace, a sample under the
// objectives, and the stereo microscope with its lights and video printer.
#include <algorithm>
#include <cmath>

#include "instruments.h"
#include "pearlite.h"
#include "rng.h"
#include "shapes.h"

namespace pg {

namespace {

constexpr int kSS = 3;

const Material kCream = painted(Rgb(0.9f, 0.88f, 0.82f), 0.35);
const Material kBlack = painted(Rgb(0.13f, 0.13f, 0.14f), 0.5);
const Material kGrey = painted(Rgb(0.42f, 0.43f, 0.45f), 0.35);
const Material kChrome = metal(Rgb(0.85f, 0.86f, 0.88f), 0.9);

// Maps the local drawing units of an instrument onto the picture.
struct Place {
  double ox, oy, s;
  double x(double v) const { return ox + s * v; }
  double y(double v) const { return oy + s * v; }
  P p(double a, double b) const { return {x(a), y(b)}; }
  double d(double v) const { return s * v; }
};

// Upright reflected-light microscope; local origin at the front-left corner
// of its base on the table, y up is negative.
void reflected_light_microscope(Canvas& c, const Place& t) {
  floor_shadow(c, t.x(190), t.y(-10), t.d(230), t.d(30), 0.35f);
  box(c, t.x(0), t.y(-60), t.x(300), t.y(0), t.d(160), kCream);
  // Lamp housing of the incident light, at the back.
  side_cylinder(c, t.p(290, -385), t.p(390, -425), t.d(36), kGrey, 0.45, &kBlack);
  // Stand and focus block.
  box(c, t.x(210), t.y(-430), t.x(290), t.y(-96), t.d(60), kCream);
  c.fill(ellipse(t.x(300), t.y(-165), t.d(15), t.d(36)), face(kBlack, {0.9, 0, 0.4}));
  c.fill(ellipse(t.x(306), t.y(-165), t.d(8), t.d(20)), face(kChrome, {0.9, 0, 0.4}));
  box(c, t.x(160), t.y(-262), t.x(215), t.y(-150), t.d(40), kGrey);
  // Stage with its drives.
  box(c, t.x(30), t.y(-290), t.x(250), t.y(-268), t.d(120), kBlack);
  side_cylinder(c, t.p(238, -268), t.p(238, -226), t.d(7), kChrome, 0.35);
  c.fill(ellipse(t.x(238), t.y(-222), t.d(13), t.d(5)), face(kBlack, {0, 0.6, 0.8}));
  // Mounted sample on the stage.
  upright_cylinder(c, t.x(150), t.y(-318), t.y(-296), t.d(24), painted(Rgb(0.1f, 0.08f, 0.07f), 0.6), 0.3);
  c.fill(ellipse(t.x(150), t.y(-318), t.d(13), t.d(4)), face(kChrome, {-0.2, -0.4, 1}));
  // Arm with the vertical illuminator and the nosepiece.
  box(c, t.x(60), t.y(-440), t.x(290), t.y(-380), t.d(60), kCream);
  upright_cone(c, t.x(135), t.y(-380), t.y(-362), t.d(52), t.d(60), kGrey, 0.3);
  side_cone(c, t.p(95, -366), t.p(78, -326), t.d(12), t.d(9), kChrome);
  side_cone(c, t.p(178, -366), t.p(194, -330), t.d(12), t.d(9), kChrome);
  side_cone(c, t.p(135, -366), t.p(135, -334), t.d(14), t.d(12), kChrome);
  side_cone(c, t.p(135, -354), t.p(135, -349), t.d(13.6), t.d(13.4), painted(Rgb(0.8f, 0.15f, 0.1f)));
  upright_cone(c, t.x(135), t.y(-334), t.y(-324), t.d(12), t.d(7), kBlack, 0.3);
  // Binocular head, eyepieces and camera on the photo tube.
  box(c, t.x(70), t.y(-486), t.x(205), t.y(-440), t.d(80), kCream);
  side_cylinder(c, t.p(100, -478), t.p(66, -536), t.d(11), kGrey, 0.4);
  side_cylinder(c, t.p(66, -536), t.p(58, -552), t.d(14), kBlack, 0.45);
  side_cylinder(c, t.p(146, -480), t.p(114, -540), t.d(11), kGrey, 0.4);
  side_cylinder(c, t.p(114, -540), t.p(106, -556), t.d(14), kBlack, 0.45);
  upright_cylinder(c, t.x(190), t.y(-560), t.y(-480), t.d(15), kChrome, 0.3);
  box(c, t.x(160), t.y(-615), t.x(222), t.y(-560), t.d(44), kBlack);
  cable(c, t.p(222, -600), t.p(300, -620), t.p(360, -560), t.p(420, -540), t.d(6), Rgb(0.1f, 0.1f, 0.1f));
}

// Flexible light guide of a cold-light source: a hose with ribs and a
// metal end piece aimed at 'tip' along 'dir'.
void gooseneck(Canvas& c, P a, P b, P cc, P tip, double w, P dir) {
  const Poly line = cubic(a, b, cc, tip, 80);
  c.stroke(line, w, Rgb(0.08f, 0.08f, 0.09f));
  for (size_t k = 2; k + 2 < line.size(); k += 2) {
    const double dx = line[k + 1].x - line[k - 1].x, dy = line[k + 1].y - line[k - 1].y, l = std::hypot(dx, dy);
    const double nx = -dy / l * 0.5 * w, ny = dx / l * 0.5 * w;
    c.stroke({{line[k].x + nx, line[k].y + ny}, {line[k].x - nx, line[k].y - ny}}, 0.8, Rgb(0.35f, 0.35f, 0.37f), 0.7f);
  }
  Poly hi = line;
  for (P& p : hi) {
    p.x -= 0.2 * w;
    p.y -= 0.2 * w;
  }
  c.stroke(hi, 0.2 * w, Rgb(0.45f, 0.45f, 0.48f), 0.6f);
  side_cylinder(c, tip, {tip.x + dir.x, tip.y + dir.y}, 0.6 * w, kChrome, 0.5, &kBlack);
}

// Stereo microscope on its stand; local origin at the front-left corner of
// the base. With lights: cold-light source with two light guides.
void stereo_model(Canvas& c, const Place& t, bool lights, bool printer, const Image* print) {
  floor_shadow(c, t.x(200), t.y(-8), t.d(230), t.d(28), 0.35f);
  box(c, t.x(0), t.y(-40), t.x(330), t.y(0), t.d(200), kBlack);
  // Stage plate with the sample.
  c.fill(ellipse(t.x(200), t.y(-72), t.d(84), t.d(24)), face(painted(Rgb(0.85f, 0.85f, 0.83f), 0.6), {0, -0.8, 0.6}));
  box(c, t.x(180), t.y(-78), t.x(222), t.y(-68), t.d(24), metal(Rgb(0.6f, 0.55f, 0.5f), 0.6));
  if (lights) {
    c.fill(ellipse(t.x(205), t.y(-74), t.d(46), t.d(14)), solid(Rgb(1.0f, 0.95f, 0.8f), 0.35f));
    c.fill(ellipse(t.x(205), t.y(-74), t.d(22), t.d(7)), solid(Rgb(1.0f, 0.97f, 0.88f), 0.45f));
  }
  // Pillar, focus block, arm.
  upright_cylinder(c, t.x(265), t.y(-470), t.y(-90), t.d(17), kChrome, 0.3);
  box(c, t.x(215), t.y(-350), t.x(292), t.y(-288), t.d(54), kBlack);
  c.fill(ellipse(t.x(300), t.y(-318), t.d(11), t.d(27)), face(kGrey, {0.9, 0, 0.4}));
  box(c, t.x(150), t.y(-340), t.x(222), t.y(-306), t.d(36), kBlack);
  // Zoom body with its knob, objective below.
  upright_cone(c, t.x(150), t.y(-256), t.y(-236), t.d(46), t.d(38), kBlack, 0.3);
  upright_cylinder(c, t.x(150), t.y(-380), t.y(-256), t.d(50), kCream, 0.3);
  c.fill(ellipse(t.x(203), t.y(-318), t.d(12), t.d(32)), face(kGrey, {0.9, 0, 0.4}));
  side_cylinder(c, t.p(198, -318), t.p(212, -318), t.d(30), kGrey, 0.35, &kGrey);
  // Binocular head, eyepiece tubes towards the viewer, camera adapter.
  upright_cone(c, t.x(150), t.y(-425), t.y(-380), t.d(38), t.d(50), kCream, 0.3);
  side_cylinder(c, t.p(128, -418), t.p(88, -492), t.d(15), kCream, 0.4);
  side_cylinder(c, t.p(88, -492), t.p(80, -510), t.d(17), kBlack, 0.45);
  side_cylinder(c, t.p(172, -420), t.p(136, -496), t.d(15), kCream, 0.4);
  side_cylinder(c, t.p(136, -496), t.p(128, -514), t.d(17), kBlack, 0.45);
  upright_cylinder(c, t.x(186), t.y(-490), t.y(-420), t.d(13), kChrome, 0.3);
  box(c, t.x(160), t.y(-548), t.x(216), t.y(-490), t.d(40), kGrey);
  cable(c, t.p(216, -530), t.p(300, -560), t.p(360, -520), t.p(430, -500), t.d(5), Rgb(0.1f, 0.1f, 0.1f));
  if (lights) {
    // Cold-light source with two fibre-optic light guides aimed at the sample.
    floor_shadow(c, t.x(510), t.y(-6), t.d(120), t.d(20), 0.35f);
    box(c, t.x(400), t.y(-150), t.x(600), t.y(0), t.d(150), painted(Rgb(0.28f, 0.29f, 0.31f), 0.3));
    knob(c, t.x(560), t.y(-80), t.d(15), kGrey);
    c.fill(rounded_rect(t.x(420), t.y(-110), t.x(470), t.y(-90), t.d(4)), solid(Rgb(0.1f, 0.1f, 0.1f)));
    c.fill(ellipse(t.x(445), t.y(-55), t.d(9), t.d(9)), solid(Rgb(0.9f, 0.2f, 0.1f)));
    gooseneck(c, t.p(450, -175), t.p(440, -330), t.p(300, -260), t.p(252, -150), t.d(16), {t.d(-22), t.d(20)});
    gooseneck(c, t.p(520, -180), t.p(560, -420), t.p(40, -330), t.p(96, -170), t.d(16), {t.d(24), t.d(22)});
  }
  if (printer) {
    // Video printer with a print of the live picture.
    floor_shadow(c, t.x(750), t.y(-6), t.d(140), t.d(22), 0.35f);
    box(c, t.x(640), t.y(-96), t.x(860), t.y(0), t.d(170), painted(Rgb(0.78f, 0.78f, 0.76f), 0.3));
    c.fill(rect(t.x(660), t.y(-70), t.x(840), t.y(-62)), solid(Rgb(0.15f, 0.15f, 0.15f)));
    for (int k = 0; k < 4; ++k) knob(c, t.x(690 + 30.0 * k), t.y(-30), t.d(7), kGrey);
    c.fill({t.p(680, -100), t.p(820, -100), t.p(846, -230), t.p(706, -230)}, face(painted(Rgb(0.97f, 0.97f, 0.95f), 0.2), {0, -0.3, 1}));
    if (print) c.blit(*print, t.x(712), t.y(-218), t.d(114), t.d(100));
  }
}

// Micrograph for screens and prints.
Image screen_picture(int w, int h) { return ferrite_pearlite(w, h, 110, 0x5C4EE1); }

void room(Canvas& c, double table_front, double table_depth) {
  const double back = table_front + kDepthY * table_depth;
  c.fill(rect(0, 0, c.width(), back + 2), linear({0, 0}, Rgb(0.84f, 0.84f, 0.8f), {0, back}, Rgb(0.72f, 0.72f, 0.68f)));
  box(c, -table_depth * kDepthX - 10, table_front, c.width() + 10.0, c.height() + 60.0, table_depth,
      painted(Rgb(0.7f, 0.68f, 0.64f), 0.25));
}

}  // namespace

Image lm_bench(int w, int h) {
  Canvas c(w, h, kSS, Rgb(0.8f, 0.8f, 0.8f));
  room(c, 700, 420);
  // Monitor with the microscope picture, keyboard.
  floor_shadow(c, 930, 560, 150, 18, 0.3f);
  box(c, 900, 500, 960, 556, 40, kBlack);
  monitor(c, 790, 270, 1070, 510, screen_picture(280, 200), kBlack);
  box(c, 810, 610, 1010, 628, 60, painted(Rgb(0.85f, 0.85f, 0.82f), 0.2));
  stereo_model(c, {30, 660, 0.62}, true, false, nullptr);
  reflected_light_microscope(c, {430, 690, 0.95});
  return c.resolve();
}

Image stereo_microscope(int w, int h) {
  Canvas c(w, h, kSS, Rgb(0.8f, 0.8f, 0.8f));
  room(c, 740, 480);
  const Image print = screen_picture(200, 170);
  stereo_model(c, {80, 700, 1.15}, true, true, &print);
  return c.resolve();
}

Image lm_sample_objectives(int w, int h) {
  Canvas c(w, h, kSS, Rgb(0.2f, 0.2f, 0.2f));
  // Out-of-focus laboratory behind.
  c.fill(rect(0, 0, w, h), linear({0, 0}, Rgb(0.36f, 0.34f, 0.3f), {0, h * 1.0}, Rgb(0.16f, 0.15f, 0.14f)));
  Rng rng(0x0B7EC7);
  for (int k = 0; k < 9; ++k) {
    const double x = rng.uniform(0, w), y = rng.uniform(0, 0.5 * h), r = rng.uniform(40, 110);
    c.fill(ellipse(x, y, r, r), shadow(x, y, r, r, 0.0f));
    c.fill(ellipse(x, y, r, r), [=](double px, double py) {
      const double q = ((px - x) * (px - x) + (py - y) * (py - y)) / (r * r);
      return Paint{Rgb(0.95f, 0.9f, 0.78f), static_cast<float>(0.12 * smoothstep(1.0, 0.3, q))};
    });
  }
  const double cx = 560;
  // Stage plate and its drive.
  box(c, 60, 600, 1060, 660, 280, kBlack);
  side_cylinder(c, {990, 660}, {990, 730}, 14, kChrome, 0.35);
  c.fill(ellipse(990, 736, 26, 9), face(kBlack, {0, 0.6, 0.8}));
  // Stage clip.
  box(c, 230, 560, 380, 574, 40, kChrome);
  // The mounted sample: resin cylinder with the polished metal section.
  floor_shadow(c, cx + 40, 600, 200, 40, 0.5f);
  upright_cylinder(c, cx, 470, 590, 160, painted(Rgb(0.12f, 0.09f, 0.07f), 0.7), 0.28);
  c.fill(ellipse(cx, 470, 86, 24), face(metal(Rgb(0.82f, 0.82f, 0.8f), 1.0), {-0.05, -0.25, 1}));
  // Light from the objective on the polished face, and the objective's mirror image.
  c.fill(ellipse(cx, 472, 40, 11), solid(Rgb(0.15f, 0.15f, 0.16f), 0.35f));
  c.fill(ellipse(cx, 470, 18, 5), [=](double x, double y) {
    const double q = ((x - cx) * (x - cx)) / (18.0 * 18) + ((y - 470) * (y - 470)) / 25.0;
    return Paint{Rgb(1.0f, 0.97f, 0.85f), static_cast<float>(0.9 * smoothstep(1.0, 0.0, q))};
  });
  // Nosepiece with its objectives: one rear, two angled, the working one in the middle.
  upright_cone(c, cx, 20, 120, 230, 262, metal(Rgb(0.32f, 0.32f, 0.34f), 0.6), 0.3);
  side_cone(c, {470, 118}, {430, 238}, 44, 34, kChrome);
  side_cone(c, {430, 238}, {420, 268}, 34, 20, kBlack);
  auto objective = [&](P a, P b, double r, const Rgb& ring) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    auto at = [&](double t) { return P{a.x + dx * t, a.y + dy * t}; };
    side_cone(c, a, at(0.75), r, 0.8 * r, kChrome);
    side_cone(c, at(0.25), at(0.3), 1.01 * r, 0.98 * r, painted(ring, 0.5));
    side_cone(c, at(0.75), b, 0.8 * r, 0.45 * r, kBlack);
  };
  objective({390, 120}, {270, 360}, 62, Rgb(0.9f, 0.75f, 0.1f));
  objective({730, 120}, {850, 355}, 62, Rgb(0.1f, 0.55f, 0.2f));
  // The working objective hangs from the nosepiece: no top face shows.
  side_cone(c, {cx, 112}, {cx, 340}, 72, 58, kChrome);
  side_cone(c, {cx, 190}, {cx, 206}, 70.8, 69.8, painted(Rgb(0.8f, 0.12f, 0.1f), 0.5));
  side_cone(c, {cx, 214}, {cx, 220}, 69.5, 69.2, painted(Rgb(0.9f, 0.9f, 0.9f), 0.3));
  upright_cone(c, cx, 340, 410, 58, 30, kBlack, 0.28);
  c.fill(ellipse(cx, 410, 18, 5), linear({cx - 18, 405}, Rgb(0.35f, 0.45f, 0.55f), {cx + 18, 415}, Rgb(0.05f, 0.06f, 0.1f)));
  Image img = c.resolve();
  return img;
}

}  // namespace pg

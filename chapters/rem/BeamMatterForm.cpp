#include "chapters/rem/BeamMatterForm.h"

#include <cmath>
#include <numbers>

#include "frame/Layout.h"

namespace chapters {

using frame::Round;

namespace {
constexpr ui::TColor kMaterial = 0x0080FFFF;
constexpr ui::TColor kOrbit = 0x808080;
constexpr ui::TColor kElectron = 0xFF0000;
constexpr ui::TColor kNucleus = 0x0000FF;
constexpr ui::TColor kFunnel = 0x0000FF;
constexpr ui::TColor kDot = 0xFF0000;
constexpr ui::TColor kArrow = 0xFF0000;

constexpr int kOrbitRadius[BeamMatterForm::kOrbits] = {50, 90, 110, 160, 180};
struct Electron {
    int orbit;
    double angle;
};
constexpr Electron kAtomElectrons[BeamMatterForm::kElectrons] = {
    {0, 150}, {0, 330},                                                  // 1s
    {1, 20},  {1, 152},                                                  // 2s
    {2, 64},  {2, 106}, {2, 196}, {2, 241}, {2, 288}, {2, 333},          // 2p
    {3, 0},   {3, 240},                                                  // 3s
    {4, 120},                                                            // 3p
};

// The backscattered electron's path below the surface: bands of x, offsets from the atom
// centre in design units, (lo, hi]; in each, the electron moves dy down and dx to the
// left (pixels). The bands are tested in this order within one tick, each seeing the
// position the ones before it left: down and round the nucleus first, then up and out.
struct Band {
    int lo, hi, dy, dx;
    bool extraDot;
};
constexpr Band kBands[] = {
    {28, 30, 10, 1, false},     {24, 28, 10, 2, false},     {18, 24, 10, 3, false},
    {10, 18, 10, 4, false},     {0, 10, 10, 5, false},      {-12, 0, 10, 6, false},
    {-26, -12, 10, 7, false},   {-40, -26, 10, 8, false},   {-50, -40, 10, 9, false},
    {-60, -50, 10, 10, false},  {-70, -60, 9, 10, false},   {-80, -70, 8, 10, false},
    {-90, -80, 7, 10, false},   {-100, -90, 6, 10, false},  {-110, -100, 5, 10, false},
    {-120, -110, 4, 10, false}, {-130, -120, 3, 10, false}, {-140, -130, 2, 10, false},
    {-150, -140, 1, 10, false}, {-160, -150, 0, 10, true},
    {-170, -160, -1, 10, false},  {-180, -170, -2, 10, false},  {-190, -180, -3, 10, false},
    {-200, -190, -4, 10, false},  {-210, -200, -5, 10, false},  {-220, -210, -6, 10, false},
    {-230, -220, -7, 10, false},  {-240, -230, -8, 10, true},   {-250, -240, -9, 10, true},
    {-270, -250, -10, 10, false}, {-290, -270, -10, 9, false},  {-310, -290, -10, 8, false},
    {-330, -310, -10, 7, false},  {-350, -330, -10, 6, true},   {-370, -350, -10, 5, true},
    {-390, -370, -10, 4, true},   {-410, -390, -10, 3, false},  {-420, -410, -10, 2, false},
    {-430, -420, -10, 1, false},  {-440, -430, -10, 0, false},
};
}  // namespace

BeamMatterForm::BeamMatterForm(ui::Application& app, const frame::FrameSpec& frame, const Layout& layout)
    : TopicForm(app, frame), layout_(layout) {
    PaintBoxHaupt.setAlign(ui::Align::Client);
    PaintBoxHaupt.color = color();  // it shows the window's colour
    PaintBoxHaupt.font = font;
    PaintBoxHaupt.OnPaint = [this] { PaintBoxHauptPaint(); };
    BSE1.OnClick = [this] { BSE1Click(); };
    SE1.OnClick = [this] { SE1Click(); };
    NeuZeichnen1.OnClick = [this] { NeuZeichnen1Click(); };
    Timer2.OnTimer = [this] { Timer2Timer(); };
    Timer3.OnTimer = [this] { Timer3Timer(); };
}

// Size, place and scale come from the frame's create handler; everything the figure
// needs is computed here, each time the window becomes active.
void BeamMatterForm::FormActivate() {
    atomX = X(layout_.atomX);
    atomY = Y(310);
    for (int k = 0; k < kOrbits; ++k) {
        orbitRadiusX[static_cast<size_t>(k)] = X(kOrbitRadius[k]);
        orbitRadiusY[static_cast<size_t>(k)] = Y(kOrbitRadius[k]);
    }
    electronRadius = X(7);
    dotRadius = X(5);
    zoneColourM = 0x0040A5FF;
    zoneColourL = 0x0000CCFF;
    zoneColourK = 0x0000FFFF;
    for (int k = 0; k < kElectrons; ++k) electronAngle[static_cast<size_t>(k)] = kAtomElectrons[k].angle;
}

void BeamMatterForm::PaintBoxHauptPaint() {
    ui::Canvas& c = PaintBoxHaupt.canvas;
    auto aboutAtom = [&](int rx, int ry) { c.Ellipse(atomX - rx, atomY - ry, atomX + rx, atomY + ry); };
    // Rings from yellow at the atom to blue outwards; they stay visible in the vacuum.
    for (int i = 1; i <= 255; ++i) {
        c.brush.style = ui::BrushStyle::Clear;
        c.pen.width = 12;
        c.pen.color = static_cast<ui::TColor>(i * 0xFEFF);
        aboutAtom(6 * i, 6 * i);
    }
    // The material below its surface.
    c.brush.setColor(kMaterial);
    c.pen.color = ui::clWhite;
    c.pen.mode = ui::PenMode::Copy;
    c.pen.width = 1;
    c.Rectangle(0, Y(100), PaintBoxHaupt.width(), PaintBoxHaupt.height());
    // Shell zones M, L, K.
    c.brush.setColor(zoneColourM);
    aboutAtom(X(200), Y(200));
    c.brush.setColor(zoneColourL);
    aboutAtom(X(140), Y(140));
    c.brush.setColor(zoneColourK);
    aboutAtom(X(70), Y(70));
    // Orbits, dotted.
    c.brush.style = ui::BrushStyle::Clear;
    c.pen.style = ui::PenStyle::Dot;
    c.pen.color = kOrbit;
    for (int k = 0; k < kOrbits; ++k) aboutAtom(orbitRadiusX[static_cast<size_t>(k)], orbitRadiusY[static_cast<size_t>(k)]);
    // Electrons.
    c.brush.setColor(kElectron);
    for (int k = 0; k < kElectrons; ++k) {
        const double theta = electronAngle[static_cast<size_t>(k)] * std::numbers::pi / 180;
        const auto orbit = static_cast<size_t>(kAtomElectrons[k].orbit);
        const double x = atomX + orbitRadiusX[orbit] * std::cos(theta);
        const double y = atomY - orbitRadiusY[orbit] * std::sin(theta);
        c.Ellipse(Round(x - electronRadius), Round(y - electronRadius), Round(x + electronRadius),
                  Round(y + electronRadius));
    }
    // Nucleus.
    c.brush.setColor(kNucleus);
    c.pen.style = ui::PenStyle::Solid;
    c.pen.mode = ui::PenMode::Copy;
    c.Ellipse(atomX - 20, atomY - 20, atomX + 20, atomY + 20);
    // Labels.
    c.brush.style = ui::BrushStyle::Clear;
    c.font.color = ui::clBlack;
    c.font.height = Y(18);
    auto label = [&](int dx, int dy, const char* text) { c.TextOut(atomX + X(dx), atomY + Y(dy), text); };
    label(-30, -30, "Atomkern");
    label(-25, -210, "M-Schale");
    label(-25, -145, "L-Schale");
    label(-25, -75, "K-Schale");
    label(layout_.surfaceTextX, -230, "Materialoberfläche");
    c.font.height = Y(12);
    label(-10, -55, "1s");
    label(-10, -100, "2s");
    label(-10, -125, "2p");
    label(-10, -170, "3s");
    label(-10, -190, "3p");
}

void BeamMatterForm::tickStart() {
    ui::Canvas& c = PaintBoxHaupt.canvas;
    c.brush.setColor(kFunnel);
    c.pen.mode = ui::PenMode::Copy;
    c.pen.width = 1;
    c.Polygon({{atomX + X(-100), 0},
               {atomX + X(100), 0},
               {atomX + X(100), Y(20)},
               {atomX + X(10), Y(60)},
               {atomX + X(-10), Y(60)},
               {atomX + X(-100), Y(20)},
               {atomX + X(-100), 0}});
    c.font.color = ui::clWhite;
    c.font.height = Y(24);
    c.TextOut(atomX + X(-67), Y(10), " Elektronenstrahl ");
    c.brush.setColor(kDot);
}

void BeamMatterForm::dot(int x, int y) {
    PaintBoxHaupt.canvas.Ellipse(x - dotRadius, y - dotRadius, x + dotRadius, y + dotRadius);
}

// The backscattered electron: straight down past the nucleus, round below it and up out
// of the surface to the left. Steps are pixels, the bands are scaled, so the path goes
// deeper on a larger scale.
void BeamMatterForm::Timer2Timer() {
    tickStart();
    if (bseY < Y(280) && bseX >= atomX + X(30)) {
        dot(bseX, bseY);
        bseY += 10;
    }
    bool first = true;
    for (const Band& b : kBands) {
        const bool inBand = atomX + X(b.lo) < bseX && bseX <= atomX + X(b.hi);
        if (inBand && (!first || bseY >= Y(280))) {
            dot(bseX, bseY);
            bseY += b.dy;
            bseX -= b.dx;
            if (b.extraDot) dot(bseX, bseY);
        }
        first = false;
    }
    if (bseY <= Y(30) && bseX <= atomX + X(-400)) {
        ui::Canvas& c = PaintBoxHaupt.canvas;
        Timer2.setEnabled(false);
        c.TextOut(X(layout_.backscatterLabelX), Y(10), " Rückstreuelektronen ");
        c.pen.width = 4;
        c.pen.color = kArrow;
        c.MoveTo(bseX, bseY - 5);
        c.LineTo(Round(bseX - 10 * ScaleX), Round(bseY + 15 * ScaleY));
        c.MoveTo(bseX, bseY - 5);
        c.LineTo(Round(bseX + 10 * ScaleX), Round(bseY + 15 * ScaleY));
    }
}

// The secondary electron: the primary electron comes straight down to the 3p electron,
// which flies off to the left and slightly upwards.
void BeamMatterForm::Timer3Timer() {
    tickStart();
    const int start = atomX + X(-90);
    if (seY < Y(150) && seX == start) {
        dot(seX, seY);
        seY += 10;
    }
    if (seY >= Y(150) && seX <= start) {
        dot(seX, seY);
        seY -= 3;
        seX -= 10;
    }
    if (seX < start) {
        dot(seX, seY);
        seY -= 3;
        seX -= 10;
    }
    if (seX < start && seY <= Y(80)) {
        ui::Canvas& c = PaintBoxHaupt.canvas;
        Timer3.setEnabled(false);
        c.TextOut(X(layout_.secondaryLabelX), Y(50), " Sekundärelektronen ");
        c.pen.width = 4;
        c.pen.color = kArrow;
        c.MoveTo(seX, Round(seY - 2 * ScaleY));
        c.LineTo(Round(seX + 19 * ScaleX), Round(seY - 4 * ScaleY));
        c.MoveTo(Round(seX - 2 * ScaleX), seY - 5);
        c.LineTo(Round(seX + 8 * ScaleX), Round(seY + 15 * ScaleY));
    }
}

void BeamMatterForm::BSE1Click() {
    Timer2.setEnabled(true);
    BSE1.setEnabled(false);
    bseX = atomX + X(30);
    bseY = Y(-10);
}

void BeamMatterForm::SE1Click() {
    Timer3.setEnabled(true);
    SE1.setEnabled(false);
    seX = atomX + X(-90);
    seY = 0;
}

void BeamMatterForm::stopRuns() {
    Timer2.setEnabled(false);
    Timer3.setEnabled(false);
}

void BeamMatterForm::enableStartItems() {
    BSE1.setEnabled(true);
    SE1.setEnabled(true);
}

// Wipes the trails, stops the runs and makes every run available again.
void BeamMatterForm::NeuZeichnen1Click() {
    Repaint();
    stopRuns();
    enableStartItems();
    FormActivate();
    Repaint();
}

void BeamMatterForm::FormClose() { NeuZeichnen1Click(); }

}  // namespace chapters

#include "chapters/rem/FormREMRaster.h"

#include <string>
#include <vector>

#include "frame/Design.h"
#include "frame/Photo.h"

namespace chapters {

using frame::Round;
using ui::Point;

namespace {
const frame::FrameSpec kFrame{
    .className = TFormREMRaster::kClassName,
    .caption = "Rasterelektronenmikroskopie: Strahlengang (schematisch)",
    .designPPI = frame::kDesign120,
    .color = ui::clBlue,
    .menu = {frame::closeItem("Ende1"), frame::escItem("ESC1"), {"NeuStarten1", "&Starten"}, {"Neu1", "Sto&pp"},
             {"NeuZeichnen1", "&Neu Zeichnen"}},
};
constexpr ui::TColor kBox = 0xBBFFFF;
constexpr ui::TColor kScanField = 0x00006F;
}  // namespace

TFormREMRaster::TFormREMRaster(ui::Application& app)
    : TopicForm(app, kFrame) {
    PaintBoxHaupt.setAlign(ui::Align::Client);
    PaintBoxHaupt.color = kBox;
    PaintBoxHaupt.font = font;
    PaintBoxHaupt.OnPaint = [this] { PaintBoxHauptPaint(); };
    ImageBild.stretch = false;
    ImageBild.setPicture(frame::loadPhoto(kPhotos[0]));
    PaintBoxBeam.font = font;
    PaintBoxBeam.color = color();  // transparent: it takes the window's colour
    for (int k = 0; k < kStrips; ++k) {
        ShapeBild[static_cast<size_t>(k)] = std::make_unique<ui::Shape>(*this, "ShapeBild" + std::to_string(k + 1));
        ShapeBild[static_cast<size_t>(k)]->brushColor = ui::clWhite;
        ShapeBild[static_cast<size_t>(k)]->penColor = ui::clBlack;
    }
    NeuStarten1.OnClick = [this] { NeuStarten1Click(); };
    Neu1.OnClick = [this] { Neu1Click(); };
    NeuZeichnen1.OnClick = [this] { NeuZeichnen1Click(); };
    TimerRast1.OnTimer = [this] { TimerRast1Timer(); };
}

void TFormREMRaster::FormCreate() {
    placeBy(frame::Pattern::UpTo1024Inclusive);
    // The client alignment of the figure overrides this request.
    PaintBoxHaupt.setBounds(8, 2, X(780), Y(519));
    ImageBild.setBounds(X(500), Y(50), X(250), Y(175));
    PaintBoxBeam.setBounds(5, 5, X(788), Y(535));
    StripHeight = Round(ScaleY * 176 / 10);
    for (int k = 1; k <= kStrips; ++k)
        strip(k).setBounds(ImageBild.left(), ImageBild.top() + (k - 1) * StripHeight, ImageBild.width(), StripHeight);
    BeamOffsetX = 20;
    BeamRowY = 416;
    ScanLine = 1;
    FullCoverWidth = strip(kStrips).width();
    CoverWidth = strip(1).width();
}

// Covers the picture with all ten strips at full width.
void TFormREMRaster::coverPicture() {
    for (int k = 1; k <= kStrips; ++k) strip(k).setWidth(ImageBild.width());
    for (int k = 1; k <= kStrips; k += 2) strip(k).setLeft(ImageBild.left());
}

void TFormREMRaster::resetScan() {
    Repaint();
    BeamOffsetX = 20;
    BeamRowY = 416;
    FullCoverWidth = strip(kStrips).width();
    ScanLine = 1;
    coverPicture();
    CoverWidth = strip(1).width();
}

void TFormREMRaster::NeuStarten1Click() {
    resetScan();
    TimerRast1.setEnabled(true);
}

void TFormREMRaster::Neu1Click() { TimerRast1.setEnabled(false); }

void TFormREMRaster::NeuZeichnen1Click() {
    resetScan();
    TimerRast1.setEnabled(false);
}

void TFormREMRaster::FormClose() {
    resetScan();
    TimerRast1.setEnabled(false);
}

void TFormREMRaster::PaintBoxHauptPaint() {
    ui::Canvas& c = PaintBoxHaupt.canvas;
    frame::Design d = design(c);

    const int w = PaintBoxHaupt.width();
    c.pen.width = 1;
    c.pen.color = ui::clBlack;
    c.brush.setColor(kBox);
    c.Rectangle(0, 0, w, w);
    // Sample.
    c.brush.setColor(ui::clSilver);
    d.Rectangle(70, 450, 270, 500);
    d.Polygon({{70, 450}, {270, 450}, {310, 420}, {110, 420}});
    d.Polygon({{270, 450}, {270, 500}, {310, 470}, {310, 420}});
    // Scanned field: x in pixels from the scaled start of the field.
    c.brush.setColor(kScanField);
    const double fx = 155 * ScaleX;
    c.Polygon({Point{Round(fx + 20), Y(437)}, Point{Round(fx + 45), Y(437)}, Point{Round(fx + 55), Y(422)},
               Point{Round(fx + 30), Y(422)}});
    // Final lens.
    c.brush.setColor(ui::clSilver);
    c.pen.color = ui::clRed;
    d.Polygon({{140, 370}, {240, 370}, {220, 405}, {160, 405}});
    // Column.
    c.pen.width = 1;
    d.Rectangle(140, 20, 240, 373);
    d.Ellipse(140, 10, 240, 30);
    // Apertures.
    c.pen.width = 5;
    c.pen.color = ui::clBlue;
    d.Ellipse(160, 403, 220, 408);
    d.Ellipse(160, 95, 220, 100);
    d.Line(143, 97, 237, 97);
    c.pen.width = 7;
    c.pen.color = ui::clRed;
    d.Line(142, 373, 160, 405);
    d.Line(238, 373, 220, 405);
    // Coils.
    c.pen.width = 10;
    d.Ellipse(149, 370, 231, 390);
    d.Ellipse(149, 360, 231, 380);
    d.Ellipse(149, 150, 231, 170);
    d.Ellipse(149, 140, 231, 160);
    // Cathode.
    c.brush.setColor(ui::clYellow);
    c.pen.color = ui::clYellow;
    d.Polygon({{160, 30}, {220, 30}, {200, 50}, {180, 50}});
    // Column walls.
    c.brush.setColor(ui::clRed);
    c.pen.color = ui::clGray;
    c.pen.width = 15;
    d.Line(238, 373, 238, 22);
    d.Line(141, 373, 141, 22);
    // Deflection unit and its leads.
    c.pen.color = ui::clRed;
    c.pen.width = 5;
    d.Line(141, 22, 300, 22);
    d.Line(450, 22, 620, 22);
    d.Rectangle(300, 12, 450, 52);
    d.Line(620, 22, 620, 40);
    // Detector and amplifier.
    c.brush.setColor(ui::clSilver);
    c.pen.color = ui::clBlue;
    d.Polygon({{320, 280}, {460, 220}, {460, 325}, {380, 355}});
    d.Line(460, 300, 560, 300);
    d.Rectangle(560, 280, 740, 360);
    d.Line(620, 280, 620, 240);
    // Display frame round the picture.
    c.brush.setColor(ui::clRed);
    d.Rectangle(490, 40, 760, 235);
    // Labels.
    c.brush.style = ui::BrushStyle::Clear;
    c.font.height = 24;
    const std::pair<Point, const char*> labels[] = {
        {{130, 466}, "Probe"},        {{30, 15}, "Elektronen-"},     {{30, 35}, "kanone"},
        {{30, 85}, "Streublende"},    {{30, 140}, "Spule"},          {{30, 375}, "Ablenkspule"},
        {{30, 400}, "Aperturblende"}, {{310, 20}, "Ablenkeinheit"},  {{345, 270}, "SE-Detektor"},
        {{580, 310}, "Signalverstärker"}};
    for (const auto& [p, s] : labels) d.TextOut(p.x, p.y, s);
}

// The beam: five lines from the column and the detector to the scanned spot, drawn in
// not-xor, so drawing the same set again takes it away.
void TFormREMRaster::toggleBeam() {
    ui::Canvas& c = PaintBoxBeam.canvas;
    const Point s{Round(155 * ScaleX + BeamOffsetX), Round(BeamRowY * ScaleY)};
    frame::Design d = design(c);
    auto from = [&](double x, double y) {
        d.MoveTo(x, y);
        c.LineTo(s.x, s.y);
    };
    from(185, 380);
    d.Line(185, 380, 185, 90);
    from(335, 305);
    from(340, 310);
    from(345, 315);
}

void TFormREMRaster::TimerRast1Timer() {
    ui::Canvas& c = PaintBoxBeam.canvas;
    // 1. Canvas set-up.
    c.pen.width = 3;
    c.font.color = ui::clRed;
    c.font.height = 24;
    c.brush.setColor(ui::clBlack);
    c.pen.mode = ui::PenMode::NotXor;
    c.pen.color = ui::clRed;
    c.brush.setColor(ui::clRed);
    // 2. The blinking triangle at the gun.
    frame::Design d = design(c);
    d.Polygon({{185, 40}, {200, 90}, {170, 90}});
    // 3. Labels.
    c.brush.style = ui::BrushStyle::Clear;
    c.TextOut(X(110), Round(-5 * ScaleY), "Elektronenstrahl");
    d.TextOut(305, 355, "Elektronen");
    d.TextOut(305, 375, "die der Sekundärelektronen-Detektor");
    d.TextOut(305, 395, "aufnimmt");
    // 4. Start of a line.
    if (BeamOffsetX == 20) {
        CoverWidth = FullCoverWidth;
        if (ScanLine == 1) toggleBeam();
        if (ScanLine > 1) ScanLine += 1;
    }
    // 5. One step along the line, pulling the strip away.
    if (BeamOffsetX <= 40) {
        toggleBeam();
        if (ScanLine <= 10) {
            if (ScanLine % 2 == 1) BeamOffsetX += 5;
            else BeamOffsetX -= 5;
        }
        toggleBeam();
        if (ScanLine >= 1 && ScanLine <= kStrips && CoverWidth >= 0) {
            ui::Shape& s = strip(ScanLine);
            if (ScanLine % 2 == 1) {
                CoverWidth -= Round(50 * ScaleX);
                s.setLeft(Round(250 * ScaleX) + ImageBild.left() - CoverWidth);
                s.setWidth(CoverWidth);
            } else {
                CoverWidth -= Round(62.5 * ScaleX);
                s.setWidth(CoverWidth);
            }
        }
    }
    // 6. End of an odd line: the beam goes down one row.
    if (BeamOffsetX == 40) {
        toggleBeam();
        BeamRowY += 3;
    }
    // 7. Past the end of the line: the next line begins.
    if (BeamOffsetX == 45) {
        ScanLine += 1;
        CoverWidth = FullCoverWidth;
        toggleBeam();
        BeamOffsetX = 40;
    }
    // 8. Frame complete: cover the picture and begin again at the top.
    if (ScanLine == 11) {
        toggleBeam();
        BeamOffsetX = 20;
        BeamRowY = 416;
        ScanLine = 1;
        coverPicture();
        CoverWidth = strip(1).width();
        FullCoverWidth = strip(kStrips).width();
    }
}

}  // namespace chapters

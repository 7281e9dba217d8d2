#include "chapters/rem/FormREMSE.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormREMSE::kClassName,
    .caption = "Schema des Strahlengangs beim Sekundärelektronendetektor (SE-Detektor)",
    .color = ui::clYellow,
    .menu = {frame::closeItem("Ende"), frame::escItem("ESC"), {"Lichtquelleanschalten1", "&Primärelektronenstrahl"},
             {"Wechselwirkung1", "&Wechselwirkung"}, {"Neustarten1", "&Neu Zeichnen"}},
    .placement = frame::Pattern::UpTo1024Inclusive,
};

// Secondary electrons leave the fracture surface where the beam passes and fly up and to
// the left towards the detector.
constexpr Emitter kEmitters[] = {
    {true, 300, 300, 500, 10, 20},   {true, 330, 330, 500, 10, 20},   {true, 360, 360, 500, 10, 20},
    {true, 370, 370, 490, 10, 20},   {true, 375, 375, 485, 10, 20},   {true, 380, 380, 480, 12, 18},
    {true, 390, 390, 480, 14, 17},   {true, 397, 397, 475, 13, 17},   {true, 405, 405, 475, 13, 16},
    {true, 420, 420, 475, 15, 15},   {true, 450, 450, 475, 15, 15},   {true, 470, 470, 470, 15, 15},
    {true, 480, 480, 470, 15, 15},   {true, 490, 490, 465, 15, 15},   {true, 500, 500, 465, 15, 15},
    {false, 490, 490, 465, 15, 15},  {false, 480, 480, 470, 15, 15},  {false, 470, 470, 470, 15, 15},
    {false, 450, 450, 475, 15, 15},  {false, 420, 420, 475, 15, 15},  {false, 405, 405, 475, 13, 16},
    {false, 397, 397, 475, 13, 17},  {false, 390, 392, 480, 14, 17},  {false, 380, 385, 480, 18, 20},
    {false, 375, 375, 485, 15, 20},  {false, 370, 370, 490, 15, 22},  {false, 360, 360, 500, 15, 30},
    {false, 350, 350, 500, 20, 35},  {false, 330, 330, 500, 30, 54},
};

constexpr SchemaText kLegend[] = {
    {10, 340, "Sekundärelektronen"}, {10, 370, "aus der Probenoberfläche"}, {10, 400, "maximale Tiefe ca. 5 nm"}};

const SweepSpec kSweep{.emitters = kEmitters,
                       .beamCaption = {500, 40, "Primärelektronenstrahl"},
                       .legend = kLegend,
                       .beamFootY = 490,
                       .riseLimit = 300,
                       .finishes = true};
}  // namespace

TFormREMSE::TFormREMSE(ui::Application& app) : DetectorSchema(app, kFrame, kSweep) {
    Neustarten1.OnClick = [this] { Neustarten1Click(); };
}

void TFormREMSE::PaintBoxHauptPaint() {
    ui::Canvas& c = PaintBoxHaupt.canvas;
    frame::Design d = design(c);
    c.font.name = "MS Sans Serif";
    c.pen.color = 0x000001;
    c.pen.mode = ui::PenMode::Copy;
    c.pen.style = ui::PenStyle::Solid;
    c.pen.width = 1;
    paintStageAndColumn(c);
    // Detector and its opening.
    c.brush.setColor(ui::clBlue);
    c.pen.color = ui::clBlue;
    d.Rectangle(0, 0, 220, 200);
    d.Ellipse(80, 90, 230, 240);
    c.brush.setColor(ui::clWhite);
    c.pen.color = ui::clWhite;
    d.Ellipse(90, 100, 220, 230);
    // Sample with its fracture surface, high in the middle.
    c.brush.setColor(ui::clGray);
    d.Polygon({{0, 500}, {800, 500}, {750, 488}, {700, 460}, {650, 462}, {600, 466}, {550, 450}, {500, 452},
               {450, 465}, {400, 466}, {350, 490}, {300, 488}, {250, 492}, {200, 476}, {150, 470}, {100, 467}});
    // Labels.
    c.pen.color = ui::clBlack;
    c.brush.style = ui::BrushStyle::Clear;
    c.font.height = X(30);
    c.font.color = ui::clWhite;
    d.TextOut(40, 20, "SE-Detektor");
    c.font.color = ui::clBlack;
    d.TextOut(600, 420, "Bruchfläche");
}

void TFormREMSE::Neustarten1Click() { resetClick(); }

void TFormREMSE::FormClose() { resetClick(); }

}  // namespace chapters

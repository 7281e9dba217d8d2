#include "chapters/rem/FormREMBSE.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormREMBSE::kClassName,
    .caption = "Schema des Strahlengangs beim Rückstreuelektronendetektor (BSE-Detektor)",
    .color = ui::clYellow,
    .menu = {frame::closeItem("Ende"), frame::escItem("ESC"), {"Lichtquelleanschalten1", "&Primärelektronenstrahl"},
             {"Wechselwirkung1", "&Wechselwirkung"}, {"Stopp1", "&Neu Zeichnen"}},
    .placement = frame::Pattern::UpTo1024Inclusive,
};

// Backscattered electrons rise straight up from where the beam passes, 40 pixels a
// tick; a dot that has left the figure stays where it is until the cycle begins again.
constexpr Emitter up(bool forward, int T) { return Emitter{forward, T, T, 460, 0, 40}; }
constexpr Emitter kEmitters[] = {
    up(true, 310),  up(true, 350),  up(true, 390),  up(true, 410),  up(true, 420),  up(true, 430),
    up(true, 440),  up(true, 450),  up(true, 460),  up(true, 470),  up(true, 480),  up(true, 490),
    up(true, 500),  up(false, 490), up(false, 480), up(false, 470), up(false, 460), up(false, 450),
    up(false, 440), up(false, 430), up(false, 420), up(false, 410), up(false, 390), up(false, 360),
};

constexpr SchemaText kLegend[] = {
    {140, 240, "Rückstreuelektronen"}, {140, 270, "die vom BSE-Detektor"}, {140, 300, "aufgefangen werden"}};

const SweepSpec kSweep{.emitters = kEmitters,
                       .beamCaption = {520, 60, "Primärelektronenstrahl"},
                       .legend = kLegend,
                       .beamFootY = 450,
                       .riseLimit = 470,
                       .finishes = false};
}  // namespace

TFormREMBSE::TFormREMBSE(ui::Application& app) : DetectorSchema(app, kFrame, kSweep) {
    Stopp1.OnClick = [this] { Stopp1Click(); };
}

void TFormREMBSE::PaintBoxHauptPaint() {
    ui::Canvas& c = PaintBoxHaupt.canvas;
    frame::Design d = design(c);
    // The pen colour is left as it is: black at first, red once the beam has run, and
    // the outlines below take it.
    c.font.name = "MS Sans Serif";
    c.pen.mode = ui::PenMode::Copy;
    c.pen.style = ui::PenStyle::Solid;
    c.pen.width = 1;
    // Mounting material, metal, oxide layer.
    c.brush.setColor(ui::clBlue);
    d.Rectangle(220, 450, 780, 500);
    c.brush.setColor(ui::clGray);
    d.Rectangle(390, 450, 610, 480);
    c.brush.setColor(ui::clBlack);
    d.Rectangle(390, 450, 410, 480);
    paintStageAndColumn(c);
    // The detector ring round the column, cut open.
    c.brush.setColor(ui::clRed);
    c.pen.color = ui::clRed;
    d.Rectangle(260, 0, 540, 10);
    d.Rectangle(260, 0, 279, 50);
    d.Rectangle(521, 0, 540, 50);
    // Labels.
    c.pen.color = ui::clBlack;
    c.brush.style = ui::BrushStyle::Clear;
    c.font.height = X(30);
    c.font.color = ui::clRed;
    d.TextOut(100, 20, "BSE-Detektor");
    c.font.height = X(18);
    c.font.color = ui::clWhite;
    d.TextOut(250, 480, "Einbettmittel");
    d.TextOut(380, 480, "Metalloxid");
    d.TextOut(500, 480, "Metall");
}

void TFormREMBSE::Stopp1Click() { resetClick(); }

void TFormREMBSE::FormClose() {
    // Closing stops the timer first, then repaints and gives the start item back.
    TimerLicht.setEnabled(false);
    Repaint();
    Lichtquelleanschalten1.setEnabled(true);
    resetSweep();
}

}  // namespace chapters

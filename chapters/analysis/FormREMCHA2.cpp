#include "chapters/analysis/FormREMCHA2.h"

#include <cmath>
#include <initializer_list>
#include <vector>

#include "frame/Atom.h"
#include "frame/Invert.h"

namespace chapters {

using frame::div;
using frame::Round;

namespace {
const frame::FrameSpec kFrame{
    .className = TFormREMCHA2::kClassName,
    .caption = "Charakteristische Röntgenstrahlen",
    .color = ui::clYellow,
    .menu = {frame::closeItem("Ende"), frame::escItem("ESC"), {"KLinien1", "K-Linien"}, {"KAlpha", "K[Alpha]"},
             {"KBeta", "K[Beta] "}, {"KGamma", "K[Gamma]"}, {"LLinien1", "L-Linien"}, {"LAlpha", "L[Alpha]"},
             {"LBeta", "L[Beta]"}, {"MAlpha", "M[Alpha]-Linie"}, {"Neu", "&Neu Zeichnen"}},
    .placement = frame::Pattern::UpTo1024Exclusive,
};
constexpr ui::TColor kWave = 200;  // dark red
constexpr ui::TColor kLColour = 0x00006F;

// The explanations of the line series, one text line each, 20 pixels apart.
const std::initializer_list<const char*> kKText{"K-Linien: Elektronen fallen", "von einem höheren",
                                                "Niveau (z.B. L oder M)", "auf das K-Niveau.", "Dies sind die",
                                                "energiereichsten", "und kurzwelligsten"};
const std::initializer_list<const char*> kLText{"L-Linien: Elektronen fallen", "von einem höheren",
                                                "Niveau (z.B. M oder N)", "auf das L-Niveau"};
const std::initializer_list<const char*> kMText{"M-Linien: Elektronen fallen", "von einem höheren",
                                                "Niveau (z.B. N)", "auf das M-Niveau"};

void textLines(ui::Canvas& c, int x, int y, std::initializer_list<const char*> text) {
    for (const char* s : text) {
        c.TextOut(x, y, s);
        y += 20;
    }
}
}  // namespace

TFormREMCHA2::TFormREMCHA2(ui::Application& app) : TopicForm(app, kFrame) {
    font.height = -14;
    PaintBoxHaupt.font = font;
    KLinien1.OnClick = [this] { KLinien1Click(); };
    KAlpha.OnClick = [this] { KAlphaClick(); };
    KBeta.OnClick = [this] { KBetaClick(); };
    KGamma.OnClick = [this] { KGammaClick(); };
    LLinien1.OnClick = [this] { LLinien1Click(); };
    LAlpha.OnClick = [this] { LAlphaClick(); };
    LBeta.OnClick = [this] { LBetaClick(); };
    MAlpha.OnClick = [this] { MAlphaClick(); };
    Neu.OnClick = [this] { NeuClick(); };
    TimerKg.OnTimer = [this] { TimerKgTimer(); };
    TimerKb.OnTimer = [this] { TimerKbTimer(); };
    TimerKa.OnTimer = [this] { TimerKaTimer(); };
    TimerLa.OnTimer = [this] { TimerLaTimer(); };
    TimerLb.OnTimer = [this] { TimerLbTimer(); };
    TimerMa.OnTimer = [this] { TimerMaTimer(); };
}

ui::Timer& TFormREMCHA2::timer(Line l) {
    ui::Timer* t[kLines] = {&TimerKg, &TimerKb, &TimerKa, &TimerLa, &TimerLb, &TimerMa};
    return *t[l];
}

// The paint box takes the screen size (not the window's); the figure follows the window
// size, not the layout scale.
void TFormREMCHA2::FormCreate() {
    TopicForm::FormCreate();
    PaintBoxHaupt.setBounds(0, 0, screenWidth() - 10, screenHeight() - 60);
    centreX = div(width(), 2);
    centreY = div(height(), 2) - 40;
}

// The atom with its four shells and six electrons; every paint puts the electrons back
// at their start points (all but the waves' wiggles).
void TFormREMCHA2::FormPaint() {
    ui::Canvas& c = canvas;
    const int W = width();
    const int H = height();
    const int cx = centreX;
    const int cy = centreY;

    frame::paintNucleus(c, cx, cy, Round(W / 4.0));

    c.pen.style = ui::PenStyle::Dot;
    c.pen.width = 1;
    c.pen.color = ui::clBlue;
    c.brush.style = ui::BrushStyle::Clear;
    for (double d : {8.0, 5.4, 4.0, 3.1}) frame::disc(c, cx, cy, Round(W / d));

    auto set = [this](Line l, ui::Point from, ui::Point to) {
        LineRecord& r = lines[l];
        r.electron = from;
        r.from = from;
        r.to = to;
        r.waveTravel = centreX - Round(width() / 3.2);
    };
    set(Kg, {cx - Round(W / 3.1), cy}, {cx - Round(W / 8.0), cy});
    set(Kb, {cx - Round(W / 6.0), cy - Round(H / 4.0)}, {cx - Round(W / 13.2), cy - Round(H / 7.6)});
    set(Ka, {cx, cy - Round(H / 4.0)}, {cx, cy - Round(H / 6.0)});
    set(La, {cx - Round(W / 6.0), cy + Round(H / 4.0)}, {cx - Round(W / 8.4), cy + Round(H / 5.3)});
    set(Lb, {cx, cy + Round(H / 2.33)}, {cx, cy + Round(H / 4.0)});
    set(Ma, {cx + Round(W / 3.1), cy}, {cx + Round(W / 4.0), cy});

    c.brush.setColor(ui::clBlue);
    c.pen.color = ui::clBlue;
    for (const LineRecord& r : lines) frame::disc(c, r.from.x, r.from.y, 10);

    c.brush.style = ui::BrushStyle::Clear;
    c.font.height = 16;
    c.font.color = ui::clBlack;
    c.TextOut(cx + Round(W / 16.0), cy - Round(H / 6.0), "K-Schale");
    c.TextOut(cx + Round(W / 8.0), cy - Round(H / 5.0), "L-Schale");
    c.TextOut(cx + Round(W / 5.6), cy - Round(H / 4.0), "M-Schale");
    c.TextOut(cx + Round(W / 4.0), cy - Round(H / 3.4), "N-Schale");
    c.font.height = 24;
    c.TextOut(cx, cy - 60, "Atomkern");
}

// Whether the line's electron still moves, and its step.
bool TFormREMCHA2::moves(Line l) const {
    const ui::Point e = lines[l].electron;
    const int W = width(), H = height();
    switch (l) {
        case Kg: return e.x <= centreX - Round(W / 8.0);
        case Kb: return e.x <= centreX - Round(W / 13.0);
        case Ka: return e.y <= centreY - Round(H / 6.0);
        case La: return e.x <= centreX - Round(W / 13.0);
        case Lb: return e.y >= centreY + Round(H / 4.0);
        case Ma: return e.x >= centreX + Round(W / 4.0);
        case kLines: break;
    }
    return false;
}

void TFormREMCHA2::step(Line l) {
    ui::Point& e = lines[l].electron;
    switch (l) {
        case Kg: e.x += 4; break;
        case Kb: e.x += 2, e.y += 2; break;
        case Ka: e.y += 2; break;
        case La: e.x += 2, e.y -= 2; break;
        case Lb: e.y -= 4; break;
        case Ma: e.x -= 4; break;
        case kLines: break;
    }
}

// L(Alpha) ends (at W/8.3) before its move bound (W/13) is reached.
bool TFormREMCHA2::ended(Line l) const {
    const ui::Point e = lines[l].electron;
    const int W = width(), H = height();
    switch (l) {
        case Kg: return e.x >= centreX - Round(W / 8.0);
        case Kb: return e.x >= centreX - Round(W / 13.0);
        case Ka: return e.y >= centreY - Round(H / 6.0);
        case La: return e.x >= centreX - Round(W / 8.3);
        case Lb: return e.y <= centreY + Round(H / 4.0);
        case Ma: return e.x <= centreX + Round(W / 4.0);
        case kLines: break;
    }
    return false;
}

// The wave's point: its x is built from centreY and its y from centreX, so each wave
// rises 2 pixels a tick.
ui::Point TFormREMCHA2::wavePoint(Line l) const {
    const int cx = centreX, cy = centreY, W = width();
    const int w = lines[l].waveWiggle, t = lines[l].waveTravel;
    switch (l) {
        case Kg: return {cy - w - 20, cx - t};
        case Kb: return {cy - w + 40, cx - t - 140};
        case Ka: return {cy - w + 140, cx - t - 160};
        case La: return {cy - w + 20, cx - t + 130};
        case Lb: return {cy - w + Round(W / 5.7), Round(cx - t + W / 5.5)};
        case Ma: return {cy - w + Round(W / 2.2), cx - t};
        case kLines: break;
    }
    return {};
}

// Label, explanation, track and arrow head of a line that has arrived.
void TFormREMCHA2::drawEnd(Line l) {
    ui::Canvas& c = PaintBoxHaupt.canvas;
    const LineRecord& r = lines[l];
    const int cx = centreX, cy = centreY, H = height();
    const int w = r.waveWiggle, t = r.waveTravel;
    const ui::Point T = r.to;
    const int bottomText = clientHeight() - 120;

    c.brush.style = ui::BrushStyle::Clear;
    c.font.height = 24;
    std::vector<ui::Point> head;
    switch (l) {
        case Kg:
            c.font.color = ui::clRed;
            c.TextOut(cy - w - 70, cx - t - 20, "K(Gamma)");
            textLines(c, cx - 390, 10, kKText);
            c.TextOut(cx - 390, 150, "Linien");
            head = {{T.x - 5, cy}, {T.x - 25, cy - 5}, {T.x - 25, cy + 5}};
            break;
        case Kb:
            c.font.color = ui::clRed;
            c.TextOut(cy - w, cx - t - 165, "K(Beta)");
            textLines(c, cx - 390, 10, kKText);
            c.TextOut(cx - 390, 150, "Linien");
            head = {{T.x - 2, T.y - 2}, {T.x - 13, T.y - 24}, {T.x - 23, T.y - 15}};
            break;
        case Ka:
            c.font.color = ui::clRed;
            c.TextOut(cy - w + 77, cx - t - 185, "K(Alpha)");
            textLines(c, cx - 390, 10, kKText);
            c.TextOut(cx - 390, 150, "Linien.");
            head = {{T.x, cy - Round(H / 5.5)}, {T.x + 5, cy - Round(H / 4.5)}, {T.x - 5, cy - Round(H / 4.5)}};
            break;
        case La:
            c.font.color = kLColour;
            c.TextOut(cy - 50, cx - 100, "L(Alpha)");
            textLines(c, cx - 390, bottomText, kLText);
            head = {{T.x - 2, T.y + 2}, {T.x - 13, T.y + 20}, {T.x - 21, T.y + 11}};
            break;
        case Lb:
            c.font.color = kLColour;
            c.TextOut(T.x + 20, T.y - 80, "L(Beta)");
            textLines(c, cx - 390, bottomText, kLText);
            head = {{T.x, cy + Round(H / 4.0)}, {T.x + 5, cy + Round(H / 3.5)}, {T.x - 5, cy + Round(H / 3.5)}};
            break;
        case Ma:
            c.font.color = ui::clBlack;
            c.TextOut(T.x + 50, T.y - 64, "M(Alpha)");
            textLines(c, clientWidth() - 230, bottomText, kMText);
            head = {{T.x + 5, cy}, {T.x + 25, cy - 5}, {T.x + 25, cy + 5}};
            break;
        case kLines: break;
    }
    c.pen.color = ui::clBlack;
    c.pen.width = 2;
    c.MoveTo(r.from.x, r.from.y);
    c.LineTo(T.x, T.y);
    c.pen.mode = ui::PenMode::Copy;
    c.brush.setColor(ui::clBlue);
    c.Polygon(head);
}

// One tick of a line's timer: the electron moves as an inverting disc, one wave
// segment rises, and the line's end is drawn once it has arrived.
void TFormREMCHA2::lineTick(Line l) {
    ui::Canvas& c = PaintBoxHaupt.canvas;
    LineRecord& r = lines[l];
    frame::invertingDiscs(c);
    if (moves(l)) {
        frame::moveInverted([&] { frame::disc(c, r.electron.x, r.electron.y, 10); }, [&] { step(l); });
        static constexpr double kWavelength[kLines] = {2, 2, 2, 3, 3, 4};
        c.pen.mode = ui::PenMode::Copy;
        c.pen.color = kWave;
        c.pen.width = 4;
        const ui::Point from = wavePoint(l);
        c.MoveTo(from.x, from.y);
        r.waveTravel += 2;
        r.waveWiggle = Round(5 * std::sin(r.waveTravel / kWavelength[l]));
        const ui::Point to = wavePoint(l);
        c.LineTo(to.x, to.y);
        c.pen.mode = ui::PenMode::NotXor;
    }
    if (ended(l)) {
        drawEnd(l);
        timer(l).setEnabled(false);
    }
}

void TFormREMCHA2::startLine(Line l, ui::MenuItem& own, ui::MenuItem& group) {
    timer(l).setEnabled(true);
    own.setEnabled(false);
    group.setEnabled(false);
}

void TFormREMCHA2::KLinien1Click() {
    TimerKg.setEnabled(true);
    TimerKb.setEnabled(true);
    TimerKa.setEnabled(true);
    KGamma.setEnabled(false);
    KBeta.setEnabled(false);
    KAlpha.setEnabled(false);
    KLinien1.setEnabled(false);
}

void TFormREMCHA2::KAlphaClick() { startLine(Ka, KAlpha, KLinien1); }
void TFormREMCHA2::KBetaClick() { startLine(Kb, KBeta, KLinien1); }
void TFormREMCHA2::KGammaClick() { startLine(Kg, KGamma, KLinien1); }

void TFormREMCHA2::LLinien1Click() {
    TimerLa.setEnabled(true);
    TimerLb.setEnabled(true);
    LAlpha.setEnabled(false);
    LBeta.setEnabled(false);
    LLinien1.setEnabled(false);
}

void TFormREMCHA2::LAlphaClick() { startLine(La, LAlpha, LLinien1); }
void TFormREMCHA2::LBetaClick() { startLine(Lb, LBeta, LLinien1); }

void TFormREMCHA2::MAlphaClick() {
    TimerMa.setEnabled(true);
    MAlpha.setEnabled(false);
}

// Every line can run again: all eight line items on, all six timers off.
void TFormREMCHA2::rearm() {
    for (ui::MenuItem* i : {&KLinien1, &KAlpha, &KBeta, &KGamma, &LLinien1, &LAlpha, &LBeta, &MAlpha})
        i->setEnabled(true);
    for (int l = 0; l < kLines; ++l) timer(static_cast<Line>(l)).setEnabled(false);
}

void TFormREMCHA2::NeuClick() {
    Repaint();
    rearm();
}

void TFormREMCHA2::FormClose() { rearm(); }

}  // namespace chapters

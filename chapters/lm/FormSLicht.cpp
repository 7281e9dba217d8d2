#include "chapters/lm/FormSLicht.h"

#include <vector>

namespace chapters {

using frame::div;
using frame::Round;

namespace {
const frame::FrameSpec kFrame{
    .className = TFormSLicht::kClassName,
    .caption = "Lichtmikroskopie: Strahlengang in einem Auflichtmikroskop an einer polierten und geätzten Probe",
    .color = ui::clBlue,
    .statusBar = "StatusBarHint",
    // This window lists its Esc item first and captions it like its name.
    .menu = {frame::escItem("ESCAPE", "ESCAPE"), frame::closeItem("Ende"),
             {"StrahlP", "Strahlengang: &Polierte Probe"},
             {"StrahlG", "Strahlengang: &Korngrenzenätzung"},
             {"StrahlengangKorngrenzentzung1", "Strahlengang: Korn&flächenätzung"},
             {"Strahlengangneu1", "&Strahlengang neu"}},
    .placement = frame::Pattern::UpTo1024Inclusive,
};

constexpr ui::TColor kPaper = 0xAEFFFF;
constexpr ui::TColor kLabel = 0x80FFFF;
constexpr ui::TColor kGrey = 0x808080;
constexpr ui::TColor kSilver = 0xC0C0C0;
constexpr ui::TColor kIncident = 0x000001;
constexpr ui::TColor kReflected = 0x0000FF;

struct Outline {
    ui::TColor brush;
    std::vector<frame::DPoint> points;
};

// The grains of the cross-section, the same in every panel.
const Outline kGrains[] = {
    {kGrey, {{30, 180}, {30, 220}, {60, 220}, {58, 200}, {50, 188}, {40, 185}, {30, 180}}},
    {kSilver, {{60, 220}, {58, 200}, {50, 188}, {66, 190}, {77, 188}, {88, 185}, {100, 220}, {60, 220}}},
    {kGrey, {{100, 220}, {88, 185}, {100, 180}, {110, 190}, {120, 188}, {127, 185}, {137, 199}, {140, 220}, {100, 220}}},
    {kSilver, {{140, 220}, {137, 199}, {127, 185}, {140, 182}, {150, 180}, {160, 183}, {170, 193}, {171, 220}, {140, 220}}},
    {kGrey, {{171, 220}, {170, 193}, {165, 188}, {180, 188}, {190, 184}, {199, 183}, {199, 220}, {171, 220}}},
    {kSilver, {{165, 188}, {170, 177}, {171, 170}, {174, 168}, {183, 154}, {199, 153}, {199, 183}, {190, 184}, {180, 188},
               {165, 188}}},
    {kGrey, {{165, 188}, {170, 177}, {171, 170}, {174, 168}, {183, 154}, {179, 153}, {169, 153}, {150, 154}, {150, 155},
             {140, 156}, {130, 158}, {130, 183}, {140, 183}, {165, 188}}},
    {kSilver, {{130, 183}, {130, 157}, {110, 154}, {100, 158}, {90, 153}, {80, 155}, {84, 167}, {90, 177}, {90, 185},
               {100, 180}, {110, 190}, {120, 188}, {127, 185}, {130, 183}}},
    {kGrey, {{30, 180}, {30, 150}, {40, 152}, {50, 148}, {60, 150}, {70, 155}, {80, 155}, {84, 167}, {90, 177}, {90, 185},
             {60, 195}, {30, 180}}},
    {kSilver, {{30, 120}, {30, 150}, {40, 152}, {30, 180}}},
    {kSilver, {{30, 120}, {80, 120}, {82, 130}, {80, 140}, {80, 150}, {80, 160}, {70, 155}, {60, 150}, {50, 148}, {40, 152},
               {30, 120}}},
    {kSilver, {{130, 120}, {180, 120}, {182, 130}, {180, 140}, {180, 150}, {180, 160}, {170, 155}, {160, 155}, {150, 154},
               {136, 156}, {132, 146}, {130, 120}}},
};

// Grain-boundary etching: grooves where the boundaries meet the surface.
const Outline kGrooves[] = {
    {ui::clWhite, {{30, 120}, {30, 130}, {34, 127}, {37, 125}, {40, 120}}},
    {ui::clWhite, {{78, 120}, {80, 128}, {82, 128}, {85, 130}, {86, 128}, {87, 128}, {88, 127}, {93, 120}}},
    {ui::clWhite, {{125, 120}, {128, 128}, {132, 128}, {135, 130}, {136, 128}, {137, 128}, {138, 127}, {143, 120}}},
    {ui::clWhite, {{175, 120}, {178, 128}, {182, 128}, {185, 130}, {186, 128}, {187, 128}, {188, 127}, {197, 120}}},
};

// Grain-surface etching: steps cut into the silver grains, saw-tooth relief on the grey ones.
const Outline kRelief[] = {
    {ui::clYellow, {{30, 120}, {30, 125}, {40, 125}, {40, 120}, {40, 124}, {50, 124}, {50, 120}, {50, 120}, {50, 123},
                    {60, 123}, {60, 120}, {60, 120}, {60, 123}, {70, 123}, {70, 120}, {70, 120}, {70, 122}, {80, 122},
                    {80, 120}}},
    {ui::clYellow, {{130, 120}, {130, 122}, {140, 122}, {140, 120}, {140, 123}, {150, 123}, {150, 120}, {150, 120},
                    {150, 124}, {160, 124}, {160, 120}, {160, 120}, {160, 125}, {170, 125}, {170, 120}, {170, 120},
                    {170, 126}, {180, 126}, {180, 120}}},
    {ui::clWhite, {{180, 120}, {185, 125}, {190, 120}, {195, 125}, {200, 120}}},
    {ui::clWhite, {{80, 120}, {85, 124}, {90, 120}, {95, 125}, {100, 120}, {105, 126}, {110, 120}, {115, 127}, {120, 120},
                   {125, 128}, {130, 120}}},
};

// A reflected ray of the grain-boundary panel: straight up (lean 0) or at 45 degrees,
// column X(x) + lean * (y - X(c)) at row Y(dy) + y.
struct GrooveRay {
    int x, lean, c, dy;
};
const GrooveRay kGrooveRays[] = {
    {31, 0, 0, 0},    {41, 1, 120, 2},  {51, 0, 0, 0},    {61, 0, 0, 0},    {71, 0, 0, 0},   {81, -1, 119, 7},
    {91, 1, 121, 7},  {101, 0, 0, 0},   {111, 0, 0, 0},   {121, 0, 0, 0},   {131, -1, 118, 7}, {141, 1, 120, 7},
    {151, 0, 0, 0},   {161, 0, 0, 0},   {171, 0, 0, 0},   {181, -1, 118, 7}, {191, 1, 120, 7}, {201, 0, 0, 0},
};

// A reflected ray of the grain-surface panel: column x0 * ScaleX + k * y + c * ScaleX, rounded once.
struct LeaningRay {
    double x0, k, c;
};
const LeaningRay kLeaningRays[] = {
    {31, 0.3, -36},   {41, 0.25, -30},  {51, 0.2, -24},   {61, 0.15, -18},  {71, 0.1, -12},  {81, 0.05, -6},
    {90, -0.05, 6},   {100, 0.05, -6},  {111, -0.05, 6},  {121, 0.05, -6},  {131, 0.05, -6}, {141, -0.05, 6},
    {151, -0.1, 12},  {161, -0.15, 18}, {171, -0.2, 24},  {181, -0.25, 30}, {191, 0.15, -18}, {201, 0.15, -18},
};

void polygons(ui::Canvas& c, const frame::Design& d, const Outline* first, const Outline* last) {
    for (const Outline* o = first; o != last; ++o) {
        c.brush.setColor(o->brush);
        std::vector<ui::Point> pts;
        pts.reserve(o->points.size());
        for (const frame::DPoint& p : o->points) pts.push_back(d.P(p.x, p.y));
        c.Polygon(pts);
    }
}
}  // namespace

TFormSLicht::TFormSLicht(ui::Application& app) : TopicForm(app, kFrame) {
    font.height = -14;
    StatusBar1->font.bold = true;
    StatusBar1->font.height = -18;
    StatusBar1->color = ui::clSilver;
    PaintBoxText.setAlign(ui::Align::Client);
    for (ui::PaintBox* b : {&PaintBoxText, &PaintBoxAni1, &PaintBoxAni2, &PaintBoxAni3}) {
        b->font = font;
        b->color = color();
    }
    for (ui::Label* l : {&Label1, &Label2, &Label3}) {
        l->parentColor = false;
        l->color = kLabel;
    }
    PaintBoxText.OnPaint = [this] { PaintBoxTextPaint(); };
    PaintBoxAni1.OnPaint = [this] { PaintBoxAni1Paint(); };
    PaintBoxAni2.OnPaint = [this] { PaintBoxAni2Paint(); };
    PaintBoxAni3.OnPaint = [this] { PaintBoxAni3Paint(); };
    TimerAni1.OnTimer = [this] { TimerAni1Timer(); };
    TimerAni2.OnTimer = [this] { TimerAni2Timer(); };
    TimerAni3.OnTimer = [this] { TimerAni3Timer(); };
    StrahlP.OnClick = [this] { StrahlPClick(); };
    StrahlG.OnClick = [this] { StrahlGClick(); };
    StrahlengangKorngrenzentzung1.OnClick = [this] { StrahlengangKorngrenzentzung1Click(); };
    Strahlengangneu1.OnClick = [this] { Strahlengangneu1Click(); };
}

void TFormSLicht::FormCreate() {
    TopicForm::FormCreate();
    // The text panel's client alignment then makes it cover the client area.
    const int w = X(780), h = X(520);
    PaintBoxText.setBounds(div(X(800) - w - X(10), 2), div(Y(600) - h - Y(50), 2), w, h);
    int k = 0;
    for (ui::PaintBox* b : {&PaintBoxAni1, &PaintBoxAni2, &PaintBoxAni3})
        b->setBounds(X(20 + 250 * k++), Y(240), X(240), Y(240));
    const int labelLeft[] = {60, 300, 550};
    k = 0;
    for (ui::Label* l : {&Label1, &Label2, &Label3}) {
        ui::Font f = font;
        f.height = X(24);
        l->setFont(f);
        l->setBounds(X(labelLeft[k++]), X(200), l->width(), l->height());
    }
}

void TFormSLicht::FormClose() {
    TimerAni1.setEnabled(false);
    TimerAni2.setEnabled(false);
    TimerAni3.setEnabled(false);
}

void TFormSLicht::PaintBoxTextPaint() {
    ui::Canvas& c = PaintBoxText.canvas;
    frame::Design d = design(c);
    c.brush.setColor(kPaper);
    c.Rectangle(0, 0, PaintBoxText.width(), PaintBoxText.height());
    c.font.height = X(24);
    c.font.color = ui::clBlack;
    d.TextOut(10, 30, "Schliffe werden zur Steigerung des Kontrastes chemisch oder elektrolytisch angeätzt,");
    d.TextOut(10, 60, "mit dem Ziel das die Gefügebestandteile unterschiedlich stark angeriffen werden.");
    d.TextOut(10, 90, "Für die einzelnen Gefügebestandteile entstehen unterschiedkiche Reflexionsbedingungen");
    d.TextOut(10, 120, "und z.B. eine Reliefstruktur führt zu einer Schattenbildung. ");
}

// Background, sample block and grains; the surface lies at y 120 from x 30 to 200.
void TFormSLicht::paintSample(ui::PaintBox& box) {
    ui::Canvas& c = box.canvas;
    frame::Design d = design(c);
    c.brush.setColor(ui::clYellow);
    c.Rectangle(0, 0, box.width(), box.height());
    c.brush.setColor(kGrey);
    d.Rectangle(30, 120, 200, 220);
    polygons(c, d, std::begin(kGrains), std::end(kGrains));
}

void TFormSLicht::PaintBoxAni1Paint() { paintSample(PaintBoxAni1); }

void TFormSLicht::PaintBoxAni2Paint() {
    paintSample(PaintBoxAni2);
    polygons(PaintBoxAni2.canvas, design(PaintBoxAni2.canvas), std::begin(kGrooves), std::end(kGrooves));
}

void TFormSLicht::PaintBoxAni3Paint() {
    paintSample(PaintBoxAni3);
    polygons(PaintBoxAni3.canvas, design(PaintBoxAni3.canvas), std::begin(kRelief), std::end(kRelief));
}

// Polished sample: 18 rays down to the surface, then all straight back up, one design
// unit to the right.
void TFormSLicht::TimerAni1Timer() {
    ui::Canvas& c = PaintBoxAni1.canvas;
    if (IncidentY1 < Y(120)) {
        IncidentY1 += 1;
        for (int x = 30; x <= 200; x += 10) c.SetPixel(X(x), IncidentY1, kIncident);
    }
    if (IncidentY1 >= Y(120)) {
        ReflectedY1 -= 1;
        for (int x = 31; x <= 201; x += 10) c.SetPixel(X(x), ReflectedY1, kReflected);
    }
    // An unscaled row, whereas the rays start at a scaled one.
    if (ReflectedY1 < 30) TimerAni1.setEnabled(false);
}

// Grain-boundary etching: the rays aimed at the grooves (group B) reach down into them;
// while both groups advance, each gets every other row, so both are dotted above the
// surface. Rays leaving a groove flank go off at 45 degrees.
void TFormSLicht::TimerAni2Timer() {
    ui::Canvas& c = PaintBoxAni2.canvas;
    if (IncidentY2 < Y(120)) {
        IncidentY2 += 1;
        for (int x : {30, 40, 50, 60, 70, 100, 110, 120, 150, 160, 170, 200}) c.SetPixel(X(x), IncidentY2, kIncident);
    }
    if (IncidentY2 < Y(127)) {
        IncidentY2 += 1;
        for (int x : {80, 90, 130, 140, 180, 190}) c.SetPixel(X(x), IncidentY2, kIncident);
    }
    if (IncidentY2 >= Y(127)) {
        ReflectedY2 -= 1;
        const int y = ReflectedY2;
        for (const GrooveRay& r : kGrooveRays)
            c.SetPixel(X(r.x) + r.lean * (y - X(r.c)), Y(r.dy) + y, kReflected);
    }
    if (ReflectedY2 < 30) TimerAni2.setEnabled(false);
}

// Grain-surface etching: the reflected rays fan out, each leaning k pixels per row.
void TFormSLicht::TimerAni3Timer() {
    ui::Canvas& c = PaintBoxAni3.canvas;
    if (IncidentY3 < Y(120)) {
        IncidentY3 += 1;
        for (int x = 30; x <= 200; x += 10) c.SetPixel(X(x), IncidentY3, kIncident);
    }
    if (IncidentY3 >= Y(120)) {
        ReflectedY3 -= 1;
        const int y = ReflectedY3;
        for (const LeaningRay& r : kLeaningRays) c.SetPixel(Round(r.x0 * ScaleX + r.k * y + r.c * ScaleX), y, kReflected);
    }
    if (ReflectedY3 < 30) TimerAni3.setEnabled(false);
}

// A start item restarts its panel's fronts and draws over what is there.
void TFormSLicht::StrahlPClick() {
    TimerAni1.setEnabled(true);
    IncidentY1 = Y(30);
    ReflectedY1 = Y(120);
}

void TFormSLicht::StrahlGClick() {
    TimerAni2.setEnabled(true);
    IncidentY2 = Y(30);
    ReflectedY2 = Y(120);
}

void TFormSLicht::StrahlengangKorngrenzentzung1Click() {
    TimerAni3.setEnabled(true);
    IncidentY3 = Y(30);
    ReflectedY3 = Y(120);
}

// Redraws every panel (which wipes the rays) and stops all three animations.
void TFormSLicht::Strahlengangneu1Click() {
    Repaint();
    TimerAni1.setEnabled(false);
    TimerAni2.setEnabled(false);
    TimerAni3.setEnabled(false);
}

}  // namespace chapters

#include "chapters/labs/FormLabLicht.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "frame/Frame.h"
#include "specimen/Optics.h"
#include "specimen/Stereology.h"
#include "ui/Application.h"

namespace chapters {

namespace {
// The window in design units of an 800 x 600 screen.
constexpr double kWidth = 780, kHeight = 540;
constexpr double kFieldLeft = 8, kFieldTop = 8, kFieldWidth = 456, kFieldHeight = 342;
constexpr double kLabelLeft = 476, kLabelWidth = 84, kControlLeft = 562, kControlWidth = 206;
constexpr double kTrackWidth = 150, kRowTop = 8, kRowStep = 28;

constexpr int kCarbonSteps = 16;             // 0,05 ... 0,80 % C
constexpr double kCarbonStepPct = 0.05;
constexpr int kFocusSteps = 100;             // each way
constexpr double kFocusStepUm = 0.25;
constexpr int kEtchMaxS = 60;
constexpr int kTestLines = 3;
constexpr int kGridColumns = 5, kGridRows = 5;
constexpr int kClickSlopPx = 3;              // a press that moves farther is a drag
constexpr int kMarkReachPx = 6;

const char* const kSpecimens[] = {"Unlegierter Stahl (Ferrit und Perlit)", "Austenitischer Chrom-Nickel-Stahl",
                                  "Gusseisen mit Lamellengraphit", "Gusseisen mit Kugelgraphit",
                                  "Vergütungsstahl (Martensit)"};

// A number with a decimal comma.
std::string de(double v, int decimals) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
    std::string s = buf;
    std::replace(s.begin(), s.end(), '.', ',');
    return s;
}

std::string signedDe(double v, int decimals) { return (v >= 0 ? "+" : "") + de(v, decimals); }

// A number for the values list (a point, as scripts read it).
std::string num(double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.6g", v);
    return buf;
}

// The longest of 1, 2 and 5 times a power of ten not above the limit.
double roundScaleUm(double limitUm) {
    double p = std::pow(10.0, std::floor(std::log10(limitUm)));
    for (double f : {5.0, 2.0, 1.0})
        if (f * p <= limitUm) return f * p;
    return p;
}
}  // namespace

TFormLabLicht::TFormLabLicht(ui::Application& app)
    : ui::Form(app, kClassName, "Virtuelles Lichtmikroskop"),
      StatusBar1(*this, "StatusBar1", frame::kEscHint),
      ESC1(MainMenu1, "ESC1", "ESC", ui::ShortCut::Escape) {
    frame::escapeItem(*this, ESC1);
    std::vector<std::string> specimens(std::begin(kSpecimens), std::end(kSpecimens));
    ComboBoxProbe.setItems(specimens);
    ComboBoxProbe.setItemIndex(0);
    TrackBarKohlenstoff.setRange(1, kCarbonSteps);
    TrackBarKohlenstoff.setPosition(9);
    TrackBarKohlenstoff.pageSize = 2;
    std::vector<std::string> objectives;
    for (const specimen::Objective& o : specimen::kObjectives)
        objectives.push_back(std::to_string(o.magnification) + "x / " + de(o.numericalAperture, 2));
    ComboBoxObjektiv.setItems(objectives);
    ComboBoxObjektiv.setItemIndex(1);
    TrackBarFokus.setRange(-kFocusSteps, kFocusSteps);
    TrackBarFokus.setPosition(0);
    TrackBarFokus.frequency = 20;
    TrackBarFokus.pageSize = 10;
    ComboBoxBeleuchtung.setItems({"Hellfeld", "Dunkelfeld"});
    ComboBoxBeleuchtung.setItemIndex(0);
    ComboBoxKontrastierung.setItems({"ungeätzt", "Nital 3 %"});
    ComboBoxKontrastierung.setItemIndex(1);
    TrackBarAetzzeit.setRange(0, kEtchMaxS);
    TrackBarAetzzeit.setPosition(10);
    TrackBarAetzzeit.frequency = 10;
    TrackBarAetzzeit.pageSize = 5;
    ComboBoxPraeparation.setItems({"geschliffen P320", "geschliffen P1200", "poliert 3 µm", "poliert 1 µm"});
    ComboBoxPraeparation.setItemIndex(3);
    ComboBoxMessung.setItems({"keine", "Linienschnittverfahren (Korngröße)", "Punktzählverfahren (Phasenanteil)"});
    ComboBoxMessung.setItemIndex(0);
    EditAnzahl.maxLength = 5;
    EditAnzahl.accessibleName = "Anzahl der Schnittpunkte";
    PaintBoxFeld.tabStop = true;
    PaintBoxFeld.accessibleName = "Bildfeld";
    PaintBoxFeld.color = ui::clBlack;
    LabelOptik.autoSize = false;
    LabelOptik.setWordWrap(true);
    LabelErgebnis.autoSize = false;
    LabelErgebnis.setWordWrap(true);
    LabelTisch.autoSize = false;

    PaintBoxFeld.OnPaint = [this] { PaintBoxFeldPaint(); };
    PaintBoxFeld.OnMouseDown = [this](ui::MouseButton b, unsigned s, int x, int y) { PaintBoxFeldMouseDown(b, s, x, y); };
    PaintBoxFeld.OnMouseMove = [this](unsigned s, int x, int y) { PaintBoxFeldMouseMove(s, x, y); };
    PaintBoxFeld.OnMouseUp = [this](ui::MouseButton b, unsigned s, int x, int y) { PaintBoxFeldMouseUp(b, s, x, y); };
    PaintBoxFeld.OnMouseWheel = [this](int n, unsigned s, int x, int y) { return PaintBoxFeldMouseWheel(n, s, x, y); };
    PaintBoxFeld.OnKeyDown = [this](int key, unsigned s) { return PaintBoxFeldKeyDown(key, s); };
    ComboBoxProbe.OnChange = [this] { ComboBoxProbeChange(); };
    TrackBarKohlenstoff.OnChange = [this] { ComboBoxProbeChange(); };
    for (ui::ComboBox* c : {&ComboBoxObjektiv, &ComboBoxBeleuchtung, &ComboBoxKontrastierung, &ComboBoxPraeparation})
        c->OnChange = [this] { SettingChange(); };
    for (ui::TrackBar* t : {&TrackBarFokus, &TrackBarAetzzeit}) t->OnChange = [this] { SettingChange(); };
    ComboBoxMessung.OnChange = [this] { ComboBoxMessungChange(); };
    ButtonAuswerten.OnClick = [this] { ButtonAuswertenClick(); };
    ButtonNeu.OnClick = [this] { ButtonNeuClick(); };
    ButtonSchliessen.OnClick = [this] { ButtonSchliessenClick(); };
}

void TFormLabLicht::FormCreate() {
    scale_ = frame::placeCentred(*this, kWidth, kHeight);

    PaintBoxFeld.setBounds(scale_.X(kFieldLeft), scale_.Y(kFieldTop), scale_.X(kFieldWidth), scale_.Y(kFieldHeight));
    struct Row {
        ui::Label* label;
        ui::Control* control;
        ui::Label* value;
    };
    const Row rows[] = {{&LabelProbe, &ComboBoxProbe, nullptr},
                        {&LabelKohlenstoff, &TrackBarKohlenstoff, &LabelKohlenstoffWert},
                        {&LabelObjektiv, &ComboBoxObjektiv, nullptr},
                        {&LabelFokus, &TrackBarFokus, &LabelFokusWert},
                        {&LabelBeleuchtung, &ComboBoxBeleuchtung, nullptr},
                        {&LabelKontrastierung, &ComboBoxKontrastierung, nullptr},
                        {&LabelAetzzeit, &TrackBarAetzzeit, &LabelAetzzeitWert},
                        {&LabelPraeparation, &ComboBoxPraeparation, nullptr},
                        {&LabelMessung, &ComboBoxMessung, nullptr},
                        {&LabelAnzahl, &EditAnzahl, nullptr}};
    double y = kRowTop;
    for (const Row& r : rows) {
        r.label->setBounds(scale_.X(kLabelLeft), scale_.Y(y + 4), scale_.X(kLabelWidth), scale_.Y(16));
        const double width = r.value ? kTrackWidth : (r.control == &EditAnzahl ? 60 : kControlWidth);
        r.control->setBounds(scale_.X(kControlLeft), scale_.Y(y), scale_.X(width), scale_.Y(r.value ? 26 : 21));
        if (r.value) {
            r.value->autoSize = false;
            r.value->setBounds(scale_.X(kControlLeft + kTrackWidth + 4), scale_.Y(y + 4),
                               scale_.X(kControlWidth - kTrackWidth - 4), scale_.Y(16));
        }
        y += kRowStep;
    }
    ButtonAuswerten.setBounds(scale_.X(kControlLeft + 66), scale_.Y(y - kRowStep), scale_.X(66), scale_.Y(23));
    ButtonNeu.setBounds(scale_.X(kControlLeft + 136), scale_.Y(y - kRowStep), scale_.X(kControlWidth - 136), scale_.Y(23));
    LabelErgebnis.setBounds(scale_.X(kLabelLeft), scale_.Y(y + 4), scale_.X(kControlLeft + kControlWidth - kLabelLeft),
                            scale_.Y(kHeight - 100 - y));
    LabelOptik.setBounds(scale_.X(kFieldLeft), scale_.Y(kFieldTop + kFieldHeight + 8), scale_.X(kFieldWidth), scale_.Y(32));
    LabelTisch.setBounds(scale_.X(kFieldLeft), scale_.Y(kFieldTop + kFieldHeight + 44), scale_.X(kFieldWidth), scale_.Y(16));
    const int bottom = clientHeight() - statusBarHeight() - scale_.Y(10);
    ButtonSchliessen.setBounds(scale_.X(kControlLeft + kControlWidth - 90), bottom - scale_.Y(25), scale_.X(90), scale_.Y(25));
    loaded();
    field_ = ui::raster::Bitmap(fieldWidthPx(), fieldHeightPx());
    rebuildSpecimen();
    ComboBoxMessungChange();
}

// --- the specimen and the microscope ---

const specimen::Objective& TFormLabLicht::objective() const {
    return specimen::kObjectives[std::clamp(ComboBoxObjektiv.itemIndex(), 0, specimen::kObjectiveCount - 1)];
}

specimen::Viewing TFormLabLicht::viewing() const {
    specimen::Viewing v = specimen::viewingFor(objective(), TrackBarFokus.position() * kFocusStepUm);
    v.darkField = ComboBoxBeleuchtung.itemIndex() == 1;
    v.etched = ComboBoxKontrastierung.itemIndex() == 1;
    v.etchTimeS = TrackBarAetzzeit.position();
    v.preparation = static_cast<specimen::Preparation>(std::clamp(ComboBoxPraeparation.itemIndex(), 0, 3));
    return v;
}

void TFormLabLicht::rebuildSpecimen() {
    const auto material = static_cast<specimen::Material>(std::clamp(ComboBoxProbe.itemIndex(), 0, 4));
    const double carbon = TrackBarKohlenstoff.position() * kCarbonStepPct;
    specimen_ = std::make_unique<specimen::Specimen>(material, carbon);
    TrackBarKohlenstoff.setEnabled(material == specimen::Material::CarbonSteel);
    LabelKohlenstoffWert.setCaption(material == specimen::Material::CarbonSteel ? de(carbon, 2) + " %" : "");
    // The etchant that suits the specimen.
    building_ = true;
    const int etched = ComboBoxKontrastierung.itemIndex();
    ComboBoxKontrastierung.setItems({"ungeätzt", specimen_->etchant()});
    ComboBoxKontrastierung.setItemIndex(etched);
    building_ = false;
    ButtonNeuClick();
    SettingChange();
}

void TFormLabLicht::moveStageTo(double xUm, double yUm) {
    // The field stays on the specimen; whole pixels keep the tiles in place.
    const double u = umPerPx();
    const double halfW = 0.5 * fieldWidthPx() * u, halfH = 0.5 * fieldHeightPx() * u;
    xUm = std::clamp(xUm, halfW, specimen::Specimen::kSizeUm - halfW);
    yUm = std::clamp(yUm, halfH, specimen::Specimen::kSizeUm - halfH);
    xUm = std::round(xUm / u) * u;
    yUm = std::round(yUm / u) * u;
    if (xUm == StageXUm && yUm == StageYUm) return;
    StageXUm = xUm;
    StageYUm = yUm;
    newField();
}

void TFormLabLicht::newField() {
    Marks.clear();
    evaluated_ = false;
    EditAnzahl.setText("");
    PointMarked.assign(static_cast<size_t>(kGridColumns * kGridRows), false);
    showOptics();
    PaintBoxFeld.invalidate();
}

void TFormLabLicht::showOptics() {
    const specimen::Objective& o = objective();
    const specimen::Viewing v = viewing();
    const double dof = specimen::depthOfFieldUm(specimen::kGreenLightUm, o.numericalAperture, o.magnification);
    LabelOptik.setCaption("Vergrößerung " + std::to_string(o.magnification * specimen::kEyepieceMagnification) +
                          ":1 (Okular 10x)   Feldbreite " + de(fieldWidthPx() * v.umPerPx, 0) + " µm\nAuflösung " +
                          de(v.abbeLimitUm, 2) + " µm (0,61 λ/NA, λ = 550 nm)   Schärfentiefe " + de(dof, 1) + " µm");
    LabelTisch.setCaption("Tisch: x = " + de(StageXUm / 1000, 3) + " mm, y = " + de(StageYUm / 1000, 3) + " mm");
    LabelFokusWert.setCaption(signedDe(TrackBarFokus.position() * kFocusStepUm, 2) + " µm");
    LabelAetzzeitWert.setCaption(std::to_string(TrackBarAetzzeit.position()) + " s");
}

void TFormLabLicht::ComboBoxProbeChange() {
    if (!building_) rebuildSpecimen();
}

void TFormLabLicht::SettingChange() {
    if (building_ || !specimen_) return;
    TrackBarAetzzeit.setEnabled(ComboBoxKontrastierung.itemIndex() == 1);
    const double before = tiles_.umPerPx();
    tiles_.setup(specimen_.get(), viewing());
    // Another objective shows another field; focus, light and etching show the same one.
    if (before != umPerPx()) {
        moveStageTo(StageXUm, StageYUm);  // the centre on whole pixels of the new scale
        newField();
    } else {
        showOptics();
        PaintBoxFeld.invalidate();
    }
}

// --- the exercises' geometry ---

std::vector<TFormLabLicht::TestLine> TFormLabLicht::testLines() const {
    const int w = fieldWidthPx(), h = fieldHeightPx();
    std::vector<TestLine> lines;
    for (int k = 1; k <= kTestLines; ++k) lines.push_back({w / 10, w - w / 10, h * k / (kTestLines + 1)});
    return lines;
}

double TFormLabLicht::testLineLengthUm() const {
    double sum = 0;
    for (const TestLine& l : testLines()) sum += (l.x1 - l.x0) * umPerPx();
    return sum;
}

int TFormLabLicht::trueCrossings() const {
    const double u = umPerPx();
    const double left = StageXUm - 0.5 * fieldWidthPx() * u, top = StageYUm - 0.5 * fieldHeightPx() * u;
    int n = 0;
    for (const TestLine& l : testLines()) {
        const double y = top + (l.y + 0.5) * u;
        n += static_cast<int>(specimen_->grains().crossings(left + l.x0 * u, y, left + l.x1 * u, y).size());
    }
    return n;
}

std::vector<ui::Point> TFormLabLicht::gridPoints() const {
    std::vector<ui::Point> points;
    const int w = fieldWidthPx(), h = fieldHeightPx();
    for (int j = 0; j < kGridRows; ++j)
        for (int i = 0; i < kGridColumns; ++i) points.push_back({(2 * i + 1) * w / (2 * kGridColumns), (2 * j + 1) * h / (2 * kGridRows)});
    return points;
}

// --- paint handlers ---

void TFormLabLicht::PaintBoxFeldPaint() {
    const int w = fieldWidthPx(), h = fieldHeightPx();
    if (!specimen_ || w <= 0 || h <= 0) return;
    if (field_.width != w || field_.height != h) field_ = ui::raster::Bitmap(w, h);
    const double u = umPerPx();
    const int64_t gx = std::llround(StageXUm / u) - w / 2, gy = std::llround(StageYUm / u) - h / 2;
    tiles_.copyField(gx, gy, w, h, field_.pixels.data(), w);
    ui::Canvas& c = PaintBoxFeld.canvas;
    c.Draw(0, 0, field_);
    drawOverlay();
}

void TFormLabLicht::drawOverlay() {
    ui::Canvas& c = PaintBoxFeld.canvas;
    const int w = fieldWidthPx(), h = fieldHeightPx();
    const double u = umPerPx();
    const int measurement = ComboBoxMessung.itemIndex();
    c.brush.style = ui::BrushStyle::Clear;
    if (measurement == 1) {
        c.pen.color = 0x00FFFF;  // yellow test lines
        c.pen.width = 1;
        for (const TestLine& l : testLines()) {
            c.MoveTo(l.x0, l.y);
            c.LineTo(l.x1, l.y);
            c.MoveTo(l.x0, l.y - 4);
            c.LineTo(l.x0, l.y + 5);
            c.MoveTo(l.x1, l.y - 4);
            c.LineTo(l.x1, l.y + 5);
        }
        c.pen.color = 0x0000FF;  // red marks
        c.pen.width = 2;
        for (const ui::Point& p : Marks) c.Ellipse(p.x - 4, p.y - 4, p.x + 5, p.y + 5);
        c.pen.width = 1;
    } else if (measurement == 2) {
        const std::vector<ui::Point> points = gridPoints();
        for (size_t k = 0; k < points.size(); ++k) {
            const ui::Point p = points[k];
            const bool marked = k < PointMarked.size() && PointMarked[k];
            c.pen.color = marked ? 0x0000FF : 0x00FFFF;
            c.pen.width = marked ? 2 : 1;
            c.MoveTo(p.x - 7, p.y);
            c.LineTo(p.x + 8, p.y);
            c.MoveTo(p.x, p.y - 7);
            c.LineTo(p.x, p.y + 8);
            if (marked) c.Ellipse(p.x - 6, p.y - 6, p.x + 7, p.y + 7);
        }
        c.pen.width = 1;
    }
    // Scale bar in the lower left: a round length of at most a quarter of the field.
    const double barUm = roundScaleUm(0.25 * w * u);
    const int barPx = static_cast<int>(std::lround(barUm / u));
    const int x0 = scale_.X(10), y0 = h - scale_.Y(14);
    c.brush.setColor(ui::clBlack);
    c.FillRect(ui::Rect{x0 - 1, y0 - 1, x0 + barPx + 1, y0 + scale_.Y(5) + 1});
    c.brush.setColor(ui::clWhite);
    c.FillRect(ui::Rect{x0, y0, x0 + barPx, y0 + scale_.Y(5)});
    c.brush.style = ui::BrushStyle::Clear;
    c.font = font;
    c.font.bold = true;
    const std::string label = (barUm >= 1 ? de(barUm, 0) : de(barUm, 1)) + " µm";
    const int ty = y0 - c.TextHeight(label) - 2;
    c.font.color = ui::clBlack;
    c.TextOut(x0 + 1, ty + 1, label);
    c.font.color = ui::clWhite;
    c.TextOut(x0, ty, label);
}

// --- mouse and keys on the field ---

void TFormLabLicht::PaintBoxFeldMouseDown(ui::MouseButton button, unsigned, int x, int y) {
    if (button != ui::MouseButton::Left) return;
    PaintBoxFeld.setFocus();
    dragging_ = true;
    moved_ = false;
    pressX_ = lastX_ = x;
    pressY_ = lastY_ = y;
}

void TFormLabLicht::PaintBoxFeldMouseMove(unsigned, int x, int y) {
    if (!dragging_) return;
    if (std::abs(x - pressX_) > kClickSlopPx || std::abs(y - pressY_) > kClickSlopPx) moved_ = true;
    if (!moved_) return;
    // The picture follows the mouse: the stage moves the other way.
    const double u = umPerPx();
    moveStageTo(StageXUm - (x - lastX_) * u, StageYUm - (y - lastY_) * u);
    lastX_ = x;
    lastY_ = y;
}

void TFormLabLicht::PaintBoxFeldMouseUp(ui::MouseButton button, unsigned, int x, int y) {
    if (button != ui::MouseButton::Left || !dragging_) return;
    dragging_ = false;
    if (moved_) return;
    const int measurement = ComboBoxMessung.itemIndex();
    if (measurement == 1) {
        // A click near a test line marks an intercept there; a click on a mark removes it.
        for (auto it = Marks.begin(); it != Marks.end(); ++it)
            if (std::abs(it->x - x) <= kMarkReachPx && std::abs(it->y - y) <= kMarkReachPx) {
                Marks.erase(it);
                PaintBoxFeld.invalidate();
                return;
            }
        for (const TestLine& l : testLines())
            if (std::abs(y - l.y) <= kMarkReachPx && x >= l.x0 && x <= l.x1) {
                Marks.push_back({x, l.y});
                PaintBoxFeld.invalidate();
                return;
            }
    } else if (measurement == 2) {
        const std::vector<ui::Point> points = gridPoints();
        for (size_t k = 0; k < points.size(); ++k)
            if (std::abs(points[k].x - x) <= 2 * kMarkReachPx && std::abs(points[k].y - y) <= 2 * kMarkReachPx) {
                PointMarked[k] = !PointMarked[k];
                PaintBoxFeld.invalidate();
                return;
            }
    }
}

bool TFormLabLicht::PaintBoxFeldMouseWheel(int notches, unsigned, int, int) {
    // Turning the wheel away from the user brings in the next stronger objective.
    const int next = std::clamp(ComboBoxObjektiv.itemIndex() + (notches < 0 ? 1 : -1), 0, specimen::kObjectiveCount - 1);
    if (notches == 0 || next == ComboBoxObjektiv.itemIndex()) return notches != 0;
    ComboBoxObjektiv.setItemIndex(next);
    return true;
}

bool TFormLabLicht::PaintBoxFeldKeyDown(int key, unsigned shift) {
    if (shift & (ui::ssAlt | ui::ssCtrl)) return false;
    // An arrow moves the stage by a quarter of the field (a tenth with Shift).
    const double step = (shift & ui::ssShift ? 0.1 : 0.25) * fieldWidthPx() * umPerPx();
    switch (key) {
    case ui::vk::Left: moveStageTo(StageXUm - step, StageYUm); return true;
    case ui::vk::Right: moveStageTo(StageXUm + step, StageYUm); return true;
    case ui::vk::Up: moveStageTo(StageXUm, StageYUm - step); return true;
    case ui::vk::Down: moveStageTo(StageXUm, StageYUm + step); return true;
    default: return false;
    }
}

// --- the exercises ---

std::string TFormLabLicht::hint() const {
    switch (ComboBoxMessung.itemIndex()) {
    case 1:
        if (!specimen_->hasGrainSize())
            return "Im Gusseisen wird keine Korngröße gemessen: hier zählt der Graphit. Bitte das Punktzählverfahren wählen.";
        return "Klicken Sie auf jeden Schnittpunkt einer gelben Testlinie mit einer Korngrenze (ein zweiter Klick "
               "entfernt die Marke) oder geben Sie die Anzahl ein, dann „Auswerten“. Weitere Felder werden addiert; "
               "Zwillingsgrenzen zählen nicht.";
    case 2:
        if (specimen_->countedPhase().empty())
            return "Diese Probe hat keinen zweiten Gefügebestandteil zum Auszählen. Bitte unlegierten Stahl oder "
                   "Gusseisen wählen.";
        return "Markieren Sie die Gitterpunkte, die im " + specimen_->countedPhase() +
               " liegen (ein zweiter Klick entfernt die Marke), dann „Auswerten“. Weitere Felder werden addiert.";
    default:
        return "Ziehen Sie das Bild mit der Maus oder benutzen Sie die Pfeiltasten, um den Tisch zu verfahren; das "
               "Mausrad wechselt das Objektiv.";
    }
}

void TFormLabLicht::showResult(const std::string& text) { LabelErgebnis.setCaption(text); }

void TFormLabLicht::ComboBoxMessungChange() {
    const int m = ComboBoxMessung.itemIndex();
    EditAnzahl.setEnabled(m == 1);
    LabelAnzahl.setEnabled(m == 1);
    ButtonAuswerten.setEnabled(m != 0);
    ButtonNeu.setEnabled(m != 0);
    ButtonNeuClick();
    PaintBoxFeld.invalidate();
}

void TFormLabLicht::ButtonNeuClick() {
    Fields = 0;
    SumLengthUm = 0;
    SumCounted = SumTrue = SumPoints = SumMarked = 0;
    FieldFractions.clear();
    SumTrueFieldShare = 0;
    EditAnzahl.setText("");
    newField();
    showResult(hint());
}

void TFormLabLicht::ButtonAuswertenClick() {
    const int m = ComboBoxMessung.itemIndex();
    if (evaluated_ && m != 0) {
        const std::string already = "\nDieses Feld ist schon ausgewertet: bitte den Tisch verfahren.";
        const std::string shown = LabelErgebnis.caption();
        if (shown.size() < already.size() || shown.compare(shown.size() - already.size(), already.size(), already) != 0)
            showResult(shown + already);
        return;
    }
    if (m == 1) {
        if (!specimen_->hasGrainSize()) return showResult(hint());
        int counted = static_cast<int>(Marks.size());
        const std::string typed = EditAnzahl.text();
        if (!typed.empty()) {
            if (typed.find_first_not_of("0123456789") != std::string::npos)
                return showResult("Bitte die Anzahl der Schnittpunkte als ganze Zahl eingeben.");
            counted = std::stoi(typed);
        }
        if (counted == 0) return showResult("Noch keine Schnittpunkte gezählt: bitte auf der Testlinie klicken oder die Anzahl eingeben.");
        ++Fields;
        evaluated_ = true;
        SumLengthUm += testLineLengthUm();
        SumCounted += counted;
        SumTrue += trueCrossings();
        const double l = SumLengthUm / SumCounted, lTrue = SumLengthUm / std::max(1, SumTrue);
        const double g = specimen::grainSizeFromInterceptMm(l / 1000), gTrue = specimen::grainSizeFromInterceptMm(lTrue / 1000);
        showResult(std::to_string(Fields) + (Fields == 1 ? " Feld, " : " Felder, ") + "Linienlänge " + de(SumLengthUm / 1000, 2) +
                   " mm\nGezählt: " + std::to_string(SumCounted) + " Schnittpunkte, mittlere Sehnenlänge " + de(l, 1) +
                   " µm, Korngröße G = " + de(g, 1) + "\nWahr: " + std::to_string(SumTrue) + " Schnittpunkte, " + de(lTrue, 1) +
                   " µm, G = " + de(gTrue, 1) + "\nAbweichung: " +
                   signedDe(100.0 * (SumCounted - SumTrue) / std::max(1, SumTrue), 1) + " % der Schnittpunkte, ΔG = " +
                   signedDe(g - gTrue, 2) + "\nFür das nächste Feld den Tisch verfahren.");
    } else if (m == 2) {
        if (specimen_->countedPhase().empty()) return showResult(hint());
        const int marked = static_cast<int>(std::count(PointMarked.begin(), PointMarked.end(), true));
        const int points = kGridColumns * kGridRows;
        ++Fields;
        evaluated_ = true;
        SumPoints += points;
        SumMarked += marked;
        FieldFractions.push_back(static_cast<double>(marked) / points);
        const double u = umPerPx();
        const double left = StageXUm - 0.5 * fieldWidthPx() * u, top = StageYUm - 0.5 * fieldHeightPx() * u;
        SumTrueFieldShare += specimen_->countedShare(left, top, left + fieldWidthPx() * u, top + fieldHeightPx() * u, 120);
        const double p = static_cast<double>(SumMarked) / SumPoints;
        // Over several fields the spread of the fields' shares gives the error; in one field the point statistics.
        double se = specimen::pointCountStandardError(p, SumPoints);
        if (Fields > 1) {
            double var = 0;
            for (double f : FieldFractions) var += (f - p) * (f - p);
            se = std::sqrt(var / (Fields - 1) / Fields);
        }
        showResult(std::to_string(Fields) + (Fields == 1 ? " Feld, " : " Felder, ") + std::to_string(SumPoints) + " Punkte\n" +
                   specimen_->countedPhase() + ": " + std::to_string(SumMarked) + " Punkte = " + de(100 * p, 1) + " % ± " +
                   de(100 * se, 1) + " %\nWahrer Flächenanteil dieser Felder: " + de(100 * SumTrueFieldShare / Fields, 1) +
                   " %\nWahrer Anteil der ganzen Probe: " + de(100 * specimen_->countedShareWhole(), 1) +
                   " %\nFür das nächste Feld den Tisch verfahren.");
    }
}

void TFormLabLicht::ButtonSchliessenClick() { Close(); }

std::vector<std::pair<std::string, std::string>> TFormLabLicht::values() const {
    const specimen::Objective& o = objective();
    const double u = umPerPx();
    const double left = StageXUm - 0.5 * fieldWidthPx() * u, top = StageYUm - 0.5 * fieldHeightPx() * u;
    const bool steel = specimen_ && specimen_->material() == specimen::Material::CarbonSteel;
    const bool counts = specimen_ && !specimen_->countedPhase().empty();
    std::vector<std::pair<std::string, std::string>> v = {
        {"vergroesserung", num(o.magnification * specimen::kEyepieceMagnification)},
        {"um_pro_pixel", num(u)},
        {"feldbreite_um", num(fieldWidthPx() * u)},
        {"x_mm", num(StageXUm / 1000)},
        {"y_mm", num(StageYUm / 1000)},
        {"fokus_um", num(TrackBarFokus.position() * kFocusStepUm)},
        {"kohlenstoff", steel ? num(specimen_->carbonPct()) : ""},
        {"perlitanteil", counts ? num(specimen_->countedShareWhole()) : ""},
        {"perlitanteil_feld",
         counts ? num(specimen_->countedShare(left, top, left + fieldWidthPx() * u, top + fieldHeightPx() * u, 120)) : ""},
        {"linienlaenge_mm", num(testLineLengthUm() / 1000)},
        {"schnittpunkte", specimen_ && specimen_->hasGrainSize() ? std::to_string(trueCrossings()) : ""},
        {"markiert", std::to_string(Marks.size())},
        {"l_mittel_um", SumCounted > 0 && ComboBoxMessung.itemIndex() == 1 ? num(SumLengthUm / SumCounted) : ""},
        {"korngroesse_g",
         SumCounted > 0 && ComboBoxMessung.itemIndex() == 1 ? num(specimen::grainSizeFromInterceptMm(SumLengthUm / SumCounted / 1000)) : ""},
        {"punkte", std::to_string(kGridColumns * kGridRows)},
        {"punkte_markiert", std::to_string(std::count(PointMarked.begin(), PointMarked.end(), true))},
        {"felder", std::to_string(Fields)},
        {"schnittpunkte_summe_wahr", std::to_string(SumTrue)},
    };
    return v;
}

}  // namespace chapters

#include "chapters/labs/FormLabEDX.h"

#include <algorithm>
#include <cmath>
#include <ctime>

#include "chapters/labs/BeamLabDrawing.h"
#include "frame/Frame.h"
#include "physics/Emsa.h"
#include "physics/Samples.h"
#include "physics/XrayData.h"
#include "ui/Application.h"
#include "ui/Png.h"

namespace chapters {

namespace {
// The window in design units of an 800 x 600 screen.
constexpr double kWidth = 760, kHeight = 545;
constexpr double kLeft = 10, kColumn = 190, kRight = 212, kSpectrumWidth = 536, kSpectrumHeight = 318;
constexpr double kTableTop = 336, kTableWidth = 306, kTableHeight = 150;
constexpr int kDefaultKv = 20, kMinKv = 1, kMaxKv = 30;
constexpr double kDefaultLiveS = 60, kMinLiveS = 1, kMaxLiveS = 3600;
constexpr double kDefaultNA = 1, kMinNA = 0.01, kMaxNA = 100;
constexpr uint64_t kSeed = 1;
constexpr int kTableColumns = 18, kTableRows = 6;
constexpr const char* kOwnComposition = "Eigene Zusammensetzung";
constexpr const char* kSaveName = "EDX-Spektrum.msa";
constexpr ui::TColor kSpectrumColour = ui::rgb(30, 90, 200), kPresentColour = ui::rgb(255, 230, 150),
                     kMarkedColour = ui::rgb(255, 120, 80);
constexpr ui::TColor kShellColours[3] = {ui::rgb(0, 140, 0), ui::rgb(220, 110, 0), ui::rgb(150, 0, 150)};

// Row and column (from 0) of an element in the small periodic table; false for the lanthanides
// after La and anything beyond Bi.
bool tablePosition(int z, int& row, int& column) {
    if (z == 1) return row = 0, column = 0, true;
    if (z == 2) return row = 0, column = 17, true;
    auto shortPeriod = [&](int first, int r) {
        row = r;
        const int i = z - first;
        column = i < 2 ? i : i + 10;
        return true;
    };
    if (z >= 3 && z <= 10) return shortPeriod(3, 1);
    if (z >= 11 && z <= 18) return shortPeriod(11, 2);
    if (z >= 19 && z <= 36) return row = 3, column = z - 19, true;
    if (z >= 37 && z <= 54) return row = 4, column = z - 37, true;
    if (z >= 55 && z <= 57) return row = 5, column = z - 55, true;
    if (z >= 72 && z <= 83) return row = 5, column = z - 72 + 3, true;
    return false;
}

std::string compositionText(const physics::Material& m) {
    std::string s;
    for (const physics::Component& c : m.components) {
        const double percent = c.massFraction * 100;
        const bool whole = std::fabs(percent - std::round(percent)) < 0.005;
        s += (s.empty() ? "" : " ") + std::string(physics::elementSymbol(c.z)) + " " +
             germanNumber(percent, whole ? 0 : (std::fabs(percent * 10 - std::round(percent * 10)) < 0.05 ? 1 : 2));
    }
    return s;
}

std::string dateText(const std::tm& t) {
    static const char* kMonths[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    char b[32];
    std::snprintf(b, sizeof b, "%02d-%s-%04d", t.tm_mday, kMonths[t.tm_mon % 12], t.tm_year + 1900);
    return b;
}
}  // namespace

TFormLabEDX::TFormLabEDX(ui::Application& app)
    : ui::Form(app, kClassName, "EDX-Spektrum einer Probe (Simulation)"),
      StatusBar1(*this, "StatusBar1", frame::kEscHint),
      Datei1(MainMenu1, "Datei1", "&Datei"),
      Speichern1(Datei1, "Speichern1", "&Spektrum speichern"),
      Ende1(Datei1, "Ende1", "&Ende"),
      ESC1(MainMenu1, "ESC1", "ESC", ui::ShortCut::Escape),
      specimens_(physics::edxSpecimens()) {
    frame::escapeItem(*this, ESC1);
    frame::closes(*this, Ende1);
    std::vector<std::string> names;
    for (const physics::Specimen& s : specimens_) names.push_back(s.name);
    names.push_back(kOwnComposition);
    ComboBoxProbe.setItems(std::move(names));
    ComboBoxProbe.dropDownCount = 9;
    ComboBoxProbe.accessibleName = "Probe";
    EditZusammensetzung.maxLength = 80;
    EditZusammensetzung.accessibleName = "Zusammensetzung in Gewichtsprozent";
    TrackBarSpannung.setRange(kMinKv, kMaxKv);
    TrackBarSpannung.frequency = 5;
    TrackBarSpannung.accessibleName = "Beschleunigungsspannung";
    ComboBoxDetektor.setItems({physics::siLiBerylliumDetector().name, physics::sddPolymerDetector().name});
    ComboBoxDetektor.accessibleName = "Detektor";
    EditMesszeit.maxLength = 8;
    EditMesszeit.accessibleName = "Messzeit in Sekunden";
    EditStrom.maxLength = 8;
    EditStrom.accessibleName = "Strahlstrom in Nanoampere";
    LabelErgebnis.autoSize = false;
    LabelErgebnis.setWordWrap(true);
    LabelPeaks.autoSize = false;
    LabelPeaks.setWordWrap(true);
    PaintBoxSpektrum.color = ui::clWhite;
    PaintBoxSpektrum.OnPaint = [this] { PaintBoxSpektrumPaint(); };
    PaintBoxPSE.OnPaint = [this] { PaintBoxPSEPaint(); };
    PaintBoxPSE.OnMouseDown = [this](ui::MouseButton b, unsigned, int x, int y) {
        if (b == ui::MouseButton::Left) PaintBoxPSEMouseDown(x, y);
    };
    TimerMessen.OnTimer = [this] { TimerMessenTimer(); };
    ComboBoxProbe.OnChange = [this] { ComboBoxProbeChange(); };
    EditZusammensetzung.OnChange = [this] { EditZusammensetzungChange(); };
    TrackBarSpannung.OnChange = [this] { TrackBarSpannungChange(); };
    ComboBoxDetektor.OnChange = [this] { ComboBoxDetektorChange(); };
    CheckBoxLog.OnChange = [this] { CheckBoxLogChange(); };
    ButtonStart.OnClick = [this] { ButtonStartClick(); };
    ButtonStopp.OnClick = [this] { ButtonStoppClick(); };
    ButtonNeu.OnClick = [this] { ButtonNeuClick(); };
    Speichern1.OnClick = [this] { Speichern1Click(); };
}

void TFormLabEDX::FormCreate() {
    scale_ = frame::placeCentred(*this, kWidth, kHeight);
    PaintBoxSpektrum.font = font;
    PaintBoxPSE.font = font;

    const auto& s = scale_;
    LabelProbe.setBounds(s.X(kLeft), s.Y(10), s.X(kColumn), s.Y(16));
    ComboBoxProbe.setBounds(s.X(kLeft), s.Y(28), s.X(kColumn), s.Y(22));
    LabelZusammensetzung.setBounds(s.X(kLeft), s.Y(56), s.X(kColumn), s.Y(16));
    EditZusammensetzung.setBounds(s.X(kLeft), s.Y(74), s.X(kColumn), s.Y(22));
    LabelSpannung.setBounds(s.X(kLeft), s.Y(104), s.X(kColumn), s.Y(16));
    TrackBarSpannung.setBounds(s.X(kLeft), s.Y(122), s.X(kColumn), s.Y(30));
    LabelDetektor.setBounds(s.X(kLeft), s.Y(158), s.X(kColumn), s.Y(16));
    ComboBoxDetektor.setBounds(s.X(kLeft), s.Y(176), s.X(kColumn), s.Y(22));
    LabelMesszeit.setBounds(s.X(kLeft), s.Y(210), s.X(100), s.Y(16));
    EditMesszeit.setBounds(s.X(kLeft + 110), s.Y(207), s.X(kColumn - 110), s.Y(22));
    LabelStrom.setBounds(s.X(kLeft), s.Y(238), s.X(100), s.Y(16));
    EditStrom.setBounds(s.X(kLeft + 110), s.Y(235), s.X(kColumn - 110), s.Y(22));
    CheckBoxLog.setBounds(s.X(kLeft), s.Y(263), s.X(kColumn), s.Y(20));
    ButtonStart.setBounds(s.X(kLeft), s.Y(290), s.X(60), s.Y(25));
    ButtonStopp.setBounds(s.X(kLeft + 65), s.Y(290), s.X(60), s.Y(25));
    ButtonNeu.setBounds(s.X(kLeft + 130), s.Y(290), s.X(60), s.Y(25));
    LabelErgebnis.setBounds(s.X(kLeft), s.Y(326), s.X(kColumn), s.Y(160));
    PaintBoxSpektrum.setBounds(s.X(kRight), s.Y(10), s.X(kSpectrumWidth), s.Y(kSpectrumHeight));
    PaintBoxPSE.setBounds(s.X(kRight), s.Y(kTableTop), s.X(kTableWidth), s.Y(kTableHeight));
    LabelPeaks.setBounds(s.X(kRight + kTableWidth + 12), s.Y(kTableTop), s.X(kSpectrumWidth - kTableWidth - 12),
                         s.Y(kTableHeight));
    loaded();

    filling_ = true;
    ComboBoxProbe.setItemIndex(2);  // X5CrNi18-10
    EditZusammensetzung.setText(compositionText(specimens_[2].bulk));
    ComboBoxDetektor.setItemIndex(0);
    TrackBarSpannung.setPosition(kDefaultKv);
    EditMesszeit.setText(germanNumber(kDefaultLiveS, 0));
    EditStrom.setText(germanNumber(kDefaultNA, 0));
    CheckBoxLog.setChecked(false);
    filling_ = false;
    MarkedElement = 0;
    physics::EdxSettings settings;
    double live = kDefaultLiveS;
    readEntries(settings, live);
    newAcquisition(settings, live);
    StatusBar1.setText(frame::kEscHint);
}

void TFormLabEDX::FormClose() {
    TimerMessen.setEnabled(false);
    Running = false;
}

void TFormLabEDX::PaintBoxSpektrumPaint() {
    ui::Canvas& c = PaintBoxSpektrum.canvas;
    const int w = PaintBoxSpektrum.width(), h = PaintBoxSpektrum.height();
    c.font = PaintBoxSpektrum.font;
    const int th = c.TextHeight("Ag");
    const int left = scale_.X(44), right = w - scale_.X(10), top = scale_.Y(8) + th, bottom = h - 2 * th - scale_.Y(6);
    c.brush.setColor(ui::clWhite);
    c.pen.color = ui::clGray;
    c.pen.width = 1;
    c.Rectangle(0, 0, w, h);
    if (!Acquisition) return;
    const std::vector<double>& counts = Acquisition->counts();
    const double beamKeV = Acquisition->settings().beamKeV;
    const bool logarithmic = CheckBoxLog.checked();
    double highest = 10;
    for (size_t i = size_t(0.1 / physics::kChannelKeV); i < counts.size(); ++i) highest = std::max(highest, counts[i]);
    auto height = [&](double n) {
        const double share = logarithmic ? (n >= 1 ? std::log10(n + 1) / std::log10(highest + 1) : 0) : n / highest;
        return bottom - static_cast<int>(std::lround((bottom - top) * std::min(1.0, share)));
    };
    auto xOf = [&](double keV) { return left + static_cast<int>(std::lround((right - left) * keV / beamKeV)); };
    // The counts, one column of pixels at a time (the highest channel in it).
    c.pen.color = kSpectrumColour;
    const int n = static_cast<int>(counts.size());
    for (int x = left; x < right; ++x) {
        const int a = (x - left) * n / (right - left), b = std::max(a + 1, (x + 1 - left) * n / (right - left));
        double most = 0;
        for (int i = a; i < b && i < n; ++i) most = std::max(most, counts[size_t(i)]);
        const int y = height(most);
        if (y < bottom) {
            c.MoveTo(x, bottom);
            c.LineTo(x, y - 1);
        }
    }
    // Axes, the energy scale and the counts' top.
    c.pen.color = ui::clBlack;
    c.MoveTo(left, top - th / 2);
    c.LineTo(left, bottom);
    c.LineTo(right + 1, bottom);
    c.brush.style = ui::BrushStyle::Clear;
    const int step = beamKeV > 20 ? 5 : beamKeV > 8 ? 2 : 1;
    for (int k = 0; k <= int(beamKeV); k += step) {
        const int x = xOf(k);
        c.MoveTo(x, bottom);
        c.LineTo(x, bottom + scale_.Y(4));
        const std::string t = std::to_string(k);
        c.TextOut(x - c.TextWidth(t) / 2, bottom + scale_.Y(4), t);
    }
    const std::string axis = "Energie in keV";
    c.TextOut((left + right - c.TextWidth(axis)) / 2, bottom + scale_.Y(4) + th, axis);
    const std::string top_ = germanNumber(highest, 0);
    c.TextOut(2, top - th / 2, top_);
    c.TextOut(2, top - th / 2 - th, logarithmic ? "Impulse (log.)" : "Impulse");
    // The marked element's lines.
    if (MarkedElement > 0) {
        const char* groups[] = {"Kα", "Kβ", "Lα", "Lβ", "Mα"};
        const physics::Line lines[] = {physics::Line::Ka1, physics::Line::Kb1, physics::Line::La1, physics::Line::Lb1,
                                       physics::Line::Ma1};
        for (int i = 0; i < 5; ++i) {
            const double e = physics::lineEnergyKeV(MarkedElement, lines[i]);
            if (e < 0.1 || e >= beamKeV) continue;
            const int x = xOf(e);
            c.pen.color = kShellColours[i < 2 ? 0 : i < 4 ? 1 : 2];
            c.pen.style = ui::PenStyle::Dot;
            c.MoveTo(x, top + th * (i % 2 + 1));
            c.LineTo(x, bottom);
            c.pen.style = ui::PenStyle::Solid;
            c.font.color = c.pen.color;
            const std::string t = std::string(physics::elementSymbol(MarkedElement)) + " " + groups[i];
            c.TextOut(x + 2, top + th * (i % 2), t);
        }
        c.font.color = ui::clBlack;
    }
    // The peaks' labels, above their highest channel, moved up where they would overlap.
    std::vector<ui::Rect> placed;
    for (const physics::MeasuredPeak& m : Acquisition->measuredPeaks()) {
        if (m.netCounts <= 0) continue;
        const size_t ch = size_t(m.peak.energyKeV / physics::kChannelKeV);
        double most = 0;
        for (size_t i = ch > 3 ? ch - 3 : 0; i <= ch + 3 && i < counts.size(); ++i) most = std::max(most, counts[i]);
        const std::string t = m.peak.label();
        const int tw = c.TextWidth(t);
        ui::Rect r{xOf(m.peak.energyKeV) - tw / 2, height(most) - th - 2, 0, 0};
        r.left = std::clamp(r.left, left + 2, right - tw);
        r.right = r.left + tw;
        r.top = std::max(top - th, r.top);
        r.bottom = r.top + th;
        for (bool moved = true; moved;) {
            moved = false;
            for (const ui::Rect& o : placed)
                if (r.left < o.right + 2 && o.left < r.right + 2 && r.top < o.bottom && o.top < r.bottom) {
                    r.top = o.top - th;
                    r.bottom = r.top + th;
                    moved = true;
                }
        }
        if (r.top < 0) continue;
        placed.push_back(r);
        c.TextOut(r.left, r.top, t);
    }
    c.brush.style = ui::BrushStyle::Solid;
}

ui::Rect TFormLabEDX::elementCell(int z) const {
    int row = 0, column = 0;
    if (!tablePosition(z, row, column)) return ui::Rect{};
    const int w = PaintBoxPSE.width(), h = PaintBoxPSE.height();
    return ui::Rect{column * w / kTableColumns, row * h / kTableRows, (column + 1) * w / kTableColumns,
                    (row + 1) * h / kTableRows};
}

void TFormLabEDX::PaintBoxPSEPaint() {
    ui::Canvas& c = PaintBoxPSE.canvas;
    c.font = PaintBoxPSE.font;
    c.font.height = scale_.Y(-9);
    c.brush.setColor(ui::clBtnFace);
    c.FillRect(ui::Rect{0, 0, PaintBoxPSE.width(), PaintBoxPSE.height()});
    for (int z = physics::kFirstElement; z <= physics::kLastElement; ++z) {
        const ui::Rect r = elementCell(z);
        if (r.empty()) continue;
        bool present = false;
        if (Acquisition)
            for (const physics::Component& k : Acquisition->settings().material.components) present = present || k.z == z;
        c.brush.setColor(z == MarkedElement ? kMarkedColour : present ? kPresentColour : ui::clWhite);
        c.pen.color = ui::clGray;
        c.Rectangle(r.left, r.top, r.right, r.bottom);
        const std::string sym(physics::elementSymbol(z));
        c.brush.style = ui::BrushStyle::Clear;
        c.TextOut((r.left + r.right - c.TextWidth(sym)) / 2, (r.top + r.bottom - c.TextHeight(sym)) / 2, sym);
        c.brush.style = ui::BrushStyle::Solid;
    }
}

void TFormLabEDX::PaintBoxPSEMouseDown(int x, int y) {
    for (int z = physics::kFirstElement; z <= physics::kLastElement; ++z)
        if (elementCell(z).contains(x, y)) {
            chooseElement(z == MarkedElement ? 0 : z);
            return;
        }
}

bool TFormLabEDX::chooseElement(int z) {
    int row = 0, column = 0;
    if (z != 0 && !tablePosition(z, row, column)) return false;
    MarkedElement = z;
    if (z > 0) {
        std::string t = std::string(physics::elementSymbol(z)) + ":";
        const physics::Line lines[] = {physics::Line::Ka1, physics::Line::La1, physics::Line::Ma1};
        const char* names[] = {" Kα ", " Lα ", " Mα "};
        for (int i = 0; i < 3; ++i) {
            const double e = physics::lineEnergyKeV(z, lines[i]);
            if (e >= 0.1) t += std::string(names[i]) + germanNumber(e, 3) + " keV";
        }
        StatusBar1.setText(t);
    }
    PaintBoxPSE.invalidate();
    PaintBoxSpektrum.invalidate();
    return true;
}

// The spectrum grows by the live time of one tick: the state at a given time is the same on every run.
void TFormLabEDX::TimerMessenTimer() {
    if (!Acquisition || !Running) return;
    Acquisition->advance(Acquisition->liveTimeS() * kTickMs / kMeasurementMs);
    if (Acquisition->finished()) {
        Running = false;
        TimerMessen.setEnabled(false);
        StatusBar1.setText("Messung beendet.");
    }
    showFigures();
}

void TFormLabEDX::ComboBoxProbeChange() {
    const int i = ComboBoxProbe.itemIndex();
    if (i >= 0 && i < static_cast<int>(specimens_.size())) {
        filling_ = true;
        EditZusammensetzung.setText(compositionText(specimens_[size_t(i)].bulk));
        filling_ = false;
    }
    if (!filling_) ButtonNeuClick();
}

// Typing a composition of one's own chooses "Eigene Zusammensetzung".
void TFormLabEDX::EditZusammensetzungChange() {
    if (filling_) return;
    filling_ = true;
    ComboBoxProbe.setItemIndex(static_cast<int>(specimens_.size()));
    filling_ = false;
}

void TFormLabEDX::TrackBarSpannungChange() {
    LabelSpannung.setCaption("Beschleunigungsspannung: " + std::to_string(TrackBarSpannung.position()) + " kV");
    if (!filling_) ButtonNeuClick();
}

void TFormLabEDX::ComboBoxDetektorChange() {
    if (!filling_) ButtonNeuClick();
}

void TFormLabEDX::CheckBoxLogChange() { PaintBoxSpektrum.invalidate(); }

void TFormLabEDX::ButtonStartClick() {
    physics::EdxSettings settings;
    double live = 0;
    if (!readEntries(settings, live)) return;
    // A finished measurement, or one with other entries, starts afresh; a stopped one goes on.
    const physics::EdxSettings& now = Acquisition ? Acquisition->settings() : settings;
    const bool same = Acquisition && now.currentNA == settings.currentNA && now.beamKeV == settings.beamKeV &&
                      now.detector.name == settings.detector.name && Acquisition->liveTimeS() == live &&
                      compositionText(now.material) == compositionText(settings.material);
    if (!same || Acquisition->finished()) newAcquisition(settings, live);
    Running = true;
    TimerMessen.setEnabled(true);
    StatusBar1.setText("Die Messung läuft …");
}

void TFormLabEDX::ButtonStoppClick() {
    if (!Running) return;
    Running = false;
    TimerMessen.setEnabled(false);
    StatusBar1.setText("Angehalten; Start misst weiter.");
}

void TFormLabEDX::ButtonNeuClick() {
    physics::EdxSettings settings;
    double live = 0;
    Running = false;
    TimerMessen.setEnabled(false);
    if (!readEntries(settings, live)) return;
    StatusBar1.setText(frame::kEscHint);
    newAcquisition(settings, live);
}

void TFormLabEDX::Speichern1Click() {
    int error = 0;
    if (ui::writeTextFile(kSaveName, savedText(), &error) == ui::PngWrite::Written)
        StatusBar1.setText(std::string("Gespeichert als ") + kSaveName + ".");
    else
        StatusBar1.setText(std::string(kSaveName) + " lässt sich nicht schreiben.");
}

bool TFormLabEDX::readEntries(physics::EdxSettings& settings, double& liveTimeS) {
    std::vector<physics::Component> parts;
    std::string problem;
    if (!physics::parseComposition(EditZusammensetzung.text(), parts, problem)) {
        StatusBar1.setText(problem);
        return false;
    }
    if (!readDecimal(EditMesszeit.text(), kMinLiveS, kMaxLiveS, liveTimeS)) {
        StatusBar1.setText("Messzeit: bitte eine Zahl von 1 bis 3600 Sekunden eingeben.");
        return false;
    }
    if (!readDecimal(EditStrom.text(), kMinNA, kMaxNA, settings.currentNA)) {
        StatusBar1.setText("Strahlstrom: bitte eine Zahl von 0,01 bis 100 nA eingeben.");
        return false;
    }
    const int i = ComboBoxProbe.itemIndex();
    settings.material = i >= 0 && i < static_cast<int>(specimens_.size()) ? specimens_[size_t(i)].bulk
                                                                          : physics::compoundMaterial(parts);
    settings.beamKeV = TrackBarSpannung.position();
    settings.detector = ComboBoxDetektor.itemIndex() == 1 ? physics::sddPolymerDetector() : physics::siLiBerylliumDetector();
    return true;
}

void TFormLabEDX::newAcquisition(const physics::EdxSettings& settings, double liveTimeS) {
    Acquisition = std::make_unique<physics::EdxAcquisition>(settings, liveTimeS, kSeed);
    LabelSpannung.setCaption("Beschleunigungsspannung: " + std::to_string(TrackBarSpannung.position()) + " kV");
    showFigures();
    PaintBoxPSE.invalidate();
}

void TFormLabEDX::showFigures() {
    if (!Acquisition) return;
    const double t = Acquisition->elapsedS();
    std::string s = "Impulse: " + germanNumber(Acquisition->totalCounts(), 0) + "\n";
    s += "Messzeit: " + germanNumber(t, 1) + " von " + germanNumber(Acquisition->liveTimeS(), 0) + " s\n";
    s += "Zählrate: " + germanNumber(t > 0 ? Acquisition->totalCounts() / t : 0, 0) + " Impulse/s";
    LabelErgebnis.setCaption(s);
    std::string p = "Peaks (Nettoimpulse):";
    for (const physics::MeasuredPeak& m : Acquisition->measuredPeaks()) {
        if (m.netCounts <= 0) continue;
        p += "\n" + m.peak.label() + "  " + germanNumber(m.peak.energyKeV, 3) + " keV  " +
             germanNumber(m.netCounts, 0);
    }
    LabelPeaks.setCaption(p);
    PaintBoxSpektrum.invalidate();
}

std::vector<std::pair<std::string, std::string>> TFormLabEDX::values() const {
    if (!Acquisition) return {};
    const double t = Acquisition->elapsedS();
    std::vector<std::pair<std::string, std::string>> v = {
        {"impulse", plainNumber(Acquisition->totalCounts(), 0)},
        {"messzeit_s", plainNumber(t, 2)},
        {"zaehlrate_cps", plainNumber(t > 0 ? Acquisition->totalCounts() / t : 0, 0)}};
    for (const physics::MeasuredPeak& m : Acquisition->measuredPeaks())
        v.push_back({"peak", m.peak.label() + "\t" + plainNumber(m.netCounts > 0 ? m.centroidKeV : m.peak.energyKeV, 3) +
                                 "\t" + plainNumber(std::max(0.0, m.netCounts), 0) + "\t" +
                                 plainNumber(m.netCounts > 0 ? m.fwhmEv : m.peak.fwhmEv, 0)});
    return v;
}

std::string TFormLabEDX::savedText() const {
    if (!Acquisition) return {};
    physics::EmsaSpectrum e;
    const int i = ComboBoxProbe.itemIndex();
    const std::string name = i >= 0 && i < static_cast<int>(specimens_.size()) ? specimens_[size_t(i)].name
                                                                              : compositionText(Acquisition->settings().material);
    e.title = "EDX-Spektrum " + name + ", " + plainNumber(Acquisition->settings().beamKeV, 0) + " kV";
    const std::time_t now = std::time(nullptr);
    std::tm t{};
    gmtime_r(&now, &t);
    e.date = dateText(t);
    char clock[8];
    std::snprintf(clock, sizeof clock, "%02d:%02d", t.tm_hour, t.tm_min);
    e.time = clock;
    e.owner = "Metallographie";
    e.keVPerChannel = physics::kChannelKeV;
    e.beamKeV = Acquisition->settings().beamKeV;
    e.liveTimeS = Acquisition->elapsedS();
    e.probeCurrentNA = Acquisition->settings().currentNA;
    e.elevationDeg = physics::kTakeOffDeg;
    e.counts = Acquisition->counts();
    return physics::writeEmsa(e);
}

}  // namespace chapters

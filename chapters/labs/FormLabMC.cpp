#include "chapters/labs/FormLabMC.h"

#include <algorithm>
#include <cmath>

#include "chapters/labs/BeamLabDrawing.h"
#include "physics/Samples.h"
#include "frame/Frame.h"
#include "ui/Application.h"
#include "ui/Png.h"

namespace chapters {

namespace {
// The window in design units of an 800 x 600 screen.
constexpr double kWidth = 760, kHeight = 545;
constexpr double kLeft = 10, kColumn = 190, kPictureLeft = 212, kPictureWidth = 536, kPictureHeight = 318;
constexpr double kHistogramTop = 336, kHistogramHeight = 150;
constexpr int kDefaultKv = 20, kMinKv = 1, kMaxKv = 30, kMaxTiltDeg = 70;
constexpr long kMinElectrons = 10, kMaxElectrons = 1000000, kDefaultElectrons = 2000;
constexpr long kMaxSeed = 999999999;
// The picture shows this multiple of the Kanaya-Okayama range across and below the entry point.
constexpr double kFieldAcross = 2.3, kFieldDown = 1.2;
constexpr double kEntryTop = 0.08;  // the entry point's height in the picture
constexpr double kPi = 3.141592653589793;
constexpr ui::TColor kAbsorbedColour = ui::rgb(200, 30, 30), kBackscatteredColour = ui::rgb(20, 60, 220);
constexpr ui::TColor kSpecimenColour = ui::rgb(225, 225, 225), kLayerColour = ui::rgb(250, 225, 120);
constexpr const char* kSaveName = "Elektronenstreuung.csv";
}  // namespace

TFormLabMC::TFormLabMC(ui::Application& app)
    : ui::Form(app, kClassName, "Elektronenstreuung in der Probe (Monte-Carlo-Simulation)"),
      StatusBar1(*this, "StatusBar1", frame::kEscHint),
      Datei1(MainMenu1, "Datei1", "&Datei"),
      Speichern1(Datei1, "Speichern1", "&Ergebnisse speichern"),
      Ende1(Datei1, "Ende1", "&Ende"),
      ESC1(MainMenu1, "ESC1", "ESC", ui::ShortCut::Escape),
      specimens_(physics::scatteringSpecimens()) {
    frame::escapeItem(*this, ESC1);
    frame::closes(*this, Ende1);
    std::vector<std::string> names;
    for (const physics::Specimen& s : specimens_) names.push_back(s.name);
    ComboBoxProbe.setItems(std::move(names));
    ComboBoxProbe.dropDownCount = 16;
    ComboBoxProbe.accessibleName = "Probe";
    TrackBarSpannung.setRange(kMinKv, kMaxKv);
    TrackBarSpannung.frequency = 5;
    TrackBarSpannung.accessibleName = "Beschleunigungsspannung";
    TrackBarNeigung.setRange(0, kMaxTiltDeg);
    TrackBarNeigung.frequency = 10;
    TrackBarNeigung.lineSize = 5;
    TrackBarNeigung.pageSize = 10;
    TrackBarNeigung.accessibleName = "Neigung der Probe";
    EditElektronen.maxLength = 9;
    EditElektronen.accessibleName = "Zahl der Elektronen";
    EditStartwert.maxLength = 9;
    EditStartwert.accessibleName = "Startwert des Zufallsgenerators";
    LabelErgebnis.autoSize = false;
    LabelErgebnis.setWordWrap(true);
    PaintBoxBahnen.color = ui::clWhite;
    PaintBoxBahnen.OnPaint = [this] { PaintBoxBahnenPaint(); };
    PaintBoxTiefe.OnPaint = [this] { PaintBoxTiefePaint(); };
    PaintBoxEnergie.OnPaint = [this] { PaintBoxEnergiePaint(); };
    TimerRechnen.OnTimer = [this] { TimerRechnenTimer(); };
    ComboBoxProbe.OnChange = [this] { ComboBoxProbeChange(); };
    TrackBarSpannung.OnChange = [this] { TrackBarSpannungChange(); };
    TrackBarNeigung.OnChange = [this] { TrackBarNeigungChange(); };
    ButtonStart.OnClick = [this] { ButtonStartClick(); };
    ButtonStopp.OnClick = [this] { ButtonStoppClick(); };
    ButtonNeu.OnClick = [this] { ButtonNeuClick(); };
    Speichern1.OnClick = [this] { Speichern1Click(); };
}

void TFormLabMC::FormCreate() {
    scale_ = frame::placeCentred(*this, kWidth, kHeight);
    PaintBoxBahnen.font = font;
    PaintBoxTiefe.font = font;
    PaintBoxEnergie.font = font;

    const auto& s = scale_;
    LabelProbe.setBounds(s.X(kLeft), s.Y(10), s.X(kColumn), s.Y(16));
    ComboBoxProbe.setBounds(s.X(kLeft), s.Y(28), s.X(kColumn), s.Y(22));
    LabelSpannung.setBounds(s.X(kLeft), s.Y(60), s.X(kColumn), s.Y(16));
    TrackBarSpannung.setBounds(s.X(kLeft), s.Y(78), s.X(kColumn), s.Y(30));
    LabelNeigung.setBounds(s.X(kLeft), s.Y(114), s.X(kColumn), s.Y(16));
    TrackBarNeigung.setBounds(s.X(kLeft), s.Y(132), s.X(kColumn), s.Y(30));
    LabelElektronen.setBounds(s.X(kLeft), s.Y(172), s.X(90), s.Y(16));
    EditElektronen.setBounds(s.X(kLeft + 100), s.Y(169), s.X(kColumn - 100), s.Y(22));
    LabelStartwert.setBounds(s.X(kLeft), s.Y(202), s.X(90), s.Y(16));
    EditStartwert.setBounds(s.X(kLeft + 100), s.Y(199), s.X(kColumn - 100), s.Y(22));
    ButtonStart.setBounds(s.X(kLeft), s.Y(234), s.X(60), s.Y(25));
    ButtonStopp.setBounds(s.X(kLeft + 65), s.Y(234), s.X(60), s.Y(25));
    ButtonNeu.setBounds(s.X(kLeft + 130), s.Y(234), s.X(60), s.Y(25));
    LabelErgebnis.setBounds(s.X(kLeft), s.Y(272), s.X(kColumn), s.Y(214));
    PaintBoxBahnen.setBounds(s.X(kPictureLeft), s.Y(10), s.X(kPictureWidth), s.Y(kPictureHeight));
    const double half = (kPictureWidth - 10) / 2;
    PaintBoxTiefe.setBounds(s.X(kPictureLeft), s.Y(kHistogramTop), s.X(half), s.Y(kHistogramHeight));
    PaintBoxEnergie.setBounds(s.X(kPictureLeft + half + 10), s.Y(kHistogramTop), s.X(half), s.Y(kHistogramHeight));
    loaded();

    ComboBoxProbe.setItemIndex(5);  // Eisen
    TrackBarSpannung.setPosition(kDefaultKv);
    TrackBarNeigung.setPosition(0);
    EditElektronen.setText(std::to_string(kDefaultElectrons));
    EditStartwert.setText("1");
    physics::McSettings settings;
    readEntries(settings);
    newSimulation(settings);
    StatusBar1.setText(frame::kEscHint);
}

void TFormLabMC::FormClose() {
    TimerRechnen.setEnabled(false);
    Running = false;
}

void TFormLabMC::PaintBoxBahnenPaint() {
    ui::Canvas& c = PaintBoxBahnen.canvas;
    const int w = PaintBoxBahnen.width(), h = PaintBoxBahnen.height();
    if (layer_.width != w || layer_.height != h) resetPicture();
    c.Draw(0, 0, layer_);
    if (!Simulation) return;
    // The beam down to the entry point, the Kanaya-Okayama range as a half circle below the surface.
    c.pen.color = ui::clBlack;
    c.pen.width = 2;
    c.MoveTo(entryX_, 0);
    c.LineTo(entryX_, entryY_);
    c.pen.width = 1;
    const double rangeUm = Simulation->kanayaOkayamaUm();
    const int r = static_cast<int>(std::lround(rangeUm * pixelsPerUm_));
    const ui::Point right = toPicture(rangeUm, 0), left = toPicture(-rangeUm, 0);
    c.pen.style = ui::PenStyle::Dot;
    c.brush.style = ui::BrushStyle::Clear;
    c.Arc(entryX_ - r, entryY_ - r, entryX_ + r + 1, entryY_ + r + 1, left.x, left.y, right.x, right.y);
    c.pen.style = ui::PenStyle::Solid;
    c.font = PaintBoxBahnen.font;
    const std::string range = "Reichweite nach Kanaya-Okayama: " + germanNumber(rangeUm, rangeUm < 1 ? 3 : 2) + " µm";
    const int th = c.TextHeight("Ag");
    c.TextOut(w - c.TextWidth(range) - 6, h - 2 * th - 8, range);
    // The scale bar.
    std::string text;
    const double barUm = scaleBarUm(w / pixelsPerUm_ / 4, text);
    const int bar = static_cast<int>(std::lround(barUm * pixelsPerUm_));
    c.pen.width = 3;
    c.MoveTo(8, h - 10);
    c.LineTo(8 + bar, h - 10);
    c.pen.width = 1;
    c.TextOut(8, h - 12 - th, text);
    // Legend.
    c.font.color = kAbsorbedColour;
    c.TextOut(w - c.TextWidth("in der Probe gestoppt") - 6, 4, "in der Probe gestoppt");
    c.font.color = kBackscatteredColour;
    c.TextOut(w - c.TextWidth("rückgestreut") - 6, 4 + th, "rückgestreut");
    c.brush.style = ui::BrushStyle::Solid;
}

void TFormLabMC::PaintBoxTiefePaint() {
    if (!Simulation) return;
    const double toUm = Simulation->depthBinUm() * physics::kHistogramBins;
    drawHistogram(PaintBoxTiefe.canvas, ui::Rect{0, 0, PaintBoxTiefe.width(), PaintBoxTiefe.height()},
                  Simulation->depthHistogram(), kAbsorbedColour, "Tiefe des letzten Punkts in µm", "0",
                  germanNumber(toUm, toUm < 1 ? 2 : 1));
}

void TFormLabMC::PaintBoxEnergiePaint() {
    if (!Simulation) return;
    drawHistogram(PaintBoxEnergie.canvas, ui::Rect{0, 0, PaintBoxEnergie.width(), PaintBoxEnergie.height()},
                  Simulation->energyHistogram(), kBackscatteredColour, "Energie der Rückstreuelektronen in keV", "0",
                  germanNumber(Simulation->settings().energyKeV, 0));
}

// A fixed number of scattering steps per tick: the state at a given time is the same on every run.
void TFormLabMC::TimerRechnenTimer() {
    if (!Simulation || !Running) return;
    Simulation->run(kStepsPerTick);
    drawNewSegments();
    if (Simulation->finished()) {
        Running = false;
        TimerRechnen.setEnabled(false);
        StatusBar1.setText("Fertig: " + std::to_string(Simulation->electrons()) + " Elektronen gerechnet.");
    }
    showFigures();
}

void TFormLabMC::ComboBoxProbeChange() { ButtonNeuClick(); }

void TFormLabMC::TrackBarSpannungChange() {
    LabelSpannung.setCaption("Beschleunigungsspannung: " + std::to_string(TrackBarSpannung.position()) + " kV");
    ButtonNeuClick();
}

void TFormLabMC::TrackBarNeigungChange() {
    LabelNeigung.setCaption("Neigung der Probe: " + std::to_string(TrackBarNeigung.position()) + "°");
    ButtonNeuClick();
}

void TFormLabMC::ButtonStartClick() {
    physics::McSettings settings;
    if (!readEntries(settings)) return;
    // A finished run, or one with other entries, starts afresh; a stopped one goes on.
    const bool same = Simulation && Simulation->settings().electrons == settings.electrons &&
                      Simulation->settings().seed == settings.seed;
    if (!same || Simulation->finished()) newSimulation(settings);
    Running = true;
    TimerRechnen.setEnabled(true);
    StatusBar1.setText("Die Simulation läuft …");
}

void TFormLabMC::ButtonStoppClick() {
    if (!Running) return;
    Running = false;
    TimerRechnen.setEnabled(false);
    StatusBar1.setText("Angehalten nach " + std::to_string(Simulation ? Simulation->electrons() : 0) +
                       " Elektronen; Start rechnet weiter.");
}

void TFormLabMC::ButtonNeuClick() {
    physics::McSettings settings;
    if (!readEntries(settings)) {
        // The entries stay as they were; the picture shows the specimen chosen.
        settings = Simulation ? Simulation->settings() : physics::McSettings{};
        const int i = ComboBoxProbe.itemIndex();
        if (i >= 0) settings.specimen = specimens_[size_t(i)];
        settings.energyKeV = TrackBarSpannung.position();
        settings.tiltDeg = TrackBarNeigung.position();
    } else {
        StatusBar1.setText(frame::kEscHint);
    }
    Running = false;
    TimerRechnen.setEnabled(false);
    newSimulation(settings);
}

void TFormLabMC::Speichern1Click() {
    int error = 0;
    if (ui::writeTextFile(kSaveName, savedText(), &error) == ui::PngWrite::Written)
        StatusBar1.setText(std::string("Gespeichert als ") + kSaveName + ".");
    else
        StatusBar1.setText(std::string(kSaveName) + " lässt sich nicht schreiben.");
}

bool TFormLabMC::readEntries(physics::McSettings& settings) {
    long electrons = 0, seed = 0;
    if (!readWholeNumber(EditElektronen.text(), kMinElectrons, kMaxElectrons, electrons)) {
        StatusBar1.setText("Elektronen: bitte eine ganze Zahl von 10 bis 1 000 000 eingeben.");
        return false;
    }
    if (!readWholeNumber(EditStartwert.text(), 0, kMaxSeed, seed)) {
        StatusBar1.setText("Startwert: bitte eine ganze Zahl von 0 bis 999 999 999 eingeben.");
        return false;
    }
    const int i = std::max(0, ComboBoxProbe.itemIndex());
    settings.specimen = specimens_[size_t(i)];
    settings.energyKeV = TrackBarSpannung.position();
    settings.tiltDeg = TrackBarNeigung.position();
    settings.electrons = electrons;
    settings.seed = static_cast<uint64_t>(seed);
    return true;
}

void TFormLabMC::newSimulation(const physics::McSettings& settings) {
    Simulation = std::make_unique<physics::ElectronSimulation>(settings);
    LabelSpannung.setCaption("Beschleunigungsspannung: " + std::to_string(TrackBarSpannung.position()) + " kV");
    LabelNeigung.setCaption("Neigung der Probe: " + std::to_string(TrackBarNeigung.position()) + "°");
    resetPicture();
    showFigures();
}

ui::Point TFormLabMC::toPicture(double xUm, double zUm) const {
    // The specimen turned by its tilt: the beam runs straight down the picture.
    const double x = xUm * cosTilt_ - zUm * sinTilt_, y = xUm * sinTilt_ + zUm * cosTilt_;
    return ui::Point{entryX_ + static_cast<int>(std::lround(x * pixelsPerUm_)),
                     entryY_ + static_cast<int>(std::lround(y * pixelsPerUm_))};
}

void TFormLabMC::resetPicture() {
    const int w = std::max(1, PaintBoxBahnen.width()), h = std::max(1, PaintBoxBahnen.height());
    layer_ = ui::raster::Bitmap(w, h, ui::toPixel(ui::clWhite));
    drawnTrajectory_ = drawnPoint_ = 0;
    if (!Simulation) return;
    const physics::McSettings& s = Simulation->settings();
    const double tilt = s.tiltDeg * kPi / 180;
    cosTilt_ = std::cos(tilt);
    sinTilt_ = std::sin(tilt);
    const double rangeUm = std::max(Simulation->kanayaOkayamaUm(), 1e-3);
    entryX_ = w / 2;
    entryY_ = static_cast<int>(std::lround(h * kEntryTop));
    pixelsPerUm_ = std::min(w / (kFieldAcross * rangeUm), (h - entryY_) / (kFieldDown * rangeUm));
    // The specimen below its tilted surface, and the gold layer on it.
    ui::raster::Target t(layer_);
    const double farUm = 4 * std::max(w, h) / pixelsPerUm_;
    auto quad = [&](double z0, double z1, ui::TColor colour) {
        const ui::Point p[4] = {toPicture(-farUm, z0), toPicture(farUm, z0), toPicture(farUm, z1), toPicture(-farUm, z1)};
        ui::raster::Pen pen{ui::toPixel(colour), 1};
        ui::raster::Brush brush{ui::toPixel(colour), true};
        ui::raster::polygon(t, pen, brush, p, 4);
    };
    quad(0, farUm, kSpecimenColour);
    if (s.specimen.layerThicknessUm > 0) {
        quad(0, s.specimen.layerThicknessUm, kLayerColour);
        const ui::Point a = toPicture(-farUm, s.specimen.layerThicknessUm), b = toPicture(farUm, s.specimen.layerThicknessUm);
        ui::raster::line(t, ui::raster::Pen{ui::toPixel(ui::rgb(160, 120, 0)), 1}, ui::raster::Brush{}, a.x, a.y, b.x, b.y);
    }
    const ui::Point a = toPicture(-farUm, 0), b = toPicture(farUm, 0);
    ui::raster::line(t, ui::raster::Pen{ui::toPixel(ui::clBlack), 1}, ui::raster::Brush{}, a.x, a.y, b.x, b.y);
    drawNewSegments();
    PaintBoxBahnen.invalidate();
    PaintBoxTiefe.invalidate();
    PaintBoxEnergie.invalidate();
}

void TFormLabMC::drawNewSegments() {
    if (!Simulation || layer_.width == 0) return;
    ui::raster::Target t(layer_);
    const auto& trajectories = Simulation->trajectories();
    auto draw = [&](const physics::Trajectory& tr, size_t from, ui::TColor colour) {
        ui::raster::Pen pen{ui::toPixel(colour), 1};
        for (size_t i = std::max<size_t>(from, 1); i < tr.points.size(); ++i) {
            const ui::Point a = toPicture(tr.points[i - 1].xUm, tr.points[i - 1].zUm);
            const ui::Point b = toPicture(tr.points[i].xUm, tr.points[i].zUm);
            ui::raster::line(t, pen, ui::raster::Brush{}, a.x, a.y, b.x, b.y);
        }
    };
    bool drew = false;
    while (drawnTrajectory_ < trajectories.size()) {
        const physics::Trajectory& tr = trajectories[drawnTrajectory_];
        if (tr.done && tr.backscattered) {
            draw(tr, 1, kBackscatteredColour);  // the whole path again in its own colour
        } else {
            draw(tr, drawnPoint_, kAbsorbedColour);
        }
        drew = drew || tr.points.size() > drawnPoint_;
        if (!tr.done) {
            drawnPoint_ = tr.points.size();
            break;
        }
        ++drawnTrajectory_;
        drawnPoint_ = 0;
    }
    if (drew) PaintBoxBahnen.invalidate();
}

void TFormLabMC::showFigures() {
    const physics::ElectronSimulation* s = Simulation.get();
    if (!s) return;
    std::string t = "Elektronen: " + std::to_string(s->electrons()) + " von " + std::to_string(s->settings().electrons) + "\n";
    t += "Rückgestreut: " + std::to_string(s->backscattered()) + "\n";
    t += "Rückstreukoeffizient η = " + germanNumber(s->eta(), 3) + " ± " + germanNumber(s->etaError(), 3) + "\n";
    t += "Reichweite (K.-O.): " + germanNumber(s->kanayaOkayamaUm(), 3) + " µm\n";
    t += "Tiefste Stelle: " + germanNumber(s->deepestUm(), 3) + " µm\n";
    t += "Mittlere Energie der Rückstreuelektronen: " + germanNumber(s->meanBackscatterEnergyKeV(), 2) + " keV";
    LabelErgebnis.setCaption(t);
    PaintBoxTiefe.invalidate();
    PaintBoxEnergie.invalidate();
}

std::vector<std::pair<std::string, std::string>> TFormLabMC::values() const {
    const physics::ElectronSimulation* s = Simulation.get();
    if (!s) return {};
    return {{"elektronen", std::to_string(s->electrons())},
            {"rueckgestreut", std::to_string(s->backscattered())},
            {"eta", plainNumber(s->eta(), 4)},
            {"eta_fehler", plainNumber(s->etaError(), 4)},
            {"reichweite_ko_um", plainNumber(s->kanayaOkayamaUm(), 4)},
            {"tiefe_max_um", plainNumber(s->deepestUm(), 4)},
            {"energie_bse_mittel_kev", plainNumber(s->meanBackscatterEnergyKeV(), 3)},
            {"fertig", s->finished() ? "1" : "0"}};
}

std::string TFormLabMC::savedText() const {
    const physics::ElectronSimulation* s = Simulation.get();
    if (!s) return {};
    const physics::McSettings& m = s->settings();
    std::string out = "# Elektronenstreuung in der Probe (Monte-Carlo-Simulation)\n";
    out += "groesse,wert\n";
    out += "probe," + m.specimen.name + "\n";
    out += "spannung_kv," + plainNumber(m.energyKeV, 1) + "\n";
    out += "neigung_grad," + plainNumber(m.tiltDeg, 1) + "\n";
    out += "startwert," + std::to_string(m.seed) + "\n";
    for (const auto& [name, value] : values()) out += name + "," + value + "\n";
    out += "\ntiefe_von_um,tiefe_bis_um,elektronen\n";
    for (int i = 0; i < physics::kHistogramBins; ++i)
        out += plainNumber(i * s->depthBinUm(), 4) + "," + plainNumber((i + 1) * s->depthBinUm(), 4) + "," +
               std::to_string(s->depthHistogram()[size_t(i)]) + "\n";
    out += "\nenergie_von_kev,energie_bis_kev,rueckstreuelektronen\n";
    for (int i = 0; i < physics::kHistogramBins; ++i)
        out += plainNumber(i * s->energyBinKeV(), 3) + "," + plainNumber((i + 1) * s->energyBinKeV(), 3) + "," +
               std::to_string(s->energyHistogram()[size_t(i)]) + "\n";
    return out;
}

}  // namespace chapters

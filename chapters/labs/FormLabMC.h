// Electron scattering in a specimen, computed live: a single-scattering Monte Carlo simulation
// whose trajectories appear in a cross-section of the specimen as they are computed, with the
// backscatter coefficient, the depths reached and two histograms beside it.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "frame/Layout.h"
#include "physics/ElectronMC.h"
#include "ui/Buttons.h"
#include "ui/ComboBox.h"
#include "ui/Controls.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/Menu.h"
#include "ui/Timer.h"
#include "ui/TrackBar.h"

namespace chapters {

class TFormLabMC : public ui::Form {
public:
    static constexpr const char* kClassName = "TFormLabMC";
    // Scattering steps per tick of TimerRechnen: at most a few milliseconds on a slow machine.
    static constexpr long kStepsPerTick = 30000;
    static constexpr int kTickMs = 20;
    explicit TFormLabMC(ui::Application& app);

    // Layout
    ui::Label LabelProbe{*this, "LabelProbe", "Probe:"};
    ui::ComboBox ComboBoxProbe{*this, "ComboBoxProbe"};
    ui::Label LabelSpannung{*this, "LabelSpannung", ""};
    ui::TrackBar TrackBarSpannung{*this, "TrackBarSpannung"};
    ui::Label LabelNeigung{*this, "LabelNeigung", ""};
    ui::TrackBar TrackBarNeigung{*this, "TrackBarNeigung"};
    ui::Label LabelElektronen{*this, "LabelElektronen", "Elektronen:"};
    ui::Edit EditElektronen{*this, "EditElektronen"};
    ui::Label LabelStartwert{*this, "LabelStartwert", "Startwert:"};
    ui::Edit EditStartwert{*this, "EditStartwert"};
    ui::Button ButtonStart{*this, "ButtonStart", "Start"};
    ui::Button ButtonStopp{*this, "ButtonStopp", "Stopp"};
    ui::Button ButtonNeu{*this, "ButtonNeu", "Neu"};
    ui::Label LabelErgebnis{*this, "LabelErgebnis", ""};
    ui::PaintBox PaintBoxBahnen{*this, "PaintBoxBahnen"};
    ui::PaintBox PaintBoxTiefe{*this, "PaintBoxTiefe"};
    ui::PaintBox PaintBoxEnergie{*this, "PaintBoxEnergie"};
    ui::StatusBar StatusBar1;
    ui::MainMenu MainMenu1{*this};
    ui::MenuItem Datei1;
    ui::MenuItem Speichern1;
    ui::MenuItem Ende1;
    ui::MenuItem ESC1;
    ui::Timer TimerRechnen{*this, "TimerRechnen", kTickMs, false};

    // Handlers
    void FormCreate() override;
    void FormClose() override;
    void PaintBoxBahnenPaint();
    void PaintBoxTiefePaint();
    void PaintBoxEnergiePaint();
    void TimerRechnenTimer();
    void ComboBoxProbeChange();
    void TrackBarSpannungChange();
    void TrackBarNeigungChange();
    void ButtonStartClick();
    void ButtonStoppClick();
    void ButtonNeuClick();
    void Speichern1Click();

    std::vector<std::pair<std::string, std::string>> values() const override;
    // The figures and both histograms as CSV (what `save` and "Ergebnisse speichern" write).
    std::string savedText() const override;

    // State
    std::unique_ptr<physics::ElectronSimulation> Simulation;
    bool Running = false;

private:
    bool readEntries(physics::McSettings& settings);
    void newSimulation(const physics::McSettings& settings);
    void resetPicture();
    void drawNewSegments();
    void showFigures();
    // Specimen coordinates (µm) to the picture's pixels.
    ui::Point toPicture(double xUm, double zUm) const;

    frame::Scale scale_;
    std::vector<physics::Specimen> specimens_;
    ui::raster::Bitmap layer_;  // the trajectories drawn so far
    double pixelsPerUm_ = 1;
    int entryX_ = 0, entryY_ = 0;
    double cosTilt_ = 1, sinTilt_ = 0;
    size_t drawnTrajectory_ = 0, drawnPoint_ = 0;
};

}  // namespace chapters

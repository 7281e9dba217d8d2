// A simulated EDX spectrum of a specimen, built up live over the (compressed) measuring time:
// characteristic lines and continuum from xraylib's data, the detector's window and resolution,
// escape peaks and counting noise; the peaks labelled, and a small periodic table whose elements
// show their K, L and M line markers.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "frame/Layout.h"
#include "physics/EdxAcquisition.h"
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

class TFormLabEDX : public ui::Form {
public:
    static constexpr const char* kClassName = "TFormLabEDX";
    static constexpr int kTickMs = 50;
    // The whole measuring time passes in this much program time, whatever its length.
    static constexpr int kMeasurementMs = 10000;
    explicit TFormLabEDX(ui::Application& app);

    // Layout
    ui::Label LabelProbe{*this, "LabelProbe", "Probe:"};
    ui::ComboBox ComboBoxProbe{*this, "ComboBoxProbe"};
    ui::Label LabelZusammensetzung{*this, "LabelZusammensetzung", "Zusammensetzung in Gew.-%:"};
    ui::Edit EditZusammensetzung{*this, "EditZusammensetzung"};
    ui::Label LabelSpannung{*this, "LabelSpannung", ""};
    ui::TrackBar TrackBarSpannung{*this, "TrackBarSpannung"};
    ui::Label LabelDetektor{*this, "LabelDetektor", "Detektor:"};
    ui::ComboBox ComboBoxDetektor{*this, "ComboBoxDetektor"};
    ui::Label LabelMesszeit{*this, "LabelMesszeit", "Messzeit in s:"};
    ui::Edit EditMesszeit{*this, "EditMesszeit"};
    ui::Label LabelStrom{*this, "LabelStrom", "Strahlstrom in nA:"};
    ui::Edit EditStrom{*this, "EditStrom"};
    ui::CheckBox CheckBoxLog{*this, "CheckBoxLog", "Impulse logarithmisch"};
    ui::Button ButtonStart{*this, "ButtonStart", "Start"};
    ui::Button ButtonStopp{*this, "ButtonStopp", "Stopp"};
    ui::Button ButtonNeu{*this, "ButtonNeu", "Neu"};
    ui::Label LabelErgebnis{*this, "LabelErgebnis", ""};
    ui::PaintBox PaintBoxSpektrum{*this, "PaintBoxSpektrum"};
    ui::PaintBox PaintBoxPSE{*this, "PaintBoxPSE"};
    ui::Label LabelPeaks{*this, "LabelPeaks", ""};
    ui::StatusBar StatusBar1;
    ui::MainMenu MainMenu1{*this};
    ui::MenuItem Datei1;
    ui::MenuItem Speichern1;
    ui::MenuItem Ende1;
    ui::MenuItem ESC1;
    ui::Timer TimerMessen{*this, "TimerMessen", kTickMs, false};

    // Handlers
    void FormCreate() override;
    void FormClose() override;
    void PaintBoxSpektrumPaint();
    void PaintBoxPSEPaint();
    void PaintBoxPSEMouseDown(int x, int y);
    void TimerMessenTimer();
    void ComboBoxProbeChange();
    void EditZusammensetzungChange();
    void TrackBarSpannungChange();
    void ComboBoxDetektorChange();
    void CheckBoxLogChange();
    void ButtonStartClick();
    void ButtonStoppClick();
    void ButtonNeuClick();
    void Speichern1Click();

    std::vector<std::pair<std::string, std::string>> values() const override;
    // The spectrum as an EMSA/MAS file.
    std::string savedText() const override;
    // The element of the periodic table whose line markers are shown (0: none); false for one
    // the table does not show.
    bool chooseElement(int z);

    // State
    std::unique_ptr<physics::EdxAcquisition> Acquisition;
    bool Running = false;
    int MarkedElement = 0;

private:
    bool readEntries(physics::EdxSettings& settings, double& liveTimeS);
    void newAcquisition(const physics::EdxSettings& settings, double liveTimeS);
    void showFigures();
    ui::Rect elementCell(int z) const;

    frame::Scale scale_;
    std::vector<physics::Specimen> specimens_;
    bool filling_ = false;
};

}  // namespace chapters

// The virtual light microscope: a specimen under five objectives, with focus, bright and
// dark field, etching and preparation, a stage to drag, and two measuring exercises with a
// true answer (grain size by the line-intercept method, phase share by point counting).
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "frame/Layout.h"
#include "specimen/FieldTiles.h"
#include "specimen/Microscope.h"
#include "specimen/Specimen.h"
#include "ui/Buttons.h"
#include "ui/ComboBox.h"
#include "ui/Controls.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/Menu.h"
#include "ui/TrackBar.h"

namespace chapters {

class TFormLabLicht : public ui::Form {
public:
    static constexpr const char* kClassName = "TFormLabLicht";
    explicit TFormLabLicht(ui::Application& app);

    // Layout
    ui::PaintBox PaintBoxFeld{*this, "PaintBoxFeld"};
    ui::Label LabelProbe{*this, "LabelProbe", "Probe:"};
    ui::ComboBox ComboBoxProbe{*this, "ComboBoxProbe"};
    ui::Label LabelKohlenstoff{*this, "LabelKohlenstoff", "Kohlenstoff:"};
    ui::TrackBar TrackBarKohlenstoff{*this, "TrackBarKohlenstoff"};
    ui::Label LabelKohlenstoffWert{*this, "LabelKohlenstoffWert", ""};
    ui::Label LabelObjektiv{*this, "LabelObjektiv", "Objektiv:"};
    ui::ComboBox ComboBoxObjektiv{*this, "ComboBoxObjektiv"};
    ui::Label LabelFokus{*this, "LabelFokus", "Fokus:"};
    ui::TrackBar TrackBarFokus{*this, "TrackBarFokus"};
    ui::Label LabelFokusWert{*this, "LabelFokusWert", ""};
    ui::Label LabelBeleuchtung{*this, "LabelBeleuchtung", "Beleuchtung:"};
    ui::ComboBox ComboBoxBeleuchtung{*this, "ComboBoxBeleuchtung"};
    ui::Label LabelKontrastierung{*this, "LabelKontrastierung", "Ätzung:"};
    ui::ComboBox ComboBoxKontrastierung{*this, "ComboBoxKontrastierung"};
    ui::Label LabelAetzzeit{*this, "LabelAetzzeit", "Ätzzeit:"};
    ui::TrackBar TrackBarAetzzeit{*this, "TrackBarAetzzeit"};
    ui::Label LabelAetzzeitWert{*this, "LabelAetzzeitWert", ""};
    ui::Label LabelPraeparation{*this, "LabelPraeparation", "Präparation:"};
    ui::ComboBox ComboBoxPraeparation{*this, "ComboBoxPraeparation"};
    ui::Label LabelMessung{*this, "LabelMessung", "Messung:"};
    ui::ComboBox ComboBoxMessung{*this, "ComboBoxMessung"};
    ui::Label LabelAnzahl{*this, "LabelAnzahl", "Anzahl:"};
    ui::Edit EditAnzahl{*this, "EditAnzahl"};
    ui::Button ButtonAuswerten{*this, "ButtonAuswerten", "Auswerten"};
    ui::Button ButtonNeu{*this, "ButtonNeu", "Neu beginnen"};
    ui::Label LabelOptik{*this, "LabelOptik", ""};
    ui::Label LabelTisch{*this, "LabelTisch", ""};
    ui::Label LabelErgebnis{*this, "LabelErgebnis", ""};
    ui::Button ButtonSchliessen{*this, "ButtonSchliessen", "Schließen"};
    ui::StatusBar StatusBar1;
    ui::MainMenu MainMenu1{*this};
    ui::MenuItem ESC1;

    // Handlers
    void FormCreate() override;
    void PaintBoxFeldPaint();
    void PaintBoxFeldMouseDown(ui::MouseButton button, unsigned shift, int x, int y);
    void PaintBoxFeldMouseMove(unsigned shift, int x, int y);
    void PaintBoxFeldMouseUp(ui::MouseButton button, unsigned shift, int x, int y);
    bool PaintBoxFeldMouseWheel(int notches, unsigned shift, int x, int y);
    bool PaintBoxFeldKeyDown(int key, unsigned shift);
    void ComboBoxProbeChange();
    void SettingChange();
    void ComboBoxMessungChange();
    void ButtonAuswertenClick();
    void ButtonNeuClick();
    void ButtonSchliessenClick();

    std::vector<std::pair<std::string, std::string>> values() const override;

    // The field's scale, in plane pixels and micrometres.
    const specimen::Objective& objective() const;
    specimen::Viewing viewing() const;
    double umPerPx() const { return viewing().umPerPx; }
    int fieldWidthPx() const { return PaintBoxFeld.width(); }
    int fieldHeightPx() const { return PaintBoxFeld.height(); }
    // Moves the stage so the field's centre lies at this point (kept on the specimen).
    void moveStageTo(double xUm, double yUm);

    // A test line of the intercept count (field pixels) and its crossings with grain borders.
    struct TestLine {
        int x0, x1, y;
    };
    std::vector<TestLine> testLines() const;
    int trueCrossings() const;
    double testLineLengthUm() const;
    // The point-count grid (field pixels).
    std::vector<ui::Point> gridPoints() const;

    // State
    double StageXUm = specimen::Specimen::kSizeUm / 2;
    double StageYUm = specimen::Specimen::kSizeUm / 2;
    std::vector<ui::Point> Marks;   // intercepts clicked on the test lines (field pixels)
    std::vector<bool> PointMarked;  // grid points marked as lying in the phase
    // Sums over the fields evaluated so far.
    int Fields = 0;
    double SumLengthUm = 0;
    int SumCounted = 0, SumTrue = 0;
    int SumPoints = 0, SumMarked = 0;
    std::vector<double> FieldFractions;
    double SumTrueFieldShare = 0;

private:
    void rebuildSpecimen();
    void newField();
    void showOptics();
    void showResult(const std::string& text);
    std::string hint() const;
    void drawOverlay();
    frame::Scale scale_;
    std::unique_ptr<specimen::Specimen> specimen_;
    specimen::FieldTiles tiles_;
    ui::raster::Bitmap field_;
    bool dragging_ = false, moved_ = false;
    int pressX_ = 0, pressY_ = 0, lastX_ = 0, lastY_ = 0;
    bool building_ = false;
    bool evaluated_ = false;  // this field's count is in the sums
};

}  // namespace chapters

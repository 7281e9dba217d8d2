// The chapter overview: the gradient disc, the overview of the three examination
// methods, and the menu that opens every chapter's windows.
#pragma once

#include <memory>
#include <vector>

#include "ui/Application.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Menu.h"

namespace app {

class TFormMetallo : public ui::Form {
public:
    static constexpr const char* kClassName = "TFormMetallo";
    explicit TFormMetallo(ui::Application& app);

    // Layout
    ui::PaintBox PaintBoxHaupt{*this, "PaintBoxHaupt"};
    ui::StatusBar StatusBar1;
    ui::MainMenu MainMenu1{*this};
    ui::MenuItem Datei1;
    ui::MenuItem Ende1;
    ui::MenuItem Schwarz;  // "Hintergrund blau"
    ui::MenuItem Blau;     // "Hintergrund schwarz"
    ui::MenuItem ESC1;
    ui::MenuItem Makroskopie1;
    ui::MenuItem Lichtmikroskopie1;
    ui::MenuItem Rasterelektronenmikroskop1;
    ui::MenuItem Mikrobereichsanalysen1;
    ui::MenuItem Uebungen1;
    ui::MenuItem Glossar1;
    ui::MenuItem LabLicht1;
    ui::MenuItem LabMC1;
    ui::MenuItem LabEDX1;
    ui::MenuItem SelbsttestMakro1;
    ui::MenuItem SelbsttestLM1;
    ui::MenuItem SelbsttestREM1;
    ui::MenuItem SelbsttestAnalyse1;
    ui::MenuItem Fortschritt1;
    std::vector<std::unique_ptr<ui::MenuItem>> chapterItems;

    // Handlers
    void FormCreate() override;
    void FormPaint() override;
    void PaintBoxHauptPaint();
    void SchwarzClick();
    void BlauClick();
    void ESC1Click();
    void Ende1Click();
    void Glossar1Click();
    void LabLicht1Click();
    void LabMC1Click();
    void LabEDX1Click();
    void SelbsttestClick(int chapter);
    void Fortschritt1Click();

    // State
    double ScaleX = 0;
    double ScaleY = 0;
    int BackdropCenterX = 0;
    int BackdropCenterY = 0;
    bool BlueBackground = true;

private:
    void closeOverview();
};

}  // namespace app

// The title window: full screen, the background picture, the ring animation that
// grows from the screen centre and ends with the title in three lines.
#pragma once

#include "frame/Photo.h"
#include "ui/Application.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Menu.h"
#include "ui/Timer.h"

namespace app {

class TFormHaupt : public ui::Form {
public:
    static constexpr const char* kClassName = "TFormHaupt";
    // The title background.
    static constexpr frame::PhotoSpec kPhotos[] = {{"TFormHaupt.jpg", 1078, 768}};
    explicit TFormHaupt(ui::Application& app);

    // Layout
    ui::PaintBox PaintBoxStart{*this, "PaintBoxStart"};
    ui::Image Image1{*this, "Image1"};
    ui::StatusBar StatusBar1;
    ui::MainMenu MainMenu1{*this};
    ui::MenuItem ESC1;
    ui::MenuItem Programmbeenden1;
    ui::MenuItem Programmstarten1;
    ui::MenuItem Info1;
    ui::Timer TimerSTart{*this, "TimerSTart", 1, false};

    // Handlers
    void FormCreate() override;
    void FormPaint() override;
    void PaintBoxStartPaint();
    void TimerSTartTimer();
    void Programmstarten1Click();
    void Programmbeenden1Click();
    void ESC1Click();
    void Info1Click();

    // State
    double ScaleX = 0;
    double ScaleY = 0;
    int TitleCenterX = 0;
    int TitleCenterY = 0;
    int RingHalfWidth[10] = {};   // rings 1 .. 9
    int RingHalfHeight[10] = {};
    bool RingStarted[9] = {};     // 1 .. 8: ring k has grown enough for ring k + 1

    void resetRings();
};

}  // namespace app

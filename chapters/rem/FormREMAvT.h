// TFormREMAvT: Charakteristische Bruchflächen von Stählen mit dem SE-Detektor
#pragma once

#include "frame/Photo.h"
#include "frame/PicturePage.h"
#include "frame/TopicForm.h"
#include "ui/Controls.h"
#include "ui/Timer.h"

namespace chapters {

class TFormREMAvT : public frame::TopicForm, public frame::PageOwner {
public:
    static constexpr const char* kClassName = "TFormREMAvT";
    // the thumbnails of the two image lists
    static constexpr frame::PhotoSpec kPhotos[] = {
        {"TFormREMAvT.ImageListKRZ.0.jpg", 150, 105},
        {"TFormREMAvT.ImageListKRZ.1.jpg", 150, 105},
        {"TFormREMAvT.ImageListKRZ.2.jpg", 150, 105},
        {"TFormREMAvT.ImageListKFZ.0.jpg", 150, 105},
    };
    explicit TFormREMAvT(ui::Application& app);

    // Layout
    ui::PaintBox PaintBoxHaupt{*this, "PaintBoxHaupt"};
    // Click areas over the four small pictures.
    ui::PaintBox PaintBoxAus{*this, "PaintBoxAus"};
    ui::PaintBox PaintBoxSpalt{*this, "PaintBoxSpalt"};
    ui::PaintBox PaintBoxMisch{*this, "PaintBoxMisch"};
    ui::PaintBox PaintBoxDuk{*this, "PaintBoxDuk"};
    ui::ImageList ImageListKRZ{150, 105};  // cleavage, mixed and dimple fracture of the body-centred steel
    ui::ImageList ImageListKFZ{150, 105};  // dimple fracture of the austenitic steel
    ui::MenuItem& StartKRZ1 = item("StartKRZ1");
    ui::MenuItem& StartKFZ1 = item("StartKFZ1");
    ui::MenuItem& Neu1 = item("Neu1");
    ui::Timer TimerKRZ{*this, "TimerKRZ", 50, false};
    ui::Timer TimerKFZ{*this, "TimerKFZ", 50, false};

    // Handlers
    void FormCreate() override;
    void PaintBoxHauptPaint();
    void TimerKRZTimer();
    void TimerKFZTimer();
    void StartKRZ1Click();
    void StartKFZ1Click();
    void Neu1Click();
    void FormClose() override;
    void PaintBoxAusClick();
    void PaintBoxSpaltClick();
    void PaintBoxMischClick();
    void PaintBoxDukClick();
    // A fracture page has closed: both curves replay at high speed, still clickable.
    void pageClosed() override;

    // State
    double KrzX = 130, KrzY = 390;  // next point of the body-centred curve, design units
    double KrzSpread = 1.0;         // half extra height of the scatter bars
    double KfzX = 130, KfzY = 90;   // next point of the face-centred curve
    int KrzPictureIndex = 0;
    int KfzPictureIndex = 0;
    bool KrzDone = false;
    bool KfzDone = false;

private:
    void resetCurves();
    void setClickCursor(ui::Cursor c);
    void square(ui::Canvas& c, double x, double y, int s);
    void scatterBar(ui::Canvas& c, double x, double y);
    void scaleBar(ui::Canvas& c);
    void openPage(ui::Form* page);
};

}  // namespace chapters

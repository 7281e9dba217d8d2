// TFormPPSchritte: Lichtmikroskopie: Präparationsschritte zur Herstellung eines
// metallographischen Schliffes. The five preparation steps as a column of boxes joined by
// arrows; each step item narrows the column to the left edge and opens the step's window
// beside it. Becoming active again brings back the wide, centred layout.
#pragma once

#include <array>

#include "frame/TopicForm.h"
#include "ui/Controls.h"

namespace chapters {

class TFormPPSchritte : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormPPSchritte";
    static constexpr int kSteps = 5;
    explicit TFormPPSchritte(ui::Application& app);

    // Layout (later components lie above earlier ones)
    ui::PaintBox PaintBoxHaupt{*this, "PaintBoxHaupt"};
    ui::PaintBox PaintBoxSch{*this, "PaintBoxSch"};
    ui::PaintBox PaintBox1{*this, "PaintBox1"};
    ui::PaintBox PaintBox2{*this, "PaintBox2"};
    ui::PaintBox PaintBox3{*this, "PaintBox3"};
    ui::PaintBox PaintBox4{*this, "PaintBox4"};
    ui::PaintBox PaintBox5{*this, "PaintBox5"};
    ui::MenuItem& Trennen = item("Trennen");
    ui::MenuItem& Einfassen = item("Einfassen");
    ui::MenuItem& Schleifen1 = item("Schleifen1");
    ui::MenuItem& Polieren1 = item("Polieren1");
    ui::MenuItem& Kontrastierung1 = item("Kontrastierung1");

    // Handlers
    void FormCreate() override;
    void FormActivate() override;
    void FormPaint() override;
    void PaintBoxHauptPaint();
    void PaintBoxSchPaint();
    void StepBoxPaint(int step);  // PaintBox1 .. PaintBox5
    void TrennenClick();
    void EinfassenClick();
    void Schleifen1Click();
    void Polieren1Click();
    void Kontrastierung1Click();

    // State
    int WideLayout = 1;  // 1: wide and centred; 0: narrow column at the left edge
    int HaloX = 0;       // centre of the backdrop ellipses, pixels
    int HaloY = 0;

    ui::PaintBox& stepBox(int step) { return *stepBoxes_[static_cast<size_t>(step - 1)]; }

    // Left, top, width and height of a box, design units.
    struct BoxBounds {
        int left, top, width, height;
    };

private:
    void placeBoxes(const BoxBounds (&boxes)[kSteps + 1]);
    void wideLayout();
    void narrowLayout();
    void showStep(ui::Form* window);

    std::array<ui::PaintBox*, kSteps> stepBoxes_{&PaintBox1, &PaintBox2, &PaintBox3, &PaintBox4, &PaintBox5};
};

}  // namespace chapters

// Microstructure and properties: four factors of manufacture funnel into the box
// "Gefüge", three kinds of properties fan out of it; two amber funnels over concentric
// coloured rings. A static page.
#pragma once

#include <string_view>

#include "frame/TopicForm.h"
#include "ui/Controls.h"

namespace chapters {

class TFormGPG : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormGPG";
    explicit TFormGPG(ui::Application& app);

    // Layout (later boxes lie above earlier ones)
    ui::PaintBox PaintBoxHaupt{*this, "PaintBoxHaupt"};
    ui::PaintBox PaintBoxHer{*this, "PaintBoxHer"};
    ui::PaintBox PaintBoxEig{*this, "PaintBoxEig"};
    ui::PaintBox PaintBox1{*this, "PaintBox1"};
    ui::PaintBox PaintBox2{*this, "PaintBox2"};
    ui::PaintBox PaintBox3{*this, "PaintBox3"};
    ui::PaintBox PaintBox4{*this, "PaintBox4"};
    ui::PaintBox PaintBoxGef{*this, "PaintBoxGef"};
    ui::PaintBox PaintBox5{*this, "PaintBox5"};
    ui::PaintBox PaintBox6{*this, "PaintBox6"};
    ui::PaintBox PaintBox7{*this, "PaintBox7"};

    // Handlers
    void FormCreate() override;
    void FormPaint() override;
    void PaintBoxHauptPaint();
    // PaintBoxHerPaint, PaintBoxEigPaint, PaintBoxGefPaint, PaintBox1Paint .. PaintBox7Paint
    struct BoxText {
        int x, y;
        std::string_view s;
    };
    void boxPaint(ui::PaintBox& box, ui::TColor brush, const BoxText (&texts)[2]);

    // State: the centre of the background rings, in window pixels.
    int RingsX = 0;
    int RingsY = 0;
};

}  // namespace chapters

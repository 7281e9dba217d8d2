// The text pages: lines of black text on a light-yellow panel with a thin black frame
// (the paint box PaintBoxHaupt), over the striped backdrop that the window paints round
// it. Each page lists its lines with their positions and font heights; where the panel
// stands is the page's own create handler's business.
#pragma once

#include <span>

#include "frame/Layout.h"
#include "frame/TopicForm.h"
#include "ui/Controls.h"

namespace frame {

inline constexpr ui::TColor kPanelColour = 0x0080FFFF;  // R 255, G 255, B 128

// One line of a page: y is a design unit (times ScaleY) unless the line stands at a fixed
// pixel row; x is a pixel or a design unit as the page says; the font height is a design
// height, Round(height x ScaleY) pixels.
struct TextLine {
    double x;
    double y;
    const char* text;
    double height = 24;
    bool pixelY = false;
};

// Whether the x of a page's lines are pixels or design units (times ScaleX).
enum class TextX { Pixels, Design };

// The panel: brush light yellow, the canvas's pen as it is (black, one pixel), a
// rectangle over the whole box, then every line in black with the opaque brush behind.
void paintTextPanel(ui::PaintBox& box, Scale s, TextX xUnits, std::span<const TextLine> lines);

// A window whose content is a text panel: the paint box, the stripes behind it.
class TextPage : public TopicForm {
public:
    TextPage(ui::Application& app, const FrameSpec& spec, TextX xUnits, std::span<const TextLine> lines);

    ui::PaintBox PaintBoxHaupt{*this, "PaintBoxHaupt"};

    void FormPaint() override;
    void PaintBoxHauptPaint();

    std::span<const TextLine> lines() const { return lines_; }

private:
    TextX xUnits_;
    std::span<const TextLine> lines_;
};

}  // namespace frame

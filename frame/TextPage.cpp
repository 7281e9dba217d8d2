#include "frame/TextPage.h"

#include "frame/Backdrop.h"

namespace frame {

void paintTextPanel(ui::PaintBox& box, Scale s, TextX xUnits, std::span<const TextLine> lines) {
    ui::Canvas& c = box.canvas;
    c.brush.setColor(kPanelColour);
    c.Rectangle(0, 0, box.width(), box.height());
    c.font.color = ui::clBlack;
    for (const TextLine& l : lines) {
        c.font.height = s.Y(l.height);
        const int x = xUnits == TextX::Design ? s.X(l.x) : Round(l.x);
        const int y = l.pixelY ? Round(l.y) : s.Y(l.y);
        c.TextOut(x, y, l.text);
    }
}

TextPage::TextPage(ui::Application& app, const FrameSpec& spec, TextX xUnits, std::span<const TextLine> lines)
    : TopicForm(app, spec), xUnits_(xUnits), lines_(lines) {
    PaintBoxHaupt.color = kPanelColour;
    PaintBoxHaupt.font = font;
    PaintBoxHaupt.OnPaint = [this] { PaintBoxHauptPaint(); };
}

// Yellow at the top through grey to blue at y = 765, round the panel.
void TextPage::FormPaint() { paintStripes(canvas, screenWidth()); }

void TextPage::PaintBoxHauptPaint() { paintTextPanel(PaintBoxHaupt, scale(), xUnits_, lines_); }

}  // namespace frame

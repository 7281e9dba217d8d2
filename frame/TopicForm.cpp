#include "frame/TopicForm.h"

namespace frame {

TopicForm::TopicForm(ui::Application& app, const FrameSpec& spec)
    : ui::Form(app, spec.className, spec.caption),
      Ende1(MainMenu1, spec.endeName, spec.endeCaption),
      ESC1(MainMenu1, spec.escName, "ESC", ui::ShortCut::Escape) {
    designPPI = spec.designPPI;
    // The window font, 8 points at the layout's resolution.
    font.height = -((8 * designPPI + 36) / 72);
    borderStyle = spec.border;
    setColor(spec.color);
    if (spec.statusBarName) StatusBar1 = std::make_unique<ui::StatusBar>(*this, spec.statusBarName, kEscHint);
    closes(*this, Ende1);
    escapeItem(*this, ESC1);
}

void TopicForm::placeSizeOnly(Pattern p) { apply(*this, place(p, screenWidth(), screenHeight())); }

void TopicForm::placeBy(Pattern p) {
    const Placement pl = place(p, screenWidth(), screenHeight());
    ScaleX = pl.scale.x;
    ScaleY = pl.scale.y;
    apply(*this, pl);
}

}  // namespace frame

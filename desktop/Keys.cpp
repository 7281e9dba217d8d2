#include "desktop/Keys.h"

#include "ui/Input.h"

namespace desktop {

int virtualKey(int qtKey) {
    // Qt's letters and digits are their upper-case ASCII codes, as the virtual keys are.
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)) return qtKey;
    switch (qtKey) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab: return ui::vk::Tab;
        case Qt::Key_Return:
        case Qt::Key_Enter: return ui::vk::Return;
        case Qt::Key_Space: return ui::vk::Space;
        case Qt::Key_Escape: return ui::vk::Escape;
        case Qt::Key_Backspace: return ui::vk::Back;
        case Qt::Key_Delete: return ui::vk::Delete;
        case Qt::Key_Left: return ui::vk::Left;
        case Qt::Key_Up: return ui::vk::Up;
        case Qt::Key_Right: return ui::vk::Right;
        case Qt::Key_Down: return ui::vk::Down;
        case Qt::Key_Home: return ui::vk::Home;
        case Qt::Key_End: return ui::vk::End;
        case Qt::Key_PageUp: return ui::vk::Prior;
        case Qt::Key_PageDown: return ui::vk::Next;
        case Qt::Key_F1: return ui::vk::F1;
        case Qt::Key_F4: return ui::vk::F4;
        default: return 0;
    }
}

unsigned shiftState(Qt::KeyboardModifiers m) {
    unsigned s = ui::ssNone;
    if (m & Qt::ShiftModifier) s |= ui::ssShift;
    if (m & Qt::ControlModifier) s |= ui::ssCtrl;
    if (m & Qt::AltModifier) s |= ui::ssAlt;
    return s;
}

}  // namespace desktop

// The user's mouse, wheel, keys and typed text, routed to the controls of a form.
#include <string>

#include "ui/Application.h"
#include "ui/ComboBox.h"
#include "ui/EventScope.h"

namespace ui {

namespace {
MouseEvent local(const Control& c, int x, int y, MouseButton b, unsigned shift) {
    const Rect r = c.clientRect();
    return MouseEvent{x - r.left, y - r.top, b, shift};
}

bool onStatusBar(const Form& f, int y) { return f.statusBar() && y >= f.clientHeight() - f.statusBarHeight(); }
}  // namespace

bool Application::mouseDown(Form& f, int x, int y, MouseButton b, unsigned shift) {
    if (!takesInput(f)) return false;
    EventScope scope(*this, eventDepth_);
    if (active_ != &f) activate(f);
    f.capture_ = nullptr;
    f.clickPending_ = false;
    if (ComboBox* open = f.droppedDown()) {
        if (open->listRect().contains(x, y)) {
            open->listMouseDown(x, y);
            return true;
        }
        // A press elsewhere only closes the open list.
        open->closeUp(false);
        return true;
    }
    if (onStatusBar(f, y)) return true;
    Control* c = f.controlAt(x, y);
    if (c && !c->usable()) return true;
    if (c && c->canFocus() && !c->pictureStop()) c->setFocus();
    if (c && c->takesMouse()) {
        f.capture_ = c;
        c->mouseDown(local(*c, x, y, b, shift));
    } else {
        f.clickPending_ = b == MouseButton::Left;
    }
    return true;
}

bool Application::mouseMove(Form& f, int x, int y, unsigned shift) {
    if (!takesInput(f)) return false;
    EventScope scope(*this, eventDepth_);
    if (Control* c = f.capture_) {
        c->mouseMove(local(*c, x, y, MouseButton::Left, shift));
    } else if (ComboBox* open = f.droppedDown()) {
        if (open->listRect().contains(x, y)) open->listMouseMove(x, y);
    } else if (auto* under = dynamic_cast<PaintBox*>(f.controlAt(x, y)); under && under->usable()) {
        // Paint boxes follow the mouse also while no button is held.
        under->mouseMove(local(*under, x, y, MouseButton::Left, shift));
    }
    return true;
}

bool Application::mouseUp(Form& f, int x, int y, MouseButton b, unsigned shift) {
    if (!takesInput(f)) return false;
    EventScope scope(*this, eventDepth_);
    if (Control* c = f.capture_) {
        f.capture_ = nullptr;
        c->mouseUp(local(*c, x, y, b, shift));
        return true;
    }
    if (ComboBox* open = f.droppedDown()) {
        open->listMouseUp(x, y);
        return true;
    }
    if (!f.clickPending_ || b != MouseButton::Left) return true;
    f.clickPending_ = false;
    // A click is press and release on the window: what lies under the release gets it.
    if (onStatusBar(f, y)) return true;
    Control* c = f.controlAt(x, y);
    if (c && c->usable() && !c->takesMouse() && c->OnClick) c->OnClick();
    return true;
}

bool Application::mouseWheel(Form& f, int x, int y, int notches, unsigned shift) {
    if (!takesInput(f) || notches == 0) return false;
    EventScope scope(*this, eventDepth_);
    if (ComboBox* open = f.droppedDown()) {
        if (open->listRect().contains(x, y)) return open->listWheel(notches);
        open->closeUp(false);
    }
    // The control under the mouse, else the one with the focus.
    Control* under = f.controlAt(x, y);
    if (under && under->usable() && under->mouseWheel(notches, local(*under, x, y, MouseButton::Left, shift))) return true;
    Control* focus = f.activeControl();
    return focus && focus != under && focus->usable() && focus->mouseWheel(notches, local(*focus, x, y, MouseButton::Left, shift));
}

bool Application::keyDown(Form& f, int key, unsigned shift) {
    if (!takesInput(f)) return false;
    if (key == vk::Escape && !(shift & (ssCtrl | ssAlt))) return keyEscape(f);
    EventScope scope(*this, eventDepth_);
    if (active_ != &f) activate(f);
    if (key == vk::F1 && OnHelp) {
        OnHelp(f);
        return true;
    }
    Control* focus = f.activeControl();
    if (focus && focus->usable() && focus->keyDown(key, shift)) return true;
    const bool plain = !(shift & (ssCtrl | ssAlt));
    if (key == vk::Tab && plain) {
        if (ComboBox* open = f.droppedDown()) open->closeUp(true);
        Control* next = f.nextTabStop(focus, !(shift & ssShift));
        if (!next) return false;
        f.showFocusCues();
        next->setFocus();
        return true;
    }
    if ((key == vk::Return || key == vk::Space) && plain && focus && focus->pictureStop() && focus->usable())
        return focus->press();
    if (key == vk::Return && !(shift & (ssCtrl | ssAlt)) && f.defaultButton && f.defaultButton->usable())
        return f.defaultButton->press();
    return false;
}

bool Application::keyPress(Form& f, int key, unsigned shift, std::string_view text) {
    EventScope scope(*this, eventDepth_);
    if (key != 0 && keyDown(f, key, shift)) return true;
    return !text.empty() && !(shift & (ssCtrl | ssAlt)) && textInput(f, text);
}

bool Application::textInput(Form& f, std::string_view utf8) {
    if (!takesInput(f) || utf8.empty()) return false;
    // Typed text is printable; line breaks, tabs and other control characters are keys.
    for (unsigned char ch : utf8)
        if (ch < 0x20 || ch == 0x7F) return false;
    EventScope scope(*this, eventDepth_);
    if (active_ != &f) activate(f);
    Control* focus = f.activeControl();
    return focus && focus->usable() && focus->textInput(utf8);
}

}  // namespace ui

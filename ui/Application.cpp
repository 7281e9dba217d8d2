#include "ui/Application.h"

#include <algorithm>
#include <limits>

#include "ui/ComboBox.h"
#include "ui/EventScope.h"

namespace ui {

namespace {

bool overlaps(const Form& a, const Form& b) {
    const Rect ra{a.left(), a.top(), a.left() + a.width(), a.top() + a.height()};
    const Rect rb{b.left(), b.top(), b.left() + b.width(), b.top() + b.height()};
    return ra.intersects(rb);
}
}  // namespace

Application::Application(int screenWidth, int screenHeight) : screenW_(screenWidth), screenH_(screenHeight) {}

void Application::setScreenSize(int w, int h) {
    screenW_ = w;
    screenH_ = h;
}

void Application::create(Form& f) {
    forms_.push_back(&f);
    EventScope scope(*this, eventDepth_);
    f.scaleLayout(f.designPPI);
    f.loaded();
    f.FormCreate();
}

Form* Application::findForm(const std::string& className) const {
    for (Form* f : forms_)
        if (f->className() == className) return f;
    return nullptr;
}

std::vector<Form*> Application::modalStack() const {
    std::vector<Form*> out;
    for (const ModalFrame& m : modalFrames_) out.push_back(m.form);
    return out;
}

void Application::raise(Form& f) {
    auto it = std::find(zorder_.begin(), zorder_.end(), &f);
    if (it == zorder_.end()) return;
    if (it + 1 == zorder_.end()) return;
    zorder_.erase(it);
    zorder_.push_back(&f);
    backend().formRaised(f);
}

void Application::show(Form& f) {
    if (terminated_) return;
    EventScope scope(*this, eventDepth_);
    if (!f.visible()) {
        f.setVisibleFlag(true);
        zorder_.push_back(&f);
        f.FormShow();
        f.Invalidate();
        backend().formShown(f);
        if (OnShown) OnShown(f);
    } else {
        raise(f);
    }
    if (!f.modal()) {
        // A window shown not modal belongs to the window it was shown from (the active
        // one: a menu choice or click activates its window first).
        if (active_ && active_ != &f) f.owner_ = active_;
        // It stands beside the modal window and takes input, also one that was already
        // open and was disabled when the modal window came up.
        if (!f.enabled()) release(f);
    }
    // A window with controls shows with the focus on the first of them; clickable pictures
    // wait for the first Tab.
    if (!f.activeControl()) {
        for (Control* c : f.tabOrderList()) {
            if (!c->canFocus() || !c->usable() || c->pictureStop()) continue;
            f.setActiveControl(c);
            break;
        }
    }
    activate(f);
}

bool Application::belongsTo(const Form& f, const Form& owner) const {
    // The chain of owners; a form shown from its own page cannot make it endless.
    size_t steps = 0;
    for (const Form* o = f.owner_; o && steps <= forms_.size(); o = o->owner_, ++steps)
        if (o == &owner) return true;
    return false;
}

void Application::release(Form& f) {
    for (ModalFrame& m : modalFrames_) m.disabled.erase(std::remove(m.disabled.begin(), m.disabled.end(), &f), m.disabled.end());
    f.disabledBy_ = 0;
    backend().formEnabledChanged(f);
}

void Application::showModal(Form& f) {
    if (terminated_ || f.modal()) return;
    EventScope scope(*this, eventDepth_);
    ModalFrame frame{&f, {}};
    for (Form* g : zorder_) {
        // The windows that belong to it stay usable beside it, as when they were shown.
        if (g == &f || !g->enabled() || belongsTo(*g, f)) continue;
        ++g->disabledBy_;
        frame.disabled.push_back(g);
        backend().formEnabledChanged(*g);
    }
    modalFrames_.push_back(frame);
    f.setModalFlag(true);
    // A form that was itself disabled by an earlier modal form takes input again.
    if (!f.enabled()) {
        f.disabledBy_ = 0;
        backend().formEnabledChanged(f);
    }
    show(f);
}

void Application::hide(Form& f) {
    auto it = std::find(zorder_.begin(), zorder_.end(), &f);
    const size_t index = static_cast<size_t>(it - zorder_.begin());
    f.setVisibleFlag(false);
    if (it != zorder_.end()) {
        // Everything below that the window covered is uncovered and repaints.
        for (size_t i = 0; i < index; ++i) {
            Form& below = *zorder_[i];
            if (!overlaps(f, below)) continue;
            const int cx = below.left() + kBorderWidth, cy = below.top() + kBorderWidth + kCaptionHeight + below.menuBarHeight();
            below.Invalidate(Rect{f.left() - cx, f.top() - cy, f.left() + f.width() - cx, f.top() + f.height() - cy});
        }
        zorder_.erase(it);
    }
    backend().formHidden(f);
}

void Application::close(Form& f) {
    if (!f.visible() || terminated_) return;
    EventScope scope(*this, eventDepth_);
    f.FormClose();
    if (&f == mainForm()) {
        // Closing the main window ends the program.
        terminated_ = true;
        for (Timer* t : timers_) t->setEnabled(false);
        for (auto it = zorder_.rbegin(); it != zorder_.rend(); ++it) (*it)->setVisibleFlag(false);
        zorder_.clear();
        active_ = nullptr;
        backend().quit(0);
        return;
    }
    if (f.modal()) {
        auto it = std::find_if(modalFrames_.begin(), modalFrames_.end(), [&](const ModalFrame& m) { return m.form == &f; });
        if (it != modalFrames_.end()) {
            for (Form* g : it->disabled) {
                if (g->disabledBy_ > 0) --g->disabledBy_;
                backend().formEnabledChanged(*g);
            }
            modalFrames_.erase(it);
        }
        f.setModalFlag(false);
    }
    const bool wasActive = active_ == &f;
    hide(f);
    if (wasActive || !active_ || !active_->visible()) {
        active_ = nullptr;
        if (Form* next = topEnabled()) activate(*next);
    }
}

// The form that becomes active when the active one goes: the topmost that takes input
// (the innermost modal form or one shown beside it).
Form* Application::topEnabled() const {
    for (auto it = zorder_.rbegin(); it != zorder_.rend(); ++it)
        if ((*it)->enabled()) return *it;
    return modalFrames_.empty() ? nullptr : modalFrames_.back().form;
}

void Application::activate(Form& f) {
    if (terminated_ || !f.visible()) return;
    Form* target = &f;
    if (!f.enabled()) {
        // A disabled window hands activation back to the modal window above it.
        if (modalFrames_.empty()) return;
        target = modalFrames_.back().form;
        if (!target->visible()) return;
    }
    raise(*target);
    if (active_ == target) return;
    EventScope scope(*this, eventDepth_);
    active_ = target;
    backend().formActivated(*target);
    target->FormActivate();
}

bool Application::menuClick(Form& f, MenuItem& item) {
    if (terminated_ || !f.visible() || !f.enabled()) return false;
    if (&item.menu().owner() != &f) return false;
    for (MenuItem* p = &item; p; p = p->parent())
        if (!p->visible() || !p->enabled()) return false;
    EventScope scope(*this, eventDepth_);
    if (active_ != &f) activate(f);
    if (item.OnClick) item.OnClick();
    return true;
}

bool Application::keyEscape(Form& f) {
    if (terminated_ || !f.visible() || !f.enabled()) return false;
    if (ComboBox* open = f.droppedDown()) {
        // An open drop-down list closes first.
        EventScope scope(*this, eventDepth_);
        open->closeUp(false);
        return true;
    }
    if (!f.menu()) return false;
    MenuItem* item = f.menu()->findShortCut(ShortCut::Escape);
    if (!item) return false;
    EventScope scope(*this, eventDepth_);
    if (active_ != &f) activate(f);
    if (item->OnClick) item->OnClick();
    return true;
}

bool Application::mouseClick(Form& f, int x, int y) {
    if (!takesInput(f)) return false;
    EventScope scope(*this, eventDepth_);
    mouseDown(f, x, y);
    mouseUp(f, x, y);
    return true;
}

void Application::userActivate(Form& f) {
    EventScope scope(*this, eventDepth_);
    activate(f);
}

void Application::userClose(Form& f) {
    if (!f.enabled()) return;
    close(f);
}

void Application::registerTimer(Timer* t) {
    t->serial_ = timerSerial_++;
    t->due_ = now_ + t->effectiveInterval();
    timers_.push_back(t);
    backend().timersChanged();
}

void Application::unregisterTimer(Timer* t) { timers_.erase(std::remove(timers_.begin(), timers_.end(), t), timers_.end()); }

void Application::timerRestarted(Timer& t) {
    t.due_ = now_ + t.effectiveInterval();
    backend().timersChanged();
}

int64_t Application::nextDue() const {
    int64_t best = -1;
    for (const Timer* t : timers_)
        if (t->enabled() && t->interval() > 0 && (best < 0 || t->due_ < best)) best = t->due_;
    return best;
}

void Application::advanceTo(int64_t target, bool catchUp) {
    if (target < now_) target = now_;
    while (!terminated_) {
        Timer* next = nullptr;
        for (Timer* t : timers_) {
            if (!t->enabled() || t->interval() <= 0 || t->due_ > target) continue;
            if (!next || t->due_ < next->due_ || (t->due_ == next->due_ && t->serial_ < next->serial_)) next = t;
        }
        if (!next) break;
        now_ = std::max(now_, next->due_);
        const int64_t firedDue = next->due_;
        {
            EventScope scope(*this, eventDepth_);
            if (next->OnTimer) next->OnTimer();
        }
        // The handler may have restarted the timer; otherwise its count goes on.
        if (next->due_ == firedDue) {
            next->due_ += next->effectiveInterval();
            if (!catchUp && next->due_ <= target) next->due_ = target + next->effectiveInterval();
        }
    }
    if (!terminated_) now_ = target;
}

void Application::flush() {
    for (Form* f : zorder_) f->flushPaint();
}

}  // namespace ui

#include "ui/Timer.h"

#include "ui/Application.h"
#include "ui/Form.h"

namespace ui {

Timer::Timer(Form& owner, std::string name, int interval, bool enabled)
    : owner_(owner), name_(std::move(name)), interval_(interval), enabled_(enabled) {
    owner_.attach(this);
    owner_.application().registerTimer(this);
}

Timer::~Timer() {
    owner_.application().unregisterTimer(this);
    owner_.detach(this);
}

void Timer::restart() { owner_.application().timerRestarted(*this); }

void Timer::setInterval(int ms) {
    if (ms == interval_) return;
    interval_ = ms;
    restart();
}

void Timer::setEnabled(bool e) {
    if (e == enabled_) return;
    enabled_ = e;
    restart();
}

}  // namespace ui

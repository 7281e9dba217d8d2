// A window timer: interval in milliseconds, enabled flag, handler. Enabling it or
// changing its interval restarts its count; ticks are delivered by the application.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace ui {

class Form;

// The classic platform's timer delivers at most one tick per display frame.
constexpr int kMinTimerInterval = 16;

class Timer {
public:
    Timer(Form& owner, std::string name, int interval = 1000, bool enabled = true);
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;
    ~Timer();

    const std::string& name() const { return name_; }
    Form& owner() const { return owner_; }
    int interval() const { return interval_; }
    void setInterval(int ms);
    bool enabled() const { return enabled_; }
    void setEnabled(bool e);
    int effectiveInterval() const { return interval_ < kMinTimerInterval ? kMinTimerInterval : interval_; }

    std::function<void()> OnTimer;

private:
    // The application schedules the ticks: when the next is due, and the creation
    // order that breaks ties.
    friend class Application;
    int64_t due_ = 0;
    uint64_t serial_ = 0;

    void restart();

    Form& owner_;
    std::string name_;
    int interval_;
    bool enabled_;
};

}  // namespace ui

// Horizontal slider with tick marks, and the progress bar.
#pragma once

#include <functional>
#include <string>

#include "ui/Controls.h"

namespace ui {

class TrackBar : public Control {
public:
    TrackBar(Form& owner, std::string name, Panel* parent = nullptr);

    int min() const { return min_; }
    int max() const { return max_; }
    int position() const { return position_; }
    void setRange(int min, int max);
    // Moves the thumb (clamped to the range); OnChange follows a change.
    void setPosition(int p);
    int frequency = 1;  // a tick mark every `frequency` steps (0: none)
    int lineSize = 1;   // arrow keys and wheel notches
    int pageSize = 2;   // PgUp, PgDn and clicks beside the thumb
    std::function<void()> OnChange;

    void paint(const Rect& clip) override;
    bool takesMouse() const override { return true; }
    void mouseDown(const MouseEvent& e) override;
    void mouseMove(const MouseEvent& e) override;
    void mouseUp(const MouseEvent& e) override;
    bool mouseWheel(int notches, const MouseEvent& e) override;
    bool keyDown(int key, unsigned shift) override;
    std::string kind() const override { return "TrackBar"; }
    std::string value() const override { return std::to_string(position_); }
    std::string setValue(const std::string& v) override;
    bool range(int& min, int& max, int& position) const override;
    // The thumb in the form's client coordinates.
    Rect thumbRect() const;

private:
    int channelLeft() const;
    int channelRight() const;
    int positionAt(int localX) const;
    int min_ = 0, max_ = 10, position_ = 0;
    bool dragging_ = false;
    int grabOffset_ = 0;
};

class ProgressBar : public Control {
public:
    ProgressBar(Form& owner, std::string name, Panel* parent = nullptr);
    void setRange(int min, int max);
    int position() const { return position_; }
    void setPosition(int p);
    void paint(const Rect& clip) override;
    std::string kind() const override { return "ProgressBar"; }
    std::string value() const override { return std::to_string(position_); }
    bool range(int& min, int& max, int& position) const override;

private:
    int min_ = 0, max_ = 100, position_ = 0;
};

}  // namespace ui

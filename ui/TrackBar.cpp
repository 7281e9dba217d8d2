#include "ui/TrackBar.h"

#include <algorithm>
#include <charconv>

#include "ui/Look.h"

namespace ui {

namespace {
constexpr int kThumbWidth = 11;
constexpr int kThumbHeight = 21;
constexpr int kMargin = 8;  // from the control's edge to the channel's ends
}  // namespace

TrackBar::TrackBar(Form& owner, std::string name, Panel* parent) : Control(owner, std::move(name), parent) {
    tabStop = true;
}

void TrackBar::setRange(int min, int max) {
    min_ = min;
    max_ = std::max(min, max);
    const int p = std::clamp(position_, min_, max_);
    if (p != position_) setPosition(p);
    else changed();
}

void TrackBar::setPosition(int p) {
    p = std::clamp(p, min_, max_);
    if (p == position_) return;
    position_ = p;
    changed();
    if (OnChange) OnChange();
}

int TrackBar::channelLeft() const { return kMargin + kThumbWidth / 2; }
int TrackBar::channelRight() const { return std::max(channelLeft(), width() - kMargin - kThumbWidth / 2 - 1); }

Rect TrackBar::thumbRect() const {
    const Rect r = clientRect();
    const int span = std::max(1, max_ - min_);
    const int cx = channelLeft() + static_cast<int>(static_cast<long long>(channelRight() - channelLeft()) * (position_ - min_) / span);
    return Rect{r.left + cx - kThumbWidth / 2, r.top + 4, r.left + cx - kThumbWidth / 2 + kThumbWidth, r.top + 4 + kThumbHeight};
}

int TrackBar::positionAt(int localX) const {
    const int w = std::max(1, channelRight() - channelLeft());
    const long long steps = static_cast<long long>(localX - channelLeft()) * (max_ - min_);
    // Nearest step.
    const long long p = steps >= 0 ? (steps + w / 2) / w : -((-steps + w / 2) / w);
    return std::clamp(static_cast<int>(min_ + p), min_, max_);
}

void TrackBar::paint(const Rect& clip) {
    const Rect r = clientRect();
    raster::Target t = target(clip);
    if (t.clip.empty()) return;
    look::fill(t, r, parentBackground());
    // The channel: a sunken groove through the thumb's middle.
    const int cy = r.top + 4 + kThumbHeight / 2 - 6;
    look::sunken(t, Rect{r.left + kMargin, cy, r.left + channelRight() + kThumbWidth / 2 + 1, cy + 4});
    // Tick marks below the thumb, one every `frequency` steps and at both ends.
    const TColor tick = clBlack;
    if (frequency > 0 && max_ > min_) {
        const int ty = r.top + 4 + kThumbHeight + 2;
        for (long long v = min_;; v += frequency) {
            const int p = static_cast<int>(std::min<long long>(v, max_));
            const int x = r.left + channelLeft() + static_cast<int>(static_cast<long long>(channelRight() - channelLeft()) * (p - min_) / (max_ - min_));
            look::fill(t, Rect{x, ty, x + 1, ty + ((p == min_ || p == max_) ? 4 : 3)}, tick);
            if (p >= max_) break;
        }
    }
    // The thumb: a raised block with a point at the bottom.
    const Rect th = thumbRect();
    const int body = kThumbHeight - kThumbWidth / 2 - 1;
    look::fill(t, Rect{th.left + 1, th.top + 1, th.right - 1, th.top + body}, usable() && !dragging_ ? clBtnFace : look::cl3DLight);
    look::fill(t, Rect{th.left, th.top, th.right - 1, th.top + 1}, look::clBtnHighlight);
    look::fill(t, Rect{th.left, th.top, th.left + 1, th.top + body}, look::clBtnHighlight);
    look::fill(t, Rect{th.right - 1, th.top, th.right, th.top + body}, look::cl3DDkShadow);
    look::fill(t, Rect{th.right - 2, th.top + 1, th.right - 1, th.top + body}, look::clBtnShadow);
    for (int k = 0; k <= kThumbWidth / 2; ++k) {
        const int y = th.top + body + k;
        look::fill(t, Rect{th.left + k + 1, y, th.right - k - 1, y + 1}, usable() && !dragging_ ? clBtnFace : look::cl3DLight);
        look::fill(t, Rect{th.left + k, y, th.left + k + 1, y + 1}, look::clBtnHighlight);
        look::fill(t, Rect{th.right - k - 1, y, th.right - k, y + 1}, look::cl3DDkShadow);
    }
    if (focused()) look::focusRect(t, Rect{r.left, r.top, r.right, r.bottom});
}

void TrackBar::mouseDown(const MouseEvent& e) {
    if (e.button != MouseButton::Left) return;
    const Rect r = clientRect(), th = thumbRect();
    if (th.contains(r.left + e.x, r.top + e.y)) {
        // The thumb follows the mouse from where it was taken.
        dragging_ = true;
        grabOffset_ = r.left + e.x - (th.left + kThumbWidth / 2);
        invalidate();
        return;
    }
    // Beside the thumb: one page towards the click.
    setPosition(r.left + e.x < th.left ? position_ - pageSize : position_ + pageSize);
}

void TrackBar::mouseMove(const MouseEvent& e) {
    if (dragging_) setPosition(positionAt(e.x - grabOffset_));
}

void TrackBar::mouseUp(const MouseEvent& e) {
    if (!dragging_) return;
    setPosition(positionAt(e.x - grabOffset_));
    dragging_ = false;
    invalidate();
}

bool TrackBar::mouseWheel(int notches, const MouseEvent&) {
    setPosition(position_ + notches * lineSize);
    return true;
}

bool TrackBar::keyDown(int key, unsigned shift) {
    if (shift & (ssCtrl | ssAlt)) return false;
    switch (key) {
        case vk::Left:
        case vk::Up: setPosition(position_ - lineSize); return true;
        case vk::Right:
        case vk::Down: setPosition(position_ + lineSize); return true;
        case vk::Prior: setPosition(position_ - pageSize); return true;
        case vk::Next: setPosition(position_ + pageSize); return true;
        case vk::Home: setPosition(min_); return true;
        case vk::End: setPosition(max_); return true;
        default: return false;
    }
}

std::string TrackBar::setValue(const std::string& v) {
    int p = 0;
    auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), p);
    if (ec != std::errc() || end != v.data() + v.size() || p < min_ || p > max_)
        return name() + " takes a position from " + std::to_string(min_) + " to " + std::to_string(max_);
    setPosition(p);
    return "";
}

bool TrackBar::range(int& min, int& max, int& position) const {
    min = min_;
    max = max_;
    position = position_;
    return true;
}

// ---- ProgressBar

ProgressBar::ProgressBar(Form& owner, std::string name, Panel* parent) : Control(owner, std::move(name), parent) {}

void ProgressBar::setRange(int min, int max) {
    min_ = min;
    max_ = std::max(min, max);
    position_ = std::clamp(position_, min_, max_);
    changed();
}

void ProgressBar::setPosition(int p) {
    p = std::clamp(p, min_, max_);
    if (p == position_) return;
    position_ = p;
    changed();
}

void ProgressBar::paint(const Rect& clip) {
    const Rect r = clientRect();
    raster::Target t = target(clip);
    if (t.clip.empty()) return;
    look::fill(t, r, clBtnFace);
    look::edge(t, r, look::clBtnShadow, look::clBtnHighlight);
    // Blocks of the highlight colour, as wide as two thirds of the bar's height.
    const int inner = r.width() - 4, bh = r.height() - 4;
    if (inner <= 0 || bh <= 0 || max_ <= min_) return;
    const int filled = static_cast<int>(static_cast<long long>(inner) * (position_ - min_) / (max_ - min_));
    const int block = std::max(2, bh * 2 / 3);
    for (int x = 0; x < filled; x += block + 2)
        look::fill(t, Rect{r.left + 2 + x, r.top + 2, r.left + 2 + std::min(filled, x + block), r.bottom - 2}, look::clHighlight);
}

bool ProgressBar::range(int& min, int& max, int& position) const {
    min = min_;
    max = max_;
    position = position_;
    return true;
}

}  // namespace ui

#include "ui/Look.h"

#include "ui/Menu.h"
#include "ui/text/TextEngine.h"

namespace ui::look {

namespace {
void pixel(Target& t, int x, int y, TColor c) { raster::plot(t, x, y, toPixel(c), raster::PenMode::Copy); }

// The position of the accelerator letter in the shown text (bytes), or npos.
size_t acceleratorAt(std::string_view caption) {
    size_t shown = 0;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) {
            if (caption[i + 1] != '&') return shown;
            ++i;
        }
        ++shown;
    }
    return std::string_view::npos;
}
}  // namespace

void fill(Target& t, const Rect& r, TColor c) { raster::fillRect(t, r, toPixel(c), raster::PenMode::Copy); }

void edge(Target& t, const Rect& r, TColor topLeft, TColor bottomRight) {
    if (r.width() <= 0 || r.height() <= 0) return;
    fill(t, Rect{r.left, r.top, r.right - 1, r.top + 1}, topLeft);
    fill(t, Rect{r.left, r.top, r.left + 1, r.bottom - 1}, topLeft);
    fill(t, Rect{r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
    fill(t, Rect{r.right - 1, r.top, r.right, r.bottom}, bottomRight);
}

void raised(Target& t, const Rect& r) {
    edge(t, r, clBtnHighlight, cl3DDkShadow);
    edge(t, Rect{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, cl3DLight, clBtnShadow);
}

void pressed(Target& t, const Rect& r) {
    edge(t, r, cl3DDkShadow, clBtnHighlight);
    edge(t, Rect{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, clBtnShadow, cl3DLight);
}

void sunken(Target& t, const Rect& r) {
    edge(t, r, clBtnShadow, clBtnHighlight);
    edge(t, Rect{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, cl3DDkShadow, cl3DLight);
}

void etched(Target& t, const Rect& r) {
    edge(t, Rect{r.left, r.top, r.right - 1, r.bottom - 1}, clBtnShadow, clBtnShadow);
    edge(t, Rect{r.left + 1, r.top + 1, r.right, r.bottom}, clBtnHighlight, clBtnHighlight);
    // The highlight's inner top and left lines lie inside the shadow frame.
    fill(t, Rect{r.left + 1, r.top + 1, r.right - 2, r.top + 2}, clBtnHighlight);
    fill(t, Rect{r.left + 1, r.top + 1, r.left + 2, r.bottom - 2}, clBtnHighlight);
}

void focusRect(Target& t, const Rect& r) {
    if (r.width() <= 0 || r.height() <= 0) return;
    for (int x = r.left; x < r.right; ++x) {
        if (((x + r.top) & 1) == 0) pixel(t, x, r.top, clBlack);
        if (((x + r.bottom - 1) & 1) == 0) pixel(t, x, r.bottom - 1, clBlack);
    }
    for (int y = r.top + 1; y < r.bottom - 1; ++y) {
        if (((r.left + y) & 1) == 0) pixel(t, r.left, y, clBlack);
        if (((r.right - 1 + y) & 1) == 0) pixel(t, r.right - 1, y, clBlack);
    }
}

void pictureRing(Target& t, const Rect& r) {
    edge(t, r, kPictureRingOuter, kPictureRingOuter);
    const Rect inner{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    if (inner.width() > 0 && inner.height() > 0) edge(t, inner, kPictureRingInner, kPictureRingInner);
}

int cellHeight(const Font& f) { return text::metrics(f).cellHeight(); }

int captionWidth(const Font& f, std::string_view caption) { return text::textWidth(f, menuText(std::string(caption))); }

int text(Target& t, int x, int y, const Font& f, std::string_view caption, bool enabled, TColor colour) {
    const std::string shown = menuText(std::string(caption));
    const size_t accel = acceleratorAt(caption);
    auto draw = [&](int dx, int dy, TColor c) {
        Font g = f;
        g.color = c;
        const int w = text::drawText(t, x + dx, y + dy, g, shown, false, 0);
        if (accel != std::string_view::npos) {
            // The letter after "&" is underlined (one code point, UTF-8).
            size_t end = accel + 1;
            while (end < shown.size() && (static_cast<unsigned char>(shown[end]) & 0xC0) == 0x80) ++end;
            const int x0 = text::textWidth(g, std::string_view(shown).substr(0, accel));
            const int x1 = text::textWidth(g, std::string_view(shown).substr(0, end));
            const int base = y + dy + text::metrics(g).ascent + 1;
            fill(t, Rect{x + dx + x0, base, x + dx + x1, base + 1}, c);
        }
        return w;
    };
    if (enabled) return draw(0, 0, colour);
    draw(1, 1, clBtnHighlight);
    return draw(0, 0, clBtnShadow);
}

void checkMark(Target& t, const Rect& box, TColor c) {
    static const char* const kMark[7] = {"......X", ".....XX", "X...XXX", "XX.XXX.", "XXXXX..", ".XXX...", "..X...."};
    const int x0 = box.left + (box.width() - 7) / 2, y0 = box.top + (box.height() - 7) / 2;
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 7; ++x)
            if (kMark[y][x] == 'X') pixel(t, x0 + x, y0 + y, c);
}

void radio(Target& t, int x0, int y0, bool checked, bool enabled, bool down) {
    static const char* const kRing[12] = {"....SSSS....", "..SSDDDDSS..", ".SDDwwwwDDH.", ".SDwwwwwwLH.",
                                          "SDwwwwwwwwLH", "SDwwwwwwwwLH", "SDwwwwwwwwLH", "SDwwwwwwwwLH",
                                          ".SDwwwwwwLH.", ".SLLwwwwLLH.", "..HHLLLLHH..", "....HHHH...."};
    static const char* const kDot[4] = {".XX.", "XXXX", "XXXX", ".XX."};
    const TColor inside = enabled && !down ? clWindow : clBtnFace;
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) {
            TColor c;
            switch (kRing[y][x]) {
                case 'S': c = clBtnShadow; break;
                case 'D': c = cl3DDkShadow; break;
                case 'L': c = cl3DLight; break;
                case 'H': c = clBtnHighlight; break;
                case 'w': c = inside; break;
                default: continue;
            }
            pixel(t, x0 + x, y0 + y, c);
        }
    if (!checked) return;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            if (kDot[y][x] == 'X') pixel(t, x0 + 4 + x, y0 + 4 + y, enabled ? clWindowText : clGrayText);
}

void arrow(Target& t, const Rect& r, bool up, TColor c) {
    const int cx = r.left + (r.width() - 7) / 2, cy = r.top + (r.height() - 4) / 2;
    for (int row = 0; row < 4; ++row) {
        const int y = up ? cy + 3 - row : cy + row;
        fill(t, Rect{cx + row, y, cx + 7 - row, y + 1}, c);
    }
}

}  // namespace ui::look

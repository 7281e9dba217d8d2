// The non-client parts of a window as the headless screen shows them: a tool-window
// caption bar, the menu bar, the status bar and the border.
#include "ui/Colour.h"
#include "ui/Form.h"
#include "ui/Look.h"
#include "ui/headless/Headless.h"
#include "ui/text/TextEngine.h"

namespace ui::headless {

namespace {
using raster::PenMode;

Font frameFont(bool bold) {
    Font f;
    f.name = "MS Sans Serif";
    f.height = -11;
    f.bold = bold;
    return f;
}

void fill(raster::Target& t, int l, int tp, int r, int b, TColor c) {
    raster::fillRect(t, Rect{l, tp, r, b}, toPixel(c), PenMode::Copy);
}
}  // namespace

void drawStatusBar(raster::Bitmap& client, const Form& f) {
    const StatusBar* s = f.statusBar();
    if (!s) return;
    const int h = f.statusBarHeight();
    const int top = client.height - h;
    raster::Target t(client);
    fill(t, 0, top, client.width, client.height, s->color);
    fill(t, 0, top, client.width, top + 1, clWhite);
    Font font = s->font;
    const int cell = text::metrics(font).cellHeight();
    text::drawText(t, 4, top + (h - cell) / 2, font, s->text(), false, 0);
}

void drawFocusRing(raster::Bitmap& client, const Form& f) {
    const Rect ring = f.focusRing();
    if (ring.empty()) return;
    raster::Target t(client);
    look::pictureRing(t, ring);
}

void drawFormFrame(raster::Bitmap& screen, const Form& f, bool active) {
    raster::Target t(screen);
    const int l = f.left(), tp = f.top(), r = l + f.width(), b = tp + f.height();
    // Border.
    fill(t, l, tp, r, b, clBtnFace);
    fill(t, l, tp, r, tp + 1, clSilver);
    fill(t, l, tp, l + 1, b, clSilver);
    fill(t, l, b - 1, r, b, 0x404040);
    fill(t, r - 1, tp, r, b, 0x404040);
    // Caption bar.
    const int cy = tp + kBorderWidth;
    fill(t, l + kBorderWidth, cy, r - kBorderWidth, cy + kCaptionHeight, active ? 0x6B2408 : 0x808080);
    Font cf = frameFont(true);
    cf.color = active ? clWhite : clSilver;
    raster::Target capClip(screen, 0, 0,
                           Rect{l + kBorderWidth, cy, r - kBorderWidth - kCaptionHeight, cy + kCaptionHeight}.intersected(
                               Rect{0, 0, screen.width, screen.height}));
    text::drawText(capClip, l + kBorderWidth + 3, cy + (kCaptionHeight - text::metrics(cf).cellHeight()) / 2, cf,
                   f.caption(), false, 0);
    // Close box.
    const int bx = r - kBorderWidth - kCaptionHeight + 2, by = cy + 2;
    fill(t, bx, by, bx + kCaptionHeight - 3, by + kCaptionHeight - 4, clBtnFace);
    raster::Pen pen;
    pen.rgb = toPixel(clBlack);
    raster::Brush clear{0, false};
    raster::line(t, pen, clear, bx + 3, by + 3, bx + kCaptionHeight - 6, by + kCaptionHeight - 7);
    raster::line(t, pen, clear, bx + kCaptionHeight - 7, by + 3, bx + 2, by + kCaptionHeight - 7);
    // Menu bar.
    int y = cy + kCaptionHeight;
    if (const int mh = f.menuBarHeight()) {
        fill(t, l + kBorderWidth, y, r - kBorderWidth, y + mh, clBtnFace);
        Font mf = frameFont(false);
        int x = l + kBorderWidth + 6;
        for (const MenuItem* item : f.menu()->items()) {
            if (!item->visible()) continue;
            mf.color = item->enabled() ? clBlack : clGray;
            const std::string label = menuText(item->caption());
            text::drawText(t, x, y + (mh - text::metrics(mf).cellHeight()) / 2, mf, label, false, 0);
            x += text::textWidth(mf, label) + 14;
        }
        y += mh;
    }
    // Client pixels with the status bar.
    raster::Bitmap client = f.buffer();
    drawStatusBar(client, f);
    drawFocusRing(client, f);
    raster::Target clientClip(screen, 0, 0,
                              Rect{l + kBorderWidth, y, r - kBorderWidth, b - kBorderWidth}.intersected(
                                  Rect{0, 0, screen.width, screen.height}));
    raster::draw(clientClip, l + kBorderWidth, y, client);
}

}  // namespace ui::headless

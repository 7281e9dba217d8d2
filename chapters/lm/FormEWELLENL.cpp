#include "chapters/lm/FormEWELLENL.h"

#include <string>

#include "frame/Backdrop.h"

namespace chapters {

using frame::div;
using frame::Round;

namespace {
const frame::FrameSpec kFrame{
    .className = TFormEWELLENL::kClassName,
    .caption = "Wellenlängenbereiche",
    .color = ui::clBlue,
    .menu = {frame::closeItem("Ende"), frame::escItem("ESC")},
    .placement = frame::Pattern::UpTo1024Exclusive,
};

constexpr ui::TColor kInk = 0x000001;

// The visible band from red through yellow, green, cyan and blue to violet, one pixel a colour.
constexpr ui::TColor kBand[51] = {
    0x0000FF, 0x0039FF, 0x004DFF, 0x0086FF, 0x0093FF, 0x01B3FE, 0x00CCFF, 0x00ECFF, 0x00FFFF,
    0x00FFDE, 0x00FFC8, 0x01FFB4, 0x01FFA0, 0x01FF8C, 0x01FF6E, 0x01FF5A, 0x01FF3C, 0x01FF1E, 0x00FF00,
    0x14FF00, 0x32FF00, 0x50FF00, 0x6EFF00, 0x8CFF00, 0xAAFF00, 0xC8FF00, 0xDCFF00, 0xF0FF00, 0xFFFF00,
    0xFFF000, 0xFFDC00, 0xFFC800, 0xFFB400, 0xFFA000, 0xFF8C00, 0xFF7800, 0xFF6400, 0xFF5000, 0xFF3C00,
    0xFF2800, 0xFF1400, 0xFF0000,
    0xFF0014, 0xFF0028, 0xFF003C, 0xFF0050, 0xFF0064, 0xFF0078, 0xFF008C, 0xFF00A0, 0xFF00B4,
};

void line(ui::Canvas& c, int x1, int y1, int x2, int y2) {
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
}
}  // namespace

TFormEWELLENL::TFormEWELLENL(ui::Application& app) : TopicForm(app, kFrame) {
    font.height = -14;
    PaintBoxHaupt.font = font;
    PaintBoxHaupt.OnPaint = [this] { PaintBoxHauptPaint(); };
}

void TFormEWELLENL::FormCreate() {
    TopicForm::FormCreate();
    PaintBoxHaupt.setBounds(5, 5, X(777), Y(540));
}

TFormEWELLENL::Chart TFormEWELLENL::chart() const {
    const int W = width(), H = height();
    Chart g{};
    g.cx = div(W, 2);
    g.cy = div(H, 2) - 40;
    g.x[1] = g.cx - Round(W / 3.0);
    g.x[2] = g.cx - Round(W / 4.5);
    g.x[3] = g.cx - Round(W / 9.0);
    g.x[4] = g.cx;
    g.x[5] = g.cx + Round(W / 9.0);
    g.x[6] = g.cx + Round(W / 4.5);
    g.x[7] = g.cx + Round(W / 3.0);
    g.top = g.cy - div(H, 8);
    g.bottom = g.cy + div(H, 5);
    g.left = g.cx - div(W, 3);
    g.right = g.cx + div(W, 3);
    g.bandLeft = g.cx - Round(W / 3.1);
    return g;
}

void TFormEWELLENL::FormPaint() { frame::paintStripes(canvas, width()); }

void TFormEWELLENL::PaintBoxHauptPaint() {
    ui::Canvas& c = PaintBoxHaupt.canvas;
    const int W = width(), H = height();
    const Chart g = chart();
    const int cx = g.cx, cy = g.cy, T = g.top, B = g.bottom;
    // Frame and chart area.
    c.font.name = "MS Sans Serif";
    c.pen.style = ui::PenStyle::Solid;
    c.pen.width = 1;
    c.pen.color = kInk;
    c.brush.setColor(ui::clYellow);
    c.Rectangle(10, 10, PaintBoxHaupt.width() - 10, PaintBoxHaupt.height() - 20);
    c.brush.setColor(ui::clWhite);
    c.Rectangle(g.left, T, g.right, B);
    // Dotted grid at the inner decades.
    c.pen.width = 1;
    c.pen.style = ui::PenStyle::Dot;
    for (int k = 2; k <= 6; ++k) line(c, g.x[k], T, g.x[k], B);
    // Decade labels: "10" and "m", the exponent raised and smaller.
    c.brush.style = ui::BrushStyle::Clear;
    c.font.height = 24;
    for (int k = 1; k <= 7; ++k) {
        c.TextOut(g.x[k] - 10, cy + Round(H / 4.5), "10");
        c.TextOut(g.x[k] + 30, cy + Round(H / 4.5), "m");
    }
    c.font.height = 18;
    for (int k = 1; k <= 7; ++k) c.TextOut(g.x[k] + 10, cy + Round(H / 4.8), "-" + std::to_string(k + 5));
    // The visible band.
    c.pen.style = ui::PenStyle::Solid;
    c.pen.width = 1;
    for (int j = 0; j <= 50; ++j) {
        c.pen.color = kBand[j];
        line(c, g.bandLeft + j, T, g.bandLeft + j, B);
    }
    c.pen.color = ui::clBlack;
    c.font.height = 24;
    c.TextOut(g.x[1] - 20, Round(cy - H / 4.7), "Lichtmikroskopie");
    line(c, g.bandLeft + 50, T, g.bandLeft + 50, cy - Round(H / 6.0));
    line(c, g.bandLeft, T, g.bandLeft, cy - Round(H / 6.0));
    // Gamma rays.
    c.font.color = ui::clPurple;
    c.TextOut(g.x[4], Round(cy - H / 10.0), "GAMMA-Strahlen");
    c.brush.setColor(ui::clPurple);
    c.Rectangle(g.x[4] + 33, cy - Round(H / 20.0), g.x[6] + 60, cy - Round(H / 40.0));
    // X-rays.
    c.brush.style = ui::BrushStyle::Clear;
    c.font.color = ui::clRed;
    c.TextOut(g.x[4], Round(cy + H / 20.0), "Röntgenstrahlen");
    c.brush.setColor(ui::clRed);
    c.Rectangle(g.x[3], cy + Round(H / 8.0), g.x[6] + 50, cy + Round(H / 6.7));
    // X-ray spectral analysis and diffraction, bracketed.
    c.brush.style = ui::BrushStyle::Clear;
    c.TextOut(cx - Round(W / 29.0), Round(cy - H / 5.8), "Röntgenspektralanalyse");
    line(c, cx - Round(W / 15.0), T, cx - Round(W / 15.0), cy - Round(H / 6.0));
    line(c, cx + Round(W / 4.5), T, cx + Round(W / 4.5), cy - Round(H / 6.0));
    c.TextOut(cx + Round(W / 15.0), Round(cy - H / 4.0), "Röntgenbeugung");
    line(c, cx + Round(W / 25.0), cy - div(H, 5), cx + Round(W / 25.0), cy - Round(H / 5.8));
    line(c, cx + Round(W / 4.5), cy - div(H, 5), cx + Round(W / 4.5), cy - Round(H / 5.8));
    // Heading.
    c.font.color = kInk;
    c.font.height = Round(24 * ScaleY);
    c.TextOut(cx - Round(W / 2.3), Round(cy - H / 2.5), "Wellenlängenbereiche für elektromagnetische Strahlungen die in der");
    c.TextOut(cx - Round(W / 2.3), Round(cy - H / 2.8), "Struktur- und Gefügeanalyse genutzt werden.");
}

}  // namespace chapters

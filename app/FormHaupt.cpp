#include "app/FormHaupt.h"

#include "app/FormInfo.h"
#include "app/FormMetallo.h"
#include "frame/Frame.h"
#include "frame/Layout.h"
#include "frame/Photo.h"

namespace app {

using frame::div;
using frame::Round;

namespace {
const ui::TColor kRingColour[10] = {0,        0xDD3200, 0xFF3333, 0xFF5B5B, 0xFF8282,
                                    0xFF9D9D, 0xFFB7B7, 0x00FFFF, 0x00FFF5, 0x80FFFF};
}

TFormHaupt::TFormHaupt(ui::Application& app)
    : ui::Form(app, kClassName, "Metallographie"),
      StatusBar1(*this, "StatusBar1", frame::kEscHint),
      ESC1(MainMenu1, "ESC1", "ESC", ui::ShortCut::Escape),
      Programmbeenden1(MainMenu1, "Programmbeenden1", "Programm &beenden"),
      Programmstarten1(MainMenu1, "Programmstarten1", "&Programm starten"),
      Info1(MainMenu1, "Info1", "&Info") {
    designPPI = frame::kDesign120;
    setColor(0xDD3200);
    PaintBoxStart.setAlign(ui::Align::Client);
    PaintBoxStart.font.name = "Arial";
    PaintBoxStart.font.bold = true;
    PaintBoxStart.font.color = ui::clWindowText;
    PaintBoxStart.OnPaint = [this] { PaintBoxStartPaint(); };
    Image1.setAlign(ui::Align::Client);
    Image1.stretch = true;
    Image1.setPicture(frame::loadPhoto(kPhotos[0]));
    ESC1.setVisible(false);
    ESC1.OnClick = [this] { ESC1Click(); };
    Programmbeenden1.OnClick = [this] { Programmbeenden1Click(); };
    Programmstarten1.OnClick = [this] { Programmstarten1Click(); };
    Info1.OnClick = [this] { Info1Click(); };
    TimerSTart.OnTimer = [this] { TimerSTartTimer(); };
}

void TFormHaupt::resetRings() {
    for (int k = 0; k < 10; ++k) RingHalfWidth[k] = RingHalfHeight[k] = 0;
    for (bool& s : RingStarted) s = false;
}

void TFormHaupt::FormCreate() {
    const int sw = application().screenWidth(), sh = application().screenHeight();
    TitleCenterX = div(sw, 2) - 10;
    TitleCenterY = div(sh, 2) - 50;
    frame::apply(*this, frame::place(frame::Pattern::FullScreen, sw, sh));
    // The title keeps the fixed scale whatever the screen.
    ScaleX = frame::Scale::fixed().x;
    ScaleY = frame::Scale::fixed().y;
    // The picture is aligned to the client area; these bounds only matter unaligned.
    Image1.setBounds(Round(10 * ScaleX), Round(20 * ScaleY), Round(770 * ScaleX), Round(500 * ScaleY));
}

// Every repaint starts the animation again from the centre.
void TFormHaupt::FormPaint() {
    resetRings();
    TimerSTart.setEnabled(true);
}

void TFormHaupt::PaintBoxStartPaint() {
    ui::Canvas& c = PaintBoxStart.canvas;
    c.brush.setColor(color());
    c.pen.color = color();
    c.Rectangle(0, 0, PaintBoxStart.width(), PaintBoxStart.height());
}

void TFormHaupt::TimerSTartTimer() {
    ui::Canvas& c = PaintBoxStart.canvas;
    c.brush.style = ui::BrushStyle::Clear;
    for (int k = 1; k <= 9; ++k) {
        if (k > 1 && !RingStarted[k - 1]) return;
        const int limit = k <= 8 ? Round(580 * ScaleX) : Round(250 * ScaleX);
        if (RingHalfWidth[k] < limit) {
            c.pen.width = 10;
            c.pen.color = kRingColour[k];
            c.Rectangle(TitleCenterX - RingHalfWidth[k], TitleCenterY - RingHalfHeight[k],
                        TitleCenterX + RingHalfWidth[k], TitleCenterY + RingHalfHeight[k]);
            RingHalfWidth[k] += 7;
            RingHalfHeight[k] += 4;
        }
        if (k <= 8 && RingHalfWidth[k] > Round(10 * ScaleX)) RingStarted[k] = true;
    }
    if (RingHalfWidth[9] < Round(250 * ScaleX)) return;
    c.font.height = Round(36 * ScaleX);
    c.TextOut(Round(TitleCenterX - 105 * ScaleX), Round(TitleCenterY - 100 * ScaleY), "Metallographie");
    c.TextOut(Round(TitleCenterX - 120 * ScaleX), TitleCenterY, "Eine Auswahl von");
    c.TextOut(Round(TitleCenterX - 180 * ScaleX), Round(TitleCenterY + 60 * ScaleY), "Untersuchungsverfahren");
    TimerSTart.setEnabled(false);
}

void TFormHaupt::Programmstarten1Click() {
    TitleCenterX = div(application().screenWidth(), 2) - 10;
    TitleCenterY = div(application().screenHeight(), 2) - 50;
    resetRings();
    Refresh();
    if (TFormMetallo* overview = frame::findWindow<TFormMetallo>(application())) overview->ShowModal();
}

void TFormHaupt::Programmbeenden1Click() { Close(); }

void TFormHaupt::ESC1Click() { Close(); }

void TFormHaupt::Info1Click() {
    if (TFormInfo* info = frame::findWindow<TFormInfo>(application())) info->ShowModal();
}

}  // namespace app

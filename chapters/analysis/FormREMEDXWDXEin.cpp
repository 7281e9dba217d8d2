#include "chapters/analysis/FormREMEDXWDXEin.h"

#include "chapters/Chapters.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormREMEDXWDXEin::kClassName,
    .caption = "Mikrobereichsanalyse mittels Spektroskopie",
    .color = 0x00FE2101 /* R 1, G 33, B 254 */,
    .menu = {frame::closeItem("Ende"), frame::escItem("ESC"), {"Ionisation1", "&Ionisation"}, {"KLMLinienspektrum1", "K-L-M-Linienspektrum"}},
    .placement = frame::Pattern::UpTo1024Inclusive,
};

// x in pixels, y in design units.
const frame::TextLine kLines[] = {
    {20, 10, "Energie- und wellenlängendispersive Röntgenspektroskopie: "},
    {20, 50, "Die Röntgenmikrobereichsanalyse gestattet qualitative und quantitative Aussagen"},
    {20, 80, "der lokalen Zusammensetzung von Mikrovolumina."},
    {20, 120, "Im Rahmen von Werkstoffuntersuchungen liefert diese lokale Röntgenspektralanalyse"},
    {20, 150, "wichtige Hinweise, z.B. in Bezug auf die Zusammensetzung von Gefügeinhomo-"},
    {20, 180, "genitäten und Korrosionsprodukten."},
    {20, 250, "Bei der energie- und wellenlängendispersiven Spektroskopie werden charakter-"},
    {20, 280, "ristische Röntgenlinien genutzt. Primärelektronen mit ausreichender Energie können"},
    {20, 310, "innere Schalen der Atome in der Probe ionisieren. Die freigesetzten Röntgenphotonen, "},
    {20, 340, "die ein spezifisches Linienspektrum erzeugen, können unter Verwendung geeigneter "},
    {20, 370, "Detektoren (EDX-und WDX-Detektor) registriert und die Röntgenlinien einem "},
    {20, 400, "entsprechenden chemischen Element zugeordnet werden."},
};
}  // namespace

TFormREMEDXWDXEin::TFormREMEDXWDXEin(ui::Application& app) : TextPage(app, kFrame, frame::TextX::Pixels, kLines) {
    Ionisation1.OnClick = [this] { Ionisation1Click(); };
    KLMLinienspektrum1.OnClick = [this] { KLMLinienspektrum1Click(); };
}

void TFormREMEDXWDXEin::FormCreate() {
    TopicForm::FormCreate();
    PaintBoxHaupt.setBounds(10, 20, X(780), Y(500));
}

void TFormREMEDXWDXEin::Ionisation1Click() {
    if (auto* f = frame::findWindow<TFormREMCHA>(application())) f->ShowModal();
}

void TFormREMEDXWDXEin::KLMLinienspektrum1Click() {
    if (auto* f = frame::findWindow<TFormREMCHA2>(application())) f->ShowModal();
}

}  // namespace chapters

#include "chapters/analysis/FormEDXAn.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormEDXAn::kClassName,
    .caption = "EDX-Anwendungsgebiete",
    .color = ui::clYellow,
    .border = ui::BorderStyle::SizeToolWin,
    .placement = frame::Pattern::UpTo1024Inclusive,
};

// x in pixels, y in design units.
const frame::TextLine kLines[] = {
    {30, 10, "Anwendungsgebiete der Mikrobereichsanalyse:"},
    {30, 60, "Praktisch ist die Mikrobereichsanalyse bei allen festen Proben anwendbar."},
    {150, 90, "- Metallen"},
    {150, 120, "- Glas und Keramik"},
    {150, 150, "- biologische Präparate"},
    {150, 180, "- Gesteine und Erze"},
    {30, 230, "Folgende werkstofftechnischen Untersuchungen können durchgeführt werden:"},
    {50, 260, "- Bestimmung der Dicke und Zusammensetzung dünner Schichten"},
    {50, 290, "  z.B. galvanische Beschichtung, Korrosionsschichten"},
    {50, 320, "- qualitative und quantitative chemische Analyse zur Identifizierung"},
    {50, 350, "  unterschiedlicher Phasen, Einschlüsse und Gefügeinhomogenitäten."},
    {50, 380, "- Untersuchung von Bruchflächen, z.B. Nachweis von Korrosionsprodukten"},
    {50, 410, "- Beurteilung der Oberfläche von Verschleißteilen."},
};
}  // namespace

TFormEDXAn::TFormEDXAn(ui::Application& app) : TextPage(app, kFrame, frame::TextX::Pixels, kLines) {}

void TFormEDXAn::FormCreate() {
    TopicForm::FormCreate();
    PaintBoxHaupt.setBounds(20, 10, X(750), Y(500));
}

}  // namespace chapters

#include "chapters/lm/FormLMEin2.h"

#include "chapters/Chapters.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormLMEin2::kClassName,
    .caption = "Lichtmikroskopie: Grenzen der Lichtmikroskopie",
    .color = 0x00FA0555 /* R 85, G 5, B 250 */,
    .menu = {frame::closeItem("Ende"), frame::escItem("ESC"), {"NuztzbareWellenlngenbereicheinderMikroskopieundAnalytik1", "&Nuztzbare Wellenlängenbereiche in der Mikroskopie und Analytik "}, {"SchematischeDarstellungeinesLichtmikroskopes1", "&Schematische Darstellung eines Lichtmikroskopes"}},
    .placement = frame::Pattern::UpTo1024Inclusive,
};

// x in pixels, y in design units.
const frame::TextLine kLines[] = {
    {20, 10, "Lichtmikroskopie: Grenzen der Lichtmikroskopie"},
    {20, 50, "Im Rahmen vieler Werkstoffuntersuchungen ist die Anwendung der Lichtmikroskopie"},
    {20, 80, "ausreichend. Allerdings ist jedoch das Auflösungsvermögen in der Probenebene"},
    {20, 110, "durch die Wellenlänge des Lichts auf ca. 0.0002 mm begrenzt."},
    {20, 140, "(Siehe Wellenlängenbereiche in der Mikroskopie)."},
    {20, 170, "Das hat zur Folge, dass zwei Punkte mit einem geringeren Abstand als 0,0002 mm  "},
    {20, 200, "als ein Punkt wiedergegeben werden. Dies und die geringe Tiefenschärfe, die bei"},
    {20, 230, "1000 facher Vergrößerung nur etwa 0.00001 mm beträgt, schränken die Einsatz-"},
    {20, 260, "möglichkeiten der Lichtmikroskopie im Rahmen von metallographischen Werkstoff-"},
    {20, 290, "untersuchungen ein."},
    {20, 320, "Aufgrund der aufgeführten physikalischen Bedingungen ist es also mit dem"},
    {20, 350, "Lichtmikroskop nicht möglich Bruchflächen zu betrachten. Dazu eignet sich bestens "},
    {20, 380, "das Rasterelektronenmikroskop."},
};
}  // namespace

TFormLMEin2::TFormLMEin2(ui::Application& app) : TextPage(app, kFrame, frame::TextX::Pixels, kLines) {
    NuztzbareWellenlngenbereicheinderMikroskopieundAnalytik1.OnClick = [this] { NuztzbareWellenlngenbereicheinderMikroskopieundAnalytik1Click(); };
    SchematischeDarstellungeinesLichtmikroskopes1.OnClick = [this] { SchematischeDarstellungeinesLichtmikroskopes1Click(); };
}

void TFormLMEin2::FormCreate() {
    TopicForm::FormCreate();
    PaintBoxHaupt.setBounds(10, 20, X(780), Y(500));
}

void TFormLMEin2::NuztzbareWellenlngenbereicheinderMikroskopieundAnalytik1Click() {
    if (auto* f = frame::findWindow<TFormEWELLENL>(application())) f->ShowModal();
}

void TFormLMEin2::SchematischeDarstellungeinesLichtmikroskopes1Click() {
    if (auto* f = frame::findWindow<TFormLMSchema>(application())) f->ShowModal();
}

}  // namespace chapters

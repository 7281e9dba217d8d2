#include "chapters/rem/FormREMSEEin.h"

#include "chapters/Chapters.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormREMSEEin::kClassName,
    .caption = "Rasterelektronenmikroskopie: Sekundärelektronendetektor",
    .color = 0x00FE2101 /* R 1, G 33, B 254 */,
    .menu = {frame::closeItem("Ende"), frame::escItem("ESC"), {"SchemaeinesSEDetektor1", "&Schema eines SE-Detektor"}},
    .placement = frame::Pattern::UpTo1024Inclusive,
};

// x in pixels, y in design units.
const frame::TextLine kLines[] = {
    {20, 10, "Sekundärelektronendetektor: "},
    {20, 50, "Für die Abbildung der Topographie, z.B. Bruchflächen, sind besonders die"},
    {20, 80, "niederenergetischen Sekundärelektronen, die aus der unmittelbaren Probenober-"},
    {20, 110, "fläche herausgelöst werden und mit einem speziellen Detektor angesaugt werden, "},
    {20, 140, "geeignet."},
    {20, 180, "Die Anzahl der aus der Probe austretenden Sekundärelektronen ist abhängig vom"},
    {20, 210, "Neigungswinkel der Probenoberfläche zum einfallenden Primärelektronenstrahl."},
    {20, 240, "Mit zunehmenden Neigungswinkel wird die Anzahl der austretenden Elektronen"},
    {20, 270, "größer. Dies bedeutet, dass geneigte Flächen auf der Bildschirmausgabe heller"},
    {20, 300, "erscheinen als Flächen die gegenüber dem Primärelektronenstrahl horizontal"},
    {20, 330, "liegen."},
    {20, 370, "Zusätzlich ergeben sich Schatteneffekte als Folge der asymmetrischen Anordnung"},
    {20, 400, "des Sekundärelektronendetektors gegenüber der Probe."},
};
}  // namespace

TFormREMSEEin::TFormREMSEEin(ui::Application& app) : TextPage(app, kFrame, frame::TextX::Pixels, kLines) {
    SchemaeinesSEDetektor1.OnClick = [this] { SchemaeinesSEDetektor1Click(); };
}

void TFormREMSEEin::FormCreate() {
    TopicForm::FormCreate();
    PaintBoxHaupt.setBounds(10, 20, X(780), Y(500));
}

void TFormREMSEEin::SchemaeinesSEDetektor1Click() {
    if (auto* f = frame::findWindow<TFormREMSE>(application())) f->ShowModal();
}

}  // namespace chapters

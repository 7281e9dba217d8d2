#include "chapters/rem/FormREMBSEEin.h"

#include "chapters/Chapters.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormREMBSEEin::kClassName,
    .caption = "Rasterelektronenmikroskopie: Rückstreuelektronendetektor",
    .color = 0x00FE2101 /* R 1, G 33, B 254 */,
    .menu = {frame::closeItem("Ende"), frame::escItem("ESC"), {"SchemaeinesBSEDetektor1", "&Schema eines BSE-Detektor"}},
    .placement = frame::Pattern::UpTo1024Inclusive,
};

// x in pixels, y in design units.
const frame::TextLine kLines[] = {
    {20, 10, "Rückstreuelektronendetektor: "},
    {20, 50, "Lokale Unterschiede in der Probenzusammensetzung können unter Ausnutzung von"},
    {20, 80, "Rückstreuelektronen am Bildschirm dargestellt werden."},
    {20, 130, "Mit zunehmender Ordnungszahl der Elemente in der Probe werden mehr primäre"},
    {20, 160, "Elektronen an den Atomkernen abgelenkt und verlassen somit wieder die Probe"},
    {20, 190, "in Gegenrichtung zum Primärelektronenstrahl."},
    {20, 240, "Die Registrierung dieser Rückstreuelektronen (backscattered electrons) wird mittels"},
    {20, 270, "eines geeigneten Rückstreuelektronendetektors (BSE-Detektor) vorgenommen."},
    {20, 320, "Probenbereiche mit schweren Atomen erscheinen im Bild heller, da vergleichsweise"},
    {20, 350, "mehr Elektronen zurückgestreut werden, als Zonen mit leichten Atomen."},
};
}  // namespace

TFormREMBSEEin::TFormREMBSEEin(ui::Application& app) : TextPage(app, kFrame, frame::TextX::Pixels, kLines) {
    SchemaeinesBSEDetektor1.OnClick = [this] { SchemaeinesBSEDetektor1Click(); };
}

void TFormREMBSEEin::FormCreate() {
    TopicForm::FormCreate();
    PaintBoxHaupt.setBounds(10, 20, X(780), Y(500));
}

void TFormREMBSEEin::SchemaeinesBSEDetektor1Click() {
    if (auto* f = frame::findWindow<TFormREMBSE>(application())) f->ShowModal();
}

}  // namespace chapters

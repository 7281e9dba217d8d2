#include "chapters/lm/FormLMEin.h"

#include "chapters/Chapters.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormLMEin::kClassName,
    .caption = "Lichtmikroskopie: Möglichkeiten und Probenpräparation",
    .color = 0x00FA0555 /* R 85, G 5, B 250 */,
    .menu = {frame::closeItem("Ende"), frame::escItem("ESC"), {"LichtmikroskopmitProbe1", "&Arbeitsschritte der Probenpräparation"}, {"MikroskopeinrichtungmitBilderfassung1", "&Bedeutung des Gefüges"}, {"StrahlenganganeinerpoliertenundgetztenProbe1", "&Strahlengang an einer polierten und geätzten Probe"}},
    .placement = frame::Pattern::UpTo1024Inclusive,
};

// x in pixels, y in design units.
const frame::TextLine kLines[] = {
    {20, 5, "Lichtmikroskopie: Möglichkeiten und Probenpräparation"},
    {20, 40, "Mit Hilfe von lichtmikroskopischen Untersuchungen werden Informationen "},
    {20, 70, "über Art, Anteil, Größe und Verteilung der vorhandenen Gefügebestandteile "},
    {20, 100, "gewonnen."},
    {20, 130, "Die Herstellungsverfahren beeinflussen maßgeblich den Gefügeaufbau und somit die"},
    {20, 160, "mechanischen Eigenschaften des Werkstoffes (Bauteils)."},
    {20, 200, "Wegen der geringen Tiefenschärfe sind für die aufgeführten Untersuchungen"},
    {20, 230, "Proben mit optisch ebener Oberfläche anzufertigen. Das setzt voraus, dass Proben "},
    {20, 260, "nach ihrer Entnahme in aufeinander abgestimmten Arbeitsschritten geschliffen"},
    {20, 290, "und poliert werden. An einer polierten Probe können bereits Materialtrennungen"},
    {20, 320, "und Gefügebestandteile mit stark unterschiedlichen Reflexionsvermögen unter-"},
    {20, 350, "schieden werden; z.B. nichtmetallische Einschlüsse und Graphit."},
    {20, 380, "Um eine Kontraststeigerung zu erreichen, wird die polierte Probe chemisch oder"},
    {20, 410, "elektrolytisch angeätzt. Hierbei unterscheidet man im wesentlichen zwischen"},
    {20, 440, "Korngrenzen- und Kornflächenätzung."},
};
}  // namespace

TFormLMEin::TFormLMEin(ui::Application& app) : TextPage(app, kFrame, frame::TextX::Pixels, kLines) {
    LichtmikroskopmitProbe1.OnClick = [this] { LichtmikroskopmitProbe1Click(); };
    MikroskopeinrichtungmitBilderfassung1.OnClick = [this] { MikroskopeinrichtungmitBilderfassung1Click(); };
    StrahlenganganeinerpoliertenundgetztenProbe1.OnClick = [this] { StrahlenganganeinerpoliertenundgetztenProbe1Click(); };
}

void TFormLMEin::FormCreate() {
    TopicForm::FormCreate();
    PaintBoxHaupt.setBounds(10, 20, X(780), Y(500));
}

void TFormLMEin::LichtmikroskopmitProbe1Click() {
    if (auto* f = frame::findWindow<TFormPPSchritte>(application())) f->ShowModal();
}

void TFormLMEin::MikroskopeinrichtungmitBilderfassung1Click() {
    if (auto* f = frame::findWindow<TFormGPG>(application())) f->ShowModal();
}

void TFormLMEin::StrahlenganganeinerpoliertenundgetztenProbe1Click() {
    if (auto* f = frame::findWindow<TFormSLicht>(application())) f->ShowModal();
}

}  // namespace chapters

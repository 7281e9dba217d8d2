#include "chapters/macro/FormMakroEin.h"

namespace chapters {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormMakroEin::kClassName,
    .caption = "Makroskopie: Einleitung",
    .color = 0x00FA0555 /* R 85, G 5, B 250 */,
    .menu = {frame::closeItem("Ende"), frame::escItem("ESC")},
    .placement = frame::Pattern::UpTo1024Inclusive,
};

// x in pixels, y in design units.
const frame::TextLine kLines[] = {
    {20, 5, "Makroskopische Untersuchungen:"},
    {20, 30, "Ohne besondere Vorarbeiten kann man bei der mechanischen Werkstoffprüfung "},
    {20, 60, "(Zugversuch, Kerbschlagbiegeversuch) oder bei Schadensuntersuchungen"},
    {20, 90, "mit Hilfe des bloßen Auges, einer Lupe oder eines Stereomikroskopes Bruch-"},
    {20, 120, "flächen in Bezug auf die Bruchart, z.B. Verformungs- oder Sprödbruch, beurteilen."},
    {20, 150, "Materialtrennungen, z.B. Risse und Poren werden bei Betrachtung mit der Lupe oder"},
    {20, 180, "Stereomikroskop besser erkannt. An geschliffenen, polierten und anschließend"},
    {20, 210, "geätzten Proben können Bereiche unterschiedlichen Gefüges, z.B. Schweißverbindung,"},
    {20, 240, "klarer erfaßt und  ausgemessen werden, sowie Fehlstellen, z.B. Risse oder Poren,"},
    {20, 270, "einem Gefügebereich zugeordnet werden."},
    {20, 300, "Bei Schadensuntersuchungen gestattet die makroskopische Betrachtung von Ober-"},
    {20, 330, "flächen oft nur die Festellung ob eine Beinträchtigung, z.B. durch Verschleiß oder "},
    {20, 360, "Korrosion vorliegt. Weisen nicht bestimmte charakteristische Merkmale eindeutig auf"},
    {20, 390, "einen bestimmten Schädigungsmechanismus hin, so sind im weiteren zusätzliche"},
    {20, 420, "Untersuchungen erforderlich. Neben der Lichtmikroskopie ist die rasterelektronen-"},
    {20, 450, "mikroskopischen Untersuchungen einschließlich der Mikrobereichsanalyse in"},
    {20, 480, "vielen Fällen ein wichtiges, zusätzliches Untersuchungsverfahren."},
};
}  // namespace

TFormMakroEin::TFormMakroEin(ui::Application& app) : TextPage(app, kFrame, frame::TextX::Pixels, kLines) {}

void TFormMakroEin::FormCreate() {
    TopicForm::FormCreate();
    PaintBoxHaupt.setBounds(X(5), Y(20), X(785), Y(510));
}

}  // namespace chapters

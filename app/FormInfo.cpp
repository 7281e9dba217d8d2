#include "app/FormInfo.h"

namespace app {

namespace {
const frame::FrameSpec kFrame{
    .className = TFormInfo::kClassName, .caption = "Information", .designPPI = frame::kDesign120, .color = 0xDD3200};
}  // namespace

TFormInfo::TFormInfo(ui::Application& app)
    : TopicForm(app, kFrame),
      Label2(*this, "Label2", "Bildschirmeinstellungen:", &PanelInfo),
      Label3(*this, "Label3", "800x600 oder 1024x768", &PanelInfo),
      Label1(*this, "Label1", "Geschrieben als Lehrprogramm zu metallographischen Untersuchungsverfahren.", &PanelInfo),
      Label6(*this, "Label6", "Alle Fotografien sind synthetische Bilder des programmeigenen Bildgenerators.",
             &PanelInfo),
      Label4(*this, "Label4", "Entwicklerteam Metallographie", &PanelInfo),
      Label5(*this, "Label5", "Musterstadt, Dezember 2026", &PanelInfo) {
    PanelInfo.color = 0x80FFFF;
    PanelInfo.font.name = "@Arial Unicode MS";
    PanelInfo.font.height = 20;
    PanelInfo.setBounds(15, 20, 750, 370);
    // The labels show the panel's font and size themselves to their text when loaded.
    Label2.setBounds(11, 20, 0, 0);
    Label3.setBounds(11, 55, 0, 0);
    Label1.setBounds(11, 121, 0, 0);
    Label6.setBounds(11, 160, 0, 0);
    Label4.setBounds(489, 264, 0, 0);
    Label5.setBounds(489, 298, 0, 0);
}

void TFormInfo::FormCreate() {
    placeSizeOnly(frame::Pattern::InfoWindow);
    // Plain pixels, set after the layout was scaled.
    PanelInfo.setBounds(15, 20, 750, 370);
}

}  // namespace app

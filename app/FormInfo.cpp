#include "app/FormInfo.h"

namespace app {

namespace {
const frame::FrameSpec kFrame{TFormInfo::kClassName, "Information", frame::kDesign120, 0xDD3200};

// The panel's font is set before its labels take it over.
ui::Panel& styled(ui::Panel& p) {
    p.color = 0x80FFFF;
    p.font.name = "@Arial Unicode MS";
    p.font.height = 20;
    p.setBounds(15, 20, 750, 370);
    return p;
}
}  // namespace

TFormInfo::TFormInfo(ui::Application& app)
    : TopicForm(app, kFrame),
      Label2(*this, "Label2", "Bildschirmeinstellungen:", &styled(PanelInfo)),
      Label3(*this, "Label3", "800x600 oder 1024x768", &PanelInfo),
      Label1(*this, "Label1", "Geschrieben als Lehrprogramm zu metallographischen Untersuchungsverfahren.", &PanelInfo),
      Label6(*this, "Label6", "Alle Fotografien sind synthetische Bilder des programmeigenen Bildgenerators.",
             &PanelInfo),
      Label4(*this, "Label4", "Entwicklerteam Metallographie", &PanelInfo),
      Label5(*this, "Label5", "Musterstadt, Dezember 2026", &PanelInfo) {
    Label2.setBounds(11, 20, Label2.width(), Label2.height());
    Label3.setBounds(11, 55, Label3.width(), Label3.height());
    Label1.setBounds(11, 121, Label1.width(), Label1.height());
    Label6.setBounds(11, 160, Label6.width(), Label6.height());
    Label4.setBounds(489, 264, Label4.width(), Label4.height());
    Label5.setBounds(489, 298, Label5.width(), Label5.height());
}

void TFormInfo::FormCreate() {
    const int sw = screenWidth(), sh = screenHeight();
    setBounds(frame::div(sw - 800, 2), frame::div(sh - 500, 2), 800, 500);
    // Plain pixels, set after the layout was scaled.
    PanelInfo.setBounds(15, 20, 750, 370);
}

}  // namespace app

// The chapter windows as the program creates them, for the chapter tests: one row per
// window with what its frame must be, and a world that creates them from the program's
// window list in a fresh application on a virtual screen.
#pragma once

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/StudyLinks.h"
#include "app/WindowList.h"
#include "chapters/Chapters.h"
#include "frame/PicturePage.h"
#include "frame/TopicForm.h"
#include "ui/Application.h"
#include "ui/headless/Headless.h"

namespace chaptertest {

struct WindowRow {
    std::string cls;
    std::string caption;
    int pattern;   // placement pattern
    bool scaled;   // takes the pattern's layout scale (false: sizes only, or a picture page)
    ui::TColor color;
    const char* statusBar;  // null: none
    std::string endeName;
    std::string endeCaption;
    std::string escName;
    int designPPI;
    bool sizeable;
};

template <class T>
WindowRow W(std::string caption, int pattern, bool scaled, ui::TColor color, const char* statusBar,
            std::string endeName, std::string endeCaption, std::string escName, int ppi, bool sizeable) {
    return WindowRow{T::kClassName, std::move(caption), pattern, scaled, color, statusBar,
                     std::move(endeName), std::move(endeCaption), std::move(escName), ppi, sizeable};
}

// The chapter windows whose frame the frame tests check (the raster-scan window has
// tests of its own).
inline const std::vector<WindowRow>& windows() {
    static const std::vector<WindowRow> rows{
        W<chapters::TFormREMBGes>("Rasterelektronenmikroskop: Gesamtübersicht", 7, false, ui::clBtnFace, "StatusBar1", "Ende1", "&Ende", "ESC1", 120, false),
        W<chapters::TFormREMBVAk>("Rasterelektronenmikroskop: Vakuumkammer", 7, false, ui::clBtnFace, "StatusBar1", "Ende1", "&Ende", "ESC1", 120, false),
        W<chapters::TFormREMBProbe>("Rasterelektronenmikroskop: Vakuumkammer mit einer Probe", 7, false, ui::clBtnFace, "StatusBar1", "Ende1", "&Ende", "ESC1", 120, false),
        W<chapters::TFormREMBDet>("Rasterelektronenmikroskop: Detektoren in der Vakuumkammer", 7, false, ui::clBtnFace, "StatusBar1", "Ende1", "&Ende", "ESC1", 120, false),
        W<chapters::TFormREMWechsel>("Wechselwirkungen zwischen Primärelektronenstrahl und Probe", 3, false, 0x00FA0555, "StatusBar1", "Ende", "&Ende", "ESC", 96, false),
        W<chapters::TFormREMCHA>("Charakteristische Röntgenstrahlen: Schematische Darstellung der Ionisation eines Probenatoms", 3, true, ui::clYellow, "StatusBar1", "Ende", "&Ende", "ESC", 96, false),
        W<chapters::TFormREMCHA2>("Charakteristische Röntgenstrahlen", 3, true, ui::clYellow, "StatusBar1", "Ende", "&Ende", "ESC", 96, false),
        W<chapters::TFormEWELLENL>("Wellenlängenbereiche", 3, true, ui::clBlue, "StatusBar1", "Ende", "&Ende", "ESC", 96, false),
        W<chapters::TFormEDXWeg>("Energiedispersives Röntgenspektrometer", 2, true, 0x00FA0555, "StatusBar1", "Ende1", "&Ende", "ESC1", 96, false),
        W<chapters::TFormLMMikro>("Lichtmikrosopische Einrichtung", 7, false, ui::clBtnFace, "StatusBar1", "Ende1", "&Ende", "ESC1", 120, false),
        W<chapters::TFormLMStereomikro>("Stereomikroskop", 7, false, ui::clBtnFace, "StatusBar1", "Ende1", "&Ende", "ESC1", 120, false),
        W<chapters::TFormLMLichtmikro>("Probe unter dem Lichtmikroskop", 7, false, ui::clBtnFace, "StatusBar1", "Ende1", "&Ende", "ESC1", 120, false),
        W<chapters::TFormREMAvT>("Charakteristische Bruchflächen von Stählen mit dem SE-Detektor", 2, true, 0x00E30257, "StatusBar1", "Ende1", "&Ende", "ESC1", 120, false),
        W<chapters::TFormREMEDX>("EDX-Analyse", 2, true, 0x00FB0058, "StatusBar1", "Ende1", "&Ende", "ESC1", 120, false),
        W<chapters::TFormMakroEin>("Makroskopie: Einleitung", 2, true, 0x00FA0555, "StatusBar1", "Ende", "&Ende", "ESC", 96, false),
        W<chapters::TFormMakroAuf>("Makroskopie: Makroskopische Betrachtung und  Aufnahmen mittels Stereomikroskop", 2, true, ui::clBlue, "StatusBar1", "Ende", "&Ende", "ESC", 96, false),
        W<chapters::TFormMakroSt1>("Korrosion an einem unlegierten Stahl", 3, true, 0x0080FFFF, "StatusBar1", "Ende", "Ende", "ESC", 120, false),
        W<chapters::TFormMakroSt2>("Stereomikroskopie: Korrosion an einem unlegierten Stahl", 6, false, ui::clBtnFace, "StatusBar1", "Ende1", "&Ende", "ESC1", 120, false),
        W<chapters::TFormMakroSt3>("Stereomikroskopie: Korrosion an einem unlegierten Stahl", 6, false, ui::clBtnFace, "StatusBar1", "Ende1", "&Ende", "ESC1", 120, false),
        W<chapters::TFormMakroCr2>("Stereomikroskopie: Belag auf einem Chromstahl", 6, false, ui::clBtnFace, "StatusBar1", "Ende1", "&Ende", "ESC1", 120, false),
        W<chapters::TFormMakroCr1>("Belag auf einem ferritischen Chromstahl", 3, true, 0x0080FFFF, "StatusBar1", "Ende", "&Ende", "ESC", 120, false),
        W<chapters::TFormMakroCr3>("Stereomikroskopie: Poröse Stellen im Belag", 6, false, ui::clBtnFace, "StatusBar1", "Ende1", "&Ende", "ESC1", 120, false),
        W<chapters::TFormLMEin>("Lichtmikroskopie: Möglichkeiten und Probenpräparation", 2, true, 0x00FA0555, "StatusBar1", "Ende", "&Ende", "ESC", 96, false),
        W<chapters::TFormLMEin2>("Lichtmikroskopie: Grenzen der Lichtmikroskopie", 2, true, 0x00FA0555, "StatusBar1", "Ende", "&Ende", "ESC", 96, false),
        W<chapters::TFormREMEin>("Rasterelektronenmikroskopie: Einleitung", 2, true, 0x00FE2101, "StatusBar1", "Ende", "&Ende", "ESC", 96, false),
        W<chapters::TFormLMSchema>("Lichtmikroskopie: Schema des Strahlengangs in einem Auflichtmikroskop", 2, true, ui::clNavy, "StatusBar1", "Ende", "&Ende", "ESC", 96, false),
        W<chapters::TFormLM45C1>("Unlegierter Vergütungsstahl CK 45", 3, true, 0x0080FFFF, "StatusBar1", "Ende", "Ende", "ESC", 120, false),
        W<chapters::TFormLM45C2>("Lichtmikroskopische Aufnahme: CK 45, Normalisiert", 6, false, ui::clBtnFace, "StatusBar1", "Ende1", "&Ende", "ESC1", 120, false),
        W<chapters::TFormLM45C3>("Lichtmikroskopische Aufnahme: CK 45, Vergütet", 6, false, ui::clBtnFace, "StatusBar1", "Ende1", "&Ende", "ESC1", 120, false),
        W<chapters::TFormLMCrNi1>("Austenitischer Chrom-Nickel-Stahl", 3, true, 0x0080FFFF, "StatusBar1", "Ende", "Ende", "ESC", 120, false),
        W<chapters::TFormLMCrNi2>("Lichtmikroskopische Aufnahme: X10 CrNi 17 7", 6, false, ui::clBtnFace, "StatusBar1", "Ende1", "&Ende", "ESC1", 120, false),
        W<chapters::TFormLMCrNi3>("Lichtmikroskopische Aufnahme: X10 CrNi 17 7, mit Chromcarbiden", 6, false, ui::clBtnFace, "StatusBar1", "Ende1", "&Ende", "ESC1", 120, false),
        W<chapters::TFormREMBSE>("Schema des Strahlengangs beim Rückstreuelektronendetektor (BSE-Detektor)", 2, true, ui::clYellow, "StatusBar1", "Ende", "&Ende", "ESC", 96, false),
        W<chapters::TFormREMSE>("Schema des Strahlengangs beim Sekundärelektronendetektor (SE-Detektor)", 2, true, ui::clYellow, "StatusBar1", "Ende", "&Ende", "ESC", 96, false),
        W<chapters::TFormREMSEEin>("Rasterelektronenmikroskopie: Sekundärelektronendetektor", 2, true, 0x00FE2101, "StatusBar1", "Ende", "&Ende", "ESC", 96, false),
        W<chapters::TFormREMBSEEin>("Rasterelektronenmikroskopie: Rückstreuelektronendetektor", 2, true, 0x00FE2101, "StatusBar1", "Ende", "&Ende", "ESC", 96, false),
        W<chapters::TFormREMEDXWDX>("Mikrobereichsanalyse im Rasterelektronenmikroskop mittels energie- und wellenlängendispersiver Röntgenspektroskopie", 2, false, 0x00FA0555, "StatusBar1", "Ende", "&Ende", "ESC", 96, false),
        W<chapters::TFormREMEDXWDXEin>("Mikrobereichsanalyse mittels Spektroskopie", 2, true, 0x00FE2101, "StatusBar1", "Ende", "&Ende", "ESC", 96, false),
        W<chapters::TFormREMCrNi1>("Austenitischer Chrom-Nickel-Stahl", 3, true, 0x0080FFFF, "StatusBar1", "Ende", "Ende", "ESC", 120, false),
        W<chapters::TFormREMCrNi2>("Elektronenmikroskopische Aufnahme: X6 CrNiMoTi 17 12 (BSE)", 6, false, ui::clBtnFace, "StatusBar1", "Ende1", "&Ende", "ESC1", 120, false),
        W<chapters::TFormREMCrNi3>("Elektronenmikroskopische Aufnahme: X6 CrNiMoTi 17 12 (SE)", 6, false, ui::clBtnFace, "StatusBar1", "Ende1", "&Ende", "ESC1", 120, false),
        W<chapters::TFormEDXAn>("EDX-Anwendungsgebiete", 2, true, ui::clYellow, "StatusBar1", "Ende1", "&Ende", "ESC1", 96, true),
        W<chapters::TFormDetSch>("Aufbau eines Silizium-(Lithium) Halbleiter-Detektors (schematisch)", 2, true, 0x0080FFFF, "StatusBar1", "Ende1", "&Ende", "ESC1", 96, true),
        W<chapters::TFormEDXOrd>("Röntgenenergien als Funktion der Ordnungszahl", 2, true, ui::clBlue, "StatusBar1", "Ende1", "&Ende", "ESC1", 96, true),
        W<chapters::TFormPTrennen>("Präparationsschritt: Trennen", 4, true, 0x0080FFFF, "StatusBarHilfe", "Ende1", "&Ende", "ESC1", 96, false),
        W<chapters::TFormPEin>("Präparationsschritt: Einfassen", 4, true, 0x0080FFFF, nullptr, "Ende1", "&Ende", "ESC1", 96, false),
        W<chapters::TFormPKontrast>("Präparationsschritt: Kontrastierung", 4, true, 0x0080FFFF, nullptr, "Ende1", "&Ende", "ESC1", 120, false),
        W<chapters::TFormPPol>("Präparationsschritt: Polieren", 4, true, 0x0080FFFF, "StatusBarHilfe", "Ende1", "&Ende", "ESC1", 96, false),
        W<chapters::TFormPSchleif>("Präparationsschritt: Schleifen", 4, true, 0x0080FFFF, "StatusBarHilfe", "Ende1", "&Ende", "ESC1", 96, false),
        W<chapters::TFormPPSchritte>("Lichtmikroskopie: Präparationsschritte zur Herstellung eines metallographischen Schliffes", 3, true, ui::clBlue, "StatusBar1", "Ende1", "&Ende", "ESC1", 96, false),
        W<chapters::TFormGPG>("Lichtmikroskopie: Gefügeeinstellung und Eigenschaften durch die Herstellungsbedingungen", 3, true, ui::clBlue, "StatusBar1", "Ende1", "&Ende", "ESC1", 96, false),
        W<chapters::TFormSLicht>("Lichtmikroskopie: Strahlengang in einem Auflichtmikroskop an einer polierten und geätzten Probe", 2, true, ui::clBlue, "StatusBarHint", "Ende", "&Ende", "ESCAPE", 96, false),
        W<chapters::TFormREMEW>("Wechselwirkungen zwischen dem Elektronenstrahl und der Materie", 3, true, ui::clBlue, "StatusBarHilfe", "Ende1", "&Ende", "ESC1", 96, true),
        W<chapters::TFormREMEWK>("Wechselwirkungen zwischen dem Elektronenstrahl und der Materie", 8, true, ui::clBlue, "StatusBarHilfe", "Ende1", "&Ende", "ESC1", 96, true),
        W<chapters::TFormAvTSpa>("Rasterelektronenmikroskopische Aufnahme: Stahl S236 Spaltbruch", 6, false, ui::clBtnFace, "StatusBar1", "Ende1", "&Ende", "ESC1", 120, false),
        W<chapters::TFormAvTAus>("Rasterelektronenmikroskopische Aufnahme: Austenitischer Stahl X5 CrNi 18-10", 6, false, ui::clBtnFace, "StatusBar1", "Ende1", "&Ende", "ESC1", 120, false),
        W<chapters::TFormAvTDuk>("Rasterelektronenmikroskopische Aufnahme: Stahl S236 Duktiler Bruch (Wabenbruch)", 6, false, ui::clBtnFace, "StatusBar1", "Ende1", "&Ende", "ESC1", 120, false),
        W<chapters::TFormAvTMisch>("Rasterelektronenmikroskopische Aufnahme: Stahl S235 Mischbruch", 6, false, ui::clBtnFace, "StatusBar1", "Ende1", "&Ende", "ESC1", 120, false),
        W<chapters::TFormLMEinrichtungen>("Lichtmikroskopie: Einrichtungen", 3, true, 0x0080FFFF, "StatusBar1", "Ende", "&Ende", "ESC", 120, false),
    };
    return rows;
}

struct PageRow {
    const char* cls;
    const char* opener;
    int photoWidth;
    int photoHeight;
    bool stretch;
    bool repaintsOpener;  // the fracture pages repaint their chart window on close
};

inline const std::vector<PageRow>& pages() {
    static const std::vector<PageRow> rows{
        {"TFormREMBGes", "TFormREMEin", 800, 570, true, false},
        {"TFormREMBVAk", "TFormREMEin", 875, 600, true, false},
        {"TFormREMBProbe", "TFormREMEin", 875, 600, true, false},
        {"TFormREMBDet", "TFormREMEin", 875, 600, true, false},
        {"TFormLMMikro", "TFormLMEinrichtungen", 1100, 777, true, false},
        {"TFormLMStereomikro", "TFormMakroAuf", 1100, 777, true, false},
        {"TFormLMLichtmikro", "TFormLMEinrichtungen", 1100, 777, true, false},
        {"TFormMakroSt2", "TFormMakroSt1", 770, 462, false, false},
        {"TFormMakroSt3", "TFormMakroSt1", 770, 462, false, false},
        {"TFormMakroCr2", "TFormMakroCr1", 770, 462, false, false},
        {"TFormMakroCr3", "TFormMakroCr1", 770, 462, false, false},
        {"TFormLM45C2", "TFormLM45C1", 770, 462, true, false},
        {"TFormLM45C3", "TFormLM45C1", 770, 462, true, false},
        {"TFormLMCrNi2", "TFormLMCrNi1", 770, 462, true, false},
        {"TFormLMCrNi3", "TFormLMCrNi1", 770, 462, false, false},
        {"TFormREMCrNi2", "TFormREMCrNi1", 770, 462, false, false},
        {"TFormREMCrNi3", "TFormREMCrNi1", 770, 462, false, false},
        {"TFormAvTSpa", "TFormREMAvT", 700, 440, true, true},
        {"TFormAvTAus", "TFormREMAvT", 700, 440, true, true},
        {"TFormAvTDuk", "TFormREMAvT", 700, 440, true, true},
        {"TFormAvTMisch", "TFormREMAvT", 700, 440, true, true},
    };
    return rows;
}

// A fresh program on a virtual screen: a stand-in for the title window (the main
// window, so that closing a chapter window never ends the run), then the chapter
// windows of the program's window list created in start-up order with their create
// handlers run: all of them, or only those named (a test of one window needs no other
// buffers).
class World {
public:
    World(int screenWidth, int screenHeight, std::initializer_list<std::string> only = {})
        : app(screenWidth, screenHeight) {
        main.setBounds(0, 0, screenWidth, screenHeight);
        app.create(main);
        // The topic windows only: not the title, overview and information windows, nor the
        // glossary, the hands-on windows and the self-tests that follow them.
        const std::vector<std::string> topics = app::topicWindows();
        for (const app::WindowEntry& e : app::windowList()) {
            const std::string cls = e.className;
            if (std::find(topics.begin(), topics.end(), cls) == topics.end()) continue;
            if (only.size() && std::find(only.begin(), only.end(), cls) == only.end()) continue;
            forms.push_back(e.make(app));
            app.create(*forms.back());
        }
        main.Show();
    }

    frame::TopicForm& form(const std::string& cls) {
        for (auto& f : forms)
            if (f->className() == cls) return dynamic_cast<frame::TopicForm&>(*f);
        throw std::runtime_error("no window " + cls);
    }
    template <class T>
    T& get() {
        return *frame::findWindow<T>(app);
    }

    ui::Application app;
    ui::headless::HeadlessBackend backend{app};
    ui::Form main{app, "TFormHaupt", "Metallographie"};
    std::vector<std::unique_ptr<ui::Form>> forms;
};

}  // namespace chaptertest

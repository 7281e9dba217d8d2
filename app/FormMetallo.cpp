#include "app/FormMetallo.h"

#include "app/FormHaupt.h"
#include "frame/Backdrop.h"
#include "frame/Frame.h"
#include "frame/Layout.h"
#include "frame/TopicForm.h"
#include "chapters/Chapters.h"
#include "chapters/labs/FormLabEDX.h"
#include "chapters/labs/FormLabLicht.h"
#include "chapters/labs/FormLabMC.h"
#include "study/FormFortschritt.h"
#include "study/FormGlossar.h"
#include "study/FormSelbsttest.h"

namespace app {

using frame::div;
using frame::Round;

namespace {
struct ChapterEntry {
    int menu;  // 0 Makroskopie, 1 Lichtmikroskopie, 2 Rasterelektronenmikroskop, 3 Mikrobereichsanalysen
    const char* name;
    const char* caption;
    ui::Form* (*target)(ui::Application&);
    bool modal;
};

template <class T>
ui::Form* windowOf(ui::Application& app) {
    return frame::findWindow<T>(app);
}

// Every item opens one window; two case studies stay open beside the overview.
const ChapterEntry kChapterItems[] = {
    {0, "Allgemeines1", "Einleitung", &windowOf<chapters::TFormMakroEin>, true},
    {0, "BilderfassungmitStereomikroskop1", "Bilderfassung mit dem Stereomikroskop", &windowOf<chapters::TFormMakroAuf>, true},
    {0, "Stereomikroskop1", "Stereomikroskop", &windowOf<chapters::TFormLMStereomikro>, true},
    {0, "KorrosionimunlegiertenStahl1", "Korrosion an einem unlegierten Stahl", &windowOf<chapters::TFormMakroSt1>, false},
    {0, "UntersuchungenaneinemferritischenChromstahl1", "Untersuchungen an einem ferritischen Chromstahl",
     &windowOf<chapters::TFormMakroCr1>, false},
    {1, "Allgemeines2", "Möglichkeiten und Probenpräparation", &windowOf<chapters::TFormLMEin>, true},
    {1, "ArbeitsschrittederProbenprparation1", "Arbeitsschritte der Probenpräparation", &windowOf<chapters::TFormPPSchritte>, true},
    {1, "BedeutungdesGefges1", "Bedeutung des Gefüges", &windowOf<chapters::TFormGPG>, true},
    {1, "StrahlenganganeinerpoliertenundgetztenProbe1", "Strahlengang an einer polierten und geätzten Probe",
     &windowOf<chapters::TFormSLicht>, true},
    {1, "GrenzenderLichtmikroskopie1", "Grenzen der Lichtmikroskopie", &windowOf<chapters::TFormLMEin2>, true},
    {1, "Wellenlngenbereiche1", "Nuztzbare Wellenlängenbereiche in der Mikroskopie und Analytik ", &windowOf<chapters::TFormEWELLENL>,
     true},
    {1, "Lichtwelle1", "Schematische Darstellung eines Lichtmikroskopes", &windowOf<chapters::TFormLMSchema>, true},
    {1, "LichtmikroskopischeEinrichtung1", "Lichtmikroskopische Einrichtung", &windowOf<chapters::TFormLMEinrichtungen>, true},
    {1, "Mikroskopeinrichtung1", "Lichtmikroskop", &windowOf<chapters::TFormLMMikro>, true},
    {1, "Lichtmikroskop1", "Lichtmikroskop mit Probe", &windowOf<chapters::TFormLMLichtmikro>, true},
    {1, "AufnahmenCK451", "Aufnahmen:  CK45", &windowOf<chapters::TFormLM45C1>, true},
    {1, "AufnahmenAustenitischerChromNickelstahl1", "Aufnahmen:  Austenitischer Chrom-Nickel-Stahl", &windowOf<chapters::TFormLMCrNi1>,
     true},
    {2, "Grundlagen3", "Einleitung", &windowOf<chapters::TFormREMEin>, true},
    {2, "Gesamtdarstellung1", "REM-Bild: Gesamtübersicht", &windowOf<chapters::TFormREMBGes>, true},
    {2, "Vakuumkammer1", "REM-Bild: Vakuumkammer", &windowOf<chapters::TFormREMBVAk>, true},
    {2, "ProbeinderVakuumkammer1", "REM-Bild: Vakuumkammer mit einer Probe", &windowOf<chapters::TFormREMBProbe>, true},
    {2, "Detektoren1", "REM Bild: Detektoren", &windowOf<chapters::TFormREMBDet>, true},
    {2, "StrahlengangbeimREM1", "Strahlengang beim REM", &windowOf<chapters::TFormREMRaster>, true},
    {2, "Wechselwirkungen1", "Wechselwirkungen und Detektoren", &windowOf<chapters::TFormREMWechsel>, true},
    {2, "WechselwirkungenzwischendemElektronenstrahlundderMaterie1",
     "Wechselwirkungen zwischen dem Elektronenstrahl und der Materie", &windowOf<chapters::TFormREMEW>, true},
    {2, "SEDetektor2", "Sekundärelektronendetektor (SE-Detektor)", &windowOf<chapters::TFormREMSEEin>, true},
    {2, "SEDetektor1", "Schema eines SE-Detektor", &windowOf<chapters::TFormREMSE>, true},
    {2, "Rckstreuelektronendetektor1", "Rückstreuelektronendetektor (BSE-Detektor)", &windowOf<chapters::TFormREMBSEEin>, true},
    {2, "BSEDetektor1", "Schema eines BSE-Detektor", &windowOf<chapters::TFormREMBSE>, true},
    {2, "CharakteristischeBruchflchen1", "Charakteristische Bruchflächen von Stählen mit dem SE-Detektor",
     &windowOf<chapters::TFormREMAvT>, true},
    {2, "CromNickelStahlmitBSESEDetektor1", "Chrom-Nickel-Stahl mit BSE/SE-Detektor", &windowOf<chapters::TFormREMCrNi1>, true},
    {3, "Grundlagen2", "Einleitung", &windowOf<chapters::TFormREMEDXWDXEin>, true},
    {3, "CharakteristischeRntgenstrahlen1", "Charakteristische Röntgenstrahlen: Ionisation", &windowOf<chapters::TFormREMCHA>, true},
    {3, "KLMLinien1", "Charakteristische Röntgenstrahlen: K-L-M-Linienspektrum", &windowOf<chapters::TFormREMCHA2>, true},
    {3, "EnergienalsFunktionderOrdnungszahl1", "Energien als Funktion der Ordnungszahl", &windowOf<chapters::TFormEDXOrd>, true},
    {3, "SchematischeDarstellungWDXDetektor2", "Schematische Darstellung EDX/WDX-Detektor", &windowOf<chapters::TFormREMEDXWDX>, true},
    {3, "Wirkungsweise1", "Schematische Darstellung EDX-Detektor", &windowOf<chapters::TFormEDXWeg>, true},
    {3, "SiliziumDetektorschematisch1", "Silizium-(Lithium) Detektor (schematisch)", &windowOf<chapters::TFormDetSch>, true},
    {3, "Anwendungsgebiete1", "Anwendungsgebiete", &windowOf<chapters::TFormEDXAn>, true},
    {3, "EDXSpektrumGusseisen1", "EDX-Spektrum/Gusseisen", &windowOf<chapters::TFormREMEDX>, true},
};

struct Text {
    int x, y;
    const char* s;
};

const Text kOverviewTexts[] = {
    {40, 130, "Makroskopie"},         {40, 200, "fraktographische"},    {40, 230, "Beurteilung"},
    {40, 260, "von Oberflächen"},     {40, 290, "bis 50-fache"},        {40, 320, "Vergrößerung"},
    {300, 130, "Lichtmikroskopie"},   {300, 200, "mikroskopische"},     {300, 230, "Untersuchung"},
    {300, 260, "mit einem"},          {300, 290, "Auflichtmikroskop"},  {300, 320, "bis 1000-fache"},
    {300, 350, "Vergrößerung"},       {545, 130, "Rasterelektronen-"},  {545, 160, "mikroskopie"},
    {545, 200, "fraktographische"},   {545, 230, "Analysen von "},      {545, 260, "Bruchflächen"},
    {545, 290, "bis 100000-fache"},   {545, 320, "Vergrößerung"},       {545, 360, "Mikrobereichsanalyse"},
    {545, 390, "mittels"},            {545, 420, "Röntgenspektrometer"},
};
}  // namespace

TFormMetallo::TFormMetallo(ui::Application& app)
    : ui::Form(app, kClassName, "Untersuchungsverfahren in der Metallographie "),
      StatusBar1(*this, "StatusBar1", frame::kEscHint),
      Datei1(MainMenu1, "Datei1", "&Datei"),
      Ende1(Datei1, "Ende1", "Beenden"),
      Schwarz(Datei1, "Schwarz", "Hintergrund blau"),
      Blau(Datei1, "Blau", "Hintergrund schwarz"),
      ESC1(MainMenu1, "ESC1", "ESC", ui::ShortCut::Escape),
      Makroskopie1(MainMenu1, "Makroskopie1", "&Makroskopie"),
      Lichtmikroskopie1(MainMenu1, "Lichtmikroskopie1", "&Lichtmikroskopie"),
      Rasterelektronenmikroskop1(MainMenu1, "Rasterelektronenmikroskop1", "&Rasterelektronenmikroskop"),
      Mikrobereichsanalysen1(MainMenu1, "Mikrobereichsanalysen1", "&Mikrobereichsanalysen"),
      Uebungen1(MainMenu1, "Uebungen1", "Ü&bungen"),
      Glossar1(Uebungen1, "Glossar1", "Glossar"),
      LabLicht1(Uebungen1, "LabLicht1", "Virtuelles Lichtmikroskop"),
      LabMC1(Uebungen1, "LabMC1", "Elektronenstreuung in der Probe (Monte-Carlo-Simulation)"),
      LabEDX1(Uebungen1, "LabEDX1", "EDX-Spektrum einer Probe (Simulation)"),
      SelbsttestMakro1(Uebungen1, "SelbsttestMakro1", "Selbsttest Makroskopie"),
      SelbsttestLM1(Uebungen1, "SelbsttestLM1", "Selbsttest Lichtmikroskopie"),
      SelbsttestREM1(Uebungen1, "SelbsttestREM1", "Selbsttest Rasterelektronenmikroskopie"),
      SelbsttestAnalyse1(Uebungen1, "SelbsttestAnalyse1", "Selbsttest Mikrobereichsanalyse"),
      Fortschritt1(Uebungen1, "Fortschritt1", "Fortschritt") {
    setColor(ui::clBlue);
    PaintBoxHaupt.color = 0x80FFFF;
    PaintBoxHaupt.font = font;
    PaintBoxHaupt.OnPaint = [this] { PaintBoxHauptPaint(); };
    Schwarz.setEnabled(false);
    ESC1.setVisible(false);
    Ende1.OnClick = [this] { Ende1Click(); };
    Schwarz.OnClick = [this] { SchwarzClick(); };
    Blau.OnClick = [this] { BlauClick(); };
    ESC1.OnClick = [this] { ESC1Click(); };
    ui::MenuItem* menus[4] = {&Makroskopie1, &Lichtmikroskopie1, &Rasterelektronenmikroskop1, &Mikrobereichsanalysen1};
    for (const ChapterEntry& e : kChapterItems) {
        auto item = std::make_unique<ui::MenuItem>(*menus[e.menu], e.name, e.caption);
        const auto target = e.target;
        const bool modal = e.modal;
        item->OnClick = [this, target, modal] {
            if (ui::Form* f = target(application())) {
                if (modal) f->ShowModal();
                else f->Show();
            }
        };
        chapterItems.push_back(std::move(item));
    }
    Glossar1.OnClick = [this] { Glossar1Click(); };
    LabLicht1.OnClick = [this] { LabLicht1Click(); };
    LabMC1.OnClick = [this] { LabMC1Click(); };
    LabEDX1.OnClick = [this] { LabEDX1Click(); };
    SelbsttestMakro1.OnClick = [this] { SelbsttestClick(0); };
    SelbsttestLM1.OnClick = [this] { SelbsttestClick(1); };
    SelbsttestREM1.OnClick = [this] { SelbsttestClick(2); };
    SelbsttestAnalyse1.OnClick = [this] { SelbsttestClick(3); };
    Fortschritt1.OnClick = [this] { Fortschritt1Click(); };
}

void TFormMetallo::FormCreate() {
    const int sw = application().screenWidth(), sh = application().screenHeight();
    const frame::Placement p = frame::place(frame::Pattern::FullScreen, sw, sh);
    ScaleX = p.scale.x;
    ScaleY = p.scale.y;
    frame::apply(*this, p);
    PaintBoxHaupt.setBounds(div(clientWidth() - 800, 2), div(clientHeight() - 550 - Round(10 * ScaleY), 2), 800, 550);
    BackdropCenterX = div(sw, 2) - Round(20 * ScaleX);
    BackdropCenterY = div(sh, 2) - Round(40 * ScaleY);
}

void TFormMetallo::FormPaint() {
    if (BlueBackground) frame::paintDisc(canvas, BackdropCenterX, BackdropCenterY);
}

void TFormMetallo::PaintBoxHauptPaint() {
    ui::Canvas& c = PaintBoxHaupt.canvas;
    const int w = PaintBoxHaupt.width();
    c.pen.width = 1;
    c.pen.color = ui::clBlack;
    c.brush.setColor(PaintBoxHaupt.color);
    c.Rectangle(0, 0, w, w);
    c.brush.style = ui::BrushStyle::Clear;
    c.font.height = 38;
    c.TextOut(90, 50, " Untersuchungsverfahren in der Metallographie ");
    c.brush.setColor(ui::clWhite);
    c.Rectangle(10, 120, 250, 500);
    c.Rectangle(270, 120, 510, 500);
    c.Rectangle(530, 120, 785, 500);
    c.font.height = 30;
    for (const Text& t : kOverviewTexts) c.TextOut(t.x, t.y, t.s);
}

void TFormMetallo::SchwarzClick() {
    BlueBackground = true;
    setColor(ui::clBlue);
    Schwarz.setEnabled(false);
    Blau.setEnabled(true);
}

void TFormMetallo::BlauClick() {
    BlueBackground = false;
    setColor(ui::clBlack);
    Schwarz.setEnabled(true);
    Blau.setEnabled(false);
}

void TFormMetallo::closeOverview() {
    // The title window plays its animation again when it is uncovered.
    if (TFormHaupt* title = frame::findWindow<TFormHaupt>(application())) title->TimerSTart.setEnabled(true);
    Close();
}

void TFormMetallo::ESC1Click() { closeOverview(); }

// The glossary stays usable beside the overview and the windows opened from it.
void TFormMetallo::Glossar1Click() {
    if (study::TFormGlossar* glossary = frame::findWindow<study::TFormGlossar>(application())) glossary->Show();
}

// The microscope, like the glossary, stays usable beside the overview.
void TFormMetallo::LabLicht1Click() {
    if (chapters::TFormLabLicht* lab = frame::findWindow<chapters::TFormLabLicht>(application())) lab->Show();
}

// The electron-beam lab's windows stay usable beside the overview, as the glossary does.
void TFormMetallo::LabMC1Click() {
    if (auto* w = frame::findWindow<chapters::TFormLabMC>(application())) w->Show();
}

void TFormMetallo::LabEDX1Click() {
    if (auto* w = frame::findWindow<chapters::TFormLabEDX>(application())) w->Show();
}

// A chapter's self-test, beside the overview like the glossary; choosing the chapter that
// is already under way only brings its window to the front.
void TFormMetallo::SelbsttestClick(int chapter) {
    study::TFormSelbsttest* test = frame::findWindow<study::TFormSelbsttest>(application());
    if (!test) return;
    const auto c = static_cast<study::Chapter>(chapter);
    if (!test->visible() || test->Kapitel != c) test->startChapter(c);
    test->Show();
}

void TFormMetallo::Fortschritt1Click() {
    if (study::TFormFortschritt* progress = frame::findWindow<study::TFormFortschritt>(application())) progress->Show();
}

void TFormMetallo::Ende1Click() { closeOverview(); }

}  // namespace app

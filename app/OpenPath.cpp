#include "app/OpenPath.h"

#include <sstream>
#include <utility>
#include <vector>

#include "app/CommandLine.h"
#include "frame/TopicForm.h"
#include "study/FormGlossar.h"
#include "study/FormSelbsttest.h"

namespace app {

namespace {

struct Opener {
    const char* className;
    const char* step;
};

// Every window but the title window, with the events of its opener that show it
// (separated by ";"). "wait MS" lets the animations run that long first: the fracture
// pictures open only once both curves are drawn.
constexpr Opener kOpeners[] = {
    {"TFormMetallo", "menu TFormHaupt Programmstarten1"},
    {"TFormInfo", "menu TFormHaupt Info1"},
    // Makroskopie
    {"TFormMakroEin", "menu TFormMetallo Allgemeines1"},
    {"TFormMakroAuf", "menu TFormMetallo BilderfassungmitStereomikroskop1"},
    {"TFormMakroSt1", "menu TFormMetallo KorrosionimunlegiertenStahl1"},
    {"TFormMakroSt2", "clickon TFormMakroSt1 Image1"},
    {"TFormMakroSt3", "clickon TFormMakroSt1 Image2"},
    {"TFormMakroCr1", "menu TFormMetallo UntersuchungenaneinemferritischenChromstahl1"},
    {"TFormMakroCr2", "clickon TFormMakroCr1 Image1"},
    {"TFormMakroCr3", "clickon TFormMakroCr1 Image2"},
    // Lichtmikroskopie
    {"TFormLMEin", "menu TFormMetallo Allgemeines2"},
    {"TFormLMEin2", "menu TFormMetallo GrenzenderLichtmikroskopie1"},
    {"TFormPPSchritte", "menu TFormMetallo ArbeitsschrittederProbenprparation1"},
    {"TFormPTrennen", "menu TFormPPSchritte Trennen"},
    {"TFormPEin", "menu TFormPPSchritte Einfassen"},
    {"TFormPSchleif", "menu TFormPPSchritte Schleifen1"},
    {"TFormPPol", "menu TFormPPSchritte Polieren1"},
    {"TFormPKontrast", "menu TFormPPSchritte Kontrastierung1"},
    {"TFormGPG", "menu TFormMetallo BedeutungdesGefges1"},
    {"TFormSLicht", "menu TFormMetallo StrahlenganganeinerpoliertenundgetztenProbe1"},
    {"TFormLMSchema", "menu TFormMetallo Lichtwelle1"},
    {"TFormEWELLENL", "menu TFormMetallo Wellenlngenbereiche1"},
    {"TFormLMEinrichtungen", "menu TFormMetallo LichtmikroskopischeEinrichtung1"},
    {"TFormLMMikro", "menu TFormMetallo Mikroskopeinrichtung1"},
    {"TFormLMStereomikro", "menu TFormMetallo Stereomikroskop1"},
    {"TFormLMLichtmikro", "menu TFormMetallo Lichtmikroskop1"},
    {"TFormLM45C1", "menu TFormMetallo AufnahmenCK451"},
    {"TFormLM45C2", "clickon TFormLM45C1 Image1"},
    {"TFormLM45C3", "clickon TFormLM45C1 Image2"},
    {"TFormLMCrNi1", "menu TFormMetallo AufnahmenAustenitischerChromNickelstahl1"},
    {"TFormLMCrNi2", "clickon TFormLMCrNi1 Image1"},
    {"TFormLMCrNi3", "clickon TFormLMCrNi1 Image2"},
    // Rasterelektronenmikroskop
    {"TFormREMEin", "menu TFormMetallo Grundlagen3"},
    {"TFormREMBGes", "menu TFormMetallo Gesamtdarstellung1"},
    {"TFormREMBVAk", "menu TFormMetallo Vakuumkammer1"},
    {"TFormREMBProbe", "menu TFormMetallo ProbeinderVakuumkammer1"},
    {"TFormREMBDet", "menu TFormMetallo Detektoren1"},
    {"TFormREMRaster", "menu TFormMetallo StrahlengangbeimREM1"},
    {"TFormREMWechsel", "menu TFormMetallo Wechselwirkungen1"},
    {"TFormREMEW", "menu TFormMetallo WechselwirkungenzwischendemElektronenstrahlundderMaterie1"},
    {"TFormREMSEEin", "menu TFormMetallo SEDetektor2"},
    {"TFormREMSE", "menu TFormMetallo SEDetektor1"},
    {"TFormREMEWK", "menu TFormREMSE Wechselwirkung1"},
    {"TFormREMBSEEin", "menu TFormMetallo Rckstreuelektronendetektor1"},
    {"TFormREMBSE", "menu TFormMetallo BSEDetektor1"},
    {"TFormREMAvT", "menu TFormMetallo CharakteristischeBruchflchen1"},
    {"TFormAvTSpa", "menu TFormREMAvT StartKRZ1; menu TFormREMAvT StartKFZ1; wait 6000; clickon TFormREMAvT PaintBoxSpalt"},
    {"TFormAvTAus", "menu TFormREMAvT StartKRZ1; menu TFormREMAvT StartKFZ1; wait 6000; clickon TFormREMAvT PaintBoxAus"},
    {"TFormAvTDuk", "menu TFormREMAvT StartKRZ1; menu TFormREMAvT StartKFZ1; wait 6000; clickon TFormREMAvT PaintBoxDuk"},
    {"TFormAvTMisch", "menu TFormREMAvT StartKRZ1; menu TFormREMAvT StartKFZ1; wait 6000; clickon TFormREMAvT PaintBoxMisch"},
    {"TFormREMCrNi1", "menu TFormMetallo CromNickelStahlmitBSESEDetektor1"},
    {"TFormREMCrNi2", "clickon TFormREMCrNi1 Image1"},
    {"TFormREMCrNi3", "clickon TFormREMCrNi1 Image2"},
    // Mikrobereichsanalysen
    {"TFormREMEDXWDXEin", "menu TFormMetallo Grundlagen2"},
    {"TFormEDXAn", "menu TFormMetallo Anwendungsgebiete1"},
    {"TFormREMCHA", "menu TFormMetallo CharakteristischeRntgenstrahlen1"},
    {"TFormREMCHA2", "menu TFormMetallo KLMLinien1"},
    {"TFormEDXOrd", "menu TFormMetallo EnergienalsFunktionderOrdnungszahl1"},
    {"TFormREMEDXWDX", "menu TFormMetallo SchematischeDarstellungWDXDetektor2"},
    {"TFormEDXWeg", "menu TFormMetallo Wirkungsweise1"},
    {"TFormDetSch", "menu TFormMetallo SiliziumDetektorschematisch1"},
    {"TFormREMEDX", "menu TFormMetallo EDXSpektrumGusseisen1"},
    // Übungen
    {"TFormGlossar", "menu TFormMetallo Glossar1"},
    {"TFormLabLicht", "menu TFormMetallo LabLicht1"},
    {"TFormLabMC", "menu TFormMetallo LabMC1"},
    {"TFormLabEDX", "menu TFormMetallo LabEDX1"},
    {"TFormSelbsttest", "menu TFormMetallo SelbsttestMakro1"},
    {"TFormFortschritt", "menu TFormMetallo Fortschritt1"},
};

std::vector<std::string> words(std::string_view s) {
    std::istringstream in{std::string(s)};
    std::vector<std::string> out;
    for (std::string w; in >> w;) out.push_back(w);
    return out;
}

std::vector<std::string> split(std::string_view steps) {
    std::vector<std::string> out;
    size_t start = 0;
    for (;;) {
        const size_t end = steps.find(';', start);
        out.emplace_back(steps.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) return out;
        start = end + 1;
    }
}

// Runs one opener step as the user's event; false when the opener does not take it.
bool run(ui::Application& app, const std::vector<std::string>& step) {
    if (step.size() == 2 && step[0] == "wait") {
        app.advanceTo(app.now() + std::stoi(step[1]), true);
        return true;
    }
    if (step.size() != 3) return false;
    ui::Form* opener = app.findForm(step[1]);
    if (!opener || !opener->visible()) return false;
    if (step[0] == "menu") {
        ui::MenuItem* item = opener->menu() ? opener->menu()->find(step[2]) : nullptr;
        return item && app.menuClick(*opener, *item);
    }
    const ui::Control* c = opener->findControl(step[2]);
    if (!c) return false;
    const ui::Rect r = c->clientRect();
    return app.mouseClick(*opener, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

bool open(ui::Application& app, std::string_view className, int depth) {
    ui::Form* f = app.findForm(std::string(className));
    if (!f) return false;
    if (f->visible()) {
        if (!f->enabled()) return false;
        app.userActivate(*f);
        return true;
    }
    const std::vector<std::string> steps = split(openStep(className));
    const std::vector<std::string> first = words(steps.front());
    if (first.size() != 3 || depth > 8) return false;
    if (!open(app, first[1], depth + 1)) return false;
    for (const std::string& step : steps)
        if (!run(app, words(step))) return false;
    return f->visible();
}

}  // namespace

std::string_view openStep(std::string_view className) {
    for (const Opener& o : kOpeners)
        if (className == o.className) return o.step;
    return {};
}

std::string openWindow(ui::Application& app, std::string_view what) {
    // "TFormGlossar:Begriff" opens the glossary at that term.
    const size_t colon = what.find(':');
    const std::string_view className = what.substr(0, colon);
    if (colon != std::string_view::npos && className == study::TFormGlossar::kClassName) {
        if (std::string problem = openWindow(app, className); !problem.empty()) return problem;
        auto* glossary = frame::findWindow<study::TFormGlossar>(app);
        if (!glossary->showTerm(std::string(what.substr(colon + 1))))
            return "metallographie: einen Begriff " + shortened(what.substr(colon + 1)) + " gibt es im Glossar nicht";
        app.flush();
        return "";
    }
    // "TFormSelbsttest:lm" opens that chapter's test.
    if (colon != std::string_view::npos && className == study::TFormSelbsttest::kClassName) {
        static const char* const kItems[study::kChapters] = {"SelbsttestMakro1", "SelbsttestLM1", "SelbsttestREM1",
                                                             "SelbsttestAnalyse1"};
        const auto chapter = study::chapterFromKey(what.substr(colon + 1));
        if (!chapter)
            return "metallographie: einen Selbsttest " + shortened(what.substr(colon + 1)) +
                   " gibt es nicht (makro, lm, rem, analyse)";
        if (!open(app, "TFormMetallo", 0) ||
            !run(app, {"menu", "TFormMetallo", kItems[static_cast<int>(*chapter)]}))
            return "metallographie: der Selbsttest lässt sich jetzt nicht öffnen";
        return "";
    }
    ui::Form* f = app.findForm(std::string(className));
    if (!f || (openStep(className).empty() && f != app.mainForm())) {
        open(app, "TFormMetallo", 0);
        return "metallographie: ein Fenster " + shortened(className) +
               " gibt es nicht; die Kapitelübersicht ist geöffnet";
    }
    if (!open(app, className, 0))
        return "metallographie: das Fenster " + std::string(className) + " lässt sich jetzt nicht öffnen";
    return "";
}

std::vector<std::string> openPath(std::string_view what) {
    std::vector<std::string> path{std::string(what)};
    std::string className(what.substr(0, what.find(':')));
    // Up to the title window, which is open from the start; open() follows no longer chain.
    for (int depth = 0; depth <= 8; ++depth) {
        const std::vector<std::string> first = words(split(openStep(className)).front());
        if (first.size() != 3 || openStep(first[1]).empty()) break;
        className = first[1];
        path.insert(path.begin(), className);
    }
    return path;
}

}  // namespace app

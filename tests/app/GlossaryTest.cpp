// The glossary: its file, German dictionary order, the search, every link opening its
// window, F1 from every window, and the script commands that act on controls.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "ProgramFixture.h"
#include "app/GlossaryLinks.h"
#include "app/OpenPath.h"
#include "app/Script.h"
#include "app/WindowList.h"
#include "assets/Texts.h"
#include "study/FormGlossar.h"
#include "study/Glossary.h"

namespace {

using study::Glossary;
using study::TFormGlossar;

std::vector<std::string> names(const Glossary& g, const std::vector<int>& idx) {
    std::vector<std::string> out;
    for (int i : idx) out.push_back(g.terms()[static_cast<size_t>(i)].name);
    return out;
}

TEST(GlossaryFile, EnoughTermsEveryLinkResolvesEveryTopicWindowHasTerms) {
    std::vector<std::string> problems;
    const Glossary g = Glossary::parse(assets::glossaryText(), &problems);
    EXPECT_TRUE(problems.empty()) << problems.front();
    EXPECT_GE(g.terms().size(), 80u);
    std::set<std::string> covered;
    for (const study::Term& t : g.terms()) {
        EXPECT_GE(t.text.size(), 100u) << t.name;
        for (const std::string& w : t.windows) {
            EXPECT_NE(app::findEntry(w), nullptr) << t.name << " -> " << w;
            EXPECT_FALSE(app::openStep(w).empty()) << t.name << " -> " << w << " cannot be opened";
            covered.insert(w);
        }
    }
    // F1 in any topic window finds terms.
    for (const app::WindowEntry& e : app::windowList()) {
        const std::string cls = e.className;
        if (cls == "TFormHaupt" || cls == "TFormMetallo" || cls == "TFormInfo" || cls == "TFormGlossar" ||
            cls == "TFormSelbsttest" || cls == "TFormFortschritt")
            continue;
        EXPECT_EQ(covered.count(cls), 1u) << cls << " has no terms";
    }
}

TEST(GlossaryFile, ParserReportsWhatIsWrongAndKeepsTheRest) {
    std::vector<std::string> problems;
    const Glossary g = Glossary::parse(
        "stray text\n= Ferrit\nKubisch raumzentriert.\nsiehe: Perlit; Zementit\n= ferrit\nNoch einmal.\n"
        "= Perlit\nLamellar.\nansehen: TFormLM45C1\n= Leer\n",
        &problems);
    EXPECT_EQ(names(g, g.search("")), (std::vector<std::string>{"Ferrit", "Leer", "Perlit"}));
    EXPECT_EQ(problems.size(), 4u) << "text before the first term, a name twice, a link to nothing, no definition";
    EXPECT_EQ(g.terms()[0].seeAlso, (std::vector<std::string>{"Perlit"}));
    EXPECT_EQ(g.terms()[0].text, "Kubisch raumzentriert.");
}

TEST(GlossaryOrder, GermanDictionaryOrder) {
    const Glossary g = Glossary::parse(
        "= Zementit\nx\n= Ätzen\nx\n= Abbe\nx\n= Austenit\nx\n= Öl\nx\n= Objektiv\nx\n= Maße\nx\n= Masse\nx\n= Ü\nx\n= U\nx\n= ätzen2\nx\n");
    EXPECT_EQ(names(g, g.search("")), (std::vector<std::string>{"Abbe", "Ätzen", "ätzen2", "Austenit", "Masse", "Maße",
                                                                "Objektiv", "Öl", "U", "Ü", "Zementit"}));
    // The whole built-in list is in that order.
    const auto& t = Glossary::builtIn().terms();
    for (size_t i = 1; i < t.size(); ++i) EXPECT_TRUE(study::dictionaryLess(t[i - 1].name, t[i].name)) << t[i].name;
}

TEST(GlossarySearch, CaseAndUmlautsIgnoredInsideWords) {
    const Glossary& g = Glossary::builtIn();
    const auto hits = [&](const char* q) { return names(g, g.search(q)); };
    for (const char* q : {"Sekundär", "sekundar", "SEKUNDAER", "kundär"}) {
        const std::vector<std::string> h = hits(q);
        EXPECT_NE(std::find(h.begin(), h.end(), "Sekundärelektronen"), h.end()) << q;
    }
    EXPECT_EQ(hits("rück"), hits("RUECK"));
    EXPECT_EQ(hits("   "), hits(""));
    EXPECT_TRUE(hits("xyzzy").empty());
    EXPECT_EQ(g.find("rückstreuelektronen"), g.find("Rückstreuelektronen"));
    EXPECT_GE(g.find("Rückstreuelektronen"), 0);
}

TEST(GlossaryWindow, EveryWindowLinkOpensItsWindowFromWhereverTheUserIs) {
    Started s(800, 600);
    s.menu("TFormHaupt", "Programmstarten1");
    s.menu("TFormMetallo", "Glossar1");
    TFormGlossar& g = s.get<TFormGlossar>();
    ASSERT_TRUE(g.visible());
    EXPECT_TRUE(s.form("TFormMetallo").enabled()) << "the glossary stands beside the overview";
    std::set<std::string> windows;
    for (const study::Term& t : g.glossary.terms()) windows.insert(t.windows.begin(), t.windows.end());
    ASSERT_GT(windows.size(), 50u);
    for (const std::string& w : windows) {
        // From the glossary, with the last window still open above the overview.
        EXPECT_TRUE(app::openFromGlossary(s.app, w)) << w;
        EXPECT_TRUE(s.form(w.c_str()).visible()) << w;
        EXPECT_TRUE(s.form(w.c_str()).enabled()) << w;
    }
}

TEST(GlossaryWindow, TheStudentsWayThroughTheKeyboardAndF1) {
    Started s;
    std::ostringstream out, err;
    const int status = app::runScript(s.app, s.backend,
                                      "menu TFormHaupt Programmstarten1\n"
                                      "menu TFormMetallo Glossar1\n"
                                      "type TFormGlossar rück\n"
                                      "keys TFormGlossar down\n"
                                      "values TFormGlossar\n"
                                      "keys TFormGlossar enter tab tab tab tab enter\n"
                                      "keys TFormREMBSEEin f1\n"
                                      "values TFormGlossar\n",
                                      out, err);
    EXPECT_EQ(status, 0) << err.str();
    const TFormGlossar& g = s.get<TFormGlossar>();
    const std::string begriffe = std::to_string(g.glossary.terms().size());
    const std::vector<int> bse = g.glossary.termsOfWindow("TFormREMBSEEin");
    EXPECT_EQ(out.str(), "begriffe\t" + begriffe + "\ntreffer\t1\nbegriff\tRückstreuelektronen\n" + "begriffe\t" + begriffe +
                             "\ntreffer\t" + std::to_string(bse.size()) + "\nbegriff\t" +
                             g.glossary.terms()[static_cast<size_t>(bse.front())].name + "\n");
    EXPECT_TRUE(s.form("TFormREMBSEEin").visible());
    EXPECT_TRUE(g.active());
    EXPECT_EQ(g.activeControl(), &g.ListBoxBegriffe);
    // Esc closes the glossary and hands back to the window below.
    app::runScript(s.app, s.backend, "keys TFormGlossar esc\n", out, err);
    EXPECT_FALSE(g.visible());
    EXPECT_TRUE(s.form("TFormREMBSEEin").active());
}

TEST(GlossaryWindow, OpensAtATermByNameAndSaysWhenThereIsNone) {
    Started s;
    EXPECT_EQ(app::openWindow(s.app, "TFormGlossar:rückstreuelektronen"), "");
    const TFormGlossar& g = s.get<TFormGlossar>();
    EXPECT_TRUE(g.visible());
    EXPECT_EQ(g.LabelBegriff.caption(), "Rückstreuelektronen");
    EXPECT_NE(app::openWindow(s.app, "TFormGlossar:Quark"), "");
    EXPECT_EQ(g.LabelBegriff.caption(), "Rückstreuelektronen");
    // F1 in the overview (a window without terms of its own) lists them all.
    s.app.keyDown(s.form("TFormMetallo"), ui::vk::F1);
    EXPECT_EQ(g.Shown.size(), g.glossary.terms().size());
}


TEST(ScriptControls, MalformedLinesAndChangesThatCannotBeMade) {
    const std::pair<std::string, std::string> malformed[] = {
        {"set TFormGlossar Nichts 1", "line 1: unknown control 'Nichts' in TFormGlossar\n"},
        {"set TFormGlossar ButtonSchliessen 1", "line 1: ButtonSchliessen is a Button and has no value to set\n"},
        {"set TFormGlossar ListBoxBegriffe", "line 1: set needs a value\n"},
        {"press TFormGlossar EditSuche", "line 1: EditSuche is no button, check box or link\n"},
        {"keys TFormGlossar tab hyper+q", "line 1: unknown key 'hyper+q'\n"},
        {"wheel TFormGlossar 1 2 0", "line 1: wheel needs notches from -100 to 100, not 0\n"},
        {"drag TFormGlossar 1 2 3", "line 1: 'drag' takes 5 argument(s)\n"},
        {"type TFormGlossar", "line 1: type needs a text\n"},
        {"controls", "line 1: missing window name\n"},
    };
    for (const auto& [line, message] : malformed) {
        Started s;
        const Outcome r = run(s, line + "\n");
        EXPECT_EQ(r.status, 2) << line;
        EXPECT_EQ(r.err, message);
    }
    Started s;
    const Outcome hidden = run(s, "set TFormGlossar EditSuche Ferrit\npress TFormGlossar ButtonSchliessen\n");
    EXPECT_EQ(hidden.status, 0);
    EXPECT_EQ(hidden.out,
              "line 1: set in TFormGlossar has no effect: the window is not shown\n"
              "line 2: press in TFormGlossar has no effect: the window is not shown\n");
    const Outcome r = run(s, "menu TFormHaupt Programmstarten1\nmenu TFormMetallo Glossar1\n"
                             "set TFormGlossar ListBoxBegriffe Quark\nset TFormGlossar EditSuche   zwei  Blanks \n"
                             "controls TFormGlossar\n");
    EXPECT_NE(r.out.find("line 3: set in TFormGlossar has no effect: 'Quark' is no item of ListBoxBegriffe"), std::string::npos);
    // The rest of the line, blanks included, and one line per control in tab order.
    EXPECT_NE(r.out.find("EditSuche\tEdit\t\t  zwei  Blanks \t1\t1\t"), std::string::npos) << r.out;
    EXPECT_LT(r.out.find("EditSuche\t"), r.out.find("ListBoxBegriffe\t"));
    EXPECT_LT(r.out.find("LinkAnsehen6\t"), r.out.find("ButtonSchliessen\t"));
}

}  // namespace

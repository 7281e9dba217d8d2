// The windows' text alternatives: a description for every window of the program, the
// descriptions file's format, and what a screen reader and a script get for a window.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "ProgramFixture.h"
#include "app/TextAlternative.h"
#include "app/WindowDescriptions.h"
#include "app/WindowList.h"
#include "frame/TextPage.h"

namespace {

using app::WindowDescriptions;

TEST(WindowDescriptions, EveryWindowHasItsOwnAndNoneNamesAnUnknownWindow) {
    const WindowDescriptions& d = app::windowDescriptions();
    EXPECT_TRUE(d.problems.empty()) << d.problems.front();
    for (const app::WindowEntry& e : app::windowList()) {
        const std::string_view text = d.find(e.className);
        EXPECT_FALSE(text.empty()) << e.className << " has no description in assets/descriptions/beschreibungen.txt";
        // A few sentences: more than a caption, less than a page.
        if (!text.empty()) {
            EXPECT_GE(text.size(), 150u) << e.className;
            EXPECT_LE(text.size(), 1200u) << e.className;
        }
    }
    std::set<std::string> seen;
    for (const auto& [name, text] : d.entries) {
        EXPECT_NE(app::findEntry(name), nullptr) << "the description of " << name << " names no window of the program";
        EXPECT_TRUE(seen.insert(text).second) << name << " repeats another window's description";
    }
}

TEST(WindowDescriptions, ParserJoinsLinesAndReportsWhatIsWrong) {
    const WindowDescriptions d = WindowDescriptions::parse(
        "# Kommentar\nvorab\n= TFormA\n  Erste Zeile,\r\n\nzweite Zeile.  \n= TFormA\nNoch einmal.\n= TFormLeer\n"
        "# nur ein Kommentar\n=\nohne Namen\n= Zwei Wörter\nText.\n");
    ASSERT_GE(d.entries.size(), 2u);
    EXPECT_EQ(d.entries[0].first, "TFormA");
    EXPECT_EQ(d.entries[0].second, "Erste Zeile, zweite Zeile.");
    EXPECT_EQ(d.find("TFormA"), "Erste Zeile, zweite Zeile.") << "the first of two entries counts";
    EXPECT_EQ(d.find("TFormB"), "");
    const std::vector<std::string> expected{
        "Zeile 2: Text vor dem ersten \"= Klassenname\"", "Zeile 7: TFormA ist schon beschrieben",
        "Zeile 11: nach \"=\" steht kein Klassenname", "Zeile 13: nach \"=\" steht kein Klassenname",
        "TFormLeer: die Beschreibung ist leer"};
    EXPECT_EQ(d.problems, expected);
}

// Caption, description, then a text page's lines as they stand on the page, top to bottom;
// the script's describe prints the same, one part to a line.
TEST(TextAlternative, CaptionDescriptionAndTheLinesOfATextPageTopToBottom) {
    Started s;
    int pages = 0;
    for (const app::WindowEntry& e : app::windowList()) {
        const ui::Form& f = s.form(e.className);
        const app::TextAlternative t = app::textAlternative(f);
        EXPECT_EQ(t.caption, f.caption());
        EXPECT_EQ(t.description, app::windowDescriptions().find(e.className));
        const auto* page = dynamic_cast<const frame::TextPage*>(&f);
        if (!page) {
            EXPECT_TRUE(t.lines.empty()) << e.className;
            continue;
        }
        ++pages;
        ASSERT_EQ(t.lines.size(), page->lines().size()) << e.className;
        // Where each line stands on the panel, read back from the pixels' order: every line
        // of the alternative stands no higher than the one before it.
        const frame::Scale sc = page->scale();
        auto rowOf = [&](const std::string& text) {
            for (const frame::TextLine& l : page->lines())
                if (text == l.text) return l.pixelY ? frame::Round(l.y) : sc.Y(l.y);
            return -1;
        };
        for (size_t i = 1; i < t.lines.size(); ++i)
            EXPECT_LE(rowOf(t.lines[i - 1]), rowOf(t.lines[i])) << e.className << ": " << t.lines[i];
    }
    EXPECT_GE(pages, 15);

    const Outcome r = run(s, "describe TFormMakroAuf\ndescribe TFormREMRaster\n");
    ASSERT_EQ(r.status, 0) << r.err;
    std::istringstream out(r.out);
    std::vector<std::string> lines;
    for (std::string l; std::getline(out, l);) lines.push_back(l);
    const auto& auf = dynamic_cast<const frame::TextPage&>(s.form("TFormMakroAuf"));
    ASSERT_EQ(lines.size(), 2 + auf.lines().size() + 2);
    EXPECT_EQ(lines[0], s.form("TFormMakroAuf").caption());
    EXPECT_EQ(lines[1], app::windowDescriptions().find("TFormMakroAuf"));
    // The page draws its heading at a fixed pixel row, listed among the others: it still comes first.
    EXPECT_EQ(lines[2], "Makroskopische Betrachtung und Bildaufnahmen mit dem Streomikroskop:");
    EXPECT_EQ(lines[lines.size() - 2], s.form("TFormREMRaster").caption());
    EXPECT_EQ(lines.back(), app::windowDescriptions().find("TFormREMRaster"));
    EXPECT_EQ(run(s, "describe TFormNichts\n").err, "line 1: unknown window 'TFormNichts'\n");
}

// The script's open goes the user's way from what is open; a window whose opener a modal
// window covers stays closed and the line says so.
TEST(TextAlternative, ScriptOpensAWindowAsTheUserReachesIt) {
    Started s;
    Outcome r = run(s, "open TFormAvTMisch\n");
    EXPECT_EQ(r.out, "");
    EXPECT_TRUE(s.form("TFormAvTMisch").visible());
    EXPECT_TRUE(s.form("TFormREMAvT").visible()) << "the fracture picture opens from the curves' window";
    r = run(s, "open TFormREMEDX\n");
    EXPECT_EQ(r.out, "line 1: metallographie: das Fenster TFormREMEDX lässt sich jetzt nicht öffnen\n");
    EXPECT_FALSE(s.form("TFormREMEDX").visible());
    r = run(s, "key TFormAvTMisch esc\nkey TFormREMAvT esc\nopen TFormREMEDX\n");
    EXPECT_EQ(r.out, "");
    EXPECT_TRUE(s.form("TFormREMEDX").visible());
}

}  // namespace

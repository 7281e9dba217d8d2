// Texts that fit: the windows whose texts ran out of their boxes while "MS Sans Serif" was
// drawn at the exact requested height, opened as the reference pictures open them, at
// 800x600 and 1024x768. Each text is measured by the pixels its glyphs put into the
// window's picture, including those a box or the window edge cut off.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ProgramFixture.h"
#include "frame/TopicForm.h"
#include "ui/text/TextEngine.h"

namespace {

using ui::Rect;

// Where a text must stay.
enum class Bound {
    FramedBox,     // inside the outline of the paint box it is drawn into
    Window,        // inside the box it is drawn into, a client-aligned one: the window
    LeftOfResin,   // left of the mould's wall at x = 200 design units (the resin's edge)
    BesidePhotos,  // not under a shown photograph of the window
    Readable,      // at least the face's smallest cell height, 13 pixels
};

struct Row {
    const char* window;
    std::vector<std::vector<const char*>> steps;  // menu FORM ITEM, or advance MS
    std::vector<const char*> texts;
    Bound bound;
};

const std::vector<Row>& rows() {
    static const std::vector<Row> r = {
        {"TFormGPG",
         {{"TFormHaupt", "Programmstarten1"}, {"TFormMetallo", "BedeutungdesGefges1"}},
         {"Chemische Zusammensetzung", "technologischen Werkstoffprüfung"},
         Bound::FramedBox},
        {"TFormPPSchritte",  // wide, then narrow beside a step window
         {{"TFormHaupt", "Programmstarten1"}, {"TFormMetallo", "ArbeitsschrittederProbenprparation1"},
          {"TFormPPSchritte", "Trennen"}},
         {"Präparationsschritte zur Herstellung eines metallographischen Schliffes"},
         Bound::FramedBox},
        {"TFormPPol",
         {{"TFormHaupt", "Programmstarten1"}, {"TFormMetallo", "ArbeitsschrittederProbenprparation1"},
          {"TFormPPSchritte", "Polieren1"}, {"TFormPPol", "start1"}, {"1000"}},
         {"z.B. Tonerde oder Diamantsuspension"},
         Bound::Window},
        {"TFormDetSch",
         {{"TFormHaupt", "Programmstarten1"}, {"TFormMetallo", "SiliziumDetektorschematisch1"},
          {"TFormDetSch", "extjanein1"}},
         {"Die Röntgenstrahlung erzeugt eine energieproportionale Anzahl von Elektron-Loch-Paaren.",
          "Hauptverstärker verstärkt, anschließend in einem Analog-Digital-Wandler digitalisiert und"},
         Bound::FramedBox},
        {"TFormREMEW",
         {{"TFormHaupt", "Programmstarten1"},
          {"TFormMetallo", "WechselwirkungenzwischendemElektronenstrahlundderMaterie1"}},
         {"Materialoberfläche"},
         Bound::Window},
        {"TFormREMEWK",
         {{"TFormHaupt", "Programmstarten1"}, {"TFormMetallo", "SEDetektor1"}, {"TFormREMSE", "Wechselwirkung1"}},
         {"1s", "2s", "2p", "3s", "3p"},
         Bound::Readable},
        {"TFormPEin",
         {{"TFormHaupt", "Programmstarten1"}, {"TFormMetallo", "ArbeitsschrittederProbenprparation1"},
          {"TFormPPSchritte", "Einfassen"}, {"TFormPEin", "start"}, {"5000"}},
         {"Eingießen der Probe mit", "einem gießfähigen", "organischen Einbettmittel"},
         Bound::LeftOfResin},
        {"TFormPKontrast",
         {{"TFormHaupt", "Programmstarten1"}, {"TFormMetallo", "ArbeitsschrittederProbenprparation1"},
          {"TFormPPSchritte", "Kontrastierung1"}, {"TFormPKontrast", "start"}},
         {"Sichtbarmachung des Gefüges mittels Ätzverfahren", "Geätzte Probe", "Ätzmittel", "\"V2A-Beize\"",
          "Polierte Probe", "Austenitische", "Schweißverbindung"},
         Bound::BesidePhotos},
        {"TFormSLicht",
         {{"TFormHaupt", "Programmstarten1"}, {"TFormMetallo", "StrahlenganganeinerpoliertenundgetztenProbe1"}},
         {"Für die einzelnen Gefügebestandteile entstehen unterschiedkiche Reflexionsbedingungen"},
         Bound::FramedBox},
    };
    return r;
}

std::string str(const Rect& r) {
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" + std::to_string(r.right) + "," +
           std::to_string(r.bottom) + ")";
}

// How far the ink runs out of the allowed rectangle, in pixels (0: it fits).
int beyond(const Rect& ink, const Rect& allowed) {
    return std::max({allowed.left - ink.left, ink.right - allowed.right, allowed.top - ink.top,
                     ink.bottom - allowed.bottom, 0});
}

// By how many pixels one drawn text misses its bound (0: it fits), and where.
struct Misfit {
    int px = 0;
    std::string what;
};

// The paint box a text was drawn into: the smallest one that holds its clip (a repaint
// of part of a window clips to less than the box); the client area for the window's own.
Rect boxOf(const ui::text::DrawnText& t, const ui::Form& f) {
    Rect box{0, 0, f.clientWidth(), f.clientHeight() - f.statusBarHeight()};
    long area = -1;
    for (const ui::Control* c : f.controls()) {
        if (!dynamic_cast<const ui::PaintBox*>(c) || !c->visible()) continue;
        const Rect r = c->clientRect();
        if (t.clip.left < r.left || t.clip.top < r.top || t.clip.right > r.right || t.clip.bottom > r.bottom) continue;
        if (area < 0 || long(r.width()) * r.height() < area) area = long(r.width()) * r.height(), box = r;
    }
    return box;
}

Misfit misfit(const ui::text::DrawnText& t, Bound bound, const ui::Form& f) {
    const Rect box = boxOf(t, f);
    switch (bound) {
        case Bound::FramedBox: {
            const Rect inside{box.left + 1, box.top + 1, box.right - 1, box.bottom - 1};
            return {beyond(t.ink, inside), "over the frame of its box " + str(box)};
        }
        case Bound::Window:
            return {beyond(t.ink, box), "past the window's edge " + str(box)};
        case Bound::LeftOfResin: {
            const int wall = static_cast<const frame::TopicForm&>(f).X(200);
            return {std::max(0, t.ink.right - wall), "into the resin at x " + std::to_string(wall)};
        }
        case Bound::BesidePhotos:
            for (const ui::Control* c : f.controls()) {
                if (!dynamic_cast<const ui::Image*>(c) || !c->visible()) continue;
                const Rect under = t.ink.intersected(c->clientRect());
                if (!under.empty()) return {std::min(under.width(), under.height()), "under " + c->name()};
            }
            return {};
        case Bound::Readable:
            return {std::max(0, 13 - t.cell.height()), "short of 13 px high"};
    }
    return {};
}

TEST(TextFit, TheTextsThatRanOutFitAtBothScreens) {
    for (const auto& [w, h] : {std::pair{800, 600}, std::pair{1024, 768}}) {
        for (const Row& row : rows()) {
            SCOPED_TRACE(std::string(row.window) + " at " + std::to_string(w) + "x" + std::to_string(h));
            ui::text::TextLog log;
            Started p(w, h);
            for (const auto& s : row.steps) {
                if (s.size() == 1) p.backend.advance(std::stoi(s[0]));
                else p.menu(s[0], s[1]);
            }
            const ui::Form& f = p.form(row.window);
            ASSERT_TRUE(f.visible());
            for (const char* text : row.texts) {
                int seen = 0;
                Misfit worst;
                Rect ink;
                for (const ui::text::DrawnText& t : log.texts) {
                    if (t.bitmap != &f.buffer() || t.text != text) continue;
                    ++seen;
                    if (const Misfit m = misfit(t, row.bound, f); m.px > worst.px) worst = m, ink = t.ink;
                }
                EXPECT_GT(seen, 0) << '"' << text << "\" was not drawn";
                EXPECT_EQ(worst.px, 0) << '"' << text << "\" " << worst.what << ", its ink " << str(ink);
            }
        }
    }
}

}  // namespace

// The title window: its animation timeline, the restart on repaint, its menu.
#include <gtest/gtest.h>

#include "ProgramFixture.h"
#include "app/FormHaupt.h"
#include "app/FormInfo.h"

namespace {

using app::TFormHaupt;

// The windows in the order start-up creates them, with their captions.
const std::pair<const char*, const char*> kStartup[] = {
    {"TFormHaupt", "Metallographie"},
    {"TFormREMBGes", "Rasterelektronenmikroskop: Gesamtübersicht"},
    {"TFormREMBVAk", "Rasterelektronenmikroskop: Vakuumkammer"},
    {"TFormREMBProbe", "Rasterelektronenmikroskop: Vakuumkammer mit einer Probe"},
    {"TFormREMBDet", "Rasterelektronenmikroskop: Detektoren in der Vakuumkammer"},
    {"TFormREMWechsel", "Wechselwirkungen zwischen Primärelektronenstrahl und Probe"},
    {"TFormREMCHA", "Charakteristische Röntgenstrahlen: Schematische Darstellung der Ionisation eines Probenatoms"},
    {"TFormREMCHA2", "Charakteristische Röntgenstrahlen"},
    {"TFormEWELLENL", "Wellenlängenbereiche"},
    {"TFormEDXWeg", "Energiedispersives Röntgenspektrometer"},
    {"TFormLMMikro", "Lichtmikrosopische Einrichtung"},
    {"TFormLMStereomikro", "Stereomikroskop"},
    {"TFormLMLichtmikro", "Probe unter dem Lichtmikroskop"},
    {"TFormREMRaster", "Rasterelektronenmikroskopie: Strahlengang (schematisch)"},
    {"TFormREMAvT", "Charakteristische Bruchflächen von Stählen mit dem SE-Detektor"},
    {"TFormREMEDX", "EDX-Analyse"},
    {"TFormMetallo", "Untersuchungsverfahren in der Metallographie "},
    {"TFormMakroEin", "Makroskopie: Einleitung"},
    {"TFormMakroAuf", "Makroskopie: Makroskopische Betrachtung und  Aufnahmen mittels Stereomikroskop"},
    {"TFormMakroSt1", "Korrosion an einem unlegierten Stahl"},
    {"TFormMakroSt2", "Stereomikroskopie: Korrosion an einem unlegierten Stahl"},
    {"TFormMakroSt3", "Stereomikroskopie: Korrosion an einem unlegierten Stahl"},
    {"TFormMakroCr2", "Stereomikroskopie: Belag auf einem Chromstahl"},
    {"TFormMakroCr1", "Belag auf einem ferritischen Chromstahl"},
    {"TFormMakroCr3", "Stereomikroskopie: Poröse Stellen im Belag"},
    {"TFormInfo", "Information"},
    {"TFormLMEin", "Lichtmikroskopie: Möglichkeiten und Probenpräparation"},
    {"TFormLMEin2", "Lichtmikroskopie: Grenzen der Lichtmikroskopie"},
    {"TFormREMEin", "Rasterelektronenmikroskopie: Einleitung"},
    {"TFormLMSchema", "Lichtmikroskopie: Schema des Strahlengangs in einem Auflichtmikroskop"},
    {"TFormLM45C1", "Unlegierter Vergütungsstahl CK 45"},
    {"TFormLM45C2", "Lichtmikroskopische Aufnahme: CK 45, Normalisiert"},
    {"TFormLM45C3", "Lichtmikroskopische Aufnahme: CK 45, Vergütet"},
    {"TFormLMCrNi1", "Austenitischer Chrom-Nickel-Stahl"},
    {"TFormLMCrNi2", "Lichtmikroskopische Aufnahme: X10 CrNi 17 7"},
    {"TFormLMCrNi3", "Lichtmikroskopische Aufnahme: X10 CrNi 17 7, mit Chromcarbiden"},
    {"TFormREMBSE", "Schema des Strahlengangs beim Rückstreuelektronendetektor (BSE-Detektor)"},
    {"TFormREMSE", "Schema des Strahlengangs beim Sekundärelektronendetektor (SE-Detektor)"},
    {"TFormREMSEEin", "Rasterelektronenmikroskopie: Sekundärelektronendetektor"},
    {"TFormREMBSEEin", "Rasterelektronenmikroskopie: Rückstreuelektronendetektor"},
    {"TFormREMEDXWDX", "Mikrobereichsanalyse im Rasterelektronenmikroskop mittels energie- und wellenlängendispersiver Röntgenspektroskopie"},
    {"TFormREMEDXWDXEin", "Mikrobereichsanalyse mittels Spektroskopie"},
    {"TFormREMCrNi1", "Austenitischer Chrom-Nickel-Stahl"},
    {"TFormREMCrNi2", "Elektronenmikroskopische Aufnahme: X6 CrNiMoTi 17 12 (BSE)"},
    {"TFormREMCrNi3", "Elektronenmikroskopische Aufnahme: X6 CrNiMoTi 17 12 (SE)"},
    {"TFormEDXAn", "EDX-Anwendungsgebiete"},
    {"TFormDetSch", "Aufbau eines Silizium-(Lithium) Halbleiter-Detektors (schematisch)"},
    {"TFormEDXOrd", "Röntgenenergien als Funktion der Ordnungszahl"},
    {"TFormPTrennen", "Präparationsschritt: Trennen"},
    {"TFormPEin", "Präparationsschritt: Einfassen"},
    {"TFormPKontrast", "Präparationsschritt: Kontrastierung"},
    {"TFormPPol", "Präparationsschritt: Polieren"},
    {"TFormPSchleif", "Präparationsschritt: Schleifen"},
    {"TFormPPSchritte", "Lichtmikroskopie: Präparationsschritte zur Herstellung eines metallographischen Schliffes"},
    {"TFormGPG", "Lichtmikroskopie: Gefügeeinstellung und Eigenschaften durch die Herstellungsbedingungen"},
    {"TFormSLicht", "Lichtmikroskopie: Strahlengang in einem Auflichtmikroskop an einer polierten und geätzten Probe"},
    {"TFormREMEW", "Wechselwirkungen zwischen dem Elektronenstrahl und der Materie"},
    {"TFormREMEWK", "Wechselwirkungen zwischen dem Elektronenstrahl und der Materie"},
    {"TFormAvTSpa", "Rasterelektronenmikroskopische Aufnahme: Stahl S236 Spaltbruch"},
    {"TFormAvTAus", "Rasterelektronenmikroskopische Aufnahme: Austenitischer Stahl X5 CrNi 18-10"},
    {"TFormAvTDuk", "Rasterelektronenmikroskopische Aufnahme: Stahl S236 Duktiler Bruch (Wabenbruch)"},
    {"TFormAvTMisch", "Rasterelektronenmikroskopische Aufnahme: Stahl S235 Mischbruch"},
    {"TFormLMEinrichtungen", "Lichtmikroskopie: Einrichtungen"},
    {"TFormGlossar", "Glossar"},
    {"TFormLabLicht", "Virtuelles Lichtmikroskop"},
    {"TFormLabMC", "Elektronenstreuung in der Probe (Monte-Carlo-Simulation)"},
    {"TFormLabEDX", "EDX-Spektrum einer Probe (Simulation)"},
    {"TFormSelbsttest", "Selbsttest Makroskopie"},
    {"TFormFortschritt", "Fortschritt"},
};

TEST(Startup, CreatesAllWindowsInOrderAndShowsOnlyTheTitle) {
    Started s(800, 600);
    ASSERT_EQ(s.app.forms().size(), std::size(kStartup));
    for (size_t i = 0; i < std::size(kStartup); ++i) {
        EXPECT_EQ(s.app.forms()[i]->className(), kStartup[i].first) << i;
        EXPECT_EQ(s.app.forms()[i]->caption(), kStartup[i].second) << i;
    }
    EXPECT_EQ(s.app.mainForm(), &s.form("TFormHaupt"));
    ASSERT_EQ(s.app.zOrder().size(), 1u);
    EXPECT_TRUE(s.form("TFormHaupt").active());
}

TEST(Title, CentreAndScaleAt1024) {
    Started s;
    auto& t = s.get<TFormHaupt>();
    EXPECT_EQ(t.TitleCenterX, 502);
    EXPECT_EQ(t.TitleCenterY, 334);
    EXPECT_EQ(t.ScaleX, 1.28);
    EXPECT_EQ(t.width(), 1024);
    EXPECT_EQ(t.left(), 0);
}

TEST(Title, AnimationStopsAfterExactly54TicksWithTheTitleWritten) {
    Started s;
    auto& t = s.get<TFormHaupt>();
    ASSERT_TRUE(t.TimerSTart.enabled());
    int ticks = 0;
    auto inner = t.TimerSTart.OnTimer;
    t.TimerSTart.OnTimer = [&] {
        ++ticks;
        inner();
    };
    // 1 ms ticks arrive once per 16 ms frame.
    s.backend.advance(53 * 16);
    EXPECT_EQ(ticks, 53);
    EXPECT_TRUE(t.TimerSTart.enabled());
    s.backend.advance(16);
    EXPECT_EQ(ticks, 54);
    EXPECT_FALSE(t.TimerSTart.enabled());
    EXPECT_EQ(t.RingHalfWidth[9], 46 * 7);
    EXPECT_EQ(t.RingHalfWidth[1], 54 * 7);
    EXPECT_EQ(t.RingHalfHeight[1], 54 * 4);
    s.backend.advance(1000);
    EXPECT_EQ(ticks, 54);
    // Black title text on the light-yellow ring 9 round the three line starts.
    const auto shot = s.backend.captureForm(t);
    auto blackNear = [&](int x, int y, int w, int h) {
        int n = 0;
        for (int yy = y; yy < y + h; ++yy)
            for (int xx = x; xx < x + w; ++xx) n += shot.at(xx, yy) == 0xFF000000u;
        return n;
    };
    EXPECT_GT(blackNear(368, 206, 40, 46), 30);
    EXPECT_GT(blackNear(348, 334, 40, 46), 30);
    EXPECT_GT(blackNear(272, 411, 40, 46), 30);
    EXPECT_EQ(blackNear(300, 150, 40, 40), 0);
    EXPECT_EQ(shot.at(502, 300), ui::toPixel(0x80FFFF));
}

TEST(Title, EnabledAgainWithoutResetGrowsRingsOneToEightOnceAndStops) {
    Started s;
    auto& t = s.get<TFormHaupt>();
    s.backend.advance(2000);
    ASSERT_FALSE(t.TimerSTart.enabled());
    const int ring1 = t.RingHalfWidth[1], ring9 = t.RingHalfWidth[9];
    t.TimerSTart.setEnabled(true);
    s.backend.advance(16);
    EXPECT_EQ(t.RingHalfWidth[1], ring1 + 7);
    EXPECT_EQ(t.RingHalfWidth[8], 47 * 7 + 7);
    EXPECT_EQ(t.RingHalfWidth[9], ring9);
    EXPECT_FALSE(t.TimerSTart.enabled());
}

TEST(Title, ClosingTheOverviewReplaysTheAnimationFromTheCentre) {
    Started s;
    auto& t = s.get<TFormHaupt>();
    s.backend.advance(2000);
    s.menu("TFormHaupt", "Programmstarten1");
    EXPECT_TRUE(s.form("TFormMetallo").visible());
    EXPECT_FALSE(t.enabled());
    // The restart happened, and the hidden animation runs on to its end under the overview.
    s.backend.advance(2000);
    EXPECT_FALSE(t.TimerSTart.enabled());
    EXPECT_TRUE(s.backend.pressEscape(s.form("TFormMetallo")));
    EXPECT_FALSE(s.form("TFormMetallo").visible());
    EXPECT_TRUE(t.enabled());
    EXPECT_TRUE(t.active());
    EXPECT_TRUE(t.TimerSTart.enabled());
    EXPECT_EQ(t.RingHalfWidth[1], 0);  // the uncovered window repainted and reset the rings
    s.backend.advance(16);
    EXPECT_EQ(t.RingHalfWidth[1], 7);
}

TEST(Title, InformationWindowOpensModallyAndEscClosesOnlyIt) {
    Started s(800, 600);
    s.menu("TFormHaupt", "Info1");
    auto& info = s.get<app::TFormInfo>();
    EXPECT_TRUE(info.visible());
    EXPECT_TRUE(info.modal());
    EXPECT_EQ(info.left(), 0);
    EXPECT_EQ(info.top(), 50);
    EXPECT_EQ(info.PanelInfo.width(), 750);
    EXPECT_EQ(info.PanelInfo.font.height, 16);  // 20 at the layout's 120 pixels per inch
    EXPECT_EQ(info.Label4.left(), 391);
    EXPECT_NE(info.Label5.caption().find("Dezember 2026"), std::string::npos);
    EXPECT_TRUE(s.backend.pressEscape(info));
    EXPECT_FALSE(info.visible());
    EXPECT_FALSE(s.app.terminated());
}

TEST(Title, EscEndsTheProgram) {
    Started s;
    EXPECT_TRUE(s.backend.pressEscape(s.form("TFormHaupt")));
    EXPECT_TRUE(s.app.terminated());
    EXPECT_EQ(s.backend.quitStatus(), 0);
}

}  // namespace

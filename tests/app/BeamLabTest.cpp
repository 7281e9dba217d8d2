// The electron-beam windows as a user drives them: entries refused with a German line and no
// change, Stopp at once, the same state at the same program time on every run, and `save`.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "ProgramFixture.h"
#include "chapters/labs/FormLabEDX.h"
#include "chapters/labs/FormLabMC.h"
#include "physics/Emsa.h"

using chapters::TFormLabEDX;
using chapters::TFormLabMC;

namespace {
std::string valuesOf(Started& s, const char* form) { return run(s, std::string("values ") + form).out; }

std::string value(Started& s, const char* form, const std::string& name) {
    std::istringstream in(valuesOf(s, form));
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(name + "\t", 0) == 0) return line.substr(name.size() + 1);
    return "";
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string temporaryName(const char* suffix) {
    return testing::TempDir() + "beamlab-" + std::to_string(getpid()) + suffix;
}
}  // namespace

TEST(BeamLab, WrongEntriesGetAGermanLineAndChangeNothing) {
    Started s(800, 600);
    s.menu("TFormHaupt", "Programmstarten1");
    s.menu("TFormMetallo", "LabMC1");
    auto& mc = s.get<TFormLabMC>();
    struct Entry {
        const char* control;
        const char* text;
        const char* says;
    };
    for (const Entry e : {Entry{"EditElektronen", "5", "Elektronen: bitte eine ganze Zahl von 10 bis 1 000 000"},
                          Entry{"EditElektronen", "2000000", "Elektronen: bitte"}, Entry{"EditElektronen", "1e4", "Elektronen: bitte"},
                          Entry{"EditStartwert", "-3", "Startwert: bitte"}}) {
        ASSERT_EQ(run(s, std::string("set TFormLabMC ") + e.control + " " + e.text).status, 0);
        ASSERT_EQ(run(s, "press TFormLabMC ButtonStart\nadvance 500").status, 0);
        EXPECT_NE(mc.StatusBar1.text().find(e.says), std::string::npos) << e.text << ": " << mc.StatusBar1.text();
        EXPECT_EQ(value(s, "TFormLabMC", "elektronen"), "0") << e.text;
        EXPECT_FALSE(mc.TimerRechnen.enabled());
        run(s, "set TFormLabMC EditElektronen 2000\nset TFormLabMC EditStartwert 1");
    }
    // "10 000" with a blank between the thousands is a number.
    ASSERT_EQ(run(s, "set TFormLabMC EditElektronen 10 000\npress TFormLabMC ButtonStart\nadvance 100").status, 0);
    EXPECT_NE(value(s, "TFormLabMC", "elektronen"), "0");

    s.menu("TFormMetallo", "LabEDX1");
    auto& edx = s.get<TFormLabEDX>();
    for (const Entry e : {Entry{"EditZusammensetzung", "Fe 70 Xy 20", "\"Xy\" ist kein bekanntes Element"},
                          Entry{"EditMesszeit", "0", "Messzeit: bitte"}, Entry{"EditStrom", "viel", "Strahlstrom: bitte"}}) {
        ASSERT_EQ(run(s, std::string("set TFormLabEDX ") + e.control + " " + e.text).status, 0);
        ASSERT_EQ(run(s, "press TFormLabEDX ButtonStart\nadvance 500").status, 0);
        EXPECT_NE(edx.StatusBar1.text().find(e.says), std::string::npos) << e.text << ": " << edx.StatusBar1.text();
        EXPECT_EQ(value(s, "TFormLabEDX", "impulse"), "0") << e.text;
        run(s, "set TFormLabEDX ComboBoxProbe X5CrNi18-10\nset TFormLabEDX EditMesszeit 60\nset TFormLabEDX EditStrom 1");
    }
    // A composition of one's own is measured as typed.
    ASSERT_EQ(run(s, "set TFormLabEDX EditZusammensetzung Cu 60 Zn 40\npress TFormLabEDX ButtonStart\nadvance 10100").status, 0);
    EXPECT_EQ(edx.ComboBoxProbe.text(), "Eigene Zusammensetzung");
    const std::string v = valuesOf(s, "TFormLabEDX");
    EXPECT_NE(v.find("peak\tZn Kα"), std::string::npos) << v;
    EXPECT_EQ(v.find("Fe K"), std::string::npos) << v;
}

TEST(BeamLab, StoppHaltsAtOnceAndStartGoesOn) {
    Started s(800, 600);
    s.menu("TFormHaupt", "Programmstarten1");
    s.menu("TFormMetallo", "LabMC1");
    ASSERT_EQ(run(s, "press TFormLabMC ButtonStart\nadvance 200\npress TFormLabMC ButtonStopp").status, 0);
    const std::string stopped = valuesOf(s, "TFormLabMC");
    EXPECT_NE(value(s, "TFormLabMC", "elektronen"), "0");
    run(s, "advance 2000");
    EXPECT_EQ(valuesOf(s, "TFormLabMC"), stopped);
    run(s, "press TFormLabMC ButtonStart\nadvance 10000");
    EXPECT_EQ(value(s, "TFormLabMC", "elektronen"), "2000");
    EXPECT_EQ(value(s, "TFormLabMC", "fertig"), "1");
    // Neu empties the results; the same for the spectrum.
    run(s, "press TFormLabMC ButtonNeu");
    EXPECT_EQ(value(s, "TFormLabMC", "elektronen"), "0");
    s.menu("TFormMetallo", "LabEDX1");
    run(s, "press TFormLabEDX ButtonStart\nadvance 1000\npress TFormLabEDX ButtonStopp");
    const std::string counts = value(s, "TFormLabEDX", "impulse");
    run(s, "advance 3000");
    EXPECT_EQ(value(s, "TFormLabEDX", "impulse"), counts);
    EXPECT_EQ(value(s, "TFormLabEDX", "messzeit_s"), "6.00");  // 20 ticks of a tenth of a second
    run(s, "press TFormLabEDX ButtonStart\nadvance 10000");
    EXPECT_EQ(value(s, "TFormLabEDX", "messzeit_s"), "60.00");
}

// Two runs of the program, the same steps: the same figures and pixels at the same moments.
TEST(BeamLab, SameProgramTimeSameStateOnEveryRun) {
    auto session = [](std::string& figures, ui::raster::Bitmap& mc, ui::raster::Bitmap& edx) {
        Started s(1024, 768);
        s.menu("TFormHaupt", "Programmstarten1");
        s.menu("TFormMetallo", "LabMC1");
        run(s, "set TFormLabMC ComboBoxProbe Gold 50 nm auf Silicium\nset TFormLabMC TrackBarNeigung 30\n"
               "press TFormLabMC ButtonStart\nadvance 700");
        s.menu("TFormMetallo", "LabEDX1");
        run(s, "press TFormLabEDX ButtonStart\nadvance 1234");
        figures = valuesOf(s, "TFormLabMC") + valuesOf(s, "TFormLabEDX");
        mc = s.backend.captureForm(s.form("TFormLabMC"));
        edx = s.backend.captureForm(s.form("TFormLabEDX"));
    };
    std::string a, b;
    ui::raster::Bitmap mcA, mcB, edxA, edxB;
    session(a, mcA, edxA);
    session(b, mcB, edxB);
    EXPECT_EQ(a, b);
    EXPECT_TRUE(mcA == mcB);
    EXPECT_TRUE(edxA == edxB);
    EXPECT_NE(a.find("fertig\t0"), std::string::npos) << a;  // still running: the moment matters
}

TEST(BeamLab, SaveWritesTheSpectrumAndTheFiguresAndRefusesWhatItCannot) {
    Started s(800, 600);
    s.menu("TFormHaupt", "Programmstarten1");
    s.menu("TFormMetallo", "LabEDX1");
    s.menu("TFormMetallo", "LabMC1");
    const std::string msa = temporaryName(".msa"), csv = temporaryName(".csv");
    ASSERT_EQ(run(s, "press TFormLabEDX ButtonStart\nadvance 10100\nsave TFormLabEDX " + msa).status, 0);
    physics::EmsaSpectrum e;
    ASSERT_TRUE(physics::readEmsa(readFile(msa), e));
    EXPECT_EQ(e.counts, s.get<TFormLabEDX>().Acquisition->counts());
    EXPECT_DOUBLE_EQ(e.beamKeV, 20);
    EXPECT_DOUBLE_EQ(e.liveTimeS, 60);
    EXPECT_EQ(e.title, "EDX-Spektrum X5CrNi18-10, 20 kV");
    ASSERT_EQ(run(s, "press TFormLabMC ButtonStart\nadvance 5000\nsave TFormLabMC " + csv).status, 0);
    const std::string table = readFile(csv);
    EXPECT_NE(table.find("eta," + value(s, "TFormLabMC", "eta") + "\n"), std::string::npos) << table;
    EXPECT_NE(table.find("tiefe_von_um,tiefe_bis_um,elektronen\n0.0000,"), std::string::npos);
    std::remove(msa.c_str());
    std::remove(csv.c_str());
    // A window without anything to save, and a folder as the file.
    const Outcome nothing = run(s, "save TFormMetallo x.msa");
    EXPECT_EQ(nothing.status, 2);
    EXPECT_NE(nothing.err.find("TFormMetallo has nothing to save"), std::string::npos) << nothing.err;
    const Outcome folder = run(s, "save TFormLabEDX " + testing::TempDir());
    EXPECT_EQ(folder.status, 1);
    EXPECT_NE(folder.err.find("not a regular file"), std::string::npos) << folder.err;
}

// The headless command language.
#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <sstream>
#include <unistd.h>

#include "ProgramFixture.h"
#include "app/CommandLine.h"
#include "app/Script.h"
#include "ui/Png.h"

namespace {


TEST(Script, MalformedLinesStopEverythingBeforeItRuns) {
    const std::string png = testing::TempDir() + "/never.png";
    const std::pair<std::string, std::string> cases[] = {
        {"frobnicate", "line 2: unknown command 'frobnicate'\n"},
        {"menu TFormNichts Ende1", "line 2: unknown window 'TFormNichts'\n"},
        {"menu TFormHaupt Nichts1", "line 2: unknown menu item 'Nichts1' in TFormHaupt\n"},
        {"advance zehn", "line 2: advance needs milliseconds from 0 to 86400000\n"},
        {"advance -5", "line 2: advance needs milliseconds from 0 to 86400000\n"},
        {"click TFormHaupt 10", "line 2: 'click' takes 3 argument(s)\n"},
        {"click TFormHaupt 10 y", "line 2: click needs integer coordinates from -2147483648 to 2147483647\n"},
        {"key TFormHaupt enter", "line 2: unknown key 'enter' (only esc)\n"},
        {"print", "line 2: 'print' takes 1 argument(s)\n"},
    };
    for (const auto& [line, message] : cases) {
        Started s;
        std::filesystem::remove(png);
        const Outcome r = run(s, "capture screen " + png + "\n" + line + "\nkey TFormHaupt esc\n");
        EXPECT_EQ(r.status, 2) << line;
        EXPECT_EQ(r.err, message);
        EXPECT_FALSE(std::filesystem::exists(png)) << line;
        EXPECT_FALSE(s.app.terminated());
    }
}

TEST(Script, CommentsBlankLinesPrintAndMenuinfo) {
    Started s(800, 600);
    const Outcome r = run(s, "# a comment\n\n  print TFormHaupt   # trailing comment\nmenuinfo TFormHaupt\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "Metallographie|0,0,800,600|client=794x557|visible=1|enabled=1|active=1\n"
              "ESC1\tESC\t0\t1\n"
              "Programmbeenden1\tProgramm &beenden\t1\t1\n"
              "Programmstarten1\t&Programm starten\t1\t1\n"
              "Info1\t&Info\t1\t1\n");
}

TEST(Script, ADisabledItemOrWindowDoesNothingAndSaysSo) {
    Started s;
    const Outcome r = run(s,
                      "menu TFormHaupt Programmstarten1\n"
                      "menu TFormMetallo Schwarz\n"
                      "menu TFormHaupt Info1\n"
                      "print TFormInfo\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("line 2: menu TFormMetallo Schwarz not chosen: the menu item is disabled"), std::string::npos);
    EXPECT_NE(r.out.find("line 3: menu TFormHaupt Info1 not chosen: the window is disabled"), std::string::npos);
    EXPECT_NE(r.out.find("Information|112,134,800,500|client=794x457|visible=0"), std::string::npos);
}

TEST(Script, CaptureWritesPicturesOfTheRightSize) {
    Started s;
    const std::string dir = testing::TempDir();
    const Outcome r = run(s, "advance 1000\ncapture TFormHaupt " + dir + "/t.png\ncapture screen " + dir + "/s.png\n");
    ASSERT_EQ(r.status, 0) << r.err;
    const auto form = ui::loadPng(dir + "/t.png"), screen = ui::loadPng(dir + "/s.png");
    EXPECT_EQ(form.width, 1018);
    EXPECT_EQ(form.height, 725);
    EXPECT_EQ(screen.width, 1024);
    EXPECT_EQ(screen.height, 768);
    const Outcome bad = run(s, "capture screen /no/such/folder/x.png\n");
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.err, "line 1: cannot write /no/such/folder/x.png: no such folder\n");
}

// Names the kernel answers for itself: a folder that is there but takes no new file, and a
// link that leads through /proc to a pipe (as /dev/stdout does) and names no path.
TEST(Script, CaptureNamesWhyTheKernelRefusesAName) {
    if (!std::filesystem::exists("/proc/self/mem")) GTEST_SKIP() << "no /proc here";
    Started s;
    const Outcome mem = run(s, "capture screen /proc/self/mem\n");
    EXPECT_EQ(mem.status, 1);
    EXPECT_EQ(mem.err, "line 1: cannot write /proc/self/mem: the folder takes no new files\n");
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    ASSERT_EQ(fcntl(fds[0], F_SETFL, O_NONBLOCK), 0);
    const std::string link = testing::TempDir() + "/pipe.png";
    std::filesystem::remove(link);
    std::filesystem::create_symlink("/proc/self/fd/" + std::to_string(fds[1]), link);
    const Outcome piped = run(s, "capture screen " + link + "\n");
    EXPECT_EQ(piped.status, 1);
    EXPECT_NE(piped.err.find(": it exists and is not a regular file\n"), std::string::npos) << piped.err;
    char byte = 0;
    EXPECT_EQ(read(fds[0], &byte, 1), -1) << "the picture went into the pipe";
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    std::filesystem::remove(link);
    close(fds[0]);
    close(fds[1]);
}

TEST(Script, AfterTheTitleClosesTheRestIsNotRun) {
    Started s;
    const Outcome r = run(s, "key TFormHaupt esc\nprint TFormHaupt\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "line 2: the program has ended; the rest is not run\n");
}

// Coordinates beyond the int range used to wrap (4294967396 clicked at 100).
TEST(Script, ClickCoordinatesOutsideTheIntRangeAreALineError) {
    for (const char* line : {"click TFormHaupt 4294967396 4294967396", "click TFormHaupt 2147483648 0",
                             "click TFormHaupt 0 -2147483649"}) {
        Started s;
        const Outcome r = run(s, std::string(line) + "\n");
        EXPECT_EQ(r.status, 2) << line;
        EXPECT_EQ(r.err, "line 1: click needs integer coordinates from -2147483648 to 2147483647\n") << line;
    }
    Started s;
    const Outcome edge = run(s, "click TFormHaupt 2147483647 -2147483648\nprint TFormHaupt\n");
    EXPECT_EQ(edge.status, 0) << edge.err;
}

// A message quotes at most 80 characters of what was typed (a 10 MB word used to be
// written back whole).
TEST(Script, MessagesCutWhatTheyQuoteAtEightyCharacters) {
    Started s;
    const std::string huge(10 * 1024 * 1024, 'x');
    const Outcome r = run(s, "print TFormHaupt\n" + huge + "\n");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "line 2: unknown command '" + std::string(80, 'x') + "…'\n");
    // Whole characters: 100 umlauts are cut after the 80th, not inside one.
    std::string umlauts;
    for (int i = 0; i < 100; ++i) umlauts += "ä";
    const Outcome u = run(s, "menu TFormHaupt " + umlauts + "\n");
    EXPECT_EQ(u.err, "line 1: unknown menu item '" + umlauts.substr(0, 160) + "…' in TFormHaupt\n");
    const Outcome exact = run(s, "menu " + std::string(80, 'y') + " Ende1\n");
    EXPECT_EQ(exact.err, "line 1: unknown window '" + std::string(80, 'y') + "'\n");
    const auto e = app::parseCommandLine(std::vector<std::string>{"--" + huge});
    EXPECT_EQ(e.status, 2);
    EXPECT_LT(e.message.size(), 200u);
}

// advance is exact (every tick runs) and never takes longer than the time it simulates,
// even with the dearest animation drawn and every hidden window's timers ticking.
TEST(Script, AdvanceTakesLessTimeThanItSimulates) {
    Started s;
    const auto start = std::chrono::steady_clock::now();
    const Outcome r = run(s, "menu TFormHaupt Programmstarten1\nmenu TFormMetallo StrahlengangbeimREM1\n"
                             "menu TFormREMRaster NeuStarten1\nadvance 120000\n");
    const auto spent = std::chrono::steady_clock::now() - start;
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(s.app.now(), 120000);
    EXPECT_LT(spent, std::chrono::seconds(120));
}

TEST(CommandLine, ArgumentsAndErrors) {
    using M = app::Options::Mode;
    EXPECT_EQ(app::parseCommandLine(std::vector<std::string>{}).mode, M::Desktop);
    auto o = app::parseCommandLine(std::vector<std::string>{"--screen", "1024x768"});
    EXPECT_EQ(o.mode, M::Desktop);
    EXPECT_EQ(o.screenWidth, 1024);
    EXPECT_EQ(o.screenHeight, 768);
    o = app::parseCommandLine(std::vector<std::string>{"--headless", "--screen=800x600", "--script", "x.txt"});
    EXPECT_EQ(o.mode, M::Headless);
    EXPECT_EQ(o.script, "x.txt");
    EXPECT_EQ(app::parseCommandLine(std::vector<std::string>{"--export", "out"}).exportDir, "out");
    EXPECT_EQ(app::parseCommandLine(std::vector<std::string>{"--help"}).status, 0);
    EXPECT_EQ(app::parseCommandLine(std::vector<std::string>{"--version"}).mode, M::Version);
    for (std::vector<std::string> bad : {std::vector<std::string>{"--screen", "100x100"}, {"--screen", "8000x4000"},
                                         {"--screen", "1024"}, {"--screen"}, {"--screen", "1024x768x2"},
                                         {"--bogus"}, {"datei.txt"}, {"--script", "x"}, {"--export"},
                                         {"--screen", "99999999999x600"}}) {
        const auto e = app::parseCommandLine(bad);
        EXPECT_EQ(e.mode, M::Error) << bad[0];
        EXPECT_EQ(e.status, 2);
        EXPECT_EQ(e.message.find('\n'), std::string::npos);
    }
    EXPECT_EQ(app::parseCommandLine(std::vector<std::string>{"--screen", "640x480"}).mode, M::Desktop);
    EXPECT_EQ(app::parseCommandLine(std::vector<std::string>{"--screen", "7680x4320"}).mode, M::Desktop);
}

}  // namespace

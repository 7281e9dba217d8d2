// Reference pictures: every window opened the way a user opens it, captured at fixed
// moments at 800x600 and 1024x768, and compared with stored checksums. A scenario file
// (*.scn) holds blocks like
//
//   [TFormREMRaster]
//   menu TFormHaupt Programmstarten1
//   menu TFormMetallo StrahlengangbeimREM1
//   shot open TFormREMRaster
//   menu TFormREMRaster NeuStarten1
//   advance 1000
//   shot running TFormREMRaster
//
// Commands: menu FORM ITEM, key FORM esc, click FORM X Y, clickon FORM CONTROL (its
// centre), activate FORM, advance MS, the control commands of the script language
// (type, keys, drag, wheel, set, press; words joined by one blank),
// show FORM (for a window whose opener is not there yet), shot NAME FORM|screen.
// Each block runs in a fresh program once per screen size; picture NAME of block B at
// 800x600 is "B.NAME@800x600". The checksums stand in the file of the same name with
// the ending .sums ("name hex" per line).
//
// A changed picture fails its test, naming it, and is written as NAME.actual.png to
// METALLO_REFERENCE_DIR (default: build/reference), next to the
// NAME.png the regeneration writes there. With METALLO_REFERENCE_UPDATE=1 nothing is
// compared: every picture is written to that folder and the .sums files are rewritten
// (scripts/reference.sh does this and makes a contact sheet).
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <algorithm>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/Program.h"
#include "app/Script.h"
#include "ui/Application.h"
#include "ui/Png.h"
#include "ui/headless/Headless.h"

namespace {

namespace fs = std::filesystem;

struct Step {
    int line;
    std::vector<std::string> words;
};

struct Scenario {
    std::string file;  // path of the .scn file
    std::string name;
    std::vector<Step> steps;
};

struct Screen {
    int w, h;
};
constexpr Screen kScreens[] = {{800, 600}, {1024, 768}};

std::vector<std::string> split(const std::string& s) {
    std::vector<std::string> out;
    std::istringstream in(s);
    std::string w;
    while (in >> w) out.push_back(w);
    return out;
}

std::vector<Scenario> loadScenarios() {
    std::vector<Scenario> all;
    std::vector<fs::path> files;
    for (const auto& e : fs::directory_iterator(METALLO_REFERENCE_SOURCE))
        if (e.path().extension() == ".scn") files.push_back(e.path());
    std::sort(files.begin(), files.end());
    for (const fs::path& f : files) {
        std::ifstream in(f);
        std::string line;
        int n = 0;
        while (std::getline(in, line)) {
            ++n;
            if (const size_t hash = line.find('#'); hash != std::string::npos) line.erase(hash);
            const auto words = split(line);
            if (words.empty()) continue;
            if (words[0].front() == '[' && words[0].back() == ']') {
                all.push_back(Scenario{f.string(), words[0].substr(1, words[0].size() - 2), {}});
                continue;
            }
            if (all.empty() || all.back().file != f.string())
                throw std::runtime_error(f.string() + ":" + std::to_string(n) + ": command before the first [block]");
            all.back().steps.push_back(Step{n, words});
        }
    }
    return all;
}

const std::vector<Scenario>& scenarios() {
    static const std::vector<Scenario> s = loadScenarios();
    return s;
}

fs::path sumsFile(const std::string& scn) { return fs::path(scn).replace_extension(".sums"); }

std::map<std::string, std::string> loadSums(const std::string& scn) {
    std::map<std::string, std::string> m;
    std::ifstream in(sumsFile(scn));
    std::string name, hex;
    while (in >> name >> hex) m[name] = hex;
    return m;
}

// FNV-1a over the size and the 24 colour bits of every pixel.
std::string checksum(const ui::raster::Bitmap& b) {
    uint64_t h = 1469598103934665603ull;
    auto mix = [&](uint32_t v) {
        for (int k = 0; k < 4; ++k) {
            h ^= (v >> (8 * k)) & 0xFF;
            h *= 1099511628211ull;
        }
    };
    mix(static_cast<uint32_t>(b.width));
    mix(static_cast<uint32_t>(b.height));
    for (uint32_t px : b.pixels) mix(px & 0xFFFFFF);
    char buf[17];
    std::snprintf(buf, sizeof buf, "%016llx", static_cast<unsigned long long>(h));
    return buf;
}

bool updating() {
    const char* u = std::getenv("METALLO_REFERENCE_UPDATE");
    return u && std::string(u) == "1";
}

fs::path pictureDir() {
    const char* d = std::getenv("METALLO_REFERENCE_DIR");
    return d && *d ? fs::path(d) : fs::path(METALLO_REFERENCE_OUTPUT);
}

// The pictures taken in update mode, per scenario file, written when the run ends.
std::map<std::string, std::map<std::string, std::string>>& taken() {
    static std::map<std::string, std::map<std::string, std::string>> t;
    return t;
}

class UpdateWriter : public ::testing::Environment {
public:
    void TearDown() override {
        if (!updating()) return;
        for (const auto& [scn, sums] : taken()) {
            // Keep the rows of blocks this run did not take (a filtered run).
            std::map<std::string, std::string> all = loadSums(scn);
            for (const auto& [name, hex] : sums) all[name] = hex;
            std::ofstream out(sumsFile(scn));
            for (const auto& [name, hex] : all) out << name << " " << hex << "\n";
        }
    }
};
const auto* const kWriter = ::testing::AddGlobalTestEnvironment(new UpdateWriter);

struct Param {
    size_t scenario;
    size_t screen;
};

void PrintTo(const Param& p, std::ostream* os) { *os << "scenario " << p.scenario << ", screen " << p.screen; }

class Reference : public ::testing::TestWithParam<Param> {};

ui::Form& formOf(ui::Application& app, const Step& s, size_t i) {
    if (i >= s.words.size()) throw std::runtime_error("line " + std::to_string(s.line) + ": missing window");
    ui::Form* f = app.findForm(s.words[i]);
    if (!f) throw std::runtime_error("line " + std::to_string(s.line) + ": no window " + s.words[i]);
    return *f;
}

TEST_P(Reference, PicturesAsStored) {
    const Scenario& sc = scenarios()[GetParam().scenario];
    const Screen screen = kScreens[GetParam().screen];
    const std::string suffix = "@" + std::to_string(screen.w) + "x" + std::to_string(screen.h);
    const std::map<std::string, std::string> expected = loadSums(sc.file);
    const fs::path dir = pictureDir();
    fs::create_directories(dir);

    ui::Application app(screen.w, screen.h);
    ui::headless::HeadlessBackend backend(app);
    app::Program program(app);
    program.start();
    app.flush();
    int shots = 0;
    for (const Step& s : sc.steps) {
        const auto& w = s.words;
        SCOPED_TRACE(sc.file + ":" + std::to_string(s.line));
        if (w[0] == "menu" && w.size() == 3) {
            EXPECT_EQ(backend.clickMenu(formOf(app, s, 1), w[2]), ui::headless::MenuResult::Done) << w[1] << " " << w[2];
        } else if (w[0] == "key" && w.size() == 3 && w[2] == "esc") {
            EXPECT_TRUE(backend.pressEscape(formOf(app, s, 1)));
        } else if (w[0] == "click" && w.size() == 4) {
            EXPECT_TRUE(backend.click(formOf(app, s, 1), std::stoi(w[2]), std::stoi(w[3])));
        } else if (w[0] == "clickon" && w.size() == 3) {
            ui::Form& f = formOf(app, s, 1);
            const ui::Control* c = f.findControl(w[2]);
            ASSERT_NE(c, nullptr) << "no control " << w[2] << " in " << w[1];
            const ui::Rect r = c->clientRect();
            EXPECT_TRUE(backend.click(f, (r.left + r.right) / 2, (r.top + r.bottom) / 2));
        } else if (w[0] == "activate" && w.size() == 2) {
            backend.activate(formOf(app, s, 1));
        } else if (w[0] == "advance" && w.size() == 2) {
            backend.advance(std::stoll(w[1]));
        } else if (w[0] == "show" && w.size() == 2) {
            formOf(app, s, 1).Show();
            app.flush();
        } else if (w[0] == "type" || w[0] == "keys" || w[0] == "drag" || w[0] == "wheel" || w[0] == "set" ||
                   w[0] == "press") {
            // The user's input on controls, as the script language gives it.
            std::string line;
            for (const std::string& word : w) line += (line.empty() ? "" : " ") + word;
            std::ostringstream out, err;
            EXPECT_EQ(app::runScript(app, backend, line, out, err), 0) << err.str();
            EXPECT_EQ(out.str(), "") << line;
        } else if (w[0] == "shot" && w.size() == 3) {
            const ui::raster::Bitmap b = w[2] == "screen" ? backend.captureScreen() : backend.captureForm(formOf(app, s, 2));
            const std::string name = sc.name + "." + w[1] + suffix;
            const std::string sum = checksum(b);
            ++shots;
            if (updating()) {
                taken()[sc.file][name] = sum;
                ASSERT_TRUE(ui::savePng(b, (dir / (name + ".png")).string())) << name;
                continue;
            }
            const auto it = expected.find(name);
            if (it == expected.end() || it->second != sum) {
                const fs::path actual = dir / (name + ".actual.png");
                ui::savePng(b, actual.string());
                ADD_FAILURE() << "picture " << name << " changed: "
                              << (it == expected.end() ? std::string("no stored checksum") : "stored " + it->second)
                              << ", now " << sum << "; written to " << actual.string();
            }
        } else {
            FAIL() << "unknown or malformed command '" << w[0] << "'";
        }
    }
    EXPECT_GT(shots, 0) << sc.name << " takes no picture";
}

std::vector<Param> params() {
    std::vector<Param> p;
    for (size_t i = 0; i < scenarios().size(); ++i)
        for (size_t k = 0; k < std::size(kScreens); ++k) p.push_back({i, k});
    return p;
}

std::string paramName(const ::testing::TestParamInfo<Param>& info) {
    const Screen s = kScreens[info.param.screen];
    return scenarios()[info.param.scenario].name + "_" + std::to_string(s.w) + "x" + std::to_string(s.h);
}

INSTANTIATE_TEST_SUITE_P(Windows, Reference, ::testing::ValuesIn(params()), paramName);

TEST(ReferenceChecksum, OneColourUnitChangesThePicturesChecksum) {
    ui::raster::Bitmap a(4, 3, 0x00112233);
    ui::raster::Bitmap b = a;
    b.pixels[7] = 0x00112234;
    EXPECT_NE(checksum(a), checksum(b));
    // The unused top byte does not count.
    ui::raster::Bitmap c = a;
    c.pixels[7] |= 0xFF000000;
    EXPECT_EQ(checksum(a), checksum(c));
    // Nor does the same pixels in another shape.
    EXPECT_NE(checksum(ui::raster::Bitmap(3, 4, 0x00112233)), checksum(a));
}

TEST(ReferenceScenarios, EveryWindowOfTheProgramIsPictured) {
    ui::Application app(800, 600);
    ui::headless::HeadlessBackend backend(app);
    app::Program program(app);
    program.start();
    std::set<std::string> shown;
    for (const Scenario& sc : scenarios())
        for (const Step& s : sc.steps)
            if (s.words[0] == "shot" && s.words.size() == 3) shown.insert(s.words[2]);
    for (ui::Form* f : app.forms()) EXPECT_EQ(shown.count(f->className()), 1u) << f->className() << " has no picture";
}

}  // namespace

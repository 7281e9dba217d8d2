#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "app/Program.h"
#include "app/Script.h"
#include "ui/headless/Headless.h"

namespace app {

// Without --screen the program lays itself out as on the larger of its two designed screens.
constexpr int kHeadlessScreenWidth = 1024;
constexpr int kHeadlessScreenHeight = 768;

int runHeadless(const Options& options) {
    std::string script;
    if (options.mode == Options::Mode::Headless) {
        if (options.script.empty() || options.script == "-") {
            script.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
        } else {
            std::ifstream in(options.script, std::ios::binary);
            if (!in) {
                std::cerr << "metallographie: cannot read the script " << options.script << "\n";
                return 2;
            }
            script.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
    }
    ui::Application application(options.hasScreen ? options.screenWidth : kHeadlessScreenWidth,
                                options.hasScreen ? options.screenHeight : kHeadlessScreenHeight);
    ui::headless::HeadlessBackend backend(application);
    Program program(application);
    program.start();
    if (options.mode == Options::Mode::Export) return exportWindows(application, backend, options.exportDir, std::cerr);
    return runScript(application, backend, script, std::cout, std::cerr);
}

}  // namespace app

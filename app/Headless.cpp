#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "app/OpenPath.h"
#include "app/Program.h"
#include "app/Script.h"
#include "ui/headless/Headless.h"

namespace app {

namespace {

// Without --screen the program lays itself out as on the larger of its two designed screens.
constexpr int kHeadlessScreenWidth = 1024;
constexpr int kHeadlessScreenHeight = 768;

// Why a file cannot be read, in the user's language.
std::string reason(int error) {
    switch (error) {
        case ENOENT: return "die Datei gibt es nicht";
        case EACCES:
        case EPERM: return "keine Leseberechtigung";
        case EISDIR: return "das ist ein Ordner";
        case ENOTDIR: return "ein Teil des Pfads ist kein Ordner";
        default: return "Systemfehler " + std::to_string(error) + " (" + std::strerror(error) + ")";
    }
}

// Reads the whole script from an open descriptor (a FIFO is read until its writer ends);
// empty when it was read, otherwise why it cannot be.
std::string readAll(int fd, std::string& text) {
    struct stat st {};
    if (fstat(fd, &st) != 0) return reason(errno);
    if (S_ISDIR(st.st_mode)) return reason(EISDIR);
    char chunk[65536];
    for (;;) {
        const ssize_t n = read(fd, chunk, sizeof chunk);
        if (n == 0) return "";
        if (n < 0) {
            if (errno == EINTR) continue;
            return reason(errno);
        }
        text.append(chunk, static_cast<size_t>(n));
    }
}

// The script of --script FILE, or of standard input for "" and "-"; empty when it was
// read, otherwise the one line that says why not.
std::string readScript(const std::string& path, std::string& text) {
    if (path.empty() || path == "-") {
        if (const std::string why = readAll(STDIN_FILENO, text); !why.empty())
            return "metallographie: die Standardeingabe lässt sich nicht als Befehlsdatei lesen: " + why;
        return "";
    }
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    std::string why = fd < 0 ? reason(errno) : readAll(fd, text);
    if (fd >= 0) close(fd);
    if (why.empty()) return "";
    return "metallographie: die Befehlsdatei " + shortened(path) + " lässt sich nicht lesen: " + why;
}

}  // namespace

int runHeadless(const Options& options) {
    std::string script;
    if (options.mode == Options::Mode::Headless) {
        if (const std::string problem = readScript(options.script, script); !problem.empty()) {
            std::cerr << problem << "\n";
            return 2;
        }
    }
    ui::Application application(options.hasScreen ? options.screenWidth : kHeadlessScreenWidth,
                                options.hasScreen ? options.screenHeight : kHeadlessScreenHeight);
    ui::headless::HeadlessBackend backend(application);
    Program program(application);
    program.start();
    if (!options.open.empty())
        if (const std::string problem = openWindow(application, options.open); !problem.empty()) std::cerr << problem << "\n";
    if (options.mode == Options::Mode::Export) return exportWindows(application, backend, options.exportDir, std::cerr);
    return runScript(application, backend, script, std::cout, std::cerr);
}

}  // namespace app

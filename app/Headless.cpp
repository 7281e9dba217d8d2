#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#include <ostream>
#include <streambuf>
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
        case ENAMETOOLONG: return "der Name ist zu lang";
        case EBADF: return "nicht geöffnet";
        default: return "Systemfehler " + std::to_string(error) + " (" + std::strerror(error) + ")";
    }
}

// A device that is no terminal would feed the program without end (/dev/zero,
// /dev/urandom) or is no script at all (a disk); /dev/null is an empty script.
bool endlessDevice(const struct stat& st, int fd) {
    if (S_ISBLK(st.st_mode)) return true;
    if (!S_ISCHR(st.st_mode) || isatty(fd)) return false;
    struct stat null {};
    return !(stat("/dev/null", &null) == 0 && S_ISCHR(null.st_mode) && null.st_rdev == st.st_rdev);
}

enum class Read { Done, Failed, TooLong };

// Reads the script from an open descriptor (a FIFO is read until its writer ends), at
// most kMaxScriptBytes: reading stops as soon as there is more. On Failed, `why` says why.
Read readAll(int fd, std::string& text, std::string& why) {
    struct stat st {};
    if (fstat(fd, &st) != 0) {
        why = reason(errno);
        return Read::Failed;
    }
    if (S_ISDIR(st.st_mode)) {
        why = reason(EISDIR);
        return Read::Failed;
    }
    if (endlessDevice(st, fd)) {
        why = "das ist ein Gerät, keine Datei";
        return Read::Failed;
    }
    char chunk[65536];
    while (text.size() <= kMaxScriptBytes) {
        const size_t wanted = std::min(sizeof chunk, kMaxScriptBytes + 1 - text.size());
        const ssize_t n = read(fd, chunk, wanted);
        if (n == 0) return Read::Done;
        if (n < 0) {
            if (errno == EINTR) continue;
            why = reason(errno);
            return Read::Failed;
        }
        text.append(chunk, static_cast<size_t>(n));
    }
    return Read::TooLong;
}

// The script of --script FILE, or of standard input for "" and "-"; empty when it was
// read, otherwise the one line that says why not.
std::string readScript(const std::string& path, std::string& text) {
    const bool standardInput = path.empty() || path == "-";
    const std::string what =
        standardInput ? std::string("die Standardeingabe") : "die Befehlsdatei " + shortened(path);
    std::string why;
    Read r = Read::Failed;
    if (standardInput) {
        r = readAll(STDIN_FILENO, text, why);
    } else if (const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC); fd < 0) {
        why = reason(errno);
    } else {
        r = readAll(fd, text, why);
        close(fd);
    }
    switch (r) {
        case Read::Done: return "";
        case Read::TooLong:
            text.clear();
            return scriptTooLong(what);
        case Read::Failed: break;
    }
    if (standardInput) return "metallographie: die Standardeingabe lässt sich nicht als Befehlsdatei lesen: " + why;
    return "metallographie: " + what + " lässt sich nicht lesen: " + why;
}

bool isOpen(int fd) { return fcntl(fd, F_GETFD) != -1 || errno != EBADF; }

// A standard descriptor that was closed gets /dev/null, so that no file the program opens
// (a picture being written) takes its number and receives what was meant for it.
void occupyClosedStandardDescriptors() {
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (isOpen(fd)) continue;
        const int null = open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY);
        if (null >= 0 && null != fd) {
            dup2(null, fd);
            close(null);
        }
    }
}

// The standard output of a script's results. It writes with write(2) and keeps the reason
// of the first failure (std::cout would only say that something failed); when standard
// output was closed from the start, every write fails as "not open".
class StandardOutput : public std::streambuf {
public:
    explicit StandardOutput(bool closed) : error_(closed ? EBADF : 0) { setp(buffer_, buffer_ + sizeof buffer_); }
    StandardOutput(const StandardOutput&) = delete;
    StandardOutput& operator=(const StandardOutput&) = delete;
    int error() const { return error_; }

protected:
    int_type overflow(int_type c) override {
        if (sync() != 0) return traits_type::eof();
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }

    int sync() override {
        const char* p = pbase();
        size_t left = static_cast<size_t>(pptr() - pbase());
        setp(buffer_, buffer_ + sizeof buffer_);
        if (left == 0) return 0;
        if (error_ != 0) return -1;
        while (left > 0) {
            const ssize_t n = write(STDOUT_FILENO, p, left);
            if (n < 0) {
                if (errno == EINTR) continue;
                error_ = errno;
                return -1;
            }
            p += n;
            left -= static_cast<size_t>(n);
        }
        return 0;
    }

private:
    char buffer_[8192];
    int error_ = 0;
};

}  // namespace

int runHeadless(const Options& options) {
    const bool outputClosed = !isOpen(STDOUT_FILENO);
    std::string script;
    if (options.mode == Options::Mode::Headless) {
        if (const std::string problem = readScript(options.script, script); !problem.empty()) {
            std::cerr << problem << "\n";
            return 2;
        }
    }
    occupyClosedStandardDescriptors();
    ui::Application application(options.hasScreen ? options.screenWidth : kHeadlessScreenWidth,
                                options.hasScreen ? options.screenHeight : kHeadlessScreenHeight);
    ui::headless::HeadlessBackend backend(application);
    Program program(application);
    // Without a display the progress is kept only where --state says.
    program.keepProgressIn(options.stateDir);
    program.start();
    if (!options.open.empty())
        if (const std::string problem = openWindow(application, options.open); !problem.empty()) std::cerr << problem << "\n";
    if (options.mode == Options::Mode::Export) return exportWindows(application, backend, options.exportDir, std::cerr);
    StandardOutput output(outputClosed);
    std::ostream out(&output);
    const int status = runScript(application, backend, script, out, std::cerr);
    if (output.error() != 0) {
        std::cerr << "metallographie: die Standardausgabe lässt sich nicht schreiben: "
                  << writeErrorGerman(output.error()) << "\n";
        return 1;
    }
    return status;
}

}  // namespace app

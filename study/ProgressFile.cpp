#include "study/ProgressFile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace study {

namespace {
// The largest state file read: far beyond any real one.
constexpr size_t kMaxBytes = 1 << 20;

std::string why(int error) { return std::strerror(error); }

// Makes the folder and its missing parents.
bool makeFolders(const std::string& dir) {
    for (size_t at = 1; at <= dir.size(); ++at) {
        if (at < dir.size() && dir[at] != '/') continue;
        const std::string part = dir.substr(0, at);
        if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
    }
    struct stat st {};
    return stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}
}  // namespace

std::string defaultStateDirectory() {
    if (const char* xdg = std::getenv("XDG_STATE_HOME"); xdg && xdg[0] == '/') return std::string(xdg) + "/metallographie";
    if (const char* home = std::getenv("HOME"); home && home[0] == '/') return std::string(home) + "/.local/state/metallographie";
    return "";
}

Progress loadProgress(const std::string& dir, std::string& message) {
    message.clear();
    const std::string path = dir + "/" + kProgressFile;
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        if (errno != ENOENT)
            message = "metallographie: der Fortschritt in " + path + " lässt sich nicht lesen (" + why(errno) +
                      "); es geht ohne ihn weiter";
        return Progress{};
    }
    std::string text;
    struct stat st {};
    std::string problem;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        problem = "keine gewöhnliche Datei";
    } else {
        char chunk[8192];
        for (;;) {
            const ssize_t n = read(fd, chunk, sizeof chunk);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) {
                problem = why(errno);
                break;
            }
            if (n == 0) break;
            text.append(chunk, static_cast<size_t>(n));
            if (text.size() > kMaxBytes) {
                problem = "zu groß";
                break;
            }
        }
    }
    close(fd);
    std::string reason = problem;
    std::optional<Progress> p;
    if (problem.empty()) p = Progress::parse(text, &reason);
    if (p) return *p;
    // Set aside, so that the next save does not destroy what the user may want to keep.
    const std::string aside = path + ".beiseite";
    if (std::rename(path.c_str(), aside.c_str()) == 0)
        message = "metallographie: der gespeicherte Fortschritt ist " + reason + "; er liegt jetzt in " + aside +
                  ", es geht mit leerem Fortschritt weiter";
    else
        message = "metallographie: der gespeicherte Fortschritt in " + path + " ist " + reason +
                  "; es geht mit leerem Fortschritt weiter";
    return Progress{};
}

std::string saveProgress(const std::string& dir, const Progress& progress) {
    if (dir.empty()) return "kein Ordner für den Fortschritt";
    if (!makeFolders(dir)) return "der Ordner " + dir + " lässt sich nicht anlegen (" + why(errno) + ")";
    const std::string path = dir + "/" + kProgressFile;
    const std::string temp = path + ".neu";
    const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) return temp + " lässt sich nicht schreiben (" + why(errno) + ")";
    const std::string text = progress.serialize();
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int e = errno;
            close(fd);
            unlink(temp.c_str());
            return temp + " lässt sich nicht schreiben (" + why(e) + ")";
        }
        done += static_cast<size_t>(n);
    }
    if (fsync(fd) != 0 || close(fd) != 0) {
        unlink(temp.c_str());
        return temp + " lässt sich nicht schreiben (" + why(errno) + ")";
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        const int e = errno;
        unlink(temp.c_str());
        return path + " lässt sich nicht ersetzen (" + why(e) + ")";
    }
    return "";
}

}  // namespace study

#include "desktop/Display.h"

#include <chrono>
#include <cstdlib>
#include <thread>

#include "app/CommandLine.h"

#if defined(__linux__) || defined(__FreeBSD__)
#include <dlfcn.h>
#include <sys/stat.h>
#define METALLO_X11_DESKTOP 1
#endif

namespace desktop {

namespace {
std::string env(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

// The first platform of QT_QPA_PLATFORM ("xcb;wayland", "offscreen:fontengine=…").
std::string chosenPlatform() {
    std::string p = env("QT_QPA_PLATFORM");
    const size_t end = p.find_first_of(";:");
    if (end != std::string::npos) p.resize(end);
    return p;
}

#ifdef METALLO_X11_DESKTOP
// libxcb is loaded at run time (Qt's xcb plugin needs it anyway), so the program does
// not link against X11 for this one question.
struct Xcb {
    using Connect = void* (*)(const char*, int*);
    using HasError = int (*)(void*);
    using Disconnect = void (*)(void*);
    Connect connect = nullptr;
    HasError hasError = nullptr;
    Disconnect disconnect = nullptr;

    explicit Xcb(void* lib)
        : connect(reinterpret_cast<Connect>(dlsym(lib, "xcb_connect"))),
          hasError(reinterpret_cast<HasError>(dlsym(lib, "xcb_connection_has_error"))),
          disconnect(reinterpret_cast<Disconnect>(dlsym(lib, "xcb_disconnect"))) {}
    bool usable() const { return connect && hasError && disconnect; }
};

// The socket of a display on this machine (":1", "unix:1.0", a socket path), or "".
std::string localSocket(const std::string& display) {
    const size_t colon = display.rfind(':');
    if (colon == std::string::npos) return "";
    const std::string host = display.substr(0, colon);
    if (!host.empty() && host.front() == '/') return host;
    if (!host.empty() && host != "unix") return "";
    const std::string number = display.substr(colon + 1, display.find('.', colon) - colon - 1);
    if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos) return "";
    return "/tmp/.X11-unix/X" + number;
}

bool exists(const std::string& path) {
    struct stat st;
    return !path.empty() && stat(path.c_str(), &st) == 0;
}

// An X server whose last client has just gone resets itself, which takes it a few tens
// of milliseconds; a connection that comes in at that moment is closed again. So a
// failed connection to a server whose socket is there is tried again for this long; a
// display without a server fails at once.
constexpr auto kResetGrace = std::chrono::seconds(1);
constexpr auto kRetryPause = std::chrono::milliseconds(20);
#endif
}  // namespace

DisplayCheck::DisplayCheck() {
#ifdef METALLO_X11_DESKTOP
    const std::string platform = chosenPlatform();
    const std::string x11 = env("DISPLAY"), wayland = env("WAYLAND_DISPLAY");
    const std::string hint = "; --export ORDNER arbeitet ohne Anzeige";
    bool askX = false;
    if (platform.empty()) {
        // With an X display the program runs on X11 (see choosePlatform).
        if (!x11.empty())
            askX = true;
        else if (wayland.empty())
            problem_ = "metallographie: keine Anzeige (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt)" + hint;
    } else if (platform == "xcb") {
        if (x11.empty())
            problem_ = "metallographie: keine Anzeige (DISPLAY ist nicht gesetzt)" + hint;
        else
            askX = true;
    } else if (platform.rfind("wayland", 0) == 0 && wayland.empty()) {
        problem_ = "metallographie: keine Anzeige (WAYLAND_DISPLAY ist nicht gesetzt)" + hint;
    }
    // Other platforms (offscreen, vnc, eglfs, …) need no display server.
    if (!askX) return;
    library_ = dlopen("libxcb.so.1", RTLD_NOW | RTLD_LOCAL);
    if (!library_) return;  // Qt will say what is wrong
    const Xcb xcb(library_);
    if (!xcb.usable()) return;
    const auto start = std::chrono::steady_clock::now();
    for (;;) {
        connection_ = xcb.connect(x11.c_str(), nullptr);
        if (connection_ && xcb.hasError(connection_) == 0) break;
        if (connection_) xcb.disconnect(connection_);
        connection_ = nullptr;
        if (!exists(localSocket(x11)) || std::chrono::steady_clock::now() - start > kResetGrace) {
            problem_ = "metallographie: keine Verbindung zur Anzeige " + app::shortened(x11) + " (DISPLAY)" + hint;
            break;
        }
        std::this_thread::sleep_for(kRetryPause);
    }
#endif
}

DisplayCheck::~DisplayCheck() {
#ifdef METALLO_X11_DESKTOP
    if (connection_) Xcb(library_).disconnect(connection_);
    if (library_) dlclose(library_);
#endif
}

void choosePlatform() {
#ifdef METALLO_X11_DESKTOP
    if (chosenPlatform().empty() && !env("DISPLAY").empty()) setenv("QT_QPA_PLATFORM", "xcb", 0);
#endif
}

}  // namespace desktop

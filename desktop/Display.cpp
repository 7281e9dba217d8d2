#include "desktop/Display.h"

#include <cstdlib>

#if defined(__linux__) || defined(__FreeBSD__)
#include <dlfcn.h>
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
// Tries to reach the X server through libxcb (loaded at run time: Qt's xcb plugin needs
// it anyway). Returns true when the server answers or libxcb is not there to ask.
bool xServerAnswers(const std::string& display) {
    void* lib = dlopen("libxcb.so.1", RTLD_NOW | RTLD_LOCAL);
    if (!lib) return true;
    using Connect = void* (*)(const char*, int*);
    using HasError = int (*)(void*);
    using Disconnect = void (*)(void*);
    auto connect = reinterpret_cast<Connect>(dlsym(lib, "xcb_connect"));
    auto hasError = reinterpret_cast<HasError>(dlsym(lib, "xcb_connection_has_error"));
    auto disconnect = reinterpret_cast<Disconnect>(dlsym(lib, "xcb_disconnect"));
    bool ok = true;
    if (connect && hasError && disconnect) {
        void* c = connect(display.c_str(), nullptr);
        ok = c && hasError(c) == 0;
        if (c) disconnect(c);
    }
    dlclose(lib);
    return ok;
}
#endif
}  // namespace

std::string missingDisplay() {
#ifdef METALLO_X11_DESKTOP
    const std::string platform = chosenPlatform();
    const std::string x11 = env("DISPLAY"), wayland = env("WAYLAND_DISPLAY");
    const char* hint = "; --export ORDNER arbeitet ohne Anzeige";
    auto unreachable = [&] { return "metallographie: keine Verbindung zur Anzeige " + x11 + " (DISPLAY)" + hint; };
    if (platform.empty()) {
        // With an X display the program runs on X11 (see choosePlatform).
        if (!x11.empty()) return xServerAnswers(x11) ? std::string() : unreachable();
        if (!wayland.empty()) return {};
        return std::string("metallographie: keine Anzeige (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt)") + hint;
    }
    if (platform == "xcb") {
        if (x11.empty()) return std::string("metallographie: keine Anzeige (DISPLAY ist nicht gesetzt)") + hint;
        return xServerAnswers(x11) ? std::string() : unreachable();
    }
    if (platform.rfind("wayland", 0) == 0 && wayland.empty())
        return std::string("metallographie: keine Anzeige (WAYLAND_DISPLAY ist nicht gesetzt)") + hint;
    return {};  // offscreen, vnc, eglfs, … need no display server
#else
    return {};
#endif
}

void choosePlatform() {
#ifdef METALLO_X11_DESKTOP
    if (chosenPlatform().empty() && !env("DISPLAY").empty()) setenv("QT_QPA_PLATFORM", "xcb", 0);
#endif
}

}  // namespace desktop

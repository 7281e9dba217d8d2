// The whole program, started without a display at a chosen screen size.
#pragma once

#include <memory>
#include <sstream>
#include <string>

#include "app/Program.h"
#include "app/Script.h"
#include "ui/Application.h"
#include "ui/headless/Headless.h"

struct Started {
    ui::Application app;
    ui::headless::HeadlessBackend backend{app};
    app::Program program{app};

    Started(int w = 1024, int h = 768) : app(w, h) {
        program.start();
        app.flush();
    }
    template <class T>
    T& get() {
        return *static_cast<T*>(app.findForm(T::kClassName));
    }
    ui::Form& form(const char* name) { return *app.findForm(name); }
    void menu(const char* form, const char* item) {
        ASSERT_EQ(backend.clickMenu(*app.findForm(form), item), ui::headless::MenuResult::Done) << form << " " << item;
    }
};

// What a script printed and its status.
struct Outcome {
    int status;
    std::string out;
    std::string err;
};

inline Outcome run(Started& s, const std::string& script) {
    std::ostringstream out, err;
    const int status = app::runScript(s.app, s.backend, script, out, err);
    return {status, out.str(), err.str()};
}

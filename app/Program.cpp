#include "app/Program.h"

#include "app/GlossaryLinks.h"
#include "app/WindowList.h"

namespace app {

Program::Program(ui::Application& app) : app_(app) {}

Program::~Program() {
    // The application keeps pointers to the windows; it must not deliver anything now.
    app_.setBackend(nullptr);
}

void Program::start() {
    for (const WindowEntry& e : windowList()) {
        windows_.push_back(e.make(app_));
        app_.create(*windows_.back());
    }
    connectGlossary(app_);
    windows_.front()->Show();
}

}  // namespace app

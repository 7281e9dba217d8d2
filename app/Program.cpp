#include "app/Program.h"

#include <iostream>
#include <optional>

#include "app/GlossaryLinks.h"
#include "app/StudyLinks.h"
#include "app/WindowList.h"
#include "frame/TopicForm.h"
#include "study/FormSelbsttest.h"
#include "study/ProgressFile.h"

namespace app {

Program::Program(ui::Application& app) : app_(app) {}

Program::~Program() {
    // The application keeps pointers to the windows; it must not deliver anything now.
    app_.setBackend(nullptr);
}

void Program::start() {
    while (createNextWindow()) {
    }
    finishStart();
}

bool Program::createNextWindow() {
    const std::span<const WindowEntry> list = windowList();
    if (started_ || windows_.size() == list.size()) return false;
    windows_.push_back(list[windows_.size()].make(app_));
    app_.create(*windows_.back());
    return true;
}

void Program::finishStart() {
    if (started_) return;
    while (createNextWindow()) {
    }
    started_ = true;
    connectGlossary(app_);
    connectStudy(app_, progress_, [this] {
        // A folder that cannot be written is said once, not at every window opened.
        if (!stateDir_.empty()) {
            const std::string problem = study::saveProgress(stateDir_, progress_);
            if (!problem.empty() && !saveFailed_)
                std::cerr << "metallographie: der Fortschritt lässt sich nicht speichern: " << problem << "\n";
            saveFailed_ = !problem.empty();
        }
        if (ProgressChanged) ProgressChanged();
    });
    windows_.front()->Show();
}

void Program::keepProgressIn(const std::string& dir) {
    stateDir_ = dir;
    if (dir.empty()) return;
    std::string message;
    progress_ = study::loadProgress(dir, message);
    if (!message.empty()) std::cerr << message << "\n";
}

std::string Program::setProgressText(std::string_view text) {
    std::string why;
    const std::optional<study::Progress> p = study::Progress::parse(text, &why);
    if (!p) return "der gespeicherte Fortschritt ist " + why + "; es geht mit leerem Fortschritt weiter";
    replaceProgress(*p);
    return "";
}

std::string Program::defaultProgressFolder() { return study::defaultStateDirectory(); }

void Program::seedSelfTests(unsigned seed) {
    if (auto* test = frame::findWindow<study::TFormSelbsttest>(app_)) test->Seed = seed;
}

void Program::replaceProgress(const study::Progress& p) {
    progress_ = p;
    progressReplaced(app_);
}

}  // namespace app

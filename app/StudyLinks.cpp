#include "app/StudyLinks.h"

#include <algorithm>

#include "app/GlossaryLinks.h"
#include "app/WindowList.h"
#include "frame/TopicForm.h"
#include "study/FormFortschritt.h"
#include "study/FormGlossar.h"
#include "study/FormSelbsttest.h"

namespace app {

std::vector<std::string> topicWindows() {
    static const std::vector<std::string> list = [] {
        std::vector<std::string> out;
        for (const WindowEntry& e : windowList()) {
            const std::string_view name = e.className;
            // The hands-on windows follow the chapters' windows.
            if (name == study::TFormGlossar::kClassName) break;
            if (name != "TFormHaupt" && name != "TFormMetallo" && name != "TFormInfo") out.emplace_back(name);
        }
        return out;
    }();
    return list;
}

void connectStudy(ui::Application& app, study::Progress& progress, std::function<void()> changed) {
    auto* test = frame::findWindow<study::TFormSelbsttest>(app);
    auto* view = frame::findWindow<study::TFormFortschritt>(app);
    auto* glossary = frame::findWindow<study::TFormGlossar>(app);
    auto note = [view, changed](bool didChange) {
        if (!didChange) return;
        if (view && view->visible()) view->refresh();
        if (changed) changed();
    };
    if (test) {
        test->OpenTopic = [&app](const std::string& className) { openFromGlossary(app, className); };
        test->OnFinished = [&progress, note](study::Chapter c, int percent, bool passed) {
            note(progress.testFinished(c, percent, passed));
        };
    }
    if (glossary) glossary->OnTermShown = [&progress, note](const std::string& name) { note(progress.termRead(name)); };
    if (view) {
        view->progress = &progress;
        view->TopicWindows = topicWindows();
        view->OnChange = changed;
        view->refresh();
    }
    app.OnShown = [&progress, note](ui::Form& f) {
        const std::vector<std::string>& topics = topicWindows();
        if (std::find(topics.begin(), topics.end(), f.className()) != topics.end()) note(progress.windowOpened(f.className()));
    };
}

void progressReplaced(ui::Application& app) {
    if (auto* view = frame::findWindow<study::TFormFortschritt>(app)) view->refresh();
}

}  // namespace app

#include "app/GlossaryLinks.h"

#include "app/FormMetallo.h"
#include "app/OpenPath.h"
#include "frame/TopicForm.h"
#include "study/FormGlossar.h"

namespace app {

bool openFromGlossary(ui::Application& app, const std::string& className) {
    ui::Form* target = app.findForm(className);
    if (!target) return false;
    // A window not shown, or shown but kept from input by a modal window above it.
    if (!target->visible() || !target->enabled()) {
        const TFormMetallo* overview = frame::findWindow<TFormMetallo>(app);
        // Close the modal windows above the overview that keep its menu from being used.
        for (int guard = 0; guard < 64 && overview && overview->visible() && !overview->enabled(); ++guard) {
            const std::vector<ui::Form*> stack = app.modalStack();
            if (stack.empty() || stack.back() == overview || stack.back() == app.mainForm()) break;
            stack.back()->Close();
        }
    }
    return openWindow(app, className).empty();
}

void connectGlossary(ui::Application& app) {
    auto* glossary = frame::findWindow<study::TFormGlossar>(app);
    if (!glossary) return;
    glossary->OpenTopic = [&app](const std::string& className) { openFromGlossary(app, className); };
    app.OnHelp = [glossary](ui::Form& f) {
        if (&f == glossary) {
            glossary->EditSuche.setFocus();
            return;
        }
        glossary->showTermsOf(f);
        glossary->Show();
    };
}

}  // namespace app

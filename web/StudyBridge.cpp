#include "web/StudyBridge.h"

#include <emscripten.h>

#include <optional>
#include <string>

namespace web {

namespace {
// What a learning platform keeps of one learner (cmi.suspend_data of SCORM 1.2 holds
// 4096 characters), with room to spare.
constexpr size_t kSuspendLimit = 4000;

struct Study {
    app::Program* program = nullptr;
    std::optional<std::string> pending;  // handed over before the program started
    std::string answer;
};

Study& state() {
    static Study s;
    return s;
}
}  // namespace

void attachStudy(app::Program& program) {
    Study& s = state();
    s.program = &program;
    if (s.pending)
        if (const std::string why = program.setProgressText(*s.pending); !why.empty())
            EM_ASM({ console.warn('metallographie: ' + UTF8ToString($0)); }, why.c_str());
    s.pending.reset();
    program.ProgressChanged = [] { EM_ASM({ if (window.mgStudy) window.mgStudy.changed(); }); };
}

}  // namespace web

extern "C" {

// The progress as text, short enough for a learning platform.
EMSCRIPTEN_KEEPALIVE const char* mg_progress_get() {
    web::Study& s = web::state();
    s.answer = s.program ? s.program->progressText(web::kSuspendLimit) : s.pending.value_or("");
    return s.answer.c_str();
}

// Takes a progress kept by the page; "" when it was taken (or will be, at the start),
// else why not: the page then keeps the program's own.
EMSCRIPTEN_KEEPALIVE const char* mg_progress_set(const char* text) {
    web::Study& s = web::state();
    const std::string t = text ? text : "";
    if (!s.program) {
        s.pending = t;
        s.answer.clear();
    } else {
        s.answer = s.program->setProgressText(t);
    }
    return s.answer.c_str();
}

}  // extern "C"

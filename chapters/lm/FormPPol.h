// TFormPPol: Präparationsschritt: Polieren
#pragma once

#include "frame/TopicForm.h"

namespace chapters {

class TFormPPol : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormPPol";
    explicit TFormPPol(ui::Application& app);
};

}  // namespace chapters

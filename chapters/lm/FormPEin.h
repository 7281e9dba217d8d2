// TFormPEin: Präparationsschritt: Einfassen
#pragma once

#include "frame/TopicForm.h"

namespace chapters {

class TFormPEin : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormPEin";
    explicit TFormPEin(ui::Application& app);
};

}  // namespace chapters

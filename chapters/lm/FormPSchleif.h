// TFormPSchleif: Präparationsschritt: Schleifen
#pragma once

#include "frame/TopicForm.h"

namespace chapters {

class TFormPSchleif : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormPSchleif";
    explicit TFormPSchleif(ui::Application& app);
};

}  // namespace chapters

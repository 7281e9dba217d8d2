// TFormMakroAuf: Makroskopie: Makroskopische Betrachtung und  Aufnahmen mittels Stereomikroskop
#pragma once

#include "frame/TopicForm.h"

namespace chapters {

class TFormMakroAuf : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormMakroAuf";
    explicit TFormMakroAuf(ui::Application& app);
};

}  // namespace chapters

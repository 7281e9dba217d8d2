// TFormEDXOrd: Röntgenenergien als Funktion der Ordnungszahl
#pragma once

#include "frame/TopicForm.h"

namespace chapters {

class TFormEDXOrd : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormEDXOrd";
    explicit TFormEDXOrd(ui::Application& app);
};

}  // namespace chapters

// TFormDetSch: Aufbau eines Silizium-(Lithium) Halbleiter-Detektors (schematisch)
#pragma once

#include "frame/TopicForm.h"

namespace chapters {

class TFormDetSch : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormDetSch";
    explicit TFormDetSch(ui::Application& app);
};

}  // namespace chapters

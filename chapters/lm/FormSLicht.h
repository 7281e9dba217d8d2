// TFormSLicht: Lichtmikroskopie: Strahlengang in einem Auflichtmikroskop an einer polierten und geätzten Probe
#pragma once

#include "frame/TopicForm.h"

namespace chapters {

class TFormSLicht : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormSLicht";
    explicit TFormSLicht(ui::Application& app);
};

}  // namespace chapters

// TFormEDXWeg: Energiedispersives Röntgenspektrometer
#pragma once

#include "frame/TopicForm.h"

namespace chapters {

class TFormEDXWeg : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormEDXWeg";
    explicit TFormEDXWeg(ui::Application& app);
};

}  // namespace chapters

// TFormEDXAn: EDX-Anwendungsgebiete
#pragma once

#include "frame/TopicForm.h"

namespace chapters {

class TFormEDXAn : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormEDXAn";
    explicit TFormEDXAn(ui::Application& app);
};

}  // namespace chapters

// TFormREMAvT: Charakteristische Bruchflächen von Stählen mit dem SE-Detektor
#pragma once

#include "frame/TopicForm.h"

namespace chapters {

class TFormREMAvT : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormREMAvT";
    explicit TFormREMAvT(ui::Application& app);
    void FormCreate() override;
};

}  // namespace chapters

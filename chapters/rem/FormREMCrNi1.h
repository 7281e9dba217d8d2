// TFormREMCrNi1: Austenitischer Chrom-Nickel-Stahl
#pragma once

#include "frame/TopicForm.h"

namespace chapters {

class TFormREMCrNi1 : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormREMCrNi1";
    explicit TFormREMCrNi1(ui::Application& app);
    void FormCreate() override;
};

}  // namespace chapters

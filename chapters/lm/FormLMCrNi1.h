// TFormLMCrNi1: Austenitischer Chrom-Nickel-Stahl
#pragma once

#include "frame/TopicForm.h"

namespace chapters {

class TFormLMCrNi1 : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormLMCrNi1";
    explicit TFormLMCrNi1(ui::Application& app);
    void FormCreate() override;
};

}  // namespace chapters

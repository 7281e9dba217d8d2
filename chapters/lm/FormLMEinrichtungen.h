// TFormLMEinrichtungen: Lichtmikroskopie: Einrichtungen
#pragma once

#include "frame/TopicForm.h"

namespace chapters {

class TFormLMEinrichtungen : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormLMEinrichtungen";
    explicit TFormLMEinrichtungen(ui::Application& app);
    void FormCreate() override;
};

}  // namespace chapters

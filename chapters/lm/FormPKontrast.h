// TFormPKontrast: Präparationsschritt: Kontrastierung
#pragma once

#include "frame/TopicForm.h"

namespace chapters {

class TFormPKontrast : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormPKontrast";
    explicit TFormPKontrast(ui::Application& app);
    void FormCreate() override;
};

}  // namespace chapters

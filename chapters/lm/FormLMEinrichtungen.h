// TFormLMEinrichtungen: Lichtmikroskopie: Einrichtungen
#pragma once

#include "frame/Photo.h"
#include "frame/TopicForm.h"

namespace chapters {

class TFormLMEinrichtungen : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormLMEinrichtungen";
    // the two small pictures
    static constexpr frame::PhotoSpec kPhotos[] = {
        {"TFormLMEinrichtungen.Image1.jpg", 400, 300},
        {"TFormLMEinrichtungen.Image2.jpg", 400, 300},
    };
    explicit TFormLMEinrichtungen(ui::Application& app);
};

}  // namespace chapters

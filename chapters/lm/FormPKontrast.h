// TFormPKontrast: Präparationsschritt: Kontrastierung
#pragma once

#include "frame/Photo.h"
#include "frame/TopicForm.h"

namespace chapters {

class TFormPKontrast : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormPKontrast";
    // the polished and the etched sample
    static constexpr frame::PhotoSpec kPhotos[] = {
        {"TFormPKontrast.ImagePol.jpg", 200, 150},
        {"TFormPKontrast.ImageAet.jpg", 200, 150},
    };
    explicit TFormPKontrast(ui::Application& app);
};

}  // namespace chapters

// TFormREMAvT: Charakteristische Bruchflächen von Stählen mit dem SE-Detektor
#pragma once

#include "frame/Photo.h"
#include "frame/TopicForm.h"

namespace chapters {

class TFormREMAvT : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormREMAvT";
    // the thumbnails of the two image lists
    static constexpr frame::PhotoSpec kPhotos[] = {
        {"TFormREMAvT.ImageListKRZ.0.jpg", 150, 105},
        {"TFormREMAvT.ImageListKRZ.1.jpg", 150, 105},
        {"TFormREMAvT.ImageListKRZ.2.jpg", 150, 105},
        {"TFormREMAvT.ImageListKFZ.0.jpg", 150, 105},
    };
    explicit TFormREMAvT(ui::Application& app);
};

}  // namespace chapters

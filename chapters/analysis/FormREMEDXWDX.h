// TFormREMEDXWDX: Mikrobereichsanalyse im Rasterelektronenmikroskop mittels energie- und wellenlängendispersiver Röntgenspektroskopie
#pragma once

#include "frame/TopicForm.h"

namespace chapters {

class TFormREMEDXWDX : public frame::TopicForm {
public:
    static constexpr const char* kClassName = "TFormREMEDXWDX";
    explicit TFormREMEDXWDX(ui::Application& app);
};

}  // namespace chapters

// TFormPSchleif: Präparationsschritt: Schleifen. The turntable with silver grinding paper.
#pragma once

#include "chapters/lm/TurntableForm.h"

namespace chapters {

class TFormPSchleif : public TurntableForm {
public:
    static constexpr const char* kClassName = kGrinding.className;
    explicit TFormPSchleif(ui::Application& app) : TurntableForm(app, kGrinding) {}
};

}  // namespace chapters

// TFormPPol: Präparationsschritt: Polieren. The turntable with a red polishing cloth.
#pragma once

#include "chapters/lm/TurntableForm.h"

namespace chapters {

class TFormPPol : public TurntableForm {
public:
    static constexpr const char* kClassName = kPolishing.className;
    explicit TFormPPol(ui::Application& app) : TurntableForm(app, kPolishing) {}
};

}  // namespace chapters

// Beam-matter interaction, the small copy beside the SE and BSE detector windows: the
// same figure at half the scale, the atom further left, without the X-ray run.
#pragma once

#include "chapters/rem/BeamMatterForm.h"

namespace chapters {

class TFormREMEWK : public BeamMatterForm {
public:
    static constexpr const char* kClassName = "TFormREMEWK";
    explicit TFormREMEWK(ui::Application& app);
};

}  // namespace chapters

#include "frame/Layout.h"

#include "ui/Application.h"
#include "ui/Form.h"

namespace frame {

namespace {
Placement centred(int sw, int sh, int w, int h, Scale s) {
    return Placement{div(sw - w, 2), div(sh - h, 2), w, h, s};
}
}  // namespace

Placement place(Pattern p, int sw, int sh) {
    switch (p) {
        case Pattern::FullScreen:
            return centred(sw, sh, sw, sh, Scale::screen(sw, sh));
        case Pattern::UpTo1024Inclusive:
            if (sw <= 1024) return centred(sw, sh, sw, sh, Scale::screen(sw, sh));
            return centred(sw, sh, 1024, 768, Scale::fixed());
        case Pattern::UpTo1024Exclusive:
            if (sw < 1024) return centred(sw, sh, sw, sh, Scale::screen(sw, sh));
            return centred(sw, sh, 1024, 768, Scale::fixed());
        case Pattern::PreparationStep: {
            Placement r;
            if (sw < 1024) {
                r.scale = Scale::screen(sw, sh);
                r.width = Round(560 * r.scale.x);
                r.height = Round(450 * r.scale.y);
                r.left = sw - r.width - 10;
            } else {
                r.scale = Scale::fixed();
                r.width = Round(560 * 1.28);
                r.height = Round(450 * 1.28);
                r.left = sw - r.width - Round(sw / 30.0);
            }
            r.top = div(sh + 50 - r.height, 2);
            return r;
        }
        case Pattern::InfoWindow:
            return centred(sw, sh, 800, 500, Scale::screen(sw, sh));
        case Pattern::PicturePage: {
            Placement r{0, 0, 775, 540, Scale::screen(sw, sh)};
            r.top = div(sh - (r.height + 30), 2);
            r.left = sw < 1200 ? div(sw - r.width, 2) : sw - 790;
            return r;
        }
        case Pattern::PhotoPage: {
            const int h = sh - 80;
            return centred(sw, sh, Round(h * 1.33), h, Scale::screen(sw, sh));
        }
        case Pattern::SmallSideWindow: {
            Placement r;
            if (sw < 1024) {
                r.scale = Scale{sw / 1600.0, sh / 1200.0};
                r.width = div(sw, 2) - 60;
                r.height = div(sh, 2) + 50;
                r.left = Round(930 * r.scale.x);
                r.top = 0;
            } else {
                r.scale = Scale{0.64, 0.64};
                r.width = 430;
                r.height = 420;
                r.left = sw - 430;
                r.top = sw < 1200 ? 0 : div(sh - r.height, 2);
            }
            return r;
        }
    }
    return Placement{};
}

Placement photoPageBeside(int sw, int sh) { return Placement{sw - 810, div(sh - 600, 2), 800, 600, Scale::screen(sw, sh)}; }

void apply(ui::Form& f, const Placement& p) { f.setBounds(p.left, p.top, p.width, p.height); }

Scale placeCentred(ui::Form& f, double designWidth, double designHeight) {
    const int sw = f.application().screenWidth(), sh = f.application().screenHeight();
    const Scale s = place(Pattern::UpTo1024Inclusive, sw, sh).scale;
    const int w = s.X(designWidth), h = s.Y(designHeight);
    apply(f, Placement{centredLeft(sw, w), div(sh - h, 2), w, h, s});
    f.font.height = s.Y(-11);
    return s;
}

}  // namespace frame

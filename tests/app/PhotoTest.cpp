// Every stored photograph is compiled in and decodes to the size its window expects.
#include <gtest/gtest.h>

#include <string>

#include "ProgramFixture.h"
#include "assets/Photos.h"
#include "frame/PicturePage.h"
#include "ui/Jpeg.h"

namespace {

struct Stated {
    const char* file;
    int width;
    int height;
};

const Stated kPhotos[] = {
    {"TFormHaupt.jpg", 1078, 768},
    {"TFormAvTAus.jpg", 700, 440},           {"TFormAvTMisch.jpg", 700, 440},
    {"TFormAvTDuk.jpg", 700, 440},           {"TFormAvTSpa.jpg", 700, 440},
    {"TFormMakroSt2.jpg", 770, 462},         {"TFormMakroSt3.jpg", 770, 462},
    {"TFormMakroCr2.jpg", 770, 462},         {"TFormMakroCr3.jpg", 770, 462},
    {"TFormLM45C2.jpg", 770, 462},           {"TFormLM45C3.jpg", 770, 462},
    {"TFormLMCrNi2.jpg", 770, 462},          {"TFormLMCrNi3.jpg", 770, 462},
    {"TFormREMCrNi2.jpg", 770, 462},         {"TFormREMCrNi3.jpg", 770, 462},
    {"TFormREMBGes.jpg", 800, 570},          {"TFormREMBVAk.jpg", 875, 600},
    {"TFormREMBProbe.jpg", 875, 600},        {"TFormREMBDet.jpg", 875, 600},
    {"TFormLMMikro.jpg", 1100, 777},         {"TFormLMLichtmikro.jpg", 1100, 777},
    {"TFormLMStereomikro.jpg", 1100, 777},
    {"TFormMakroSt1.Image1.jpg", 392, 235},  {"TFormMakroSt1.Image2.jpg", 392, 235},
    {"TFormMakroCr1.Image1.jpg", 392, 235},  {"TFormMakroCr1.Image2.jpg", 392, 235},
    {"TFormLM45C1.Image1.jpg", 392, 235},    {"TFormLM45C1.Image2.jpg", 392, 235},
    {"TFormLMCrNi1.Image1.jpg", 392, 235},   {"TFormLMCrNi1.Image2.jpg", 392, 235},
    {"TFormREMCrNi1.Image1.jpg", 392, 235},  {"TFormREMCrNi1.Image2.jpg", 392, 235},
    {"TFormLMEinrichtungen.Image1.jpg", 400, 300}, {"TFormLMEinrichtungen.Image2.jpg", 400, 300},
    {"TFormREMRaster.jpg", 360, 245},
    {"TFormREMAvT.ImageListKRZ.0.jpg", 150, 105}, {"TFormREMAvT.ImageListKRZ.1.jpg", 150, 105},
    {"TFormREMAvT.ImageListKRZ.2.jpg", 150, 105}, {"TFormREMAvT.ImageListKFZ.0.jpg", 150, 105},
    {"TFormPKontrast.ImagePol.jpg", 200, 150}, {"TFormPKontrast.ImageAet.jpg", 200, 150},
    {"TFormREMEDX.jpg", 600, 333},
};

TEST(Photos, AllFortyTwoAreCompiledInAndDecodeToTheirStatedSize) {
    EXPECT_EQ(std::size(kPhotos), 42u);
    EXPECT_EQ(assets::allPhotos().size(), 42u);
    for (const Stated& s : kPhotos) {
        const metallo::EmbeddedFile* f = assets::photo(s.file);
        ASSERT_NE(f, nullptr) << s.file;
        const ui::DecodedPicture p = ui::decodeJpeg(f->data, f->size, s.width, s.height);
        EXPECT_TRUE(p.ok) << s.file << ": " << p.error;
        EXPECT_EQ(p.bitmap.width, s.width) << s.file;
        EXPECT_EQ(p.bitmap.height, s.height) << s.file;
    }
}

TEST(Photos, WindowsShowTheirPicturesNotThePlaceholder) {
    Started s(800, 600);
    int pages = 0;
    for (ui::Form* f : s.app.forms()) {
        for (ui::Control* c : f->controls()) {
            auto* image = dynamic_cast<ui::Image*>(c);
            if (!image || image->picture.width == 0) continue;
            int grey = 0;
            for (uint32_t px : image->picture.pixels) grey += px == ui::kPlaceholderPixel;
            EXPECT_LT(grey, static_cast<int>(image->picture.pixels.size()) / 2) << f->className() << "." << c->name();
        }
        pages += dynamic_cast<frame::PicturePage*>(f) != nullptr;
    }
    EXPECT_EQ(pages, 21);
}

}  // namespace

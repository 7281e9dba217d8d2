// Every stored photograph is compiled in and decodes to the size its window expects.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "ProgramFixture.h"
#include "app/WindowList.h"
#include "assets/Photos.h"
#include "frame/PicturePage.h"
#include "ui/Jpeg.h"

namespace {

TEST(Photos, EveryStoredPictureBelongsToOneWindowAndDecodesToItsStatedSize) {
    // The windows name 42 pictures; each is compiled in, each file is named by exactly
    // one window, and it decodes to the size that window states.
    std::map<std::string, int> claimed;
    for (const app::WindowEntry& e : app::windowList()) {
        for (const frame::PhotoSpec& s : e.photos) {
            ++claimed[s.file];
            EXPECT_EQ(std::string(s.file).rfind(e.className, 0), 0u) << s.file << " shown by " << e.className;
            const metallo::EmbeddedFile* f = assets::photo(s.file);
            ASSERT_NE(f, nullptr) << s.file;
            const ui::DecodedPicture p = ui::decodeJpeg(f->data, f->size, s.width, s.height);
            EXPECT_TRUE(p.ok) << s.file << ": " << p.error;
            EXPECT_EQ(p.bitmap.width, s.width) << s.file;
            EXPECT_EQ(p.bitmap.height, s.height) << s.file;
        }
    }
    EXPECT_EQ(claimed.size(), 42u);
    for (const auto& [file, windows] : claimed) EXPECT_EQ(windows, 1) << file;
    EXPECT_EQ(assets::allPhotos().size(), claimed.size());
    for (const metallo::EmbeddedFile& f : assets::allPhotos()) EXPECT_EQ(claimed.count(f.name), 1u) << f.name;
}

TEST(Photos, WindowsShowTheirPicturesNotThePlaceholder) {
    Started s(800, 600);
    int pages = 0;
    for (ui::Form* f : s.app.forms()) {
        for (ui::Control* c : f->controls()) {
            auto* image = dynamic_cast<ui::Image*>(c);
            if (!image || image->picture().width == 0) continue;
            int grey = 0;
            for (uint32_t px : image->picture().pixels) grey += px == ui::kPlaceholderPixel;
            EXPECT_LT(grey, static_cast<int>(image->picture().pixels.size()) / 2) << f->className() << "." << c->name();
        }
        pages += dynamic_cast<frame::PicturePage*>(f) != nullptr;
    }
    EXPECT_EQ(pages, 21);
}

}  // namespace

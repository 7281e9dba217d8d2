// Photographs from memory and captures to PNG.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "ui/Jpeg.h"
#include "ui/Png.h"

namespace {

ui::raster::Bitmap gradient(int w, int h) {
    ui::raster::Bitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.at(x, y) = 0xFF000000u | uint32_t(x * 255 / w) << 16 | uint32_t(y * 255 / h) << 8 | 0x40;
    return b;
}

TEST(Jpeg, DecodesWhatWasEncoded) {
    const auto src = gradient(64, 48);
    const std::string data = ui::encodeJpeg(src, 95);
    const auto p = ui::decodeJpeg(reinterpret_cast<const unsigned char*>(data.data()), data.size(), 64, 48);
    ASSERT_TRUE(p.ok) << p.error;
    ASSERT_EQ(p.bitmap.width, 64);
    ASSERT_EQ(p.bitmap.height, 48);
    const uint32_t a = p.bitmap.at(40, 30), b = src.at(40, 30);
    for (int shift : {0, 8, 16}) EXPECT_NEAR(int((a >> shift) & 0xFF), int((b >> shift) & 0xFF), 12);
}

TEST(Jpeg, BrokenOrTruncatedDataGivesAGreyPlaceholderOfTheStatedSize) {
    const std::string data = ui::encodeJpeg(gradient(64, 48), 90);
    const std::string truncated = data.substr(0, data.size() / 2);
    std::string garbage = data;
    for (size_t i = 20; i < garbage.size(); i += 7) garbage[i] = static_cast<char>(garbage[i] ^ 0x5A);
    const std::string cases[] = {truncated, garbage, std::string("not a picture at all"), std::string()};
    for (const std::string& bad : cases) {
        const auto p = ui::decodeJpeg(reinterpret_cast<const unsigned char*>(bad.data()), bad.size(), 150, 105);
        if (p.ok) continue;  // some corruptions still decode to a full picture; that is fine
        EXPECT_FALSE(p.error.empty());
        ASSERT_EQ(p.bitmap.width, 150);
        ASSERT_EQ(p.bitmap.height, 105);
        EXPECT_EQ(p.bitmap.at(75, 50), ui::kPlaceholderPixel);
    }
    const auto t = ui::decodeJpeg(reinterpret_cast<const unsigned char*>(truncated.data()), truncated.size(), 64, 48);
    EXPECT_FALSE(t.ok);
    const auto n = ui::decodeJpeg(nullptr, 0, 10, 10);
    EXPECT_FALSE(n.ok);
    EXPECT_EQ(n.bitmap.width, 10);
}

TEST(Png, RoundTripAndNoHalfWrittenFile) {
    const auto src = gradient(33, 17);
    const std::string dir = testing::TempDir();
    const std::string path = dir + "/roundtrip.png";
    ASSERT_TRUE(ui::savePng(src, path));
    EXPECT_EQ(ui::loadPng(path), src);
    EXPECT_FALSE(ui::savePng(src, dir + "/no/such/folder/x.png"));
    EXPECT_FALSE(std::filesystem::exists(dir + "/no/such/folder/x.png.part"));
    EXPECT_FALSE(ui::savePng(ui::raster::Bitmap(), dir + "/empty.png"));
    std::remove(path.c_str());
}

}  // namespace

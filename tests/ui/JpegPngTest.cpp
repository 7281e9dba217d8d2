// Photographs from memory and captures to PNG.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "ui/Application.h"
#include "ui/Jpeg.h"
#include "ui/headless/Headless.h"
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

ui::raster::Bitmap noise(int w, int h) {
    ui::raster::Bitmap b(w, h);
    uint32_t s = 12345;
    for (uint32_t& p : b.pixels) {
        s = s * 1103515245u + 12345u;
        p = 0xFF000000u | (s >> 8);
    }
    return b;
}

const unsigned char* bytes(const std::string& s) { return reinterpret_cast<const unsigned char*>(s.data()); }

// The decoder's warnings used to go uncounted, so a photograph cut inside its scan data
// decoded as complete; a damaged header could state any size.
TEST(Jpeg, CutScanDataAndAnotherSizeThanStatedAreRefused) {
    const std::string data = ui::encodeJpeg(noise(392, 235), 90);
    ASSERT_TRUE(ui::decodeJpeg(bytes(data), data.size(), 392, 235).ok);
    for (double part : {0.01, 0.1, 0.5, 0.99}) {
        const size_t n = static_cast<size_t>(static_cast<double>(data.size()) * part);
        const auto p = ui::decodeJpeg(bytes(data), n, 392, 235);
        EXPECT_FALSE(p.ok) << "cut to " << part;
        EXPECT_EQ(p.bitmap.width, 392);
        EXPECT_EQ(p.bitmap.at(200, 200), ui::kPlaceholderPixel) << "cut to " << part;
    }
    // The same picture where another size is stated, and a header that states 57067 rows.
    EXPECT_FALSE(ui::decodeJpeg(bytes(data), data.size(), 392, 236).ok);
    std::string damaged = data;
    const size_t sof = damaged.find("\xFF\xC0");
    ASSERT_NE(sof, std::string::npos);
    damaged[sof + 5] = static_cast<char>(57067 >> 8);
    damaged[sof + 6] = static_cast<char>(57067 & 0xFF);
    const auto tall = ui::decodeJpeg(bytes(damaged), damaged.size(), 392, 235);
    EXPECT_FALSE(tall.ok);
    EXPECT_NE(tall.error.find("392x57067"), std::string::npos) << tall.error;
    EXPECT_EQ(tall.bitmap.height, 235);
}

class PhotoForm : public ui::Form {
public:
    explicit PhotoForm(ui::Application& app) : ui::Form(app, "PhotoForm", "Foto") {}
    ui::Image Image1{*this, "Image1"};
};

// A window's photograph stays compressed until the window is shown; a broken one shows
// grey and is named once on stderr.
TEST(Jpeg, ABrokenPhotographShowsGreyAndIsNamedOnce) {
    ui::Application app(1024, 768);
    ui::headless::HeadlessBackend backend(app);
    PhotoForm main(app), page(app);
    app.create(main);
    app.create(page);
    main.Show();
    page.setBounds(0, 0, 500, 400);
    page.Image1.setBounds(0, 0, 392, 235);
    static const std::string data = ui::encodeJpeg(noise(392, 235), 90);
    page.Image1.setPicture(ui::StoredJpeg{"Probe.jpg", bytes(data), data.size() / 100, 392, 235});
    EXPECT_FALSE(page.Image1.decoded());
    testing::internal::CaptureStderr();
    page.Show();
    app.flush();
    page.Repaint();
    page.Close();
    page.Show();
    app.flush();
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(page.Image1.decoded());
    EXPECT_EQ(page.buffer().at(100, 100), ui::kPlaceholderPixel);
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_NE(err.find("Probe.jpg"), std::string::npos) << err;
}

// Decoding a few rows at a time (the browser's start-up) gives what decoding at once gives:
// the same pixels, the same refusal of cut or garbled data, and an Image part-way decoded
// when it is first painted shows the whole photograph.
TEST(Jpeg, DecodingInPortionsGivesWhatDecodingAtOnceGives) {
    const std::string data = ui::encodeJpeg(noise(392, 235), 90);
    std::string garbled = data;
    for (size_t i = data.size() / 3; i < garbled.size(); i += 5) garbled[i] = static_cast<char>(garbled[i] ^ 0x33);
    const std::string cases[] = {data, data.substr(0, data.size() / 2), garbled, "kein Bild"};
    for (const std::string& c : cases) {
        const ui::DecodedPicture whole = ui::decodeJpeg(bytes(c), c.size(), 392, 235);
        ui::JpegDecoder portions(bytes(c), c.size(), 392, 235);
        int calls = 1;
        while (!portions.decodeRows(7)) ++calls;
        const ui::DecodedPicture p = portions.take();
        EXPECT_EQ(p.ok, whole.ok) << c.size();
        EXPECT_EQ(p.error, whole.error) << c.size();
        EXPECT_TRUE(p.bitmap == whole.bitmap) << c.size();
        if (&c == &cases[0]) {
            EXPECT_EQ(calls, (235 + 6) / 7);
        }
    }

    ui::Application app(1024, 768);
    ui::headless::HeadlessBackend backend(app);
    PhotoForm main(app);
    app.create(main);
    main.setBounds(0, 0, 500, 400);
    main.Image1.setBounds(0, 0, 392, 235);
    main.Image1.setPicture(ui::StoredJpeg{"Probe.jpg", bytes(data), data.size(), 392, 235});
    EXPECT_FALSE(main.Image1.decodeRows(100));
    EXPECT_FALSE(main.Image1.decoded());
    main.Show();
    app.flush();
    EXPECT_TRUE(main.Image1.decoded());
    EXPECT_TRUE(main.Image1.decodeRows(1));
    const ui::raster::Bitmap want = ui::decodeJpeg(bytes(data), data.size(), 392, 235).bitmap;
    EXPECT_EQ(main.buffer().at(200, 230), want.at(200, 230));
    EXPECT_TRUE(main.Image1.picture() == want);
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

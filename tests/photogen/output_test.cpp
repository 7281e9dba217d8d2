// The whole generator: runs photogen into a fresh folder and compares every
// file with the committed pictures, byte for byte.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <sys/wait.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include "catalog.h"
#include "jpeg_io.h"

namespace fs = std::filesystem;

namespace {

int run(const std::string& args) {
  const std::string cmd = std::string("\"") + PHOTOGEN_EXE + "\" " + args + " >/dev/null 2>&1";
  const int status = std::system(cmd.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class Generated : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    std::string tmpl = (fs::temp_directory_path() / "photogen-test-XXXXXX").string();
    ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
    dir_ = tmpl;
    status_ = run("\"" + (dir_ / "out").string() + "\" --contact-sheet \"" + (dir_ / "sheet.png").string() + "\"");
  }
  static void TearDownTestSuite() {
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }
  static fs::path dir_;
  static int status_;
};

fs::path Generated::dir_;
int Generated::status_ = -1;

TEST_F(Generated, RunSucceedsAndWritesExactlyTheListedPictures) {
  ASSERT_EQ(status_, 0);
  std::set<std::string> files;
  for (const auto& e : fs::directory_iterator(dir_ / "out")) files.insert(e.path().filename().string());
  std::set<std::string> listed;
  for (const auto& p : pg::picture_list()) listed.insert(p.file);
  EXPECT_EQ(listed.size(), 42u);
  EXPECT_EQ(files, listed);
}

TEST_F(Generated, EveryPictureDecodesToItsSize) {
  ASSERT_EQ(status_, 0);
  for (const auto& p : pg::picture_list()) {
    std::vector<unsigned char> bytes;
    ASSERT_TRUE(pg::read_file((dir_ / "out" / p.file).string(), bytes)) << p.file;
    pg::Image8 img;
    ASSERT_TRUE(pg::decode_jpeg(bytes, img)) << p.file;
    EXPECT_EQ(img.width, p.width) << p.file;
    EXPECT_EQ(img.height, p.height) << p.file;
  }
}

TEST_F(Generated, OutputEqualsTheCommittedPicturesByteForByte) {
  ASSERT_EQ(status_, 0);
  for (const auto& p : pg::picture_list()) {
    std::vector<unsigned char> fresh, committed;
    ASSERT_TRUE(pg::read_file((dir_ / "out" / p.file).string(), fresh)) << p.file;
    ASSERT_TRUE(pg::read_file((fs::path(PHOTOGEN_ASSET_DIR) / p.file).string(), committed))
        << p.file << " is missing from the committed pictures";
    EXPECT_TRUE(fresh == committed) << p.file << " differs from the committed picture";
  }
  // No stray pictures in the asset folder either.
  for (const auto& e : fs::directory_iterator(PHOTOGEN_ASSET_DIR)) {
    if (e.path().extension() != ".jpg") continue;
    bool known = false;
    for (const auto& p : pg::picture_list()) known = known || p.file == e.path().filename().string();
    EXPECT_TRUE(known) << e.path().filename() << " is not made by photogen";
  }
}

TEST_F(Generated, NoPictureIsBlankDarkOrBurntOut) {
  ASSERT_EQ(status_, 0);
  for (const auto& p : pg::picture_list()) {
    std::vector<unsigned char> bytes;
    pg::Image8 img;
    ASSERT_TRUE(pg::read_file((dir_ / "out" / p.file).string(), bytes));
    ASSERT_TRUE(pg::decode_jpeg(bytes, img));
    double sum = 0, sum2 = 0;
    size_t clipped = 0;
    const size_t n = static_cast<size_t>(img.width) * img.height;
    for (size_t i = 0; i < n; ++i) {
      const double l = (0.299 * img.rgb[3 * i] + 0.587 * img.rgb[3 * i + 1] + 0.114 * img.rgb[3 * i + 2]) / 255.0;
      sum += l;
      sum2 += l * l;
      if (l < 2 / 255.0 || l > 253 / 255.0) ++clipped;
    }
    const double mean = sum / n, sd = std::sqrt(sum2 / n - mean * mean);
    EXPECT_GT(mean, 0.12) << p.file;
    EXPECT_LT(mean, 0.88) << p.file;
    EXPECT_GT(sd, 0.04) << p.file;
    EXPECT_LT(static_cast<double>(clipped) / n, 0.05) << p.file;
  }
}

TEST_F(Generated, ContactSheetIsAPng) {
  ASSERT_EQ(status_, 0);
  std::vector<unsigned char> png;
  ASSERT_TRUE(pg::read_file((dir_ / "sheet.png").string(), png));
  ASSERT_GT(png.size(), 100000u);
  EXPECT_EQ(png[1], 'P');
  EXPECT_EQ(png[2], 'N');
  EXPECT_EQ(png[3], 'G');
}

TEST(Cli, BadArgumentsGiveUsageStatus) {
  EXPECT_EQ(run(""), 2);
  EXPECT_EQ(run("--no-such-option"), 2);
  EXPECT_EQ(run("a b"), 2);
  EXPECT_EQ(run("dir --contact-sheet"), 2);
}

TEST(Catalogue, ScenesProduceEveryPictureOnce) {
  // Only names are compared here; rendering is covered by the run above.
  std::set<std::string> names;
  for (const auto& s : pg::scenes()) EXPECT_TRUE(names.insert(s.name).second) << s.name;
  std::set<std::string> files;
  for (const auto& p : pg::picture_list()) {
    EXPECT_TRUE(files.insert(p.file).second) << p.file;
    EXPECT_EQ(p.file.substr(p.file.size() - 4), ".jpg");
    EXPECT_EQ(p.file.rfind("TForm", 0), 0u);
  }
}

}  // namespace

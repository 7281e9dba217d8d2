// photogen: writes the default photographs of the program.
//
//   photogen OUTDIR [--contact-sheet FILE.png] [--timings]
//
// Every file is the same, byte for byte, on every run.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <map>
#include <mutex>
#include <string>
#include <thread>

#include "catalog.h"
#include "contact_sheet.h"
#include "jpeg_io.h"

namespace {

int usage() {
  std::fprintf(stderr, "usage: photogen OUTDIR [--contact-sheet FILE.png] [--timings]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::string outdir, sheet;
  bool timings = false;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--timings") {
      timings = true;
    } else if (a == "--contact-sheet") {
      if (++i >= argc) return usage();
      sheet = argv[i];
    } else if (!a.empty() && a[0] == '-') {
      return usage();
    } else if (outdir.empty()) {
      outdir = a;
    } else {
      return usage();
    }
  }
  if (outdir.empty()) return usage();
  std::error_code ec;
  std::filesystem::create_directories(outdir, ec);
  if (!std::filesystem::is_directory(outdir)) {
    std::fprintf(stderr, "photogen: cannot create %s\n", outdir.c_str());
    return 1;
  }

  const auto& list = pg::scenes();
  std::map<std::string, pg::Image8> done;
  std::map<std::string, std::vector<unsigned char>> files;
  std::mutex mutex;
  std::atomic<size_t> next{0};
  std::atomic<bool> failed{false};
  // Scenes are independent and seeded separately, so how they are spread
  // over threads does not change any output.
  auto worker = [&]() {
    for (;;) {
      const size_t k = next++;
      if (k >= list.size() || failed) return;
      try {
        const auto start = std::chrono::steady_clock::now();
        auto outputs = list[k].render();
        if (timings) {
          const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
          std::lock_guard<std::mutex> lock(mutex);
          std::fprintf(stderr, "%-24s %6.2f s\n", list[k].name.c_str(), s);
        }
        for (auto& o : outputs) {
          pg::Image8 px = pg::quantise(o.image);
          auto bytes = pg::encode_jpeg(px, o.jpeg);
          std::lock_guard<std::mutex> lock(mutex);
          files[o.file] = std::move(bytes);
          done[o.file] = std::move(px);
        }
      } catch (const std::exception& e) {
        std::lock_guard<std::mutex> lock(mutex);
        std::fprintf(stderr, "photogen: scene %s: %s\n", list[k].name.c_str(), e.what());
        failed = true;
      }
    }
  };
  const unsigned n = std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
  std::vector<std::thread> pool;
  for (unsigned i = 0; i < n; ++i) pool.emplace_back(worker);
  for (auto& t : pool) t.join();
  if (failed) return 1;

  int status = 0;
  for (const auto& spec : pg::picture_list()) {
    auto it = done.find(spec.file);
    if (it == done.end()) {
      std::fprintf(stderr, "photogen: no scene made %s\n", spec.file.c_str());
      status = 1;
      continue;
    }
    if (it->second.width != spec.width || it->second.height != spec.height) {
      std::fprintf(stderr, "photogen: %s is %dx%d, not %dx%d\n", spec.file.c_str(), it->second.width,
                   it->second.height, spec.width, spec.height);
      status = 1;
      continue;
    }
    const std::string path = (std::filesystem::path(outdir) / spec.file).string();
    if (!pg::write_file(path, files[spec.file])) {
      std::fprintf(stderr, "photogen: cannot write %s\n", path.c_str());
      status = 1;
    }
  }
  if (done.size() != pg::picture_list().size()) {
    std::fprintf(stderr, "photogen: scenes made %zu files, expected %zu\n", done.size(), pg::picture_list().size());
    status = 1;
  }
  if (status == 0 && !sheet.empty()) {
    std::vector<std::pair<std::string, const pg::Image8*>> items;
    for (const auto& spec : pg::picture_list()) items.emplace_back(spec.file, &done[spec.file]);
    if (!pg::write_file(sheet, pg::encode_png(pg::contact_sheet(items)))) {
      std::fprintf(stderr, "photogen: cannot write %s\n", sheet.c_str());
      status = 1;
    }
  }
  return status;
}

#include "ui/Png.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include <png.h>

namespace ui {

namespace {

// libpng reports its errors here instead of on the standard error output; the caller
// says what went wrong (errno tells why a write failed).
[[noreturn]] void stopEncoding(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void ignoreWarning(png_structp, png_const_charp) {}

// Encodes the bitmap into an open file; false (and why in `error`) when libpng or the
// file reports an error.
bool encode(const raster::Bitmap& b, FILE* f, int& error) {
    errno = 0;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, stopEncoding, ignoreWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    std::vector<unsigned char> row(static_cast<size_t>(b.width) * 3);
    volatile bool ok = png && info;
    if (ok && setjmp(png_jmpbuf(png))) {
        ok = false;
        error = errno;
    } else if (ok) {
        png_init_io(png, f);
        png_set_IHDR(png, info, static_cast<png_uint_32>(b.width), static_cast<png_uint_32>(b.height), 8,
                     PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_set_compression_level(png, 3);
        png_write_info(png, info);
        for (int y = 0; y < b.height; ++y) {
            const uint32_t* src = &b.pixels[static_cast<size_t>(y) * b.width];
            for (int x = 0; x < b.width; ++x) {
                row[3 * x] = (src[x] >> 16) & 0xFF;
                row[3 * x + 1] = (src[x] >> 8) & 0xFF;
                row[3 * x + 2] = src[x] & 0xFF;
            }
            png_write_row(png, row.data());
        }
        png_write_end(png, nullptr);
    } else {
        error = ENOMEM;
    }
    png_destroy_write_struct(png ? &png : nullptr, info ? &info : nullptr);
    if (ok && (std::fflush(f) != 0 || std::ferror(f))) {
        ok = false;
        error = errno;
    }
    if (!ok && error == 0) error = EIO;
    return ok;
}

mode_t creationMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// Creates a new, empty file in the folder `dir` under a short name of its own (unique in
// the folder, whatever the length of the name it will replace); -1 and errno on failure.
int createTemporary(int dir, std::string& name) {
    static std::mt19937_64 random(std::random_device{}() ^ static_cast<uint64_t>(getpid()) << 32 ^
                                  static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = ".metallo-";
        for (int i = 0; i < 10; ++i) name += kLetters[random() % (sizeof kLetters - 1)];
        const int fd = openat(dir, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

}  // namespace

// Writes a file through `write` beside the target and renames it over it (see writePng).
static PngWrite writeAtomically(const std::string& path, bool empty, const std::function<bool(FILE*, int&)>& write,
                         int* error) {
    int ignored = 0;
    int& why = error ? *error : ignored;
    why = 0;
    auto failed = [&why](int e) {
        why = e;
        return PngWrite::Failed;
    };
    if (empty || path.empty()) return failed(EINVAL);
    // The file that is really written: the name itself, or what its links lead to.
    std::string target = path;
    mode_t mode = creationMode();
    struct stat st {};
    if (lstat(path.c_str(), &st) == 0) {
        if (S_ISLNK(st.st_mode)) {
            char* real = realpath(path.c_str(), nullptr);
            if (!real) {
                // /dev/stdout leads through /proc/self/fd/1 to "pipe:[…]", which is no path, yet
                // the pipe is there.
                const bool there = stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode);
                return there ? PngWrite::NotAFile : PngWrite::BrokenLink;
            }
            target = real;
            std::free(real);
            if (stat(target.c_str(), &st) != 0) return PngWrite::BrokenLink;
        }
        if (!S_ISREG(st.st_mode)) return PngWrite::NotAFile;
        mode = st.st_mode & 07777;
    } else if (errno != ENOENT) {
        return failed(errno);
    }
    // The picture is written beside the target, in the same folder, and renamed over it.
    const size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : target.substr(0, slash);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    if (name.empty()) return failed(EISDIR);
#ifdef O_PATH
    const int dir = open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
#else
    const int dir = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
#endif
    if (dir < 0) return failed(errno);
    std::string temp;
    const int fd = createTemporary(dir, temp);
    if (fd < 0) {
        const int e = errno;
        close(dir);
        // The folder was just opened, so "no such file" means it refuses new names.
        if (e == ENOENT) return PngWrite::NoNewFiles;
        return failed(e);
    }
    fchmod(fd, mode);
    int e = 0;
    FILE* f = fdopen(fd, "wb");
    bool ok = f != nullptr;
    if (!ok) {
        e = errno;
        close(fd);
    } else {
        ok = write(f, e);
        if (std::fclose(f) != 0 && ok) {
            ok = false;
            e = errno;
        }
    }
    if (ok && renameat(dir, temp.c_str(), dir, name.c_str()) != 0) {
        ok = false;
        e = errno;
    }
    if (!ok) unlinkat(dir, temp.c_str(), 0);
    close(dir);
    return ok ? PngWrite::Written : failed(e);
}

PngWrite writePng(const raster::Bitmap& b, const std::string& path, int* error) {
    return writeAtomically(path, b.width <= 0 || b.height <= 0, [&b](FILE* f, int& e) { return encode(b, f, e); },
                           error);
}

PngWrite writeTextFile(const std::string& path, const std::string& text, int* error) {
    return writeAtomically(path, false, [&text](FILE* f, int& e) {
        errno = 0;
        const bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size() && std::fflush(f) == 0;
        if (!ok) e = errno ? errno : EIO;
        return ok;
    }, error);
}

raster::Bitmap loadPng(const std::string& path) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return {};
    image.format = PNG_FORMAT_BGRA;
    raster::Bitmap b(static_cast<int>(image.width), static_cast<int>(image.height));
    if (!png_image_finish_read(&image, nullptr, b.pixels.data(), 0, nullptr)) return {};
    for (uint32_t& p : b.pixels) p |= 0xFF000000u;
    return b;
}

}  // namespace ui

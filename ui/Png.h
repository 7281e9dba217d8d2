// PNG export of captured pixels.
#pragma once

#include <string>

#include "ui/raster/Raster.h"

namespace ui {

enum class PngWrite {
    Written,
    NotAFile,    // the name exists and is a folder, device, FIFO or socket: left alone
    BrokenLink,  // a symbolic link that names nothing
    NoNewFiles,  // the folder is there but takes no new file (/proc/self): nothing written
    Failed,      // the file cannot be written (no folder, no room, no permission, empty bitmap): see errno
};

// Writes the bitmap as an 8-bit RGB PNG. A new name or an existing regular file is
// replaced at once (the picture is written beside it and renamed over it), so a failure
// leaves nothing half-written; a symbolic link is written through to the file it names
// and stays a link; any other existing thing is refused (also what a link the kernel
// resolves itself leads to: /dev/stdout to a pipe or a terminal). The picture is first written
// under a short temporary name of its own in the same folder, so a name as long as the
// file system allows can be written. On Failed, `error` (if given) receives the errno
// value that says why (ENAMETOOLONG, ENOSPC, EACCES, …; EINVAL for an empty bitmap).
PngWrite writePng(const raster::Bitmap& b, const std::string& path, int* error = nullptr);
// A text file (a spectrum, a table), written the same way: atomically, links followed, other
// things refused. An empty text makes an empty file.
PngWrite writeTextFile(const std::string& path, const std::string& text, int* error = nullptr);
inline bool savePng(const raster::Bitmap& b, const std::string& path) { return writePng(b, path) == PngWrite::Written; }

// Reads a PNG written by savePng (for tests and tools); empty bitmap on failure.
raster::Bitmap loadPng(const std::string& path);

}  // namespace ui

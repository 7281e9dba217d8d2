// JPEG and PNG files of the generator.
#pragma once

#include <string>
#include <vector>

#include "image.h"

namespace pg {

struct JpegOptions {
  int quality = 88;
  // Full-resolution colour (4:4:4) instead of halved chroma (4:2:0); used for
  // drawings with fine coloured edges and text.
  bool full_chroma = false;
};

// Encodes to JPEG in memory. Uses the exact integer DCT and optimised Huffman
// tables, so the bytes depend only on the pixels and the options.
std::vector<unsigned char> encode_jpeg(const Image8& img, const JpegOptions& opt);

// Decodes a JPEG from memory; returns false on malformed data.
bool decode_jpeg(const std::vector<unsigned char>& data, Image8& out);

// Encodes 8-bit RGB as PNG in memory.
std::vector<unsigned char> encode_png(const Image8& img);

bool write_file(const std::string& path, const std::vector<unsigned char>& bytes);
bool read_file(const std::string& path, std::vector<unsigned char>& bytes);

}  // namespace pg

// The rendered field of a specimen as square tiles on the plane's pixel grid at the current
// scale: panning renders only the tiles that come into view, and tiles seen before are
// kept until the setting changes or too many are held.
#pragma once

#include <cstdint>
#include <map>
#include <utility>
#include <vector>

#include "specimen/Specimen.h"

namespace specimen {

class FieldTiles {
public:
    static constexpr int kTilePx = 128;
    explicit FieldTiles(size_t capacityTiles = 192) : capacity_(capacityTiles) {}

    // What is rendered; the tiles are dropped when the specimen or the viewing changes.
    void setup(const Specimen* specimen, const Viewing& viewing);
    // Copies the w x h pixels whose first pixel is pixel (gx, gy) of the plane (pixel i covers
    // [i, i + 1) * umPerPx) into out, rows `stride` apart.
    void copyField(int64_t gx, int64_t gy, int w, int h, uint32_t* out, int stride);
    double umPerPx() const { return specimen_ ? viewing_.umPerPx : 0; }
    // Tiles rendered since the setup (a cost indicator).
    int rendered() const { return rendered_; }

private:
    const std::vector<uint32_t>& tile(int64_t tx, int64_t ty);
    // The tiles of the range not yet held, rendered side by side on the machine's cores.
    void renderMissing(int64_t tx0, int64_t ty0, int64_t tx1, int64_t ty1);
    std::vector<uint32_t> renderTile(int64_t tx, int64_t ty) const;
    // Forgets tiles far from the last one asked for until `count` more fit.
    void makeRoom(size_t count);
    const Specimen* specimen_ = nullptr;
    Viewing viewing_;
    size_t capacity_;
    std::map<std::pair<int64_t, int64_t>, std::vector<uint32_t>> tiles_;
    int rendered_ = 0;
    int64_t lastX_ = 0, lastY_ = 0;
};

}  // namespace specimen

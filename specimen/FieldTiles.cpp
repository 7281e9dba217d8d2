#include "specimen/FieldTiles.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "specimen/Parallel.h"

namespace specimen {

namespace {
int64_t floorDiv(int64_t a, int64_t b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }
}  // namespace

void FieldTiles::setup(const Specimen* specimen, const Viewing& viewing) {
    if (specimen == specimen_ && viewing == viewing_) return;
    specimen_ = specimen;
    viewing_ = viewing;
    tiles_.clear();
    rendered_ = 0;
}

void FieldTiles::renderMissing(int64_t tx0, int64_t ty0, int64_t tx1, int64_t ty1) {
    std::vector<std::pair<int64_t, int64_t>> missing;
    for (int64_t ty = ty0; ty <= ty1; ++ty)
        for (int64_t tx = tx0; tx <= tx1; ++tx)
            if (!tiles_.count({tx, ty})) missing.push_back({tx, ty});
    if (!specimen_ || missing.size() < 2 || missing.size() > capacity_ / 2) return;  // one at a time
    std::vector<std::vector<uint32_t>> pixels(missing.size());
    forEachPart(static_cast<int>(missing.size()), [&](int k) {
        pixels[k] = renderTile(missing[k].first, missing[k].second);
    });
    makeRoom(missing.size());
    for (size_t k = 0; k < missing.size(); ++k) tiles_.emplace(missing[k], std::move(pixels[k]));
    rendered_ += static_cast<int>(missing.size());
}

std::vector<uint32_t> FieldTiles::renderTile(int64_t tx, int64_t ty) const {
    std::vector<uint32_t> pixels(static_cast<size_t>(kTilePx) * kTilePx);
    if (specimen_)
        specimen_->render(static_cast<double>(tx * kTilePx) * viewing_.umPerPx, static_cast<double>(ty * kTilePx) * viewing_.umPerPx,
                          kTilePx, kTilePx, viewing_, pixels.data(), kTilePx);
    return pixels;
}

void FieldTiles::makeRoom(size_t count) {
    if (tiles_.size() + count <= capacity_) return;
    // Forget the tiles farthest from where the field is now.
    std::vector<std::pair<int64_t, std::pair<int64_t, int64_t>>> byDistance;
    for (const auto& t : tiles_)
        byDistance.push_back({std::max(std::llabs(t.first.first - lastX_), std::llabs(t.first.second - lastY_)), t.first});
    std::sort(byDistance.begin(), byDistance.end());
    for (size_t k = capacity_ / 2; k < byDistance.size(); ++k) tiles_.erase(byDistance[k].second);
}

const std::vector<uint32_t>& FieldTiles::tile(int64_t tx, int64_t ty) {
    lastX_ = tx, lastY_ = ty;
    auto it = tiles_.find({tx, ty});
    if (it != tiles_.end()) return it->second;
    makeRoom(1);
    ++rendered_;
    return tiles_.emplace(std::make_pair(tx, ty), renderTile(tx, ty)).first->second;
}

void FieldTiles::copyField(int64_t gx, int64_t gy, int w, int h, uint32_t* out, int stride) {
    const int64_t tx0 = floorDiv(gx, kTilePx), ty0 = floorDiv(gy, kTilePx);
    const int64_t tx1 = floorDiv(gx + w - 1, kTilePx), ty1 = floorDiv(gy + h - 1, kTilePx);
    lastX_ = (tx0 + tx1) / 2, lastY_ = (ty0 + ty1) / 2;
    renderMissing(tx0, ty0, tx1, ty1);
    for (int64_t ty = ty0; ty <= ty1; ++ty)
        for (int64_t tx = tx0; tx <= tx1; ++tx) {
            const std::vector<uint32_t>& t = tile(tx, ty);
            // The part of the tile inside the field, in plane pixels.
            const int64_t x0 = std::max(gx, tx * kTilePx), x1 = std::min(gx + w, (tx + 1) * kTilePx);
            const int64_t y0 = std::max(gy, ty * kTilePx), y1 = std::min(gy + h, (ty + 1) * kTilePx);
            for (int64_t y = y0; y < y1; ++y)
                std::memcpy(out + static_cast<size_t>(y - gy) * stride + (x0 - gx),
                            t.data() + static_cast<size_t>(y - ty * kTilePx) * kTilePx + (x0 - tx * kTilePx),
                            static_cast<size_t>(x1 - x0) * sizeof(uint32_t));
        }
}

}  // namespace specimen

#include "specimen/GrainPlane.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <utility>

#include "specimen/Rng.h"

namespace specimen {

namespace {
constexpr double kSeedMargin = 0.1;  // seeds keep this share of a cell from its sides
constexpr double kMaxWeightShare = 0.15;
constexpr int kSearchCells = 4;      // cells searched in each direction around a point

double powerDistance(const GrainSeed& s, double x, double y) {
    const double dx = x - s.xUm, dy = y - s.yUm;
    return dx * dx + dy * dy - s.weightUm2;
}

// The first of the four cells searched along one axis: the point's cell and one
// neighbour on its near side, two on its far side.
int64_t firstCell(double coordUm, double cellUm) {
    const double f = coordUm / cellUm;
    const int64_t c = static_cast<int64_t>(std::floor(f));
    return f - static_cast<double>(c) < 0.5 ? c - 2 : c - 1;
}
}  // namespace

GrainPlane::GrainPlane(uint64_t seed, double cellUm, double weightShare)
    : seed_(seed), cellUm_(cellUm), weightShare_(std::min(weightShare, kMaxWeightShare)) {}

GrainSeed GrainPlane::seedAt(int64_t i, int64_t j) const {
    const uint64_t h = hash3(seed_, i, j);
    const double span = 1.0 - 2 * kSeedMargin;
    GrainSeed s;
    s.xUm = (static_cast<double>(i) + kSeedMargin + span * to_unit(h)) * cellUm_;
    s.yUm = (static_cast<double>(j) + kSeedMargin + span * to_unit(mix64(h ^ 0x51ED270B27AC94E1ull))) * cellUm_;
    s.key = mix64(h + 0x9E3779B97F4A7C15ull);
    s.weightUm2 = weightShare_ * cellUm_ * cellUm_ * to_unit(mix64(s.key));
    return s;
}

double GrainPlane::grainsPerMm2() const { return 1e6 / (cellUm_ * cellUm_); }

GrainPlane::Hit GrainPlane::locate(double x, double y, const GrainBlock* block) const {
    const int64_t i0 = firstCell(x, cellUm_), j0 = firstCell(y, cellUm_);
    if (block)
        if (const GrainSeed* first = block->find(i0, j0); first && block->find(i0 + kSearchCells - 1, j0 + kSearchCells - 1))
            return locateAmong(first, block->stride(), x, y);
    GrainSeed local[kSearchCells * kSearchCells];
    for (int b = 0; b < kSearchCells; ++b)
        for (int a = 0; a < kSearchCells; ++a) local[b * kSearchCells + a] = seedAt(i0 + a, j0 + b);
    return locateAmong(local, kSearchCells, x, y);
}

GrainPlane::Hit GrainPlane::locateAmong(const GrainSeed* first, int64_t stride, double x, double y) {
    const GrainSeed* seeds[kSearchCells * kSearchCells];
    double pw[kSearchCells * kSearchCells];
    int owner = 0;
    for (int b = 0; b < kSearchCells; ++b)
        for (int a = 0; a < kSearchCells; ++a) {
            const int k = b * kSearchCells + a;
            seeds[k] = first + b * stride + a;
            pw[k] = powerDistance(*seeds[k], x, y);
            if (pw[k] < pw[owner]) owner = k;
        }
    // The border with q lies (pw_q - pw_s) / (2 |q - s|) away: compare squares.
    const GrainSeed& s = *seeds[owner];
    double best = std::numeric_limits<double>::infinity();
    int across = owner;
    for (int k = 0; k < kSearchCells * kSearchCells; ++k) {
        if (k == owner) continue;
        const double gap = pw[k] - pw[owner];
        const double dx = seeds[k]->xUm - s.xUm, dy = seeds[k]->yUm - s.yUm;
        const double d2 = gap * gap / (4 * (dx * dx + dy * dy));
        if (d2 < best) {
            best = d2;
            across = k;
        }
    }
    return Hit{s, *seeds[across], std::sqrt(best)};
}

void GrainPlane::candidates(const GrainBlock& block, double x0, double y0, double x1, double y1, double reach,
                            std::vector<const GrainSeed*>& out) const {
    out.clear();
    const int64_t i0 = static_cast<int64_t>(std::floor(x0 / cellUm_)) - 2, i1 = static_cast<int64_t>(std::floor(x1 / cellUm_)) + 2;
    const int64_t j0 = static_cast<int64_t>(std::floor(y0 / cellUm_)) - 2, j1 = static_cast<int64_t>(std::floor(y1 / cellUm_)) + 2;
    const GrainSeed* near[64];
    size_t n = 0;
    // The owner's power distance is below the smallest of the seeds' largest ones.
    double upper = std::numeric_limits<double>::infinity();
    for (int64_t j = j0; j <= j1; ++j)
        for (int64_t i = i0; i <= i1; ++i) {
            const GrainSeed* q = block.find(i, j);
            if (!q) continue;
            if (n == std::size(near)) {
                // A rectangle of very many cells: let every pixel search them all.
                out.clear();
                for (int64_t jj = j0; jj <= j1; ++jj)
                    for (int64_t ii = i0; ii <= i1; ++ii)
                        if (const GrainSeed* all = block.find(ii, jj)) out.push_back(all);
                return;
            }
            near[n++] = q;
            const double fx = std::max(q->xUm - x0, x1 - q->xUm), fy = std::max(q->yUm - y0, y1 - q->yUm);
            upper = std::min(upper, fx * fx + fy * fy - q->weightUm2);
        }
    // Seeds that may own a point of the rectangle.
    bool owner[64] = {};
    size_t owners[64];
    size_t ownerCount = 0;
    for (size_t k = 0; k < n; ++k) {
        const GrainSeed* q = near[k];
        const double nx = std::max({0.0, x0 - q->xUm, q->xUm - x1}), ny = std::max({0.0, y0 - q->yUm, q->yUm - y1});
        owner[k] = nx * nx + ny * ny - q->weightUm2 <= upper;
        if (owner[k]) out.push_back(q), owners[ownerCount++] = k;
    }
    if (reach < 0) return;
    // And the seeds whose border with an owner passes within the reach of the rectangle:
    // pw_q - pw_s is linear, so its range over the rectangle lies at the corners.
    double corner[64][4];
    for (size_t k = 0; k < n; ++k) {
        corner[k][0] = powerDistance(*near[k], x0, y0);
        corner[k][1] = powerDistance(*near[k], x1, y0);
        corner[k][2] = powerDistance(*near[k], x0, y1);
        corner[k][3] = powerDistance(*near[k], x1, y1);
    }
    for (size_t k = 0; k < n; ++k) {
        if (owner[k]) continue;
        for (size_t o = 0; o < ownerCount; ++o) {
            const size_t s = owners[o];
            double lo = std::numeric_limits<double>::infinity(), hi = -lo;
            for (int c = 0; c < 4; ++c) {
                const double f = corner[k][c] - corner[s][c];
                lo = std::min(lo, f), hi = std::max(hi, f);
            }
            // The border lies (pw_q - pw_s) / (2 |q - s|) away.
            const double dx = near[k]->xUm - near[s]->xUm, dy = near[k]->yUm - near[s]->yUm;
            const double limit2 = reach * reach * 4 * (dx * dx + dy * dy);
            if ((lo <= 0 && hi >= 0) || std::min(lo * lo, hi * hi) <= limit2) {
                out.push_back(near[k]);
                break;
            }
        }
    }
}

GrainPlane::Hit GrainPlane::locateAmong(const GrainSeed* const* seeds, size_t count, double x, double y) {
    constexpr size_t kKept = 64;  // power distances kept for the border search
    double pw[kKept];
    size_t owner = 0;
    double best = std::numeric_limits<double>::infinity();
    for (size_t k = 0; k < count; ++k) {
        const double d = powerDistance(*seeds[k], x, y);
        if (k < kKept) pw[k] = d;
        if (d < best) best = d, owner = k;
    }
    const GrainSeed& s = *seeds[owner];
    double border = std::numeric_limits<double>::infinity();
    size_t across = owner;
    for (size_t k = 0; k < count; ++k) {
        if (k == owner) continue;
        const double gap = (k < kKept ? pw[k] : powerDistance(*seeds[k], x, y)) - best;
        const double dx = seeds[k]->xUm - s.xUm, dy = seeds[k]->yUm - s.yUm;
        const double d2 = gap * gap / (4 * (dx * dx + dy * dy));
        if (d2 < border) border = d2, across = k;
    }
    return Hit{s, *seeds[across], std::sqrt(border)};
}

void GrainPlane::Candidates::assign(const std::vector<const GrainSeed*>& seeds) {
    const size_t n = seeds.size();
    seeds_ = seeds;
    x_.resize(n);
    y_.resize(n);
    w_.resize(n);
    for (size_t k = 0; k < n; ++k) x_[k] = seeds[k]->xUm, y_[k] = seeds[k]->yUm, w_[k] = seeds[k]->weightUm2;
    // 4 |q - s|^2 for every pair: the border distances then need no division per pixel.
    apart_.resize(n * n);
    for (size_t a = 0; a < n; ++a)
        for (size_t b = 0; b < n; ++b) {
            const double dx = x_[a] - x_[b], dy = y_[a] - y_[b];
            apart_[a * n + b] = 4 * (dx * dx + dy * dy);
        }
}

GrainPlane::Hit GrainPlane::Candidates::locate(double x, double y) const {
    const size_t n = seeds_.size();
    constexpr size_t kKept = 64;
    if (n > kKept) return locateAmong(seeds_.data(), n, x, y);
    double pw[kKept];
    for (size_t k = 0; k < n; ++k) {
        const double dx = x - x_[k], dy = y - y_[k];
        pw[k] = dx * dx + dy * dy - w_[k];
    }
    size_t owner = 0;
    for (size_t k = 1; k < n; ++k)
        if (pw[k] < pw[owner]) owner = k;
    // The nearest border: the smallest gap^2 / (4 |q - s|^2), compared as fractions.
    const double best = pw[owner];
    const double* apart = &apart_[owner * n];
    double num = 1, den = 0;  // infinity
    size_t across = owner;
    for (size_t k = 0; k < n; ++k) {
        if (k == owner) continue;
        const double gap = pw[k] - best, g2 = gap * gap;
        if (g2 * den < num * apart[k]) num = g2, den = apart[k], across = k;
    }
    return Hit{*seeds_[owner], *seeds_[across], den > 0 ? std::sqrt(num / den) : std::numeric_limits<double>::infinity()};
}

std::vector<double> GrainPlane::crossings(double x0, double y0, double x1, double y1) const {
    std::vector<double> out;
    const double length = std::hypot(x1 - x0, y1 - y0);
    if (length <= 0) return out;
    const double ux = (x1 - x0) / length, uy = (y1 - y0) / length;
    GrainSeed s = locate(x0, y0).grain;
    double t = 0;
    // A neighbour of a grain lies within about 2.7 cells of its seed: search 4 around it.
    constexpr int kReach = 4;
    for (;;) {
        const int64_t ci = static_cast<int64_t>(std::floor(s.xUm / cellUm_));
        const int64_t cj = static_cast<int64_t>(std::floor(s.yUm / cellUm_));
        double next = length;
        GrainSeed into = s;
        for (int64_t j = cj - kReach; j <= cj + kReach; ++j)
            for (int64_t i = ci - kReach; i <= ci + kReach; ++i) {
                if (i == ci && j == cj) continue;
                const GrainSeed q = seedAt(i, j);
                // pw_q - pw_s at x0 + t u is a + b t.
                const double a = 2 * (x0 * (s.xUm - q.xUm) + y0 * (s.yUm - q.yUm)) + q.xUm * q.xUm + q.yUm * q.yUm -
                                 s.xUm * s.xUm - s.yUm * s.yUm - q.weightUm2 + s.weightUm2;
                const double b = 2 * (ux * (s.xUm - q.xUm) + uy * (s.yUm - q.yUm));
                if (b >= 0) continue;
                const double at = -a / b;
                if (at > t + 1e-9 && at < next) {
                    next = at;
                    into = q;
                }
            }
        if (next >= length) break;
        out.push_back(next);
        t = next;
        s = into;
    }
    return out;
}

GrainBlock::GrainBlock(const GrainPlane& plane, double x0, double y0, double x1, double y1) {
    const double c = plane.cellUm();
    i0_ = static_cast<int64_t>(std::floor(x0 / c)) - 2;
    j0_ = static_cast<int64_t>(std::floor(y0 / c)) - 2;
    ni_ = static_cast<int64_t>(std::floor(x1 / c)) + 3 - i0_;
    nj_ = static_cast<int64_t>(std::floor(y1 / c)) + 3 - j0_;
    seeds_.reserve(static_cast<size_t>(ni_ * nj_));
    for (int64_t j = 0; j < nj_; ++j)
        for (int64_t i = 0; i < ni_; ++i) seeds_.push_back(plane.seedAt(i0_ + i, j0_ + j));
}

}  // namespace specimen

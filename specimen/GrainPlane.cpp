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

void GrainPlane::Patch::build(const GrainPlane& plane, const GrainBlock& block, double x0, double y0, double x1, double y1,
                              double reach) {
    x0_ = x0, y0_ = y0;
    near_.clear(), owners_.clear(), ownerIndex_.clear(), firstBorder_.clear(), borders_.clear(), power0_.clear();
    const double c = plane.cellUm();
    // The 4 x 4 cells each point of the rectangle searches, together.
    const int64_t i0 = firstCell(x0, c), i1 = firstCell(x1, c) + kSearchCells - 1;
    const int64_t j0 = firstCell(y0, c), j1 = firstCell(y1, c) + kSearchCells - 1;
    // The owner's power distance is below the smallest of the seeds' largest ones.
    double upper = std::numeric_limits<double>::infinity();
    for (int64_t j = j0; j <= j1; ++j) {
        const GrainSeed* row = block.find(i0, j);
        if (!row || !block.find(i1, j)) {  // a rectangle beyond the block: only the cells it holds
            for (int64_t i = i0; i <= i1; ++i)
                if (const GrainSeed* q = block.find(i, j)) near_.push_back(q);
            continue;
        }
        for (int64_t i = i0; i <= i1; ++i) near_.push_back(row + (i - i0));
    }
    for (const GrainSeed* q : near_) {
        const double fx = std::max(q->xUm - x0, x1 - q->xUm), fy = std::max(q->yUm - y0, y1 - q->yUm);
        upper = std::min(upper, fx * fx + fy * fy - q->weightUm2);
    }
    for (size_t k = 0; k < near_.size(); ++k) {
        const GrainSeed* q = near_[k];
        const double nx = std::max(0.0, std::max(x0 - q->xUm, q->xUm - x1));
        const double ny = std::max(0.0, std::max(y0 - q->yUm, q->yUm - y1));
        if (nx * nx + ny * ny - q->weightUm2 <= upper) owners_.push_back(q), ownerIndex_.push_back(k);
    }
    // A seed that another one beats at all four corners beats it everywhere in between
    // (their difference is linear): it owns nothing here.
    if (owners_.size() > 1) {
        corners_.resize(4 * owners_.size());
        for (size_t o = 0; o < owners_.size(); ++o) {
            const GrainSeed& q = *owners_[o];
            corners_[4 * o] = powerDistance(q, x0, y0), corners_[4 * o + 1] = powerDistance(q, x1, y0);
            corners_[4 * o + 2] = powerDistance(q, x0, y1), corners_[4 * o + 3] = powerDistance(q, x1, y1);
        }
        size_t kept = 0;
        for (size_t o = 0; o < owners_.size(); ++o) {
            bool beaten = false;
            for (size_t k = 0; k < owners_.size() && !beaten; ++k)
                beaten = k != o && corners_[4 * k] < corners_[4 * o] && corners_[4 * k + 1] < corners_[4 * o + 1] &&
                         corners_[4 * k + 2] < corners_[4 * o + 2] && corners_[4 * k + 3] < corners_[4 * o + 3];
            if (!beaten) owners_[kept] = owners_[o], ownerIndex_[kept++] = ownerIndex_[o];
        }
        owners_.resize(kept), ownerIndex_.resize(kept);
    }
    if (reach < 0) return;
    for (const GrainSeed* q : near_) power0_.push_back(powerDistance(*q, x0, y0));
    // pw_q - pw_s is linear, and so is the distance from their border,
    // (pw_q - pw_s) / (2 |q - s|): its least value over the rectangle lies at a corner.
    const double w = x1 - x0, h = y1 - y0, reach2 = 4 * reach * reach;
    for (size_t o = 0; o < owners_.size(); ++o) {
        const GrainSeed* s = owners_[o];
        const double ps = power0_[ownerIndex_[o]];
        firstBorder_.push_back(borders_.size());
        for (size_t k = 0; k < near_.size(); ++k) {
            const GrainSeed* q = near_[k];
            if (q == s) continue;
            // Compared as squares first: most seeds lie far beyond the reach.
            const double ax = s->xUm - q->xUm, ay = s->yUm - q->yUm;
            const double gap0 = power0_[k] - ps;
            const double least = gap0 + 2 * (std::min(0.0, ax * w) + std::min(0.0, ay * h));
            const double apart2 = ax * ax + ay * ay;
            if (least > 0 && least * least > reach2 * apart2) continue;
            const double apart = std::sqrt(apart2);
            borders_.push_back(Border{gap0 / (2 * apart), ax / apart, ay / apart, q});
        }
    }
    firstBorder_.push_back(borders_.size());
}

size_t GrainPlane::Patch::ownerAt(double x, double y) const {
    size_t owner = 0;
    if (owners_.size() > 1) {
        double best = std::numeric_limits<double>::infinity();
        for (size_t k = 0; k < owners_.size(); ++k)
            if (const double d = powerDistance(*owners_[k], x, y); d < best) best = d, owner = k;
    }
    return owner;
}

GrainPlane::Patch::Hit GrainPlane::Patch::locate(double x, double y) const {
    const size_t owner = ownerAt(x, y);
    const GrainSeed* s = owners_[owner];
    if (firstBorder_.empty()) return Hit{s, s, std::numeric_limits<double>::infinity()};
    const double u = x - x0_, v = y - y0_;
    double border = std::numeric_limits<double>::infinity();
    const GrainSeed* across = s;
    for (size_t k = firstBorder_[owner]; k < firstBorder_[owner + 1]; ++k) {
        const Border& b = borders_[k];
        if (const double d = b.d0 + b.du * u + b.dv * v; d < border) border = d, across = b.across;
    }
    return Hit{s, across, std::max(0.0, border)};
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

void GrainBlock::assign(const GrainPlane& plane, double x0, double y0, double x1, double y1) {
    const double c = plane.cellUm();
    i0_ = static_cast<int64_t>(std::floor(x0 / c)) - 2;
    j0_ = static_cast<int64_t>(std::floor(y0 / c)) - 2;
    ni_ = static_cast<int64_t>(std::floor(x1 / c)) + 3 - i0_;
    nj_ = static_cast<int64_t>(std::floor(y1 / c)) + 3 - j0_;
    seeds_.clear();
    seeds_.reserve(static_cast<size_t>(ni_ * nj_));
    for (int64_t j = 0; j < nj_; ++j)
        for (int64_t i = 0; i < ni_; ++i) seeds_.push_back(plane.seedAt(i0_ + i, j0_ + j));
}

}  // namespace specimen

// Grains that fill the whole plane: a Laguerre (power-weighted Voronoi) tessellation whose
// seeds come from hashing square cells, one seed per cell. Any window of the plane is
// computed from the cells around it alone, so a field looks the same however it was reached,
// and the plane has no edge. Positions are in micrometres.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace specimen {

struct GrainSeed {
    double xUm = 0, yUm = 0;
    double weightUm2 = 0;  // power weight: larger weights make larger grains
    uint64_t key = 0;      // the grain's own random bits (phase, orientation, tone)
};

class GrainBlock;

class GrainPlane {
public:
    // Seeds lie in the middle 80 % of their cells with weights up to
    // weightShare * cellUm^2 (at most 0.15, so the 4 x 4 cells around a point always hold
    // its grain and every border near it).
    GrainPlane(uint64_t seed, double cellUm, double weightShare);

    double cellUm() const { return cellUm_; }
    GrainSeed seedAt(int64_t i, int64_t j) const;
    // Grains per square millimetre (one per cell, exactly).
    double grainsPerMm2() const;

    struct Hit {
        GrainSeed grain;      // the grain the point lies in
        GrainSeed neighbour;  // the grain across the nearest border
        double borderUm = 0;  // distance to that border
    };
    // The block, if given and covering the point's cells, saves hashing the seeds again.
    Hit locate(double xUm, double yUm, const GrainBlock* block = nullptr) const;

    // The seeds that may own a point of the rectangle or lie across a border less than
    // reachUm from one: a short list for the pixels of a small rectangle to search.
    void candidates(const GrainBlock& block, double x0Um, double y0Um, double x1Um, double y1Um, double reachUm,
                    std::vector<const GrainSeed*>& out) const;
    // The grain among such candidates (a border farther than the reach may be missed).
    static Hit locateAmong(const GrainSeed* const* seeds, size_t count, double xUm, double yUm);

    // Candidates laid out for many lookups: the coordinates side by side.
    class Candidates {
    public:
        void assign(const std::vector<const GrainSeed*>& seeds);
        Hit locate(double xUm, double yUm) const;

    private:
        std::vector<const GrainSeed*> seeds_;
        std::vector<double> x_, y_, w_, apart_;
    };

    // Distances from the start (µm, ascending) at which the segment crosses a grain border:
    // exact, because power-distance differences are linear along a line.
    std::vector<double> crossings(double x0Um, double y0Um, double x1Um, double y1Um) const;

private:
    // The grain among the 4 x 4 seeds starting at `first`, rows `stride` seeds apart.
    static Hit locateAmong(const GrainSeed* first, int64_t stride, double xUm, double yUm);
    uint64_t seed_;
    double cellUm_;
    double weightShare_;
};

// The seeds of the cells around a rectangle, hashed once for the many lookups of a tile.
class GrainBlock {
public:
    GrainBlock(const GrainPlane& plane, double x0Um, double y0Um, double x1Um, double y1Um);
    // The seed of cell (i, j), or null when the block does not hold it.
    const GrainSeed* find(int64_t i, int64_t j) const {
        if (i < i0_ || j < j0_ || i >= i0_ + ni_ || j >= j0_ + nj_) return nullptr;
        return &seeds_[static_cast<size_t>((j - j0_) * ni_ + (i - i0_))];
    }
    int64_t stride() const { return ni_; }

private:
    int64_t i0_ = 0, j0_ = 0, ni_ = 0, nj_ = 0;
    std::vector<GrainSeed> seeds_;
};

}  // namespace specimen

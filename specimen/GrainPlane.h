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

    // The grains of a small rectangle, ready for its many pixels: the seeds that may own a
    // point of it and, for each of them, the borders that pass within reachUm of it as lines,
    // so a pixel's grain and border distance cost a few multiply-adds. A border farther than
    // the reach is not reported (the distance is then infinite); a negative reach asks for
    // the grain alone.
    class Patch {
    public:
        void build(const GrainPlane& plane, const GrainBlock& block, double x0Um, double y0Um, double x1Um, double y1Um,
                   double reachUm);
        // One grain owns the whole rectangle and no border comes within the reach.
        bool uniform() const { return owners_.size() == 1 && borders_.empty(); }
        struct Hit {
            const GrainSeed* grain;      // the grain the point lies in
            const GrainSeed* neighbour;  // the grain across the nearest border (the grain itself if none is near)
            double borderUm;             // distance to that border
        };
        Hit locate(double xUm, double yUm) const;
        // The grain alone.
        const GrainSeed& owner(double xUm, double yUm) const { return *owners_[ownerAt(xUm, yUm)]; }

    private:
        // Signed distance from the owner's border with `across`: d0 + du (x - x0) + dv (y - y0).
        struct Border {
            double d0, du, dv;
            const GrainSeed* across;
        };
        size_t ownerAt(double xUm, double yUm) const;
        double x0_ = 0, y0_ = 0;
        std::vector<const GrainSeed*> near_, owners_;
        std::vector<size_t> ownerIndex_;  // where each owner stands in near_
        std::vector<double> power0_;      // the near seeds' power distances at (x0, y0)
        std::vector<double> corners_;     // the owners' power distances at the four corners
        std::vector<size_t> firstBorder_;  // owner k's borders: [firstBorder_[k], firstBorder_[k + 1])
        std::vector<Border> borders_;
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
    GrainBlock() = default;
    GrainBlock(const GrainPlane& plane, double x0Um, double y0Um, double x1Um, double y1Um) { assign(plane, x0Um, y0Um, x1Um, y1Um); }
    void assign(const GrainPlane& plane, double x0Um, double y0Um, double x1Um, double y1Um);
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

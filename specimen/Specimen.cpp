#include "specimen/Specimen.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "specimen/Noise.h"
#include "specimen/Optics.h"
#include "specimen/Parallel.h"
#include "specimen/Rng.h"
#include "specimen/Stereology.h"

namespace specimen {

namespace {
constexpr double kPi = 3.14159265358979323846;

// Grain and colony sizes (cell sides of the tessellations, µm).
constexpr double kFerriteCellLowCarbonUm = 32, kFerriteCellEutectoidUm = 12;  // 0.05 and 0.80 % C
constexpr double kColonyCellLowCarbonUm = 9, kColonyCellEutectoidUm = 6;
constexpr double kAusteniteCellUm = 45, kEutecticCellUm = 120, kCastColonyCellUm = 12;
constexpr double kPriorAusteniteCellUm = 22, kPacketCellUm = 7;
constexpr double kWeightShare = 0.15;
constexpr double kMinCarbonPct = 0.05, kMaxCarbonPct = 0.80;

// Pearlite: lamellae 0.2 to 0.5 µm apart, most of them coarse.
constexpr double kLamellaMinUm = 0.2, kLamellaSpreadUm = 0.3;
constexpr double kBendScaleUm = 3.0;
constexpr double kNeedleSpacingUm = 1.0, kNeedleLengthUm = 3.5;

// Reflectances of the polished and etched phases (bright field, 0..1).
constexpr double kPolished = 0.9;
constexpr double kPearliteEtchedMean = 0.42, kLamellaAmplitude = 0.26;
constexpr double kMartensiteEtchedMean = 0.5, kNeedleAmplitude = 0.2;
constexpr double kGraphite = 0.2, kInclusion = 0.45, kPore = 0.05;
constexpr double kGrooveHalfWidthUm = 0.25;
constexpr double kDarkFieldFloor = 0.025;

// Etching: faint below the right time, dark and rough above it.
constexpr double kNitalRightS = 10, kV2aRightS = 25;
constexpr double kOverEtchLimit = 3;

double lerp(double a, double b, double t) { return a + (b - a) * t; }
double unit(uint64_t key, int k) { return to_unit(mix64(key + 0x632BE59BD9B4E019ull * static_cast<uint64_t>(k + 1))); }

// Share of a blurred edge's bright side at signed distance sd (negative inside).
double insideShare(double sdUm, double sigmaUm) {
    const double edge = 2.2 * sigmaUm;
    if (sdUm >= edge) return 0.0;  // most pixels lie well away from an edge: no division for them
    if (sdUm <= -edge) return 1.0;
    return 1.0 - smoothstep(-edge, edge, sdUm);
}

// A Gaussian groove of half-width w and depth a, blurred by sigma: wider and shallower.
// Its shape is worked out once for the many pixels that look at it.
struct Groove {
    double halfWidthUm = 0, sigmaUm = 0;
    double reachUm = -1;  // beyond the widest the blur can make it
    double widthUm = 0;   // the blurred half-width
    double ratio = 0;     // how much shallower the blur makes it
    double eightW2 = 1;   // 8 w^2
    Groove() = default;
    Groove(double halfWidth, double sigma)
        : halfWidthUm(halfWidth), sigmaUm(sigma), reachUm(2.83 * (halfWidth + 1.42 * sigma)),
          widthUm(std::sqrt(halfWidth * halfWidth + 2 * sigma * sigma)), ratio(halfWidth / widthUm), eightW2(8 * widthUm * widthUm) {}
    double operator()(double dUm, double depth) const {
        if (dUm > reachUm) return 0.0;
        // (1 - t^2 / 8)^8 is exp(-t^2) to within 0.03, made of multiplications only.
        const double q = 1 - dUm * dUm / eightW2;
        if (q <= 0) return 0.0;
        const double q2 = q * q, q4 = q2 * q2;
        return depth * ratio * q4 * q4;
    }
};

// A smooth wave of period 1 between -1 and 1 (a cheap cosine: smooth steps up and down).
double periodicWave(double phase) {
    const double g = std::abs(2 * (phase - static_cast<double>(floorToInt(phase))) - 1);
    return 2 * g * g * (3 - 2 * g) - 1;
}

struct Scratch {
    double x, y, dx, dy, lengthUm, halfWidthUm, depth;
    Groove groove;
    double bx0, by0, bx1, by1;  // bounds with the blurred reach
};

struct ScratchFamily {
    double angle, binUm, presence, minHalfWidthUm, maxHalfWidthUm, minDepth, maxDepth, minLengthUm, maxLengthUm;
};

// Ground: parallel scratches of the last paper, turned 90 degrees between the steps.
// Polished: few, short and in all directions, their width set by the diamond grain.
std::vector<ScratchFamily> scratchFamilies(Preparation p) {
    switch (p) {
    case Preparation::GroundP320:
        return {{0.35, 6, 0.8, 0.8, 3.0, 0.45, 0.75, 300, 900}};
    case Preparation::GroundP1200:
        return {{0.35 + kPi / 2, 5, 0.65, 0.3, 1.1, 0.35, 0.6, 200, 600}};
    case Preparation::Polished3um:
        return {{0.3, 30, 0.7, 0.25, 0.55, 0.35, 0.6, 30, 160},
                {1.45, 30, 0.7, 0.25, 0.55, 0.35, 0.6, 30, 160},
                {2.5, 30, 0.7, 0.25, 0.55, 0.35, 0.6, 30, 160}};
    case Preparation::Polished1um:
        return {{0.8, 160, 0.25, 0.06, 0.14, 0.2, 0.3, 20, 80}, {2.1, 160, 0.25, 0.06, 0.14, 0.2, 0.3, 20, 80}};
    }
    return {};
}

std::vector<Scratch> scratchesNear(uint64_t seed, Preparation p, double x0, double y0, double x1, double y1, double sigmaUm) {
    std::vector<Scratch> out;
    int familyIndex = 0;
    for (const ScratchFamily& f : scratchFamilies(p)) {
        const uint64_t fseed = mix64(seed + 0xA24BAED4963EE407ull * static_cast<uint64_t>(++familyIndex));
        const double dx = std::cos(f.angle), dy = std::sin(f.angle);
        const double reach = 2.83 * std::sqrt(f.maxHalfWidthUm * f.maxHalfWidthUm + 2 * sigmaUm * sigmaUm);
        double umin = 1e300, umax = -1e300, vmin = 1e300, vmax = -1e300;
        for (double cx : {x0, x1})
            for (double cy : {y0, y1}) {
                const double u = cx * dx + cy * dy, v = -cx * dy + cy * dx;
                umin = std::min(umin, u), umax = std::max(umax, u), vmin = std::min(vmin, v), vmax = std::max(vmax, v);
            }
        const double period = 1.3 * f.maxLengthUm;
        for (int64_t b = static_cast<int64_t>(std::floor((vmin - reach) / f.binUm));
             b <= static_cast<int64_t>(std::floor((vmax + reach) / f.binUm)); ++b) {
            const uint64_t hb = hash3(fseed, b, 0);
            if (to_unit(hb) >= f.presence) continue;
            const double v = (static_cast<double>(b) + unit(hb, 0)) * f.binUm;
            for (int64_t k = static_cast<int64_t>(std::floor((umin - period) / period));
                 k <= static_cast<int64_t>(std::floor(umax / period)); ++k) {
                const uint64_t hk = hash3(fseed, b, k + 0x10000);
                const double len = lerp(f.minLengthUm, f.maxLengthUm, unit(hk, 0));
                const double u = static_cast<double>(k) * period + unit(hk, 1) * (period - len);
                if (u > umax + reach || u + len < umin - reach) continue;
                Scratch s{};
                s.dx = dx, s.dy = dy;
                s.x = u * dx - v * dy;
                s.y = u * dy + v * dx;
                s.lengthUm = len;
                s.halfWidthUm = lerp(f.minHalfWidthUm, f.maxHalfWidthUm, unit(hk, 2));
                s.depth = lerp(f.minDepth, f.maxDepth, unit(hk, 3));
                s.groove = Groove(s.halfWidthUm, sigmaUm);
                const double ex = s.x + len * dx, ey = s.y + len * dy;
                s.bx0 = std::min(s.x, ex) - reach, s.bx1 = std::max(s.x, ex) + reach;
                s.by0 = std::min(s.y, ey) - reach, s.by1 = std::max(s.y, ey) + reach;
                if (s.bx1 < x0 || s.bx0 > x1 || s.by1 < y0 || s.by0 > y1) continue;
                out.push_back(s);
            }
        }
    }
    return out;
}

double scratchDepth(const std::vector<Scratch>& scratches, double x, double y) {
    double depth = 0;
    for (const Scratch& s : scratches) {
        if (x < s.bx0 || x > s.bx1 || y < s.by0 || y > s.by1) continue;
        const double px = x - s.x, py = y - s.y;
        const double u = px * s.dx + py * s.dy, v = -px * s.dy + py * s.dx;
        if (u < -3 * s.halfWidthUm || u > s.lengthUm + 3 * s.halfWidthUm) continue;
        // The scratch fades out over the last tenth at each end.
        const double ends = smoothstep(0, 0.1 * s.lengthUm, u) * smoothstep(s.lengthUm, 0.9 * s.lengthUm, u);
        depth = std::max(depth, ends * s.groove(v, s.depth));
    }
    return depth;
}
}  // namespace

Specimen::Specimen(Material material, double carbonPct, uint64_t seed)
    : material_(material),
      carbonPct_(std::clamp(carbonPct, kMinCarbonPct, kMaxCarbonPct)),
      seed_(seed + static_cast<uint64_t>(material) * 0x9E3779B97F4A7C15ull),
      grains_(seed_, 1, kWeightShare),
      colonies_(seed_ + 1, 1, kWeightShare) {
    const double t = (carbonPct_ - kMinCarbonPct) / (kMaxCarbonPct - kMinCarbonPct);
    switch (material_) {
    case Material::CarbonSteel:
        grains_ = GrainPlane(seed_, lerp(kFerriteCellLowCarbonUm, kFerriteCellEutectoidUm, t), kWeightShare);
        colonies_ = GrainPlane(seed_ + 1, lerp(kColonyCellLowCarbonUm, kColonyCellEutectoidUm, t), kWeightShare);
        pearliteShare_ = leverRulePearliteShare(carbonPct_);
        break;
    case Material::AusteniticSteel:
        grains_ = GrainPlane(seed_, kAusteniteCellUm, kWeightShare);
        break;
    case Material::LamellarCastIron:
    case Material::NodularCastIron:
        grains_ = GrainPlane(seed_, kEutecticCellUm, kWeightShare);
        colonies_ = GrainPlane(seed_ + 1, kCastColonyCellUm, kWeightShare);
        break;
    case Material::QuenchedTempered:
        grains_ = GrainPlane(seed_, kPriorAusteniteCellUm, kWeightShare);
        colonies_ = GrainPlane(seed_ + 1, kPacketCellUm, kWeightShare);
        break;
    }
}

bool Specimen::hasGrainSize() const {
    return material_ == Material::CarbonSteel || material_ == Material::AusteniticSteel ||
           material_ == Material::QuenchedTempered;
}

std::string Specimen::countedPhase() const {
    if (material_ == Material::CarbonSteel) return "Perlit";
    if (material_ == Material::LamellarCastIron || material_ == Material::NodularCastIron) return "Graphit";
    return "";
}

std::string Specimen::etchant() const { return material_ == Material::AusteniticSteel ? "V2A-Beize" : "Nital 3 %"; }

double Specimen::rightEtchTimeS() const { return material_ == Material::AusteniticSteel ? kV2aRightS : kNitalRightS; }

bool Specimen::isPearliteGrain(const GrainSeed& g) const { return unit(g.key, 7) < pearliteShare_; }

Specimen::Colony Specimen::colonyOf(uint64_t key) const {
    const double a = kPi * unit(key, 1);
    return Colony{std::cos(a), std::sin(a), kLamellaMinUm + kLamellaSpreadUm * std::sqrt(unit(key, 2)),
                  0.3 + 0.9 * unit(key, 3)};
}

namespace {
// Whether a point of the rectangle may lie less than reachUm outside a flake or an inclusion:
// they lie in a box along their own axis, and a box that the rectangle's projection on
// either of its axes misses is not reached.
bool mayReach(const Specimen::Particle& p, double x0, double y0, double x1, double y1, double reachUm) {
    double alongUm, acrossUm;
    switch (p.kind) {
    case Specimen::Particle::Flake:
        alongUm = p.halfLengthUm + reachUm;
        acrossUm = p.halfWidthUm + reachUm + std::abs(p.bendPerUm) * alongUm * alongUm;
        break;
    case Specimen::Particle::Inclusion:  // (|(u / a, v / b)| - 1) b <= r
        alongUm = p.halfLengthUm * (1 + reachUm / p.halfWidthUm);
        acrossUm = p.halfWidthUm + reachUm;
        break;
    default:
        return true;
    }
    const double hx = 0.5 * (x1 - x0), hy = 0.5 * (y1 - y0);
    const double dx = x0 + hx - p.xUm, dy = y0 + hy - p.yUm;
    const double c = std::abs(p.cosA), s = std::abs(p.sinA);
    return std::abs(dx * p.cosA + dy * p.sinA) <= alongUm + hx * c + hy * s &&
           std::abs(-dx * p.sinA + dy * p.cosA) <= acrossUm + hx * s + hy * c;
}

double signedDistance(const Specimen::Particle& p, double x, double y) {
    const double dx = x - p.xUm, dy = y - p.yUm;
    switch (p.kind) {
    case Specimen::Particle::Pore:
    case Specimen::Particle::Nodule:
        return std::sqrt(dx * dx + dy * dy) - p.halfLengthUm;
    case Specimen::Particle::Inclusion: {
        const double u = dx * p.cosA + dy * p.sinA, v = -dx * p.sinA + dy * p.cosA;
        const double a = u / p.halfLengthUm, b = v / p.halfWidthUm;
        return (std::sqrt(a * a + b * b) - 1) * p.halfWidthUm;
    }
    case Specimen::Particle::Flake: {
        const double u = dx * p.cosA + dy * p.sinA, v = -dx * p.sinA + dy * p.cosA;
        const double along = std::min(1.0, std::abs(u) / p.halfLengthUm);
        const double half = p.halfWidthUm * std::sqrt(1 - along * along);
        const double beyond = std::max(0.0, std::abs(u) - p.halfLengthUm);
        const double across = std::abs(v - p.bendPerUm * u * u) - half;
        return across < 0 ? across : std::sqrt(across * across + beyond * beyond);
    }
    }
    return 1e9;
}
constexpr double kHaloFactor = 1.8;  // ferrite around a nodule reaches this many radii
}  // namespace

std::vector<Specimen::Particle> Specimen::particlesNear(double x0, double y0, double x1, double y1) const {
    std::vector<Particle> out;
    struct Kind {
        Particle::Kind kind;
        double cellUm, chance, reachUm;
        uint64_t salt;
    };
    std::vector<Kind> kinds;
    if (material_ == Material::LamellarCastIron) kinds.push_back({Particle::Flake, 55, 1.0, 50, 11});
    if (material_ == Material::LamellarCastIron) kinds.push_back({Particle::Flake, 55, 0.9, 50, 12});
    if (material_ == Material::NodularCastIron) kinds.push_back({Particle::Nodule, 55, 0.85, 16 * kHaloFactor, 13});
    if (material_ == Material::CarbonSteel || material_ == Material::AusteniticSteel || material_ == Material::QuenchedTempered)
        kinds.push_back({Particle::Inclusion, 150, 0.6, 14, 14});
    kinds.push_back({Particle::Pore, 400, 0.5, 5, 15});
    for (const Kind& k : kinds) {
        const uint64_t kseed = mix64(seed_ ^ (k.salt * 0xD1B54A32D192ED03ull));
        for (int64_t j = static_cast<int64_t>(std::floor((y0 - k.reachUm) / k.cellUm));
             j <= static_cast<int64_t>(std::floor((y1 + k.reachUm) / k.cellUm)); ++j)
            for (int64_t i = static_cast<int64_t>(std::floor((x0 - k.reachUm) / k.cellUm));
                 i <= static_cast<int64_t>(std::floor((x1 + k.reachUm) / k.cellUm)); ++i) {
                const uint64_t h = hash3(kseed, i, j);
                if (unit(h, 0) >= k.chance) continue;
                Particle p;
                p.kind = k.kind;
                p.xUm = (static_cast<double>(i) + unit(h, 1)) * k.cellUm;
                p.yUm = (static_cast<double>(j) + unit(h, 2)) * k.cellUm;
                double angle = 0;
                switch (k.kind) {
                case Particle::Inclusion:  // manganese sulphides, stretched along the rolling direction
                    angle = 0.05 * (unit(h, 3) - 0.5);
                    p.halfLengthUm = lerp(3, 12, unit(h, 4));
                    p.halfWidthUm = lerp(0.5, 1.4, unit(h, 5));
                    break;
                case Particle::Pore:
                    p.halfLengthUm = p.halfWidthUm = lerp(1, 4, unit(h, 4));
                    break;
                case Particle::Flake:
                    angle = kPi * unit(h, 3);
                    p.halfLengthUm = lerp(15, 45, unit(h, 4));
                    p.halfWidthUm = lerp(1.0, 2.5, unit(h, 5));
                    p.bendPerUm = (unit(h, 6) - 0.5) * 0.6 / p.halfLengthUm;
                    break;
                case Particle::Nodule:
                    p.halfLengthUm = p.halfWidthUm = lerp(6, 16, unit(h, 4));
                    break;
                }
                p.cosA = std::cos(angle), p.sinA = std::sin(angle);
                if (p.xUm + k.reachUm < x0 || p.xUm - k.reachUm > x1 || p.yUm + k.reachUm < y0 || p.yUm - k.reachUm > y1)
                    continue;
                out.push_back(p);
            }
    }
    return out;
}

bool Specimen::inCountedPhase(double x, double y) const {
    if (material_ == Material::CarbonSteel) return isPearliteGrain(grains_.locate(x, y).grain);
    if (material_ == Material::LamellarCastIron || material_ == Material::NodularCastIron) {
        for (const Particle& p : particlesNear(x, y, x, y))
            if ((p.kind == Particle::Flake || p.kind == Particle::Nodule) && signedDistance(p, x, y) < 0) return true;
    }
    return false;
}

double Specimen::countedShare(double x0, double y0, double x1, double y1, int n) const {
    if (countedPhase().empty() || n <= 0) return 0;
    int hits = 0;
    const bool grainsOnly = material_ == Material::CarbonSteel;
    // Systematic grid: each point stands at the centre of its square.
    for (int j = 0; j < n; ++j) {
        const double y = y0 + (j + 0.5) * (y1 - y0) / n;
        const std::vector<Particle> row = grainsOnly ? std::vector<Particle>{} : particlesNear(x0, y, x1, y);
        for (int i = 0; i < n; ++i) {
            const double x = x0 + (i + 0.5) * (x1 - x0) / n;
            if (grainsOnly) {
                hits += isPearliteGrain(grains_.locate(x, y).grain);
                continue;
            }
            for (const Particle& p : row)
                if ((p.kind == Particle::Flake || p.kind == Particle::Nodule) && signedDistance(p, x, y) < 0) {
                    ++hits;
                    break;
                }
        }
    }
    return static_cast<double>(hits) / (static_cast<double>(n) * n);
}

double Specimen::countedShareWhole() const {
    constexpr int kWholeGrid = 400;
    if (wholeShare_ < 0) wholeShare_ = countedShare(0, 0, kSizeUm, kSizeUm, kWholeGrid);
    return wholeShare_;
}

// One rendering: what a tile needs from its neighbourhood, gathered once.
struct FieldPainter {
    const Specimen& s;
    const Viewing& v;
    double sigma;       // optical blur and the pixel's own extent
    double etch;        // 0 unetched .. 1 etched just right
    double overEtch;    // 0 .. kOverEtchLimit
    Groove grainGroove, twinGroove, haloGroove, particleEdge;
    double lamellaContrast = 0, needleContrast = 0;
    mutable double colonyContrast = 0;
    GrainBlock grains, colonies;
    std::vector<Specimen::Particle> particles;
    std::vector<Scratch> scratches;
    // Bending of the lamellae, on a lattice every kLatticePx pixels.
    static constexpr int kLatticePx = 8;
    int latticeW = 0;
    std::vector<double> bend;
    double x0 = 0, y0 = 0;
    // The grains and colonies of the current small square, ready for its pixels.
    GrainPlane::Patch grainPatch, colonyPatch;
    bool needColonies = false;
    double grainReach = 0;
    mutable uint64_t lastPacket = 0, lastColony = 0, lastTone[2] = {0, 0};
    mutable Specimen::Colony colony{1, 0, 1, 0};
    mutable double tone[2] = {0, 0};
    mutable bool pearliteGrain[2] = {false, false};
    mutable double packetNx = 1, packetNy = 0;
    // The needle directions of the packets seen lately, by their key.
    struct PacketDirection {
        uint64_t key = 0;
        double nx = 1, ny = 0;
    };
    static constexpr size_t kPacketSlots = 256;
    mutable std::vector<PacketDirection> packetDirections = std::vector<PacketDirection>(kPacketSlots);

    // A square that lies in one grain and farther than anything can reach from its borders
    // needs no search for its pixels.
    bool grainInterior = false, colonyInterior = false;
    GrainPlane::Patch::Hit interiorGrain{};
    const GrainSeed* interiorColony = nullptr;
    std::vector<const Specimen::Particle*> nearParticles;
    std::vector<Scratch> nearScratches;

    // Every pixel of the square prepared last looks the same: one grain, no border, particle,
    // scratch, roughness or resolved structure reaches it.
    bool flat(double sx0, double sy0, double sx1, double sy1) const {
        if (!grainInterior || !nearParticles.empty() || !nearScratches.empty() || overEtch > 0) return false;
        const bool unresolved = etch <= 0 || lamellaContrast <= 0;
        switch (s.material_) {
        case Material::CarbonSteel:
            return unresolved || !s.isPearliteGrain(*interiorGrain.grain);
        case Material::AusteniticSteel: {
            const Twins& t = twinsOf(*interiorGrain.grain);
            const double q00 = sx0 * t.nx + sy0 * t.ny, q11 = sx1 * t.nx + sy1 * t.ny;
            const double q10 = sx1 * t.nx + sy0 * t.ny, q01 = sx0 * t.nx + sy1 * t.ny;
            const double lo = std::min({q00, q11, q10, q01}), hi = std::max({q00, q11, q10, q01});
            for (int k = 0; k < t.count; ++k) {
                const double gap = t.offset[k] < lo ? lo - t.offset[k] : t.offset[k] > hi ? t.offset[k] - hi : 0.0;
                if (gap - t.half[k] <= 3 * sigma + 1 + 1e-9) return false;
            }
            return true;
        }
        case Material::QuenchedTempered:
            return etch <= 0 || needleContrast <= 0;
        case Material::LamellarCastIron:
        case Material::NodularCastIron:
            return unresolved;
        }
        return false;
    }

    void prepare(double sx0, double sy0, double sx1, double sy1) {
        grainPatch.build(s.grains_, grains, sx0, sy0, sx1, sy1, grainReach);
        grainInterior = grainPatch.uniform();
        if (grainInterior) interiorGrain = grainPatch.locate(sx0, sy0);
        if (needColonies) {
            colonyPatch.build(s.colonies_, colonies, sx0, sy0, sx1, sy1, -1);
            colonyInterior = colonyPatch.uniform();
            if (colonyInterior) interiorColony = &colonyPatch.owner(sx0, sy0);
        }
        nearParticles.clear();
        for (const Specimen::Particle& p : particles) {
            const double reach = (p.kind == Specimen::Particle::Nodule ? kHaloFactor : 1.0) * p.halfLengthUm + 4 * sigma + 1;
            if (p.xUm + reach >= sx0 && p.xUm - reach <= sx1 && p.yUm + reach >= sy0 && p.yUm - reach <= sy1 &&
                mayReach(p, sx0, sy0, sx1, sy1, 4 * sigma + 1))
                nearParticles.push_back(&p);
        }
        nearScratches.clear();
        for (const Scratch& sc : scratches)
            if (sc.bx1 >= sx0 && sc.bx0 <= sx1 && sc.by1 >= sy0 && sc.by0 <= sy1) nearScratches.push_back(sc);
    }

    FieldPainter(const Specimen& sp, const Viewing& view)
        : s(sp), v(view),
          sigma(std::sqrt(view.blurSigmaUm * view.blurSigmaUm + 0.16 * view.umPerPx * view.umPerPx)),
          etch(view.etched ? std::min(1.0, view.etchTimeS / sp.rightEtchTimeS()) : 0.0),
          overEtch(view.etched ? std::clamp(view.etchTimeS / sp.rightEtchTimeS() - 1, 0.0, kOverEtchLimit) : 0.0),
          grainGroove(kGrooveHalfWidthUm * (1 + 0.5 * overEtch), sigma), twinGroove(0.25, sigma),
          haloGroove(kGrooveHalfWidthUm, sigma), particleEdge(0.4, sigma) {
        // The coarsest lamellae decide whether any can show.
        lamellaContrast = periodicContrast(kLamellaMinUm + kLamellaSpreadUm, sigma, view.abbeLimitUm);
        needleContrast = periodicContrast(2 * kNeedleSpacingUm, sigma, view.abbeLimitUm);
        const double groove = kGrooveHalfWidthUm * (1 + 0.5 * overEtch);
        grainReach = std::max(2.83 * std::sqrt(groove * groove + 2 * sigma * sigma), 2.2 * sigma);
        needColonies = etch > 0 && (sp.material_ == Material::QuenchedTempered
                                        ? needleContrast > 0
                                        : sp.material_ != Material::AusteniticSteel && lamellaContrast > 0);
    }

    // What a block of the field needs from its neighbourhood; what the painter remembers of
    // grains and colonies stays valid from block to block.
    void startBlock(double ax0, double ay0, double ax1, double ay1) {
        x0 = ax0, y0 = ay0;
        grains.assign(s.grains_, ax0, ay0, ax1, ay1);
        if (needColonies) colonies.assign(s.colonies_, ax0, ay0, ax1, ay1);
        const double reach = 3 * sigma + 2;
        particles = s.particlesNear(ax0 - reach, ay0 - reach, ax1 + reach, ay1 + reach);
        scratches = scratchesNear(s.seed_ ^ 0x5C7A7C4E5ull, v.preparation, ax0, ay0, ax1, ay1, sigma);
        if (lamellaContrast > 0 && etch > 0) {
            const int w = static_cast<int>(std::ceil((ax1 - ax0) / v.umPerPx)) / kLatticePx + 2;
            const int h = static_cast<int>(std::ceil((ay1 - ay0) / v.umPerPx)) / kLatticePx + 2;
            latticeW = w;
            bend.resize(static_cast<size_t>(w) * h);
            for (int j = 0; j < h; ++j)
                for (int i = 0; i < w; ++i)
                    bend[static_cast<size_t>(j) * w + i] =
                        gradient_noise(s.seed_ + 3, (ax0 + i * kLatticePx * v.umPerPx) / kBendScaleUm,
                                       (ay0 + j * kLatticePx * v.umPerPx) / kBendScaleUm);
        }
    }

    double bendAt(int px, int py) const {
        const int i = px / kLatticePx, j = py / kLatticePx;
        const double tx = (px - i * kLatticePx) / double(kLatticePx), ty = (py - j * kLatticePx) / double(kLatticePx);
        const double* r0 = &bend[static_cast<size_t>(j) * latticeW + i];
        const double* r1 = r0 + latticeW;
        return (r0[0] + (r0[1] - r0[0]) * tx) * (1 - ty) + (r1[0] + (r1[1] - r1[0]) * tx) * ty;
    }

    // Pearlite at a point: the mean of the unresolved colony, or its lamellae.
    void pearlite(double x, double y, int px, int py, double& refl, double& scatter, double mean) const {
        refl = mean;
        scatter = 0.3 * etch;
        if (lamellaContrast <= 0 || etch <= 0) return;
        const GrainSeed& c = colonyInterior ? *interiorColony : colonyPatch.owner(x, y);
        if (c.key != lastColony) {
            lastColony = c.key;
            colony = s.colonyOf(c.key);
            colonyContrast = periodicContrast(colony.spacingUm, sigma, v.abbeLimitUm);
        }
        const Specimen::Colony& col = colony;
        const double contrast = colonyContrast;
        if (contrast <= 0) return;
        const double phase = (x * col.nx + y * col.ny) / col.spacingUm + col.bend * bendAt(px, py);
        const double wave = periodicWave(phase) * etch * contrast;
        refl = mean + kLamellaAmplitude * wave;
        scatter = 0.3 * etch + 0.2 * wave;
    }

    // Martensite needles: packets of parallel laths, each needle its own tone.
    struct Needle {
        uint64_t packet = 0, rowBits = 0;
        int64_t row = std::numeric_limits<int64_t>::min(), column = 0;
        double rowShift = 0, tone = 0;
    };
    mutable Needle needle;

    double martensite(double x, double y) const {
        const double mean = lerp(kPolished, kMartensiteEtchedMean, etch);
        const double contrast = needleContrast;
        if (contrast <= 0 || etch <= 0) return mean;
        const GrainSeed& pk = colonyInterior ? *interiorColony : colonyPatch.owner(x, y);
        // A packet takes one of three orientations 60 degrees apart in its former austenite grain.
        if (pk.key != lastPacket) {
            lastPacket = pk.key;
            PacketDirection& known = packetDirections[pk.key % kPacketSlots];
            if (known.key != pk.key || pk.key == 0) {
                const GrainPlane::Hit prior = s.grains_.locate(pk.xUm, pk.yUm, &grains);
                const double a = kPi * unit(prior.grain.key, 1) + kPi / 3 * std::floor(3 * unit(pk.key, 1));
                known = PacketDirection{pk.key, std::cos(a), std::sin(a)};
            }
            packetNx = known.nx, packetNy = known.ny;
        }
        const double nx = packetNx, ny = packetNy;
        const double across = (x * nx + y * ny) / kNeedleSpacingUm, along = (-x * ny + y * nx) / kNeedleLengthUm;
        const int64_t k = floorToInt(across);
        // A needle spans several pixels: its row and tone are remembered for the next ones.
        Needle& n = needle;
        if (k != n.row || pk.key != n.packet) {
            n.row = k, n.packet = pk.key, n.column = std::numeric_limits<int64_t>::min();
            n.rowBits = mix64(pk.key ^ static_cast<uint64_t>(k) * 0x9E3779B97F4A7C15ull);
            n.rowShift = to_unit(n.rowBits);
        }
        const int64_t m = floorToInt(along + n.rowShift);
        if (m != n.column) n.column = m, n.tone = to_unit(mix64(n.rowBits ^ static_cast<uint64_t>(m) * 0xC2B2AE3D27D4EB4Full)) - 0.5;
        const double tone = n.tone;
        // Each needle's edges are darker (etched interfaces).
        const double f = across - static_cast<double>(k);
        const double edge = 1 - 4 * f * (1 - f);
        return mean + kNeedleAmplitude * etch * contrast * (tone - 0.5 * edge + 0.25);
    }

    // The grain's tone and phase, remembered for the next pixels (slot 0: the pixel's grain,
    // slot 1: its neighbour).
    double toneOf(const GrainSeed& g, int slot) const {
        if (g.key != lastTone[slot] || lastTone[slot] == 0) {
            lastTone[slot] = g.key;
            tone[slot] = grainTone(g);
            pearliteGrain[slot] = s.isPearliteGrain(g);
        }
        return tone[slot];
    }

    // The grain's own random shade (0..1), remembered for the next pixels.
    mutable uint64_t lastShadeKey = 0;
    mutable double lastShade = 0;
    double grainShade(const GrainSeed& g) const {
        if (g.key != lastShadeKey || lastShadeKey == 0) lastShadeKey = g.key, lastShade = unit(g.key, 4);
        return lastShade;
    }

    // Bright-field reflectance of the matrix (what lies between the particles) of a grain.
    double grainTone(const GrainSeed& g) const {
        switch (s.material_) {
        case Material::CarbonSteel:
            // Grains and colonies of different orientation etch a little differently.
            return s.isPearliteGrain(g) ? lerp(kPolished, kPearliteEtchedMean + 0.2 * (unit(g.key, 4) - 0.5), etch)
                                        : kPolished - 0.06 * etch * unit(g.key, 4);
        case Material::AusteniticSteel:
            return kPolished - etch * (0.04 + 0.3 * unit(g.key, 4));
        case Material::QuenchedTempered:
            return lerp(kPolished, kMartensiteEtchedMean, etch) + 0.05 * etch * (unit(g.key, 4) - 0.5);
        default:
            return lerp(kPolished, kPearliteEtchedMean, etch);
        }
    }

    void pixel(double x, double y, int px, int py, double& refl, double& scatter) const {
        refl = kPolished;
        scatter = 0;
        const GrainPlane::Patch::Hit g = grainInterior ? interiorGrain : grainPatch.locate(x, y);
        switch (s.material_) {
        case Material::CarbonSteel: {
            const double own = toneOf(*g.grain, 0), across = toneOf(*g.neighbour, 1);
            const bool pearl = pearliteGrain[0], pearl2 = pearliteGrain[1];
            if (pearl) pixelPearlite(x, y, px, py, refl, scatter, own);
            else refl = own;
            refl += (across - refl) * insideShare(g.borderUm, sigma);
            const double depth = (pearl && pearl2) ? 0.6 : (pearl || pearl2) ? 0.7 : 1.0;
            const double gr = grainGroove(g.borderUm, depth * etch);
            refl *= 1 - gr;
            scatter += gr;
            break;
        }
        case Material::AusteniticSteel: {
            refl = toneOf(*g.grain, 0);
            twins(x, y, *g.grain, refl, scatter);
            refl += (toneOf(*g.neighbour, 1) - refl) * insideShare(g.borderUm, sigma);
            const double gr = grainGroove(g.borderUm, 0.65 * etch);
            refl *= 1 - gr;
            scatter += gr;
            break;
        }
        case Material::QuenchedTempered: {
            refl = martensite(x, y) + 0.05 * etch * (grainShade(*g.grain) - 0.5);
            const double gr = grainGroove(g.borderUm, 0.3 * etch);
            refl *= 1 - gr;
            scatter += 0.25 * etch + gr;
            break;
        }
        case Material::LamellarCastIron:
        case Material::NodularCastIron:
            pixelPearlite(x, y, px, py, refl, scatter, toneOf(*g.grain, 0));
            break;
        }
        if (overEtch > 0) {
            // Over-etched: darker, and the surface turns rough.
            const double rough = gradient_noise(s.seed_ + 5, x / 0.8, y / 0.8);
            refl *= (1 - 0.08 * overEtch) * (1 + 0.05 * overEtch * rough);
            scatter += 0.05 * overEtch * (1 + rough);
        }
        particlesAt(x, y, refl, scatter);
        const double sc = nearScratches.empty() ? 0.0 : scratchDepth(nearScratches, x, y);
        refl *= 1 - sc;
        scatter += 1.4 * sc;
    }

    void pixelPearlite(double x, double y, int px, int py, double& refl, double& scatter, double mean) const {
        pearlite(x, y, px, py, refl, scatter, mean);
    }

    // Annealing twins: straight bands across the grain with their own orientation tone.
    struct Twins {
        uint64_t key = 0;
        int count = 0;
        double nx = 1, ny = 0;
        double offset[3] = {}, half[3] = {}, tone[3] = {};
    };
    mutable Twins twinsOfGrain;

    const Twins& twinsOf(const GrainSeed& g) const {
        Twins& t = twinsOfGrain;
        if (t.key == g.key && g.key != 0) return t;
        t.key = g.key;
        t.count = static_cast<int>(std::floor(3.4 * unit(g.key, 5)));
        const double a = kPi * unit(g.key, 6);
        t.nx = std::cos(a), t.ny = std::sin(a);
        const double q0 = g.xUm * t.nx + g.yUm * t.ny;
        for (int k = 0; k < t.count; ++k) {
            t.offset[k] = q0 + (unit(g.key, 10 + k) - 0.5) * 1.2 * s.grains_.cellUm();
            t.half[k] = 0.5 * lerp(1.5, 7, unit(g.key, 20 + k));
            t.tone[k] = kPolished - etch * (0.04 + 0.3 * unit(g.key, 30 + k));
        }
        return t;
    }

    void twins(double x, double y, const GrainSeed& g, double& refl, double& scatter) const {
        const Twins& t = twinsOf(g);
        const double q = x * t.nx + y * t.ny;
        for (int k = 0; k < t.count; ++k) {
            const double d = std::abs(q - t.offset[k]) - t.half[k];
            if (d > 3 * sigma + 1) continue;
            refl += (t.tone[k] - refl) * insideShare(d, sigma);
            const double gr = twinGroove(std::abs(d), 0.2 * etch);
            refl *= 1 - gr;
            scatter += 0.6 * gr;
        }
    }

    void particlesAt(double x, double y, double& refl, double& scatter) const {
        for (const Specimen::Particle* pp : nearParticles) {
            const Specimen::Particle& p = *pp;
            const double sd = signedDistance(p, x, y);
            if (p.kind == Specimen::Particle::Nodule && etch > 0) {
                // Ferrite around the nodule ("bull's eye").
                const double halo = std::sqrt((x - p.xUm) * (x - p.xUm) + (y - p.yUm) * (y - p.yUm)) - kHaloFactor * p.halfLengthUm;
                const double f = insideShare(halo, sigma);
                refl += (kPolished - 0.03 * etch - refl) * f;
                scatter *= 1 - f;
                const double gr = haloGroove(std::abs(halo), 0.35 * etch);
                refl *= 1 - gr;
                scatter += gr;
            }
            if (sd > 4 * sigma + 1) continue;
            const double in = insideShare(sd, sigma);
            double tone = kGraphite, body = 0.12;
            if (p.kind == Specimen::Particle::Inclusion) tone = kInclusion, body = 0.35;
            if (p.kind == Specimen::Particle::Pore) tone = kPore, body = 0.02;
            refl += (tone - refl) * in;
            // Edges of particles scatter light into the dark-field objective.
            scatter += (body - scatter) * in + particleEdge(std::abs(sd), 0.7);
        }
    }
};

void Specimen::render(double x0Um, double y0Um, int w, int h, const Viewing& v, uint32_t* out, int stride) const {
    // Blocks of the field gather their own neighbourhood: short lists, small seed blocks.
    // Rows of blocks go to the cores in turn; a small field stays on one.
    constexpr int kBlockPx = 64, kRowsPerCore = 2;
    const int rows = (h + kBlockPx - 1) / kBlockPx;
    auto renderRow = [&](FieldPainter& painter, int row) {
        const int by = row * kBlockPx, bh = std::min(kBlockPx, h - by);
        for (int bx = 0; bx < w; bx += kBlockPx)
            renderBlock(painter, x0Um + bx * v.umPerPx, y0Um + by * v.umPerPx, std::min(kBlockPx, w - bx), bh,
                        out + static_cast<size_t>(by) * stride + bx, stride);
    };
    if (rows < 2 * kRowsPerCore || w < 4 * kBlockPx) {
        FieldPainter painter(*this, v);
        for (int row = 0; row < rows; ++row) renderRow(painter, row);
        return;
    }
    forEachPart(rows, [&](int row) {
        FieldPainter painter(*this, v);
        renderRow(painter, row);
    });
}

namespace {
// Warm halogen lamp; the phases' colours come from its light alone.
constexpr double kLampR = 1.0, kLampG = 0.95, kLampB = 0.84;

uint32_t colourOf(double refl, double scatter, bool darkField) {
    double r, g, b;
    if (darkField) {
        const double l = kDarkFieldFloor + 0.9 * std::min(1.0, std::max(0.0, scatter));
        r = l * 0.96, g = l * 0.97, b = l;
    } else {
        const double l = std::clamp(refl, 0.0, 1.0);
        r = l * kLampR, g = l * kLampG, b = l * kLampB * (0.92 + 0.08 * l);
    }
    // r, g and b lie in [0, 1] already.
    auto byte = [](double c) { return static_cast<uint32_t>(static_cast<int>(c * 255 + 0.5)); };
    return 0xFF000000u | byte(r) << 16 | byte(g) << 8 | byte(b);
}
}  // namespace

void Specimen::renderBlock(FieldPainter& painter, double x0Um, double y0Um, int w, int h, uint32_t* out, int stride) const {
    const Viewing& v = painter.v;
    painter.startBlock(x0Um, y0Um, x0Um + w * v.umPerPx, y0Um + h * v.umPerPx);
    auto xAt = [&](int px) { return x0Um + px * v.umPerPx; };
    auto yAt = [&](int py) { return y0Um + py * v.umPerPx; };
    // Small squares of pixels share one patch of grains.
    constexpr int kSquarePx = 8;
    for (int sy = 0; sy < h; sy += kSquarePx)
        for (int sx = 0; sx < w; sx += kSquarePx) {
            const int sx1 = std::min(sx + kSquarePx, w), sy1 = std::min(sy + kSquarePx, h);
            painter.prepare(xAt(sx), yAt(sy), xAt(sx1), yAt(sy1));
            if (painter.flat(xAt(sx), yAt(sy), xAt(sx1), yAt(sy1))) {
                double refl, scatter;
                painter.pixel(x0Um + (sx + 0.5) * v.umPerPx, y0Um + (sy + 0.5) * v.umPerPx, sx, sy, refl, scatter);
                const uint32_t colour = colourOf(refl, scatter, v.darkField);
                for (int py = sy; py < sy1; ++py) std::fill(out + static_cast<size_t>(py) * stride + sx, out + static_cast<size_t>(py) * stride + sx1, colour);
                continue;
            }
            for (int py = sy; py < sy1; ++py) {
                uint32_t* row = out + static_cast<size_t>(py) * stride;
                const double y = y0Um + (py + 0.5) * v.umPerPx;  // the pixel's centre
                for (int px = sx; px < sx1; ++px) {
                    double refl, scatter;
                    painter.pixel(x0Um + (px + 0.5) * v.umPerPx, y, px, py, refl, scatter);
                    row[px] = colourOf(refl, scatter, v.darkField);
                }
            }
        }
}

}  // namespace specimen

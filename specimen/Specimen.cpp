#include "specimen/Specimen.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <unordered_map>
#include <utility>

#include "specimen/Noise.h"
#include "specimen/Optics.h"
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
double insideShare(double sdUm, double sigmaUm) { return 1.0 - smoothstep(-2.2 * sigmaUm, 2.2 * sigmaUm, sdUm); }

// A Gaussian groove of half-width w and depth a, blurred by sigma: wider and shallower.
double grooveProfile(double dUm, double halfWidthUm, double depth, double sigmaUm) {
    if (dUm > 2.83 * (halfWidthUm + 1.42 * sigmaUm)) return 0.0;  // beyond the widest the blur can make it
    const double w = std::sqrt(halfWidthUm * halfWidthUm + 2 * sigmaUm * sigmaUm);
    // (1 - t^2 / 8)^8 is exp(-t^2) to within 0.03, made of multiplications only.
    const double q = 1 - dUm * dUm / (8 * w * w);
    if (q <= 0) return 0.0;
    const double q2 = q * q, q4 = q2 * q2;
    return depth * (halfWidthUm / w) * q4 * q4;
}

// A smooth wave of period 1 between -1 and 1 (a cheap cosine: smooth steps up and down).
double periodicWave(double phase) {
    const double g = std::abs(2 * (phase - std::floor(phase)) - 1);
    return 2 * g * g * (3 - 2 * g) - 1;
}

struct Scratch {
    double x, y, dx, dy, lengthUm, halfWidthUm, depth;
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
                Scratch s;
                s.dx = dx, s.dy = dy;
                s.x = u * dx - v * dy;
                s.y = u * dy + v * dx;
                s.lengthUm = len;
                s.halfWidthUm = lerp(f.minHalfWidthUm, f.maxHalfWidthUm, unit(hk, 2));
                s.depth = lerp(f.minDepth, f.maxDepth, unit(hk, 3));
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

double scratchDepth(const std::vector<Scratch>& scratches, double x, double y, double sigmaUm) {
    double depth = 0;
    for (const Scratch& s : scratches) {
        if (x < s.bx0 || x > s.bx1 || y < s.by0 || y > s.by1) continue;
        const double px = x - s.x, py = y - s.y;
        const double u = px * s.dx + py * s.dy, v = -px * s.dy + py * s.dx;
        if (u < -3 * s.halfWidthUm || u > s.lengthUm + 3 * s.halfWidthUm) continue;
        // The scratch fades out over the last tenth at each end.
        const double ends = smoothstep(0, 0.1 * s.lengthUm, u) * smoothstep(s.lengthUm, 0.9 * s.lengthUm, u);
        depth = std::max(depth, ends * grooveProfile(v, s.halfWidthUm, s.depth, sigmaUm));
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
    double lamellaContrast = 0, needleContrast = 0;
    mutable double colonyContrast = 0;
    GrainBlock grains;
    GrainBlock colonies;
    std::vector<Specimen::Particle> particles;
    std::vector<Scratch> scratches;
    // Bending of the lamellae, on a lattice every kLatticePx pixels.
    static constexpr int kLatticePx = 8;
    int latticeW = 0;
    std::vector<double> bend;
    double x0, y0;
    // The seeds the pixels of the current small square search.
    std::vector<const GrainSeed*> grainCandidates, colonyCandidates;
    GrainPlane::Candidates grainSearch, colonySearch;
    bool needColonies = false;
    double grainReach = 0;
    mutable uint64_t lastPacket = 0, lastColony = 0, lastTone[2] = {0, 0};
    mutable Specimen::Colony colony{1, 0, 1, 0};
    mutable double tone[2] = {0, 0};
    mutable bool pearliteGrain[2] = {false, false};
    mutable double packetNx = 1, packetNy = 0;
    mutable std::unordered_map<uint64_t, std::pair<double, double>> packetDirections;

    // A square of pixels whose corners lie in one grain lies wholly in it (grains are convex);
    // if the corners are also farther from every border than anything can reach, no pixel of
    // it needs a search.
    bool grainInterior = false, colonyInterior = false;
    GrainPlane::Hit interiorGrain, interiorColony;
    std::vector<const Specimen::Particle*> nearParticles;
    std::vector<Scratch> nearScratches;

    static bool oneOwner(const std::vector<const GrainSeed*>& c, double cx0, double cy0, double cx1, double cy1, double reach,
                         GrainPlane::Hit& hit) {
        hit = GrainPlane::locateAmong(c.data(), c.size(), cx0, cy0);
        double border = hit.borderUm;
        for (const auto& [x, y] : {std::pair{cx1, cy0}, std::pair{cx0, cy1}, std::pair{cx1, cy1}}) {
            const GrainPlane::Hit h = GrainPlane::locateAmong(c.data(), c.size(), x, y);
            if (h.grain.key != hit.grain.key) return false;
            border = std::min(border, h.borderUm);
        }
        if (border <= reach) return false;
        hit.neighbour = hit.grain;
        hit.borderUm = std::numeric_limits<double>::infinity();
        return true;
    }

    void prepare(double sx0, double sy0, double sx1, double sy1) {
        const double half = 0.5 * v.umPerPx;  // the corner pixels' centres
        s.grains_.candidates(grains, sx0, sy0, sx1, sy1, grainReach, grainCandidates);
        grainInterior = oneOwner(grainCandidates, sx0 + half, sy0 + half, sx1 - half, sy1 - half, grainReach, interiorGrain);
        if (!grainInterior) grainSearch.assign(grainCandidates);
        if (needColonies) {
            s.colonies_.candidates(colonies, sx0, sy0, sx1, sy1, 0, colonyCandidates);
            colonyInterior = oneOwner(colonyCandidates, sx0 + half, sy0 + half, sx1 - half, sy1 - half, -1, interiorColony);
            if (!colonyInterior) colonySearch.assign(colonyCandidates);
        }
        nearParticles.clear();
        for (const Specimen::Particle& p : particles) {
            const double reach = (p.kind == Specimen::Particle::Nodule ? kHaloFactor : 1.0) * p.halfLengthUm + 4 * sigma + 1;
            if (p.xUm + reach >= sx0 && p.xUm - reach <= sx1 && p.yUm + reach >= sy0 && p.yUm - reach <= sy1)
                nearParticles.push_back(&p);
        }
        nearScratches.clear();
        for (const Scratch& sc : scratches)
            if (sc.bx1 >= sx0 && sc.bx0 <= sx1 && sc.by1 >= sy0 && sc.by0 <= sy1) nearScratches.push_back(sc);
    }

    FieldPainter(const Specimen& sp, const Viewing& view, double ax0, double ay0, double ax1, double ay1)
        : s(sp), v(view),
          sigma(std::sqrt(view.blurSigmaUm * view.blurSigmaUm + 0.16 * view.umPerPx * view.umPerPx)),
          etch(view.etched ? std::min(1.0, view.etchTimeS / sp.rightEtchTimeS()) : 0.0),
          overEtch(view.etched ? std::clamp(view.etchTimeS / sp.rightEtchTimeS() - 1, 0.0, kOverEtchLimit) : 0.0),
          grains(sp.grains_, ax0, ay0, ax1, ay1),
          colonies(sp.colonies_, ax0, ay0, sp.material_ == Material::AusteniticSteel ? ax0 : ax1,
                   sp.material_ == Material::AusteniticSteel ? ay0 : ay1),
          x0(ax0), y0(ay0) {
        const double reach = 3 * sigma + 2;
        particles = sp.particlesNear(ax0 - reach, ay0 - reach, ax1 + reach, ay1 + reach);
        scratches = scratchesNear(sp.seed_ ^ 0x5C7A7C4E5ull, view.preparation, ax0, ay0, ax1, ay1, sigma);
        // The coarsest lamellae decide whether any can show.
        lamellaContrast = periodicContrast(kLamellaMinUm + kLamellaSpreadUm, sigma, view.abbeLimitUm);
        needleContrast = periodicContrast(2 * kNeedleSpacingUm, sigma, view.abbeLimitUm);
        const double groove = kGrooveHalfWidthUm * (1 + 0.5 * overEtch);
        grainReach = std::max(2.83 * std::sqrt(groove * groove + 2 * sigma * sigma), 2.2 * sigma);
        needColonies = etch > 0 && (sp.material_ == Material::QuenchedTempered
                                        ? needleContrast > 0
                                        : sp.material_ != Material::AusteniticSteel && lamellaContrast > 0);
        if (lamellaContrast > 0 && etch > 0) {
            const int w = static_cast<int>(std::ceil((ax1 - ax0) / v.umPerPx)) / kLatticePx + 2;
            const int h = static_cast<int>(std::ceil((ay1 - ay0) / v.umPerPx)) / kLatticePx + 2;
            latticeW = w;
            bend.resize(static_cast<size_t>(w) * h);
            for (int j = 0; j < h; ++j)
                for (int i = 0; i < w; ++i)
                    bend[static_cast<size_t>(j) * w + i] =
                        gradient_noise(sp.seed_ + 3, (ax0 + i * kLatticePx * v.umPerPx) / kBendScaleUm,
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
        const GrainPlane::Hit c =
            colonyInterior ? interiorColony : colonySearch.locate(x, y);
        if (c.grain.key != lastColony) {
            lastColony = c.grain.key;
            colony = s.colonyOf(c.grain.key);
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
    double martensite(double x, double y) const {
        const double mean = lerp(kPolished, kMartensiteEtchedMean, etch);
        const double contrast = needleContrast;
        if (contrast <= 0 || etch <= 0) return mean;
        const GrainPlane::Hit pk =
            colonyInterior ? interiorColony : colonySearch.locate(x, y);
        // A packet takes one of three orientations 60 degrees apart in its former austenite grain.
        if (pk.grain.key != lastPacket) {
            lastPacket = pk.grain.key;
            auto known = packetDirections.find(pk.grain.key);
            if (known == packetDirections.end()) {
                const GrainPlane::Hit prior = s.grains_.locate(pk.grain.xUm, pk.grain.yUm, &grains);
                const double a = kPi * unit(prior.grain.key, 1) + kPi / 3 * std::floor(3 * unit(pk.grain.key, 1));
                known = packetDirections.emplace(pk.grain.key, std::pair{std::cos(a), std::sin(a)}).first;
            }
            packetNx = known->second.first, packetNy = known->second.second;
        }
        const double nx = packetNx, ny = packetNy;
        const double across = (x * nx + y * ny) / kNeedleSpacingUm, along = (-x * ny + y * nx) / kNeedleLengthUm;
        const int64_t k = static_cast<int64_t>(std::floor(across));
        const uint64_t needleRow = mix64(pk.grain.key ^ static_cast<uint64_t>(k) * 0x9E3779B97F4A7C15ull);
        const int64_t m = static_cast<int64_t>(std::floor(along + to_unit(needleRow)));
        const double tone = to_unit(mix64(needleRow ^ static_cast<uint64_t>(m) * 0xC2B2AE3D27D4EB4Full)) - 0.5;
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
        const GrainPlane::Hit g =
            grainInterior ? interiorGrain : grainSearch.locate(x, y);
        const double groove = kGrooveHalfWidthUm * (1 + 0.5 * overEtch);
        switch (s.material_) {
        case Material::CarbonSteel: {
            const double own = toneOf(g.grain, 0), across = toneOf(g.neighbour, 1);
            const bool pearl = pearliteGrain[0], pearl2 = pearliteGrain[1];
            if (pearl) pixelPearlite(x, y, px, py, refl, scatter, own);
            else refl = own;
            refl += (across - refl) * insideShare(g.borderUm, sigma);
            const double depth = (pearl && pearl2) ? 0.6 : (pearl || pearl2) ? 0.7 : 1.0;
            const double gr = grooveProfile(g.borderUm, groove, depth * etch, sigma);
            refl *= 1 - gr;
            scatter += gr;
            break;
        }
        case Material::AusteniticSteel: {
            refl = toneOf(g.grain, 0);
            twins(x, y, g.grain, refl, scatter);
            refl += (toneOf(g.neighbour, 1) - refl) * insideShare(g.borderUm, sigma);
            const double gr = grooveProfile(g.borderUm, groove, 0.65 * etch, sigma);
            refl *= 1 - gr;
            scatter += gr;
            break;
        }
        case Material::QuenchedTempered: {
            refl = martensite(x, y) + 0.05 * etch * (unit(g.grain.key, 4) - 0.5);
            const double gr = grooveProfile(g.borderUm, groove, 0.3 * etch, sigma);
            refl *= 1 - gr;
            scatter += 0.25 * etch + gr;
            break;
        }
        case Material::LamellarCastIron:
        case Material::NodularCastIron:
            pixelPearlite(x, y, px, py, refl, scatter, toneOf(g.grain, 0));
            break;
        }
        if (overEtch > 0) {
            // Over-etched: darker, and the surface turns rough.
            const double rough = gradient_noise(s.seed_ + 5, x / 0.8, y / 0.8);
            refl *= (1 - 0.08 * overEtch) * (1 + 0.05 * overEtch * rough);
            scatter += 0.05 * overEtch * (1 + rough);
        }
        particlesAt(x, y, refl, scatter);
        const double sc = nearScratches.empty() ? 0.0 : scratchDepth(nearScratches, x, y, sigma);
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
            const double gr = grooveProfile(std::abs(d), 0.25, 0.2 * etch, sigma);
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
                const double gr = grooveProfile(std::abs(halo), kGrooveHalfWidthUm, 0.35 * etch, sigma);
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
            scatter += (body - scatter) * in + grooveProfile(std::abs(sd), 0.4, 0.7, sigma);
        }
    }
};

void Specimen::render(double x0Um, double y0Um, int w, int h, const Viewing& v, uint32_t* out, int stride) const {
    // Blocks of the field gather their own neighbourhood: short lists, small seed blocks.
    constexpr int kBlockPx = 64;
    for (int by = 0; by < h; by += kBlockPx)
        for (int bx = 0; bx < w; bx += kBlockPx) {
            const int bw = std::min(kBlockPx, w - bx), bh = std::min(kBlockPx, h - by);
            renderBlock(x0Um + bx * v.umPerPx, y0Um + by * v.umPerPx, bw, bh, v, out + static_cast<size_t>(by) * stride + bx,
                        stride);
        }
}

void Specimen::renderBlock(double x0Um, double y0Um, int w, int h, const Viewing& v, uint32_t* out, int stride) const {
    const double x1Um = x0Um + w * v.umPerPx, y1Um = y0Um + h * v.umPerPx;
    FieldPainter painter(*this, v, x0Um, y0Um, x1Um, y1Um);
    // Warm halogen lamp; the phases' colours come from its light alone.
    constexpr double kLampR = 1.0, kLampG = 0.95, kLampB = 0.84;
    constexpr int kSquarePx = 8;  // pixels that share one list of candidate grains
    for (int sy = 0; sy < h; sy += kSquarePx)
    for (int sx = 0; sx < w; sx += kSquarePx) {
    const int sw = std::min(kSquarePx, w - sx), sh = std::min(kSquarePx, h - sy);
    painter.prepare(x0Um + sx * v.umPerPx, y0Um + sy * v.umPerPx, x0Um + (sx + sw) * v.umPerPx, y0Um + (sy + sh) * v.umPerPx);
    for (int py = sy; py < sy + sh; ++py) {
        uint32_t* row = out + static_cast<size_t>(py) * stride;
        const double y = y0Um + (py + 0.5) * v.umPerPx;
        for (int px = sx; px < sx + sw; ++px) {
            const double x = x0Um + (px + 0.5) * v.umPerPx;
            double refl, scatter;
            painter.pixel(x, y, px, py, refl, scatter);
            double r, g, b;
            if (v.darkField) {
                const double l = kDarkFieldFloor + 0.9 * std::min(1.0, std::max(0.0, scatter));
                r = l * 0.96, g = l * 0.97, b = l;
            } else {
                const double l = std::clamp(refl, 0.0, 1.0);
                r = l * kLampR, g = l * kLampG, b = l * kLampB * (0.92 + 0.08 * l);
            }
            auto byte = [](double c) { return static_cast<uint32_t>(std::clamp(c, 0.0, 1.0) * 255 + 0.5); };
            row[px] = 0xFF000000u | byte(r) << 16 | byte(g) << 8 | byte(b);
        }
    }
    }
}

}  // namespace specimen

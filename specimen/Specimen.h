// A metallographic section as a function of position in micrometres: it knows, everywhere
// on its 10 mm x 10 mm face, which grain and phase lies there and how bright the polished and
// etched surface looks under the microscope. Fields are rendered from the local cells of its
// tessellations alone, so neighbouring fields join without a seam.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "specimen/GrainPlane.h"

namespace specimen {

struct FieldPainter;

enum class Material { CarbonSteel, AusteniticSteel, LamellarCastIron, NodularCastIron, QuenchedTempered };
enum class Preparation { GroundP320, GroundP1200, Polished3um, Polished1um };

// How the field is seen: scale, blur and the state of the surface.
struct Viewing {
    double umPerPx = 1;
    double blurSigmaUm = 0.2;  // diffraction spot and defocus together
    double abbeLimitUm = 0.4;
    bool darkField = false;
    bool etched = true;
    double etchTimeS = 10;
    Preparation preparation = Preparation::Polished1um;
    bool operator==(const Viewing&) const = default;
};

class Specimen {
public:
    static constexpr double kSizeUm = 10000;  // the section is square

    Specimen(Material material, double carbonPct, uint64_t seed = 0x4D6574616C6C6FULL);

    Material material() const { return material_; }
    double carbonPct() const { return carbonPct_; }
    // The grains whose boundaries the line-intercept count takes (twins not included).
    const GrainPlane& grains() const { return grains_; }
    bool hasGrainSize() const;
    // The phase the point count asks for: "Perlit", "Graphit" or "" (none).
    std::string countedPhase() const;
    bool inCountedPhase(double xUm, double yUm) const;
    // True area share of that phase in a rectangle, from a systematic grid of n x n points.
    double countedShare(double x0Um, double y0Um, double x1Um, double y1Um, int n) const;
    // The same over the whole face (computed once).
    double countedShareWhole() const;
    // The etchant that suits the material and the time that etches it just right.
    std::string etchant() const;
    double rightEtchTimeS() const;

    // w x h pixels (0xFFRRGGBB, rows `stride` apart) whose first pixel's corner lies at
    // (x0Um, y0Um); every pixel is a pure function of its position and the viewing.
    void render(double x0Um, double y0Um, int w, int h, const Viewing& v, uint32_t* out, int stride) const;

    // A particle that shows whether or not the section is etched (inclusion, pore, graphite).
    struct Particle {
        enum Kind { Inclusion, Pore, Flake, Nodule } kind = Inclusion;
        double xUm = 0, yUm = 0;
        double cosA = 1, sinA = 0;
        double halfLengthUm = 1, halfWidthUm = 1;  // flakes, inclusions; nodules and pores: radius
        double bendPerUm = 0;                      // flakes curve
    };
    // The particles that may reach into a rectangle.
    std::vector<Particle> particlesNear(double x0Um, double y0Um, double x1Um, double y1Um) const;

private:
    struct Colony {
        double nx, ny, spacingUm, bend;
    };
    Colony colonyOf(uint64_t key) const;
    void renderBlock(FieldPainter& painter, double x0Um, double y0Um, int w, int h, uint32_t* out, int stride) const;
    bool isPearliteGrain(const GrainSeed& g) const;

    Material material_;
    double carbonPct_;
    uint64_t seed_;
    GrainPlane grains_;    // ferrite and pearlite grains, austenite grains, prior austenite grains, eutectic cells
    GrainPlane colonies_;  // pearlite colonies, martensite packets
    double pearliteShare_ = 0;
    mutable double wholeShare_ = -1;

    friend struct FieldPainter;
};

}  // namespace specimen

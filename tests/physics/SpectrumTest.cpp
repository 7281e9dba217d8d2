// The simulated EDX spectrum against the X-ray data and the physics it rests on: peak centroids,
// Fano's resolution, the Duane-Hunt limit, overvoltage, the detector windows; the EMSA/MAS file
// and the entries of a composition.
#include <gtest/gtest.h>

#include <cmath>

#include "physics/EdxAcquisition.h"
#include "physics/Emsa.h"
#include "physics/Material.h"
#include "physics/Samples.h"
#include "physics/XrayData.h"

#ifdef METALLO_HAVE_XRAYLIB
extern "C" {
#include <xraylib.h>
}
#endif

using namespace physics;

namespace {
Material specimen(const char* name) {
    for (const Specimen& s : edxSpecimens())
        if (s.name == name) return s.bulk;
    ADD_FAILURE() << name;
    return {};
}

EdxAcquisition measured(const Material& m, double kv, const Detector& d, double liveS = 60) {
    EdxSettings s;
    s.material = m;
    s.beamKeV = kv;
    s.detector = d;
    EdxAcquisition a(s, liveS, 1);
    while (!a.finished()) a.advance(liveS / 200);
    return a;
}

const MeasuredPeak* find(const std::vector<MeasuredPeak>& peaks, const std::string& label) {
    for (const MeasuredPeak& p : peaks)
        if (p.peak.label() == label) return &p;
    return nullptr;
}

// Kα as the detector sees it: Kα1 and Kα2 by their radiative rates.
double kAlphaKeV(int z) {
    const double r1 = radiativeRate(z, Line::Ka1), r2 = radiativeRate(z, Line::Ka2);
    return (lineEnergyKeV(z, Line::Ka1) * r1 + lineEnergyKeV(z, Line::Ka2) * r2) / (r1 + r2);
}
}  // namespace

TEST(Spectrum, CentroidsWithin10eVOfTheLinesAndWidthsAsFanoSays) {
    const EdxAcquisition a = measured(specimen("X5CrNi18-10"), 20, siLiBerylliumDetector());
    const std::vector<MeasuredPeak> peaks = a.measuredPeaks();
    for (const auto& [label, z] : {std::pair{"Cr Kα", 24}, {"Fe Kα", 26}, {"Ni Kα", 28}}) {
        const MeasuredPeak* p = find(peaks, label);
        ASSERT_NE(p, nullptr) << label;
        EXPECT_NEAR(p->centroidKeV, kAlphaKeV(z), 0.010) << label;
        // The counts' width: Fano's, and a little more from the Kα1-Kα2 split.
        EXPECT_NEAR(p->fwhmEv, fanoFwhmEv(siLiBerylliumDetector(), kAlphaKeV(z)), 4) << label;
        EXPECT_NEAR(p->netCounts, p->peak.countsPerS * 60, 4 * std::sqrt(p->netCounts) + 0.01 * p->netCounts) << label;
    }
    // FWHM² = noise² + 8 ln 2 F ε E: the quoted widths at Mn Kα, and the slope F ε.
    const Detector sili = siLiBerylliumDetector(), sdd = sddPolymerDetector();
    const double mn = lineEnergyKeV(25, Line::Ka1);
    EXPECT_NEAR(fanoFwhmEv(sili, mn), 129, 1e-9);
    EXPECT_NEAR(fanoFwhmEv(sdd, mn), 125, 1e-9);
    const double slope = (std::pow(fanoFwhmEv(sili, 8), 2) - std::pow(fanoFwhmEv(sili, 1), 2)) / 7000;
    EXPECT_NEAR(slope, 8 * std::log(2.0) * 0.115 * 3.8, 1e-6);
}

// The continuum ends at the beam energy: a straight line through the last keV of the counts
// meets zero there.
TEST(Spectrum, ContinuumEndsAtTheBeamEnergy) {
    for (double kv : {10.0, 20.0}) {
        const EdxAcquisition a = measured(specimen("Kupfer"), kv, siLiBerylliumDetector(), 600);
        const std::vector<double>& c = a.counts();
        ASSERT_EQ(c.size(), size_t(std::lround(kv / kChannelKeV)));
        double sx = 0, sy = 0, sxx = 0, sxy = 0, n = 0;
        for (size_t i = c.size() - 100; i < c.size(); ++i) {
            const double e = (double(i) + 0.5) * kChannelKeV;
            sx += e, sy += c[i], sxx += e * e, sxy += e * c[i], n += 1;
        }
        const double slope = (n * sxy - sx * sy) / (n * sxx - sx * sx), intercept = (sy - slope * sx) / n;
        EXPECT_LT(slope, 0);
        EXPECT_NEAR(-intercept / slope, kv, 0.1) << kv << " kV";
    }
}

// The Ni K edge lies at 8.33 keV: an 8 kV beam cannot ionise it, a 20 kV beam can.
TEST(Spectrum, NickelKLinesOfTheStainlessSteelNeedMoreThan8kV) {
    auto labels = [](const EdxAcquisition& a) {
        std::string s;
        for (const Peak& p : a.labelledPeaks()) s += p.label() + ";";
        return s;
    };
    const EdxAcquisition at8 = measured(specimen("X5CrNi18-10"), 8, siLiBerylliumDetector());
    const EdxAcquisition at20 = measured(specimen("X5CrNi18-10"), 20, siLiBerylliumDetector());
    EXPECT_EQ(labels(at8).find("Ni K"), std::string::npos) << labels(at8);
    EXPECT_NE(labels(at8).find("Ni Lα"), std::string::npos) << labels(at8);
    EXPECT_NE(labels(at8).find("Fe Kα"), std::string::npos) << labels(at8);
    EXPECT_NE(labels(at20).find("Ni Kα"), std::string::npos) << labels(at20);
    EXPECT_NE(labels(at20).find("Ni Kβ"), std::string::npos) << labels(at20);
    EXPECT_EQ(ionisationsPerElectron(specimen("X5CrNi18-10"), 28, Shell::K, 8), 0);
    // Near the edge the yield grows steeply with the overvoltage.
    const Material steel = specimen("X5CrNi18-10");
    EXPECT_GT(ionisationsPerElectron(steel, 28, Shell::K, 20), 5 * ionisationsPerElectron(steel, 28, Shell::K, 10));
}

// Carbon Kα (277 eV) hardly passes 8 µm of beryllium; the polymer window lets it through.
TEST(Spectrum, CarbonOfCastIronHiddenBehindBerylliumShownBehindPolymer) {
    const EdxAcquisition be = measured(specimen("Gusseisen"), 10, siLiBerylliumDetector());
    const EdxAcquisition polymer = measured(specimen("Gusseisen"), 10, sddPolymerDetector());
    auto carbon = [](const EdxAcquisition& a) {
        for (const Peak& p : a.expected().peaks)
            if (p.label() == "C Kα") return p.countsPerS;
        return 0.0;
    };
    EXPECT_GT(carbon(polymer), 100 * carbon(be));
    EXPECT_EQ(find(be.measuredPeaks(), "C Kα"), nullptr);
    const std::vector<MeasuredPeak> peaks = polymer.measuredPeaks();
    const MeasuredPeak* c = find(peaks, "C Kα");
    ASSERT_NE(c, nullptr);
    EXPECT_GT(c->netCounts, 1000);
    // Both windows pass Fe Kα almost whole.
    EXPECT_GT(detectorEfficiency(siLiBerylliumDetector(), 6.4), 0.9);
    EXPECT_GT(detectorEfficiency(sddPolymerDetector(), 6.4), 0.7);
}

// The escape peak sits 1.74 keV below its parent, with the share Reed & Ware give (about 1 % at
// Cu Kα, nothing below the Si K edge).
TEST(Spectrum, SiliconEscapePeaks) {
    EXPECT_EQ(siliconEscapeFraction(1.7), 0);
    EXPECT_GT(siliconEscapeFraction(2.0), siliconEscapeFraction(8.0));
    EXPECT_GT(siliconEscapeFraction(8.04), 0.001);
    EXPECT_LT(siliconEscapeFraction(8.04), 0.02);
    EdxSettings s;
    s.material = specimen("Kupfer");
    const ExpectedSpectrum e = expectedSpectrum(s);
    // Above the continuum around Cu Kα − Si Kα: the escaped share of the Kα peak.
    const double at = kAlphaKeV(29) - lineEnergyKeV(14, Line::Ka1);
    double escaped = 0;
    for (size_t i = size_t((at - 0.15) / kChannelKeV); i < size_t((at + 0.15) / kChannelKeV); ++i)
        escaped += e.countsPerS[i] - e.continuumPerS[i];
    double kAlpha = 0;
    for (const Peak& p : e.peaks)
        if (p.label() == "Cu Kα") kAlpha = p.countsPerS;
    const double share = siliconEscapeFraction(kAlphaKeV(29));
    EXPECT_NEAR(escaped, kAlpha * share / (1 - share), 0.05 * escaped);
}

TEST(Emsa, WrittenFileReadsBackWithItsKeywordsInOrder) {
    const EdxAcquisition a = measured(specimen("CuZn37 (Messing)"), 15, sddPolymerDetector(), 5);
    EmsaSpectrum e;
    e.title = "EDX-Spektrum CuZn37 (Messing), 15 kV";
    e.date = "07-DEC-2026";
    e.time = "21:44";
    e.owner = "Metallographie";
    e.beamKeV = 15;
    e.liveTimeS = 5;
    e.probeCurrentNA = 1;
    e.elevationDeg = 35;
    e.counts = a.counts();
    const std::string text = writeEmsa(e);
    EXPECT_EQ(text.rfind("#FORMAT      : EMSA/MAS Spectral Data File\r\n#VERSION     : 1.0\r\n", 0), 0u);
    size_t at = 0;
    for (const char* key : {"#TITLE", "#DATE", "#TIME", "#OWNER", "#NPOINTS", "#NCOLUMNS", "#XUNITS      : keV",
                            "#YUNITS      : counts", "#DATATYPE    : Y", "#XPERCHAN", "#OFFSET", "#BEAMKV", "#LIVETIME",
                            "#SPECTRUM", "#ENDOFDATA"}) {
        const size_t next = text.find(key, at);
        ASSERT_NE(next, std::string::npos) << key;
        at = next;
    }
    EmsaSpectrum back;
    ASSERT_TRUE(readEmsa(text, back));
    EXPECT_EQ(back.title, e.title);
    EXPECT_EQ(back.date, e.date);
    EXPECT_EQ(back.counts, e.counts);
    EXPECT_EQ(back.counts.size(), 1500u);
    EXPECT_DOUBLE_EQ(back.keVPerChannel, 0.01);
    EXPECT_DOUBLE_EQ(back.beamKeV, 15);
    EXPECT_DOUBLE_EQ(back.liveTimeS, 5);
    // Not EMSA, cut short, or a count that is no number.
    EXPECT_FALSE(readEmsa("#TITLE : x\r\n", back));
    EXPECT_FALSE(readEmsa(text.substr(0, text.size() / 2), back));
    std::string broken = text;
    broken.insert(broken.find("#ENDOFDATA"), "zwölf\r\n");
    EXPECT_FALSE(readEmsa(broken, back));
}

TEST(Composition, ReadsSymbolsAndPercentsAndSaysWhatIsWrong) {
    std::vector<Component> c;
    std::string error;
    ASSERT_TRUE(parseComposition("Fe 70 Cr 20 Ni 10", c, error));
    ASSERT_EQ(c.size(), 3u);
    EXPECT_EQ(c[1].z, 24);
    ASSERT_TRUE(parseComposition("Fe93,6C3,4 Si 2.5 Mn 0,5", c, error));
    EXPECT_DOUBLE_EQ(c[1].massFraction, 3.4);
    // Normalised to 1, also when the percentages do not add up to 100.
    const Material m = compoundMaterial({{26, 35}, {24, 10}, {28, 5}});
    EXPECT_DOUBLE_EQ(m.components[0].massFraction, 0.7);
    struct Bad {
        const char* text;
        const char* says;
    };
    for (const Bad b : {Bad{"Fe 70 Xy 20", "\"Xy\" ist kein bekanntes Element"}, Bad{"Fe 70 Cr", "Nach Cr fehlt"},
                        Bad{"fe 70", "Elementsymbol erwartet"}, Bad{"Fe 0", "Nach Fe fehlt"},
                        Bad{"Fe 101", "höchstens 100"}, Bad{"Fe 1.2.3", "Nach Fe fehlt"}, Bad{"", "Bitte Elemente"},
                        Bad{"U 10", "\"U\" ist kein bekanntes Element"}}) {
        error.clear();
        EXPECT_FALSE(parseComposition(b.text, c, error)) << b.text;
        EXPECT_NE(error.find(b.says), std::string::npos) << b.text << ": " << error;
    }
}

#ifdef METALLO_HAVE_XRAYLIB
// The table the program carries agrees with the xraylib it was made from.
TEST(XrayTable, AgreesWithXraylib) {
    for (int z : {4, 6, 8, 13, 14, 16, 24, 25, 26, 28, 29, 30, 42, 47, 74, 79}) {
        EXPECT_NEAR(lineEnergyKeV(z, Line::Ka1), LineEnergy(z, KL3_LINE, nullptr), 1e-5) << z;
        EXPECT_NEAR(edgeEnergyKeV(z, Shell::K), EdgeEnergy(z, K_SHELL, nullptr), 1e-5) << z;
        EXPECT_NEAR(fluorescenceYield(z, Shell::K), FluorYield(z, K_SHELL, nullptr), 1e-4) << z;
        if (z > 20) {
            EXPECT_NEAR(lineEnergyKeV(z, Line::La1), LineEnergy(z, L3M5_LINE, nullptr), 1e-5) << z;
        }
        // Between the table's points, away from edges, within 3 %.
        for (double e : {0.3, 1.0, 2.7, 5.9, 8.0, 17.5}) {
            bool nearEdge = false;
            for (int s = 0; s < kShellCount; ++s)
                nearEdge = nearEdge || std::fabs(edgeEnergyKeV(z, Shell(s)) - e) < 0.3 * e;
            if (nearEdge) continue;
            const double want = CS_Total(z, e, nullptr);
            EXPECT_NEAR(massAttenuationCm2g(z, e), want, 0.03 * want) << z << " at " << e << " keV";
        }
    }
}
#endif

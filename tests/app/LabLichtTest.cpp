// The virtual light microscope as a student uses it: the stage by drag, keys and wheel, the
// intercept count over three fields against the model's true borders, marks set and taken
// back, and the point count against the true phase under each grid point.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

#include "ProgramFixture.h"
#include "chapters/labs/FormLabLicht.h"
#include "specimen/Stereology.h"

namespace {

std::map<std::string, std::string> valuesOf(Started& s) {
    std::map<std::string, std::string> v;
    std::istringstream in(run(s, "values TFormLabLicht").out);
    for (std::string line; std::getline(in, line);) {
        const size_t tab = line.find('\t');
        if (tab != std::string::npos) v[line.substr(0, tab)] = line.substr(tab + 1);
    }
    return v;
}

double number(const std::map<std::string, std::string>& v, const std::string& name) {
    const auto it = v.find(name);
    return it == v.end() || it->second.empty() ? NAN : std::stod(it->second);
}

struct Lab : Started {
    chapters::TFormLabLicht& lab;
    Lab() : Started(1024, 768), lab(get<chapters::TFormLabLicht>()) {
        menu("TFormHaupt", "Programmstarten1");
        menu("TFormMetallo", "LabLicht1");
    }
    // A point of the field in the window's client coordinates.
    std::string at(int x, int y) const {
        return std::to_string(lab.PaintBoxFeld.left() + x) + " " + std::to_string(lab.PaintBoxFeld.top() + y);
    }
    void script(const std::string& line) {
        const Outcome o = run(*this, line);
        ASSERT_EQ(o.status, 0) << line << ": " << o.err;
        ASSERT_EQ(o.out.find("no effect"), std::string::npos) << line << ": " << o.out;
    }
};

}  // namespace

TEST(LabLicht, StageObjectiveAndScale) {
    Lab s;
    ASSERT_TRUE(s.lab.visible());
    auto v = valuesOf(s);
    EXPECT_EQ(number(v, "vergroesserung"), 100);
    EXPECT_EQ(number(v, "um_pro_pixel"), 0.5);
    EXPECT_EQ(number(v, "feldbreite_um"), 0.5 * s.lab.fieldWidthPx());
    // Dragging the picture 40 pixels right and 20 down moves the stage the other way.
    const double x0 = number(v, "x_mm"), y0 = number(v, "y_mm");
    s.script("drag TFormLabLicht " + s.at(100, 100) + " " + s.at(140, 120));
    v = valuesOf(s);
    EXPECT_NEAR(number(v, "x_mm"), x0 - 40 * 0.5e-3, 1e-9);
    EXPECT_NEAR(number(v, "y_mm"), y0 - 20 * 0.5e-3, 1e-9);
    // An arrow key steps a quarter of the field; the wheel turns in the next objective.
    s.script("keys TFormLabLicht right");
    EXPECT_NEAR(number(valuesOf(s), "x_mm"), x0 - 0.02 + 0.25 * number(v, "feldbreite_um") / 1000, 1e-3);
    s.script("wheel TFormLabLicht " + s.at(100, 100) + " -1");
    v = valuesOf(s);
    EXPECT_EQ(number(v, "vergroesserung"), 200);
    EXPECT_EQ(number(v, "um_pro_pixel"), 0.25);
    // The stage stops at the specimen's edge.
    s.lab.moveStageTo(-500, 20000);
    v = valuesOf(s);
    EXPECT_NEAR(number(v, "x_mm"), 0.5 * number(v, "feldbreite_um") / 1000, 1e-3);
    EXPECT_LE(number(v, "y_mm"), 10.0);
}

TEST(LabLicht, LineInterceptOverThreeFields) {
    Lab s;
    s.script("set TFormLabLicht ComboBoxMessung 1");
    // A click on a test line marks an intercept, a second click there takes it back.
    const auto line = s.lab.testLines().front();
    s.script("click TFormLabLicht " + s.at((line.x0 + line.x1) / 2, line.y + 2));
    EXPECT_EQ(number(valuesOf(s), "markiert"), 1);
    s.script("click TFormLabLicht " + s.at((line.x0 + line.x1) / 2 + 1, line.y));
    EXPECT_EQ(number(valuesOf(s), "markiert"), 0);
    // Three fields counted one too many each: the sums and G follow, the truth stays apart;
    // focusing keeps the marks of a field, another objective starts a new one.
    s.script("click TFormLabLicht " + s.at((line.x0 + line.x1) / 2, line.y));
    s.script("set TFormLabLicht TrackBarFokus 10");
    EXPECT_EQ(number(valuesOf(s), "markiert"), 1);
    s.script("set TFormLabLicht ComboBoxObjektiv 2");
    s.script("set TFormLabLicht ComboBoxObjektiv 1");
    EXPECT_EQ(number(valuesOf(s), "markiert"), 0);
    double length = 0;
    int truth = 0;
    for (int field = 0; field < 3; ++field) {
        const auto v = valuesOf(s);
        length += number(v, "linienlaenge_mm");
        truth += static_cast<int>(number(v, "schnittpunkte"));
        ASSERT_GT(number(v, "schnittpunkte"), 10);
        s.script("set TFormLabLicht EditAnzahl " + std::to_string(static_cast<int>(number(v, "schnittpunkte")) + 1));
        s.script("press TFormLabLicht ButtonAuswerten");
        // A second press on the same field adds nothing.
        s.script("press TFormLabLicht ButtonAuswerten");
        EXPECT_NE(s.lab.LabelErgebnis.caption().find("schon ausgewertet"), std::string::npos);
        s.script("click TFormLabLicht " + s.at(5, 5));
        s.script("keys TFormLabLicht down down down down");
    }
    const auto v = valuesOf(s);
    EXPECT_EQ(number(v, "felder"), 3);
    EXPECT_EQ(number(v, "schnittpunkte_summe_wahr"), truth);
    EXPECT_NEAR(number(v, "l_mittel_um"), 1000 * length / (truth + 3), 1e-3);
    EXPECT_NEAR(number(v, "korngroesse_g"), specimen::grainSizeFromInterceptMm(length / (truth + 3)), 1e-4);
    EXPECT_NE(s.lab.LabelErgebnis.caption().find("Wahr: " + std::to_string(truth) + " Schnittpunkte"), std::string::npos)
        << s.lab.LabelErgebnis.caption();
    // A count that is no number is refused with a German message and adds nothing.
    s.script("set TFormLabLicht EditAnzahl zwölf");
    s.script("press TFormLabLicht ButtonAuswerten");
    EXPECT_EQ(number(valuesOf(s), "felder"), 3);
    EXPECT_NE(s.lab.LabelErgebnis.caption().find("ganze Zahl"), std::string::npos);
}

TEST(LabLicht, PointCountAgainstThePhaseUnderEachPoint) {
    Lab s;
    s.script("set TFormLabLicht ComboBoxMessung 2");
    const auto points = s.lab.gridPoints();
    const double u = s.lab.umPerPx();
    const double left = s.lab.StageXUm - 0.5 * s.lab.fieldWidthPx() * u, top = s.lab.StageYUm - 0.5 * s.lab.fieldHeightPx() * u;
    // The student marks each grid point that truly lies in pearlite, as the model knows it.
    const specimen::Specimen model(specimen::Material::CarbonSteel, 0.45);
    int inPearlite = 0;
    for (const ui::Point& p : points) {
        if (model.inCountedPhase(left + (p.x + 0.5) * u, top + (p.y + 0.5) * u)) {
            s.script("click TFormLabLicht " + s.at(p.x + 2, p.y - 2));
            ++inPearlite;
        }
    }
    auto v = valuesOf(s);
    EXPECT_EQ(number(v, "punkte"), static_cast<double>(points.size()));
    EXPECT_EQ(number(v, "punkte_markiert"), inPearlite);
    s.script("press TFormLabLicht ButtonAuswerten");
    const double share = static_cast<double>(inPearlite) / points.size();
    EXPECT_NE(s.lab.LabelErgebnis.caption().find(std::to_string(inPearlite) + " Punkte = "), std::string::npos)
        << s.lab.LabelErgebnis.caption();
    // The field's true share from its whole area is near what 25 points found.
    EXPECT_NEAR(number(v, "perlitanteil_feld"), share, 3 * specimen::pointCountStandardError(share, 25) + 0.05);
    EXPECT_NEAR(number(v, "perlitanteil"), specimen::leverRulePearliteShare(0.45), 0.03);
}

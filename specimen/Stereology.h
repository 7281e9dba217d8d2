// Quantities of quantitative metallography: the lever rule, grain size numbers and the
// point count's error.
#pragma once

namespace specimen {

constexpr double kEutectoidCarbonPct = 0.77;  // Fe-Fe3C, 727 °C
constexpr double kFerriteCarbonPct = 0.02;    // largest solubility of carbon in ferrite

// Pearlite share (0..1) of a slowly cooled hypoeutectoid steel (lever rule at the eutectoid
// temperature; e.g. Callister 2007, eq. 9.20).
double leverRulePearliteShare(double carbonPct);

// Grain size number from the mean lineal intercept in mm (ASTM E112, G = -3.2877 - 6.6439 log10 l).
double grainSizeFromInterceptMm(double meanInterceptMm);

// Grain size number from grains per mm^2 (ASTM E112 planimetric, G = 3.321928 log10 N_A - 2.954).
double grainSizeFromGrainsPerMm2(double grainsPerMm2);

// Standard error of a point-count fraction p from n points (binomial, as ASTM E562 estimates it
// for one field).
double pointCountStandardError(double fraction, int points);

}  // namespace specimen

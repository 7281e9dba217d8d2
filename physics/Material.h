// A specimen's material: elements with their mass fractions (normalised to 1) and a density.
#pragma once

#include <string>
#include <vector>

namespace physics {

struct Component {
    int z = 0;
    double massFraction = 0;
};

struct Material {
    std::vector<Component> components;
    double densityGcm3 = 0;
};

// A pure element at its density.
Material elementMaterial(int z);
// From (element, mass per cent) pairs: the fractions are normalised; the density, when 0, is the
// mass-weighted harmonic mean of the elements' densities (as for a mixture of the elements).
Material compoundMaterial(const std::vector<Component>& massPercent, double densityGcm3 = 0);

// Reads "Fe 70 Cr 20 Ni 10" (symbol, mass per cent; blanks optional between them, a decimal comma
// allowed). On a fault returns false and a German sentence that says what is wrong.
bool parseComposition(const std::string& text, std::vector<Component>& result, std::string& error);

// Mass-fraction means of atomic number and atomic weight.
double meanAtomicNumber(const Material& m);
double meanAtomicWeight(const Material& m);

// Mass attenuation coefficient of the material (cm²/g): the elements' by mass fraction.
double massAttenuationCm2g(const Material& m, double energyKeV);

}  // namespace physics

#include "physics/Material.h"

#include <cctype>
#include <cstdlib>

#include "physics/XrayData.h"

namespace physics {

Material elementMaterial(int z) { return Material{{{z, 1.0}}, elementDensityGcm3(z)}; }

Material compoundMaterial(const std::vector<Component>& massPercent, double densityGcm3) {
    Material m;
    double total = 0;
    for (const Component& c : massPercent) total += c.massFraction;
    double specificVolume = 0;
    for (const Component& c : massPercent) {
        if (c.massFraction <= 0) continue;
        bool merged = false;
        for (Component& k : m.components)
            if (k.z == c.z) {
                k.massFraction += c.massFraction / total;
                merged = true;
            }
        if (!merged) m.components.push_back({c.z, c.massFraction / total});
        specificVolume += c.massFraction / total / elementDensityGcm3(c.z);
    }
    m.densityGcm3 = densityGcm3 > 0 ? densityGcm3 : 1.0 / specificVolume;
    return m;
}

bool parseComposition(const std::string& text, std::vector<Component>& result, std::string& error) {
    result.clear();
    size_t i = 0;
    const size_t n = text.size();
    auto skipBlanks = [&] {
        while (i < n && (text[i] == ' ' || text[i] == '\t' || text[i] == ';' || text[i] == '/')) ++i;
    };
    double total = 0;
    for (skipBlanks(); i < n; skipBlanks()) {
        if (!std::isupper(static_cast<unsigned char>(text[i]))) {
            error = "Zusammensetzung: An Stelle " + std::to_string(i + 1) +
                    " wird ein Elementsymbol erwartet (z. B. \"Fe 70 Cr 20 Ni 10\").";
            return false;
        }
        std::string symbol(1, text[i++]);
        if (i < n && std::islower(static_cast<unsigned char>(text[i]))) symbol += text[i++];
        const int z = elementNumber(symbol);
        if (z == 0) {
            error = "Zusammensetzung: \"" + symbol + "\" ist kein bekanntes Element (H bis Bi).";
            return false;
        }
        skipBlanks();
        std::string number;
        while (i < n && (std::isdigit(static_cast<unsigned char>(text[i])) || text[i] == '.' || text[i] == ','))
            number += text[i] == ',' ? '.' : text[i], ++i;
        char* end = nullptr;
        const double percent = number.empty() ? -1 : std::strtod(number.c_str(), &end);
        if (number.empty() || *end != '\0' || !(percent > 0) || percent > 100) {
            error = "Zusammensetzung: Nach " + symbol + " fehlt ein Massenanteil in Gew.-% (größer als 0, höchstens 100).";
            return false;
        }
        result.push_back({z, percent});
        total += percent;
    }
    if (result.empty()) {
        error = "Zusammensetzung: Bitte Elemente mit Massenanteilen eingeben, z. B. \"Fe 70 Cr 20 Ni 10\".";
        return false;
    }
    if (total <= 0) {
        error = "Zusammensetzung: Die Massenanteile ergeben zusammen 0.";
        return false;
    }
    return true;
}

double meanAtomicNumber(const Material& m) {
    double z = 0;
    for (const Component& c : m.components) z += c.massFraction * c.z;
    return z;
}

double meanAtomicWeight(const Material& m) {
    double a = 0;
    for (const Component& c : m.components) a += c.massFraction * atomicWeight(c.z);
    return a;
}

double massAttenuationCm2g(const Material& m, double energyKeV) {
    double mu = 0;
    for (const Component& c : m.components) mu += c.massFraction * massAttenuationCm2g(c.z, energyKeV);
    return mu;
}

}  // namespace physics

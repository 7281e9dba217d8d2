// The EMSA/MAS spectral data file (ISO 22029), the exchange format of EDX programs: keyword
// lines "#KEYWORD : value", then the counts of the channels (DATATYPE Y), then #ENDOFDATA.
#pragma once

#include <string>
#include <vector>

namespace physics {

struct EmsaSpectrum {
    std::string title;
    std::string date;   // "07-DEC-2026"
    std::string time;   // "21:44"
    std::string owner;
    double keVPerChannel = 0.01;
    double offsetKeV = 0;
    double beamKeV = 0;
    double liveTimeS = 0;
    double probeCurrentNA = 0;
    double elevationDeg = 0;  // the take-off angle
    std::vector<double> counts;
};

std::string writeEmsa(const EmsaSpectrum& s);
// Reads what writeEmsa writes (and files of the same shape); false when it is no EMSA file.
bool readEmsa(const std::string& text, EmsaSpectrum& s);

}  // namespace physics

#include "physics/Emsa.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace physics {

namespace {
std::string number(double v) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.6g", v);
    std::string s = buffer;
    // The format's examples give a point to every number, also whole ones.
    if (s.find_first_of(".eE") == std::string::npos) s += ".";
    return s;
}

std::string keyword(const std::string& name, const std::string& value) {
    std::string line = "#" + name;
    line.resize(13, ' ');
    return line + ": " + value + "\r\n";
}

std::string trim(const std::string& s) {
    const size_t a = s.find_first_not_of(" \t\r\n");
    if (a == std::string::npos) return "";
    const size_t b = s.find_last_not_of(" \t\r\n");
    return s.substr(a, b - a + 1);
}
}  // namespace

std::string writeEmsa(const EmsaSpectrum& s) {
    std::string out;
    out += keyword("FORMAT", "EMSA/MAS Spectral Data File");
    out += keyword("VERSION", "1.0");
    out += keyword("TITLE", s.title.substr(0, 64));
    out += keyword("DATE", s.date);
    out += keyword("TIME", s.time);
    out += keyword("OWNER", s.owner);
    out += keyword("NPOINTS", number(double(s.counts.size())));
    out += keyword("NCOLUMNS", number(1));
    out += keyword("XUNITS", "keV");
    out += keyword("YUNITS", "counts");
    out += keyword("DATATYPE", "Y");
    out += keyword("XPERCHAN", number(s.keVPerChannel));
    out += keyword("OFFSET", number(s.offsetKeV));
    out += keyword("SIGNALTYPE", "EDS");
    out += keyword("BEAMKV", number(s.beamKeV));
    out += keyword("PROBECUR", number(s.probeCurrentNA));
    out += keyword("LIVETIME", number(s.liveTimeS));
    out += keyword("ELEVANGLE", number(s.elevationDeg));
    out += keyword("SPECTRUM", "Spectral Data Starts Here");
    for (double c : s.counts) out += number(c) + "\r\n";
    out += keyword("ENDOFDATA", "");
    return out;
}

bool readEmsa(const std::string& text, EmsaSpectrum& s) {
    s = EmsaSpectrum{};
    std::istringstream in(text);
    std::string line;
    bool first = true, data = false, ended = false;
    long expected = -1;
    while (std::getline(in, line)) {
        line = trim(line);
        if (line.empty()) continue;
        if (line[0] == '#') {
            const size_t colon = line.find(':');
            const std::string key = trim(line.substr(1, colon == std::string::npos ? std::string::npos : colon - 1));
            const std::string value = colon == std::string::npos ? "" : trim(line.substr(colon + 1));
            if (first && (key != "FORMAT" || value.find("EMSA/MAS") == std::string::npos)) return false;
            first = false;
            const double v = std::atof(value.c_str());
            if (key == "TITLE") s.title = value;
            else if (key == "DATE") s.date = value;
            else if (key == "TIME") s.time = value;
            else if (key == "OWNER") s.owner = value;
            else if (key == "NPOINTS") expected = long(v);
            else if (key == "XPERCHAN") s.keVPerChannel = v;
            else if (key == "OFFSET") s.offsetKeV = v;
            else if (key == "BEAMKV") s.beamKeV = v;
            else if (key == "LIVETIME") s.liveTimeS = v;
            else if (key == "PROBECUR") s.probeCurrentNA = v;
            else if (key == "ELEVANGLE") s.elevationDeg = v;
            else if (key == "SPECTRUM") data = true;
            else if (key == "ENDOFDATA") {
                ended = true;
                break;
            }
            continue;
        }
        if (!data) return false;
        std::istringstream values(line);
        std::string item;
        while (std::getline(values, item, ',')) {
            item = trim(item);
            if (item.empty()) continue;
            char* end = nullptr;
            const double v = std::strtod(item.c_str(), &end);
            if (*end != '\0') return false;
            s.counts.push_back(v);
        }
    }
    return ended && (expected < 0 || expected == long(s.counts.size()));
}

}  // namespace physics

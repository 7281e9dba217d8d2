// A spectrum being measured: counts gathered channel by channel with Poisson noise as live time
// passes, and the labelled peaks with what the counts so far say about them.
#pragma once

#include <cstdint>
#include <vector>

#include "physics/Random.h"
#include "physics/XraySpectrum.h"

namespace physics {

struct MeasuredPeak {
    Peak peak;               // the expectation (line energy from the data, Fano FWHM)
    double centroidKeV = 0;  // from the counts
    double netCounts = 0;    // counts within ±1.5 FWHM above the continuum
    double fwhmEv = 0;       // from the counts' second moment
};

class EdxAcquisition {
public:
    EdxAcquisition(const EdxSettings& settings, double liveTimeS, uint64_t seed);

    // Adds the counts of the next stretch of live time (no further than the measuring time).
    void advance(double liveSeconds);
    bool finished() const { return elapsedS_ >= liveTimeS_; }
    double elapsedS() const { return elapsedS_; }
    double liveTimeS() const { return liveTimeS_; }
    const EdxSettings& settings() const { return settings_; }
    const ExpectedSpectrum& expected() const { return expected_; }
    const std::vector<double>& counts() const { return counts_; }
    double totalCounts() const { return total_; }
    // The peaks that stand out of the continuum over the whole measuring time (three standard
    // deviations of the continuum beneath them), strongest first; a weaker line within one FWHM
    // of a stronger one is left to it.
    const std::vector<Peak>& labelledPeaks() const { return labelled_; }
    std::vector<MeasuredPeak> measuredPeaks() const;

private:
    EdxSettings settings_;
    ExpectedSpectrum expected_;
    double liveTimeS_;
    double elapsedS_ = 0;
    double total_ = 0;
    Random random_;
    std::vector<double> counts_;
    std::vector<Peak> labelled_;
};

}  // namespace physics

#include "physics/EdxAcquisition.h"

#include <algorithm>
#include <cmath>

namespace physics {

namespace {
constexpr double kEvPerKeV = 1000;
constexpr double kFwhmPerSigma = 2.354820045;
// A peak is labelled when its counts exceed this many standard deviations of the continuum below it.
constexpr double kDetectionSigmas = 3;
constexpr double kWindowFwhm = 1.5;

// The channels within ±1.5 FWHM of an energy: all of a Gaussian but 0.04 %.
void window(const Peak& p, size_t channels, size_t& first, size_t& last) {
    const double half = kWindowFwhm * p.fwhmEv / kEvPerKeV;
    first = size_t(std::max(0.0, (p.energyKeV - half) / kChannelKeV));
    last = std::min(channels - 1, size_t(std::max(0.0, (p.energyKeV + half) / kChannelKeV)));
}
}  // namespace

EdxAcquisition::EdxAcquisition(const EdxSettings& settings, double liveTimeS, uint64_t seed)
    : settings_(settings), expected_(expectedSpectrum(settings)), liveTimeS_(liveTimeS), random_(seed) {
    counts_.assign(expected_.countsPerS.size(), 0);
    for (const Peak& p : expected_.peaks) {
        size_t a, b;
        window(p, counts_.size(), a, b);
        double background = 0;
        for (size_t i = a; i <= b; ++i) background += expected_.continuumPerS[i] * liveTimeS;
        // Ll lies in Lα's flank and is too weak to name.
        if (p.line == "Ll") continue;
        const double counts = p.countsPerS * liveTimeS;
        if (counts <= kDetectionSigmas * std::sqrt(std::max(background, 1.0))) continue;
        const bool covered = std::any_of(labelled_.begin(), labelled_.end(), [&](const Peak& q) {
            return std::fabs(q.energyKeV - p.energyKeV) * kEvPerKeV < q.fwhmEv;
        });
        if (!covered) labelled_.push_back(p);
    }
}

void EdxAcquisition::advance(double liveSeconds) {
    const double dt = std::min(liveSeconds, liveTimeS_ - elapsedS_);
    if (dt <= 0) return;
    for (size_t i = 0; i < counts_.size(); ++i) {
        const long n = poissonCount(random_, expected_.countsPerS[i] * dt);
        counts_[i] += double(n);
        total_ += double(n);
    }
    elapsedS_ += dt;
}

std::vector<MeasuredPeak> EdxAcquisition::measuredPeaks() const {
    std::vector<MeasuredPeak> out;
    for (const Peak& p : labelled_) {
        MeasuredPeak m;
        m.peak = p;
        size_t a, b;
        window(p, counts_.size(), a, b);
        double net = 0, first = 0, second = 0;
        for (size_t i = a; i <= b; ++i) {
            const double c = counts_[i] - expected_.continuumPerS[i] * elapsedS_;
            const double e = (double(i) + 0.5) * kChannelKeV;
            net += c;
            first += c * e;
            second += c * e * e;
        }
        m.netCounts = net;
        if (net > 0) {
            m.centroidKeV = first / net;
            const double variance = std::max(0.0, second / net - m.centroidKeV * m.centroidKeV);
            m.fwhmEv = kFwhmPerSigma * std::sqrt(variance) * kEvPerKeV;
        }
        out.push_back(m);
    }
    return out;
}

}  // namespace physics

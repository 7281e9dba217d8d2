// The simulations' random stream: xoshiro256** (Blackman & Vigna 2018), seeded through
// splitmix64, so a seed gives the same numbers on every platform and standard library.
#pragma once

#include <cstdint>

namespace physics {

class Random {
public:
    explicit Random(uint64_t seed = 1) {
        for (uint64_t& s : state_) {
            seed += 0x9E3779B97F4A7C15ull;
            uint64_t z = seed;
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
            s = z ^ (z >> 31);
        }
    }
    uint64_t next() {
        const uint64_t result = rotl(state_[1] * 5, 7) * 9;
        const uint64_t t = state_[1] << 17;
        state_[2] ^= state_[0];
        state_[3] ^= state_[1];
        state_[1] ^= state_[2];
        state_[0] ^= state_[3];
        state_[2] ^= t;
        state_[3] = rotl(state_[3], 45);
        return result;
    }
    // Uniform in [0, 1).
    double uniform() { return double(next() >> 11) * 0x1.0p-53; }
    // Uniform in (0, 1]: safe under a logarithm.
    double uniformOpen() { return double((next() >> 11) + 1) * 0x1.0p-53; }

private:
    static uint64_t rotl(uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    uint64_t state_[4];
};

}  // namespace physics

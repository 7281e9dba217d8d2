// Deterministic pseudo-random numbers for the specimen models and the pictures.
//
// Every specimen and picture draws its randomness from its own fixed seed through
// this generator, so the output is the same on every run and on every machine with
// the same floating-point behaviour. The standard library's distributions are
// deliberately not used: their algorithms differ between library versions.
#pragma once

#include <cstdint>

namespace specimen {

// SplitMix64 step: advances the state and returns a well-mixed 64-bit value.
uint64_t splitmix64(uint64_t& state);

// Stateless 64-bit mix of one value (a SplitMix64 finaliser). Inline: the microscope's
// fields call it for many pixels.
inline uint64_t mix64(uint64_t z) {
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

// Hash of integer lattice coordinates and a seed, for noise and per-item picks.
inline uint64_t hash3(uint64_t seed, int64_t a, int64_t b) {
  uint64_t h = mix64(seed ^ 0x2545F4914F6CDD1Dull);
  h = mix64(h ^ static_cast<uint64_t>(a) * 0x9E3779B97F4A7C15ull);
  h = mix64(h ^ static_cast<uint64_t>(b) * 0xC2B2AE3D27D4EB4Full);
  return h;
}

// Uniform double in [0, 1) from the top 53 bits of a 64-bit value.
// (The 53 bits convert as a signed number: one instruction, the same value.)
inline double to_unit(uint64_t bits) { return static_cast<double>(static_cast<int64_t>(bits >> 11)) * 0x1.0p-53; }

// xoshiro256** generator seeded through SplitMix64.
class Rng {
 public:
  explicit Rng(uint64_t seed);
  // A generator with the given raw state (not all zero).
  static Rng from_state(uint64_t s0, uint64_t s1, uint64_t s2, uint64_t s3);

  uint64_t next();
  // Uniform in [0, 1).
  double uniform();
  // Uniform in [a, b).
  double uniform(double a, double b);
  // Uniform integer in [0, n); n must be positive.
  int below(int n);
  // True with probability p.
  bool chance(double p);
  // Standard normal deviate (Box-Muller, polar form free of rejection loops).
  double normal();
  // Normal with mean and standard deviation.
  double normal(double mean, double sd);
  // Lognormal with the given median and log-standard deviation.
  double lognormal(double median, double sigma);
  // An independent generator for a numbered sub-task.
  Rng fork(uint64_t stream);

 private:
  uint64_t s_[4];
  bool has_spare_ = false;
  double spare_ = 0.0;
};

}  // namespace specimen

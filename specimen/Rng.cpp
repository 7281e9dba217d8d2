#include "specimen/Rng.h"

#include <cmath>

namespace specimen {

uint64_t splitmix64(uint64_t& state) {
  state += 0x9E3779B97F4A7C15ull;
  return mix64(state);
}

static inline uint64_t rotl(uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

Rng::Rng(uint64_t seed) {
  uint64_t st = seed;
  for (auto& s : s_) s = splitmix64(st);
}

Rng Rng::from_state(uint64_t s0, uint64_t s1, uint64_t s2, uint64_t s3) {
  Rng r(0);
  r.s_[0] = s0;
  r.s_[1] = s1;
  r.s_[2] = s2;
  r.s_[3] = s3;
  return r;
}

uint64_t Rng::next() {
  const uint64_t result = rotl(s_[1] * 5, 7) * 9;
  const uint64_t t = s_[1] << 17;
  s_[2] ^= s_[0];
  s_[3] ^= s_[1];
  s_[1] ^= s_[2];
  s_[0] ^= s_[3];
  s_[2] ^= t;
  s_[3] = rotl(s_[3], 45);
  return result;
}

double Rng::uniform() { return to_unit(next()); }

double Rng::uniform(double a, double b) { return a + (b - a) * uniform(); }

int Rng::below(int n) {
  // Rejection keeps the result exactly uniform.
  const uint64_t un = static_cast<uint64_t>(n);
  const uint64_t limit = UINT64_MAX - UINT64_MAX % un;
  uint64_t v;
  do v = next();
  while (v >= limit);
  return static_cast<int>(v % un);
}

bool Rng::chance(double p) { return uniform() < p; }

double Rng::normal() {
  if (has_spare_) {
    has_spare_ = false;
    return spare_;
  }
  // 1 - uniform() lies in (0, 1], so the logarithm is finite.
  const double u1 = 1.0 - uniform();
  const double u2 = uniform();
  const double r = std::sqrt(-2.0 * std::log(u1));
  const double a = 6.283185307179586 * u2;
  spare_ = r * std::sin(a);
  has_spare_ = true;
  return r * std::cos(a);
}

double Rng::normal(double mean, double sd) { return mean + sd * normal(); }

double Rng::lognormal(double median, double sigma) { return median * std::exp(sigma * normal()); }

Rng Rng::fork(uint64_t stream) { return Rng(next() ^ mix64(stream + 0x632BE59BD9B4E019ull)); }

}  // namespace specimen

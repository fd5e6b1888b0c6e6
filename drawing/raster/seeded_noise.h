// Deterministic randomness for generated pictures and textures: the same
// seed gives the same numbers on every machine (no library distributions,
// whose output is left to each implementation).
#pragma once

#include <cstdint>

namespace sumimai {

// SplitMix64: a small generator of well-mixed 64-bit numbers.
class SeededRandom {
 public:
  explicit SeededRandom(std::uint64_t seed) : state_(seed) {}
  std::uint64_t next();
  // Uniform in [0, 1).
  double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
  double between(double low, double high) { return low + (high - low) * unit(); }

 private:
  std::uint64_t state_;
};

// Smooth value noise: random values on a unit lattice, blended with a
// smoothstep; fractal() adds octaves of halving size and weight. Results lie
// in [0, 1).
class ValueNoise {
 public:
  explicit ValueNoise(std::uint64_t seed) : seed_(seed) {}
  double at(double x, double y) const;
  double fractal(double x, double y, int octaves) const;

 private:
  double lattice(std::int64_t ix, std::int64_t iy) const;
  std::uint64_t seed_;
};

}  // namespace sumimai

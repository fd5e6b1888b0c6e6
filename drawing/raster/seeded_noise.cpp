#include "seeded_noise.h"

#include <cmath>

namespace sumimai {

std::uint64_t SeededRandom::next() {
  std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

double ValueNoise::lattice(std::int64_t ix, std::int64_t iy) const {
  SeededRandom r(seed_ ^ (static_cast<std::uint64_t>(ix) * 0x8DA6B343ull) ^
                 (static_cast<std::uint64_t>(iy) * 0xD8163841ull));
  return r.unit();
}

double ValueNoise::at(double x, double y) const {
  double fx = std::floor(x), fy = std::floor(y);
  auto ix = static_cast<std::int64_t>(fx), iy = static_cast<std::int64_t>(fy);
  double tx = x - fx, ty = y - fy;
  tx = tx * tx * (3 - 2 * tx);
  ty = ty * ty * (3 - 2 * ty);
  double top = lattice(ix, iy) + (lattice(ix + 1, iy) - lattice(ix, iy)) * tx;
  double bottom = lattice(ix, iy + 1) + (lattice(ix + 1, iy + 1) - lattice(ix, iy + 1)) * tx;
  return top + (bottom - top) * ty;
}

double ValueNoise::fractal(double x, double y, int octaves) const {
  double sum = 0, weight = 0.5, total = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += at(x, y) * weight;
    total += weight;
    x *= 2, y *= 2, weight /= 2;
  }
  return sum / total;
}

}  // namespace sumimai

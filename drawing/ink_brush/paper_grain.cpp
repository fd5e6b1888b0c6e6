#include "paper_grain.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "drawing/raster/seeded_noise.h"

namespace sumimai {
namespace {

constexpr int kTile = PaperGrain::kTile;

// Value noise on a lattice of columns x rows cells across the tile, wrapping
// at its edges so that the tile repeats without a seam.
class TileNoise {
 public:
  TileNoise(std::uint64_t seed, int columns, int rows)
      : columns_(columns), rows_(rows), values_(static_cast<std::size_t>(columns) * rows) {
    SeededRandom random(seed);
    for (double& v : values_) v = random.unit();
  }
  double at(double x, double y) const {  // x in 0..columns, y in 0..rows
    const int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
    double tx = x - ix, ty = y - iy;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    const double a = lattice(ix, iy), b = lattice(ix + 1, iy), c = lattice(ix, iy + 1), d = lattice(ix + 1, iy + 1);
    const double top = a + (b - a) * tx, bottom = c + (d - c) * tx;
    return top + (bottom - top) * ty;
  }

 private:
  double lattice(int ix, int iy) const {
    return values_[static_cast<std::size_t>(PaperGrain::wrap(iy, rows_)) * columns_ + PaperGrain::wrap(ix, columns_)];
  }
  int columns_, rows_;
  std::vector<double> values_;
};

// Spreads values evenly over 0..255 by rank (ties keep their order of
// index, so the result is the same everywhere).
std::vector<std::uint8_t> equalised(const std::vector<float>& values) {
  constexpr int kBins = 4096;
  float low = *std::min_element(values.begin(), values.end());
  float high = *std::max_element(values.begin(), values.end());
  const float span = high > low ? high - low : 1.0f;
  auto bin = [&](float v) { return std::min(kBins - 1, static_cast<int>((v - low) / span * kBins)); };
  std::vector<std::size_t> below(kBins + 1, 0);
  for (float v : values) ++below[static_cast<std::size_t>(bin(v)) + 1];
  for (int i = 0; i < kBins; ++i) below[i + 1] += below[i];
  std::vector<std::uint8_t> out(values.size());
  const double n = static_cast<double>(values.size());
  for (std::size_t i = 0; i < values.size(); ++i) {
    const std::size_t b = static_cast<std::size_t>(bin(values[i]));
    const double rank = (static_cast<double>(below[b]) + static_cast<double>(below[b + 1])) / 2;
    out[i] = static_cast<std::uint8_t>(std::min(255.0, std::floor(rank / n * 256)));
  }
  return out;
}

// Fibrous grain: a fine speckle, short fibres stretched along the rows and
// along the columns, and a faint cloud.
std::vector<float> seededTile(std::uint64_t seed) {
  const TileNoise fine(seed, 160, 160), mid(seed + 1, 64, 64), rowFibres(seed + 2, 32, 128),
      columnFibres(seed + 3, 128, 32), cloud(seed + 4, 16, 16);
  std::vector<float> v(static_cast<std::size_t>(kTile) * kTile);
  const double s = 1.0 / kTile;
  for (int y = 0; y < kTile; ++y)
    for (int x = 0; x < kTile; ++x) {
      const double u = x * s, w = y * s;
      const double fibres = std::max(rowFibres.at(u * 32, w * 128), columnFibres.at(u * 128, w * 32));
      v[static_cast<std::size_t>(y) * kTile + x] = static_cast<float>(
          0.42 * fine.at(u * 160, w * 160) + 0.22 * mid.at(u * 64, w * 64) + 0.24 * fibres + 0.12 * cloud.at(u * 16, w * 16));
    }
  return v;
}

}  // namespace

std::shared_ptr<const PaperGrain> PaperGrain::seeded(std::uint64_t seed) {
  return std::shared_ptr<const PaperGrain>(new PaperGrain(kTile, kTile, equalised(seededTile(seed))));
}

std::shared_ptr<const PaperGrain> PaperGrain::ofPicture(const std::uint32_t* pixels, int width, int height,
                                                        std::ptrdiff_t stride, std::uint64_t seed) {
  if (width <= 0 || height <= 0) return seeded(seed);
  const std::size_t n = static_cast<std::size_t>(width) * height;
  std::vector<float> lum(n);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const std::uint32_t p = pixels[y * stride + x];
      lum[static_cast<std::size_t>(y) * width + x] =
          static_cast<float>(0.30 * (p >> 16 & 0xFF) + 0.59 * (p >> 8 & 0xFF) + 0.11 * (p & 0xFF));
    }
  // The local mean: a box 5 pixels wide, by running sums along rows then columns.
  constexpr int kHalf = 2;
  auto blur = [&](std::vector<float> in, bool rows) {
    std::vector<float> out(n);
    const int lines = rows ? height : width, len = rows ? width : height;
    for (int l = 0; l < lines; ++l)
      for (int i = 0; i < len; ++i) {
        float sum = 0;
        for (int k = -kHalf; k <= kHalf; ++k) {
          const int j = std::clamp(i + k, 0, len - 1);
          sum += rows ? in[static_cast<std::size_t>(l) * width + j] : in[static_cast<std::size_t>(j) * width + l];
        }
        (rows ? out[static_cast<std::size_t>(l) * width + i] : out[static_cast<std::size_t>(i) * width + l]) =
            sum / (2 * kHalf + 1);
      }
    return out;
  };
  const std::vector<float> mean = blur(blur(lum, true), false);
  std::vector<float> detail(n);
  for (std::size_t i = 0; i < n; ++i) detail[i] = lum[i] - mean[i];
  const std::vector<std::uint8_t> own = equalised(detail);
  const std::shared_ptr<const PaperGrain> tile = seeded(seed);
  std::vector<float> mixed(n);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const std::size_t i = static_cast<std::size_t>(y) * width + x;
      mixed[i] = 0.6f * own[i] + 0.4f * tile->at(x, y);
    }
  return std::shared_ptr<const PaperGrain>(new PaperGrain(width, height, equalised(mixed)));
}

}  // namespace sumimai

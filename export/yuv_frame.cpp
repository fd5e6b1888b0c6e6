#include "yuv_frame.h"

#include <algorithm>
#include <vector>

namespace sumimai {
namespace {

struct Sum {
  int r = 0, g = 0, b = 0;
  void add(std::uint32_t p) { r += p >> 16 & 0xFF, g += p >> 8 & 0xFF, b += p & 0xFF; }
};

// BT.709 in 8-bit fixed point, scaled to 16..235 and 16..240.
std::uint8_t luma(std::uint32_t p) {
  const int r = p >> 16 & 0xFF, g = p >> 8 & 0xFF, b = p & 0xFF;
  return static_cast<std::uint8_t>(16 + ((47 * r + 157 * g + 16 * b + 128) >> 8));
}

// From the sum of four pixels.
std::uint8_t chroma(const Sum& s, int kr, int kg, int kb) {
  const int v = 128 + ((kr * s.r + kg * s.g + kb * s.b + 512) >> 10);
  return static_cast<std::uint8_t>(std::clamp(v, 16, 240));
}

}  // namespace

void convertToYuv420(const RgbImage& picture, PixelRect rect, const YuvPlanes& planes) {
  convertToYuv420(ImageRows(picture), {picture.width, picture.height}, rect, planes);
}

void convertToYuv420(const PictureRows& picture, PictureSize size, PixelRect rect, const YuvPlanes& planes) {
  const int left = rect.left & ~1, top = rect.top & ~1;
  const int right = std::min(size.width, (rect.right + 1) & ~1);
  const int bottom = std::min(size.height, (rect.bottom + 1) & ~1);
  if (right <= left || bottom <= top) return;
  std::vector<std::uint32_t> scratch(2 * static_cast<std::size_t>(right - left));
  for (int y = top; y < bottom; y += 2) {
    // Pixel x of the row at index x - left.
    const std::uint32_t* upper = picture.row(y, left, right, scratch.data());
    const std::uint32_t* lower = picture.row(y + 1, left, right, scratch.data() + (right - left));
    std::uint8_t* yUpper = planes.y + static_cast<std::ptrdiff_t>(y) * planes.yStride;
    std::uint8_t* yLower = yUpper + planes.yStride;
    std::uint8_t* cb = planes.cb + static_cast<std::ptrdiff_t>(y / 2) * planes.cbStride;
    std::uint8_t* cr = planes.cr + static_cast<std::ptrdiff_t>(y / 2) * planes.crStride;
    for (int x = left; x < right; x += 2) {
      const std::uint32_t* u = upper + (x - left);
      const std::uint32_t* l = lower + (x - left);
      yUpper[x] = luma(u[0]), yUpper[x + 1] = luma(u[1]);
      yLower[x] = luma(l[0]), yLower[x + 1] = luma(l[1]);
      Sum s;
      s.add(u[0]), s.add(u[1]), s.add(l[0]), s.add(l[1]);
      cb[x / 2] = chroma(s, -26, -86, 112);
      cr[x / 2] = chroma(s, 112, -102, -10);
    }
  }
}

}  // namespace sumimai

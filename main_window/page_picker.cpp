#include "page_picker.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "core/page_grid.h"

namespace sumimai {

std::optional<int> rawCellNumber(const GridBox& g, double x, double y) {
  const double columnWidth = (g.GridRight - g.GridLeft) / kPageColumns;
  const double rowHeight = (g.GridBottom - g.GridTop) / kPageRows;
  const double c = std::floor((x - g.GridLeft) / columnWidth);
  const double r = std::floor((y - g.GridTop) / rowHeight + 1);
  const double n = (kPageColumns - c) * kPageRows + r;
  if (!(n >= std::numeric_limits<std::int16_t>::min() && n <= std::numeric_limits<std::int16_t>::max())) {
    return std::nullopt;
  }
  return static_cast<int>(n);
}

bool armsPick(const GridBox& g, double x, double y) {
  const bool inside = x > g.GridLeft && x < (g.GridRight - g.GridLeft) / 27 * 30.5 && y > g.GridTop &&
                      y < g.GridBottom;
  if (!inside) return false;
  std::optional<int> n = rawCellNumber(g, x, y);
  if (!n) return false;
  return !(*n > 272 && *n < 281) && !(*n > 284);
}

std::optional<int> pickedNumber(const GridBox& g, double x, double y) {
  if (!(x > g.GridLeft && y > g.GridTop && y < g.GridBottom)) return std::nullopt;
  std::optional<int> n = rawCellNumber(g, x, y);
  if (!n) return std::nullopt;
  int number = *n;
  if (number <= 0) number += 10;
  if (number > 280) number -= 8;
  if (number < 1 || number > kSutraCharacters) return std::nullopt;
  return number;
}

}  // namespace sumimai

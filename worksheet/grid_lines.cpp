#include "grid_lines.h"

namespace sumimai {

std::vector<GridLine> gridLinesOf(GridStyle style) {
  switch (style) {
    case GridStyle::None: return {};
    case GridStyle::Tian: return {{0.5, 0, 0.5, 1}, {0, 0.5, 1, 0.5}};
    case GridStyle::Mi: return {{0.5, 0, 0.5, 1}, {0, 0.5, 1, 0.5}, {0, 0, 1, 1}, {1, 0, 0, 1}};
    case GridStyle::Jiugong: {
      constexpr double third = 1.0 / 3, twoThirds = 2.0 / 3;
      return {{third, 0, third, 1}, {twoThirds, 0, twoThirds, 1}, {0, third, 1, third}, {0, twoThirds, 1, twoThirds}};
    }
  }
  return {};
}

}  // namespace sumimai

// The box of the page grid, in canvas twips.
#pragma once

#include <cstdint>

namespace sumimai {

struct GridBox {
  double GridLeft = 0;
  double GridTop = 0;
  double GridRight = 0;
  std::int32_t GridBottom = 0;
  bool operator==(const GridBox&) const = default;
};

// Where start-up puts the box before it is fitted with the page strokes.
constexpr GridBox kPageGridBox{135, 2715, 14630, 8655};

}  // namespace sumimai

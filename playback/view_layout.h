// The cells of a text shown in a window: as large as the window allows,
// never smaller than a legible size; a text too long for that runs on past
// the window (columns to the left, rows downwards) and scrolls.
#pragma once

#include <optional>

#include "writing/layout.h"

namespace sumimai {

struct ViewRequest {
  int count = 0;  // characters
  WritingDirection direction = WritingDirection::Columns;
  std::optional<int> perLine;  // none: the count that gives the biggest cells
  PictureSize view;            // the window's room for the picture, in pixels
  int smallestCell = 64;       // the least legible cell, in pixels
};

struct ViewLayout {
  LayoutRequest request;  // with the picture's size: at least the view's
  int cell = 0;           // the side of a cell
  int perLine = 0;
};

ViewLayout viewLayout(const ViewRequest& r);

}  // namespace sumimai

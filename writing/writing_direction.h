// Which way a text is written.
#pragma once

namespace sumimai {

enum class WritingDirection {
  Columns,  // vertical writing, as the sutra is written: top to bottom, columns right to left
  Rows,     // horizontal writing: left to right, rows top to bottom
};

}  // namespace sumimai

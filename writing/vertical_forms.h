// The forms characters take in columns (vertical writing), made from the
// strokes of their upright form on the design box: ー, 〜, the brackets and
// the leaders …‥ turn a quarter turn clockwise (so that ー is written top to
// bottom), and the small kana move to the upper right of the box, as
// vertical setting places them. In rows every character stays upright.
#pragma once

#include <string_view>

#include "character_strokes.h"

namespace sumimai {

enum class VerticalForm { Upright, Turned, ToTheUpperRight };

// How the character changes in columns.
VerticalForm verticalFormOf(std::string_view character);

// The strokes as the character stands in columns. Strokes that are not on
// the design box are left as they are.
void setForColumns(std::string_view character, CharacterStrokes& strokes);

// How far a small kana moves in columns, in design box units (x right, y down).
inline constexpr double kSmallKanaShiftX = 1024, kSmallKanaShiftY = -1536;

}  // namespace sumimai

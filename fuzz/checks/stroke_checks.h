// Checks of a character's stroke file through the whole drawing pipeline, and
// of the page file through the page's.
#pragma once

#include <string_view>

#include "problems.h"

namespace sumimai::fuzz {

// Loads bytes as a stroke file (呼び出し, into a fresh table and again into one
// left full by an earlier load), then 拡大縮小2, 補正2 and 描画 into a checked
// canvas. The loaded table keeps the loader's rules and the user hears of a
// damaged file exactly once; fitting keeps an end mark at slot 100 or before
// and the drawing stops there; no canvas call carries a value that is not
// finite; the drawing makes no more calls than its table allows.
Problems checkStrokeFile(std::string_view bytes);

// Loads bytes as the page file, then 拡大縮小, 補正, the grid and 描画2, with
// the same rules; every fitted value and the grid box stay finite.
Problems checkPageFile(std::string_view bytes);

}  // namespace sumimai::fuzz

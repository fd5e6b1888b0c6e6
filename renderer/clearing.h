// クリア: wipes the canvas before something new is drawn on it.
#pragma once

#include "drawing/canvas.h"

namespace sumimai {

// Every drawing (and a window canvas's picture) disappears; nothing else
// changes.
inline void クリア(Canvas& canvas) { canvas.clear(); }

}  // namespace sumimai

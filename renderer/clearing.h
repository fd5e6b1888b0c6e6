// クリア: wipes the canvas before something new is drawn on it.
#pragma once

#include "window_services/canvas.h"

namespace sumimai {

// Gives the canvas the empty picture: every drawing and the former picture
// disappear. Nothing else changes.
inline void クリア(Canvas& canvas) { canvas.setPicture(Picture{}); }

}  // namespace sumimai

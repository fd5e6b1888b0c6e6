// What the Qt tests share: one application for the test program, solid
// pictures, and reading a captured picture's pixels.
#pragma once

#include <QColor>
#include <QImage>

#include "window/picture.h"

namespace sumimai::testing {

// Creates the application once (offscreen platform, set by the test runner).
void ensureQtApplication();

// A picture of one colour, w x h pixels.
Picture solidPicture(QColor colour, int w, int h);

// The colour of a pixel of a Qt picture, as 0xRRGGBB.
unsigned pixelOf(const Picture& picture, int x, int y);

}  // namespace sumimai::testing

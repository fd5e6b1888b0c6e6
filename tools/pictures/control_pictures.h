// The pictures of the main window's picture buttons and its logo, drawn at
// the pixel sizes of the window's control table.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace sumimai::pictures {

enum class Pointing { Left, Right };

// `count` black triangles side by side, pointing one way, on a red button face.
QImage triangleButton(QSize size, int count, Pointing pointing);

// A white diagonal cross on a red button face (the exit button).
QImage crossButton(QSize size);

// White lettering on a yellow banner, outlined so that it reads on the yellow.
QImage logoBanner(QSize size, const QString& text);

}  // namespace sumimai::pictures

// A window's drawing canvas as a control: it has a place among the window's
// controls, takes the drawing calls of a canvas and shows each at once
// without keeping it, and holds a picture that stays until it is replaced.
#pragma once

#include <string>

#include "controls.h"
#include "drawing/canvas.h"
#include "picture.h"

namespace sumimai {

struct [[nodiscard]] PictureSave {
  std::string problem;  // in Japanese
  bool ok() const { return problem.empty(); }
};

class CanvasControl : public Control, public virtual Canvas {
 public:
  explicit CanvasControl(std::string name) : Control(std::move(name)) {}

  // The canvas's outer size is the control's width and height.
  SizeF outerSize() const final { return {width(), height()}; }
  void setSize(SizeF size) final { setGeometry(left(), top(), size.width, size.height); }

  // Makes picture the canvas's picture, which repaints the canvas from its
  // background: every drawing on it disappears. The empty picture clears it.
  virtual void setPicture(const Picture& picture) = 0;
  virtual const Picture& picture() const = 0;
  void clear() final { setPicture(Picture{}); }

  // What the canvas shows now, within its bounds: its picture, the picture
  // controls on it and the drawings over them.
  virtual Picture capture() = 0;

  // Saves the canvas's picture, at the canvas's size, as a BMP file.
  virtual PictureSave savePicture(const std::string& path) = 0;
};

}  // namespace sumimai

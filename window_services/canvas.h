// The drawing canvas: a control that takes ring, line and rectangle calls,
// shows each at once and keeps none of them, and holds a picture that stays
// until it is replaced.
#pragma once

#include <string>

#include "controls.h"
#include "drawing_clock.h"
#include "geometry.h"
#include "picture.h"

namespace sumimai {

struct [[nodiscard]] PictureSave {
  bool ok = false;
  std::string problem;  // in Japanese
};

class Canvas : public Control {
 public:
  using Control::Control;

  // The canvas's outer size in twips (its width and height as a control).
  SizeF outerSize() const { return {width(), height()}; }

  // Drawing calls, in twips. Centres and corners may lie outside the canvas;
  // what falls outside costs no pixel work.
  virtual void drawRing(const Ring& ring) = 0;
  virtual void drawLine(PointF from, PointF to, Rgb colour) = 0;
  virtual void drawRectangle(PointF corner1, PointF corner2, Rgb colour) = 0;  // outline
  virtual void fillRectangle(PointF corner1, PointF corner2, Rgb colour) = 0;

  // Makes picture the canvas's picture, which repaints the canvas from its
  // background: every drawing on it disappears. The empty picture clears it.
  virtual void setPicture(const Picture& picture) = 0;
  virtual const Picture& picture() const = 0;

  // What the canvas shows now, within its bounds: its picture, the picture
  // controls on it and the drawings over them.
  virtual Picture capture() = 0;

  // Saves the canvas's picture, at the canvas's size, as a BMP file.
  virtual PictureSave savePicture(const std::string& path) = 0;

  // Every drawing call is charged to this clock.
  DrawingClock& clock() { return clock_; }

 private:
  DrawingClock clock_;
};

}  // namespace sumimai

// The canvas of a form on screen. Its widget paints, bottom to top: the
// background colour, the canvas's picture (at its own size, from the top-left
// corner), the picture controls lying on the canvas (in creation order, each
// stretched to its rectangle, when visible) and the ink. The widgets of the
// other controls on the canvas are its child widgets and lie above all that.
//
// Drawing calls are charged to the canvas's clock and paced: whenever the
// clock has run a frame ahead of the last presentation, the canvas waits for
// real time and repaints the changed rectangle at once (without running the
// event loop). Whatever is left is presented when the event loop runs again.
#pragma once

#include <QImage>
#include <QPointer>
#include <QRegion>
#include <functional>
#include <vector>

#include "drawing/raster/raster_canvas.h"
#include "window/canvas_control.h"
#include "window/pacer.h"

class QWidget;

namespace sumimai {

class CanvasWidget;

// The colour of a form's background where nothing else is painted.
inline constexpr Rgb kFormBackground{240, 240, 240};

class QtCanvas : public CanvasControl, public RasterCanvas, private ControlObserver {
 public:
  explicit QtCanvas(std::string name, Pacer::Timing timing = Pacer::systemTiming());
  ~QtCanvas() override;

  void setPicture(const Picture& picture) override;
  const Picture& picture() const override { return picture_; }
  Picture capture() override;
  PictureSave savePicture(const std::string& path) override;

  // The widget that shows the canvas; the form view places it. Owned by its
  // parent widget once it has one, else by the canvas.
  QWidget* widget() const;

  // A control lying on the canvas (its container is the canvas). Picture
  // controls are painted by the canvas; showing, hiding or moving any of
  // them, or giving a visible picture control a new picture, repaints the
  // canvas there, which erases the ink within the control's rectangle.
  void addContainedControl(Control& control);
  // Stops watching the contained controls (they are going away); the canvas
  // then paints its background, picture and ink only.
  void forgetContainedControls();
  // The topmost visible picture control at a point (logical pixels of the
  // canvas), or nullptr.
  Control* pictureControlAt(QPointF point) const;

  // How the canvas hands the user's actions to the window logic (the form
  // view's event gate). Until set, they run at once.
  void setDeliver(std::function<void(std::function<void()>)> deliver) { deliver_ = std::move(deliver); }
  void deliver(std::function<void()> handler);

  // What the program does between two frames of a drawing, after the frame
  // is presented (the program's shell lets the window system's events
  // through and ends the program when asked to).
  void setBetweenFrames(std::function<void()> betweenFrames) { betweenFrames_ = std::move(betweenFrames); }

  // Repaints whatever changed since the last presentation, now.
  void present();
  // Limits drawing to the part of the canvas that its window shows; the
  // form view calls it when the window's size changes.
  void windowResized() { limitDrawingToWindow(); }

  // Composes what the canvas shows within rect (device pixels) into the
  // widget's frame buffer; the widget paints from it.
  const QImage& composeFrame(const QRect& deviceRect);
  double devicePixelRatio() const;

 protected:
  void afterDrawingCall() override;

 private:
  void controlChanged(Control& control, ControlChange change) override;
  void invalidateLogical(const QRectF& rect);
  void queuePresent();
  void renderBase();
  void paintUnderInk(QImage& target, bool withControls);
  void limitDrawingToWindow();
  QImage composeWhole();
  void fitToSize();

  Picture picture_;
  QPointer<CanvasWidget> widget_;
  std::vector<Control*> contained_;       // creation order
  std::vector<QRectF> containedRects_;    // where each was last shown, or empty
  std::function<void(std::function<void()>)> deliver_;
  std::function<void()> betweenFrames_;
  Pacer pacer_;
  QImage base_;   // background, picture and picture controls, device pixels
  QImage frame_;  // base_ with the ink composited, within the rectangles painted
  bool baseValid_ = false;
  QRegion pending_;  // logical pixels still to be presented
  bool presentQueued_ = false;
};

}  // namespace sumimai

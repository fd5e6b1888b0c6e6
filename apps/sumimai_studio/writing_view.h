// The Studio's canvas: the picture of the writing at the playback's
// position, composed cell by cell (only the cells whose look changed, and
// only where the view is seen) by the playback's cell composer, with the
// frames of the characters that have no strokes. It moves the playback on
// by real time while it plays.
#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "export/rgb_image.h"
#include "playback/cell_composer.h"

namespace sumimai {

// What lies under the ink: a plain colour (transparent when its alpha is
// 0) or a picture stretched over the whole writing.
struct ViewGround {
  QColor colour{Qt::white};
  QImage paper;
};

class WritingView : public QWidget {
  Q_OBJECT

 public:
  explicit WritingView(QWidget* parent = nullptr);
  ~WritingView() override;

  // Shows a new writing, its picture laid out in device pixels for this
  // ratio; null shows nothing.
  void show(std::unique_ptr<WritingSession> session, qreal devicePixelRatio, LearningAids aids, ViewGround ground);
  WritingSession* session() { return session_.get(); }

  // Makes the pictures of this size ready (a writing of the window's size
  // then starts at once).
  void reserve(QSize devicePixels);

  // Shows the position the playback has now (after a step or a scrub).
  void refresh();
  // Composes the cells that came into sight (the view scrolled).
  void composeVisibleCells();

  // The ground of the whole picture, at its size.
  RgbImage groundImage() const;
  // The whole writing finished, at the picture's size (transparent where
  // the ground is).
  QImage finishedPicture();

 signals:
  // After every change of position; the rect (widget pixels) holds the
  // character being written, for the view to follow.
  void positionChanged(QRect writing);
  // The mouse dragged from the canvas.
  void dragStarted();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void tick();
  void composeCell(std::size_t index);
  QRect widgetRect(PixelRect cell) const;
  PixelRect visiblePixels() const;

  std::unique_ptr<WritingSession> session_;
  std::unique_ptr<CellComposer> composer_;
  qreal ratio_ = 1;
  QImage picture_;  // ARGB32 premultiplied, device pixels
  QImage ground_;
  ViewGround groundChoice_;
  std::vector<std::optional<CellLook>> shown_;  // what each cell shows now
  QTimer timer_;
  QElapsedTimer sinceTick_;
  QPoint pressedAt_;
};

// An image of the same pixels (32-bit premultiplied ARGB).
RgbImage rgbImageOf(const QImage& image);
QImage qImageOf(const RgbImage& image);

}  // namespace sumimai

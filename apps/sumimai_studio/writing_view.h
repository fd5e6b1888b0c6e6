// The Studio's canvas: the picture of the writing at the playback's
// position, composed cell by cell (only the cells whose ink changed, and
// only where the view is seen), with the frames of the characters that
// have no strokes. It moves the playback on by real time while it plays.
#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "playback/writing_session.h"

namespace sumimai {

class WritingView : public QWidget {
  Q_OBJECT

 public:
  explicit WritingView(QWidget* parent = nullptr);
  ~WritingView() override;

  // Shows a new writing, its picture laid out in device pixels for this
  // ratio; null shows nothing.
  void show(std::unique_ptr<WritingSession> session, qreal devicePixelRatio);
  WritingSession* session() { return session_.get(); }

  // Shows the position the playback has now (after a step or a scrub).
  void refresh();
  // Composes the cells that came into sight (the view scrolled).
  void composeVisibleCells();
  // The whole writing as it stands finished, at the picture's size.
  QImage finishedPicture();

  // The ground under the ink; transparent shows a checkerboard.
  void setGround(QColor colour, const QImage& paper);

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
  void composeCell(std::size_t index, std::optional<DrawingClock::Duration> at);
  void resetGround();
  QRect widgetRect(PixelRect cell) const;
  PixelRect visiblePixels() const;

  std::unique_ptr<WritingSession> session_;
  qreal ratio_ = 1;
  QImage picture_;  // ARGB32 premultiplied, device pixels
  QImage ground_;
  QColor groundColour_{Qt::white};
  QImage paper_;
  // What each cell shows now: nothing composed yet, or the ink at a time.
  struct Shown {
    bool composed = false;
    std::optional<DrawingClock::Duration> at;
  };
  std::vector<Shown> shown_;
  QTimer timer_;
  QElapsedTimer sinceTick_;
  QPoint pressedAt_;
};

}  // namespace sumimai

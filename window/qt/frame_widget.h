// A frame (a captioned group of controls) in the classic desktop look: an
// etched border, a dark line with a light one inside it, whose top edge runs
// through the middle of the caption; the caption sits on that edge near the
// left, with the window background behind its text. The frame paints no
// background of its own, so it and the controls in it show the background of
// what contains it.
#pragma once

#include <QString>
#include <QWidget>

namespace sumimai {

class FrameWidget : public QWidget {
 public:
  explicit FrameWidget(QWidget* parent);

  void setTitle(const QString& title);

  // The y of the border's top edge, in pixels from the widget's top: half
  // the caption font's line height, less one.
  int borderTop() const;
  // The area the caption's text is drawn in (its background one pixel wider
  // on the left, right and bottom).
  QRect captionRect() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString title_;
};

}  // namespace sumimai

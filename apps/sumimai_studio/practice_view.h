// The cell a learner writes in: the ground and the practice grid, the model
// faint beneath (or hidden), the strokes kept so far, and the stroke being
// written, laid with the brush under the pointer as it moves (a pen
// tablet's pressure sets the width; a mouse's speed does otherwise). A
// refused stroke fades away while the expected stroke's start dot and arrow
// flash. It judges nothing: each stroke written is handed on, in the
// character's source box, and the panel says what becomes of it.
#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "drawing/ink_brush/brush_choice.h"
#include "playback/learner_pen.h"
#include "playback/learning_aids.h"
#include "playback/practice_cell.h"

namespace sumimai {

class PracticeInk;

struct PracticeLook {
  Rgb ink{0, 0, 0};
  Rgb ground{255, 255, 255};
  PracticeGrid grid = PracticeGrid::None;
  bool ghost = true;
  BrushChoice brush;
};

class PracticeView : public QWidget {
  Q_OBJECT

 public:
  explicit PracticeView(QWidget* parent = nullptr);
  ~PracticeView() override;

  // A new character to write, nothing written yet.
  void start(const CharacterStrokes& strokes, PracticeLook look);
  void setLook(PracticeLook look);

  // What becomes of the stroke just written: it stays; or it fades while the
  // expected stroke (from 0) flashes its start; or, after the last miss,
  // the expected stroke is written in the model's ink.
  void keepStroke();
  void refuseStroke(int expected);
  void writeModelStroke(int stroke);

  // Where the model's strokes lie on the screen (its device pixels), for
  // the tests that write along them.
  std::vector<std::vector<QPoint>> modelOnScreen(const std::vector<std::vector<PointF>>& sourceStrokes) const;

 signals:
  // A stroke written, its points in the character's source box.
  void strokeWritten(std::vector<PointF> points);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void tabletEvent(QTabletEvent* event) override;

 private:
  // One reading of the pointer (widget position) while a stroke is written.
  void penDown(QPointF at, double ms, std::optional<double> pressure);
  void penMove(QPointF at, double ms, std::optional<double> pressure);
  void penUp();
  PointF cellPixel(QPointF widget) const;
  // Lays out the cell for the widget's size and draws all it holds again.
  void layOut();
  // The cell's picture composed anew within rect (cell pixels).
  void recompose(PixelRect rect);
  void composeAll() { recompose({0, 0, frame_.width(), frame_.height()}); }

  std::optional<CharacterStrokes> strokes_;
  PracticeLook look_;
  std::unique_ptr<PracticeInk> ink_;
  std::optional<CellFit> fit_;
  QRect cellRect_;  // widget pixels
  qreal ratio_ = 1;
  QImage ground_, frame_;  // cell pixels: ground and grid; all composed
  QImage fading_;           // the refused stroke, fading
  QElapsedTimer fadingFor_;
  std::optional<int> flashing_;  // the stroke whose start flashes
  QTimer animation_;
  bool tablet_ = false;  // a pen is down: the mouse events it makes are left alone
};

}  // namespace sumimai

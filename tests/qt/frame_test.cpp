// A frame in the classic look: the caption sits on the border's top edge at
// the frame's top, and the frame and the labels in it show the background of
// the window that contains them.
#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>

#include "qt_test_support.h"
#include "window/qt/frame_widget.h"
#include "window/qt/qt_form_view.h"

namespace sumimai {
namespace {

float twips(int pixels) { return static_cast<float>(pixels * 15); }

bool isDark(QRgb pixel) { return qGray(pixel) < 100; }

// Whether a dark pixel of the caption's text lies in rows top..bottom.
bool textBetween(const QImage& image, const QRect& caption, int top, int bottom) {
  for (int y = top; y <= bottom; ++y)
    for (int x = caption.left(); x <= caption.right(); ++x)
      if (isDark(image.pixel(x, y))) return true;
  return false;
}

TEST(Frame, TheCaptionSitsOnTheEtchedBorderAndLabelsShowTheWindowBackground) {
  testing::ensureQtApplication();
  EventGate gate;
  Window form{"Form2", "設定"};
  CaptionControl frame{"Frame2", CaptionControl::Kind::Frame};
  CaptionControl label{"Label6", CaptionControl::Kind::Label};
  form.setGeometry(0, 0, twips(200), twips(150));
  frame.setGeometry(twips(10), twips(20), twips(150), twips(100));
  frame.setFont({"ＭＳ Ｐゴシック", 11.25, true});
  frame.setCaption("文字色");
  label.setContainer(&frame);
  label.setGeometry(twips(16), twips(24), twips(40), twips(17));
  label.setCaption("赤");
  QtFormView view(form, {&frame, &label}, WindowPlacement::Centred, gate);

  QImage shot = view.widget()->grab().toImage();
  auto* widget = dynamic_cast<FrameWidget*>(view.widgetOf(frame));
  ASSERT_NE(widget, nullptr);
  const QPoint at(10, 20);  // the frame's top-left corner in the window
  const int top = at.y() + widget->borderTop();
  const QRect caption = widget->captionRect().translated(at);
  const QRgb background = view.widget()->palette().color(QPalette::Window).rgb();
  const QRgb shadow = qRgb(160, 160, 160), highlight = qRgb(255, 255, 255);

  EXPECT_GT(widget->borderTop(), 3);
  EXPECT_EQ(caption.top(), at.y());
  // The border: dark outside, light inside, on the top and left edges.
  EXPECT_EQ(shot.pixel(at.x() + 3, top), shadow);
  EXPECT_EQ(shot.pixel(at.x() + 3, top + 1), highlight);
  EXPECT_EQ(shot.pixel(at.x(), top + 40), shadow);
  EXPECT_EQ(shot.pixel(at.x() + 1, top + 40), highlight);
  EXPECT_EQ(shot.pixel(caption.right() + 4, top), shadow);
  // The caption interrupts the top edge and straddles it.
  EXPECT_EQ(shot.pixel(caption.left() - 1, top), background);
  EXPECT_TRUE(textBetween(shot, caption, caption.top(), top - 1));
  EXPECT_TRUE(textBetween(shot, caption, top + 1, caption.bottom()));
  // Inside the frame, and beside the label's text, the window's background.
  EXPECT_EQ(shot.pixel(at.x() + 100, at.y() + 60), background);
  EXPECT_EQ(shot.pixel(at.x() + 16 + 38, at.y() + 24 + 2), background);
  view.detach();
}

}  // namespace
}  // namespace sumimai

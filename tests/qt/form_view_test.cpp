// The form view: controls become widgets, the user's actions come back to
// the controls' events through one gate, and what code assigns is mirrored
// without echoing back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>
#include <string>

#include "qt_test_support.h"
#include "window/qt/canvas_widget.h"
#include "window/qt/qt_canvas.h"
#include "window/qt/qt_form_view.h"

namespace sumimai {
namespace {

// A small window: the canvas Picture1 holding Image1 (at 150, 300 twips,
// 600 x 450) and Image2 (overlapping it, created later), a text box, a
// label and, on the window, a scroll bar 0..10.
class FormViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::ensureQtApplication();
    form.setGeometry(0, 0, 6000, 4500);
    canvas.setGeometry(0, 0, 6000, 3000);
    image1.setGeometry(150, 300, 600, 450);
    image2.setGeometry(450, 600, 600, 450);
    text1.setGeometry(3000, 300, 900, 375);
    label1.setGeometry(3000, 900, 900, 375);
    for (Control* c : {static_cast<Control*>(&image1), static_cast<Control*>(&image2),
                       static_cast<Control*>(&text1), static_cast<Control*>(&label1)})
      c->setContainer(&canvas);
    bar.setGeometry(300, 3300, 3000, 300);
    view = std::make_unique<QtFormView>(form, std::vector<Control*>{&canvas, &image1, &image2, &text1, &label1, &bar},
                                        WindowPlacement::Centred, gate);
    bool activated = false;
    form.onActivate = [&] { activated = true; };
    view->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return activated; }));
    form.onActivate = nullptr;
  }
  void TearDown() override { view->detach(); }

  QWidget* canvasWidget() { return canvas.widget(); }
  void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::KeyboardModifiers modifiers = {}) {
    Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, QPointF(at), canvasWidget()->mapToGlobal(QPointF(at)), button, held, modifiers);
    QApplication::sendEvent(canvasWidget(), &event);
  }

  EventGate gate;
  Window form{"Form1", "Form1"};
  QtCanvas canvas{"Picture1"};
  PictureControl image1{"Image1"};
  PictureControl image2{"Image2"};
  TextBox text1{"Text1"};
  CaptionControl label1{"Label1", CaptionControl::Kind::Label};
  ScrollBar bar{"bar", 0, 10};
  std::unique_ptr<QtFormView> view;
};

TEST_F(FormViewTest, MouseEventsGoToTheTopmostPictureControlInTwipsRelativeToIt) {
  std::string log;
  auto record = [&](const char* who) {
    return [&log, who](const MouseEventArgs& a) {
      log += std::string(who) + " " + std::to_string(a.button) + "," + std::to_string(a.shift) + " " +
             std::to_string(static_cast<int>(a.x)) + "," + std::to_string(static_cast<int>(a.y)) + ";";
    };
  };
  image1.events.mouseUp = record("Image1");
  image2.events.mouseUp = record("Image2");
  canvas.events.mouseUp = record("Picture1");
  image1.events.click = [&] { log += "click1;"; };
  image2.events.click = [&] { log += "click2;"; };

  mouse(QEvent::MouseButtonPress, QPoint(12, 22), Qt::LeftButton);  // Image1 only
  mouse(QEvent::MouseButtonRelease, QPoint(12, 22), Qt::LeftButton);
  mouse(QEvent::MouseButtonPress, QPoint(35, 45), Qt::RightButton, Qt::ShiftModifier);  // both: Image2 is above
  mouse(QEvent::MouseButtonRelease, QPoint(35, 45), Qt::RightButton, Qt::ShiftModifier);
  mouse(QEvent::MouseButtonPress, QPoint(300, 100), Qt::MiddleButton, Qt::ControlModifier);  // the canvas itself
  mouse(QEvent::MouseButtonRelease, QPoint(300, 100), Qt::MiddleButton, Qt::ControlModifier);
  EXPECT_EQ(log,
            "Image1 1,0 30,30;click1;"      // (12 - 10) x 15, (22 - 20) x 15
            "Image2 2,1 75,75;"             // no click for the right button
            "Picture1 4,2 4500,1500;");
}

TEST_F(FormViewTest, ADoubleClickRaisesClickThenDoubleClickAndNoSecondClick) {
  std::string log;
  image1.events.click = [&] { log += "click;"; };
  image1.events.doubleClick = [&] { log += "double;"; };
  image1.events.mouseUp = [&](const MouseEventArgs&) { log += "up;"; };
  mouse(QEvent::MouseButtonPress, QPoint(12, 22), Qt::LeftButton);
  mouse(QEvent::MouseButtonRelease, QPoint(12, 22), Qt::LeftButton);
  mouse(QEvent::MouseButtonDblClick, QPoint(12, 22), Qt::LeftButton);
  mouse(QEvent::MouseButtonRelease, QPoint(12, 22), Qt::LeftButton);
  EXPECT_EQ(log, "up;click;double;up;");
}

TEST_F(FormViewTest, AReleaseGoesToTheControlPressedButClicksOnlyOverIt) {
  std::string log;
  image1.events.click = [&] { log += "click;"; };
  image1.events.mouseUp = [&](const MouseEventArgs& a) { log += "up " + std::to_string(int(a.x)) + ";"; };
  mouse(QEvent::MouseButtonPress, QPoint(12, 22), Qt::LeftButton);
  mouse(QEvent::MouseButtonRelease, QPoint(200, 22), Qt::LeftButton);
  EXPECT_EQ(log, "up 2850;");
}

TEST_F(FormViewTest, WhetherAReleaseClicksIsDecidedBeforeTheMouseUpHandlerRuns) {
  std::string log;
  // The mouse-up handler hides the control the button went down on, as a
  // pick hides the page: the click still belongs to it.
  image2.events.mouseUp = [&](const MouseEventArgs&) {
    log += "up;";
    image2.setVisible(false);
  };
  image2.events.click = [&] { log += "click2;"; };
  image1.events.click = [&] { log += "click1;"; };
  mouse(QEvent::MouseButtonPress, QPoint(35, 45), Qt::LeftButton);
  mouse(QEvent::MouseButtonRelease, QPoint(35, 45), Qt::LeftButton);
  EXPECT_EQ(log, "up;click2;");
}

TEST_F(FormViewTest, ALabelTakesItsOwnClickAndThePictureBeneathGetsNothing) {
  label1.setCaption("般若");
  int labelClicks = 0, canvasUps = 0;
  label1.events.click = [&] { ++labelClicks; };
  canvas.events.mouseUp = [&](const MouseEventArgs&) { ++canvasUps; };
  QWidget* widget = view->widgetOf(label1);
  for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent event(type, QPointF(5, 5), widget->mapToGlobal(QPointF(5, 5)), Qt::LeftButton, held, {});
    QApplication::sendEvent(widget, &event);
  }
  EXPECT_EQ(labelClicks, 1);
  EXPECT_EQ(canvasUps, 0);
}

TEST_F(FormViewTest, KeysReachTheCanvasOnlyWhenItHasTheFocus) {
  std::vector<int> codes;
  canvas.events.keyDown = [&](int code, int) { codes.push_back(code); };
  canvasWidget()->setFocus();
  QTest::keyClick(canvasWidget(), Qt::Key_Right);
  QTest::keyClick(canvasWidget(), Qt::Key_3, Qt::KeypadModifier);
  QTest::keyClick(canvasWidget(), Qt::Key_Right, Qt::ShiftModifier);
  QTest::keyClick(canvasWidget(), Qt::Key_Right, Qt::NoModifier, -1);
  QTest::sendKeyEvent(QTest::Press, canvasWidget(), Qt::Key_Right, QString(), Qt::NoModifier);  // no release: repeat
  QTest::sendKeyEvent(QTest::Press, canvasWidget(), Qt::Key_Right, QString(), Qt::NoModifier);
  // Shift is a key of its own (16) before the shifted Right.
  EXPECT_EQ(codes, (std::vector<int>{39, 99, 16, 39, 39, 39, 39}));

  codes.clear();
  auto* edit = static_cast<QLineEdit*>(view->widgetOf(text1));
  edit->setFocus();
  QTest::keyClicks(edit, "12");
  QTest::keyClick(edit, Qt::Key_Up);  // the line edit leaves it unhandled
  EXPECT_TRUE(codes.empty());
  EXPECT_EQ(text1.text(), "12");
}

TEST_F(FormViewTest, UserEditsSetTheTextBoxAndCodeAssignmentsDoNotEchoBack) {
  int changes = 0;
  text1.events.change = [&] { ++changes; };
  auto* edit = static_cast<QLineEdit*>(view->widgetOf(text1));
  edit->setFocus();
  QTest::keyClicks(edit, "7");
  EXPECT_EQ(text1.text(), "7");
  EXPECT_EQ(changes, 1);
  text1.setText(" 8");
  EXPECT_EQ(edit->text().toStdString(), " 8");
  EXPECT_EQ(changes, 2);  // the assignment's own change event, not a second one from the widget
  EXPECT_TRUE(edit->alignment() & Qt::AlignLeft || !text1.centred);
}

TEST_F(FormViewTest, TheScrollBarChangesOnAnArrowClickAndOnlyOnReleaseOfADrag) {
  std::vector<int> values;
  bar.events.change = [&] { values.push_back(bar.value()); };
  auto* scroll = static_cast<QScrollBar*>(view->widgetOf(bar));
  QStyleOptionSlider option;
  option.initFrom(scroll);
  option.orientation = Qt::Horizontal;
  option.minimum = scroll->minimum();
  option.maximum = scroll->maximum();
  option.sliderPosition = scroll->sliderPosition();
  option.sliderValue = scroll->value();
  option.singleStep = scroll->singleStep();
  option.pageStep = scroll->pageStep();
  QRect addArrow = scroll->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarAddLine, scroll);
  QTest::mouseClick(scroll, Qt::LeftButton, {}, addArrow.center());
  EXPECT_EQ(values, (std::vector<int>{1}));

  scroll->setSliderDown(true);
  scroll->setSliderPosition(6);
  scroll->setSliderPosition(8);
  EXPECT_EQ(values, (std::vector<int>{1}));
  scroll->setSliderDown(false);
  EXPECT_EQ(values, (std::vector<int>{1, 8}));

  bar.setValue(3);  // from code: mirrored, raised once by the control itself
  EXPECT_EQ(scroll->value(), 3);
  EXPECT_EQ(values, (std::vector<int>{1, 8, 3}));
}

TEST_F(FormViewTest, AResizeArrivingInsideAHandlerRunsAfterItOnce) {
  std::string log;
  int resizes = 0;
  form.onResize = [&] {
    ++resizes;
    log += "resize;";
  };
  QApplication::processEvents();
  resizes = 0;
  log.clear();
  image1.events.click = [&] {
    log += "click(";
    // A nested event loop, as a message box runs one: two resizes arrive.
    view->widget()->resize(500, 400);
    QApplication::processEvents();
    view->widget()->resize(520, 410);
    QApplication::processEvents();
    QApplication::processEvents();
    log += ")";
  };
  mouse(QEvent::MouseButtonPress, QPoint(12, 22), Qt::LeftButton);
  mouse(QEvent::MouseButtonRelease, QPoint(12, 22), Qt::LeftButton);
  QApplication::processEvents();
  QApplication::processEvents();
  EXPECT_EQ(log, "click()resize;");
  // The outer size, frame included, as the window system has it now.
  QSize outer = view->widget()->frameGeometry().size();
  EXPECT_EQ(form.width(), outer.width() * 15);
  EXPECT_EQ(form.height(), outer.height() * 15);
}

TEST_F(FormViewTest, ControlsAreMirroredInPixelsAndThePointerIsSetOnTheWindow) {
  auto* label = static_cast<QLabel*>(view->widgetOf(label1));
  EXPECT_EQ(label->geometry(), QRect(200, 60, 60, 25));
  label1.setCaption("般若");
  EXPECT_EQ(label->text().toStdString(), "般若");
  label1.setVisible(false);
  EXPECT_FALSE(label->isVisible());
  EXPECT_EQ(view->widgetOf(image1), nullptr);  // painted by the canvas
  form.setMousePointer(MousePointer::kSizeAll);
  EXPECT_EQ(view->widget()->cursor().shape(), Qt::SizeAllCursor);
  form.setMousePointer(MousePointer::kArrow);
  EXPECT_EQ(view->widget()->cursor().shape(), Qt::ArrowCursor);
  image1.setTooltip("前に戻す");
  QHelpEvent help(QEvent::ToolTip, QPoint(12, 22), canvasWidget()->mapToGlobal(QPoint(12, 22)));
  QApplication::sendEvent(canvasWidget(), &help);
  EXPECT_EQ(QToolTip::text().toStdString(), "前に戻す");
  EXPECT_EQ(canvas.pictureControlAt(QPointF(12, 22)), &image1);
  EXPECT_EQ(canvas.pictureControlAt(QPointF(35, 45)), &image2);
  EXPECT_EQ(canvas.pictureControlAt(QPointF(300, 100)), nullptr);
}

TEST(LabelsOnACanvas, LieBeneathThePictureControlsCreatedAfterThem) {
  testing::ensureQtApplication();
  EventGate gate;
  Window form{"Form1", "Form1"};
  QtCanvas canvas{"Picture1"};
  CaptionControl label{"Label1", CaptionControl::Kind::Label};
  PictureControl image{"Image4"};
  form.setGeometry(0, 0, 6000, 4500);
  canvas.setGeometry(0, 0, 6000, 4500);
  label.setGeometry(150, 150, 645, 375);  // pixels 10..53 across
  image.setGeometry(700, 150, 375, 375);  // pixels 47..71: over the label's right end
  for (Control* c : {static_cast<Control*>(&label), static_cast<Control*>(&image)}) c->setContainer(&canvas);
  label.setCaption("般若");
  QtFormView view(form, {&canvas, &label, &image}, WindowPlacement::Centred, gate);
  QWidget* labelWidget = view.widgetOf(label);

  // The mouse finds what is drawn: the label, or the canvas where Image4 covers it.
  EXPECT_EQ(canvas.widget()->childAt(20, 20), labelWidget);
  EXPECT_EQ(canvas.widget()->childAt(50, 20), nullptr);  // the canvas, which paints Image4 there
  // Hidden, or moved away, the picture covers nothing of the label.
  image.setVisible(false);
  EXPECT_EQ(canvas.widget()->childAt(50, 20), labelWidget);
  image.setVisible(true);
  image.setLeft(1500);
  EXPECT_EQ(canvas.widget()->childAt(50, 20), labelWidget);
  view.detach();
}

// Counts the paint events of the widgets it watches.
class PaintCounter : public QObject {
 public:
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

TEST(FirstDisplay, NothingIsPaintedBeforeTheFirstResizeHandlerBegins) {
  testing::ensureQtApplication();
  EventGate gate;
  Window form{"Form1", "Form1"};
  CaptionControl label{"Label1", CaptionControl::Kind::Label};
  form.setGeometry(0, 0, 6000, 4500);
  label.setGeometry(300, 300, 900, 375);
  label.setCaption("般若");
  QtFormView view(form, {&label}, WindowPlacement::Centred, gate);
  PaintCounter counter;
  view.widget()->installEventFilter(&counter);
  view.widgetOf(label)->installEventFilter(&counter);
  int paintsBeforeResize = -1;
  form.onResize = [&] {
    if (paintsBeforeResize < 0) paintsBeforeResize = counter.paints;
    label.setVisible(false);  // as the main window hides its command controls
  };
  view.show();
  ASSERT_TRUE(QTest::qWaitFor([&] { return paintsBeforeResize >= 0; }));
  EXPECT_EQ(paintsBeforeResize, 0);
  EXPECT_TRUE(QTest::qWaitFor([&] { return counter.paints > 0; }));  // the window is painted after all
  view.detach();
}

TEST(FontFamilies, TheJapaneseFontsMapToTheIpaFonts) {
  EXPECT_EQ(fontFamilyFor("ＭＳ Ｐゴシック").toStdString(), "IPAPGothic");
  EXPECT_EQ(fontFamilyFor("ＭＳ ゴシック").toStdString(), "IPAGothic");
  EXPECT_EQ(fontFamilyFor("Arial").toStdString(), "Arial");
}

}  // namespace
}  // namespace sumimai

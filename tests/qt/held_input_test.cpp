// The window system's events between the frames of a drawing: the user's
// input waits, in order and as it came, until the drawing has ended; other
// events, a close request among them, go through at once.
#include "window/qt/held_input.h"

#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <csignal>
#include <string>

#include "qt_test_support.h"
#include "window/qt/termination_signals.h"

namespace sumimai {
namespace {

// A window that writes down what reaches it.
class LoggingWidget : public QWidget {
 public:
  std::string log;
  std::function<void()> onPress;

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    log += event->spontaneous() ? "press " : "press(sent) ";
    if (onPress) onPress();
  }
  void mouseReleaseEvent(QMouseEvent*) override { log += "release "; }
  void keyPressEvent(QKeyEvent* event) override { log += "key:" + event->text().toStdString() + " "; }
  void closeEvent(QCloseEvent*) override { log += "close "; }
};

class HeldInputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::ensureQtApplication();
    widget.resize(100, 100);
    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    window = widget.windowHandle();
    QCoreApplication::processEvents();
    widget.log.clear();
  }

  // Runs what comes during a drawing's pending events.
  void duringADrawing(std::function<void()> input) {
    QTimer::singleShot(0, &widget, std::move(input));
    held.processPendingEvents();
  }
  void click() { QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(10, 10)); }

  LoggingWidget widget;
  QWindow* window = nullptr;
  HeldInput held;
};

TEST_F(HeldInputTest, InputDuringADrawingIsHandedOnAfterItInOrderAsItCame) {
  duringADrawing([&] {
    click();
    QTest::keyClick(window, Qt::Key_A);
  });
  EXPECT_EQ(widget.log, "");
  QCoreApplication::processEvents();
  EXPECT_EQ(widget.log, "press release key:a ");
}

TEST_F(HeldInputTest, InputComingWhileHeldInputWaitsQueuesBehindIt) {
  duringADrawing([&] { QTest::keyClick(window, Qt::Key_A); });
  QTest::keyClick(window, Qt::Key_B);  // runs the event loop once it is sent
  EXPECT_EQ(widget.log, "key:a key:b ");
  QTest::keyClick(window, Qt::Key_C);  // nothing waits: handled at once
  EXPECT_EQ(widget.log, "key:a key:b key:c ");
}

TEST_F(HeldInputTest, ACloseRequestDuringADrawingGoesThrough) {
  QCoreApplication::postEvent(window, new QCloseEvent);
  duringADrawing([&] { click(); });
  EXPECT_EQ(widget.log, "close ");
}

TEST_F(HeldInputTest, HeldInputForAWindowThatAModalBoxBlocksIsDropped) {
  duringADrawing([&] { click(); });
  QWidget box;
  box.setWindowModality(Qt::ApplicationModal);
  box.show();
  QCoreApplication::processEvents();
  EXPECT_EQ(widget.log, "");
}

TEST_F(HeldInputTest, ABoxOpenedByAHeldEventsHandlerDropsTheInputBehindIt) {
  widget.onPress = [&] {
    widget.onPress = nullptr;
    QDialog box;
    box.setWindowModality(Qt::ApplicationModal);
    QTimer::singleShot(0, &box, &QDialog::accept);
    box.exec();
    widget.log += "box-closed ";
  };
  duringADrawing([&] {
    click();
    QTest::keyClick(window, Qt::Key_A);
  });
  QCoreApplication::processEvents();
  EXPECT_EQ(widget.log, "press box-closed ");
}

TEST(TerminationSignals, TheHandlerOnlyRecordsTheSignalTheEventLoopActsOnIt) {
  testing::ensureQtApplication();
  int requests = 0;
  TerminationSignals watching([&] { ++requests; });
  EXPECT_FALSE(TerminationSignals::received());
  std::raise(SIGTERM);
  EXPECT_TRUE(TerminationSignals::received());
  EXPECT_EQ(requests, 0);
  QCoreApplication::processEvents();
  EXPECT_EQ(requests, 1);
}

}  // namespace
}  // namespace sumimai

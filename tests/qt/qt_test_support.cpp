#include "qt_test_support.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

#include "window/qt/qt_picture.h"

namespace sumimai::testing {

namespace {
std::unique_ptr<QApplication> application;
}  // namespace

void ensureQtApplication() {
  static int argc = 1;
  static char name[] = "sumimai_qt_tests";
  static char* argv[] = {name, nullptr};
  if (!QApplication::instance()) application = std::make_unique<QApplication>(argc, argv);
}

namespace {

// The application exists before any test's fixture builds a widget, and
// ends after the last test, before the program's own exit.
class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { ensureQtApplication(); }
  void TearDown() override { application.reset(); }
};
[[maybe_unused]] ::testing::Environment* const kQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace

Picture solidPicture(QColor colour, int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(colour);
  return pictureOf(image, "");
}

unsigned pixelOf(const Picture& picture, int x, int y) { return imageOf(picture).pixel(x, y) & 0xFFFFFFu; }

}  // namespace sumimai::testing

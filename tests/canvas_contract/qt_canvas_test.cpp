// The canvas on screen held to the contract: what it shows is what it
// captures, over the form's grey.
#include <QImage>

#include "canvas_contract.h"
#include "qt_test_support.h"
#include "window/qt/qt_canvas.h"
#include "window/qt/qt_picture.h"

namespace sumimai::testing {

class QtProbe : public CanvasProbe {
 public:
  QtProbe() { ensureQtApplication(); }
  Canvas& canvas() override { return *canvas_; }
  Rgb shownAt(int x, int y) override {
    const QRgb pixel = imageOf(canvas_->capture()).pixel(x, y);
    return {qRed(pixel), qGreen(pixel), qBlue(pixel)};
  }
  Rgb ground() const override { return kFormBackground; }

 private:
  std::unique_ptr<QtCanvas> canvas_ = std::make_unique<QtCanvas>("Picture1");
};

INSTANTIATE_TYPED_TEST_SUITE_P(Qt, CanvasContract, QtProbe);

}  // namespace sumimai::testing

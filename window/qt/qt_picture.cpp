#include "qt_picture.h"

#include <cmath>

namespace sumimai {

Picture pictureOf(QImage image, std::string source) {
  Picture picture;
  picture.pixelWidth = image.width();
  picture.pixelHeight = image.height();
  picture.data = std::make_shared<QtPictureData>(std::move(image));
  picture.source = std::move(source);
  return picture;
}

QImage imageOf(const Picture& picture) {
  auto data = std::dynamic_pointer_cast<const QtPictureData>(picture.data);
  return data ? data->image : QImage();
}

QRectF controlRect(const Control& control) {
  return QRectF(twipsToPixels(control.left()), twipsToPixels(control.top()), twipsToPixels(control.width()),
                twipsToPixels(control.height()));
}

QRect controlPixelRect(const Control& control) {
  // Edges are rounded, not sizes, so neighbouring controls meet as designed.
  QRectF r = controlRect(control);
  int left = static_cast<int>(std::lround(r.left()));
  int top = static_cast<int>(std::lround(r.top()));
  int right = static_cast<int>(std::lround(r.right()));
  int bottom = static_cast<int>(std::lround(r.bottom()));
  return QRect(QPoint(left, top), QSize(std::max(0, right - left), std::max(0, bottom - top)));
}

}  // namespace sumimai

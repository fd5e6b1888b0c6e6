#include "image_canvas.h"

#include <QPainter>

namespace sumimai {

QImage ImageCanvas::composite(const QImage& background, int width, int height) {
  InkLayer& layer = ink();
  QImage image(layer.width(), layer.height(), QImage::Format_ARGB32_Premultiplied);
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(image.rect(), background);
  }
  auto* pixels = reinterpret_cast<std::uint32_t*>(image.bits());
  layer.compositeOnto(pixels, image.bytesPerLine() / 4, {0, 0, layer.width(), layer.height()});
  return image.copy(0, 0, width, height).convertToFormat(QImage::Format_RGB32);
}

}  // namespace sumimai

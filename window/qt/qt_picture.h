// Pictures as Qt holds them, and the conversions between twips and the
// widgets' logical pixels.
#pragma once

#include <QImage>
#include <QRect>
#include <QRectF>

#include "window/controls.h"
#include "core/geometry.h"
#include "window/picture.h"

namespace sumimai {

// The pixels of a picture loaded or captured through Qt.
class QtPictureData : public PictureData {
 public:
  explicit QtPictureData(QImage image) : image(std::move(image)) {}
  QImage image;
};

// A picture holding the image; source names the file it came from.
Picture pictureOf(QImage image, std::string source);

// The image of a picture; a null image for the empty picture or one that
// another implementation made.
QImage imageOf(const Picture& picture);

// Twips to logical pixels and back (15 twips per pixel).
inline double twipsToPixels(double twips) { return twips / kTwipsPerPixel; }
inline double pixelsToTwips(double pixels) { return pixels * kTwipsPerPixel; }

// Logical pixels to the device pixels they cover (whole pixels, rounded out).
inline QRect toDevicePixels(const QRectF& logical, double ratio) {
  return QRectF(logical.topLeft() * ratio, logical.size() * ratio).toAlignedRect();
}

// A control's rectangle in logical pixels, relative to its container.
QRectF controlRect(const Control& control);
// The same rounded to whole pixels, as a widget is placed.
QRect controlPixelRect(const Control& control);

}  // namespace sumimai

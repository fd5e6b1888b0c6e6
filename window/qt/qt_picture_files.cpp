#include "qt_picture_files.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>
#include <cstdint>

#include "data_files/file_paths.h"
#include "qt_picture.h"

namespace sumimai {
namespace {

// Qt's JPEG reader fills a file that breaks off early with grey and reports
// success, so a JPEG must end in its end-of-image marker (FF D9); a few pad
// bytes after it are allowed.
bool jpegIsWhole(const QByteArray& bytes) {
  int end = static_cast<int>(bytes.size());
  for (int skipped = 0; end > 0 && skipped < 64 && bytes[end - 1] != '\xD9'; ++skipped) --end;
  return end >= 2 && static_cast<unsigned char>(bytes[end - 2]) == 0xFF &&
         static_cast<unsigned char>(bytes[end - 1]) == 0xD9;
}

// Qt's BMP reader likewise accepts a file whose pixel rows break off. An
// uncompressed BMP must hold every row its header announces.
bool bmpIsWhole(const QByteArray& bytes) {
  if (bytes.size() < 54) return false;
  const auto* b = reinterpret_cast<const uchar*>(bytes.constData());
  std::uint32_t pixelOffset = qFromLittleEndian<quint32>(b + 10);
  std::uint32_t headerSize = qFromLittleEndian<quint32>(b + 14);
  if (headerSize < 40) return true;  // an old OS/2 header: left to the reader
  std::int64_t width = qFromLittleEndian<qint32>(b + 18);
  std::int64_t height = qFromLittleEndian<qint32>(b + 22);
  std::int64_t bits = qFromLittleEndian<quint16>(b + 28);
  std::uint32_t compression = qFromLittleEndian<quint32>(b + 30);
  if (compression != 0 && compression != 3) return true;  // run-length data has no fixed size
  std::int64_t rowBytes = (width * bits + 31) / 32 * 4;
  std::int64_t rows = height < 0 ? -height : height;
  return static_cast<std::int64_t>(pixelOffset) + rowBytes * rows <= bytes.size();
}

PictureLoad failure(const std::string& path, const std::string& what) {
  PictureLoad load;
  load.problem = "画像ファイル「" + path + "」を読み込めません。" + what;
  return load;
}

}  // namespace

PictureLoad QtPictureFiles::load(const std::string& path) {
  if (path.empty()) return PictureLoad{Picture{}, ""};
  bool resource = path.rfind(":/", 0) == 0;
  QString name = resource ? QString::fromStdString(path)
                          : QString::fromStdString(findFile(std::filesystem::path(path)).string());
  QFile file(name);
  if (!QFileInfo(name).isFile()) return failure(path, "ファイルがありません。");
  if (!file.open(QIODevice::ReadOnly)) return failure(path, "ファイルを開けません。");
  QByteArray bytes = file.readAll();
  file.close();
  if (bytes.isEmpty()) return failure(path, "ファイルが空です（0 バイト）。");

  QByteArray format = QImageReader::imageFormat(name);
  if (format != "jpeg" && format != "bmp" && format != "png")
    return failure(path, "JPEG または BMP の画像ではありません。");
  if ((format == "jpeg" && !jpegIsWhole(bytes)) || (format == "bmp" && !bmpIsWhole(bytes)))
    return failure(path, "ファイルが途中で切れています。");

  QImage image;
  if (!image.loadFromData(bytes, format.constData()) || image.isNull())
    return failure(path, "画像のデータが壊れています。");
  return PictureLoad{pictureOf(std::move(image), path), ""};
}

}  // namespace sumimai

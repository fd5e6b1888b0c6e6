// sumimai-pictures DATA PICTURES: paints the start picture (DATA/Picture.jpg),
// the background picture (DATA/Picture2.jpg) and the controls' pictures
// (PICTURES/Image2.png .. Image6.png). Everything is drawn from fixed seeds,
// so the files come out the same every time.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QSaveFile>
#include <cstdio>

#include "control_pictures.h"
#include "paper.h"

namespace {

using namespace sumimai::pictures;

constexpr int kJpegQuality = 90;
const QSize kScreen(1920, 1080);

// Through a temporary file that replaces the old one only once it is whole.
bool save(const QImage& image, const QString& path, int quality = -1) {
  QSaveFile file(path);
  const QByteArray format = path.endsWith(".jpg") ? "JPEG" : "PNG";
  if (file.open(QIODevice::WriteOnly) && image.save(&file, format.constData(), quality) && file.commit()) return true;
  std::fprintf(stderr, "sumimai-pictures: cannot write %s\n", qPrintable(path));
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  // Fonts need a GUI application, but no screen is needed.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: sumimai-pictures DATA PICTURES\n");
    return 2;
  }
  QDir data(QString::fromLocal8Bit(argv[1])), pictures(QString::fromLocal8Bit(argv[2]));
  bool ok = save(paperImage(kScreen, indigoPaper()), data.filePath("Picture.jpg"), kJpegQuality) &&
            save(paperImage(kScreen, washiPaper()), data.filePath("Picture2.jpg"), kJpegQuality) &&
            save(triangleButton({368, 208}, 2, Pointing::Left), pictures.filePath("Image2.png")) &&
            save(triangleButton({368, 208}, 2, Pointing::Right), pictures.filePath("Image3.png")) &&
            save(triangleButton({227, 208}, 1, Pointing::Right), pictures.filePath("Image4.png")) &&
            save(crossButton({168, 169}), pictures.filePath("Image5.png")) &&
            save(logoBanner({386, 87}, "Sumimai"), pictures.filePath("Image6.png"));
  return ok ? 0 : 1;
}

// sumimai-pictures DATA PICTURES: paints the start picture (DATA/Picture.jpg),
// the background picture (DATA/Picture2.jpg) and the controls' pictures
// (PICTURES/Image2.png .. Image6.png). Everything is drawn from fixed seeds,
// so the files come out the same every time.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QSaveFile>
#include <cstdio>

#include "common/users_language.h"
#include "command_line/tool_command_line.h"
#include "control_pictures.h"
#include "data_files/folder_files.h"
#include "paper.h"

namespace {

using namespace sumimai::pictures;

constexpr char kHelp[] = R"(usage: sumimai-pictures DATA PICTURES

Paints the start picture DATA/Picture.jpg, the background picture
DATA/Picture2.jpg and the controls' pictures PICTURES/Image2.png ..
Image6.png, from fixed seeds: the files come out the same every time.

Options:
  --help             this text
  --version          the program's name and version
)";

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
  sumimai::speakUsersLanguage();
  std::vector<std::string> folders;
  sumimai::ToolCommandLine line("sumimai-pictures", kHelp);
  line.positionals(folders);
  if (const std::optional<int> status = line.finish(line.read({argv + 1, argv + argc}))) return *status;
  if (folders.size() != 2) return line.mistake("give the DATA and PICTURES folders");
  // Fonts need a GUI application, but no screen is needed.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QDir data(QString::fromStdString(folders[0])), pictures(QString::fromStdString(folders[1]));
  bool ok = save(paperImage(kScreen, indigoPaper()), data.filePath(sumimai::kStartPicture), kJpegQuality) &&
            save(paperImage(kScreen, washiPaper()), data.filePath(sumimai::kBackgroundPicture), kJpegQuality) &&
            save(triangleButton({368, 208}, 2, Pointing::Left), pictures.filePath("Image2.png")) &&
            save(triangleButton({368, 208}, 2, Pointing::Right), pictures.filePath("Image3.png")) &&
            save(triangleButton({227, 208}, 1, Pointing::Right), pictures.filePath("Image4.png")) &&
            save(crossButton({168, 169}), pictures.filePath("Image5.png")) &&
            save(logoBanner({386, 87}, "Sumimai"), pictures.filePath("Image6.png"));
  return ok ? 0 : 1;
}

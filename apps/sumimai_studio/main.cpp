// sumimai-studio [--text TEXT | FILE]: a window that writes any text typed
// into it with the brush, with playback, learning aids and export.
#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>

#include "common/working_folder_start.h"
#include "studio_window.h"
#include "window/qt/qt_message_boxes.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("sumimai-studio");
  QApplication::setApplicationDisplayName(QObject::tr("墨舞スタジオ"));
  QApplication::setOrganizationName("sumimai");
  QApplication::setDesktopFileName("io.github.sumimai.SumimaiStudio");
  QApplication::setWindowIcon(QIcon(":/icon"));

  QCommandLineParser options;
  options.setApplicationDescription(QObject::tr("入力した文字を筆で書く窓"));
  options.addHelpOption();
  const QCommandLineOption text("text", QObject::tr("この文字をすぐに書く"), "TEXT");
  options.addOption(text);
  options.addPositionalArgument("FILE", QObject::tr("書くテキストファイル（UTF-8 または Shift-JIS）"), "[FILE]");
  options.process(app);
  // A file named relative to where the program was started, before the
  // program enters its working folder.
  QString file;
  if (!options.positionalArguments().isEmpty()) file = QFileInfo(options.positionalArguments().front()).absoluteFilePath();

  sumimai::QtMessageBoxes messages;
  if (!sumimai::enterWorkingFolderOrTell(messages)) return 1;
  sumimai::StudioWindow window;
  window.show();
  if (options.isSet(text)) window.writeText(options.value(text));
  else if (!file.isEmpty()) window.openTextFile(file);
  return app.exec();
}

// sumimai-studio [--text TEXT | FILE]: a window that writes any text typed
// into it with the brush, with playback, learning aids and export.
#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>
#include <optional>

#include "common/working_folder_start.h"
#include "studio_window.h"
#include "window/qt/display_guard.h"
#include "window/qt/qt_message_boxes.h"
#include "window/qt/translations.h"

namespace {

constexpr char kCommand[] = "sumimai-studio";

// The texts are Japanese as written; English where the user's language is another.
void useUsersLanguage(QTranslator& english) {
  if (!QLocale().name().startsWith("ja") && english.load(":/translations/sumimai-studio_en.qm"))
    QCoreApplication::installTranslator(&english);
}

struct StudioOptions {
  QCommandLineParser parser;
  QCommandLineOption text{"text", QObject::tr("この文字をすぐに書く"), "TEXT"};

  StudioOptions() {
    parser.setApplicationDescription(QObject::tr("入力した文字を筆で書く窓"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(text);
    parser.addPositionalArgument("FILE", QObject::tr("書くテキストファイル（UTF-8 または Shift-JIS）"), "[FILE]");
  }
};

void print(std::FILE* to, const QString& text) {
  std::fputs(text.toLocal8Bit().constData(), to);
  std::fflush(to);
}

// --help, --version and a mistake in the command line are answered before
// any window opens, so they need no display. Nothing when the program is to
// go on; otherwise the status to end with.
std::optional<int> answerWithoutWindow(int argc, char** argv) {
  QCoreApplication core(argc, argv);
  QCoreApplication::setApplicationName(kCommand);
  QCoreApplication::setApplicationVersion(SUMIMAI_VERSION);
  QTranslator english;
  useUsersLanguage(english);
  StudioOptions options;
  if (!options.parser.parse(QCoreApplication::arguments())) {
    print(stderr, QStringLiteral("%1: %2 (see --help)\n").arg(kCommand, options.parser.errorText()));
    return 2;
  }
  if (options.parser.isSet("help")) {
    print(stdout, options.parser.helpText());
    return 0;
  }
  if (options.parser.isSet("version")) {
    print(stdout, QStringLiteral("%1 %2\n").arg(kCommand, SUMIMAI_VERSION));
    return 0;
  }
  return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
  if (const std::optional<int> status = answerWithoutWindow(argc, argv)) return *status;
  sumimai::DisplayGuard display(kCommand);
  QApplication app(argc, argv);
  display.release();
  QTranslator english;
  useUsersLanguage(english);
  sumimai::Translations::translateMessages();  // the exporter's and the grader's messages too
  QApplication::setApplicationName(kCommand);
  QApplication::setApplicationDisplayName(QObject::tr("墨舞スタジオ"));
  QApplication::setOrganizationName("sumimai");
  QApplication::setDesktopFileName("io.github.sumimai.SumimaiStudio");
  QApplication::setWindowIcon(QIcon(":/icon"));

  StudioOptions options;
  options.parser.process(app);
  // A file named relative to where the program was started, before the
  // program enters its working folder.
  QString file;
  if (!options.parser.positionalArguments().isEmpty())
    file = QFileInfo(options.parser.positionalArguments().front()).absoluteFilePath();

  sumimai::QtMessageBoxes messages;
  if (!sumimai::enterWorkingFolderOrTell(messages)) return 1;
  sumimai::StudioWindow window;
  window.restoreSettings();
  window.show();
  if (options.parser.isSet(options.text)) window.writeText(options.parser.value(options.text));
  else if (!file.isEmpty()) window.openTextFile(file);
  return app.exec();
}

#include "window_arguments.h"

#include <QString>
#include <cstdio>
#include <string_view>

#include "window/qt/translations.h"

namespace sumimai {

namespace {

constexpr char kContext[] = "WindowArguments";

void print(std::FILE* to, const QString& text) {
  std::fputs(text.toLocal8Bit().constData(), to);
  std::fflush(to);
}

QString help(const WindowProgramAbout& about) {
  const Translations& t = Translations::forUser();
  return t.text(kContext, "Usage: %1 [--help | --version]\n\n").arg(QString::fromUtf8(about.command)) +
         t.text("WindowPrograms", about.summary) + "\n\n" +
         t.text(kContext,
                "It runs in the user's folder $XDG_DATA_HOME/sumimai (~/.local/share/sumimai), filled from the\n"
                "installed data at the first start, unless started in a folder that holds the whole set of\n"
                "data files.\n\n"
                "Options:\n"
                "  -h, --help     show this help and exit\n"
                "      --version  show the version and exit\n");
}

}  // namespace

std::optional<int> answerArguments(int argc, char** argv, const WindowProgramAbout& about) {
  if (argc < 2) return std::nullopt;
  const std::string_view first = argv[1];
  if (argc == 2 && (first == "--help" || first == "-h")) {
    print(stdout, help(about));
    return 0;
  }
  if (argc == 2 && first == "--version") {
    print(stdout, QStringLiteral("%1 %2\n").arg(QString::fromUtf8(about.command), QStringLiteral(SUMIMAI_VERSION)));
    return 0;
  }
  const bool firstKnown = first == "--help" || first == "-h" || first == "--version";
  const Translations& t = Translations::forUser();
  print(stderr, t.text(kContext, "%1: unknown argument \"%2\": it takes no arguments but --help and --version.\n")
                    .arg(QString::fromUtf8(about.command), QString::fromLocal8Bit(firstKnown ? argv[2] : argv[1])));
  return 2;
}

}  // namespace sumimai

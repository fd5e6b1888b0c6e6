#include "display_guard.h"

#include <QByteArray>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "translations.h"

namespace sumimai {

namespace {

const char* guardedProgram = nullptr;

QString variable(const char* name) {
  const QByteArray value = qgetenv(name);
  return value.isEmpty() ? Translations::forUser().text("DisplayGuard", "not set") : QString::fromLocal8Bit(value);
}

[[noreturn]] void sayNoDisplay() {
  const Translations& t = Translations::forUser();
  QString sentence = t.text("DisplayGuard",
                            "%1: no display could be reached to open the window on (DISPLAY is %2, "
                            "WAYLAND_DISPLAY is %3); start it on the desktop, or set DISPLAY to a running X server.")
                         .arg(QString::fromUtf8(guardedProgram), variable("DISPLAY"), variable("WAYLAND_DISPLAY"));
  std::fprintf(stderr, "%s\n", sentence.toLocal8Bit().constData());
  std::fflush(stderr);
  std::_Exit(1);
}

// While the application starts: the platform's diagnostics are held back,
// and its fatal failure becomes the sentence.
void duringStart(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtFatalMsg) sayNoDisplay();
  if (context.category && std::strncmp(context.category, "qt.qpa", 6) == 0) return;
  if (message.contains(QLatin1String("platform plugin"))) return;
  std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

}  // namespace

DisplayGuard::DisplayGuard(const char* programName) : held_(true) {
  guardedProgram = programName;
  previous_ = qInstallMessageHandler(duringStart);
}

void DisplayGuard::release() {
  if (!held_) return;
  held_ = false;
  qInstallMessageHandler(previous_);
}

}  // namespace sumimai

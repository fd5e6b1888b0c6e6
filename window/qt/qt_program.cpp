#include "qt_program.h"

#include <QFile>
#include <QFont>
#include <QIcon>
#include <QPalette>
#include <cstdio>
#include <cstdlib>

namespace sumimai {
namespace {

QIcon iconFrom(const QString& folder) {
  QIcon icon;
  for (int size : {32, 48, 64, 128, 256, 512}) {
    QString file = QStringLiteral("%1/%2.png").arg(folder).arg(size);
    if (QFile::exists(file)) icon.addFile(file, QSize(size, size));
  }
  return icon;
}

// The program ends inside a handler (a drawing): the rest of the handler
// must not run, and it cannot be unwound through the window system's event
// dispatch, so the process ends here, with the window's exit status. No file
// is open for writing then: the programs write their files outside drawings,
// each through a temporary file.
[[noreturn]] void endAtOnce(int status) {
  std::fflush(nullptr);
  std::_Exit(status);
}

}  // namespace

QtProgram::QtProgram(int& argc, char** argv, const ProgramIdentity& identity)
    : display_(identity.command), app_(argc, argv), signals_([this] { endOnRequest(); }) {
  display_.release();
  QApplication::setApplicationName(QString::fromUtf8(identity.name));
  QGuiApplication::setDesktopFileName(QString::fromUtf8(identity.desktopId));
  QApplication::setWindowIcon(iconFrom(QString::fromUtf8(identity.iconFolder)));
  // The forms' light grey, behind labels and frames as behind the canvas.
  QPalette palette = QApplication::palette();
  QColor grey(kFormBackground.red, kFormBackground.green, kFormBackground.blue);
  palette.setColor(QPalette::Window, grey);
  palette.setColor(QPalette::Button, grey);
  QApplication::setPalette(palette);
  // Message boxes and tooltips in the desktop's Japanese interface font,
  // whatever the system's default font and its fallback for kana and kanji.
  QApplication::setFont(QFont(fontFamilyFor("ＭＳ Ｐゴシック"), 9));
}

QtProgram::~QtProgram() {
  if (view_) view_->detach();
  view_.reset();
  canvases_.clear();
}

QtCanvas& QtProgram::canvas(std::string name, DrawingClock::Duration callCost) {
  canvases_.push_back(std::make_unique<QtCanvas>(std::move(name)));
  canvases_.back()->clock().setCallCost(callCost);
  canvases_.back()->setBetweenFrames([this] { betweenFrames(); });
  return *canvases_.back();
}

void QtProgram::betweenFrames() {
  heldInput_.processPendingEvents();
  if (TerminationSignals::received()) endOnRequest();
  if (gate_.closed()) endAtOnce(window_ ? window_->exitStatus() : 0);
}

// As the window manager's close: the form view ends the program.
void QtProgram::endOnRequest() {
  if (view_) view_->widget()->close();
}

int QtProgram::run(Window& window, const std::vector<Control*>& controls, WindowPlacement placement,
                   const std::vector<Control*>& focusOrder) {
  window_ = &window;
  view_ = std::make_unique<QtFormView>(window, controls, placement, gate_);
  if (!focusOrder.empty()) view_->setFocusOrder(focusOrder);
  messages_.setParent(view_->widget());
  view_->show();
  int status = QApplication::exec();
  // The form and its controls go away after this; stop mirroring them.
  view_->detach();
  return status;
}

}  // namespace sumimai

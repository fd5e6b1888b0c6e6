#include "qt_program.h"

#include <QFont>
#include <QPalette>

namespace sumimai {

QtProgram::QtProgram(int& argc, char** argv) : app_(argc, argv) {
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
  return *canvases_.back();
}

int QtProgram::run(Window& window, const std::vector<Control*>& controls, WindowPlacement placement,
                   const std::vector<Control*>& focusOrder) {
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

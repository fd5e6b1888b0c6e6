// The top-level widget of a form: reports its resizes and its closing.
#pragma once

#include <QWidget>
#include <functional>

namespace sumimai {

class FormWidget : public QWidget {
 public:
  FormWidget() = default;
  std::function<void()> onResized;
  std::function<void()> onClosed;

 protected:
  void resizeEvent(QResizeEvent*) override {
    if (onResized) onResized();
  }
  void closeEvent(QCloseEvent*) override {
    if (onClosed) onClosed();
  }
};

}  // namespace sumimai

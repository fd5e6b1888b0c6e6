// Shows a Window and its controls as Qt widgets and hands the user's actions
// back to them. It decides nothing: it mirrors what the window logic sets
// (geometry in twips, visibility, pictures, texts, captions, tooltips,
// fonts, the mouse pointer) and delivers every event through one EventGate,
// so that a handler runs to its end before the next begins.
//
// Controls come in creation order, the first beneath the later ones;
// Control::container() gives the control whose area holds a control, and
// positions are relative to it. A canvas (QtCanvas) shows itself and paints
// the picture controls lying on it; text boxes, labels, buttons, frames and
// scroll bars become QLineEdit, QLabel, QPushButton, FrameWidget and QScrollBar.
#pragma once

#include <QPointer>
#include <map>
#include <vector>

#include "window/event_gate.h"
#include "window/window.h"

class QWidget;

namespace sumimai {

class FormWidget;
class QtCanvas;

enum class WindowPlacement {
  FullScreen,  // frameless, covering the whole screen: the canvas's top-left is the screen's
  Centred,     // with a caption; the client area as the window's size gives it, centred
};

// "ＭＳ Ｐゴシック" and "ＭＳ ゴシック" map to the IPA fonts of the same
// metrics; other families are used as named.
QString fontFamilyFor(const std::string& family);

class QtFormView : private ControlObserver {
 public:
  QtFormView(Window& window, std::vector<Control*> controls, WindowPlacement placement, EventGate& gate);
  ~QtFormView() override;
  QtFormView(const QtFormView&) = delete;
  QtFormView& operator=(const QtFormView&) = delete;

  // The keyboard focus moves through these controls in this order; the
  // first gets the focus when the window is shown.
  void setFocusOrder(const std::vector<Control*>& order);

  // Shows the window. Once it is on screen, the window's onResize runs (and
  // again at every later change of size), then its onActivate, once.
  void show();

  QWidget* widget() const;
  // The widget that shows a control; nullptr for a picture control.
  QWidget* widgetOf(const Control& control) const;

  // Stops mirroring, and the canvases stop watching the controls on them
  // (call before the controls go away).
  void detach();

 private:
  void controlChanged(Control& control, ControlChange change) override;
  void windowChanged(ControlChange change);
  void create(Control& control);
  QWidget* makeWidget(Control& control, QWidget* parent);
  QWidget* makeTextBox(TextBox& box, QWidget* parent);
  QWidget* makeScrollBar(ScrollBar& bar, QWidget* parent);
  QWidget* makeCaption(CaptionControl& control, QWidget* parent);
  QWidget* parentFor(const Control& control) const;
  void mirror(Control& control, QWidget* widget);
  void mirrorContent(Control& control, QWidget* widget);
  void stackLabelsOn(const QtCanvas& canvas);
  void place();
  void widgetResized();
  void takeOuterSize();
  void deliverResize();
  void whenExposed(int attemptsLeft);
  void endProgram();

  Window& window_;
  std::vector<Control*> controls_;
  WindowPlacement placement_;
  EventGate& gate_;
  FormWidget* form_;  // owned here; parent of every other widget
  std::map<const Control*, QPointer<QWidget>> widgets_;
  std::vector<QtCanvas*> canvases_;
  std::vector<QWidget*> focusOrder_;
  bool attached_ = true;
  bool shown_ = false;  // the window has been on screen; resizes are delivered
  bool resizeQueued_ = false;
  bool settingFromWidget_ = false;
};

}  // namespace sumimai

#include "qt_form_view.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QWindow>

#include "click_label.h"
#include "form_widget.h"
#include "frame_widget.h"
#include "qt_canvas.h"
#include "qt_picture.h"

namespace sumimai {
namespace {

constexpr int kResizeEvent = 1;  // the gate's key for coalescing resizes

QFont fontFor(const FontSpec& wanted) {
  QFont font(fontFamilyFor(wanted.family));
  font.setPointSizeF(wanted.points);
  font.setBold(wanted.bold);
  return font;
}

bool isLabel(const Control& control) {
  auto* caption = dynamic_cast<const CaptionControl*>(&control);
  return caption && caption->kind() == CaptionControl::Kind::Label;
}

Qt::CursorShape cursorFor(int pointer) {
  return pointer == MousePointer::kSizeAll ? Qt::SizeAllCursor : Qt::ArrowCursor;
}

}  // namespace

QString fontFamilyFor(const std::string& family) {
  if (family == "ＭＳ Ｐゴシック") return QStringLiteral("IPAPGothic");
  if (family == "ＭＳ ゴシック") return QStringLiteral("IPAGothic");
  return QString::fromStdString(family);
}

QtFormView::QtFormView(Window& window, std::vector<Control*> controls, WindowPlacement placement, EventGate& gate)
    : window_(window), controls_(std::move(controls)), placement_(placement), gate_(gate), form_(new FormWidget) {
  form_->setWindowTitle(QString::fromStdString(window.caption()));
  form_->setFont(fontFor(window.font()));
  form_->onResized = [this] { widgetResized(); };
  form_->onClosed = [this] { endProgram(); };
  window_.addObserver(this);
  for (Control* control : controls_) create(*control);
  for (QtCanvas* canvas : canvases_) stackLabelsOn(*canvas);
}

QtFormView::~QtFormView() {
  detach();
  delete form_;
}

QWidget* QtFormView::widget() const { return form_; }

QWidget* QtFormView::widgetOf(const Control& control) const {
  auto found = widgets_.find(&control);
  return found == widgets_.end() ? nullptr : found->second.data();
}

void QtFormView::detach() {
  if (!attached_) return;
  attached_ = false;
  window_.removeObserver(this);
  for (Control* control : controls_) control->removeObserver(this);
  for (QtCanvas* canvas : canvases_) canvas->forgetContainedControls();
}

// --- creating the widgets ---------------------------------------------------------

QWidget* QtFormView::parentFor(const Control& control) const {
  QWidget* parent = control.container() ? widgetOf(*control.container()) : nullptr;
  return parent ? parent : form_;
}

void QtFormView::create(Control& control) {
  auto* canvas = control.container() ? dynamic_cast<QtCanvas*>(control.container()) : nullptr;
  if (canvas) canvas->addContainedControl(control);
  QWidget* widget = makeWidget(control, parentFor(control));
  control.addObserver(this);
  if (!widget) return;  // a picture control: its canvas paints it
  widgets_[&control] = widget;
  widget->setFont(fontFor(control.font()));
  mirror(control, widget);
}

QWidget* QtFormView::makeWidget(Control& control, QWidget* parent) {
  if (auto* canvas = dynamic_cast<QtCanvas*>(&control)) {
    canvas->widget()->setParent(parent);
    canvas->setDeliver([this](std::function<void()> handler) { gate_.deliver(std::move(handler)); });
    canvases_.push_back(canvas);
    return canvas->widget();
  }
  if (auto* box = dynamic_cast<TextBox*>(&control)) return makeTextBox(*box, parent);
  if (auto* bar = dynamic_cast<ScrollBar*>(&control)) return makeScrollBar(*bar, parent);
  if (auto* caption = dynamic_cast<CaptionControl*>(&control)) return makeCaption(*caption, parent);
  return nullptr;
}

QWidget* QtFormView::makeTextBox(TextBox& box, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  if (box.centred) edit->setAlignment(Qt::AlignCenter);
  // Only the user's edits come back; the window logic's own assignments are
  // mirrored with the signal blocked.
  QObject::connect(edit, &QLineEdit::textEdited, edit, [this, &box](const QString& text) {
    gate_.deliver([&box, text = text.toStdString()] { box.setText(text); });
  });
  return edit;
}

QWidget* QtFormView::makeScrollBar(ScrollBar& bar, QWidget* parent) {
  auto* scroll = new QScrollBar(Qt::Horizontal, parent);
  scroll->setRange(bar.min(), bar.max());
  scroll->setSingleStep(1);
  scroll->setPageStep(1);
  // The value changes on an arrow or track click and when the thumb is
  // released, not while it is dragged.
  scroll->setTracking(false);
  QObject::connect(scroll, &QScrollBar::valueChanged, scroll, [this, &bar](int value) {
    gate_.deliver([&bar, value] { bar.setValue(static_cast<std::int16_t>(value)); });
  });
  return scroll;
}

QWidget* QtFormView::makeCaption(CaptionControl& control, QWidget* parent) {
  switch (control.kind()) {
    case CaptionControl::Kind::Button: {
      auto* button = new QPushButton(parent);
      QObject::connect(button, &QPushButton::clicked, button, [this, &control] {
        gate_.deliver([&control] {
          if (control.events.click) control.events.click();
        });
      });
      return button;
    }
    case CaptionControl::Kind::Frame:
      return new FrameWidget(parent);
    case CaptionControl::Kind::Label:
    default: {
      auto* label = new ClickLabel(parent);
      label->onClick = [this, &control] {
        gate_.deliver([&control] {
          if (control.events.click) control.events.click();
        });
      };
      label->setAlignment(control.centred ? Qt::AlignHCenter | Qt::AlignTop : Qt::AlignLeft | Qt::AlignTop);
      label->setWordWrap(true);
      // On a canvas a label covers the pictures and ink beneath it with the
      // form's grey; elsewhere it shows the background of its container.
      label->setAutoFillBackground(dynamic_cast<QtCanvas*>(control.container()) != nullptr);
      return label;
    }
  }
}

// --- mirroring the controls ------------------------------------------------------------

void QtFormView::mirror(Control& control, QWidget* widget) {
  widget->setGeometry(controlPixelRect(control));
  widget->setVisible(control.visible());
  widget->setToolTip(QString::fromStdString(control.tooltip()));
  mirrorContent(control, widget);
}

void QtFormView::mirrorContent(Control& control, QWidget* widget) {
  if (auto* box = dynamic_cast<TextBox*>(&control)) {
    auto* edit = static_cast<QLineEdit*>(widget);
    QString text = QString::fromStdString(box->text());
    if (edit->text() != text) {
      QSignalBlocker blocker(edit);
      edit->setText(text);
    }
  } else if (auto* bar = dynamic_cast<ScrollBar*>(&control)) {
    auto* scroll = static_cast<QScrollBar*>(widget);
    QSignalBlocker blocker(scroll);
    scroll->setValue(bar->value());
  } else if (auto* caption = dynamic_cast<CaptionControl*>(&control)) {
    QString text = QString::fromStdString(caption->caption());
    if (auto* label = qobject_cast<QLabel*>(widget)) label->setText(text);
    if (auto* button = qobject_cast<QPushButton*>(widget)) button->setText(text);
    if (auto* frame = dynamic_cast<FrameWidget*>(widget)) frame->setTitle(text);
  }
}

void QtFormView::controlChanged(Control& control, ControlChange change) {
  if (&control == &window_) return windowChanged(change);
  auto* canvas = dynamic_cast<QtCanvas*>(control.container());
  if (canvas && (change == ControlChange::Geometry || change == ControlChange::Visibility)) stackLabelsOn(*canvas);
  QWidget* widget = widgetOf(control);
  if (!widget) return;
  switch (change) {
    case ControlChange::Geometry:
      widget->setGeometry(controlPixelRect(control));
      break;
    case ControlChange::Visibility:
      widget->setVisible(control.visible());
      break;
    case ControlChange::Content:
      mirrorContent(control, widget);
      break;
    case ControlChange::Tooltip:
      widget->setToolTip(QString::fromStdString(control.tooltip()));
      break;
    default:
      break;
  }
}

// A label drawn on a canvas lies among the picture controls in creation
// order: where a visible picture control created after it overlaps it, the
// label's widget is masked out and the canvas shows the picture control
// there, and takes the mouse there. Text boxes, buttons and scroll bars stay
// above every picture control.
void QtFormView::stackLabelsOn(const QtCanvas& canvas) {
  QRegion later;  // the pictures created after the control looked at
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    Control& control = **it;
    if (control.container() != &canvas) continue;
    QRect own = controlPixelRect(control);
    if (dynamic_cast<PictureControl*>(&control) && control.visible()) later += own;
    QWidget* widget = isLabel(control) ? widgetOf(control) : nullptr;
    if (!widget) continue;
    if (later.intersects(own))
      widget->setMask((QRegion(own) - later).translated(-own.topLeft()));
    else
      widget->clearMask();
  }
}

void QtFormView::windowChanged(ControlChange change) {
  switch (change) {
    case ControlChange::Pointer:
      if (window_.mousePointer() == MousePointer::kDefault)
        form_->unsetCursor();
      else
        form_->setCursor(cursorFor(window_.mousePointer()));
      break;
    case ControlChange::Ended:
      endProgram();
      break;
    case ControlChange::Geometry:
      if (!settingFromWidget_ && placement_ == WindowPlacement::Centred)
        form_->resize(controlPixelRect(window_).size());
      break;
    default:
      break;
  }
}

void QtFormView::setFocusOrder(const std::vector<Control*>& order) {
  focusOrder_.clear();
  for (Control* control : order)
    if (QWidget* widget = widgetOf(*control)) focusOrder_.push_back(widget);
  for (std::size_t i = 1; i < focusOrder_.size(); ++i) QWidget::setTabOrder(focusOrder_[i - 1], focusOrder_[i]);
}

// --- the window on screen --------------------------------------------------------------

void QtFormView::place() {
  QScreen* screen = QGuiApplication::primaryScreen();
  QRect screenRect = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
  if (placement_ == WindowPlacement::FullScreen) {
    form_->setWindowFlag(Qt::FramelessWindowHint);
    form_->setGeometry(screenRect);
    return;
  }
  QSize client = controlPixelRect(window_).size();
  form_->resize(client);
  form_->move(screenRect.center() - QPoint(client.width() / 2, client.height() / 2));
}

void QtFormView::show() {
  place();
  // Nothing of the window is painted before its first resize handler has
  // begun: the controls as designed are never seen, only the state the
  // handler sets (which, for the main window, hides them first of all).
  form_->setUpdatesEnabled(false);
  if (placement_ == WindowPlacement::FullScreen)
    form_->showFullScreen();
  else
    form_->show();
  QWidget* first = !focusOrder_.empty() ? focusOrder_.front() : (canvases_.empty() ? nullptr : canvases_.front()->widget());
  if (first) first->setFocus(Qt::OtherFocusReason);
  whenExposed(500);
}

void QtFormView::whenExposed(int attemptsLeft) {
  // The first resize runs once the window is really on screen, so that what
  // the handler draws is seen.
  QWindow* handle = form_->windowHandle();
  if ((!handle || !handle->isExposed()) && attemptsLeft > 0) {
    QTimer::singleShot(10, form_, [this, attemptsLeft] { whenExposed(attemptsLeft - 1); });
    return;
  }
  shown_ = true;
  takeOuterSize();
  deliverResize();
  gate_.deliver([this] {
    if (window_.onActivate) window_.onActivate();
  });
}

void QtFormView::takeOuterSize() {
  QSize outer = form_->frameGeometry().size();
  settingFromWidget_ = true;
  window_.setGeometry(window_.left(), window_.top(), static_cast<float>(pixelsToTwips(outer.width())),
                      static_cast<float>(pixelsToTwips(outer.height())));
  settingFromWidget_ = false;
  for (QtCanvas* canvas : canvases_) canvas->windowResized();
}

void QtFormView::widgetResized() {
  if (!shown_) return;
  takeOuterSize();
  if (resizeQueued_) return;
  // Resizes that come in a burst run the handler once, after the current
  // event; one arriving while a handler runs waits for its end.
  resizeQueued_ = true;
  QTimer::singleShot(0, form_, [this] { deliverResize(); });
}

void QtFormView::deliverResize() {
  resizeQueued_ = false;
  gate_.deliverCoalesced(kResizeEvent, [this] {
    // Updates come on as the handler begins; the whole window is then
    // painted with the handler's first presentation (or when it returns).
    if (!form_->updatesEnabled()) form_->setUpdatesEnabled(true);
    if (window_.onResize) window_.onResize();
  });
}

void QtFormView::endProgram() {
  // Nothing more is handled: the gate is closed and every event loop,
  // a message box's included, returns.
  gate_.close();
  form_->hide();
  QCoreApplication::exit(window_.exitStatus());
}

}  // namespace sumimai

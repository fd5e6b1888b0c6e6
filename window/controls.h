// The controls of the programs' windows, as values the window logic reads and
// sets. A window system shows them through observers (views) and forwards the
// user's actions to their events. Assigning a text box a new text or a scroll
// bar a new value from code raises its change event at once, nested inside
// the assignment, exactly as a change by the user does.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/geometry.h"
#include "picture.h"

namespace sumimai {

class Control;

enum class ControlChange { Geometry, Visibility, Content, Tooltip, Pointer, Ended };

class ControlObserver {
 public:
  virtual ~ControlObserver() = default;
  virtual void controlChanged(Control& control, ControlChange change) = 0;
};

// Mouse buttons: left 1, right 2, middle 4. Shift state: Shift 1, Ctrl 2, Alt 4.
// X and Y in twips from the control's top-left corner.
struct MouseEventArgs {
  int button = 0;
  int shift = 0;
  float x = 0;
  float y = 0;
};

// Handlers the window logic installs; an empty one ignores the event.
struct ControlEvents {
  std::function<void()> click;
  std::function<void()> doubleClick;
  std::function<void(const MouseEventArgs&)> mouseMove;
  std::function<void(const MouseEventArgs&)> mouseUp;
  std::function<void(int keyCode, int shift)> keyDown;  // Windows virtual-key codes
  std::function<void()> change;
};

struct FontSpec {
  std::string family = "ＭＳ Ｐゴシック";
  double points = 9;
  bool bold = false;
  bool operator==(const FontSpec&) const = default;
};

class Control {
 public:
  explicit Control(std::string name) : name_(std::move(name)) {}
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& name() const { return name_; }

  // Position and size in twips, relative to the containing control or window.
  float left() const { return left_; }
  float top() const { return top_; }
  float width() const { return width_; }
  float height() const { return height_; }
  void setLeft(float v) { setGeometry(v, top_, width_, height_); }
  void setTop(float v) { setGeometry(left_, v, width_, height_); }
  void setWidth(float v) { setGeometry(left_, top_, v, height_); }
  void setHeight(float v) { setGeometry(left_, top_, width_, v); }
  void setGeometry(float left, float top, float width, float height);

  bool visible() const { return visible_; }
  void setVisible(bool visible);

  const std::string& tooltip() const { return tooltip_; }
  void setTooltip(std::string tooltip);

  // The control whose area holds this one (its position is relative to
  // it); nullptr for a control placed directly on its window.
  Control* container() const { return container_; }
  void setContainer(Control* container) { container_ = container; }

  const FontSpec& font() const { return font_; }
  void setFont(FontSpec font) { font_ = std::move(font); }

  void addObserver(ControlObserver* observer) { observers_.push_back(observer); }
  void removeObserver(ControlObserver* observer);

  ControlEvents events;

 protected:
  void notify(ControlChange change);

 private:
  std::string name_;
  float left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
  std::string tooltip_;
  FontSpec font_;
  Control* container_ = nullptr;
  std::vector<ControlObserver*> observers_;
};

// A picture control or picture button: shows its picture stretched to its size.
class PictureControl : public Control {
 public:
  using Control::Control;
  const Picture& picture() const { return picture_; }
  void setPicture(Picture picture);

 private:
  Picture picture_;
};

// A label, push button or frame: a control with a caption.
class CaptionControl : public Control {
 public:
  enum class Kind { Label, Button, Frame };
  CaptionControl(std::string name, Kind kind) : Control(std::move(name)), kind_(kind) {}
  Kind kind() const { return kind_; }
  const std::string& caption() const { return caption_; }
  void setCaption(std::string caption);
  bool centred = false;

 private:
  Kind kind_;
  std::string caption_;
};

// A one-line text box.
class TextBox : public Control {
 public:
  using Control::Control;
  const std::string& text() const { return text_; }
  // A different text raises the change event at once; the same text nothing.
  void setText(std::string text);
  bool centred = false;

 private:
  std::string text_;
};

// A horizontal scroll bar with 16-bit values.
class ScrollBar : public Control {
 public:
  ScrollBar(std::string name, std::int16_t min, std::int16_t max)
      : Control(std::move(name)), min_(min), max_(max), value_(min) {}
  std::int16_t min() const { return min_; }
  std::int16_t max() const { return max_; }
  std::int16_t value() const { return value_; }
  // A different value raises the change event at once; its own value nothing.
  // The value must lie within min..max; the window logic keeps it there.
  void setValue(std::int16_t value);

 private:
  std::int16_t min_, max_, value_;
};

}  // namespace sumimai

#include "controls.h"

#include <algorithm>

namespace sumimai {

void Control::setGeometry(float left, float top, float width, float height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  notify(ControlChange::Geometry);
}

void Control::setVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  notify(ControlChange::Visibility);
}

void Control::setTooltip(std::string tooltip) {
  tooltip_ = std::move(tooltip);
  notify(ControlChange::Tooltip);
}

void Control::removeObserver(ControlObserver* observer) {
  observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

void Control::notify(ControlChange change) {
  // Observers may detach while being told; walk a copy.
  std::vector<ControlObserver*> observers = observers_;
  for (ControlObserver* observer : observers) observer->controlChanged(*this, change);
}

void PictureControl::setPicture(Picture picture) {
  picture_ = std::move(picture);
  notify(ControlChange::Content);
}

void CaptionControl::setCaption(std::string caption) {
  caption_ = std::move(caption);
  notify(ControlChange::Content);
}

void TextBox::setText(std::string text) {
  if (text == text_) return;
  text_ = std::move(text);
  notify(ControlChange::Content);
  if (events.change) events.change();
}

void ScrollBar::setValue(std::int16_t value) {
  if (value == value_) return;
  value_ = value;
  notify(ControlChange::Content);
  if (events.change) events.change();
}

}  // namespace sumimai

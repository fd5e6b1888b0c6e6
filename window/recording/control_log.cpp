#include "control_log.h"

#include "window/window.h"

namespace sumimai {

void ControlLog::controlChanged(Control& control, ControlChange change) {
  const std::string& name = control.name();
  switch (change) {
    case ControlChange::Visibility:
      lines.push_back(name + (control.visible() ? " show" : " hide"));
      break;
    case ControlChange::Content:
      if (auto* text = dynamic_cast<TextBox*>(&control)) {
        lines.push_back(name + " text=" + text->text());
      } else if (auto* caption = dynamic_cast<CaptionControl*>(&control)) {
        lines.push_back(name + " caption=" + caption->caption());
      } else if (auto* picture = dynamic_cast<PictureControl*>(&control)) {
        lines.push_back(name + " picture=" + picture->picture().source);
      } else if (auto* bar = dynamic_cast<ScrollBar*>(&control)) {
        lines.push_back(name + " value=" + std::to_string(bar->value()));
      }
      break;
    case ControlChange::Pointer:
      lines.push_back(name + " pointer=" + std::to_string(static_cast<Window&>(control).mousePointer()));
      break;
    case ControlChange::Ended:
      lines.push_back(name + " end");
      break;
    case ControlChange::Geometry:
    case ControlChange::Tooltip:
      break;
  }
}

}  // namespace sumimai

// An observer that writes what happens to controls as lines of text, for
// tests that check the order of hides, shows and assignments.
#pragma once

#include <string>
#include <vector>

#include "window/controls.h"

namespace sumimai {

class ControlLog : public ControlObserver {
 public:
  void watch(Control& control) { control.addObserver(this); }
  void controlChanged(Control& control, ControlChange change) override;

  // Lines such as "Image1 hide", "Image5 show", "Text1 text=1",
  // "イメージ1 picture=Picture2.jpg", "Form1 pointer=5".
  std::vector<std::string> lines;
};

}  // namespace sumimai

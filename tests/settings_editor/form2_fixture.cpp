#include "form2_fixture.h"

#include <variant>

namespace sumimai::testing {

Form2Test::Form2Test() {
  for (Control* control : form2.controlsInCreationOrder()) log.watch(*control);
  log.watch(form2.form);
}

void Form2Test::activateWith(const std::string& bytes) {
  writeFile(kSettingsFileName, bytes);
  activate();
}

std::vector<Rgb> Form2Test::previewFills() const {
  std::vector<Rgb> fills;
  for (const CanvasCall& call : preview.calls) {
    const auto* rectangle = std::get_if<RectangleCall>(&call);
    if (!rectangle) continue;
    EXPECT_TRUE(rectangle->filled);
    EXPECT_EQ(rectangle->corner1, (PointF{0, 0}));
    EXPECT_EQ(rectangle->corner2, (PointF{2295, 375}));
    fills.push_back(rectangle->colour);
  }
  return fills;
}

}  // namespace sumimai::testing

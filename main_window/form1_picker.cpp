// The page picker on イメージ1. The pick state is the window's mouse
// pointer: the four-headed pointer means a release would pick.
#include <string>

#include "form1.h"
#include "page_picker.h"

namespace sumimai {

// Only in the page view (Image1 hidden) can the pointer be armed.
void Form1::イメージ1_MouseMove(int /*button*/, int /*shift*/, float X, float Y) {
  const bool armed = !Image1.visible() && armsPick(grid, X, Y);
  form.setMousePointer(armed ? MousePointer::kSizeAll : MousePointer::kArrow);
}

// A right-button release in the drawing view goes back to the page. An armed
// release with any button picks the character under it: its number goes into
// Text1 and it is drawn over the background picture.
void Form1::イメージ1_MouseUp(int button, int /*shift*/, float X, float Y) {
  if (button == 2 && Image1.visible()) ShowSutraPage();
  if (form.mousePointer() != MousePointer::kSizeAll) return;
  std::optional<int> number = pickedNumber(grid, X, Y);
  if (!number) return;
  Text1.setText(std::to_string(*number));
  form.setMousePointer(MousePointer::kArrow);
  showBackgroundPicture();
  DrawCurrentCharacter(false);
}

void Form1::イメージ1_DblClick() { form.end(); }

void Form1::イメージ1_Click() {}

}  // namespace sumimai

// Keys pressed while the canvas has the focus (Windows virtual-key codes).
#include "data_files/number_forms.h"
#include "form1.h"
#include "window/key_codes.h"

namespace sumimai {
namespace {

enum class KeyAction { None, Next, Previous, RepeatSlowly, SaveWriting };

// Enter, Right and keypad 3, 6, 9 and separator go forward; Backspace, Left
// and keypad 1, 4, 7 go back; Space, Up, Down and keypad 0, 2, 5, 8 repeat;
// S saves the writing.
KeyAction actionOf(int keyCode) {
  using namespace key;
  switch (keyCode) {
    case letter('S'):
      return KeyAction::SaveWriting;
    case kReturn: case kRight: case keypadDigit(3): case keypadDigit(6): case keypadDigit(9): case kKeypadSeparator:
      return KeyAction::Next;
    case kBackspace: case kLeft: case keypadDigit(1): case keypadDigit(4): case keypadDigit(7):
      return KeyAction::Previous;
    case kSpace: case kUp: case kDown: case keypadDigit(0): case keypadDigit(2): case keypadDigit(5): case keypadDigit(8):
      return KeyAction::RepeatSlowly;
    default:
      return KeyAction::None;
  }
}

}  // namespace

// Ctrl goes back to the page from the drawing view; the other keys act only
// in the drawing view. The shift state is ignored.
void Form1::Picture1_KeyDown(int keyCode, int /*shift*/) {
  if (keyCode == key::kControl && Image1.visible()) ShowSutraPage();
  if (!Image1.visible()) return;
  switch (actionOf(keyCode)) {
    case KeyAction::Next:
      StepCharacter(+1);
      break;
    case KeyAction::Previous:
      StepCharacter(-1);
      break;
    case KeyAction::RepeatSlowly:
      Text1.setText(stepForm(numericValue(Text1.text())));
      DrawCurrentCharacter(true);
      break;
    case KeyAction::SaveWriting:
      SaveWriting();
      break;
    case KeyAction::None:
      break;
  }
}

}  // namespace sumimai

// Keys pressed while the canvas has the focus (Windows virtual-key codes).
#include "data_files/number_forms.h"
#include "form1.h"

namespace sumimai {
namespace {

enum class KeyAction { None, Next, Previous, RepeatSlowly, SaveWriting };

constexpr int kControlKey = 17;
constexpr int kSaveKey = 83;  // S

// Enter, Right and keypad 3, 6, 9 and separator go forward; Backspace, Left
// and keypad 1, 4, 7 go back; Space, Up, Down and keypad 0, 2, 5, 8 repeat;
// S saves the writing.
KeyAction actionOf(int keyCode) {
  switch (keyCode) {
    case kSaveKey:
      return KeyAction::SaveWriting;
    case 13: case 39: case 99: case 102: case 105: case 108:
      return KeyAction::Next;
    case 8: case 37: case 97: case 100: case 103:
      return KeyAction::Previous;
    case 32: case 38: case 40: case 96: case 98: case 101: case 104:
      return KeyAction::RepeatSlowly;
    default:
      return KeyAction::None;
  }
}

}  // namespace

// Ctrl goes back to the page from the drawing view; the other keys act only
// in the drawing view. The shift state is ignored.
void Form1::Picture1_KeyDown(int keyCode, int /*shift*/) {
  if (keyCode == kControlKey && Image1.visible()) ShowSutraPage();
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

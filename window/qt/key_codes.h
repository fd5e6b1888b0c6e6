// Qt keys to Windows virtual-key codes and shift states, as the window
// logic's key handlers expect them.
#pragma once

#include <Qt>

namespace sumimai {

// The Windows virtual-key code of a key, or 0 for a key without one. Keys
// of the numeric keypad (Qt::KeypadModifier) give the keypad's digit codes
// 96..105 whether or not NumLock is on, so its Insert, End, Down, ... count
// as 0, 1, 2, ...; the keypad's Enter gives 13 like the main Enter.
int windowsKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);

// Shift 1, Ctrl 2, Alt 4.
int windowsShiftState(Qt::KeyboardModifiers modifiers);

// Mouse buttons: left 1, right 2, middle 4.
int windowsMouseButton(Qt::MouseButtons buttons);

}  // namespace sumimai

#include "window/qt/key_codes.h"

#include <gtest/gtest.h>

namespace sumimai {
namespace {

struct KeyCase {
  int qtKey;
  bool keypad;
  int code;
};

TEST(KeyCodes, KeysGiveTheirWindowsVirtualKeyCodes) {
  const KeyCase cases[] = {
      {Qt::Key_Return, false, 13}, {Qt::Key_Enter, true, 13},     {Qt::Key_Backspace, false, 8},
      {Qt::Key_Space, false, 32},  {Qt::Key_Control, false, 17},  {Qt::Key_Left, false, 37},
      {Qt::Key_Up, false, 38},     {Qt::Key_Right, false, 39},    {Qt::Key_Down, false, 40},
      {Qt::Key_A, false, 65},      {Qt::Key_5, false, 53},        {Qt::Key_F1, false, 112},
      {Qt::Key_Escape, false, 27}, {Qt::Key_Delete, false, 46},   {Qt::Key_Print, false, 44},
      {Qt::Key_Comma, true, 108},  {Qt::Key_Period, true, 110},   {Qt::Key_Plus, true, 107},
      {Qt::Key_unknown, false, 0},
  };
  for (const KeyCase& c : cases) {
    Qt::KeyboardModifiers modifiers = c.keypad ? Qt::KeypadModifier : Qt::NoModifier;
    EXPECT_EQ(windowsKeyCode(c.qtKey, modifiers), c.code) << "Qt key " << c.qtKey;
  }
}

TEST(KeyCodes, TheKeypadGivesDigitCodesWithNumLockAndEditingCodesWithout) {
  const int digits[] = {Qt::Key_0, Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4,
                        Qt::Key_5, Qt::Key_6, Qt::Key_7, Qt::Key_8, Qt::Key_9};
  const int withoutNumLock[] = {Qt::Key_Insert, Qt::Key_End,   Qt::Key_Down, Qt::Key_PageDown, Qt::Key_Left,
                                Qt::Key_Clear,  Qt::Key_Right, Qt::Key_Home, Qt::Key_Up,       Qt::Key_PageUp};
  const int editingCodes[] = {45, 35, 40, 34, 37, 12, 39, 36, 38, 33};
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(windowsKeyCode(digits[i], Qt::KeypadModifier), 96 + i);
    EXPECT_EQ(windowsKeyCode(withoutNumLock[i], Qt::KeypadModifier), editingCodes[i]);
  }
  // The same keys off the keypad are the arrows and editing keys.
  EXPECT_EQ(windowsKeyCode(Qt::Key_Right, Qt::NoModifier), 39);
  EXPECT_EQ(windowsKeyCode(Qt::Key_3, Qt::NoModifier), 51);
}

TEST(KeyCodes, ShiftStateAndMouseButtons) {
  EXPECT_EQ(windowsShiftState(Qt::NoModifier), 0);
  EXPECT_EQ(windowsShiftState(Qt::ShiftModifier), 1);
  EXPECT_EQ(windowsShiftState(Qt::ControlModifier | Qt::AltModifier), 6);
  EXPECT_EQ(windowsShiftState(Qt::ShiftModifier | Qt::KeypadModifier), 1);
  EXPECT_EQ(windowsMouseButton(Qt::LeftButton), 1);
  EXPECT_EQ(windowsMouseButton(Qt::RightButton), 2);
  EXPECT_EQ(windowsMouseButton(Qt::MiddleButton), 4);
  EXPECT_EQ(windowsMouseButton(Qt::NoButton), 0);
}

}  // namespace
}  // namespace sumimai

#include "key_codes.h"

#include <unordered_map>

#include "window/key_codes.h"

namespace sumimai {
namespace {

int keypadCode(int qtKey) {
  // With NumLock off the keypad's digits arrive as Insert, End, Down, ...:
  // those keep the codes of the keys they stand for.
  static const std::unordered_map<int, int> codes = {
      {Qt::Key_Asterisk, key::kKeypadMultiply}, {Qt::Key_Plus, key::kKeypadAdd},
      {Qt::Key_Comma, key::kKeypadSeparator},   {Qt::Key_Minus, key::kKeypadSubtract},
      {Qt::Key_Period, key::kKeypadDecimal},    {Qt::Key_Slash, key::kKeypadDivide},
      {Qt::Key_Enter, key::kReturn},            {Qt::Key_Return, key::kReturn},
  };
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return key::keypadDigit(qtKey - Qt::Key_0);
  auto found = codes.find(qtKey);
  return found == codes.end() ? 0 : found->second;
}

int mainCode(int qtKey) {
  using namespace key;
  static const std::unordered_map<int, int> codes = {
      {Qt::Key_Backspace, kBackspace}, {Qt::Key_Tab, kTab},           {Qt::Key_Backtab, kTab},
      {Qt::Key_Clear, kClear},         {Qt::Key_Return, kReturn},     {Qt::Key_Enter, kReturn},
      {Qt::Key_Shift, kShift},         {Qt::Key_Control, kControl},   {Qt::Key_Alt, kAlt},
      {Qt::Key_Pause, kPause},         {Qt::Key_CapsLock, kCapsLock}, {Qt::Key_Escape, kEscape},
      {Qt::Key_Space, kSpace},         {Qt::Key_PageUp, kPageUp},     {Qt::Key_PageDown, kPageDown},
      {Qt::Key_End, kEnd},             {Qt::Key_Home, kHome},         {Qt::Key_Left, kLeft},
      {Qt::Key_Up, kUp},               {Qt::Key_Right, kRight},       {Qt::Key_Down, kDown},
      {Qt::Key_Print, kPrint},         {Qt::Key_Insert, kInsert},     {Qt::Key_Delete, kDelete},
      {Qt::Key_Meta, kMeta},           {Qt::Key_Menu, kMenu},         {Qt::Key_NumLock, kNumLock},
      {Qt::Key_ScrollLock, kScrollLock}, {Qt::Key_Semicolon, kSemicolon}, {Qt::Key_Equal, kEqual},
      {Qt::Key_Comma, kComma},         {Qt::Key_Minus, kMinus},       {Qt::Key_Period, kPeriod},
      {Qt::Key_Slash, kSlash},         {Qt::Key_BracketLeft, kBracketLeft}, {Qt::Key_Backslash, kBackslash},
      {Qt::Key_BracketRight, kBracketRight}, {Qt::Key_Apostrophe, kApostrophe},
  };
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return kDigit0 + (qtKey - Qt::Key_0);
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return kLetterA + (qtKey - Qt::Key_A);
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return kF1 + (qtKey - Qt::Key_F1);
  auto found = codes.find(qtKey);
  return found == codes.end() ? 0 : found->second;
}

}  // namespace

int windowsKeyCode(int qtKey, Qt::KeyboardModifiers modifiers) {
  if (modifiers & Qt::KeypadModifier) {
    if (int code = keypadCode(qtKey)) return code;
  }
  return mainCode(qtKey);
}

int windowsShiftState(Qt::KeyboardModifiers modifiers) {
  return ((modifiers & Qt::ShiftModifier) ? 1 : 0) | ((modifiers & Qt::ControlModifier) ? 2 : 0) |
         ((modifiers & Qt::AltModifier) ? 4 : 0);
}

int windowsMouseButton(Qt::MouseButtons buttons) {
  return ((buttons & Qt::LeftButton) ? 1 : 0) | ((buttons & Qt::RightButton) ? 2 : 0) |
         ((buttons & Qt::MiddleButton) ? 4 : 0);
}

}  // namespace sumimai

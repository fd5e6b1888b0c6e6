#include "key_codes.h"

#include <unordered_map>

namespace sumimai {
namespace {

int keypadCode(int qtKey) {
  // With NumLock off the keypad's digits arrive as Insert, End, Down, ...:
  // those keep the codes of the keys they stand for (45, 35, 40, ...).
  static const std::unordered_map<int, int> codes = {
      {Qt::Key_0, 96},         {Qt::Key_1, 97},     {Qt::Key_2, 98},      {Qt::Key_3, 99},
      {Qt::Key_4, 100},        {Qt::Key_5, 101},    {Qt::Key_6, 102},     {Qt::Key_7, 103},
      {Qt::Key_8, 104},        {Qt::Key_9, 105},    {Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107},
      {Qt::Key_Comma, 108},    {Qt::Key_Minus, 109}, {Qt::Key_Period, 110}, {Qt::Key_Slash, 111},
      {Qt::Key_Enter, 13},     {Qt::Key_Return, 13},
  };
  auto found = codes.find(qtKey);
  return found == codes.end() ? 0 : found->second;
}

int mainCode(int qtKey) {
  static const std::unordered_map<int, int> codes = {
      {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},      {Qt::Key_Backtab, 9},   {Qt::Key_Clear, 12},
      {Qt::Key_Return, 13},   {Qt::Key_Enter, 13},   {Qt::Key_Shift, 16},    {Qt::Key_Control, 17},
      {Qt::Key_Alt, 18},      {Qt::Key_Pause, 19},   {Qt::Key_CapsLock, 20}, {Qt::Key_Escape, 27},
      {Qt::Key_Space, 32},    {Qt::Key_PageUp, 33},  {Qt::Key_PageDown, 34}, {Qt::Key_End, 35},
      {Qt::Key_Home, 36},     {Qt::Key_Left, 37},    {Qt::Key_Up, 38},       {Qt::Key_Right, 39},
      {Qt::Key_Down, 40},     {Qt::Key_Print, 44},   {Qt::Key_Insert, 45},   {Qt::Key_Delete, 46},
      {Qt::Key_Meta, 91},     {Qt::Key_Menu, 93},    {Qt::Key_NumLock, 144}, {Qt::Key_ScrollLock, 145},
      {Qt::Key_Semicolon, 186}, {Qt::Key_Equal, 187}, {Qt::Key_Comma, 188},  {Qt::Key_Minus, 189},
      {Qt::Key_Period, 190},  {Qt::Key_Slash, 191},  {Qt::Key_BracketLeft, 219}, {Qt::Key_Backslash, 220},
      {Qt::Key_BracketRight, 221}, {Qt::Key_Apostrophe, 222},
  };
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return qtKey;  // '0'..'9' are 48..57 in both
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return qtKey;  // 'A'..'Z' are 65..90 in both
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return 112 + (qtKey - Qt::Key_F1);
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

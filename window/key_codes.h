// The key codes the window logic's key handlers receive: Windows virtual-key
// codes, named once for the handlers and for the window system that makes
// them.
#pragma once

namespace sumimai::key {

inline constexpr int kBackspace = 8;
inline constexpr int kTab = 9;
inline constexpr int kClear = 12;
inline constexpr int kReturn = 13;  // Enter, on the main keys and the keypad
inline constexpr int kShift = 16;
inline constexpr int kControl = 17;
inline constexpr int kAlt = 18;
inline constexpr int kPause = 19;
inline constexpr int kCapsLock = 20;
inline constexpr int kEscape = 27;
inline constexpr int kSpace = 32;
inline constexpr int kPageUp = 33;
inline constexpr int kPageDown = 34;
inline constexpr int kEnd = 35;
inline constexpr int kHome = 36;
inline constexpr int kLeft = 37;
inline constexpr int kUp = 38;
inline constexpr int kRight = 39;
inline constexpr int kDown = 40;
inline constexpr int kPrint = 44;
inline constexpr int kInsert = 45;
inline constexpr int kDelete = 46;
inline constexpr int kDigit0 = 48;   // '0'..'9' are 48..57
inline constexpr int kLetterA = 65;  // 'A'..'Z' are 65..90
inline constexpr int kMeta = 91;
inline constexpr int kMenu = 93;
inline constexpr int kKeypad0 = 96;  // the keypad's digits are 96..105
inline constexpr int kKeypadMultiply = 106;
inline constexpr int kKeypadAdd = 107;
inline constexpr int kKeypadSeparator = 108;
inline constexpr int kKeypadSubtract = 109;
inline constexpr int kKeypadDecimal = 110;
inline constexpr int kKeypadDivide = 111;
inline constexpr int kF1 = 112;  // F1..F24 are 112..135
inline constexpr int kNumLock = 144;
inline constexpr int kScrollLock = 145;
inline constexpr int kSemicolon = 186;
inline constexpr int kEqual = 187;
inline constexpr int kComma = 188;
inline constexpr int kMinus = 189;
inline constexpr int kPeriod = 190;
inline constexpr int kSlash = 191;
inline constexpr int kBracketLeft = 219;
inline constexpr int kBackslash = 220;
inline constexpr int kBracketRight = 221;
inline constexpr int kApostrophe = 222;

constexpr int letter(char upper) { return kLetterA + (upper - 'A'); }
constexpr int keypadDigit(int digit) { return kKeypad0 + digit; }

}  // namespace sumimai::key

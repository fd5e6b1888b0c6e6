// The one UTF-8 decoder of the project. It is strict: an overlong form, an
// encoded surrogate (U+D800..U+DFFF), a value beyond U+10FFFF, a sequence cut
// short, a continuation byte where a character should begin and a byte that
// never occurs in UTF-8 (C0, C1, F5..FF) are all errors, reported with the
// byte offset (from 0) where the bad sequence begins.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace sumimai {

enum class Utf8Fault { None, StrayByte, CutShort, Overlong, Surrogate, BeyondUnicode };

// One step of decoding: the code point the bytes at an offset begin and how
// many bytes it takes, or the fault there (then length is 0).
struct Utf8Step {
  char32_t codePoint = 0;
  std::size_t length = 0;
  Utf8Fault fault = Utf8Fault::None;
};

// Decodes the sequence that begins at `offset` (which lies within text).
Utf8Step decodeUtf8At(std::string_view text, std::size_t offset);

// A text decoded whole: its code points, or where the first fault lies.
struct [[nodiscard]] Utf8Decoded {
  std::u32string codePoints;  // all of them when ok, those before the fault otherwise
  std::size_t faultOffset = 0;
  Utf8Fault fault = Utf8Fault::None;
  bool ok() const { return fault == Utf8Fault::None; }
  // "" when ok; otherwise a sentence such as "not UTF-8 at byte offset 3 (an
  // overlong form)".
  std::string problem() const;
};
Utf8Decoded decodeUtf8(std::string_view text);

// What the fault is, in a few words ("an encoded surrogate").
std::string_view utf8FaultName(Utf8Fault fault);

// "not UTF-8 at byte offset 3 (an overlong form)".
std::string utf8Problem(std::size_t offset, Utf8Fault fault);

// The UTF-8 bytes of a code point (one that is not a surrogate and at most
// U+10FFFF; anything else gives U+FFFD).
std::string encodeUtf8(char32_t codePoint);

}  // namespace sumimai

#include "utf8.h"

#include "user_language.h"

namespace sumimai {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The length a lead byte announces, 0 for a byte that cannot lead.
std::size_t announcedLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

// C0 and C1 can only lead overlong forms of two bytes.
bool leadsOverlongPair(unsigned char lead) { return lead == 0xC0 || lead == 0xC1; }

}  // namespace

Utf8Step decodeUtf8At(std::string_view text, std::size_t offset) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[offset + i]); };
  const unsigned char lead = byte(0);
  const std::size_t length = announcedLength(lead);
  if (length == 0) return {0, 0, leadsOverlongPair(lead) ? Utf8Fault::Overlong : Utf8Fault::StrayByte};
  if (length == 1) return {lead, 1, Utf8Fault::None};
  char32_t c = lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    if (offset + i >= text.size() || !isContinuation(byte(i))) return {0, 0, Utf8Fault::CutShort};
    c = c << 6 | (byte(i) & 0x3F);
  }
  static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (c < kSmallest[length]) return {0, 0, Utf8Fault::Overlong};
  if (c >= 0xD800 && c <= 0xDFFF) return {0, 0, Utf8Fault::Surrogate};
  if (c > 0x10FFFF) return {0, 0, Utf8Fault::BeyondUnicode};
  return {c, length, Utf8Fault::None};
}

Utf8Decoded decodeUtf8(std::string_view text) {
  Utf8Decoded decoded;
  for (std::size_t at = 0; at < text.size();) {
    const Utf8Step step = decodeUtf8At(text, at);
    if (step.fault != Utf8Fault::None) {
      decoded.fault = step.fault;
      decoded.faultOffset = at;
      return decoded;
    }
    decoded.codePoints.push_back(step.codePoint);
    at += step.length;
  }
  return decoded;
}

std::string Utf8Decoded::problem() const { return ok() ? "" : utf8Problem(faultOffset, fault); }

std::string utf8Problem(std::size_t offset, Utf8Fault fault) {
  return filledIn(userText("Text", "not UTF-8 at byte offset %1 (%2)"),
                  {std::to_string(offset), userText("Text", std::string(utf8FaultName(fault)).c_str())});
}

std::string_view utf8FaultName(Utf8Fault fault) {
  switch (fault) {
    case Utf8Fault::None: return "no fault";
    case Utf8Fault::StrayByte: return "a byte that does not begin a character";
    case Utf8Fault::CutShort: return "a sequence cut short";
    case Utf8Fault::Overlong: return "an overlong form";
    case Utf8Fault::Surrogate: return "an encoded surrogate";
    case Utf8Fault::BeyondUnicode: return "a value beyond U+10FFFF";
  }
  return "";
}

std::string encodeUtf8(char32_t c) {
  if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) c = kReplacement;
  std::string s;
  const auto put = [&s](char32_t bits) { s.push_back(static_cast<char>(bits)); };
  if (c < 0x80) {
    put(c);
  } else if (c < 0x800) {
    put(0xC0 | c >> 6), put(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    put(0xE0 | c >> 12), put(0x80 | (c >> 6 & 0x3F)), put(0x80 | (c & 0x3F));
  } else {
    put(0xF0 | c >> 18), put(0x80 | (c >> 12 & 0x3F)), put(0x80 | (c >> 6 & 0x3F)), put(0x80 | (c & 0x3F));
  }
  return s;
}

}  // namespace sumimai

// The one UTF-8 decoder: well-formed text of every length decodes, and each
// kind of malformed sequence is refused at the offset where it begins.
#include "core/utf8.h"

#include <gtest/gtest.h>

namespace sumimai {
namespace {

TEST(Utf8, WellFormedSequencesOfEveryLengthDecode) {
  const Utf8Decoded d = decodeUtf8("a\xC3\xA9\xE8\x89\xB2\xF0\x9F\x80\x84\xF4\x8F\xBF\xBF");
  ASSERT_TRUE(d.ok());
  EXPECT_EQ(d.codePoints, (std::u32string{U'a', U'é', U'色', U'\U0001F004', U'\U0010FFFF'}));
  EXPECT_EQ(d.problem(), "");
  EXPECT_TRUE(decodeUtf8("").ok());
  // The edges of each length: U+007F, U+0080, U+07FF, U+0800, U+FFFF, U+10000.
  EXPECT_EQ(decodeUtf8("\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF\xF0\x90\x80\x80").codePoints,
            (std::u32string{0x7F, 0x80, 0x7FF, 0x800, 0xFFFF, 0x10000}));
  EXPECT_EQ(encodeUtf8(U'色') + encodeUtf8(U'\U0010FFFF') + encodeUtf8(U'é'), "色\xF4\x8F\xBF\xBF" "é");
  EXPECT_EQ(encodeUtf8(0xD800), "\xEF\xBF\xBD");
}

TEST(Utf8, EachMalformedSequenceIsRefusedWhereItBegins) {
  struct Case {
    const char* bytes;
    std::size_t offset;
    Utf8Fault fault;
  };
  const Case cases[] = {
      {"ab\xC0\xAF", 2, Utf8Fault::Overlong},             // "/" in two bytes
      {"\xC1\xBF", 0, Utf8Fault::Overlong},
      {"\xE0\x80\xAF", 0, Utf8Fault::Overlong},           // "/" in three bytes
      {"x\xF0\x80\x80\xAF", 1, Utf8Fault::Overlong},      // "/" in four bytes
      {"\xED\xA0\x80", 0, Utf8Fault::Surrogate},          // U+D800
      {"色\xED\xBF\xBF", 3, Utf8Fault::Surrogate},        // U+DFFF
      {"\xF4\x90\x80\x80", 0, Utf8Fault::BeyondUnicode},  // U+110000
      {"\xF5\x80\x80\x80", 0, Utf8Fault::StrayByte},
      {"\xFF", 0, Utf8Fault::StrayByte},
      {"a\x80", 1, Utf8Fault::StrayByte},                 // a continuation byte alone
      {"\xE8\x89", 0, Utf8Fault::CutShort},               // 色 cut at the end
      {"\xE8\x89z", 0, Utf8Fault::CutShort},              // and in the middle
      {"ok\xF0\x9F\x80", 2, Utf8Fault::CutShort},
  };
  for (const Case& c : cases) {
    const Utf8Decoded d = decodeUtf8(c.bytes);
    EXPECT_EQ(d.fault, c.fault) << c.offset;
    EXPECT_EQ(d.faultOffset, c.offset) << static_cast<int>(c.fault);
  }
  EXPECT_EQ(decodeUtf8("ab\xC0\xAF").problem(), "not UTF-8 at byte offset 2 (an overlong form)");
  EXPECT_EQ(decodeUtf8("\xED\xA0\x80").problem(), "not UTF-8 at byte offset 0 (an encoded surrogate)");
}

}  // namespace
}  // namespace sumimai

// The one UTF-8 decoder: well-formed text of every length decodes, and each
// kind of malformed sequence is refused at the offset where it begins.
#include "core/utf8.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

namespace sumimai {
namespace {

// Whether the C library's converter takes the bytes as UTF-8: an oracle that
// shares no code with the decoder.
bool iconvTakes(const std::string& bytes) {
  static iconv_t cd = iconv_open("UTF-32LE", "UTF-8");
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  char* in = const_cast<char*>(bytes.data());
  std::size_t inLeft = bytes.size();
  char buffer[64];
  char* out = buffer;
  std::size_t outLeft = sizeof buffer;
  return iconv(cd, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1) && inLeft == 0;
}

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

// Every lead byte with every second byte, and the third and fourth bytes at
// the edges of the continuation range and just outside it: the decoder
// agrees with the C library on each sequence.
TEST(Utf8, AgreesWithTheCLibraryOnEverySequenceShape) {
  ASSERT_TRUE(iconvTakes("\xE8\x89\xB2"));
  ASSERT_FALSE(iconvTakes("\xED\xA0\x80"));  // the oracle refuses surrogates too
  const int tails[] = {0x41, 0x7F, 0x80, 0x8F, 0x90, 0x9F, 0xA0, 0xBF, 0xC0};
  int checked = 0;
  for (int lead = 0; lead < 256; ++lead) {
    for (int second = 0; second < 256; ++second) {
      for (int third : tails) {
        for (int fourth : tails) {
          const std::string bytes{char(lead), char(second), char(third), char(fourth)};
          const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
          const std::string one = bytes.substr(0, length);
          ASSERT_EQ(decodeUtf8(one).ok(), iconvTakes(one)) << lead << " " << second << " " << third << " " << fourth;
          ++checked;
        }
      }
    }
  }
  EXPECT_GT(checked, 5'000'000);
}

}  // namespace
}  // namespace sumimai

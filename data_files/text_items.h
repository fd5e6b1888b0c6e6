// Reading a text file as a sequence of items: the format shared by stroke
// files, the page file, the character list and the settings file.
#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <string>

namespace sumimai {

enum class TextEncoding { ShiftJis, Utf8 };

struct TextItem {
  std::string text;        // UTF-8, quotes removed, blanks and tabs around it dropped
  bool quoted = false;     // the item was written in double quotes
  bool truncated = false;  // longer than TextItemReader::kMaxItemBytes; text holds the start
};

// Items are separated by commas or line breaks (CR LF, CR or LF), which count
// alike; blanks and tabs around an item are ignored; an item in double quotes
// may hold commas (a line break ends it even without its closing quote, and
// what follows the closing quote up to the separator is dropped). A file that starts with a UTF-8
// byte-order mark is read as UTF-8, any other as Shift-JIS (code page 932).
// The reader takes bytes from the stream only as it needs them and never holds
// more than one item, so a huge or binary file costs no memory.
class TextItemReader {
 public:
  static constexpr std::size_t kMaxItemBytes = 4096;

  explicit TextItemReader(std::istream& in);

  // The next item, or nothing at the end of the file.
  std::optional<TextItem> next();

  TextEncoding encoding() const { return encoding_; }
  // Number of items read so far.
  std::size_t itemsRead() const { return itemsRead_; }

 private:
  int get();
  int peek();
  void skipLineBreak(int c);
  void append(std::string& raw, bool& truncated, int c);

  std::istream& in_;
  TextEncoding encoding_ = TextEncoding::ShiftJis;
  std::size_t itemsRead_ = 0;
};

// Shift-JIS (code page 932) bytes as UTF-8; a byte sequence that is not
// Shift-JIS becomes U+FFFD.
std::string shiftJisToUtf8(const std::string& bytes);

// Bytes that claim to be UTF-8, with every invalid sequence replaced by U+FFFD.
std::string validUtf8(const std::string& bytes);

// The longest start of the UTF-8 text that is at most maxBytes long and does
// not cut a character in two: how a long item is quoted in a message.
std::string utf8Prefix(const std::string& text, std::size_t maxBytes);

// A numeric item as a file holds it: its value (blanks and tabs around it
// ignored, an empty item 0), or what is wrong with it, quoting its start:
// "「abc」は数値ではありません。", or for an item longer than the reader keeps,
// "「1234…」は長すぎます（4096 バイトを超えています）。".
struct [[nodiscard]] NumberItem {
  std::optional<double> value;
  std::string problem;
};
NumberItem numberOfItem(const TextItem& item);

}  // namespace sumimai

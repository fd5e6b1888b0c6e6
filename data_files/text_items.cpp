#include "text_items.h"

#include <iconv.h>

#include <cerrno>
#include <cstring>

#include "core/printable.h"
#include "core/user_language.h"
#include "core/utf8.h"
#include "number_forms.h"

namespace sumimai {
namespace {

constexpr int kEnd = std::char_traits<char>::eof();
const char kReplacement[] = "\xEF\xBF\xBD";  // U+FFFD

bool isLineBreak(int c) { return c == '\r' || c == '\n'; }
bool isBlank(int c) { return c == ' ' || c == '\t'; }

bool isAscii(const std::string& s) {
  for (unsigned char c : s) {
    if (c >= 0x80) return false;
  }
  return true;
}

void trimTrailingBlanks(std::string& s) {
  while (!s.empty() && isBlank(static_cast<unsigned char>(s.back()))) s.pop_back();
}

}  // namespace

TextItemReader::TextItemReader(std::istream& in) : in_(in) {
  const char bom[] = "\xEF\xBB\xBF";
  std::istream::pos_type start = in_.tellg();
  char head[3] = {};
  in_.read(head, 3);
  if (in_.gcount() == 3 && std::memcmp(head, bom, 3) == 0) {
    encoding_ = TextEncoding::Utf8;
    return;
  }
  in_.clear();
  in_.seekg(start);
}

int TextItemReader::get() { return in_.get(); }
int TextItemReader::peek() { return in_.peek(); }

void TextItemReader::skipLineBreak(int c) {
  if (c == '\r' && peek() == '\n') get();
}

void TextItemReader::append(std::string& raw, bool& truncated, int c) {
  if (raw.size() < kMaxItemBytes) {
    raw.push_back(static_cast<char>(c));
  } else {
    truncated = true;
  }
}

std::optional<TextItem> TextItemReader::next() {
  int c = get();
  while (isBlank(c)) c = get();
  if (c == kEnd) return std::nullopt;

  TextItem item;
  std::string raw;
  if (c == '"') {
    item.quoted = true;
    for (c = get(); c != kEnd && c != '"' && !isLineBreak(c); c = get()) {
      append(raw, item.truncated, c);
    }
    if (c == '"') {  // drop what stands between the closing quote and the separator
      for (c = get(); c != kEnd && c != ',' && !isLineBreak(c); c = get()) {
      }
    }
  } else {
    for (; c != kEnd && c != ',' && !isLineBreak(c); c = get()) {
      append(raw, item.truncated, c);
    }
    trimTrailingBlanks(raw);
  }
  if (isLineBreak(c)) skipLineBreak(c);

  if (isAscii(raw)) {
    item.text = std::move(raw);
  } else {
    item.text = encoding_ == TextEncoding::Utf8 ? validUtf8(raw) : shiftJisToUtf8(raw);
  }
  ++itemsRead_;
  return item;
}

std::string shiftJisToUtf8(const std::string& bytes) {
  iconv_t cd = iconv_open("UTF-8", "CP932");
  if (cd == reinterpret_cast<iconv_t>(-1)) return validUtf8(bytes);
  std::string out;
  char buffer[256];
  char* in = const_cast<char*>(bytes.data());
  std::size_t inLeft = bytes.size();
  while (inLeft > 0) {
    char* outPtr = buffer;
    std::size_t outLeft = sizeof buffer;
    std::size_t r = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
    if (r == static_cast<std::size_t>(-1) && errno != E2BIG) {
      out += kReplacement;  // EILSEQ or EINVAL: skip the offending byte
      ++in;
      --inLeft;
    }
  }
  iconv_close(cd);
  return out;
}

std::string validUtf8(const std::string& bytes) {
  std::string out;
  for (std::size_t i = 0; i < bytes.size();) {
    const Utf8Step step = decodeUtf8At(bytes, i);
    if (step.fault == Utf8Fault::None) {
      out.append(bytes, i, step.length);
      i += step.length;
    } else {
      out += kReplacement;
      ++i;
    }
  }
  return out;
}

std::string utf8Prefix(const std::string& text, std::size_t maxBytes) {
  if (text.size() <= maxBytes) return text;
  std::size_t end = maxBytes;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;  // a continuation byte
  return text.substr(0, end);
}

NumberItem numberOfItem(const TextItem& item) {
  constexpr std::size_t kQuoted = 40;  // bytes of the item a message quotes
  const std::string quoted = printable(utf8Prefix(item.text, kQuoted));
  if (item.truncated) {
    return {std::nullopt, filledIn(userText("DataFiles", "「%1…」は長すぎます（%2 バイトを超えています）。"),
                                   {quoted, std::to_string(TextItemReader::kMaxItemBytes)})};
  }
  std::optional<double> value = parseNumberItem(item.text);
  if (!value) return {std::nullopt, filledIn(userText("DataFiles", "「%1」は数値ではありません。"), {quoted})};
  return {value, ""};
}

}  // namespace sumimai

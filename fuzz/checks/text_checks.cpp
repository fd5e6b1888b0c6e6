#include "text_checks.h"

#include <algorithm>
#include <sstream>
#include <vector>

#include "data_files/character_list.h"
#include "data_files/text_items.h"
#include "scratch_file.h"
#include "core/utf8.h"

namespace sumimai::fuzz {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isBlank(char c) { return c == ' ' || c == '\t'; }

void checkItem(const TextItem& item, Problems& problems) {
  const std::string& t = item.text;
  expect(problems, decodeUtf8(t).ok(), "an item is not well-formed UTF-8");
  expect(problems, t.find_first_of("\r\n") == std::string::npos, "an item holds a line break");
  expect(problems, t.size() <= 3 * TextItemReader::kMaxItemBytes, "an item is longer than the limit allows");
  if (item.quoted || t.empty()) return;
  expect(problems, t.find(',') == std::string::npos, "an unquoted item holds a comma");
  expect(problems, !isBlank(t.front()) && !isBlank(t.back()), "an unquoted item keeps a blank at an end");
}

// Reads every item of bytes, checking each; returns their texts.
std::vector<std::string> readItems(std::string_view bytes, Problems& problems) {
  std::istringstream in{std::string(bytes)};
  TextItemReader reader(in);
  bool marked = bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark;
  expect(problems, (reader.encoding() == TextEncoding::Utf8) == marked,
         "the encoding does not follow the byte-order mark");
  std::vector<std::string> texts;
  while (std::optional<TextItem> item = reader.next()) {
    checkItem(*item, problems);
    texts.push_back(std::move(item->text));
  }
  std::size_t separators = static_cast<std::size_t>(
      std::count_if(bytes.begin(), bytes.end(), [](char c) { return c == ',' || c == '\r' || c == '\n'; }));
  expect(problems, texts.size() <= separators + 1, "more items than separators + 1");
  expect(problems, reader.itemsRead() == texts.size(), "itemsRead differs from the items returned");
  return texts;
}

void checkConversions(std::string_view bytes, Problems& problems) {
  std::string raw(bytes);
  std::string fromShiftJis = shiftJisToUtf8(raw), checked = validUtf8(raw);
  expect(problems, decodeUtf8(fromShiftJis).ok(), "shiftJisToUtf8 gives ill-formed UTF-8");
  expect(problems, decodeUtf8(checked).ok(), "validUtf8 gives ill-formed UTF-8");
  expect(problems, validUtf8(checked) == checked, "validUtf8 changes well-formed UTF-8");
  expect(problems, !decodeUtf8(raw).ok() || checked == raw, "validUtf8 changes well-formed input");
}

void checkCharacterList(std::string_view bytes, const std::vector<std::string>& items, Problems& problems) {
  SutraTextTable text;
  text.fill("stale");
  CharacterListRead read = readCharacterList(writeScratchFile(kCharacterListName, bytes), text);
  const std::size_t n = static_cast<std::size_t>(kSutraCharacters);
  expect(problems, read.ok == (items.size() >= n), "the list is ok exactly when it holds 276 items");
  expect(problems, read.ok || decodeUtf8(read.problem).ok(), "the list's message is not well-formed UTF-8");
  for (std::size_t slot = 0; slot < text.size(); ++slot) {
    const std::string expected = slot >= 1 && slot <= std::min(n, items.size()) ? items[slot - 1] : "";
    if (text[slot] != expected) {
      problems.push_back("character list slot " + std::to_string(slot) + " is not the item read");
      return;
    }
  }
}

}  // namespace

Problems checkTextItems(std::string_view bytes) {
  Problems problems;
  std::vector<std::string> items = readItems(bytes, problems);
  placeSince(problems, 0, "as given");
  std::size_t before = problems.size();
  (void)readItems(std::string(kByteOrderMark) + std::string(bytes), problems);
  placeSince(problems, before, "as UTF-8");
  checkConversions(bytes, problems);
  checkCharacterList(bytes, items, problems);
  return problems;
}

}  // namespace sumimai::fuzz

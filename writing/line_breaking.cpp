#include "line_breaking.h"

#include <algorithm>
#include <set>

namespace sumimai {
namespace {

// Characters placed on the line being filled, by their index in the text.
struct OpenLine {
  std::vector<std::size_t> members;
};

// How many characters of a full line go on with `next` into the following
// line so that no rule is broken where it wraps: 0 when none need to, or
// when no break within the line would keep the rules.
std::size_t carriedAlong(const std::vector<std::string>& text, const OpenLine& full, std::size_t next) {
  const std::size_t n = full.members.size();
  for (std::size_t carry = 0; carry < n; ++carry) {
    const std::string& begins = text[carry == 0 ? next : full.members[n - carry]];
    const std::string& ends = text[full.members[n - 1 - carry]];
    if (!mayNotBeginALine(begins) && !mayNotEndALine(ends)) return carry;
  }
  return 0;
}

}  // namespace

bool isSmallKana(std::string_view c) {
  static const std::set<std::string_view> small = {
      "ぁ", "ぃ", "ぅ", "ぇ", "ぉ", "っ", "ゃ", "ゅ", "ょ", "ゎ", "ゕ", "ゖ", "ァ", "ィ", "ゥ", "ェ", "ォ",
      "ッ", "ャ", "ュ", "ョ", "ヮ", "ヵ", "ヶ", "ㇰ", "ㇱ", "ㇲ", "ㇳ", "ㇴ", "ㇵ", "ㇶ", "ㇷ", "ㇸ", "ㇹ",
      "ㇺ", "ㇻ", "ㇼ", "ㇽ", "ㇾ", "ㇿ"};
  return small.contains(c);
}

bool isLineFeed(std::string_view c) { return c == "\n" || c == "\r" || c == "\r\n"; }

bool mayNotBeginALine(std::string_view c) {
  static const std::set<std::string_view> closing = {
      "、", "。", "，", "．", "､", "｡", "」", "』", "）", "】", "〕", "〉", "》", "］", "｝", "ー", "〜",
      "！", "？", "・", "･", "…", "‥", "ゝ", "ゞ", "ヽ", "ヾ", "々", "〻", ")", "]", "}", ",", ".", "!", "?"};
  return closing.contains(c) || isSmallKana(c);
}

bool mayNotEndALine(std::string_view c) {
  static const std::set<std::string_view> opening = {"「", "『", "（", "【", "〔", "〈", "《", "［", "｛", "(", "[", "{"};
  return opening.contains(c);
}

TextLines breakLines(const std::vector<std::string>& text, int perLine) {
  perLine = std::max(perLine, 1);
  TextLines lines;
  lines.places.resize(text.size());
  int line = 0;
  OpenLine open;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (isLineFeed(text[i])) {
      lines.places[i].placed = false;
      if (text[i] != "\r") ++line, open = {};
      continue;
    }
    if (static_cast<int>(open.members.size()) == perLine) {
      const std::size_t carry = carriedAlong(text, open, i);
      OpenLine next;
      next.members.assign(open.members.end() - static_cast<long>(carry), open.members.end());
      open = std::move(next);
      ++line;
      for (std::size_t k = 0; k < open.members.size(); ++k) {
        lines.places[open.members[k]] = {line, static_cast<int>(k), true};
      }
    }
    lines.places[i] = {line, static_cast<int>(open.members.size()), true};
    open.members.push_back(i);
    lines.lines = line + 1;
  }
  return lines;
}

int longestLine(const std::vector<std::string>& text) {
  int longest = 0, current = 0;
  for (const std::string& c : text) {
    if (isLineFeed(c)) {
      if (c != "\r") current = 0;
      continue;
    }
    longest = std::max(longest, ++current);
  }
  return longest;
}

}  // namespace sumimai

// Lines of a text: line feeds and empty lines, wrapping at the line's
// length, and the line breaking rules where a line wraps: what may not
// begin a line takes the character before it along, an opening bracket
// goes with what follows it, and a line is never emptied for them.
#include "writing/line_breaking.h"

#include <gtest/gtest.h>

namespace sumimai {
namespace {

// Each character's line and place, "-" for one without a place.
std::string placesOf(const std::vector<std::string>& text, int perLine) {
  const TextLines lines = breakLines(text, perLine);
  std::string out;
  for (const LinePlace& p : lines.places) {
    out += p.placed ? std::to_string(p.line) + "." + std::to_string(p.along) + " " : "- ";
  }
  return out + "(" + std::to_string(lines.lines) + ")";
}

TEST(LineBreaking, LineFeedsEndLinesAndLongLinesWrap) {
  EXPECT_EQ(placesOf({"春", "\n", "\n", "夏", "秋", "冬"}, 2), "0.0 - - 2.0 2.1 3.0 (4)");
  EXPECT_EQ(placesOf({"春", "\r", "\n", "夏"}, 5), "0.0 - - 1.0 (2)");  // CR LF is one line feed
  EXPECT_EQ(placesOf({"春", "\n"}, 5), "0.0 - (1)");                   // no empty line at the end
  EXPECT_EQ(longestLine({"春", "夏", "\n", "秋", "\n", "冬", "冬", "冬"}), 3);
}

TEST(LineBreaking, WhatMayNotBeginALineTakesTheCharacterBeforeItAlong) {
  // か。 would begin the second line with 。: か goes with it.
  EXPECT_EQ(placesOf({"あ", "い", "か", "。", "え"}, 3), "0.0 0.1 1.0 1.1 1.2 (2)");
  // Small kana, ー and closing brackets alike; the rule holds again in the next line.
  EXPECT_EQ(placesOf({"コ", "ー", "ヒ", "ー"}, 3), "0.0 0.1 1.0 1.1 (2)");
  EXPECT_EQ(placesOf({"ち", "ょ", "っ", "と", "ち", "ょ"}, 3), "0.0 0.1 0.2 1.0 1.1 1.2 (2)");
  EXPECT_EQ(placesOf({"あ", "「", "い", "」", "。"}, 4), "0.0 1.0 1.1 1.2 1.3 (2)");
  // Where no break keeps the rules the line wraps where it is full.
  EXPECT_EQ(placesOf({"ち", "ょ", "っ", "と"}, 2), "0.0 0.1 1.0 1.1 (2)");
  // An opening bracket does not end a line: it goes on with what it opens.
  EXPECT_EQ(placesOf({"あ", "い", "「", "う", "」"}, 3), "0.0 0.1 1.0 1.1 1.2 (2)");
  // A line of nothing but characters that may not begin one is not emptied.
  EXPECT_EQ(placesOf({"ー", "ー", "ー"}, 2), "0.0 0.1 1.0 (2)");
}

TEST(LineBreaking, TheCharactersOfTheRules) {
  for (const char* c : {"、", "。", "」", "』", "）", "ー", "ぁ", "っ", "ゃ", "ゅ", "ょ", "ッ", "ャ", "！", "？", "々"}) {
    EXPECT_TRUE(mayNotBeginALine(c)) << c;
  }
  for (const char* c : {"あ", "つ", "よ", "ツ", "字", "「", "1"}) EXPECT_FALSE(mayNotBeginALine(c)) << c;
  EXPECT_TRUE(mayNotEndALine("「"));
  EXPECT_TRUE(mayNotEndALine("（"));
  EXPECT_FALSE(mayNotEndALine("」"));
  EXPECT_TRUE(isSmallKana("ょ"));
  EXPECT_FALSE(isSmallKana("ー"));
}

}  // namespace
}  // namespace sumimai

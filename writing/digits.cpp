// The digits as they are taught in Japanese schools, each within the middle
// of the character box (a digit is narrower than a kanji): 0 from the top
// round to the left, 4 and 5 in two strokes (5's bar last), 8 from its top
// right, 9 its round and on down its stem without a lift.
#include <map>

#include "drawn_marks.h"

namespace sumimai {
namespace {

constexpr double kPen = 30;  // the brush radius of a digit's strokes

MarkStroke line(std::initializer_list<std::pair<double, double>> points) {
  MarkStroke s;
  for (const auto& [x, y] : points) s.push_back({x, y, kPen});
  return s;
}

std::vector<MarkStroke> shapeOf(int digit) {
  switch (digit) {
    case 0: return {arc(512, 512, 190, 340, -90, -450, kPen)};
    case 1: return {line({{470, 230}, {530, 175}, {530, 860}})};
    case 2: return {joined(arc(512, 345, 180, 175, 190, 380, kPen), line({{320, 860}, {720, 860}}))};
    case 3: return {joined(arc(500, 335, 175, 165, 205, 450, kPen), arc(500, 675, 205, 185, -90, 155, kPen))};
    case 4: return {line({{560, 160}, {300, 650}, {750, 650}}), line({{610, 420}, {610, 880}})};
    case 5: return {joined(line({{370, 170}, {345, 500}}), arc(505, 665, 200, 190, -125, 150, kPen)),
                    line({{370, 170}, {720, 170}})};
    case 6: return {line({{650, 160}, {520, 265}, {405, 420}, {338, 600}, {345, 745}, {420, 850}, {520, 872},
                          {635, 822}, {688, 700}, {640, 590}, {522, 558}, {405, 608}, {348, 700}})};
    case 7: return {line({{305, 240}, {310, 185}, {720, 185}, {470, 875}})};
    case 8: return {line({{640, 245}, {512, 165}, {385, 240}, {392, 370}, {512, 470}, {652, 572}, {684, 722},
                          {602, 852}, {512, 872}, {402, 842}, {340, 722}, {380, 580}, {512, 470}, {632, 372},
                          {640, 245}})};
    case 9: return {joined(arc(500, 355, 175, 190, 0, -360, kPen), line({{640, 875}}))};
  }
  return {};
}

}  // namespace

std::vector<MarkStroke> digitStrokes(std::string_view character) {
  static const std::map<std::string_view, int> digits = {
      {"0", 0}, {"1", 1}, {"2", 2}, {"3", 3}, {"4", 4}, {"5", 5}, {"6", 6}, {"7", 7}, {"8", 8}, {"9", 9},
      {"０", 0}, {"１", 1}, {"２", 2}, {"３", 3}, {"４", 4}, {"５", 5}, {"６", 6}, {"７", 7}, {"８", 8}, {"９", 9}};
  const auto found = digits.find(character);
  return found == digits.end() ? std::vector<MarkStroke>{} : shapeOf(found->second);
}

}  // namespace sumimai

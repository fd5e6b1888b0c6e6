#include "punctuation.h"

#include <cmath>
#include <map>
#include <numbers>
#include <vector>

#include "drawn_marks.h"

namespace sumimai {
namespace {

// What a mark does in columns (vertical writing).
enum class InColumns {
  Stays,               // ・ ！ ？ and the digits
  MovesToTheTopRight,  // 、 。 ， ．: from the bottom left of the box to its top right (centred in Taiwan's text)
  Turns,               // brackets, quotes, ：；, 〜 and the leaders: a quarter turn clockwise about the centre
};

struct Mark {
  std::vector<MarkStroke> strokes;  // as the mark stands in a row
  InColumns inColumns = InColumns::Stays;
};

MarkStroke mirrored(MarkStroke s) {
  for (MarkPoint& p : s) p.x = kMarkBox - p.x;
  return s;
}

std::vector<MarkStroke> mirrored(std::vector<MarkStroke> strokes) {
  for (MarkStroke& s : strokes) s = mirrored(std::move(s));
  return strokes;
}

// A closing quote from an opening one: turned a half turn about the box's
// centre (a 6 becomes a 9), then raised back to the top of the box.
std::vector<MarkStroke> turnedHalf(std::vector<MarkStroke> strokes) {
  for (MarkStroke& s : strokes) {
    for (MarkPoint& p : s) p = {kMarkBox - p.x, kMarkBox - p.y - 524, p.radius};
  }
  return strokes;
}

// A wave across the box's middle: one period, from the left.
MarkStroke wave() {
  MarkStroke s;
  for (int i = 0; i <= 16; ++i) {
    const double t = i / 16.0;
    s.push_back({150 + 724 * t, 512 - 70 * std::sin(2 * std::numbers::pi * t), 22});
  }
  return s;
}

// The marks as they stand in a row: closing marks in the left half of the
// box, opening ones in the right half, 、。，． at the bottom left.
const std::map<std::string_view, Mark>& marks() {
  static const std::vector<MarkStroke> comma = {{{165, 735, 12}, {200, 790, 32}, {240, 850, 34}, {262, 888, 16}}};
  static const std::vector<MarkStroke> stop = {arc(220, 810, 78, 78, -90, 270, 17)};
  static const std::vector<MarkStroke> fullComma = {{{215, 795, 34}, {228, 840, 30}, {190, 905, 12}}};
  static const std::vector<MarkStroke> fullStop = {dot(222, 842, 36)};
  static const std::vector<MarkStroke> middleDot = {dot(512, 515, 36)};
  static const std::vector<MarkStroke> open = {{{880, 130, 18}, {580, 130, 22}, {580, 640, 18}}};
  static const std::vector<MarkStroke> close = {{{144, 894, 18}, {444, 894, 22}, {444, 384, 18}}};
  static const std::vector<MarkStroke> doubleOpen = {{{880, 110, 14}, {560, 110, 16}, {560, 660, 14}},
                                                     {{880, 210, 14}, {660, 210, 16}, {660, 660, 14}}};
  static const std::vector<MarkStroke> doubleClose = {{{144, 914, 14}, {464, 914, 16}, {464, 364, 14}},
                                                      {{144, 814, 14}, {364, 814, 16}, {364, 364, 14}}};
  static const std::vector<MarkStroke> paren = {arc(880, 512, 180, 400, 240, 120, 20)};
  static const std::vector<MarkStroke> lenticular = {
      {{850, 120, 22}, {640, 120, 40}, {600, 300, 55}, {600, 724, 55}, {640, 904, 40}, {850, 904, 22}}};
  static const std::vector<MarkStroke> shell = {{{860, 140, 18}, {720, 240, 22}, {720, 784, 22}, {860, 884, 18}}};
  static const std::vector<MarkStroke> exclamation = {{{512, 150, 34}, {512, 420, 26}, {512, 650, 14}},
                                                      dot(512, 830, 36)};
  static const std::vector<MarkStroke> question = {
      joined(arc(512, 330, 190, 170, 200, 420, 26), {{520, 560, 22}, {512, 650, 16}}), dot(512, 830, 36)};
  static const std::vector<MarkStroke> ellipsis = {dot(170, 515, 30), dot(512, 515, 30), dot(854, 515, 30)};
  static const std::vector<MarkStroke> twoDots = {dot(340, 515, 30), dot(684, 515, 30)};
  static const std::vector<MarkStroke> colon = {dot(512, 350, 34), dot(512, 690, 34)};
  static const std::vector<MarkStroke> semicolon = {dot(512, 350, 34), {{525, 665, 34}, {512, 730, 28}, {470, 810, 12}}};
  // Quotes high in the box, the opening ones (a 6's shape) in its right half.
  static const std::vector<MarkStroke> singleOpen = {{{790, 180, 10}, {745, 260, 22}, {742, 320, 30}}};
  static const std::vector<MarkStroke> doubleQuoteOpen = {singleOpen[0], {{670, 180, 10}, {625, 260, 22}, {622, 320, 30}}};
  static const std::vector<MarkStroke> angle = {{{860, 130, 14}, {620, 512, 22}, {860, 894, 14}}};
  static const std::vector<MarkStroke> doubleAngle = {{{880, 130, 14}, {660, 512, 20}, {880, 894, 14}},
                                                      {{760, 130, 14}, {540, 512, 20}, {760, 894, 14}}};
  using enum InColumns;
  static const std::map<std::string_view, Mark> all = {
      {"、", {comma, MovesToTheTopRight}},   {"､", {comma, MovesToTheTopRight}},
      {"。", {stop, MovesToTheTopRight}},    {"｡", {stop, MovesToTheTopRight}},
      {"，", {fullComma, MovesToTheTopRight}}, {",", {fullComma, MovesToTheTopRight}},
      {"．", {fullStop, MovesToTheTopRight}},  {".", {fullStop, MovesToTheTopRight}},
      {"・", {middleDot, Stays}},            {"･", {middleDot, Stays}},
      {"「", {open, Turns}},                 {"」", {close, Turns}},
      {"『", {doubleOpen, Turns}},           {"』", {doubleClose, Turns}},
      {"（", {paren, Turns}},                {"）", {mirrored(paren), Turns}},
      {"(", {paren, Turns}},                 {")", {mirrored(paren), Turns}},
      {"【", {lenticular, Turns}},           {"】", {mirrored(lenticular), Turns}},
      {"〔", {shell, Turns}},                {"〕", {mirrored(shell), Turns}},
      {"〜", {{wave()}, Turns}},             {"～", {{wave()}, Turns}},
      {"…", {ellipsis, Turns}},              {"‥", {twoDots, Turns}},
      {"：", {colon, Turns}},                {"；", {semicolon, Turns}},
      {"“", {doubleQuoteOpen, Turns}},       {"”", {turnedHalf(doubleQuoteOpen), Turns}},
      {"‘", {singleOpen, Turns}},            {"’", {turnedHalf(singleOpen), Turns}},
      {"《", {doubleAngle, Turns}},          {"》", {mirrored(doubleAngle), Turns}},
      {"〈", {angle, Turns}},                {"〉", {mirrored(angle), Turns}},
      {"！", {exclamation, Stays}},          {"!", {exclamation, Stays}},
      {"？", {question, Stays}},             {"?", {question, Stays}},
  };
  return all;
}

MarkStroke inColumns(InColumns rule, MarkStroke s) {
  for (MarkPoint& p : s) {
    if (rule == InColumns::MovesToTheTopRight) p = {p.x + 580, p.y - 600, p.radius};
    else if (rule == InColumns::Turns) p = {kMarkBox - p.y, p.x, p.radius};
  }
  return s;
}

// Taiwan sets 、。，． in the middle of the box, in columns and in rows.
MarkStroke centred(MarkStroke s) {
  for (MarkPoint& p : s) p = {p.x + 296, p.y - 300, p.radius};
  return s;
}

}  // namespace

std::optional<StrokeSource> PunctuationSource::find(std::string_view character, WritingDirection direction) const {
  std::vector<MarkStroke> strokes = digitStrokes(character);
  InColumns rule = InColumns::Stays;
  if (strokes.empty()) {
    const auto found = marks().find(character);
    if (found == marks().end()) return std::nullopt;
    strokes = found->second.strokes, rule = found->second.inColumns;
  }
  if (rule == InColumns::MovesToTheTopRight && tradition_ == Tradition::Taiwan) {
    for (MarkStroke& s : strokes) s = centred(std::move(s));
  } else if (direction == WritingDirection::Columns) {
    for (MarkStroke& s : strokes) s = inColumns(rule, std::move(s));
  }
  return StrokeSource{StrokeSource::Kind::Punctuation, "punctuation " + std::string(character), std::nullopt,
                      markStrokeFile(character, strokes), {}, {}};
}

}  // namespace sumimai

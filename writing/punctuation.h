// Punctuation and digits drawn from simple strokes of our own
// (drawn_marks.h): the stroke data has characters but neither, and a text
// for a class rarely goes without 、 。 or 第1課. Each mark is a stroke file
// whose strokes stand where the mark stands in its character box (two
// records that are never drawn, at the box's corners, give the fitting the
// whole box), so that it keeps its place and size among the characters
// around it. In columns (vertical
// writing) 、。，． stand at the box's top right and the brackets, 〜 and
// …‥ turn a quarter turn; in rows at the bottom left, the brackets upright.
// Taiwan's text sets 、。，． in the middle of the box either way.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "character_lookup.h"

namespace sumimai {

class PunctuationSource : public CharacterSource {
 public:
  explicit PunctuationSource(Tradition tradition = Tradition::Japanese) : tradition_(tradition) {}
  // 、。，．・「」『』（）【】〔〕〜…‥！？, their half-width and ASCII
  // forms, the Chinese ：；“”‘’《》〈〉, and the digits 0-9 full-width and
  // ASCII, placed for columns or for rows as the tradition places them.
  std::optional<StrokeSource> find(std::string_view character, WritingDirection direction) const override;

 private:
  Tradition tradition_;
};

}  // namespace sumimai

// Punctuation drawn from simple strokes of our own: the stroke data has
// characters but no punctuation, and a text for a class rarely goes without
// 、 and 。. Each mark is a stroke file whose strokes stand where the mark
// stands in its character box (two records that are never drawn, at the
// box's corners, give the fitting the whole box), so that it keeps its
// place and size among the characters around it. In columns (vertical
// writing) 、 and 。 stand at the box's top right and the brackets turn a
// quarter turn; in rows at the bottom left, the brackets upright.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "character_lookup.h"

namespace sumimai {

class PunctuationSource : public CharacterSource {
 public:
  // 、 。 「 」 『 』 ・ and their half-width and other common forms (，．｡､),
  // placed for columns or for rows.
  std::optional<StrokeSource> find(std::string_view character, WritingDirection direction) const override;
};

}  // namespace sumimai

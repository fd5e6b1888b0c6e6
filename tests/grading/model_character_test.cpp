// The model character from the stroke data: stroke records in file units
// become paths in the source box, records that are never drawn are left out.
#include <gtest/gtest.h>

#include "grading/model_character.h"
#include "learner_traces.h"
#include "writing/punctuation.h"

namespace sumimai::grading {
namespace {

CharacterLookup textLookup(std::string text) {
  struct OneText : CharacterSource {
    std::string text;
    std::optional<StrokeSource> find(std::string_view c, WritingDirection) const override {
      if (c != "字") return std::nullopt;
      return StrokeSource{StrokeSource::Kind::Library, "test", std::nullopt, text, {}, {}};
    }
  };
  auto source = std::make_unique<OneText>();
  source->text = std::move(text);
  CharacterLookup lookup;
  lookup.add(std::move(source));
  return lookup;
}

TEST(ModelCharacter, FollowsTheDrawnRecordsInSourceUnits) {
  // A stroke of an undrawn record only (the corner of the box); a still
  // start and a record going on; a stroke that starts moving, with a record
  // that is never drawn within it; a dab.
  const ModelFound found = findModel(textLookup("h\r\n"
                                                "3,100,100,100,100,3,300,,,,\r\n"
                                                "1,1000,2000,1000,2000,1,100,,,,\r\n"
                                                "2,0,0,3000,2500,2,100,,,,\r\n"
                                                "1,5000,5000,6000,5000,1,50,,,,\r\n"
                                                "3,100,100,100,100,3,300,,,,\r\n"
                                                "2,0,0,6000,7000,2,50,,,,\r\n"
                                                "1,9000,9000,9000,9000,1,50,,,,\r\n"
                                                "99999\r\n99999\r\n"),
                                     "字");
  ASSERT_TRUE(found.ok()) << found.problem;
  ASSERT_EQ(found.model.strokes.size(), 3u);
  EXPECT_EQ(found.model.strokes[0], (Path{{100, 200}, {300, 250}}));
  EXPECT_EQ(found.model.strokes[1], (Path{{500, 500}, {600, 500}, {600, 700}}));
  EXPECT_EQ(found.model.strokes[2], (Path{{900, 900}}));
}

TEST(ModelCharacter, RefusesACharacterWithoutStrokesByName) {
  EXPECT_EQ(findModel(textLookup(""), "永").problem, "no strokes for the character 永");
  const ModelFound damaged = findModel(textLookup("h\r\n1,1,1,1\r\n"), "字");
  EXPECT_FALSE(damaged.ok());
  EXPECT_NE(damaged.problem.find("test"), std::string::npos) << damaged.problem;
  const ModelFound undrawn = findModel(textLookup("h\r\n3,100,100,100,100,3,300,,,,\r\n99999\r\n99999\r\n"), "字");
  EXPECT_EQ(undrawn.problem, "test: no strokes drawn for 字");
}

TEST(ModelCharacter, PunctuationLosesTheCornersThatOnlyBoundTheFitting) {
  CharacterLookup lookup;
  lookup.add(std::make_unique<PunctuationSource>());
  const ModelFound comma = findModel(lookup, "、");
  ASSERT_TRUE(comma.ok()) << comma.problem;
  ASSERT_EQ(comma.model.strokes.size(), 1u);
  // In columns at the box's top right.
  EXPECT_EQ(comma.model.strokes[0].front(), (Point{74.5, 13.5}) * 10);
}

TEST(ModelCharacter, ShippedCharactersLieInTheSourceBox) {
  for (const char* c : {"永", "鬱", "の"}) {
    const ModelCharacter model = testing::shippedModel(c);
    for (const Path& stroke : model.strokes)
      for (Point p : stroke) {
        EXPECT_TRUE(p.x > 0 && p.x < 1024 && p.y > 0 && p.y < 1024) << c << " " << p.x << "," << p.y;
      }
  }
  EXPECT_EQ(testing::shippedModel("永").strokes.size(), 5u);
  EXPECT_EQ(testing::shippedModel("鬱").strokes.size(), 29u);
}

}  // namespace
}  // namespace sumimai::grading

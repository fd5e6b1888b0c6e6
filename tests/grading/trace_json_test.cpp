// The trace read from JSON, each defect refused with a sentence naming it,
// and the judgement written as the tools' users read it.
#include <gtest/gtest.h>

#include "grading/trace_json.h"

namespace sumimai::grading {
namespace {

TEST(TraceReading, TakesPointsWithAndWithoutTimeAndPressure) {
  const TraceRead read = readTrace(
      R"({"character": "永", "strokes": [[[1, 2.5], [3, 4, 120, 0.5]], [[-7, 8e2]]], "device": "pen"})");
  ASSERT_TRUE(read.ok()) << read.problem;
  EXPECT_EQ(read.trace.character, "永");
  ASSERT_EQ(read.trace.strokes.size(), 2u);
  EXPECT_EQ(read.trace.strokes[0], (Path{{1, 2.5}, {3, 4}}));
  EXPECT_EQ(read.trace.strokes[1], (Path{{-7, 800}}));
  EXPECT_TRUE(readTrace(R"({"strokes": [], "character": "一"})").ok());
}

TEST(TraceReading, RefusesEachDefectNamingIt) {
  const struct {
    const char* json;
    const char* problem;
  } cases[] = {
      {"", "not JSON"},
      {R"({"character": "永", "strokes": [[[1, 2]]])", "not JSON"},
      {R"({"character": "永", "strokes": [[[1e999, 2]]]})", "not JSON"},
      {R"({"character": "永", "strokes": [[[NaN, 2]]]})", "not JSON"},
      {R"([{"character": "永"}])", "not a JSON object"},
      {R"({"strokes": []})", "no \"character\""},
      {R"({"character": "永"})", "no \"strokes\""},
      {R"({"character": 27704, "strokes": []})", "\"character\" is not a string"},
      {R"({"character": "永遠", "strokes": []})", "\"character\" is not one character"},
      {R"({"character": "", "strokes": []})", "\"character\" is not one character"},
      {"{\"character\": \"\xE6\xB0\", \"strokes\": []}", "not JSON"},
      {R"({"character": "永", "strokes": {}})", "\"strokes\" is not an array of strokes"},
      {R"({"character": "永", "strokes": [[[1, 2]], 3]})", "stroke 2 is not an array of points"},
      {R"({"character": "永", "strokes": [[]]})", "stroke 1 has no points"},
      {R"({"character": "永", "strokes": [[[1, 2], [3]]]})", "point 2 of stroke 1 is not [x, y] or [x, y, t_ms, pressure]"},
      {R"({"character": "永", "strokes": [[[1, 2, 3]]]})", "point 1 of stroke 1 is not [x, y] or [x, y, t_ms, pressure]"},
      {R"({"character": "永", "strokes": [[[1, 2]], [[1, "2"]]]})", "point 1 of stroke 2 holds something that is not a number"},
      {R"({"character": "永", "strokes": [[[true, 2]]]})", "point 1 of stroke 1 holds something that is not a number"},
      {R"({"character": "永", "strokes": [[[1, null, 3, 4]]]})", "point 1 of stroke 1 holds something that is not a number"},
      {R"({"character": "永", "strokes": [[[1, 2], [3, -2e6]]]})", "point 2 of stroke 1 lies far outside the character's box"},
  };
  for (const auto& c : cases) {
    const TraceRead read = readTrace(c.json);
    EXPECT_EQ(read.problem, c.problem) << c.json;
    EXPECT_TRUE(read.trace.strokes.empty() && read.trace.character.empty()) << c.json;
  }
}

TEST(JudgementJson, NumbersStrokesFromOneAndListsWhatIsMissing) {
  Grading g;
  g.strokes = {{Problem::None, 0, 0}, {Problem::Order, 2, 2}, {Problem::Shape, std::nullopt, 1}};
  g.missing = {3};
  g.score = 25;
  EXPECT_EQ(judgementJson("永", g),
            R"({"character":"永","score":25,"strokes":[{"stroke":1,"ok":true,"problem":null,"matched":1},)"
            R"({"stroke":2,"ok":false,"problem":"order","matched":3},)"
            R"({"stroke":3,"ok":false,"problem":"shape","matched":null}],"missing":[4]})");
  EXPECT_EQ(judgementJson("一", Grading{{{Problem::Extra, std::nullopt, std::nullopt}}, {}, 0}),
            R"({"character":"一","score":0,"strokes":[{"stroke":1,"ok":false,"problem":"extra","matched":null}]})");
}

}  // namespace
}  // namespace sumimai::grading

// Tables of traces made from the shipped characters' own strokes, and the
// judgements they must get: careful writing of every kind of stroke passes
// (dots, hooks, long sweeps, turns, the 29 strokes of 鬱), written with a
// wobble, at another speed, with many or few points, starting and ending a
// little off; each kind of mistake is named, with the stroke it was taken for.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "grading/grader.h"
#include "learner_traces.h"

namespace sumimai::testing {
namespace {

using grading::Grading;

// The judgement in a line: per stroke "ok" or its problem, with ":N" for
// the model stroke it was taken for (when it is not the stroke's own number,
// or the stroke has a problem); then "missing N N".
std::string summary(const Grading& g) {
  std::string out;
  for (std::size_t i = 0; i < g.strokes.size(); ++i) {
    const grading::StrokeJudgement& j = g.strokes[i];
    if (!out.empty()) out += ' ';
    out += j.ok() ? "ok" : std::string(grading::problemName(j.problem));
    if (j.matched && (!j.ok() || *j.matched != static_cast<int>(i))) {
      out += ':';
      out += std::to_string(*j.matched + 1);
    }
  }
  if (!g.missing.empty()) out += " missing";
  for (int m : g.missing) {
    out += ' ';
    out += std::to_string(m + 1);
  }
  return out;
}

std::string allRight(std::size_t strokes) {
  std::string out;
  for (std::size_t i = 0; i < strokes; ++i) out += i ? " ok" : "ok";
  return out;
}

struct Writer {
  const char* name;
  Care care;
};

const Writer kCarefulWriters[] = {
    {"wobbling", {}},
    {"wobbling more", {0.04, 0.015, 6, true}},
    {"fast, few points", {0.03, 0.015, 28, false}},
    {"slow, many points", {0.025, 0.01, 1.2, true}},
    {"starting and ending off", {0.02, 0.03, 6, true}},
};

// Dots (心, 雨, 鬱), hooks (子, 永, 心), long sweeps (人, 永, 犬), turns
// (乙, の, あ), crossings (右, 必), strokes close together (鬱, 書).
const char* const kCharacters[] = {"一", "永", "心", "鬱", "必", "乙", "子", "人", "右", "三", "の", "あ", "犬", "雨", "書"};

TEST(CarefulWriting, PassesEveryStroke) {
  for (const char* character : kCharacters) {
    const ModelCharacter model = shippedModel(character);
    for (const Writer& writer : kCarefulWriters) {
      for (std::uint32_t seed = 1; seed <= 6; ++seed) {
        TraceMaker maker(seed);
        const Grading g = grading::grade(model, maker.careful(model, writer.care));
        EXPECT_EQ(summary(g), allRight(model.strokes.size())) << character << ", " << writer.name << ", seed " << seed;
        EXPECT_EQ(g.score, 100);
      }
    }
  }
}

TEST(CarefulWriting, DotsMayBeTapped) {
  // 雨's four dots as a touch of the pen each, at the dot's middle.
  const ModelCharacter model = shippedModel("雨");
  TraceMaker maker(3);
  std::vector<Path> strokes = maker.careful(model);
  for (std::size_t i = 4; i < 8; ++i) strokes[i] = {grading::centroid(model.strokes[i])};
  EXPECT_EQ(summary(grading::grade(model, strokes)), allRight(8));
}

// A change made to careful strokes (0-based stroke numbers).
using Change = std::function<void(std::vector<Path>&, const ModelCharacter&)>;

struct Mistake {
  const char* name;
  const char* character;
  Change change;
  const char* expected;
  int score;
};

Change backwards(int stroke) {
  return [=](std::vector<Path>& s, const ModelCharacter&) { s[stroke] = reversed(s[stroke]); };
}
Change swapped(int a, int b) {
  return [=](std::vector<Path>& s, const ModelCharacter&) { std::swap(s[a], s[b]); };
}
Change shiftedBy(int stroke, Point by) {
  return [=](std::vector<Path>& s, const ModelCharacter&) { s[stroke] = moved(s[stroke], by); };
}
// The stroke replaced by another character's stroke at the same centre.
Change replacedBy(int stroke, const char* character, int theirs) {
  return [=](std::vector<Path>& s, const ModelCharacter&) {
    const Path other = shippedModel(character).strokes[static_cast<std::size_t>(theirs)];
    s[stroke] = moved(other, grading::centroid(s[stroke]) - grading::centroid(other));
  };
}
Change keptOnly(std::vector<int> strokes) {
  return [=](std::vector<Path>& s, const ModelCharacter&) {
    std::vector<Path> kept;
    for (int i : strokes) kept.push_back(s[static_cast<std::size_t>(i)]);
    s = kept;
  };
}
Change added(Path stroke) {
  return [=](std::vector<Path>& s, const ModelCharacter&) { s.push_back(stroke); };
}
Change writtenTwice(int stroke) {
  return [=](std::vector<Path>& s, const ModelCharacter&) {
    s.insert(s.begin() + stroke + 1, s[static_cast<std::size_t>(stroke)]);
  };
}

// A quarter of the source box.
constexpr double kQuarter = 256;
// A ring of the character's size about the box's middle, drawn clockwise.
const Path kCircle = [] {
  Path p;
  for (int i = 0; i <= 48; ++i) p.push_back(Point{512 + 300 * std::sin(i * 0.1309), 512 - 300 * std::cos(i * 0.1309)});
  return p;
}();

const Mistake kMistakes[] = {
    {"a long sweep backwards", "永", backwards(4), "ok ok ok ok direction:5", 80},
    {"a hook backwards", "子", backwards(1), "ok direction:2 ok", 67},
    {"a turning stroke backwards", "乙", backwards(0), "direction:1", 0},
    {"a dot backwards", "心", backwards(0), "direction:1 ok ok ok", 75},
    {"a small dot of 鬱 backwards", "鬱", backwards(19), "ok ok ok ok ok ok ok ok ok ok ok ok ok ok ok ok ok ok ok direction:20 ok ok ok ok ok ok ok ok ok", 97},
    {"two strokes swapped", "永", swapped(1, 2), "ok order:3 ok:2 ok ok", 80},
    {"the sweeps of 人 swapped", "人", swapped(0, 1), "order:2 ok:1", 50},
    {"two strokes of 鬱 swapped", "鬱", swapped(15, 16), "ok ok ok ok ok ok ok ok ok ok ok ok ok ok ok order:17 ok:16 ok ok ok ok ok ok ok ok ok ok ok ok", 97},
    {"the last stroke first", "右", [](std::vector<Path>& s, const ModelCharacter&) { std::rotate(s.begin(), s.end() - 1, s.end()); },
     "order:5 ok:1 ok:2 ok:3 ok:4", 80},
    {"a line moved down a quarter of the box", "一", shiftedBy(0, {0, kQuarter}), "position:1", 0},
    {"a sweep moved left a quarter of the box", "人", shiftedBy(1, {-kQuarter, 0}), "ok position:2", 50},
    {"a hook moved up a quarter of the box", "子", shiftedBy(1, {0, -kQuarter}), "ok position:2 ok", 67},
    {"a dot moved right a quarter of the box", "心", shiftedBy(3, {kQuarter, 0}), "ok ok ok position:4", 75},
    {"a vertical for a horizontal", "三", replacedBy(2, "十", 1), "ok ok shape", 67},
    {"a ring for a sweep", "永", [](std::vector<Path>& s, const ModelCharacter&) { s[4] = kCircle; }, "ok ok ok ok shape", 80},
    {"a long line for a dot", "心", replacedBy(0, "一", 0), "shape ok ok ok", 75},
    {"the last two strokes not written", "永", keptOnly({0, 1, 2}), "ok ok ok missing 4 5", 60},
    {"a stroke left out", "三", keptOnly({0, 2}), "ok order:3 missing 2", 33},
    {"nothing written", "三", keptOnly({}), " missing 1 2 3", 0},
    {"a stroke after the last", "一", added(kCircle), "ok extra", 50},
    {"a stroke written twice", "三", writtenTwice(0), "ok extra ok:2 ok:3", 75},
};

TEST(Mistakes, AreNamedWithTheStrokeTakenFor) {
  for (const Mistake& m : kMistakes) {
    const ModelCharacter model = shippedModel(m.character);
    for (std::uint32_t seed = 1; seed <= 4; ++seed) {
      TraceMaker maker(seed);
      std::vector<Path> strokes = maker.careful(model);
      m.change(strokes, model);
      const Grading g = grading::grade(model, strokes);
      EXPECT_EQ(summary(g), m.expected) << m.name << " (" << m.character << "), seed " << seed;
      EXPECT_EQ(g.score, m.score) << m.name;
    }
  }
}

}  // namespace
}  // namespace sumimai::testing

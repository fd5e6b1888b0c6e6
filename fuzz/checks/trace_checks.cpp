#include "trace_checks.h"

#include <algorithm>
#include <cmath>

#include "core/utf8.h"
#include "grading/grader.h"
#include "grading/trace_json.h"

namespace sumimai::fuzz {
namespace {

using namespace sumimai::grading;

// 三 as three lines, with a dot beside it: long strokes and a dot.
const ModelCharacter& model() {
  static const ModelCharacter m{{{{280, 250}, {700, 210}}, {{310, 500}, {680, 480}}, {{110, 770}, {920, 740}},
                                 {{850, 300}, {870, 330}}}};
  return m;
}

bool pointsHold(const Trace& trace) {
  for (const Path& stroke : trace.strokes) {
    if (stroke.empty()) return false;
    for (Point p : stroke) {
      if (!std::isfinite(p.x) || !std::isfinite(p.y) || std::fabs(p.x) > kFarthestCoordinate ||
          std::fabs(p.y) > kFarthestCoordinate)
        return false;
    }
  }
  return true;
}

void checkJudgements(const Grading& g, std::size_t written, Problems& problems) {
  const int strokes = static_cast<int>(model().strokes.size());
  expect(problems, g.strokes.size() == written, "not one judgement per stroke written");
  expect(problems, g.score >= 0 && g.score <= 100, "a score outside 0..100");
  std::vector<int> taken;
  for (const StrokeJudgement& j : g.strokes) {
    const bool takesOne = j.problem != Problem::Shape && j.problem != Problem::Extra;
    expect(problems, j.matched.has_value() == takesOne, "a stroke taken for a model stroke against its problem");
    if (!j.matched) continue;
    expect(problems, *j.matched >= 0 && *j.matched < strokes, "a stroke taken for a model stroke that is not there");
    taken.push_back(*j.matched);
  }
  std::sort(taken.begin(), taken.end());
  expect(problems, std::adjacent_find(taken.begin(), taken.end()) == taken.end(), "a model stroke taken twice");
  expect(problems, g.missing.empty() || static_cast<int>(written) < strokes, "strokes missing though all were written");
  expect(problems, std::is_sorted(g.missing.begin(), g.missing.end()), "the missing strokes out of order");
  for (int m : g.missing) {
    expect(problems, m >= 0 && m < strokes && !std::binary_search(taken.begin(), taken.end(), m),
           "a stroke missing that is not the model's or was written");
  }
  expect(problems, decodeUtf8(judgementJson("三", g)).ok(), "the judgement is not UTF-8");
}

}  // namespace

Problems checkTrace(std::string_view bytes) {
  Problems problems;
  const TraceRead read = readTrace(bytes);
  if (!read.ok()) {
    expect(problems, decodeUtf8(read.problem).ok(), "the reason a trace is refused is not UTF-8");
    expect(problems, read.trace.character.empty() && read.trace.strokes.empty(), "a refused trace gives strokes");
    return problems;
  }
  expect(problems, decodeUtf8(read.trace.character).ok(), "the character is not UTF-8");
  expect(problems, pointsHold(read.trace), "a stroke without points, or a point that is not finite or near the box");
  if (problems.empty()) checkJudgements(grade(model(), read.trace.strokes), read.trace.strokes.size(), problems);
  return problems;
}

}  // namespace sumimai::fuzz

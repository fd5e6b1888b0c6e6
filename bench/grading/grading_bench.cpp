// Judging a learner's strokes of a character of about 30 strokes (鬱, 29,
// as many as any character of the shipped library has): one stroke at a time, each at the point of the writing
// where it comes, as the practice judges them while the learner writes. The
// time per stroke is the figure that matters (at most 1 ms); the counter
// "per_stroke" gives it for the whole character.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "grading/grader.h"
#include "grading/model_character.h"

namespace {

using namespace sumimai;
using namespace sumimai::grading;

constexpr char kCharacter[] = "鬱";

ModelCharacter modelOrAbort() {
  const std::filesystem::path data = std::filesystem::path(SUMIMAI_SOURCE_DIR) / "data";
  CharacterLookup lookup;
  CharacterLibraryOpen library = CharacterLibrary::open(data / "文字集.smlib");
  if (!library.ok()) {
    std::fprintf(stderr, "%s\n", library.problem.c_str());
    std::abort();
  }
  lookup.add(std::make_unique<LibrarySource>(std::move(*library.library), "文字集.smlib"));
  ModelFound found = findModel(lookup, kCharacter);
  if (!found.ok()) {
    std::fprintf(stderr, "%s\n", found.problem.c_str());
    std::abort();
  }
  return found.model;
}

// The model's strokes with a wobble and with a point every 4 units, as a
// pointer gives them.
std::vector<Path> learnerStrokes(const ModelCharacter& model) {
  std::vector<Path> strokes;
  for (const Path& stroke : model.strokes) {
    const Path even = resampled(stroke, std::max(2, static_cast<int>(arcLength(stroke) / 4)));
    Path wobbly;
    for (std::size_t i = 0; i < even.size(); ++i) wobbly.push_back(even[i] + Point{0, 12 * std::sin(i * 0.05)});
    strokes.push_back(wobbly);
  }
  return strokes;
}

// Every stroke right, judged in turn.
void BM_JudgeRightStrokes(benchmark::State& state) {
  const ModelCharacter model = modelOrAbort();
  const std::vector<Path> strokes = learnerStrokes(model);
  const Grader grader(model);
  for (auto _ : state) {
    Progress progress(grader.strokes());
    for (const Path& stroke : strokes) {
      const StrokeJudgement j = grader.judge(stroke, progress);
      progress.take(j);
      benchmark::DoNotOptimize(j);
    }
  }
  state.counters["strokes"] = static_cast<double>(strokes.size());
  state.counters["per_stroke"] = benchmark::Counter(static_cast<double>(strokes.size()),
                                                    benchmark::Counter::kIsIterationInvariantRate |
                                                        benchmark::Counter::kInvert);
}
BENCHMARK(BM_JudgeRightStrokes)->Unit(benchmark::kMillisecond);

// The slowest judgement: the first stroke like none of the 29, compared
// with every stroke of the model before it is called a wrong shape.
void BM_JudgeStrokeLikeNone(benchmark::State& state) {
  const ModelCharacter model = modelOrAbort();
  const Grader grader(model);
  Path scribble;
  for (int i = 0; i <= 200; ++i) scribble.push_back({512 + 400 * std::sin(i * 0.2), 512 + 300 * std::cos(i * 0.05)});
  const Progress progress(grader.strokes());
  for (auto _ : state) benchmark::DoNotOptimize(grader.judge(scribble, progress));
}
BENCHMARK(BM_JudgeStrokeLikeNone)->Unit(benchmark::kMicrosecond);

// The model prepared once per character.
void BM_PrepareModel(benchmark::State& state) {
  const ModelCharacter model = modelOrAbort();
  for (auto _ : state) benchmark::DoNotOptimize(Grader(model));
}
BENCHMARK(BM_PrepareModel)->Unit(benchmark::kMicrosecond);

}  // namespace

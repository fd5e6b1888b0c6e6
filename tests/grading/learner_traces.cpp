#include "learner_traces.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <numbers>
#include <stdexcept>

#include "grading/path_geometry.h"
#include "writing/character_lookup.h"

namespace sumimai::testing {
namespace {

constexpr double kBox = 1024;

// The point at arc length s along the path, and the unit direction there.
struct Along {
  Point at, direction;
};

Along along(const Path& path, double s) {
  if (path.size() == 1) return {path.front(), {1, 0}};
  double walked = 0;
  for (std::size_t i = 1; i < path.size(); ++i) {
    const double piece = grading::distance(path[i - 1], path[i]);
    if (piece == 0) continue;
    const Point direction = (path[i] - path[i - 1]) * (1 / piece);
    if (s <= walked + piece || i + 1 == path.size()) return {path[i - 1] + direction * (s - walked), direction};
    walked += piece;
  }
  return {path.back(), {1, 0}};
}

}  // namespace

CharacterStrokes shippedStrokes(const std::string& character) {
  const std::filesystem::path data = SUMIMAI_SHIPPED_DATA;
  CharacterLookup lookup;
  lookup.add(std::make_unique<StrokeFolder>(data / "般若心経"));
  CharacterLibraryOpen library = CharacterLibrary::open(data / "文字集.smlib");
  if (!library.ok()) throw std::runtime_error(library.problem);
  lookup.add(std::make_unique<LibrarySource>(std::move(*library.library), "文字集.smlib"));
  const std::optional<StrokeSource> source = lookup.find(character, WritingDirection::Columns);
  if (!source) throw std::runtime_error("no stroke data for " + character);
  StrokesLoaded loaded = loadStrokes(*source);
  if (!loaded.strokes) throw std::runtime_error(loaded.problem);
  return std::move(*loaded.strokes);
}

ModelCharacter shippedModel(const std::string& character) {
  ModelCharacter model = grading::modelOf(shippedStrokes(character));
  if (model.strokes.empty()) throw std::runtime_error("no strokes drawn for " + character);
  return model;
}

double TraceMaker::uniform(double low, double high) {
  // A 32-bit xorshift: the same numbers from every standard library.
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return low + (high - low) * (state_ / 4294967296.0);
}

Path TraceMaker::careful(const Path& model, const Care& care) {
  const double length = grading::arcLength(model);
  // A short stroke is written with a short movement: its wobble and its
  // ends' shift stay within a share of its length.
  const double pass = std::min(care.endPass * kBox, 0.2 * length);
  const double before = uniform(-1, 1) * pass, after = uniform(-1, 1) * pass;
  // The wobble: two waves across the line, of one to three half-turns over its length.
  const double amplitude = std::min(care.wobble * kBox, 0.15 * length), wave1 = uniform(0.5, 1.5), wave2 = uniform(1, 3);
  const double phase1 = uniform(0, 2 * std::numbers::pi), phase2 = uniform(0, 2 * std::numbers::pi);
  const double share = uniform(0.3, 0.7);
  const double start = std::min(-before, 0.0), end = length + std::max(after, 0.0);
  const double first = std::max(-before, 0.0), last = length + std::min(after, 0.0);
  Path out;
  for (double s = start; s <= end;) {
    const double t = length > 0 ? s / length : 0;
    // Past either end the line goes straight on along its end's direction.
    const double clamped = std::clamp(s, 0.0, length);
    Along a = along(model, clamped);
    Point p = a.at + a.direction * (s - clamped);
    const double side = amplitude * (share * std::sin(std::numbers::pi * wave1 * t + phase1) +
                                     (1 - share) * std::sin(std::numbers::pi * wave2 * t + phase2));
    p = p + Point{-a.direction.y, a.direction.x} * side;
    if (s >= first && s <= last) out.push_back(p);
    const double speed = care.unevenSpeed ? 1 + 0.8 * std::sin(2 * std::numbers::pi * t * wave2 + phase1) : 1;
    s += std::max(care.spacing * speed, 0.5);
  }
  if (out.empty()) out.push_back(model.front());
  return out;
}

std::vector<Path> TraceMaker::careful(const ModelCharacter& model, const Care& care) {
  std::vector<Path> strokes;
  for (const Path& stroke : model.strokes) strokes.push_back(careful(stroke, care));
  return strokes;
}

Path reversed(Path path) { return Path(path.rbegin(), path.rend()); }

Path moved(Path path, Point by) { return grading::shifted(path, by); }

}  // namespace sumimai::testing

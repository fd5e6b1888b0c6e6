#include "trace_json.h"

#include <cmath>
#include <nlohmann/json.hpp>

#include "core/utf8.h"

namespace sumimai::grading {
namespace {

using nlohmann::json;

std::string pointName(std::size_t stroke, std::size_t point) {
  return "point " + std::to_string(point + 1) + " of stroke " + std::to_string(stroke + 1);
}

// One point, or a problem naming it.
std::string readPoint(const json& value, std::size_t stroke, std::size_t point, Point& out) {
  if (!value.is_array() || (value.size() != 2 && value.size() != 4))
    return pointName(stroke, point) + " is not [x, y] or [x, y, t_ms, pressure]";
  double numbers[4] = {};
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (!value[i].is_number()) return pointName(stroke, point) + " holds something that is not a number";
    numbers[i] = value[i].get<double>();
    if (!std::isfinite(numbers[i])) return pointName(stroke, point) + " holds a number that is not finite";
  }
  if (std::fabs(numbers[0]) > kFarthestCoordinate || std::fabs(numbers[1]) > kFarthestCoordinate)
    return pointName(stroke, point) + " lies far outside the character's box";
  out = {numbers[0], numbers[1]};
  return "";
}

std::string readStrokes(const json& strokes, std::vector<Path>& out) {
  if (!strokes.is_array()) return "\"strokes\" is not an array of strokes";
  for (std::size_t s = 0; s < strokes.size(); ++s) {
    const json& stroke = strokes[s];
    if (!stroke.is_array()) return "stroke " + std::to_string(s + 1) + " is not an array of points";
    if (stroke.empty()) return "stroke " + std::to_string(s + 1) + " has no points";
    Path path(stroke.size());
    for (std::size_t p = 0; p < stroke.size(); ++p) {
      if (std::string problem = readPoint(stroke[p], s, p, path[p]); !problem.empty()) return problem;
    }
    out.push_back(std::move(path));
  }
  return "";
}

std::string readCharacter(const json& value, std::string& out) {
  if (!value.is_string()) return "\"character\" is not a string";
  out = value.get<std::string>();
  const Utf8Decoded decoded = decodeUtf8(out);
  if (!decoded.ok()) return "\"character\" is " + decoded.problem();
  if (decoded.codePoints.size() != 1) return "\"character\" is not one character";
  return "";
}

}  // namespace

TraceRead readTrace(std::string_view text) {
  TraceRead read;
  const json root = json::parse(text.begin(), text.end(), nullptr, false);
  if (root.is_discarded()) return {{}, "not JSON"};
  if (!root.is_object()) return {{}, "not a JSON object"};
  const auto character = root.find("character");
  if (character == root.end()) return {{}, "no \"character\""};
  const auto strokes = root.find("strokes");
  if (strokes == root.end()) return {{}, "no \"strokes\""};
  read.problem = readCharacter(*character, read.trace.character);
  if (read.problem.empty()) read.problem = readStrokes(*strokes, read.trace.strokes);
  if (!read.problem.empty()) read.trace = {};
  return read;
}

std::string judgementJson(std::string_view character, const Grading& grading) {
  nlohmann::ordered_json out;
  out["character"] = std::string(character);
  out["score"] = grading.score;
  out["strokes"] = nlohmann::ordered_json::array();
  for (std::size_t i = 0; i < grading.strokes.size(); ++i) {
    const StrokeJudgement& j = grading.strokes[i];
    nlohmann::ordered_json stroke;
    stroke["stroke"] = i + 1;
    stroke["ok"] = j.ok();
    stroke["problem"] = j.ok() ? nlohmann::ordered_json() : nlohmann::ordered_json(std::string(problemName(j.problem)));
    stroke["matched"] = j.matched ? nlohmann::ordered_json(*j.matched + 1) : nlohmann::ordered_json();
    out["strokes"].push_back(std::move(stroke));
  }
  if (!grading.missing.empty()) {
    out["missing"] = nlohmann::ordered_json::array();
    for (int m : grading.missing) out["missing"].push_back(m + 1);
  }
  return out.dump();
}

}  // namespace sumimai::grading

#include "glyph_svg.h"

#include <cctype>
#include <charconv>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <tuple>

namespace sumimai::strokes {
namespace {

// Reads path data: command letters and numbers, separated by blanks or commas.
class PathTokens {
 public:
  explicit PathTokens(std::string_view data) : data_(data) {}

  void skipSeparators() {
    while (pos_ < data_.size() && (std::isspace(static_cast<unsigned char>(data_[pos_])) || data_[pos_] == ','))
      ++pos_;
  }
  bool atEnd() {
    skipSeparators();
    return pos_ >= data_.size();
  }
  bool atCommand() {
    skipSeparators();
    return pos_ < data_.size() && std::isalpha(static_cast<unsigned char>(data_[pos_]));
  }
  char command() { return data_[pos_++]; }
  std::optional<double> number() {
    skipSeparators();
    double value = 0;
    auto [end, ec] = std::from_chars(data_.data() + pos_, data_.data() + data_.size(), value);
    if (ec != std::errc()) return std::nullopt;
    pos_ = static_cast<std::size_t>(end - data_.data());
    return value;
  }
  std::optional<Point2> point() {
    std::optional<double> x = number();
    if (!x) return std::nullopt;
    std::optional<double> y = number();
    if (!y) return std::nullopt;
    return Point2{*x, *y};
  }

 private:
  std::string_view data_;
  std::size_t pos_ = 0;
};

Point2 lerp(Point2 a, Point2 b, double t) { return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t}; }

// Appends the curve through the control points (2 for quadratic, 3 for
// cubic after the current point) as straight pieces, by de Casteljau.
void appendCurve(Contour& contour, const std::vector<Point2>& controls, int pieces) {
  for (int i = 1; i <= pieces; ++i) {
    double t = static_cast<double>(i) / pieces;
    std::vector<Point2> level = controls;
    while (level.size() > 1) {
      for (std::size_t j = 0; j + 1 < level.size(); ++j) level[j] = lerp(level[j], level[j + 1], t);
      level.pop_back();
    }
    contour.push_back(level.front());
  }
}

// The value of attribute name in one tag, or nothing.
std::optional<std::string_view> attribute(std::string_view tag, std::string_view name) {
  std::string key(" ");
  key.append(name).append("=\"");
  std::size_t at = tag.find(key);
  if (at == std::string_view::npos) return std::nullopt;
  std::size_t start = at + key.size();
  std::size_t end = tag.find('"', start);
  if (end == std::string_view::npos) return std::nullopt;
  return tag.substr(start, end - start);
}

// The stroke number and part after the last `letter` of an id such as
// "z28023d7" (stroke 7, part "") or "z12354d3b" (stroke 3, part "b").
struct StrokePart {
  int stroke = 0;
  std::string part;
  bool operator<(const StrokePart& o) const { return std::tie(stroke, part) < std::tie(o.stroke, o.part); }
};

std::optional<StrokePart> strokePart(std::string_view id, char letter) {
  std::size_t at = id.size();
  do {  // the last `letter` followed by a digit (a part may be called "c" too)
    at = at == 0 ? std::string_view::npos : id.rfind(letter, at - 1);
  } while (at != std::string_view::npos && !(at + 1 < id.size() && std::isdigit(static_cast<unsigned char>(id[at + 1]))));
  if (at == std::string_view::npos) return std::nullopt;
  int k = 0;
  auto [end, ec] = std::from_chars(id.data() + at + 1, id.data() + id.size(), k);
  if (ec != std::errc() || k < 1) return std::nullopt;
  std::string_view rest(end, static_cast<std::size_t>(id.data() + id.size() - end));
  std::size_t letters = 0;
  while (letters < rest.size() && std::islower(static_cast<unsigned char>(rest[letters]))) ++letters;
  return StrokePart{k, std::string(rest.substr(0, letters))};
}

// Adds one part's outline to the stroke; the first part's centre line is the
// stroke's (the later parts repeat it with the earlier points moved away).
bool addPart(SourceStroke& stroke, std::string_view outlineData, std::string_view centreData,
             std::string& problem) {
  std::size_t before = stroke.outline.size();
  if (!flattenPath(outlineData, stroke.outline, problem)) return false;
  stroke.contourPart.resize(stroke.outline.size(), stroke.parts);
  ++stroke.parts;
  if (before > 0) return true;
  std::vector<Contour> line;
  if (!flattenPath(centreData, line, problem)) return false;
  if (line.size() != 1 || line[0].size() < 2) {
    problem = "centre line is not one polyline";
    return false;
  }
  stroke.centreLine = std::move(line[0]);
  return true;
}

}  // namespace

bool flattenPath(std::string_view data, std::vector<Contour>& contours, std::string& problem,
                 int curvePieces) {
  PathTokens tokens(data);
  char command = 0;
  Point2 current;
  while (!tokens.atEnd()) {
    if (tokens.atCommand()) command = tokens.command();
    if (command == 'Z') {
      command = 0;
      continue;
    }
    int points = command == 'M' || command == 'L' ? 1 : command == 'Q' ? 2 : command == 'C' ? 3 : 0;
    std::vector<Point2> controls{current};
    if (command == 'H' || command == 'V') {
      std::optional<double> v = tokens.number();
      if (!v) break;
      controls.push_back(command == 'H' ? Point2{*v, current.y} : Point2{current.x, *v});
    } else if (points == 0) {
      problem = std::string("unsupported path command '") + command + "'";
      return false;
    }
    for (int i = 0; i < points; ++i) {
      std::optional<Point2> p = tokens.point();
      if (!p) {
        problem = std::string("malformed coordinates after '") + command + "'";
        return false;
      }
      controls.push_back(*p);
    }
    if (command == 'M') {
      contours.emplace_back();
      contours.back().push_back(controls.back());
      command = 'L';  // further pairs after M are lines
    } else if (contours.empty()) {
      problem = "path data does not begin with M";
      return false;
    } else if (controls.size() == 2) {
      contours.back().push_back(controls.back());
    } else {
      appendCurve(contours.back(), controls, curvePieces);
    }
    current = controls.back();
  }
  if (!tokens.atEnd()) {
    problem = "malformed number in path data";
    return false;
  }
  return true;
}

GlyphRead parseGlyphSvg(std::string_view svg) {
  GlyphRead result;
  std::map<StrokePart, std::string_view> outlines, centres;
  for (std::size_t at = svg.find("<path"); at != std::string_view::npos; at = svg.find("<path", at + 1)) {
    std::size_t end = svg.find('>', at);
    if (end == std::string_view::npos) break;
    std::string_view tag = svg.substr(at, end - at);
    std::optional<std::string_view> d = attribute(tag, "d");
    if (!d) continue;
    if (auto clip = attribute(tag, "clip-path")) {
      if (auto k = strokePart(*clip, 'c')) centres[*k] = *d;
    } else if (auto id = attribute(tag, "id")) {
      if (auto k = strokePart(*id, 'd')) outlines[*k] = *d;
    }
  }
  if (outlines.empty()) {
    result.problem = "no stroke outlines";
    return result;
  }
  for (auto& [k, outlineData] : outlines) {
    auto centre = centres.find(k);
    bool next = k.stroke == static_cast<int>(result.strokes.size()) + 1;
    if (centre == centres.end() || (!next && k.stroke != static_cast<int>(result.strokes.size()))) {
      result.problem = "stroke " + std::to_string(k.stroke) + " has no centre line or is out of order";
      return result;
    }
    if (next) result.strokes.emplace_back();
    if (!addPart(result.strokes.back(), outlineData, centre->second, result.problem)) {
      result.problem = "stroke " + std::to_string(k.stroke) + ": " + result.problem;
      return result;
    }
  }
  if (centres.size() != outlines.size()) result.problem = "a centre line has no outline";
  return result;
}

GlyphRead readGlyphSvg(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {{}, "cannot open " + path.filename().string()};
  std::ostringstream text;
  text << in.rdbuf();
  GlyphRead read = parseGlyphSvg(text.str());
  if (!read.ok()) read.problem = path.filename().string() + ": " + read.problem;
  return read;
}

}  // namespace sumimai::strokes

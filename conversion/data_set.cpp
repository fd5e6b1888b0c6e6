#include "data_set.h"

#include <fstream>
#include <limits>
#include <map>
#include <sstream>

#include "centre_lines.h"
#include "core/page_grid.h"
#include "core/utf8.h"
#include "data_files/file_writing.h"
#include "data_files/folder_files.h"
#include "data_files/stroke_file_text.h"
#include "glyph_svg.h"
#include "page_layout.h"
#include "simplify.h"
#include "stroke_records.h"

namespace sumimai::strokes {
namespace fs = std::filesystem;
namespace {

constexpr char32_t kSampleCharacter = U'海';
constexpr double kSourceBox = 1024;     // the source SVGs' box
constexpr double kCharacterScale = 10;  // file units per source unit
constexpr double kMinSpacing = 2.5;     // shortest segment, file units: every segment stays drawable

bool readText(const fs::path& path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  text = bytes.str();
  return true;
}

bool writeBytes(const fs::path& path, const std::string& bytes) { return replaceFile(path, bytes).ok(); }

std::string hexOf(char32_t c) {
  std::ostringstream s;
  s << "U+" << std::hex << std::uppercase << static_cast<unsigned>(c);
  return s.str();
}

struct Traced {
  GlyphRead glyph;
  std::vector<BrushPath> paths;
};
using TracedCharacters = std::map<char32_t, Traced>;

Traced traceGlyph(GlyphRead glyph, const TraceOptions& options) {
  Traced t{std::move(glyph), {}};
  mendCentreLines(t.glyph.strokes);
  for (const SourceStroke& s : t.glyph.strokes) t.paths.push_back(traceStroke(s, options));
  return t;
}

bool traceAll(const fs::path& source, const std::vector<char32_t>& codes, TracedCharacters& all,
              const TraceOptions& options, std::string& problem) {
  for (char32_t c : codes) {
    if (all.count(c)) continue;
    GlyphRead glyph = readGlyphSvg(source / "svg" / (std::to_string(static_cast<unsigned>(c)) + ".svg"));
    if (!glyph.ok()) {
      problem = glyph.problem;
      return false;
    }
    all[c] = traceGlyph(std::move(glyph), options);
  }
  return true;
}

// The strokes simplified with one tolerance for all, the smallest at which
// they fit the budget (found by bisection), each with its still record.
Simplified uniformlySimplified(const std::vector<BrushPath>& paths, int budget, double minTolerance, double minSpacing) {
  auto at = [&](double t) {
    return simplifyToBudget(paths, std::numeric_limits<int>::max(), t, minSpacing, StillStarts::Always);
  };
  Simplified fit = at(minTolerance);
  double low = minTolerance, high = minTolerance;
  while (fit.records > budget && high < 1e4) low = high, high *= 2, fit = at(high);
  for (int i = 0; i < 30 && high - low > 0.01; ++i) {
    Simplified s = at((low + high) / 2);
    (s.records <= budget ? high : low) = (low + high) / 2;
    if (s.records <= budget) fit = std::move(s);
  }
  return fit;
}

// A character file's text, or "" when even one record a stroke exceeds the
// budget. With a judge, the file is also made from traces smoothed less and
// more, each with the still start records placed as needed or before every
// stroke, or with one tolerance for all strokes, and the one the judge finds
// best is kept.
std::string characterFileText(char32_t c, const Traced& t, const DataSetOptions& options, std::string& note) {
  std::vector<Traced> traces{t};
  for (int smoothing : {1, 6}) {
    if (!options.judge) break;
    TraceOptions trace = options.trace;
    trace.smoothing = smoothing;
    traces.push_back(traceGlyph(t.glyph, trace));
  }
  std::string best;
  double bestScore = 0;
  note = encodeUtf8(c) + " " + std::to_string(t.paths.size()) + " strokes: over the budget";
  for (const Traced& candidate : traces)
    for (int way = 0; way < 3; ++way) {
      const double spacing = kMinSpacing / kCharacterScale;
      Simplified s = way == 2 ? uniformlySimplified(candidate.paths, options.characterBudget, options.characterTolerance, spacing)
                              : simplifyToBudget(candidate.paths, options.characterBudget, options.characterTolerance, spacing,
                                                 way == 0 ? StillStarts::AsNeeded : StillStarts::Always);
      if (s.records > options.characterBudget || (!options.judge && !best.empty())) continue;
      if (options.fit) fitToOutlines(t.glyph, s, options.fitting);
      std::string text = strokeFileText("sumimai-strokes " + hexOf(c), strokeRecords(s.strokes, {kCharacterScale, {}}, s.stillStart));
      double score = options.judge ? options.judge(t.glyph, text) : 0;
      if (!best.empty() && score <= bestScore) continue;
      best = std::move(text), bestScore = score;
      note = encodeUtf8(c) + " " + std::to_string(t.paths.size()) + " strokes, " + std::to_string(s.records) +
             " records, tolerance " + std::to_string(s.tolerance);
    }
  return best;
}

std::string pageFileText(const std::vector<char32_t>& sutra, const TracedCharacters& traced,
                         const DataSetOptions& options, std::string& note) {
  std::vector<StrokeRecord> records;
  double worst = 0;
  for (std::size_t i = 0; i < sutra.size(); ++i) {
    Placement placement = cellPlacement(pageCell(static_cast<int>(i) + 1), kSourceBox, options.pageFill);
    Simplified s = simplifyToBudget(traced.at(sutra[i]).paths, options.pageBudgetPerCharacter,
                                    options.pageTolerance, kMinSpacing / placement.scale, StillStarts::Always);
    worst = std::max(worst, s.tolerance);
    std::vector<StrokeRecord> more = strokeRecords(s.strokes, placement, s.stillStart);
    records.insert(records.end(), more.begin(), more.end());
  }
  note = "page: " + std::to_string(records.size()) + " records, largest tolerance " + std::to_string(worst);
  if (records.size() >= static_cast<std::size_t>(kPageSlots)) return "";
  return strokeFileText("sumimai-strokes page", records);
}

std::string characterListText(const std::vector<char32_t>& sutra) {
  std::string text = "\xEF\xBB\xBF";
  for (char32_t c : sutra) text += encodeUtf8(c) + "\r\n";
  return text;
}

}  // namespace

std::string characterFileText(char32_t c, const GlyphRead& glyph, const DataSetOptions& options, std::string& note) {
  return characterFileText(c, traceGlyph(glyph, options.trace), options, note);
}

std::vector<char32_t> sutraCharacters(const std::string& utf8) {
  std::vector<char32_t> out;
  for (char32_t c : decodeUtf8(utf8).codePoints) {
    if (c != U'\uFEFF' && c > U' ') out.push_back(c);
  }
  return out;
}

DataSetWrite writeDataSet(const fs::path& source, const fs::path& output, const DataSetOptions& options) {
  DataSetWrite result;
  auto fail = [&](std::string problem) {
    result.problem = std::move(problem);
    return result;
  };
  std::string text;
  if (!readText(source / "sutra.txt", text)) return fail("cannot read " + (source / "sutra.txt").string());
  if (const Utf8Decoded decoded = decodeUtf8(text); !decoded.ok())
    return fail((source / "sutra.txt").string() + ": " + decoded.problem());
  std::vector<char32_t> sutra = sutraCharacters(text);
  if (sutra.size() != kSutraCharacters)
    return fail("sutra.txt holds " + std::to_string(sutra.size()) + " characters, not " + std::to_string(kSutraCharacters));
  TracedCharacters traced;
  if (!traceAll(source, sutra, traced, options.trace, result.problem) ||
      !traceAll(source, {kSampleCharacter}, traced, options.trace, result.problem))
    return result;
  fs::path folder = output / kDataFolder;
  std::error_code ec;
  fs::create_directories(folder, ec);
  for (const auto& [c, t] : traced) {
    std::string note, file = characterFileText(c, t, options, note);
    result.notes.push_back(note);
    std::string name = c == kSampleCharacter ? kSampleStrokeFile : strokeFileName(encodeUtf8(c));
    if (file.empty() || !writeBytes(folder / name, file)) return fail("cannot write " + name + ": " + note);
  }
  std::string note, page = pageFileText(sutra, traced, options, note);
  result.notes.push_back(note);
  if (page.empty() || !writeBytes(folder / kPageStrokeFile, page)) return fail("cannot write the page: " + note);
  if (!writeBytes(folder / kCharacterListName, characterListText(sutra)))
    return fail(std::string("cannot write ") + kCharacterListName);
  return result;
}

}  // namespace sumimai::strokes

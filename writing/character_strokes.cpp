#include "character_strokes.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "core/user_language.h"
#include "data_files/stroke_file.h"

namespace sumimai {
namespace {

// The converter and our punctuation name themselves in the first line.
bool headerSaysEmBox(std::istream& in) {
  std::string header;
  std::getline(in, header);
  return header.rfind("sumimai-strokes U+", 0) == 0 || header.rfind("sumimai punctuation", 0) == 0;
}

bool standsOnEmBox(const StrokeSource& source) {
  if (source.file) {
    std::ifstream in(*source.file, std::ios::binary);
    return headerSaysEmBox(in);
  }
  std::istringstream in(source.text);
  return headerSaysEmBox(in);
}

}  // namespace

StrokesLoaded loadStrokes(const StrokeSource& source) {
  if (!source.problem.empty()) return {std::nullopt, source.problem};
  CharacterStrokes strokes{source.origin, source.kind, {}, {}};
  StrokeFileRead read;
  if (source.file) {
    read = readStrokeFile(*source.file, strokes.table, strokes.count);
  } else {
    std::istringstream text(source.text);
    read = readStrokeStream(text, strokes.table, strokes.count);
  }
  if (read.ok()) {
    strokes.onEmBox = standsOnEmBox(source);
    return {std::move(strokes), ""};
  }
  const std::string problem = read.status == StrokeFileStatus::Missing ? userText("Writing", "no such file") : read.problem;
  return {std::nullopt, source.origin + ": " + problem};
}

StrokeSource strokeFileSource(const std::filesystem::path& file, std::string shownName) {
  if (shownName.empty()) shownName = file.string();
  return {StrokeSource::Kind::StrokeFile, std::move(shownName), file, {}, {}, {}};
}

std::vector<StrokeSpan> strokeSpans(const CharacterStrokes& strokes) {
  std::vector<StrokeSpan> spans;
  const int end = std::min(slotOf(strokes.count), kStrokeSlots + 1);
  for (int i = 1; i < end; ++i) {
    if (spans.empty() || strokes.table[i].Kind == kNewStroke) spans.push_back({i, i});
    else spans.back().last = i;
  }
  return spans;
}

}  // namespace sumimai

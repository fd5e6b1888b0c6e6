#include "export_inputs.h"

#include "data_files/character_list.h"
#include "data_files/file_paths.h"
#include "export/export_error.h"
#include "export/punctuation.h"

namespace sumimai {
namespace {

namespace fs = std::filesystem;

constexpr char kBackgroundPicture[] = "Picture2.jpg";
constexpr char kPageFile[] = "般若心経.mem";
constexpr PictureSize kDefaultPageSize{1280, 720};

// The working folder's 設定.dat gives the speed and the ink unless the
// options do.
DrawingStyle styleFrom(const ExportOptions& o, std::vector<std::string>& notes) {
  DrawingStyle style;
  if (fileExists(kSettingsFileName)) {
    SettingsRead read = readSettingsFile(findFile(kSettingsFileName));
    if (read.ok) {
      style.speed = read.values[0];
      style.ink = {read.values[1], read.values[2], read.values[3]};
    } else {
      notes.push_back(std::string(kSettingsFileName) + ": " + read.problem + " (speed 0 and black ink instead)");
    }
  }
  if (o.speed) style.speed = *o.speed;
  if (o.ink) style.ink = {static_cast<double>(o.ink->red), static_cast<double>(o.ink->green),
                          static_cast<double>(o.ink->blue)};
  return style;
}

Ground groundFrom(const ExportOptions& o) {
  Ground ground;
  if (o.ground) {
    ground.colour = *o.ground;
  } else if (o.background) {
    ground.picture = *o.background;
  } else if (fileExists(kBackgroundPicture)) {
    ground.picture = findFile(kBackgroundPicture);
  }
  return ground;
}

fs::path sutraFile(const std::vector<fs::path>& folders, std::string_view name) {
  if (auto found = findSutraFile(folders, name)) return *found;
  throw ExportError("no " + dataFileDisplayName(name) + " in the working folder or the shipped data");
}

std::vector<std::string> sutraCharacters(SutraRange range, const std::vector<fs::path>& folders) {
  const fs::path list = sutraFile(folders, kCharacterListName);
  SutraTextTable text;
  CharacterListRead read = readCharacterList(list, text);
  if (!read.ok) throw ExportError(list.string() + ": " + read.problem);
  return {text.begin() + range.first, text.begin() + range.last + 1};
}

bool isBlank(const std::string& character) {
  return character == " " || character == "\t" || character == "\n" || character == "\u3000";
}

// The stroke files of the sutra folders first, then the character library
// of the working folder or the shipped data (a library that cannot be
// opened is left out, with a note), then punctuation of our own strokes.
SourceChain sourcesOf(const std::vector<fs::path>& folders, const std::vector<fs::path>& shipped,
                      LayoutDirection layout, std::vector<std::string>& notes) {
  SourceChain source;
  for (const fs::path& folder : folders) source.add(std::make_unique<StrokeFolder>(folder));
  std::vector<fs::path> libraries{kLibraryFileName};
  for (const fs::path& data : shipped) libraries.push_back(data / kLibraryFileName);
  for (const fs::path& file : libraries) {
    if (!fileExists(file)) continue;
    CharacterLibraryOpen opened = CharacterLibrary::open(file);
    if (!opened.ok()) {
      notes.push_back(opened.problem);
      continue;
    }
    source.add(std::make_unique<LibrarySource>(std::move(*opened.library), file.string()));
    break;
  }
  source.add(std::make_unique<PunctuationSource>(layout == LayoutDirection::Columns));
  return source;
}

std::vector<std::optional<CharacterStrokes>> lookUp(const std::vector<std::string>& characters,
                                                    const CharacterSource& source) {
  std::vector<std::optional<CharacterStrokes>> strokes;
  for (const std::string& c : characters) {
    if (isBlank(c)) strokes.emplace_back();
    else strokes.emplace_back(loadCharacter(source, c));
  }
  return strokes;
}

Writing writingFrom(const ExportOptions& o, const fs::path& executable, std::vector<std::string>& notes) {
  const std::vector<fs::path> shipped = shippedDataFolders(executable);
  const std::vector<fs::path> folders = sutraFolders(shipped);
  Writing writing;
  if (o.page) {
    writing.page = loadPage(sutraFile(folders, kPageFile));
  } else if (!o.files.empty()) {
    for (const std::string& file : o.files) writing.characters.emplace_back(loadStrokes({file, fs::path(file), {}}));
  } else {
    const SourceChain source = sourcesOf(folders, shipped, o.layout, notes);
    writing.characters = lookUp(o.text ? charactersOf(*o.text) : sutraCharacters(*o.sutra, folders), source);
  }
  return writing;
}

// The video formats take even sizes only: an odd side grows by a pixel.
LaidOut evenLayout(const ExportOptions& o, LaidOut laid, int count, std::vector<std::string>& notes) {
  PictureSize even{laid.picture.width + laid.picture.width % 2, laid.picture.height + laid.picture.height % 2};
  if (even == laid.picture) return laid;
  notes.push_back("MP4 and WebM need an even width and height: writing " + std::to_string(even.width) + "x" +
                  std::to_string(even.height));
  if (count <= 1) return layOut(count, o.layout, o.perLine, even);
  laid.picture = even;
  return laid;
}

}  // namespace

PreparedExport prepareExport(const ExportOptions& o, const fs::path& executable) {
  const FileKind kind = requireFileKind(o.output);  // before anything is loaded
  PreparedExport prepared;
  ExportRequest& r = prepared.request;
  r.writing = writingFrom(o, executable, prepared.notes);
  const int count = r.writing.page ? 1 : static_cast<int>(r.writing.characters.size());
  const std::optional<PictureSize> size = o.size ? o.size : r.writing.page ? std::optional(kDefaultPageSize) : std::nullopt;
  r.layout = layOut(count, o.layout, o.perLine, size);
  if (needsEvenSize(kind)) r.layout = evenLayout(o, r.layout, count, prepared.notes);
  r.style = styleFrom(o, prepared.notes);
  r.ground = groundFrom(o);
  r.fps = o.fps.value_or(30);
  r.hold = std::chrono::duration_cast<DrawingClock::Duration>(std::chrono::duration<double>(o.hold));
  r.loop = o.loop.value_or(true);
  r.quality = o.quality;
  r.output = o.output;
  return prepared;
}

}  // namespace sumimai

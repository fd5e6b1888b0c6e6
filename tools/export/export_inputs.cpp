#include "export_inputs.h"

#include "data_files/file_paths.h"
#include "export/export_error.h"
#include "writing/character_lookup.h"
#include "writing/sutra_text.h"

namespace sumimai {
namespace {

constexpr char kContext[] = "sumimai-export";

namespace fs = std::filesystem;

constexpr PictureSize kDefaultPageSize{1280, 720};

// The working folder's 設定.dat gives the speed and the ink unless the
// options do.
DrawingStyle styleFrom(const ExportOptions& o, std::vector<std::string>& notes) {
  DrawingStyle style;
  style.tempoScreen = kTempoScreen;  // as long at every size as on a 1920 x 1080 screen
  if (fileExists(kSettingsFileName)) {
    SettingsRead read = readSettingsFile(findFile(kSettingsFileName));
    if (read.ok()) {
      style.speed = read.values[0];
      style.ink = {read.values[1], read.values[2], read.values[3]};
    } else {
      notes.push_back(filledIn(userText(kContext, "%1: %2 (speed 0 and black ink instead)"), {kSettingsFileName, read.problem}));
    }
  }
  if (o.speed) style.speed = *o.speed;
  if (o.ink) style.ink = {static_cast<double>(o.ink->red), static_cast<double>(o.ink->green),
                          static_cast<double>(o.ink->blue)};
  return style;
}

Ground groundFrom(const ExportOptions& o) {
  Ground ground;
  if (o.transparentGround) {
    ground.transparent = true;
  } else if (o.ground) {
    ground.colour = *o.ground;
  } else if (o.background) {
    ground.picture = *o.background;
  } else if (fileExists(kBackgroundPicture)) {
    ground.picture = findFile(kBackgroundPicture);
  }
  return ground;
}

// Settles the characters that cannot be written as --missing says (refused
// by default, naming the first), and refuses cells that do not fit.
Composition written(Composed composed, const ExportOptions& o, const LayoutRequest& layout) {
  if (composed.ok()) composed.problem = settleUnwritten(composed.composition, o.missing, layout);
  if (!composed.ok()) throw exportError("%1; give a larger --size", {composed.problem});
  const PlacedCharacter* unwritten = composed.composition.firstUnwritten();
  if (unwritten && o.missing == UnwrittenCharacters::Refused) throw ExportError(unwritten->problem);
  return std::move(composed.composition);
}

std::vector<TextCharacter> textOf(const ExportOptions& o, const DataPlaces& places) {
  if (o.text) {
    TextCharacters split = charactersOf(*o.text);
    if (!split.ok()) throw ExportError(split.problem);
    return split.characters;
  }
  SutraCharacters sutra = sutraCharacters(places, *o.sutra);
  if (!sutra.problem.empty()) throw ExportError(sutra.problem);
  return sutra.characters;
}

Composition compositionFrom(const ExportOptions& o, const DataPlaces& places, const LayoutRequest& layout) {
  if (!o.files.empty()) {
    std::vector<StrokeSource> files;
    for (const std::string& file : o.files) files.push_back(strokeFileSource(file));
    return written(composeSources(files, layout), o, layout);
  }
  const std::vector<TextCharacter> text = textOf(o, places);
  const CharacterLookup lookup = standardLookup(places, o.locale);
  return written(composeCharacters(text, lookup, layout), o, layout);
}

// The page alone over the whole picture.
Composition pageComposition(const ExportOptions& o) {
  Composition page;
  page.picture = o.size.value_or(kDefaultPageSize);
  return page;
}

std::shared_ptr<const PageStrokes> pageFrom(const DataPlaces& places) {
  const std::optional<fs::path> file = places.findStrokeFolderFile(kPageStrokeFile);
  if (!file) throw ExportError(notInThePlaces(kPageStrokeFile));
  PageLoaded loaded = loadPage(*file);
  if (!loaded.page) throw ExportError(loaded.problem);
  return loaded.page;
}

// The video formats take even sizes only: an odd side grows by a pixel.
void makeEven(Composition& composition, const LayoutRequest& layout, std::vector<std::string>& notes) {
  const PictureSize picture = composition.picture;
  const PictureSize even{picture.width + picture.width % 2, picture.height + picture.height % 2};
  if (even == picture) return;
  notes.push_back(filledIn(userText(kContext, "MP4 and WebM need an even width and height: writing %1x%2"),
                           {std::to_string(even.width), std::to_string(even.height)}));
  LayoutRequest larger = layout;
  larger.size = even;
  if (composition.characters.size() <= 1) (void)arrange(composition, larger);
  else composition.picture = even;
}

// Paces the drawing so that it and the hold last `seconds`.
void fitIntoDuration(ExportRequest& r, double seconds) {
  const DrawingClock::Duration drawing = drawingTime(r);
  if (drawing.count() == 0) return;
  const double wanted = seconds - std::chrono::duration<double>(r.hold).count();
  r.style.pace = wanted / std::chrono::duration<double>(drawing).count();
}

}  // namespace

PreparedExport prepareExport(const ExportOptions& o, const DataPlaces& places) {
  const FileKind kind = requireFileKind(o.output);  // before anything is loaded
  PreparedExport prepared;
  ExportRequest& r = prepared.request;
  const LayoutRequest layout{o.layout, o.perLine, o.size};
  if (o.page) {
    r.page = pageFrom(places);
    r.composition = pageComposition(o);
  } else {
    r.composition = compositionFrom(o, places, layout);
    prepared.notes = r.composition.notes;
  }
  if (needsEvenSize(kind)) makeEven(r.composition, layout, prepared.notes);
  r.style = styleFrom(o, prepared.notes);
  r.ground = groundFrom(o);
  if (r.ground.transparent && !holdsTransparency(kind)) prepared.notes.push_back(cannotBeTransparent(o.output));
  r.fps = o.fps.value_or(30);
  r.hold = std::chrono::duration_cast<DrawingClock::Duration>(std::chrono::duration<double>(o.hold));
  if (o.duration) fitIntoDuration(r, *o.duration);
  r.loop = o.loop.value_or(true);
  r.quality = o.quality;
  r.brush = o.brush;
  r.output = o.output;
  return prepared;
}

}  // namespace sumimai

// The command line of sumimai-export: what it says, checked value by value.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/geometry.h"
#include "drawing/ink_brush/brush_choice.h"
#include "writing/character_lookup.h"
#include "tool_command_line.h"
#include "writing/composition.h"
#include "writing/layout.h"
#include "writing/sutra_text.h"

namespace sumimai {

struct ExportOptions {
  // What to write: stroke files, a range of the sutra, a text or the page.
  std::vector<std::string> files;
  std::optional<SutraRange> sutra;
  std::optional<std::string> text;
  bool page = false;
  std::string output;

  std::optional<double> speed;
  std::optional<int> fps = 30;
  std::optional<PictureSize> size;
  WritingDirection layout = WritingDirection::Columns;
  std::optional<int> perLine;
  std::optional<Rgb> ink;
  std::optional<Rgb> ground;
  bool transparentGround = false;  // --ground transparent
  std::optional<std::string> background;
  double hold = 1.5;
  std::optional<double> duration;  // the whole export's length in seconds, the hold included
  UnwrittenCharacters missing = UnwrittenCharacters::Refused;
  std::optional<bool> loop;
  std::optional<int> quality;
  BrushChoice brush;
  LookupChoice locale;
  bool quiet = false;
};

inline constexpr char kExportProgram[] = "sumimai-export";

// The options, or the first mistake in them (a sentence naming it), or that
// --help or --version was asked for.
struct ParsedOptions {
  ExportOptions options;
  CommandLineRead read;
};
ParsedOptions parseOptions(const std::vector<std::string>& arguments);

// What --help prints.
std::string helpText();

}  // namespace sumimai

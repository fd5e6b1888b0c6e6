// The settings file 設定.dat: the drawing speed and the ink colour, four
// lines ending in CR LF.
#pragma once

#include <array>
#include <filesystem>
#include <string>

#include "core/geometry.h"
#include "folder_files.h"

namespace sumimai {

// The numbers as read from the file, whole or fractional, none rounded.
struct DrawSettings {
  double Speed = 0;  // pacing of the brush: 0 is the fastest
  double Red = 0;
  double Green = 0;
  double Blue = 0;
};

// The colour the brush paints with, as numbers; rounded only when a ring's
// colour is formed from it.
struct InkColour {
  double red = 0;
  double green = 0;
  double blue = 0;
};

// The colour a ring is drawn with: each component rounded halves to even,
// held to 0..255.
Rgb ringColour(const InkColour& ink);

struct [[nodiscard]] SettingsRead {
  std::array<double, 4> values{};  // speed, red, green, blue; zeros unless ok
  std::string problem;  // why the file could not be used, in Japanese
  bool ok() const { return problem.empty(); }
};

// Reads the first four items of the file as numbers (blanks around them
// ignored, an empty item 0) and nothing after them.
SettingsRead readSettingsFile(const std::filesystem::path& path);

// The exact content of a settings file: the speed line as given, then red,
// green and blue in print form, each line ending in CR LF.
std::string settingsFileText(const std::string& speedLine, double red, double green, double blue);

// 設定呼び出し: reads 設定.dat into settings and copies its colour into ink.
// When the file is missing, short or damaged the settings fall back to speed
// 0 and black ink, and the result says why.
SettingsRead 設定呼び出し(DrawSettings& settings, InkColour& ink);

}  // namespace sumimai

#include "settings_checks.h"

#include <algorithm>
#include <cmath>

#include "data_files/number_forms.h"
#include "data_files/settings_file.h"
#include "scratch_file.h"
#include "core/utf8.h"

namespace sumimai::fuzz {
namespace {

// The file the settings editor writes for these values: the speed as its
// display shows a value loaded from the file, the colour in print form.
std::string editorFile(const std::array<double, 4>& v) {
  return settingsFileText(displayForm(v[0]), v[1], v[2], v[3]);
}

bool isAscii(const std::string& s) {
  return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

void checkRead(const SettingsRead& read, Problems& problems) {
  if (!read.ok) {
    expect(problems, !read.problem.empty() && decodeUtf8(read.problem).ok(),
           "a failed read gives no reason, or one that is not UTF-8");
    expect(problems, read.values == std::array<double, 4>{}, "a failed read leaves values other than 0");
    return;
  }
  expect(problems,
         std::all_of(read.values.begin(), read.values.end(), [](double v) { return std::isfinite(v); }),
         "a value read is not finite");
  Rgb c = ringColour({read.values[1], read.values[2], read.values[3]});
  auto ok = [](int v) { return v >= 0 && v <= 255; };
  expect(problems, ok(c.red) && ok(c.green) && ok(c.blue), "a ring colour component is outside 0..255");
}

void checkRoundTrip(const std::array<double, 4>& values, Problems& problems) {
  const std::string written = editorFile(values);
  expect(problems, isAscii(written), "the written file is not ASCII");
  expect(problems,
         std::count(written.begin(), written.end(), '\n') == 4 &&
             std::count(written.begin(), written.end(), '\r') == 4 && written.ends_with("\r\n"),
         "the written file is not four CR LF lines");
  SettingsRead back = readSettingsFile(writeScratchFile("written.dat", written));
  expect(problems, back.ok, "the written file does not read back");
  if (!back.ok) return;
  bool same = true;
  for (std::size_t i = 0; i < values.size(); ++i) {
    same = same && back.values[i] == parseNumberItem(decimalDigits(values[i]));
  }
  expect(problems, same, "the written file reads back to other values");
  expect(problems, editorFile(back.values) == written, "writing the values read back changes the file");
}

}  // namespace

Problems checkSettingsFile(std::string_view bytes) {
  Problems problems;
  SettingsRead read = readSettingsFile(writeScratchFile("設定.dat", bytes));
  checkRead(read, problems);
  if (read.ok) checkRoundTrip(read.values, problems);
  return problems;
}

}  // namespace sumimai::fuzz

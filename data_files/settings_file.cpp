#include "settings_file.h"

#include "core/user_language.h"
#include "file_paths.h"
#include "number_forms.h"
#include "text_items.h"

namespace sumimai {
namespace fs = std::filesystem;

Rgb ringColour(const InkColour& ink) {
  return {colourComponent(ink.red), colourComponent(ink.green), colourComponent(ink.blue)};
}

SettingsRead readSettingsFile(const fs::path& path) {
  SettingsRead result;
  OpenedFile file = openDataFile(path);
  if (file.status != OpenedFile::Status::Opened) {
    result.problem = file.problem();
    return result;
  }
  TextItemReader reader(*file.stream);
  for (std::size_t i = 0; i < result.values.size(); ++i) {
    std::optional<TextItem> item = reader.next();
    if (!item) {
      result.problem = userText("DataFiles", "4 行（描画スピード、赤、緑、青）がそろっていません。");
      result.values = {};
      return result;
    }
    NumberItem number = numberOfItem(*item);
    if (!number.value) {
      result.problem = filledIn(userText("DataFiles", "%1 行目%2"), {std::to_string(i + 1), number.problem});
      result.values = {};
      return result;
    }
    result.values[i] = *number.value;
  }
  return result;
}

std::string settingsFileText(const std::string& speedLine, double red, double green, double blue) {
  return speedLine + "\r\n" + printForm(red) + "\r\n" + printForm(green) + "\r\n" +
         printForm(blue) + "\r\n";
}

SettingsRead 設定呼び出し(DrawSettings& settings, InkColour& ink) {
  SettingsRead read = readSettingsFile(kSettingsFileName);
  settings = {read.values[0], read.values[1], read.values[2], read.values[3]};
  ink = {settings.Red, settings.Green, settings.Blue};
  return read;
}

}  // namespace sumimai

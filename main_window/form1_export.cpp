// The S key: the writing of the character on screen saved as an animated
// WebP through the export layer, on a canvas of its own, so that nothing on
// screen changes. An earlier save of the same character is kept: the new
// file gets the next number.
#include <algorithm>
#include <cmath>
#include <filesystem>

#include "data_files/file_paths.h"
#include "data_files/folder_files.h"
#include "export/animation_export.h"
#include "export/export_error.h"
#include "form1.h"
#include "form1_texts.h"

namespace sumimai {
namespace {

int pixels(float twips) { return std::max(1, static_cast<int>(std::lround(twips / kTwipsPerPixel))); }

bool taken(const std::string& name) {
  std::error_code ignored;
  return std::filesystem::exists(std::filesystem::symlink_status(name, ignored));
}

// "12_自.webp", or when that is taken (by an earlier save, or anything else
// standing there) the first free of "12_自-2.webp", "12_自-3.webp", ...: a
// save never replaces an earlier one.
std::string freeName(int number, const std::string& character) {
  const std::string stem = std::to_string(number) + "_" + character;
  std::string name = stem + ".webp";
  for (int next = 2; taken(name); ++next) name = stem + "-" + std::to_string(next) + ".webp";
  return name;
}

}  // namespace

void Form1::SaveWriting() {
  if (!shown_ || shown_->character.empty()) {
    messages_.show(Form1Texts::kNothingToSave, Form1Texts::kSaveTitle, MessageBoxStyle::kOk);
    return;
  }
  const std::string name = freeName(shown_->number, shown_->character);
  try {
    const std::string file = strokeFileName(shown_->character);
    if (!staysInFolder(file)) throw ExportError(Form1Texts::kOutsideFolder);
    const PictureSize window{pixels(form.width()), pixels(form.height())};
    Composed composed = composeSources({strokeFileSource(dataFilePath(file), dataFileDisplayName(file))},
                                       {WritingDirection::Columns, std::nullopt, window});
    if (const PlacedCharacter* unwritten = composed.composition.firstUnwritten()) {
      throw ExportError(unwritten->problem);
    }
    ExportRequest request;
    request.composition = std::move(composed.composition);
    request.style = {DrawSettings.Speed, InkColour};
    if (fileExists(kBackgroundPicture)) request.ground.picture = findFile(kBackgroundPicture);
    request.output = name;
    exportWriting(request);
  } catch (const ExportError& e) {
    messages_.show("「" + name + "」" + Form1Texts::kNotSaved + "\n" + e.what(), Form1Texts::kSaveTitle,
                   MessageBoxStyle::kOk);
    return;
  }
  const std::string where = std::filesystem::absolute(name).string();
  messages_.show("「" + name + "」" + Form1Texts::kSavedIn + "\n" + where, Form1Texts::kSaveTitle, MessageBoxStyle::kOk);
}

}  // namespace sumimai

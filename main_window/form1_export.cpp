// The S key: the writing of the character on screen saved as an animated
// WebP through the export layer, on a canvas of its own, so that nothing on
// screen changes.
#include <algorithm>
#include <cmath>
#include <filesystem>

#include "data_files/file_paths.h"
#include "export/animation_export.h"
#include "export/export_error.h"
#include "form1.h"
#include "form1_texts.h"

namespace sumimai {
namespace {

int pixels(float twips) { return std::max(1, static_cast<int>(std::lround(twips / kTwipsPerPixel))); }

}  // namespace

void Form1::SaveWriting() {
  if (!shown_ || shown_->character.empty()) {
    messages_.show(Form1Texts::kNothingToSave, Form1Texts::kSaveTitle, MessageBoxStyle::kOk);
    return;
  }
  const std::string name = std::to_string(shown_->number) + "_" + shown_->character + ".webp";
  try {
    const std::string file = shown_->character + ".mem";
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

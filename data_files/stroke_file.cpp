#include "stroke_file.h"

#include <fstream>

#include "window_services/message_boxes.h"
#include "file_paths.h"
#include "record_reader.h"

namespace sumimai {
namespace fs = std::filesystem;
namespace {

// Opens a data file and reads it with read, or reports why it cannot be
// read. An unreadable file leaves an empty table ended at slot 1.
template <typename Table, typename Read>
StrokeFileRead withItems(const fs::path& path, Table& table, StrokeCountValue& count, Read read) {
  fs::path found = findFile(path);
  std::error_code ec;
  if (!fs::exists(found, ec)) return {StrokeFileStatus::Missing, ""};
  std::ifstream in(found, std::ios::binary);
  if (!in || fs::is_directory(found, ec)) {
    table[1].StartX = StrokeTerminator;
    count = 1;
    return {StrokeFileStatus::Unreadable, "ファイルを開けません。"};
  }
  TextItemReader reader(in);
  return read(reader);
}

}  // namespace

StrokeFileRead readStrokeFile(const fs::path& path, StrokeTable& table, StrokeCountValue& count) {
  for (int i = 1; i <= kStrokeSlots; ++i) table[i] = StrokeRecord{};
  return withItems(path, table, count, [&](TextItemReader& reader) {
    return detail::readRecords<StrokeRecord, std::int32_t>(reader, table, kStrokeSlots,
                                                           roundToInt32, count);
  });
}

StrokeFileRead readPageFile(const fs::path& path, PageStrokeTable& table, StrokeCountValue& count) {
  for (int i = 1; i <= kPageSlots; ++i) table[i] = PageStrokeRecord{};
  // Page values stay as read; they must lie within the 32-bit range that
  // stroke files use, which keeps the fitting arithmetic finite.
  auto asRead = [](double v) -> std::optional<double> {
    if (roundToInt32(v)) return v;
    return std::nullopt;
  };
  return withItems(path, table, count, [&](TextItemReader& reader) {
    return detail::readRecords<PageStrokeRecord, double>(reader, table, kPageSlots, asRead, count);
  });
}

void loadStrokeFile(const fs::path& path, const std::string& displayName, StrokeTable& table,
                    StrokeCountValue& count, MissingFileNotice& notice, MessageBoxes& messages) {
  StrokeFileRead read = readStrokeFile(path, table, count);
  if (read.status == StrokeFileStatus::Missing) {
    if (notice == MissingFileNotice::Unset) {
      int answer = messages.show(StrokeFileTexts::kAskPrompt, StrokeFileTexts::kAskTitle,
                                 MessageBoxStyle::kYesNo);
      notice = answer == MessageBoxAnswer::kYes ? MissingFileNotice::Report : MissingFileNotice::Silent;
    }
    if (notice == MissingFileNotice::Report) {
      (void)messages.show(displayName, StrokeFileTexts::kMissingTitle, MessageBoxStyle::kOk);
    }
    return;
  }
  if (!read.ok()) {
    std::string prompt = displayName + "\n" + read.problem;
    if (read.status == StrokeFileStatus::Damaged) prompt += "\nそれより前の記録だけを描きます。";
    (void)messages.show(prompt, StrokeFileTexts::kDamagedTitle, MessageBoxStyle::kOk);
  }
}

void 呼び出し(const std::string& StrokeFileName, StrokeTable& table, StrokeCountValue& count,
              MissingFileNotice& notice, MessageBoxes& messages) {
  loadStrokeFile(dataFilePath(StrokeFileName), dataFileDisplayName(StrokeFileName), table, count,
                 notice, messages);
}

}  // namespace sumimai

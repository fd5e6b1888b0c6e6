// Loading a stroke file into the stroke table (呼び出し) and the page file
// into the page table.
#pragma once

#include <filesystem>
#include <string>

#include "stroke_table.h"

namespace sumimai {

class MessageBoxes;

enum class StrokeFileStatus {
  Complete,    // the end mark was met
  Full,        // all slots filled without an end mark
  Damaged,     // the file ended early or held a bad item; the records before stand
  Missing,     // no such file
  Unreadable,  // the file exists but could not be opened
};

struct [[nodiscard]] StrokeFileRead {
  StrokeFileStatus status = StrokeFileStatus::Complete;
  std::string problem;  // for Damaged and Unreadable: what is wrong, in Japanese
  bool ok() const { return status == StrokeFileStatus::Complete || status == StrokeFileStatus::Full; }
};

// Clears slots 1..100 and reads the file at path into slots 1.. . On the end
// mark, count becomes its slot. A file that fills all 100 slots without one
// sets count to 100, so that the fitting steps cut the table at slot 100 and
// 99 records are drawn. A damaged file leaves the records read before the
// damage, an end mark after them and count pointing at it. A missing file
// leaves the table cleared and count as it was.
StrokeFileRead readStrokeFile(const std::filesystem::path& path, StrokeTable& table,
                              StrokeCountValue& count);

// The same for the page: slots 1..20000, values kept as read; a full table
// sets count to 20000.
StrokeFileRead readPageFile(const std::filesystem::path& path, PageStrokeTable& table,
                            StrokeCountValue& count);

// 呼び出し on a file given by its path: reads it, and tells the user of a
// missing file (asking once per run whether to) or of a damaged one.
// displayName is the name the user is told.
void loadStrokeFile(const std::filesystem::path& path, const std::string& displayName,
                    StrokeTable& table, StrokeCountValue& count, MissingFileNotice& notice,
                    MessageBoxes& messages);

// 呼び出し: loads the stroke file StrokeFileName from the folder 般若心経.
void 呼び出し(const std::string& StrokeFileName, StrokeTable& table, StrokeCountValue& count,
              MissingFileNotice& notice, MessageBoxes& messages);

// The user-facing texts of the loader.
namespace StrokeFileTexts {
inline constexpr char kAskPrompt[] = "不在文字を通知しますか？";
inline constexpr char kAskTitle[] = "不在文字通知確認";
inline constexpr char kMissingTitle[] = "ファイルが存在しません。";
inline constexpr char kDamagedTitle[] = "ストロークファイルの誤り";
}  // namespace StrokeFileTexts

}  // namespace sumimai

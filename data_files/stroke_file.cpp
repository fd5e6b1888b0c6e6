#include "stroke_file.h"

#include "file_paths.h"
#include "record_reader.h"

namespace sumimai {
namespace fs = std::filesystem;
namespace {

// Opens a data file and reads it with read, or reports why it cannot be
// read. An unreadable file leaves an empty table ended at slot 1.
template <typename Table, typename Read>
StrokeFileRead withItems(const fs::path& path, Table& table, StrokeCountValue& count, Read read) {
  OpenedFile file = openDataFile(path);
  switch (file.status) {
    case OpenedFile::Status::Missing:
      return {StrokeFileStatus::Missing, 0, ""};
    case OpenedFile::Status::Unreadable:
      table[1].StartX = StrokeTerminator;
      count = 1;
      return {StrokeFileStatus::Unreadable, 0, file.problem()};
    case OpenedFile::Status::Opened:
      break;
  }
  TextItemReader reader(*file.stream);
  return read(reader);
}

void clearSlots(StrokeTable& table) {
  for (int i = 1; i <= kStrokeSlots; ++i) table[i] = StrokeRecord{};
}

StrokeFileRead readStrokeItems(TextItemReader& reader, StrokeTable& table, StrokeCountValue& count) {
  return detail::readRecords<StrokeRecord, std::int32_t>(reader, table, kStrokeSlots, roundToInt32, count);
}

}  // namespace

StrokeFileRead readStrokeFile(const fs::path& path, StrokeTable& table, StrokeCountValue& count) {
  clearSlots(table);
  return withItems(path, table, count,
                   [&](TextItemReader& reader) { return readStrokeItems(reader, table, count); });
}

StrokeFileRead readStrokeStream(std::istream& in, StrokeTable& table, StrokeCountValue& count) {
  clearSlots(table);
  TextItemReader reader(in);
  return readStrokeItems(reader, table, count);
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

}  // namespace sumimai

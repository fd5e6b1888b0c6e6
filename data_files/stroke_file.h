// Reading a stroke file into the stroke table and the page file into the
// page table. The readers report what they read and what went wrong; the
// window that called them decides what to ask and what to show.
#pragma once

#include <filesystem>
#include <istream>
#include <string>

#include "stroke_table.h"

namespace sumimai {

enum class StrokeFileStatus {
  Complete,    // the end mark was met
  Full,        // all slots filled without an end mark
  Damaged,     // the file ended early or held a bad item; the records before stand
  Missing,     // no such file
  Unreadable,  // the file exists but could not be opened
};

struct [[nodiscard]] StrokeFileRead {
  StrokeFileStatus status = StrokeFileStatus::Complete;
  int record = 0;       // for Damaged: the record at fault (0: the header)
  std::string problem;  // for Damaged and Unreadable: what is wrong, in Japanese
  bool ok() const { return status == StrokeFileStatus::Complete || status == StrokeFileStatus::Full; }
};

// Clears slots 1..100 and reads the file at path into slots 1.. . On the end
// mark, count becomes its slot. A file that fills all 100 slots without one
// sets count to 100, so that the fitting steps cut the table at slot 100 and
// 99 records are drawn. A damaged file leaves the records read before the
// damage, an end mark after them and count pointing at it; a file that
// cannot be opened an end mark in slot 1. A missing file leaves the table
// cleared and count as it was.
StrokeFileRead readStrokeFile(const std::filesystem::path& path, StrokeTable& table,
                              StrokeCountValue& count);

// The same from a stream that holds a stroke file's bytes.
StrokeFileRead readStrokeStream(std::istream& in, StrokeTable& table, StrokeCountValue& count);

// The same for the page: slots 1..20000, values kept as read; a full table
// sets count to 20000.
StrokeFileRead readPageFile(const std::filesystem::path& path, PageStrokeTable& table,
                            StrokeCountValue& count);

}  // namespace sumimai

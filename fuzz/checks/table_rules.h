// Rules every loaded and every fitted table keeps, for the character's table
// and the page's alike.
#pragma once

#include <cstring>
#include <string>

#include "data_files/stroke_file.h"
#include "problems.h"
#include "core/utf8.h"

namespace sumimai::fuzz {

// The first slot in 1..slots whose StartX is the end mark, or 0 if none.
template <typename Table>
int firstEndMark(const Table& table, int slots) {
  for (int i = 1; i <= slots; ++i) {
    if (table[i].StartX == StrokeTerminator) return i;
  }
  return 0;
}

// Whether slots from..to of a and b hold the same bytes. Records are plain
// values, and no reader stores a minus zero, so this is equality; it keeps
// the checks of the page's 20000 slots cheap.
template <typename Table>
bool sameSlots(const Table& a, const Table& b, int from, int to) {
  if (from > to) return true;
  return std::memcmp(&a[from], &b[from], sizeof a[from] * static_cast<std::size_t>(to - from + 1)) == 0;
}

// A table of zeros, made once.
template <typename Table>
const Table& zeroTable() {
  static const Table* zeros = new Table{};
  return *zeros;
}

// After a load of an existing file: count names a slot in 1..slots; a table
// that ended (read complete, or damaged) has its end mark there, with every
// other field 0 and zeros after it; a full one has none; every record before
// the end has a thickness other than 0; a failed read says why in UTF-8.
template <typename Table, typename Record>
void checkLoadedTable(const Table& table, const StrokeCountValue& count, const StrokeFileRead& read,
                      int slots, Problems& problems) {
  expect(problems, read.status != StrokeFileStatus::Missing, "an existing file reads as missing");
  expect(problems, read.ok() || (!read.problem.empty() && decodeUtf8(read.problem).ok()),
         "a failed read gives no reason, or one that is not well-formed UTF-8");
  if (!count || *count < 1 || *count > slots) {
    problems.emplace_back("the count is unset or outside the table after a load");
    return;
  }
  const int end = read.status == StrokeFileStatus::Full ? slots + 1 : *count;
  expect(problems, read.status != StrokeFileStatus::Full || *count == slots,
         "a full table's count is not its last slot");
  expect(problems, firstEndMark(table, slots) == (end > slots ? 0 : end),
         "the end mark is not where the count says");
  Record mark{};
  mark.StartX = StrokeTerminator;
  expect(problems, end > slots || table[end] == mark, "the end mark holds more than its StartX");
  for (int i = 1; i < end; ++i) {
    if (table[i].Thickness == 0) {
      problems.emplace_back("a loaded record has thickness 0");
      break;
    }
  }
  expect(problems, sameSlots(table, zeroTable<Table>(), end + 1, slots),
         "a slot after the end mark is not zero");
}

// Fitting moves and scales coordinates (and, when scaling, thicknesses), never
// a kind, and a field that was 0 stays 0. Checked over slots 1..end-1.
template <typename Record>
void checkFittedRecord(const Record& before, const Record& after, bool thicknessMayChange,
                       Problems& problems) {
  auto zeroKept = [](auto b, auto a) { return b != 0 || a == 0; };
  expect(problems, before.Kind == after.Kind, "fitting changed a kind");
  expect(problems, thicknessMayChange || before.Thickness == after.Thickness,
         "correction changed a thickness");
  expect(problems,
         zeroKept(before.StartX, after.StartX) && zeroKept(before.StartY, after.StartY) &&
             zeroKept(before.EndX, after.EndX) && zeroKept(before.EndY, after.EndY) &&
             zeroKept(before.Thickness, after.Thickness),
         "fitting changed a field of 0");
}

template <typename Table>
void checkFittedTable(const Table& before, const Table& after, int end, bool scaling, Problems& problems) {
  for (int i = 1; i < end; ++i) {
    std::size_t found = problems.size();
    checkFittedRecord(before[i], after[i], scaling, problems);
    if (problems.size() != found) return placeSince(problems, found, "slot " + std::to_string(i));
  }
}

}  // namespace sumimai::fuzz

// The stroke records of one character and of the whole page.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace sumimai {

// StartX of the record that marks the end of a table.
constexpr std::int32_t StrokeTerminator = 99999;

// The kinds of record (StrokeRecord::Kind). Kinds 1 and 2 and negative
// kinds are drawn, 0 and 3 upwards are not.
inline constexpr std::int32_t kNewStroke = 1;        // after a pen lift, from its own start point
inline constexpr std::int32_t kStrokeGoesOn = 2;     // from the end of the last drawn record
inline constexpr std::int32_t kUndrawnRecord = 3;    // drawn nothing; it still bounds the fitting
inline constexpr std::int32_t kBeyondTheMinimum = 4; // drawn nothing; left out of the fitting's minimum

// One segment of a recorded character, in the recording's own units until the
// fitting steps turn it into canvas twips. A coordinate or thickness of 0
// stands for an absent value.
struct StrokeRecord {
  std::int32_t StartX = 0;
  std::int32_t StartY = 0;
  std::int32_t EndX = 0;
  std::int32_t EndY = 0;
  std::int32_t Kind = 0;       // kNewStroke, kStrokeGoesOn, ... (above)
  std::int32_t Thickness = 0;  // brush radius at the end point

  bool operator==(const StrokeRecord&) const = default;
};

// Slots 0..100. Slot 0 is never loaded; it stands before slot 1 when drawing.
constexpr int kStrokeSlots = 100;
using StrokeTable = std::array<StrokeRecord, kStrokeSlots + 1>;

// The whole page's strokes: the same fields, held as read (whole or fractional).
struct PageStrokeRecord {
  double StartX = 0;
  double StartY = 0;
  double EndX = 0;
  double EndY = 0;
  double Kind = 0;
  double Thickness = 0;

  bool operator==(const PageStrokeRecord&) const = default;
};

// Slots 0..20000, on the heap (almost a megabyte).
constexpr int kPageSlots = 20000;
class PageStrokeTable {
 public:
  PageStrokeTable() : slots_(kPageSlots + 1) {}
  PageStrokeRecord& operator[](int i) { return slots_[static_cast<std::size_t>(i)]; }
  const PageStrokeRecord& operator[](int i) const { return slots_[static_cast<std::size_t>(i)]; }
  static constexpr int size() { return kPageSlots + 1; }

 private:
  std::vector<PageStrokeRecord> slots_;
};

// The slot number of the end mark of the table loaded last; unset until the
// first successful load. Where an unset count is used as a slot it counts as 0.
using StrokeCountValue = std::optional<int>;
inline int slotOf(const StrokeCountValue& count) { return count.value_or(0); }

}  // namespace sumimai

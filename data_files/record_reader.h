// The record loop shared by the stroke file and the page file loaders.
#pragma once

#include <optional>
#include <string>

#include "core/printable.h"
#include "core/user_language.h"
#include "number_forms.h"
#include "stroke_file.h"
#include "text_items.h"

namespace sumimai::detail {

inline constexpr char kMessages[] = "DataFiles";

inline std::string endsWithin(int record) {
  return filledIn(userText(kMessages, "記録 %1 の途中でファイルが終わっています（終わりの印 99999 がありません）。"),
                  {std::to_string(record)});
}

// Reads one numeric item of record `record` through convert (which returns
// nothing for a value out of range). On failure fills problem.
template <typename Value, typename Convert>
std::optional<Value> readField(TextItemReader& reader, int record, int itemNumber,
                               Convert convert, std::string& problem) {
  std::optional<TextItem> item = reader.next();
  if (!item) {
    problem = endsWithin(record);
    return std::nullopt;
  }
  const std::string at = std::to_string(record), field = std::to_string(itemNumber);
  NumberItem number = numberOfItem(*item);
  if (!number.value) {
    problem = filledIn(userText(kMessages, "記録 %1 の項目 %2%3"), {at, field, number.problem});
    return std::nullopt;
  }
  std::optional<Value> value = convert(*number.value);
  if (!value) {
    problem = filledIn(userText(kMessages, "記録 %1 の項目 %2「%3」は扱える範囲を超えています。"),
                       {at, field, printable(utf8Prefix(item->text, 40))});
  }
  return value;
}

// Reads records into slots 1..slots of table. Table slots are cleared by the
// caller. Record and Value are the table's record and field types.
template <typename Record, typename Value, typename Table, typename Convert>
StrokeFileRead readRecords(TextItemReader& reader, Table& table, int slots, Convert convert,
                           StrokeCountValue& count) {
  StrokeFileRead result;
  // The end mark goes into the slot of the record at fault.
  auto damaged = [&](int slot, std::string problem) {
    table[slot] = Record{};
    table[slot].StartX = StrokeTerminator;
    count = slot;
    result.status = StrokeFileStatus::Damaged;
    result.record = slot;
    result.problem = std::move(problem);
    return result;
  };
  if (!reader.next()) {
    StrokeFileRead empty = damaged(1, userText(kMessages, "ファイルが空です（終わりの印 99999 がありません）。"));
    empty.record = 0;  // the header is missing, not a record
    return empty;
  }
  for (int slot = 1; slot <= slots; ++slot) {
    Record record;
    std::string problem;
    if (!reader.next()) {
      return damaged(slot, filledIn(userText(kMessages, "記録 %1 の後でファイルが終わっています（終わりの印 99999 がありません）。"),
                                    {std::to_string(slot - 1)}));
    }
    Value* fields[] = {&record.StartX, &record.StartY, &record.EndX,
                       &record.EndY,   &record.Kind,   &record.Thickness};
    for (int f = 0; f < 6; ++f) {
      std::optional<Value> v = readField<Value>(reader, slot, f + 2, convert, problem);
      if (!v) return damaged(slot, problem);
      *fields[f] = *v;
      if (f == 0 && record.StartX == StrokeTerminator) {
        table[slot] = record;
        count = slot;
        return result;
      }
    }
    for (int ignored = 8; ignored <= 11; ++ignored) {
      if (!reader.next()) {
        return damaged(slot, endsWithin(slot));
      }
    }
    if (record.Thickness == 0) record.Thickness = 1;
    table[slot] = record;
  }
  count = slots;
  result.status = StrokeFileStatus::Full;
  return result;
}

}  // namespace sumimai::detail

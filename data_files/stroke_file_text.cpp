#include "stroke_file_text.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace sumimai {
namespace {

constexpr char kLineEnd[] = "\r\n";
// The fields after Thickness that a record line leaves empty.
constexpr char kEmptyFields[] = ",,,";

}  // namespace

std::int32_t strokeFileValue(double fileUnits) {
  constexpr double largest = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(std::clamp(std::round(fileUnits), 1.0, largest));
}

std::string strokeFileText(std::string_view header, const std::vector<StrokeRecord>& records) {
  std::string text = std::string(header) + kLineEnd;
  std::int32_t n = 0;
  for (const StrokeRecord& r : records) {
    for (std::int32_t v : {++n, r.StartX, r.StartY, r.EndX, r.EndY, r.Kind, r.Thickness}) {
      text += std::to_string(v) + ",";
    }
    text += std::string(kEmptyFields) + kLineEnd;
  }
  const std::string endMark = std::to_string(StrokeTerminator) + kLineEnd;
  return text + endMark + endMark;
}

}  // namespace sumimai

#include "stroke_records.h"

#include <algorithm>
#include <cmath>

namespace sumimai::strokes {
namespace {

std::int32_t fileValue(double v) { return static_cast<std::int32_t>(std::max(1.0, std::round(v))); }

}  // namespace

std::vector<StrokeRecord> strokeRecords(const std::vector<BrushPath>& strokes, const Placement& placement,
                                        const std::vector<bool>& stillStart) {
  std::vector<StrokeRecord> records;
  for (std::size_t s = 0; s < strokes.size(); ++s) {
    const BrushPath& path = strokes[s];
    bool still = path.size() < 2 || s >= stillStart.size() || stillStart[s];
    std::int32_t x = 0, y = 0;
    for (std::size_t i = 0; i < path.size(); ++i) {
      std::int32_t nx = fileValue(path[i].at.x * placement.scale + placement.offset.x);
      std::int32_t ny = fileValue(path[i].at.y * placement.scale + placement.offset.y);
      std::int32_t thickness = fileValue(path[i].radius * placement.scale);
      if (i == 0) x = nx, y = ny;
      if (i > 0 || still) records.push_back({x, y, nx, ny, i == 0 || (i == 1 && !still) ? 1 : 2, thickness});
      x = nx, y = ny;
    }
  }
  return records;
}

std::string strokeFileText(const std::string& header, const std::vector<StrokeRecord>& records) {
  std::string text = header + "\r\n";
  int n = 0;
  for (const StrokeRecord& r : records) {
    for (std::int32_t v : {++n, r.StartX, r.StartY, r.EndX, r.EndY, r.Kind, r.Thickness}) {
      text += std::to_string(v) + ",";
    }
    text += ",,,\r\n";
  }
  text += "99999\r\n99999\r\n";
  return text;
}

}  // namespace sumimai::strokes

#include "stroke_records.h"

#include "data_files/stroke_file_text.h"

namespace sumimai::strokes {

std::vector<StrokeRecord> strokeRecords(const std::vector<BrushPath>& strokes, const Placement& placement,
                                        const std::vector<bool>& stillStart) {
  std::vector<StrokeRecord> records;
  for (std::size_t s = 0; s < strokes.size(); ++s) {
    const BrushPath& path = strokes[s];
    bool still = path.size() < 2 || s >= stillStart.size() || stillStart[s];
    std::int32_t x = 0, y = 0;
    for (std::size_t i = 0; i < path.size(); ++i) {
      std::int32_t nx = strokeFileValue(path[i].at.x * placement.scale + placement.offset.x);
      std::int32_t ny = strokeFileValue(path[i].at.y * placement.scale + placement.offset.y);
      std::int32_t thickness = strokeFileValue(path[i].radius * placement.scale);
      if (i == 0) x = nx, y = ny;
      if (i > 0 || still) records.push_back({x, y, nx, ny, i == 0 || (i == 1 && !still) ? kNewStroke : kStrokeGoesOn, thickness});
      x = nx, y = ny;
    }
  }
  return records;
}

}  // namespace sumimai::strokes

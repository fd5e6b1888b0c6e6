#include "sheet_layout.h"

#include <algorithm>
#include <cmath>

namespace sumimai {
namespace {

constexpr double kMargin = points(15);
constexpr double kCell = points(18);
constexpr double kHeadingSide = points(24);
constexpr double kTitleBand = points(12);
constexpr double kFooterBand = points(8);
constexpr double kBlockGap = points(6);      // between characters
constexpr double kSectionGap = points(2);    // between a block's heading, sequence and practice

// One line of a block: its height, the room above it when it does not start
// a page, and what it holds once its top is known.
struct BlockLine {
  double height = 0;
  double gapBefore = 0;
  enum class What { Heading, Cells } what = What::Cells;
  std::vector<SheetCell> cells;  // tops relative to the line's top
};

struct Frame {
  double left = 0, top = 0, bottom = 0;  // where the blocks go
  double cell = 0;
  int perLine = 0;
};

// Cells of one kind in lines of perLine, appended to `lines`.
void addCells(std::vector<BlockLine>& lines, const Frame& frame, int count, int character,
              auto kindOf, double gapBefore) {
  for (int i = 0; i < count; ++i) {
    const int column = i % frame.perLine;
    if (column == 0) lines.push_back({frame.cell, i == 0 ? gapBefore : 0, BlockLine::What::Cells, {}});
    const auto [kind, stroke] = kindOf(i);
    lines.back().cells.push_back({{frame.left + column * frame.cell, 0, frame.cell, frame.cell}, kind, character, stroke});
  }
}

std::vector<BlockLine> blockOf(int character, int strokes, const SheetOptions& options, const Frame& frame) {
  std::vector<BlockLine> lines;
  lines.push_back({kHeadingSide, kBlockGap, BlockLine::What::Heading, {}});
  addCells(lines, frame, strokes, character, [](int i) { return std::pair{CellKind::Sequence, i + 1}; }, kSectionGap);
  const int trace = std::max(options.trace, 0);
  const int fullLines = std::max(1, (trace + frame.perLine - 1) / frame.perLine);
  const int practice = options.cells.value_or(fullLines * frame.perLine);
  addCells(lines, frame, practice, character,
           [trace](int i) { return std::pair{i < trace ? CellKind::Trace : CellKind::Empty, 0}; }, kSectionGap);
  return lines;
}

double heightOf(const std::vector<BlockLine>& lines, bool startsPage) {
  double height = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) height += lines[i].height + (i == 0 && startsPage ? 0 : lines[i].gapBefore);
  return height;
}

SheetPage emptyPage(const PageSize& page, const SheetOptions& options) {
  SheetPage p;
  if (!options.title.empty()) p.title = {kMargin, kMargin, page.width - 2 * kMargin, kTitleBand};
  p.number = {kMargin, page.height - kMargin - kFooterBand, page.width - 2 * kMargin, kFooterBand};
  return p;
}

void placeLine(SheetPage& page, const BlockLine& line, double top, int character, const Frame& frame) {
  if (line.what == BlockLine::What::Heading) {
    const SheetRect box{frame.left, top, kHeadingSide, kHeadingSide};
    page.headings.push_back({box, {box.right() + points(4), top, points(40), kHeadingSide}, character});
    return;
  }
  for (SheetCell cell : line.cells) {
    cell.box.top = top;
    page.cells.push_back(cell);
  }
}

}  // namespace

PageSize pageSizeOf(Paper paper, bool landscape) {
  PageSize size;
  switch (paper) {
    case Paper::A4: size = {points(210), points(297)}; break;
    case Paper::Letter: size = {612, 792}; break;
    case Paper::B5: size = {points(182), points(257)}; break;
  }
  if (landscape) std::swap(size.width, size.height);
  return size;
}

SheetPlan layOutSheet(const std::vector<int>& strokeCounts, const SheetOptions& options) {
  SheetPlan plan;
  plan.page = pageSizeOf(options.paper, options.landscape);
  plan.cell = kCell;
  const double width = plan.page.width - 2 * kMargin;
  plan.perLine = std::max(1, static_cast<int>(std::floor(width / kCell + 1e-9)));
  Frame frame{kMargin + (width - plan.perLine * kCell) / 2,
              kMargin + (options.title.empty() ? 0 : kTitleBand),
              plan.page.height - kMargin - kFooterBand, kCell, plan.perLine};
  plan.pages.push_back(emptyPage(plan.page, options));
  double y = frame.top;  // where the next line may go on the last page
  auto newPage = [&] {
    plan.pages.push_back(emptyPage(plan.page, options));
    y = frame.top;
  };
  for (std::size_t c = 0; c < strokeCounts.size(); ++c) {
    const std::vector<BlockLine> lines = blockOf(static_cast<int>(c), strokeCounts[c], options, frame);
    const bool atTop = y == frame.top;
    const double pageRoom = frame.bottom - frame.top;
    if (!atTop && y + heightOf(lines, false) > frame.bottom && heightOf(lines, true) <= pageRoom) newPage();
    for (const BlockLine& line : lines) {
      double gap = y == frame.top ? 0 : line.gapBefore;
      if (y != frame.top && y + gap + line.height > frame.bottom) newPage(), gap = 0;
      placeLine(plan.pages.back(), line, y + gap, static_cast<int>(c), frame);
      y += gap + line.height;
    }
  }
  return plan;
}

std::optional<Paper> paperNamed(const std::string& name) {
  if (name == "a4") return Paper::A4;
  if (name == "letter") return Paper::Letter;
  if (name == "b5") return Paper::B5;
  return std::nullopt;
}

std::optional<GridStyle> gridNamed(const std::string& name) {
  if (name == "none") return GridStyle::None;
  if (name == "tian") return GridStyle::Tian;
  if (name == "mi") return GridStyle::Mi;
  if (name == "jiugong") return GridStyle::Jiugong;
  return std::nullopt;
}

}  // namespace sumimai

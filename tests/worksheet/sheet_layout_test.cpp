// The plan of a sheet's pages: cells to a line on each paper, the lines of
// a character's block, and the rule that a block only splits when it is
// taller than a page.
#include "worksheet/sheet_layout.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "worksheet/grid_lines.h"

namespace sumimai {
namespace {

int count(const SheetPage& page, CellKind kind, int character) {
  return static_cast<int>(std::count_if(page.cells.begin(), page.cells.end(), [&](const SheetCell& c) {
    return c.kind == kind && c.character == character;
  }));
}

// The pages a character's headings and cells are on.
std::vector<int> pagesOf(const SheetPlan& plan, int character) {
  std::vector<int> pages;
  for (std::size_t p = 0; p < plan.pages.size(); ++p) {
    for (const SheetCell& c : plan.pages[p].cells) {
      if (c.character == character) {
        pages.push_back(static_cast<int>(p));
        break;
      }
    }
  }
  return pages;
}

TEST(SheetLayout, PapersAndTheirLines) {
  EXPECT_NEAR(pageSizeOf(Paper::A4, false).width, 595.28, 0.01);
  EXPECT_NEAR(pageSizeOf(Paper::A4, false).height, 841.89, 0.01);
  EXPECT_DOUBLE_EQ(pageSizeOf(Paper::Letter, false).width, 612);
  EXPECT_DOUBLE_EQ(pageSizeOf(Paper::Letter, true).width, 792);
  EXPECT_NEAR(pageSizeOf(Paper::B5, false).height, points(257), 1e-9);
  SheetOptions options;
  EXPECT_EQ(layOutSheet({5}, options).perLine, 10);
  options.landscape = true;
  EXPECT_EQ(layOutSheet({5}, options).perLine, 14);
  options = {};
  options.paper = Paper::B5;
  EXPECT_EQ(layOutSheet({5}, options).perLine, 8);
}

TEST(SheetLayout, BlockHoldsTheSequenceThenTracingThenEmptyCells) {
  const SheetPlan plan = layOutSheet({13}, {});
  ASSERT_EQ(plan.pages.size(), 1u);
  const SheetPage& page = plan.pages[0];
  ASSERT_EQ(page.headings.size(), 1u);
  EXPECT_EQ(count(page, CellKind::Sequence, 0), 13);
  EXPECT_EQ(count(page, CellKind::Trace, 0), 3);
  EXPECT_EQ(count(page, CellKind::Empty, 0), 7);  // to the end of the line
  // Strokes in order, wrapping after ten; nothing overlaps the heading.
  for (int k = 0; k < 13; ++k) EXPECT_EQ(page.cells[k].stroke, k + 1);
  EXPECT_DOUBLE_EQ(page.cells[10].box.left, page.cells[0].box.left);
  EXPECT_DOUBLE_EQ(page.cells[10].box.top, page.cells[0].box.bottom());
  EXPECT_GE(page.cells[0].box.top, page.headings[0].box.bottom());
  EXPECT_GT(page.cells[13].box.top, page.cells[12].box.bottom());  // the practice line starts anew
  for (const SheetCell& c : page.cells) {
    EXPECT_GE(c.box.left, 0);
    EXPECT_LE(c.box.right(), plan.page.width);
    EXPECT_LT(c.box.bottom(), page.number.top);
  }
}

TEST(SheetLayout, PracticeCellCounts) {
  SheetOptions options;
  options.cells = 5;
  SheetPage page = layOutSheet({2}, options).pages[0];
  EXPECT_EQ(count(page, CellKind::Trace, 0), 3);
  EXPECT_EQ(count(page, CellKind::Empty, 0), 2);
  options.trace = 8;
  page = layOutSheet({2}, options).pages[0];
  EXPECT_EQ(count(page, CellKind::Trace, 0), 5);  // no more than the cells
  EXPECT_EQ(count(page, CellKind::Empty, 0), 0);
  options = {};
  options.trace = 12;  // more than a line: the second line is filled up
  page = layOutSheet({2}, options).pages[0];
  EXPECT_EQ(count(page, CellKind::Trace, 0), 12);
  EXPECT_EQ(count(page, CellKind::Empty, 0), 8);
  options.trace = 0;
  page = layOutSheet({2}, options).pages[0];
  EXPECT_EQ(count(page, CellKind::Empty, 0), 10);
}

TEST(SheetLayout, BlocksMoveToTheNextPageWhole) {
  const SheetPlan plan = layOutSheet(std::vector<int>(12, 9), {});
  ASSERT_GT(plan.pages.size(), 1u);
  for (int c = 0; c < 12; ++c) {
    EXPECT_EQ(pagesOf(plan, c).size(), 1u) << "character " << c;
    int headings = 0;
    for (const SheetPage& page : plan.pages) {
      for (const SheetHeading& h : page.headings) headings += h.character == c;
    }
    EXPECT_EQ(headings, 1);
  }
  // The page after a moved block starts at the top, below the title band.
  EXPECT_DOUBLE_EQ(plan.pages[1].headings[0].box.top, plan.pages[0].headings[0].box.top);
}

TEST(SheetLayout, OnlyABlockTallerThanAPageSplits) {
  SheetOptions options;
  options.cells = 400;
  options.title = "練習";
  const SheetPlan plan = layOutSheet({3, 4}, options);
  ASSERT_GE(plan.pages.size(), 3u);
  EXPECT_GT(pagesOf(plan, 0).size(), 1u);
  int cells = 0;
  for (const SheetPage& page : plan.pages) {
    cells += count(page, CellKind::Trace, 0) + count(page, CellKind::Empty, 0);
    EXPECT_FALSE(page.title.width == 0);
    for (const SheetCell& c : page.cells) {
      EXPECT_GE(c.box.top, page.title.bottom());
      EXPECT_LE(c.box.bottom(), page.number.top);
    }
  }
  EXPECT_EQ(cells, 400);
}

TEST(SheetLayout, GuideLines) {
  EXPECT_TRUE(gridLinesOf(GridStyle::None).empty());
  EXPECT_EQ(gridLinesOf(GridStyle::Tian).size(), 2u);
  EXPECT_EQ(gridLinesOf(GridStyle::Mi).size(), 4u);
  EXPECT_EQ(gridLinesOf(GridStyle::Jiugong).size(), 4u);
  for (GridStyle style : {GridStyle::Tian, GridStyle::Mi, GridStyle::Jiugong}) {
    for (const GridLine& g : gridLinesOf(style)) {
      for (double v : {g.x1, g.y1, g.x2, g.y2}) EXPECT_TRUE(v >= 0 && v <= 1);
    }
  }
  EXPECT_EQ(paperNamed("letter"), Paper::Letter);
  EXPECT_EQ(paperNamed("A4"), std::nullopt);
  EXPECT_EQ(gridNamed("jiugong"), GridStyle::Jiugong);
  EXPECT_EQ(gridNamed("grid"), std::nullopt);
}

}  // namespace
}  // namespace sumimai

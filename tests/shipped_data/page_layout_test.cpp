// The shipped page against the page picker: every character stands where a
// click picks its number.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "data_files/stroke_file.h"
#include "main_window/page_picker.h"
#include "shipped_data.h"

namespace sumimai {
namespace {

struct Box {
  double left = std::numeric_limits<double>::max(), top = left;
  double right = std::numeric_limits<double>::lowest(), bottom = right;
};

int strokeCount(const std::vector<StrokeRecord>& records) {
  return static_cast<int>(std::count_if(records.begin(), records.end(), [](auto& r) { return r.Kind == 1; }));
}

class ShippedPage : public ::testing::Test {
 protected:
  void SetUp() override {
    StrokeFileRead read = readPageFile(testing::shippedStrokes() / "般若心経.mem", page, count);
    ASSERT_TRUE(read.ok()) << read.problem;
    sutra = testing::shippedSutra();
  }

  // The box of the next character's records, as many strokes as its own
  // stroke file has; with `reach` the brush's radius widens it.
  Box nextCharacter(int strokes, bool reach) {
    Box box;
    while (slot < slotOf(count) && (page[slot].Kind != 1 || strokes-- > 0)) {
      const PageStrokeRecord& r = page[slot++];
      double t = reach ? r.Thickness : 0;
      box.left = std::min({box.left, r.StartX - t, r.EndX - t});
      box.right = std::max({box.right, r.StartX + t, r.EndX + t});
      box.top = std::min({box.top, r.StartY - t, r.EndY - t});
      box.bottom = std::max({box.bottom, r.StartY + t, r.EndY + t});
    }
    return box;
  }

  PageStrokeTable page;
  StrokeCountValue count;
  SutraTextTable sutra;
  int slot = 1;
};

TEST_F(ShippedPage, TheCentreOfEveryCharacterLiesInACellThatPicksItsNumber) {
  for (int n = 1; n <= kSutraCharacters; ++n) {
    int strokes = strokeCount(testing::shippedRecords(sutra[static_cast<std::size_t>(n)] + ".mem"));
    Box box = nextCharacter(strokes, false);
    double x = (box.left + box.right) / 2, y = (box.top + box.bottom) / 2;
    EXPECT_EQ(pickedNumber(kPageGridBox, x, y), std::optional<int>(n)) << "at " << x << ", " << y;
    EXPECT_TRUE(armsPick(kPageGridBox, x, y)) << "number " << n;
  }
  EXPECT_EQ(slot, slotOf(count)) << "the page holds records beyond the 276th character";
}

TEST_F(ShippedPage, EveryCharacterWithItsBrushStaysWithinTheCellsOfItsNumber) {
  for (int n = 1; n <= kSutraCharacters; ++n) {
    int strokes = strokeCount(testing::shippedRecords(sutra[static_cast<std::size_t>(n)] + ".mem"));
    Box box = nextCharacter(strokes, true);
    for (double x : {box.left, box.right})
      for (double y : {box.top, box.bottom})
        EXPECT_EQ(pickedNumber(kPageGridBox, x, y), std::optional<int>(n)) << "corner " << x << ", " << y;
  }
}

}  // namespace
}  // namespace sumimai

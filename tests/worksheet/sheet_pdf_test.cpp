// sumimai-sheet's PDF read back with the poppler tools: the paper, the text
// layer, and the pages rendered to pixels, checked cell by cell against the
// plan the sheet was laid out by.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "test_files.h"
#include "worksheet/sheet_layout.h"

namespace sumimai {
namespace {

std::string output(const std::string& command) {
  std::string text;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return text;
  char buffer[4096];
  while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) text.append(buffer, n);
  pclose(pipe);
  return text;
}

int sheet(const std::string& arguments) {
  return std::system((std::string(SUMIMAI_SHEET_TOOL) + " " + arguments + " 2>errors.txt").c_str());
}

// A grey page rendered at 72 dots per inch: one pixel per point.
struct GreyPage {
  int width = 0, height = 0;
  std::vector<unsigned char> pixels;
  int at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }

  // How many pixels inside the box (less a border of `inset` points) are
  // within the grey levels low..high.
  int count(const SheetRect& box, double inset, int low, int high) const {
    int n = 0;
    for (int y = static_cast<int>(box.top + inset); y < static_cast<int>(box.bottom() - inset); ++y) {
      for (int x = static_cast<int>(box.left + inset); x < static_cast<int>(box.right() - inset); ++x) {
        n += at(x, y) >= low && at(x, y) <= high;
      }
    }
    return n;
  }
};

GreyPage rendered(const std::string& pdf, int page) {
  const std::string base = "page" + std::to_string(page);
  std::system(("pdftoppm -r 72 -gray -f " + std::to_string(page) + " -singlefile " + pdf + " " + base).c_str());
  std::ifstream in(base + ".pgm", std::ios::binary);
  std::string magic;
  int maximum = 0;
  GreyPage grey;
  in >> magic >> grey.width >> grey.height >> maximum;
  in.get();
  grey.pixels.resize(static_cast<std::size_t>(grey.width) * grey.height);
  in.read(reinterpret_cast<char*>(grey.pixels.data()), static_cast<std::streamsize>(grey.pixels.size()));
  if (magic != "P5" || !in) grey = {};
  return grey;
}

std::vector<std::string> wordsOf(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

bool holds(const std::vector<std::string>& words, const std::string& word) {
  return std::find(words.begin(), words.end(), word) != words.end();
}

constexpr int kInk = 80;  // darker than the grey of numbers, start marks and guides

class SheetPdf : public ::testing::Test {
 protected:
  testing::ScratchFolder folder;
};

TEST_F(SheetPdf, PaperSizes) {
  ASSERT_EQ(sheet("--text 永遠 a4.pdf"), 0) << output("cat errors.txt");
  EXPECT_NE(output("pdfinfo a4.pdf").find("pts (A4)"), std::string::npos) << output("pdfinfo a4.pdf");
  ASSERT_EQ(sheet("--paper letter --text 永 letter.pdf"), 0);
  EXPECT_NE(output("pdfinfo letter.pdf").find("612 x 792 pts (letter)"), std::string::npos);
  ASSERT_EQ(sheet("--paper b5 --landscape --text 永 b5.pdf"), 0);
  EXPECT_NE(output("pdfinfo b5.pdf").find("729 x 516 pts"), std::string::npos) << output("pdfinfo b5.pdf");
  EXPECT_EQ(output("cat errors.txt"), "");
}

TEST_F(SheetPdf, TextLayerHoldsCharactersCountsAndNumbers) {
  ASSERT_EQ(sheet("--title 'いろは 練習' --text '永、遠。' sheet.pdf"), 0) << output("cat errors.txt");
  const std::vector<std::string> words = wordsOf(output("pdftotext -raw sheet.pdf -"));
  for (const char* w : {"永", "遠", "5画", "13画", "いろは", "練習"}) EXPECT_TRUE(holds(words, w)) << w;
  for (int k = 1; k <= 13; ++k) EXPECT_TRUE(holds(words, std::to_string(k))) << k;
  EXPECT_NE(output("pdffonts sheet.pdf").find("IPAGothic"), std::string::npos);
  EXPECT_FALSE(holds(words, "、"));
  ASSERT_EQ(sheet("--no-numbers --text 遠 plain.pdf"), 0);
  const std::vector<std::string> plain = wordsOf(output("pdftotext -raw plain.pdf -"));
  EXPECT_TRUE(holds(plain, "13画"));
  EXPECT_FALSE(holds(plain, "12"));
}

TEST_F(SheetPdf, CellsHoldInkAndGuidesAsPlanned) {
  ASSERT_EQ(sheet("--text 永遠 sheet.pdf"), 0) << output("cat errors.txt");
  const SheetPlan plan = layOutSheet({5, 13}, {});
  const GreyPage page = rendered("sheet.pdf", 1);
  ASSERT_EQ(page.width, 595);
  int inked = 0;
  for (const SheetCell& c : plan.pages[0].cells) {
    const int ink = page.count(c.box, 2, 0, kInk);
    if (c.kind == CellKind::Sequence) inked += ink > 0;
    else EXPECT_EQ(ink, 0) << "a practice cell holds ink at " << c.box.left << "," << c.box.top;
    if (c.kind == CellKind::Empty) {
      EXPECT_GT(page.count(c.box, 2, 100, 235), 20) << "no guide lines";
    }
  }
  EXPECT_EQ(inked, 18);  // every sequence cell
  for (const SheetHeading& h : plan.pages[0].headings) EXPECT_GT(page.count(h.box, 0, 0, kInk), 50);

  ASSERT_EQ(sheet("--grid none --trace 0 --text 永 none.pdf"), 0);
  const GreyPage bare = rendered("none.pdf", 1);
  SheetOptions none;
  none.grid = GridStyle::None;
  none.trace = 0;
  const SheetPlan plainPlan = layOutSheet({5}, none);
  for (const SheetCell& c : plainPlan.pages[0].cells) {
    if (c.kind == CellKind::Empty) {
      EXPECT_EQ(bare.count(c.box, 2, 0, 250), 0);
    }
  }
}

TEST_F(SheetPdf, ManyPagesStaySmall) {
  const std::string text = "鬱議驚響護讃競纏臓麗";  // strokes enough to wrap every sequence
  ASSERT_EQ(sheet("--text " + text + text + " many.pdf"), 0) << output("cat errors.txt");
  const std::string info = output("pdfinfo many.pdf");
  const int pages = std::stoi(info.substr(info.find("Pages:") + 6));
  EXPECT_GE(pages, 4);
  const auto bytes = std::filesystem::file_size("many.pdf");
  EXPECT_LT(bytes / static_cast<unsigned>(pages), 1000000u);
}

}  // namespace
}  // namespace sumimai

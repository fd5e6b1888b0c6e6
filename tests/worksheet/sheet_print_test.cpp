// The Studio's print path: the sheet printed through QPrinter into its PDF
// output (a CUPS queue is not started here: the test machine runs no
// cupsd), read back with the poppler tools; and the Studio's words for a
// text that gives no sheet.
#include <QGuiApplication>
#include <QPrinter>
#include <gtest/gtest.h>

#include <cstdio>

#include "test_files.h"
#include "worksheet/qt/sheet_printer.h"

namespace sumimai {
namespace {

const std::filesystem::path kShipped = std::filesystem::path(SUMIMAI_REPOSITORY) / "data";

std::string output(const std::string& command) {
  std::string text;
  FILE* pipe = popen(command.c_str(), "r");
  char buffer[4096];
  while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) text.append(buffer, n);
  pclose(pipe);
  return text;
}

Worksheet sheetOf(const std::string& text, const SheetOptions& options) {
  SheetCharacters found = sheetCharacters(text, standardLookup(DataPlaces{{}, {kShipped}}));
  EXPECT_TRUE(found.ok()) << found.problem;
  return worksheetOf(std::move(found.characters), options);
}

bool printTo(const std::string& file, const Worksheet& sheet) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(file));
  preparePrinter(printer, sheet.options);
  return printWorksheet(printer, sheet);
}

TEST(SheetPrinting, PrinterPdfHoldsThePlannedPagesAndText) {
  testing::ScratchFolder folder;
  SheetOptions options;
  options.paper = Paper::Letter;
  options.cells = 30;
  const Worksheet sheet = sheetOf("永遠、議", options);
  ASSERT_TRUE(printTo("printed.pdf", sheet));
  const std::string info = output("pdfinfo printed.pdf");
  EXPECT_NE(info.find("612 x 792 pts (letter)"), std::string::npos) << info;
  EXPECT_NE(info.find("Pages:           " + std::to_string(sheet.plan.pages.size()) + "\n"), std::string::npos) << info;
  const std::string text = output("pdftotext -raw printed.pdf -");
  for (const char* w : {"永", "遠", "議", "5画", "13画", "20画", "20"}) EXPECT_NE(text.find(w), std::string::npos) << w;
  EXPECT_EQ(text.find("、"), std::string::npos);

  options.landscape = true;
  options.paper = Paper::A4;
  ASSERT_TRUE(printTo("landscape.pdf", sheetOf("永", options)));
  EXPECT_NE(output("pdfinfo landscape.pdf").find("842 x 595 pts"), std::string::npos) << output("pdfinfo landscape.pdf");
}

TEST(SheetPrinting, PrinterThatCannotBeWrittenIsTold) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName("/nonexistent-folder/printed.pdf");
  SheetOptions options;
  preparePrinter(printer, options);
  EXPECT_FALSE(printWorksheet(printer, sheetOf("永", options)));
}

}  // namespace
}  // namespace sumimai

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

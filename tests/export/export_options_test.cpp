// sumimai-export's command line read into options: what each option takes,
// the defaults, and the sentence that names each mistake.
#include <gtest/gtest.h>

#include "command_line/export_options.h"

namespace sumimai {
namespace {

ParsedOptions parse(std::vector<std::string> arguments) { return parseOptions(arguments); }

TEST(ExportOptions, ValuesAreReadAndTheLastArgumentIsTheOutput) {
  const ParsedOptions p = parse({"--speed", "2.5", "--fps", "25", "--size", "640x360", "--layout", "row",
                                 "--per-line", "4", "--ink", "10,20,30", "--background", "paper.jpg", "--hold",
                                 "0", "--once", "--quality", "80", "--brush", "ink", "--seed", "42", "a.mem",
                                 "b.mem", "out.webp"});
  ASSERT_EQ(p.read.problem, "");
  const ExportOptions& o = p.options;
  EXPECT_EQ(o.speed, 2.5);
  EXPECT_EQ(o.fps, 25);
  EXPECT_EQ(o.size, (PictureSize{640, 360}));
  EXPECT_EQ(o.layout, WritingDirection::Rows);
  EXPECT_EQ(o.perLine, 4);
  EXPECT_EQ(o.ink, (Rgb{10, 20, 30}));
  EXPECT_EQ(o.background, "paper.jpg");
  EXPECT_EQ(o.hold, 0);
  EXPECT_EQ(o.loop, false);
  EXPECT_EQ(o.quality, 80);
  EXPECT_EQ(o.brush, (BrushChoice{BrushKind::Ink, 42}));
  EXPECT_EQ(o.files, (std::vector<std::string>{"a.mem", "b.mem"}));
  EXPECT_EQ(o.output, "out.webp");
  const ParsedOptions defaults = parse({"--sutra", "12", "out.gif"});
  EXPECT_EQ(defaults.options.sutra->first, 12);
  EXPECT_EQ(defaults.options.sutra->last, 12);
  EXPECT_FALSE(defaults.options.speed);
  EXPECT_EQ(defaults.options.fps, 30);
  EXPECT_EQ(defaults.options.hold, 1.5);
  EXPECT_FALSE(defaults.options.loop);
  EXPECT_EQ(defaults.options.brush, BrushChoice{});
  EXPECT_EQ(parse({"--", "--odd-name.mem", "out.png"}).options.files, std::vector<std::string>{"--odd-name.mem"});
}

TEST(ExportOptions, EachMistakeIsNamed) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"--speed", "10.5", "a.mem", "o.webp"}, "the speed 10.5 is outside 0..10"},
      {{"--speed", "-1", "a.mem", "o.webp"}, "the speed -1 is outside 0..10"},
      {{"--speed", "fast", "a.mem", "o.webp"}, "--speed needs a number 0..10, not 'fast'"},
      {{"--speed", "nan", "a.mem", "o.webp"}, "--speed needs a number 0..10, not 'nan'"},
      {{"--size", "0x100", "a.mem", "o.webp"}, "the size 0x100 has no pixels"},
      {{"--size", "9000x100", "a.mem", "o.webp"}, "the size 9000x100 is too large (at most 8192 a side)"},
      {{"--size", "100", "a.mem", "o.webp"}, "--size needs WIDTHxHEIGHT in pixels, not '100'"},
      {{"--sutra", "270-280", "o.webp"}, "the sutra range 270-280 is not within 1-276"},
      {{"--sutra", "5-3", "o.webp"}, "the sutra range 5-3 is not within 1-276"},
      {{"--fps", "0", "a.mem", "o.webp"}, "--fps 0 is outside 1..60"},
      {{"--fps", "2.5", "a.mem", "o.webp"}, "--fps needs a whole number, not '2.5'"},
      {{"--ink", "0,0,300", "a.mem", "o.webp"}, "--ink needs R,G,B with each 0..255, not '0,0,300'"},
      {{"--ground", "1,2", "a.mem", "o.webp"}, "--ground needs R,G,B with each 0..255, or transparent, not '1,2'"},
      {{"--layout", "spiral", "a.mem", "o.webp"}, "--layout is column or row, not 'spiral'"},
      {{"--hold", "61", "a.mem", "o.webp"}, "the hold 61 is outside 0..60"},
      {{"--quality", "101", "a.mem", "o.webp"}, "--quality 101 is outside 0..100"},
      {{"--ground", "1,2,3", "--background", "p.jpg", "a.mem", "o.webp"}, "--ground and --background exclude each other"},
      {{"--background", "p.jpg", "--ground", "transparent", "a.mem", "o.webp"}, "--ground and --background exclude each other"},
      {{"--once", "--loop", "a.mem", "o.webp"}, "--once and --loop exclude each other"},
      {{"--colour", "red", "a.mem", "o.webp"}, "unknown argument --colour"},
      {{"a.mem", "o.webp", "--speed"}, "--speed needs a value"},
      {{}, "no output file named (the last argument)"},
      {{"o.webp"}, "nothing to write: give stroke files, --sutra, --text or --page"},
      {{"--page", "a.mem", "o.webp"}, "give one kind of input: stroke files, --sutra, --text or --page"},
      {{"--text", "", "o.webp"}, "--text needs characters"},
      {{"--missing", "ignore", "a.mem", "o.webp"}, "--missing is error, box or skip, not 'ignore'"},
      {{"--duration", "1", "a.mem", "o.webp"}, "--duration must be longer than --hold"},
      {{"--duration", "soon", "a.mem", "o.webp"}, "--duration needs seconds, not 'soon'"},
      {{"--brush", "pen", "a.mem", "o.webp"}, "--brush is round or ink, not 'pen'"},
      {{"--seed", "-3", "a.mem", "o.webp"}, "--seed needs a whole number 0 or more, not '-3'"},
  };
  for (const auto& [arguments, problem] : cases) EXPECT_EQ(parse(arguments).read.problem, problem);
  EXPECT_TRUE(parse({"--help", "--speed", "2"}).read.help);
  EXPECT_TRUE(parse({"--version"}).read.version);
  const ExportOptions typeset = parse({"--chars-per-line", "7", "--missing", "skip", "--duration", "12.5", "a.mem", "o.webp"}).options;
  EXPECT_EQ(typeset.perLine, 7);
  EXPECT_EQ(typeset.missing, UnwrittenCharacters::Skipped);
  EXPECT_EQ(typeset.duration, 12.5);
  EXPECT_NE(helpText().find("--sutra A-B"), std::string::npos);
}

}  // namespace
}  // namespace sumimai

// sumimai-export as a user runs it: inputs looked up in the working folder
// and the shipped data, defaults from the working folder, the speed's
// effect on the length, the last frame against sumimai-render's still, a
// transparent ground, and every bad input refused with a message, a failing
// status and no file.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "decoders.h"
#include "drawing/drawing_pace.h"
#include "export_fixture.h"

namespace sumimai::testing {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

struct Finished {
  int status = -1;
  std::string errors;
};

std::string quoted(const std::string& s) {
  std::string q = "'";
  for (char c : s) {
    if (c == '\'') q.append("'\\''");
    else q.push_back(c);
  }
  return q + "'";
}

Finished run(const std::string& program, const std::vector<std::string>& arguments) {
  std::string command = quoted(program);
  for (const std::string& a : arguments) command.append(" ").append(quoted(a));
  const int status = std::system((command + " 2>errors.txt").c_str());
  Finished r{WIFEXITED(status) ? WEXITSTATUS(status) : -1, readFile("errors.txt")};
  fs::remove("errors.txt");
  return r;
}

Finished exportWith(const std::vector<std::string>& arguments) { return run(SUMIMAI_EXPORT_TOOL, arguments); }

// Every name in the folder and below it, hidden ones too.
std::set<std::string> namesIn(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) names.insert(entry.path().string());
  return names;
}

class ExportTool : public ::testing::Test {
 protected:
  ExportTool() { writeFile("small.mem", smallCharacterFile()); }
  ScratchFolder folder;
};

TEST_F(ExportTool, BadInputIsRefusedNamingTheProblemAndLeavesNoFile) {
  writeFile("broken.mem", "header\r\n1,1000,x,3000,2000,1,25\r\n");
  writeFile("afile", "not a folder");
  fs::create_directory("taken.webp");
  struct Case {
    std::vector<std::string> arguments;
    std::string message;
    int status;
  };
  const Case cases[] = {
      {{"small.mem", "out.avi"}, "cannot tell what kind of file to write from the name out.avi", 2},
      {{"small.mem", "no-folder/out.webp"}, "cannot write into the folder no-folder: No such file", 1},
      {{"small.mem", "afile/out.gif"}, "cannot write into the folder afile: Not a directory", 1},
      {{"small.mem", "taken.webp"}, "cannot write taken.webp: Is a directory", 1},
      {{"missing.mem", "out.webp"}, "missing.mem: no such file", 1},
      {{"/dev/zero", "out.webp"}, "/dev/zero: It is not a regular file", 1},
      {{"broken.mem", "out.mp4"}, "broken.mem: ", 1},
      {{"--text", "☃", "out.webp"}, "no strokes for the character ☃", 1},
      {{"--text", "\x1b[31m", "out.webp"}, "no strokes for the character \\x1B", 1},
      {{"--background", "missing.jpg", "small.mem", "out.webp"}, "cannot read the picture missing.jpg", 1},
      {{"--speed", "11", "small.mem", "out.webp"}, "the speed 11 is outside 0..10", 2},
      {{"--size", "0x100", "small.mem", "out.webp"}, "the size 0x100 has no pixels", 2},
  };
  const std::set<std::string> before = namesIn(".");
  for (const Case& c : cases) {
    const Finished r = exportWith(c.arguments);
    EXPECT_EQ(r.status, c.status) << c.message;
    EXPECT_NE(r.errors.find("sumimai-export: " + c.message), std::string::npos) << r.errors;
    EXPECT_EQ(namesIn("."), before) << c.message;
  }
  EXPECT_TRUE(fs::is_directory("taken.webp"));
}

TEST_F(ExportTool, AnOddVideoSizeIsRoundedUpWithANote) {
  const Finished r = exportWith({"--size", "63x47", "--hold", "0", "small.mem", "odd.mp4"});
  EXPECT_EQ(r.status, 0) << r.errors;
  EXPECT_NE(r.errors.find("note: MP4 and WebM need an even width and height: writing 64x48"), std::string::npos);
  const VideoFacts facts = readVideo("odd.mp4");
  EXPECT_EQ(facts.width, 64);
  EXPECT_EQ(facts.height, 48);
}

// --ground transparent: clear pixels away from the ink in PNG and WebP, the
// ink where it is whole as on white; a GIF is written on white, with a note.
TEST_F(ExportTool, ATransparentGroundIsClearWhereThereIsNoInk) {
  const std::vector<std::string> common = {"--quiet", "--size", "64x48", "--ink", "200,0,0", "--hold", "0.2", "small.mem"};
  auto exportOver = [&](const std::string& ground, const std::string& file) {
    std::vector<std::string> arguments = common;
    arguments.insert(arguments.begin(), {"--ground", ground});
    arguments.push_back(file);
    return exportWith(arguments);
  };
  for (const char* file : {"white.png", "white.gif"}) ASSERT_EQ(exportOver("255,255,255", file).status, 0) << file;
  for (const char* file : {"clear.png", "clear.webp"}) {
    const Finished r = exportOver("transparent", file);
    ASSERT_EQ(r.status, 0) << file << ": " << r.errors;
  }
  const RgbImage white = decodePng("white.png"), clear = decodePng("clear.png");
  ASSERT_EQ(clear.bounds(), white.bounds());
  int whole = 0;
  for (std::size_t i = 0; i < clear.pixels.size(); ++i) {
    if (white.pixels[i] == 0xFFFFFFFFu) {
      EXPECT_EQ(clear.pixels[i] >> 24, 0u) << "pixel " << i;
    } else if (clear.pixels[i] >> 24 == 0xFF) {
      EXPECT_EQ(clear.pixels[i], white.pixels[i]) << "pixel " << i;
      ++whole;
    }
  }
  EXPECT_GT(whole, 20);
  EXPECT_EQ(decodeWebP("clear.webp").frames.back().picture, clear);
  // Lossy WebP keeps the alpha as it is, whatever its colours lose.
  std::vector<std::string> lossy = common;
  lossy.insert(lossy.begin(), {"--ground", "transparent", "--quality", "60"});
  lossy.push_back("lossy.webp");
  ASSERT_EQ(exportWith(lossy).status, 0);
  const RgbImage lossyLast = decodeWebP("lossy.webp").frames.back().picture;
  int alphaWrong = 0;
  for (std::size_t i = 0; i < clear.pixels.size(); ++i) alphaWrong += lossyLast.pixels[i] >> 24 != clear.pixels[i] >> 24;
  EXPECT_EQ(alphaWrong, 0);

  const Finished gif = exportWith({"--ground", "transparent", "--size", "64x48", "--ink", "200,0,0", "--hold", "0.2",
                                   "small.mem", "clear.gif"});
  EXPECT_EQ(gif.status, 0) << gif.errors;
  EXPECT_NE(gif.errors.find("note: GIF cannot be transparent: the ground is written white"), std::string::npos)
      << gif.errors;
  EXPECT_EQ(readFile("clear.gif"), readFile("white.gif"));
}

TEST_F(ExportTool, TextLooksUpTheWorkingFolderFirstThenTheShippedData) {
  // 甲 and 色 are here and in the shipped data: both come from here; 空 only
  // in the shipped data. The blank leaves its cell empty.
  writeFile("般若心経/甲.mem", smallCharacterFile());
  writeFile("般若心経/色.mem", smallCharacterFile());
  const Finished r = exportWith({"--quiet", "--hold", "0", "--text", "甲色 空", "four.webp"});
  ASSERT_EQ(r.status, 0) << r.errors;
  EXPECT_EQ(r.errors, "");
  const DecodedAnimation four = decodeWebP("four.webp");
  ASSERT_EQ(four.width, 288);  // one column of four cells of 240 pixels, 24 around them
  ASSERT_EQ(four.height, 1008);
  const RgbImage& last = four.frames.back().picture;
  EXPECT_EQ(cropped(last, {24, 24, 264, 264}), cropped(last, {24, 264, 264, 504}));
  EXPECT_EQ(cropped(last, {24, 504, 264, 744}), RgbImage(240, 240));
  EXPECT_NE(cropped(last, {24, 744, 264, 984}), cropped(last, {24, 24, 264, 264}));
  EXPECT_NE(cropped(last, {24, 744, 264, 984}), RgbImage(240, 240));
}

TEST_F(ExportTool, CharactersBeyondTheSutraComeFromTheCharacterLibrary) {
  const Finished r = exportWith({"--quiet", "--size", "96x48", "--layout", "row", "--text", "永あ", "two.png"});
  ASSERT_EQ(r.status, 0) << r.errors;
  const RgbImage still = decodePng("two.png");
  EXPECT_NE(cropped(still, {0, 0, 48, 48}), RgbImage(48, 48));
  EXPECT_NE(cropped(still, {48, 0, 96, 48}), RgbImage(48, 48));
}

TEST_F(ExportTool, TheSutraRangeComesFromTheCharacterList) {
  // No list here: the shipped one. Characters 2 and 3 of the title: 若 and 波... laid in a row.
  const Finished r = exportWith({"--quiet", "--sutra", "2-3", "--layout", "row", "--size", "96x48", "two.gif"});
  ASSERT_EQ(r.status, 0) << r.errors;
  const DecodedAnimation two = decodeGif("two.gif");
  EXPECT_EQ(two.width, 96);
  EXPECT_EQ(two.loopCount, 0);
  EXPECT_NE(cropped(two.frames.back().picture, {0, 0, 48, 48}), cropped(two.frames.back().picture, {48, 0, 96, 48}));
}

TEST_F(ExportTool, SpeedFiveLastsAsMuchLongerAsItsDrawingChargesMoreCalls) {
  // At any size the writing lasts as long as it does alone on a 1920 x 1080 screen.
  std::int64_t calls[2] = {};
  for (int i = 0; i < 2; ++i) {
    ExportRequest request = requestFor({smallCharacter()}, {1920, 1080}, "unused.webp");
    request.style.speed = 5 * i;
    calls[i] = static_cast<std::int64_t>(recordDrawing(request).calls.size()) - 1;  // less the clearing
    const std::string out = "speed" + std::to_string(5 * i) + ".webp";
    ASSERT_EQ(exportWith({"--size", "64x64", "--hold", "0.5", "--speed", std::to_string(5 * i), "small.mem", out}).status, 0);
    const std::int64_t frames = framesCovering(calls[i] * kDrawingCallCost + 500ms, 30);
    EXPECT_EQ(decodeWebP(out).frames.back().end, frameTime(frames, 30, 1000)) << out;
  }
  EXPECT_GT(calls[1], 3 * calls[0]);
}

TEST_F(ExportTool, MissingCharactersAreRefusedBoxedOrSkippedAndDurationFitsTheLength) {
  const Finished refused = exportWith({"--quiet", "--text", "永☃", "refused.png"});
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.errors.find("no strokes for the character ☃"), std::string::npos) << refused.errors;
  EXPECT_FALSE(fs::exists("refused.png"));
  ASSERT_EQ(exportWith({"--quiet", "--missing", "box", "--layout", "row", "--text", "永☃", "boxed.png"}).status, 0);
  EXPECT_EQ(decodePng("boxed.png").width, 528);  // both cells kept
  ASSERT_EQ(exportWith({"--quiet", "--missing", "skip", "--layout", "row", "--text", "永☃永", "skipped.png"}).status, 0);
  EXPECT_EQ(decodePng("skipped.png").width, 528);  // the missing one left out
  ASSERT_EQ(exportWith({"--quiet", "--hold", "0.5", "--duration", "3", "--text", "永永", "fitted.webp"}).status, 0);
  EXPECT_NEAR(static_cast<double>(decodeWebP("fitted.webp").frames.back().end), 3000, 34);
}

TEST_F(ExportTool, TheWorkingFoldersSettingsAndPictureAreTheDefaults) {
  writeFile("設定.dat", "1\r\n200\r\n0\r\n0\r\n");
  fs::copy_file(fs::path(SUMIMAI_REPOSITORY) / "data" / "Picture2.jpg", "Picture2.jpg");
  ASSERT_EQ(exportWith({"--size", "64x48", "small.mem", "default.png"}).status, 0);
  ASSERT_EQ(exportWith({"--size", "64x48", "--speed", "1", "--ink", "200,0,0", "--background", "Picture2.jpg",
                        "small.mem", "given.png"}).status, 0);
  EXPECT_EQ(readFile("default.png"), readFile("given.png"));
  const RgbImage still = decodePng("default.png");
  EXPECT_NE(still.at(0, 0), still.at(63, 47));  // the paper, not a plain ground
}

#ifdef SUMIMAI_RENDER_TOOL
TEST_F(ExportTool, TheLastLosslessWebPFrameIsSumimaiRendersStill) {
  fs::copy_file(fs::path(SUMIMAI_REPOSITORY) / "data" / "Picture2.jpg", "paper.jpg");
  const std::vector<std::vector<std::string>> grounds = {{"--ground", "250,240,220"}, {"--background", "paper.jpg"}};
  for (const auto& ground : grounds) {
    std::vector<std::string> common = {"--size", "80x60", "--ink", "40,20,90", ground[0], ground[1], "small.mem"};
    std::vector<std::string> rendered = common, exported = common;
    rendered.push_back("still.png");
    exported.insert(exported.begin(), "--quiet");
    exported.push_back("moving.webp");
    ASSERT_EQ(run(SUMIMAI_RENDER_TOOL, rendered).status, 0) << ground[0];
    ASSERT_EQ(exportWith(exported).status, 0) << ground[0];
    EXPECT_TRUE(samePicture(decodeWebP("moving.webp").frames.back().picture, decodePng("still.png"))) << ground[0];
  }
}

// sumimai-render --text: a character by name from the working folder first
// (framed as its stroke file alone), any kanji or kana from the shipped
// library, punctuation of our own strokes; a character without data is
// named and nothing is written.
TEST_F(ExportTool, SumimaiRenderDrawsATextByName) {
  fs::create_directories("般若心経");
  fs::copy_file("small.mem", "般若心経/心.mem");
  ASSERT_EQ(run(SUMIMAI_RENDER_TOOL, {"--size", "90x70", "--text", "心", "by-name.png"}).status, 0);
  ASSERT_EQ(run(SUMIMAI_RENDER_TOOL, {"--size", "90x70", "small.mem", "by-file.png"}).status, 0);
  EXPECT_TRUE(samePicture(decodePng("by-name.png"), decodePng("by-file.png")));

  ASSERT_EQ(run(SUMIMAI_RENDER_TOOL, {"--text", "鬱あ、", "--layout", "row", "several.png"}).status, 0);
  const RgbImage several = decodePng("several.png");
  EXPECT_GT(several.width, 2 * several.height);  // three cells in a row

  const Finished refused = run(SUMIMAI_RENDER_TOOL, {"--text", "心A", "refused.png"});
  EXPECT_NE(refused.status, 0);
  EXPECT_NE(refused.errors.find("A"), std::string::npos) << refused.errors;
  EXPECT_FALSE(fs::exists("refused.png"));
}
#endif

}  // namespace
}  // namespace sumimai::testing

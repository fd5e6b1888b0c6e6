// Start-up and page files that are missing, short or cannot be written: what
// the user is told, and whether the program goes on.
#include <gtest/gtest.h>

#include <filesystem>

#include "data_files/file_paths.h"
#include "form1_fixture.h"

namespace sumimai::testing {
namespace {

using Lines = std::vector<std::string>;

struct FileFailure {
  std::string file;   // its path on disk
  std::string bytes;  // its new content; "" removes it
  std::string prompt;
  Lines titles;  // every box shown
};

class StartUpFileFailure : public Form1Test, public ::testing::WithParamInterface<FileFailure> {};

TEST_P(StartUpFileFailure, IsNamedAndTheProgramEnds) {
  const FileFailure& c = GetParam();
  std::filesystem::remove(c.file);
  if (!c.bytes.empty()) writeFile(c.file, c.bytes);
  resize(kScreenWidth, kScreenHeight);
  ASSERT_EQ(messageTitles(), c.titles);
  EXPECT_EQ(messages.shown.back().prompt, c.prompt);
  EXPECT_TRUE(form1.form.ended());
  EXPECT_EQ(form1.form.exitStatus(), kStartUpFailedStatus);
  EXPECT_FALSE(form1.Image5.visible());
  EXPECT_EQ(log.lines.back(), "Form1 end");
}

INSTANTIATE_TEST_SUITE_P(
    Form1, StartUpFileFailure,
    ::testing::Values(
        FileFailure{"Picture.jpg", "", "Picture.jpg\n画像を読み込めません。\nSumimaiを終了します。", {"起動できません"}},
        FileFailure{"Picture2.jpg", "", "Picture2.jpg\n画像を読み込めません。\nSumimaiを終了します。",
                    {"起動できません"}},
        FileFailure{"般若心経/般若心経.mem", "",
                    "般若心経\\般若心経.mem\nファイルがありません。\nSumimaiを終了します。",
                    {"起動できません"}},
        FileFailure{"般若心経/文字2.csv", characterList(275),
                    "般若心経\\文字2.csv\n276 文字のうち 275 文字しかありません。\nSumimaiを終了します。",
                    {"文字選択", "起動できません"}},
        FileFailure{"般若心経/文字2.csv", "",
                    "般若心経\\文字2.csv\nファイルがありません。\nSumimaiを終了します。",
                    {"文字選択", "起動できません"}}));

// Picture files whose problems name the file themselves, as the window
// system's do.
class NamingPictures : public RecordingPictures {
 public:
  PictureLoad load(const std::string& path) override {
    PictureLoad loaded = RecordingPictures::load(path);
    if (!loaded.ok) loaded.problem = "画像ファイル「" + path + "」を読み込めません。";
    return loaded;
  }
};

TEST(Form1Messages, AFileIsNamedOnceWhenItsProblemNamesItAlready) {
  ScratchFolder folder;
  RecordingCanvasControl canvas;
  ScriptedMessageBoxes messages;
  NamingPictures pictures;
  Form1 form1{{canvas, messages, pictures}};
  form1.form.setGeometry(0, 0, kScreenWidth, kScreenHeight);
  form1.form.onResize();
  ASSERT_EQ(messages.shown.size(), 2u);  // 設定.dat, then Picture.jpg
  EXPECT_EQ(messages.shown[1].prompt, "画像ファイル「Picture.jpg」を読み込めません。\nSumimaiを終了します。");
  EXPECT_TRUE(form1.form.ended());
}

TEST_F(Form1Test, ABadSettingsFileFallsBackToSpeedZeroAndBlackAndIsToldOnce) {
  for (std::string bytes : {std::string(), std::string("1\r\n2\r\n"), std::string("1\r\nred\r\n3\r\n4\r\n")}) {
    std::filesystem::remove("設定.dat");
    if (!bytes.empty()) writeFile("設定.dat", bytes);
    resize(kScreenWidth, kScreenHeight);
    EXPECT_TRUE(inPageView());
    EXPECT_EQ(form1.DrawSettings.Speed, 0);
    EXPECT_EQ(form1.InkColour.red, 0);
    EXPECT_EQ(form1.InkColour.blue, 0);
  }
  ASSERT_EQ(messageTitles(), (Lines{"設定ファイルの誤り", "文字選択", "文字選択", "文字選択"}));
  EXPECT_EQ(messages.shown[0].prompt, "設定.dat\nファイルがありません。\n描画スピード 0、黒の墨で描きます。");
  for (const Ring& ring : canvas.rings()) {
    if (ring.colour != Rgb{160, 140, 50}) {
      EXPECT_EQ(ring.colour, (Rgb{0, 0, 0}));
    }
  }
}

TEST_F(Form1Test, APageFileDamagedPartWayIsToldAndThePageStillServes) {
  writeFile(dataFilePath("般若心経.mem"), "header\r\n1,1000,3000,1000,4000,1,30,,,,\r\n2,14000,x\r\n");
  resize(kScreenWidth, kScreenHeight);
  ASSERT_EQ(messageTitles(), (Lines{"ページファイルの誤り", "文字選択"}));
  EXPECT_EQ(messages.shown[0].prompt.rfind("般若心経\\般若心経.mem\n記録 2", 0), 0u);
  EXPECT_TRUE(inPageView());
  EXPECT_EQ(form1.StrokeCount, 2);
}

TEST_F(Form1Test, ADamagedStrokeFileIsToldAndTheRecordsBeforeTheDamageAreDrawn) {
  enterDrawingView(12);
  writeFile(dataFilePath("字13.mem"), "h\r\n1,100,100,500,100,1,20,,,,\r\n2,abc\r\n");
  form1.Image3_Click();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, "ストロークファイルの誤り");
  EXPECT_EQ(messages.shown[0].prompt,
            "般若心経\\字13.mem\n記録 2 の項目 2「abc」は数値ではありません。\nそれより前の記録だけを描きます。");
  EXPECT_EQ(form1.StrokeCount, 2);
  EXPECT_FALSE(canvas.rings().empty());
  EXPECT_TRUE(inDrawingView());
}

TEST_F(Form1Test, AStrokeFileThatCannotBeSeenAtThisSizeIsToldAndTheRecordNamed) {
  enterDrawingView(12);
  // A value inside the 32-bit range, absurd for a drawing: the fitting
  // shrinks the other records to nothing.
  writeFile(dataFilePath("字13.mem"), strokeFile({"100,100,500,100,1,20", "0,0,500,2147483647,2,20",
                                                  "300,50,300,400,1,20"}));
  form1.Image3_Click();
  ASSERT_EQ(messageTitles(), Lines{"ストロークファイルの誤り"});
  EXPECT_EQ(messages.shown[0].prompt,
            "般若心経\\字13.mem\n記録 2 の値 2147483647 が大きすぎるため、ほかの記録が小さくなりすぎて、"
            "この大きさでは描けません。");
  EXPECT_TRUE(inDrawingView());
  // The sample at start-up is checked alike.
  writeFile(dataFilePath("海（墨翁）.MEM"), strokeFile({"100,100,300,100,1,20", "0,0,300,400,2,2147483647"}));
  forget();
  resize(kScreenWidth, kScreenHeight);
  EXPECT_EQ(messageTitles(), (Lines{"ストロークファイルの誤り", "文字選択"}));
}

TEST_F(Form1Test, AListEntryLeadingOutOfTheStrokeFolderIsNotRead) {
  enterDrawingView(12);
  form1.SutraText[13] = "../outside";
  writeFile("outside.mem", strokeFile({"100,100,500,100,1,20"}));
  form1.Image3_Click();
  ASSERT_EQ(messageTitles(), Lines{"ストロークファイルの誤り"});
  EXPECT_EQ(messages.shown[0].prompt,
            "般若心経\\../outside.mem\nファイル名が「般若心経」フォルダの外を指しているため、読み込みません。");
  EXPECT_EQ(form1.StrokeCount, 1);
  EXPECT_TRUE(canvas.rings().empty());
}

TEST_F(Form1Test, AfterYesEveryMissingStrokeFileIsNamed) {
  enterDrawingView(12);
  messages.answers = {MessageBoxAnswer::kYes};
  for (const char* typed : {"20", "21"}) {
    form1.Text1.setText(typed);
    form1.Image4_Click();
  }
  EXPECT_EQ(messageTitles(), (Lines{"不在文字通知確認", "ファイルが存在しません。", "ファイルが存在しません。"}));
  EXPECT_EQ(messages.shown.back().prompt, "般若心経\\字21.mem");
  EXPECT_EQ(form1.MissingFileNotice, MissingFileNotice::Report);
}

TEST_F(Form1Test, APagePictureThatCannotBeWrittenLeavesTheCapturedPageInUse) {
  writeFile("般若心経.bmp", "an older page, captured at another size");
  canvas.failSave = true;
  pictures.loads.clear();
  resize(kScreenWidth, kScreenHeight);
  ASSERT_EQ(messageTitles(), (Lines{"文字選択", "ページ画像の誤り"}));
  EXPECT_EQ(messages.shown[1].prompt, "般若心経.bmp\n書き込めません。\n描いたページをそのまま使います。");
  EXPECT_EQ(pictures.loads, (Lines{"Picture.jpg", "Picture2.jpg"}));  // the older file is never shown
  const auto captured = canvas.picture().data;
  EXPECT_EQ(form1.イメージ1.picture().data, captured);
  EXPECT_TRUE(form1.Image5.visible());

  form1.grid = kPageGridBox;
  releaseAt(cellCentre(12));
  forget();
  form1.Image1_Click();
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_TRUE(pictures.loads.empty());
  EXPECT_EQ(form1.イメージ1.picture().data, captured);
}

TEST_F(Form1Test, APagePictureThatCannotBeReadIsToldOnceAndTheCapturedPageStandsIn) {
  pictures.failing.insert("般若心経.bmp");
  resize(kScreenWidth, kScreenHeight);
  ASSERT_EQ(messageTitles(), (Lines{"文字選択", "ページ画像の誤り"}));
  EXPECT_EQ(messages.shown[1].prompt, "般若心経.bmp\n画像を読み込めません。\n描いたページをそのまま使います。");
  const auto captured = canvas.picture().data;
  ASSERT_NE(captured, nullptr);
  EXPECT_EQ(form1.イメージ1.picture().data, captured);

  form1.grid = kPageGridBox;
  releaseAt(cellCentre(12));
  forget();
  form1.Picture1_KeyDown(17, 0);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(pictures.loads, Lines{"般若心経.bmp"});
  EXPECT_EQ(form1.イメージ1.picture().data, captured);
  EXPECT_FALSE(form1.Text1.visible());
}

TEST_F(Form1Test, ABackgroundThatCannotBeReadAtAPickIsToldOnceAndTheStartUpCopyStandsIn) {
  startUp();
  form1.grid = kPageGridBox;
  pictures.failing.insert("Picture2.jpg");
  releaseAt(cellCentre(12));
  ASSERT_EQ(messageTitles(), Lines{"背景画像の誤り"});
  EXPECT_EQ(messages.shown[0].prompt, "Picture2.jpg\n画像を読み込めません。\n起動時に読み込んだ背景を使います。");
  EXPECT_EQ(form1.イメージ1.picture().source, "Picture2.jpg");
  EXPECT_TRUE(inDrawingView());
  form1.Image1_Click();
  releaseAt(cellCentre(13));
  EXPECT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(drawnFiles(), (Lines{"字12.mem", "字13.mem"}));
}

}  // namespace
}  // namespace sumimai::testing

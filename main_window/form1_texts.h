// The texts Form1 shows: the system's own prompts and titles, and the
// messages of this program's own file checks.
#pragma once

namespace sumimai::Form1Texts {

// The page capture.
inline constexpr char kPickPrompt[] = "描画させる文字をクリックして下さい。";
inline constexpr char kPickTitle[] = "文字選択";

// Image5's farewell.
inline constexpr char kFarewellPrompt[] = "Sumimaiを終了します。お疲れ様でした。";
inline constexpr char kFarewellTitle[] = "終了";

// Stroke files: the question whether missing ones are reported, the title
// of a missing file's notice, and that of a damaged file's.
inline constexpr char kAskMissingPrompt[] = "不在文字を通知しますか？";
inline constexpr char kAskMissingTitle[] = "不在文字通知確認";
inline constexpr char kMissingTitle[] = "ファイルが存在しません。";
inline constexpr char kStrokeDamagedTitle[] = "ストロークファイルの誤り";
inline constexpr char kStrokeDamagedGoOn[] = "それより前の記録だけを描きます。";
inline constexpr char kOutsideFolder[] = "ファイル名が「般若心経」フォルダの外を指しているため、読み込みません。";

// The sample character drawn at start-up (the working folder's other
// files are named in data_files/folder_files.h).
inline constexpr char kSampleStrokeFile[] = "海（墨翁）.MEM";

// A start-up file the program cannot go on without.
inline constexpr char kStartUpFailedTitle[] = "起動できません";
inline constexpr char kStartUpFailedEnd[] = "Sumimaiを終了します。";

// 設定.dat missing, short or damaged.
inline constexpr char kSettingsTitle[] = "設定ファイルの誤り";
inline constexpr char kSettingsFallback[] = "描画スピード 0、黒の墨で描きます。";

// 般若心経.bmp that cannot be written or read.
inline constexpr char kPagePictureTitle[] = "ページ画像の誤り";
inline constexpr char kPagePictureFallback[] = "描いたページをそのまま使います。";

// The page file damaged part-way.
inline constexpr char kPageDamagedTitle[] = "ページファイルの誤り";
inline constexpr char kPageDamagedGoOn[] = "それより前の記録だけを描きます。";
inline constexpr char kPageBlankGoOn[] = "罫線だけを描きます。";

// Picture2.jpg that cannot be read when a character is picked.
inline constexpr char kBackgroundTitle[] = "背景画像の誤り";
inline constexpr char kBackgroundFallback[] = "起動時に読み込んだ背景を使います。";

// The S key's notices: where the writing was saved, or why it was not.
inline constexpr char kSaveTitle[] = "書き順の保存";
inline constexpr char kSavedIn[] = "を作業フォルダに保存しました。";
inline constexpr char kNotSaved[] = "を保存できません。";
inline constexpr char kNothingToSave[] = "保存する文字がありません。";

}  // namespace sumimai::Form1Texts

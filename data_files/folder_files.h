// The names of the files in a working folder, and in the shipped data that
// fills one: the one place they are written down.
//
//   般若心経/            the stroke folder: one stroke file <character>.mem per
//                        character, the character list and the page file
//   設定.dat             the settings (the speed and the ink colour)
//   Picture.jpg          the start picture
//   Picture2.jpg         the background picture of the drawing view
//   般若心経.bmp         the page picture the main window writes
//   海（墨翁）.MEM       the sample character (in the stroke folder)
//   文字集.smlib         the character library (in the shipped data)
//   translations/        the catalogues of the programs' messages (installed
//                        beside the shipped data)
#pragma once

#include <string>
#include <string_view>

namespace sumimai {

inline constexpr std::string_view kDataFolder = "般若心経";
inline constexpr char kCharacterListName[] = "文字2.csv";
inline constexpr char kPageStrokeFile[] = "般若心経.mem";
inline constexpr char kSettingsFileName[] = "設定.dat";
inline constexpr char kStartPicture[] = "Picture.jpg";
inline constexpr char kBackgroundPicture[] = "Picture2.jpg";
inline constexpr char kPagePicture[] = "般若心経.bmp";
inline constexpr char kLibraryFileName[] = "文字集.smlib";
inline constexpr char kTranslationsFolder[] = "translations";
// The sample character the main window starts with, in the stroke folder.
inline constexpr char kSampleStrokeFile[] = "海（墨翁）.MEM";

// The stroke file of a character in the stroke folder: "色.mem".
inline std::string strokeFileName(std::string_view character) { return std::string(character) + ".mem"; }

}  // namespace sumimai

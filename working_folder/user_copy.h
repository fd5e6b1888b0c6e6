// A user's copy of the shipped data. The shipped folder (installed with the
// programs, read-only) is copied into the user's working folder at the first
// start. Every start copies again what is missing, so a shipped file the
// user deleted comes back. When the stamp in the working folder names
// another version than the running programs', an upgrade also replaces the
// files that still hold what was copied (copy_record.h); one the user
// changed is left alone. The character library is not copied: the programs
// read it from the shipped data.
//
// The files the programs write (設定.dat and 般若心経.bmp) are the user's:
// once they exist they are never replaced. Every other file is written to a
// temporary file and renamed into place (data_files/file_writing.h), and the
// stamp comes last: a copy that was interrupted leaves no stamp and is done
// again at the next start. A lock file keeps two programs started together
// from copying at once. Nothing is written through a symbolic link: a
// subfolder of the user's folder that is one is refused, naming it.
#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace sumimai {

inline constexpr char kVersionStampName[] = ".sumimai-version";
inline constexpr char kCopyLockName[] = ".sumimai-lock";

// The reasons told when another start holds the lock too long, and when a
// folder on the way is a link.
inline constexpr char kAnotherStartCopying[] =
    "ほかの起動が作業フォルダを準備しています。しばらく待ってからもう一度起動してください。";
inline constexpr char kLinkRefused[] =
    "シンボリックリンクです。リンク先に書き込まないよう、データを用意しません。リンクを消すかフォルダに置き換えてください。";

struct CopyProblem {
  std::filesystem::path path;  // the file or folder at fault
  std::string reason;          // in Japanese, with the system's own words
};

// Brings folder (which must exist) up to date with shipped for this
// version; nothing when it is, or the first problem met. A lock held by
// another start is waited for up to patience.
std::optional<CopyProblem> updateUserCopy(const std::filesystem::path& shipped, const std::filesystem::path& folder,
                                          std::string_view version,
                                          std::chrono::milliseconds patience = std::chrono::seconds(20));

}  // namespace sumimai

#include "file_writing.h"

#include <cerrno>
#include <cstring>

#include "core/user_language.h"
#include "file_paths.h"
#include "replacing_file.h"

namespace sumimai {
namespace fs = std::filesystem;
namespace {

constexpr char kMessages[] = "DataFiles";

const char* japaneseReason(int error) {
  switch (error) {
    case ENOSPC:
      return "ディスクに空きがありません";
    case EDQUOT:
      return "ディスクの使用量が上限を超えています";
    case EACCES:
    case EPERM:
      return "書き込む権限がありません";
    case EROFS:
      return "読み取り専用のディスクです";
    case EFBIG:
      return "ファイルが大きすぎます";
    case EIO:
      return "ディスクの読み書きに失敗しました";
    case ENOENT:
      return "フォルダがありません";
    case ENOTDIR:
      return "フォルダのあるべき所にファイルがあります";
    case EISDIR:
      return "同じ名前のフォルダがあります";
    case EEXIST:
      return "同じ名前のファイルがあります";
    default:
      return nullptr;
  }
}

}  // namespace

std::string systemReason(int error) {
  const std::string system = std::strerror(error);
  const char* japanese = japaneseReason(error);
  return japanese ? filledIn(userText(kMessages, "%1：%2"), {userText(kMessages, japanese), system}) : system;
}

FileWrite replaceFile(const fs::path& path, const std::string& content) {
  ReplacingFile file(findFile(path));
  if (file.write(content) && file.commit()) return {};
  static constexpr const char* kSteps[] = {"一時ファイルを作れません", "書き込めません", "ディスクに書き出せません",
                                           "ファイルを置き換えられません"};
  return {filledIn(userText(kMessages, "%1（%2）"),
                   {userText(kMessages, kSteps[static_cast<int>(file.failedStep())]), systemReason(file.error())})};
}

}  // namespace sumimai

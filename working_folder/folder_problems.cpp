#include "folder_problems.h"

#include <cerrno>

namespace sumimai {

std::string describeFolderError(const std::error_code& error) {
  if (error.category() == std::generic_category() || error.category() == std::system_category()) {
    switch (error.value()) {
      case EACCES:
      case EPERM:
        return "書き込む権限がありません。";
      case EROFS:
        return "読み取り専用の場所です。";
      case ENOSPC:
      case EDQUOT:
        return "ディスクに空きがありません。";
      case EEXIST:
      case ENOTDIR:
        return "同じ名前のファイルがあって、フォルダを作れません。";
      case EISDIR:
        return "同じ名前のフォルダがあって、ファイルを置けません。";
      case ENOENT:
        return "ファイルまたはフォルダが見つかりません。";
      default:
        break;
    }
  }
  return "エラー: " + error.message();
}

}  // namespace sumimai

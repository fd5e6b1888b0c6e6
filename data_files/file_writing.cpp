#include "file_writing.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "file_paths.h"

namespace sumimai {
namespace fs = std::filesystem;
namespace {

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

// Writes all of content to fd; false with errno set when it cannot.
bool writeAll(int fd, const std::string& content) {
  const char* data = content.data();
  std::size_t left = content.size();
  while (left > 0) {
    ssize_t n = ::write(fd, data, left);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) {
      errno = ENOSPC;
      return false;
    }
    data += n;
    left -= static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

std::string systemReason(int error) {
  const std::string system = std::strerror(error);
  const char* japanese = japaneseReason(error);
  return japanese ? std::string(japanese) + "：" + system : system;
}

FileWrite replaceFile(const fs::path& path, const std::string& content) {
  fs::path target = findFile(path);
  fs::path temporary = target;
  temporary += ".tmp" + std::to_string(::getpid());
  auto failed = [&](const char* step) {
    FileWrite w{std::string(step) + "（" + systemReason(errno) + "）"};
    ::unlink(temporary.c_str());
    return w;
  };
  int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return failed("一時ファイルを作れません");
  if (!writeAll(fd, content)) {
    const int error = errno;
    ::close(fd);
    errno = error;
    return failed("書き込めません");
  }
  if (::fsync(fd) != 0) {
    const int error = errno;
    ::close(fd);
    errno = error;
    return failed("ディスクに書き出せません");
  }
  if (::close(fd) != 0) return failed("書き込めません");
  if (::rename(temporary.c_str(), target.c_str()) != 0) return failed("ファイルを置き換えられません");
  return {};
}

}  // namespace sumimai

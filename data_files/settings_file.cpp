#include "settings_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "file_paths.h"
#include "number_forms.h"
#include "text_items.h"

namespace sumimai {
namespace fs = std::filesystem;

Rgb ringColour(const InkColour& ink) {
  return {colourComponent(ink.red), colourComponent(ink.green), colourComponent(ink.blue)};
}

SettingsRead readSettingsFile(const fs::path& path) {
  SettingsRead result;
  OpenedFile file = openDataFile(path);
  if (file.status != OpenedFile::Status::Opened) {
    result.problem = file.problem();
    return result;
  }
  TextItemReader reader(file.stream);
  for (std::size_t i = 0; i < result.values.size(); ++i) {
    std::optional<TextItem> item = reader.next();
    if (!item) {
      result.problem = "4 行（描画スピード、赤、緑、青）がそろっていません。";
      result.values = {};
      return result;
    }
    std::optional<double> number = item->truncated ? std::nullopt : parseNumberItem(item->text);
    if (!number) {
      result.problem = std::to_string(i + 1) + " 行目「" + utf8Prefix(item->text, 40) + "」は数値ではありません。";
      result.values = {};
      return result;
    }
    result.values[i] = *number;
  }
  result.ok = true;
  return result;
}

std::string settingsFileText(const std::string& speedLine, double red, double green, double blue) {
  return speedLine + "\r\n" + printForm(red) + "\r\n" + printForm(green) + "\r\n" +
         printForm(blue) + "\r\n";
}

FileWrite replaceFile(const fs::path& path, const std::string& content) {
  fs::path target = findFile(path);
  fs::path temporary = target;
  temporary += ".tmp" + std::to_string(::getpid());
  auto failed = [&](const char* step) {
    FileWrite w{false, std::string(step) + "（" + std::strerror(errno) + "）"};
    ::unlink(temporary.c_str());
    return w;
  };
  int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return failed("一時ファイルを作れません");
  const char* data = content.data();
  std::size_t left = content.size();
  while (left > 0) {
    ssize_t n = ::write(fd, data, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ::close(fd);
      return failed("書き込めません");
    }
    data += n;
    left -= static_cast<std::size_t>(n);
  }
  if (::fsync(fd) != 0) {
    ::close(fd);
    return failed("ディスクに書き出せません");
  }
  if (::close(fd) != 0) return failed("書き込めません");
  if (::rename(temporary.c_str(), target.c_str()) != 0) return failed("ファイルを置き換えられません");
  return {true, ""};
}

SettingsRead 設定呼び出し(DrawSettings& settings, InkColour& ink) {
  SettingsRead read = readSettingsFile(kSettingsFileName);
  settings = {read.values[0], read.values[1], read.values[2], read.values[3]};
  ink = {settings.Red, settings.Green, settings.Blue};
  return read;
}

}  // namespace sumimai

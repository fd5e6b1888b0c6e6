// A file written under a temporary name beside its final place and renamed
// onto that place only once it is whole, so that a failure, a full disk or an
// interruption never leaves a broken file where a good one was.
//
// The temporary file is hidden and named after the target and the process
// (".設定.dat.1234.Ab3xYz"). It is created exclusively (mkstemp: a file or a
// symbolic link already under the name is never opened, so a link planted in
// the folder cannot redirect the write), gets the permission bits of the
// file it replaces (or those of a new file under the umask), and is removed
// again on every failure, when the object goes, and on SIGINT, SIGTERM,
// SIGHUP and SIGQUIT once removeTemporaryFilesOnSignals() has been called.
// One left behind by a process that was killed outright is removed by the
// next ReplacingFile made for the same target.
#pragma once

#include <filesystem>
#include <string>

namespace sumimai {

class ReplacingFile {
 public:
  // Creates the temporary file; error() tells whether that worked.
  explicit ReplacingFile(std::filesystem::path target);
  // Removes the temporary file unless it was committed.
  ~ReplacingFile();
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  const std::filesystem::path& target() const { return target_; }
  const std::filesystem::path& temporary() const { return temporary_; }
  // The errno value of the first step that failed, 0 while none did, and
  // that step.
  enum class Step { Create, Write, Flush, Rename };
  int error() const { return error_; }
  Step failedStep() const { return step_; }

  // Appends bytes to the temporary file; false (error() set) when it cannot.
  bool write(const std::string& bytes);
  // Flushes the temporary file to disk and renames it onto the target, or
  // removes it; false (error() set) when that fails. Content written by
  // name (a library that opens temporary() itself) counts as well.
  bool commit();

 private:
  void fail(Step step, int error);

  std::filesystem::path target_;
  std::filesystem::path temporary_;
  int descriptor_ = -1;
  int slot_ = -1;  // the signal handler's record of temporary_
  int error_ = 0;
  Step step_ = Step::Create;
  bool committed_ = false;
};

// Makes SIGINT, SIGTERM, SIGHUP and SIGQUIT remove every temporary file being
// written before the program ends as the signal would have ended it.
void removeTemporaryFilesOnSignals();

}  // namespace sumimai

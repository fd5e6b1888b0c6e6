// sumimai-export [options] INPUT... OUT: the writing of stroke files, sutra
// characters, a text or the page as an animation or a still (--help).
#include <unistd.h>

#include <cstdio>
#include <optional>

#include "common/users_language.h"
#include "core/user_language.h"
#include "data_files/replacing_file.h"
#include "export/export_error.h"
#include "export/writers.h"
#include "export_inputs.h"
#include "progress_bar.h"

namespace {

using namespace sumimai;

// A line on stderr; gives status.
int fail(const std::string& message, int status) {
  std::fprintf(stderr, "sumimai-export: %s\n", message.c_str());
  return status;
}

int run(const ExportOptions& options) {
  PreparedExport prepared = prepareExport(options, programDataPlaces());
  ExportRequest& request = prepared.request;
  if (!options.quiet) {
    for (const std::string& note : prepared.notes) fail(filledIn(userText(kExportProgram, "note: %1"), {note}), 0);
  }
  std::optional<ProgressBar> bar;
  if (!options.quiet && isatty(STDERR_FILENO)) {
    bar.emplace(stderr, countFrames(request));
    request.progress = [&bar](std::int64_t frame) { bar->update(frame); };
  }
  const ExportSummary summary = exportWriting(request);
  if (bar) bar->close();
  if (!options.quiet) {
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.2f", static_cast<double>(summary.frames) / request.fps);
    fail(filledIn(userText(kExportProgram, "wrote %1: %2 frames, %3 s"),
                  {request.output.string(), std::to_string(summary.frames), seconds}),
         0);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  sumimai::speakUsersLanguage();
  removeTemporaryFilesOnSignals();
  const ParsedOptions parsed = parseOptions({argv + 1, argv + argc});
  if (const std::optional<int> status = finishCommandLine(kExportProgram, helpText(), parsed.read)) return *status;
  if (!fileKindOf(parsed.options.output)) {
    try {
      (void)requireFileKind(parsed.options.output);
    } catch (const ExportError& e) {
      return commandLineMistake(kExportProgram, e.what());  // a usage error, as the others
    }
  }
  try {
    return run(parsed.options);
  } catch (const ExportError& e) {
    return fail(e.what(), 1);
  } catch (const std::exception& e) {
    return fail(filledIn(userText(kExportProgram, "unexpected failure: %1"), {e.what()}), 1);
  }
}

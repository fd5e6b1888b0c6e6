// sumimai-export [options] INPUT... OUT: the writing of stroke files, sutra
// characters, a text or the page as an animation or a still (--help).
#include <unistd.h>

#include <cstdio>
#include <optional>

#include "data_files/replacing_file.h"
#include "export/export_error.h"
#include "export/writers.h"
#include "export_inputs.h"
#include "progress_bar.h"

namespace {

using namespace sumimai;

int fail(const std::string& message, int status) {
  std::fprintf(stderr, "sumimai-export: %s\n", message.c_str());
  return status;
}

int run(const ExportOptions& options) {
  PreparedExport prepared = prepareExport(options, programDataPlaces());
  ExportRequest& request = prepared.request;
  if (!options.quiet) {
    for (const std::string& note : prepared.notes) std::fprintf(stderr, "sumimai-export: note: %s\n", note.c_str());
  }
  std::optional<ProgressBar> bar;
  if (!options.quiet && isatty(STDERR_FILENO)) {
    bar.emplace(stderr, countFrames(request));
    request.progress = [&bar](std::int64_t frame) { bar->update(frame); };
  }
  const ExportSummary summary = exportWriting(request);
  if (bar) bar->close();
  if (!options.quiet) {
    std::fprintf(stderr, "sumimai-export: wrote %s: %lld frames, %.2f s\n", request.output.c_str(),
                 static_cast<long long>(summary.frames), static_cast<double>(summary.frames) / request.fps);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  removeTemporaryFilesOnSignals();
  const ParsedOptions parsed = parseOptions({argv + 1, argv + argc});
  if (const std::optional<int> status = finishCommandLine(kExportProgram, helpText(), parsed.read)) return *status;
  if (!fileKindOf(parsed.options.output)) {
    try {
      (void)requireFileKind(parsed.options.output);
    } catch (const ExportError& e) {
      return fail(std::string(e.what()) + " (see --help)", 2);  // a usage error, as the others
    }
  }
  try {
    return run(parsed.options);
  } catch (const ExportError& e) {
    return fail(e.what(), 1);
  } catch (const std::exception& e) {
    return fail(std::string("unexpected failure: ") + e.what(), 1);
  }
}

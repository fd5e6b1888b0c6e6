#include "brush_options.h"

#include "core/user_language.h"
#include "strict_values.h"

namespace sumimai {
namespace {

constexpr char kContext[] = "ToolOptions";

}  // namespace

void addBrushOptions(ToolCommandLine& line, BrushChoice& to) {
  line.value("--brush", [&to](const std::string& v) -> std::string {
    const std::optional<BrushKind> kind = brushKindNamed(v);
    if (!kind) return filledIn(userText(kContext, "--brush is round or ink, not '%1'"), {v});
    to.kind = *kind;
    return "";
  });
  line.value("--seed", [&to](const std::string& v) -> std::string {
    const std::optional<long long> seed = strictWholeNumber(v);
    if (!seed || *seed < 0) return filledIn(userText(kContext, "--seed needs a whole number 0 or more, not '%1'"), {v});
    to.seed = static_cast<std::uint64_t>(*seed);
    return "";
  });
}

}  // namespace sumimai

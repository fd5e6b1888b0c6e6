#include "locale_options.h"

#include "core/user_language.h"

namespace sumimai {

void addLocaleOptions(ToolCommandLine& line, LookupChoice& to) {
  line.value("--locale", [&to](const std::string& v) -> std::string {
    const std::optional<Tradition> tradition = traditionNamed(v);
    if (!tradition) return filledIn(userText("ToolOptions", "--locale is ja, zh-Hans, zh-Hant or ko, not '%1'"), {v});
    to.tradition = *tradition;
    return "";
  });
  line.flag("--strict-locale", to.strict);
}

}  // namespace sumimai

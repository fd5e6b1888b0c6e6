#include "user_language.h"

#include <vector>

namespace sumimai {

namespace {
MessageTranslator translator = nullptr;
}  // namespace

void setMessageTranslator(MessageTranslator translate) { translator = translate; }

std::string userText(const char* context, const char* english) {
  if (translator) return translator(context, english);
  return english;
}

std::string filledIn(std::string_view pattern, std::initializer_list<std::string_view> arguments) {
  const std::vector<std::string_view> values(arguments);
  std::string text;
  for (std::size_t at = 0; at < pattern.size(); ++at) {
    const char next = at + 1 < pattern.size() ? pattern[at + 1] : '\0';
    if (pattern[at] == '%' && next >= '1' && next <= '9' && static_cast<std::size_t>(next - '1') < values.size()) {
      text += values[static_cast<std::size_t>(next - '1')];
      ++at;
    } else {
      text += pattern[at];
    }
  }
  return text;
}

}  // namespace sumimai

// The messages a user reads, in the user's language. The plain layers write
// their messages in English and pass them through userText(context,
// english); a program with a catalogue of translations (the programs built
// with Qt use Qt's translation system) installs a translator when it starts.
// Without one, the English stays.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace sumimai {

// The translation of english in context, or nullptr when there is none.
using MessageTranslator = std::string (*)(const char* context, const char* english);

void setMessageTranslator(MessageTranslator translate);

std::string userText(const char* context, const char* english);

// pattern with %1, %2, ... replaced by the arguments in order, so that a
// translation can put them where its language wants them.
std::string filledIn(std::string_view pattern, std::initializer_list<std::string_view> arguments);

}  // namespace sumimai

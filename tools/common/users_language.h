// A tool's messages in the user's language: called first thing in main().
#pragma once

namespace sumimai {

void speakUsersLanguage();

}  // namespace sumimai

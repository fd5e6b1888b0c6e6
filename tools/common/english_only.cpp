// Built without Qt: the messages stay in English.
#include "common/users_language.h"

namespace sumimai {

void speakUsersLanguage() {}

}  // namespace sumimai

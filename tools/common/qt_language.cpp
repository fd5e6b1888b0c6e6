// With Qt: the catalogue for the user's locale, by Qt's translation system.
#include "common/users_language.h"
#include "window/qt/translations.h"

namespace sumimai {

void speakUsersLanguage() { Translations::translateMessages(); }

}  // namespace sumimai

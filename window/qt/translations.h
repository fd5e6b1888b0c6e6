// The programs' own messages in the user's language, by Qt's translation
// system: the texts in the code are the keys, and the compiled catalogue
// sumimai_<language>.qm for the user's locale (LC_ALL, LC_MESSAGES, LANG,
// LANGUAGE as Qt reads them) gives their translations; any locale without
// one of its own takes sumimai_en.qm, the English of the messages written in
// Japanese.
// The catalogues lie in share/sumimai/translations once installed, or in the
// translations folder of the build folder that holds the program. The look-up
// needs no application object, so a program can answer --help, or say that
// there is no display, before it opens one.
#pragma once

#include <QString>
#include <QTranslator>
#include <string>

namespace sumimai {

class Translations {
 public:
  // The catalogue for the user's locale, loaded once; without one (an
  // English locale, or "C"), the texts stay as written.
  static const Translations& forUser();

  // The translation of source in context, or source itself.
  QString text(const char* context, const char* source) const;
  std::string utf8(const char* context, const char* source) const { return text(context, source).toStdString(); }

  // Makes the plain layers' messages (core/user_language.h) come from the
  // catalogue for the user's locale.
  static void translateMessages();

  // The folder the catalogues are read from; empty when none was found.
  static QString folder();

 private:
  Translations();
  QTranslator translator_;
  bool loaded_ = false;
};

}  // namespace sumimai

#include "translations.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include "core/user_language.h"

namespace sumimai {

namespace {

constexpr char kCatalogue[] = "sumimai_ja.qm";

// From the program's own folder (its real file, whatever name or link it was
// started by) upwards: prefix/share/sumimai/translations beside an
// installed bin folder, or the translations folder at the top of a build.
QString findFolder() {
  QDir at = QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()).dir();
  for (int up = 0; up < 8; ++up) {
    for (const QString& below : {QStringLiteral("share/sumimai/translations"), QStringLiteral("translations")}) {
      if (QFileInfo::exists(at.filePath(below + "/" + kCatalogue))) return at.filePath(below);
    }
    if (!at.cdUp()) break;
  }
  return {};
}

}  // namespace

Translations::Translations() {
  const QString from = folder();
  // The messages are written in English, and those the data files and the
  // library share with the window programs in Japanese: a Japanese locale
  // takes the Japanese catalogue, every other the English one.
  if (!from.isEmpty()) {
    loaded_ = translator_.load(QLocale::system(), QStringLiteral("sumimai"), QStringLiteral("_"), from) ||
              translator_.load(QStringLiteral("sumimai_en"), from);
  }
}

const Translations& Translations::forUser() {
  static const Translations translations;
  return translations;
}

QString Translations::folder() {
  static const QString found = findFolder();
  return found;
}

void Translations::translateMessages() {
  setMessageTranslator(
      [](const char* context, const char* english) { return forUser().utf8(context, english); });
}

QString Translations::text(const char* context, const char* source) const {
  if (loaded_) {
    QString translated = translator_.translate(context, source);
    if (!translated.isEmpty()) return translated;
  }
  return QString::fromUtf8(source);
}

}  // namespace sumimai

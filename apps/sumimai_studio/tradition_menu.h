// The Studio's choice of writing tradition: the forms and stroke order of
// Japan, mainland China, Taiwan or Korea, as a menu of four. Its first
// choice follows the user's locale (a Chinese or Korean desktop gets its
// own); the choice made is remembered.
#pragma once

#include <QActionGroup>
#include <QMenu>
#include <QObject>

#include "data_files/tradition.h"

namespace sumimai {

class TraditionMenu : public QObject {
  Q_OBJECT

 public:
  // Adds the menu to `parent`, checked at the remembered choice (or the locale's).
  explicit TraditionMenu(QMenu* parent);

  Tradition chosen() const;
  void remember() const;

  // The tradition of a locale name (zh_TW, ko_KR, ...): Japanese for any other.
  static Tradition ofLocale(const QString& name);

 signals:
  void changed(Tradition chosen);

 private:
  QActionGroup* group_;
};

}  // namespace sumimai

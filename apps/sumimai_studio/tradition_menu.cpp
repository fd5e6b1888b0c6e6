#include "tradition_menu.h"

#include <QLocale>
#include <QSettings>

namespace sumimai {
namespace {

constexpr char kSetting[] = "tradition";

}  // namespace

TraditionMenu::TraditionMenu(QMenu* parent) : QObject(parent), group_(new QActionGroup(this)) {
  QMenu* menu = parent->addMenu(tr("字形と筆順(&T)"));
  menu->setToolTipsVisible(true);
  const QString names[] = {tr("日本"), tr("中国大陸（簡体字）"), tr("台湾（繁体字）"), tr("韓国")};
  const QString saved = QSettings().value(kSetting).toString();
  const std::optional<Tradition> remembered = traditionNamed(saved.toStdString());
  const Tradition first = remembered.value_or(ofLocale(QLocale::system().name()));
  for (Tradition t : kTraditions) {
    QAction* action = menu->addAction(names[int(t)]);
    action->setCheckable(true);
    action->setData(int(t));
    action->setChecked(t == first);
    action->setToolTip(tr("%1 の文字集の字形と筆順で書く（ない文字はほかの文字集から）").arg(QString::fromUtf8(traditionName(t).data())));
    group_->addAction(action);
  }
  connect(group_, &QActionGroup::triggered, this, [this] { emit changed(chosen()); });
}

Tradition TraditionMenu::chosen() const {
  const QAction* checked = group_->checkedAction();
  return checked ? static_cast<Tradition>(checked->data().toInt()) : Tradition::Japanese;
}

void TraditionMenu::remember() const { QSettings().setValue(kSetting, QString::fromUtf8(traditionName(chosen()).data())); }

Tradition TraditionMenu::ofLocale(const QString& name) { return traditionNamed(name.toStdString()).value_or(Tradition::Japanese); }

}  // namespace sumimai

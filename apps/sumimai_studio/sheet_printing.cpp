#include "sheet_printing.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QPrinter>
#include <QSpinBox>

#include "worksheet/qt/sheet_printer.h"

namespace sumimai {

SheetOptionsDialog::SheetOptionsDialog(const SheetOptions& start, QWidget* parent) : QDialog(parent), start_(start) {
  setWindowTitle(tr("練習帳の印刷"));
  auto* form = new QFormLayout(this);
  paper_ = new QComboBox(this);
  paper_->addItems({tr("A4"), tr("レター"), tr("B5 (JIS)")});
  paper_->setCurrentIndex(static_cast<int>(start.paper));
  form->addRow(tr("用紙(&P)"), paper_);
  landscape_ = new QCheckBox(tr("横向き(&L)"), this);
  landscape_->setChecked(start.landscape);
  form->addRow(QString(), landscape_);
  grid_ = new QComboBox(this);
  grid_->addItems({tr("なし"), tr("田字格"), tr("米字格"), tr("九宮格")});
  grid_->setCurrentIndex(static_cast<int>(start.grid));
  form->addRow(tr("補助線(&G)"), grid_);
  trace_ = new QSpinBox(this);
  trace_->setRange(0, 100);
  trace_->setValue(start.trace);
  form->addRow(tr("なぞる升(&T)"), trace_);
  cells_ = new QSpinBox(this);
  cells_->setRange(0, 500);
  cells_->setSpecialValueText(tr("行の終わりまで"));
  cells_->setValue(start.cells.value_or(0));
  form->addRow(tr("練習の升(&C)"), cells_);
  numbers_ = new QCheckBox(tr("画の番号と書き始めの矢印(&N)"), this);
  numbers_->setChecked(start.numbers);
  form->addRow(QString(), numbers_);
  title_ = new QLineEdit(QString::fromStdString(start.title), this);
  form->addRow(tr("題(&I)"), title_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText(tr("プレビュー"));
  buttons->button(QDialogButtonBox::Cancel)->setText(tr("キャンセル"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  form->addRow(buttons);
}

SheetOptions SheetOptionsDialog::options() const {
  SheetOptions o = start_;
  o.paper = static_cast<Paper>(paper_->currentIndex());
  o.landscape = landscape_->isChecked();
  o.grid = static_cast<GridStyle>(grid_->currentIndex());
  o.trace = trace_->value();
  o.cells = cells_->value() == 0 ? std::nullopt : std::optional<int>(cells_->value());
  o.numbers = numbers_->isChecked();
  o.title = title_->text().toStdString();
  return o;
}

QString sheetRefusalMessage(const SheetCharacters& found) {
  switch (found.refusal) {
    case SheetRefusal::None: return {};
    case SheetRefusal::NotText: return QObject::tr("文字として読めないところがあります。");
    case SheetRefusal::NoData:
      return QObject::tr("「%1」の字のデータがないので、練習帳を作れません。").arg(QString::fromStdString(found.character));
    case SheetRefusal::NothingToPractise: return QObject::tr("句読点と空白のほかに、練習する字がありません。");
  }
  return QString::fromStdString(found.problem);
}

void previewSheet(QWidget* parent, const QString& text, const CharacterLookup& lookup, SheetOptions& options) {
  SheetCharacters found = sheetCharacters(text.toStdString(), lookup);
  if (!found.ok()) {
    QMessageBox::warning(parent, QObject::tr("練習帳の印刷"), sheetRefusalMessage(found));
    return;
  }
  SheetOptionsDialog ask(options, parent);
  if (ask.exec() != QDialog::Accepted) return;
  options = ask.options();
  const Worksheet sheet = worksheetOf(std::move(found.characters), options);
  QPrinter printer(QPrinter::HighResolution);
  preparePrinter(printer, options);
  printer.setDocName(text);
  QPrintPreviewDialog preview(&printer, parent);
  preview.setWindowTitle(QObject::tr("練習帳の印刷プレビュー"));
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&sheet, parent](QPrinter* p) {
    if (!printWorksheet(*p, sheet)) {
      QMessageBox::warning(parent, QObject::tr("練習帳の印刷"), QObject::tr("プリンター %1 に印刷できません。").arg(p->printerName()));
    }
  });
  preview.resize(900, 1000);
  preview.exec();
}

}  // namespace sumimai

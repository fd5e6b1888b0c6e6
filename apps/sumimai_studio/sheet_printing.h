// Ctrl+P in the Studio: the practice sheet of the text on the canvas, with
// the options of sumimai-sheet asked in a small dialog, shown in a print
// preview and printed through the system's print dialog (Qt Print Support).
#pragma once

#include <QDialog>
#include <QString>

#include "worksheet/sheet_characters.h"
#include "worksheet/sheet_options.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

namespace sumimai {

// The sheet's options: paper, grid, trace and practice cells, numbers, title.
class SheetOptionsDialog : public QDialog {
  Q_OBJECT

 public:
  SheetOptionsDialog(const SheetOptions& start, QWidget* parent);
  SheetOptions options() const;

 private:
  SheetOptions start_;
  QComboBox* paper_ = nullptr;
  QCheckBox* landscape_ = nullptr;
  QComboBox* grid_ = nullptr;
  QSpinBox* trace_ = nullptr;
  QSpinBox* cells_ = nullptr;
  QCheckBox* numbers_ = nullptr;
  QLineEdit* title_ = nullptr;
};

// Why the text gives no sheet, in the Studio's words; "" when it does.
QString sheetRefusalMessage(const SheetCharacters& found);

// Asks for the options (starting from `options`, which keeps what was
// chosen), then previews the sheet of the text; the preview prints. A text
// that gives no sheet is told in a message box.
void previewSheet(QWidget* parent, const QString& text, const CharacterLookup& lookup, SheetOptions& options);

}  // namespace sumimai

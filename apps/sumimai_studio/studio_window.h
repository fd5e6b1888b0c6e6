// The Studio's main window: a text field, the canvas the text is written
// on, and the playback, layout, learning-aid, ground and file commands
// around it (menu bar, tool bar, keys). Its settings are remembered per
// user (QSettings); the program's 設定.dat is only read.
#pragma once

#include <QActionGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QScrollArea>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTimer>
#include <filesystem>
#include <memory>
#include <optional>

#include "data_files/settings_file.h"
#include "worksheet/sheet_options.h"
#include "tradition_menu.h"
#include "writing/character_lookup.h"
#include "practice_view.h"
#include "writing_view.h"

class QToolBar;

namespace sumimai {

class PracticePanel;

class StudioWindow : public QMainWindow {
  Q_OBJECT

 public:
  StudioWindow();
  ~StudioWindow() override;

  // Writes a text at once (the command line's --text, a file opened).
  void writeText(const QString& text);
  // Reads a text file and writes it; a file that cannot be read is named in a message.
  void openTextFile(const QString& file);
  // The window as it was left last time, and the last text in the field.
  void restoreSettings();

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QAction* addCommand(QMenu* menu, const QString& text, const QKeySequence& key, const QString& tip);
  void buildControls();
  void buildFileMenu();
  void buildPlaybackMenu();
  void buildAidsMenu();
  void buildGroundMenu();
  void buildPracticeMenu(QMenu* menu, QToolBar* bar);
  // Practice of the text in the field (or the sutra), or back to the writing.
  void showPractice(bool sutra);
  void leavePractice();
  PracticeLook practiceLook() const;
  BrushChoice brush() const;
  // Characters from now on in the tradition's forms: the writing and the practice.
  void useTradition(Tradition tradition);
  CellInkOptions inkOptions() const;
  // Lays the text out for the window and writes it; keepPosition: from the
  // stroke the writing had come to (another layout, size, speed or aid).
  void compose(bool keepPosition);
  void showPosition(QRect writing);
  void showNotice();
  void openDialog();
  void saveDialog();
  void copyPicture();
  void copyAnimation();
  void dragAnimation();
  // The animation written to a file of the user's cache folder, for the
  // clipboard and for dragging; empty when it could not be written.
  QString animationInCache();
  // Saves the writing into file; notes, when given, gets what the user
  // should know of the way it was written (each after two spaces).
  bool save(const QString& file, QString* notes = nullptr);
  DrawingStyle style() const;
  LearningAids aids() const;
  ViewGround ground() const;
  void saveSettings() const;
  void tell(const QString& message);

  CharacterLookup lookup_;
  DrawSettings drawSettings_;
  std::optional<QColor> ink_;  // chosen in the window, instead of 設定.dat's
  QColor groundColour_{Qt::white};
  QLineEdit* text_ = nullptr;
  QStackedWidget* pages_ = nullptr;  // the writing, or the practice
  PracticePanel* practice_ = nullptr;
  QAction* practising_ = nullptr;
  QScrollArea* scroll_ = nullptr;
  WritingView* view_ = nullptr;
  QSlider* timeline_ = nullptr;
  QSpinBox* speed_ = nullptr;
  QSpinBox* perLine_ = nullptr;
  QComboBox* direction_ = nullptr;
  QLabel* notice_ = nullptr;
  QAction* play_ = nullptr;
  QAction* loop_ = nullptr;
  QAction* ghost_ = nullptr;
  QAction* numbers_ = nullptr;
  QAction* arrow_ = nullptr;
  QAction* colours_ = nullptr;
  QActionGroup* grids_ = nullptr;
  QActionGroup* grounds_ = nullptr;
  QActionGroup* brushes_ = nullptr;
  TraditionMenu* traditions_ = nullptr;
  QString written_;  // the text on the canvas
  SheetOptions sheetOptions_;  // as last chosen for printing
  QString lastFolder_;
  QTimer relayout_;
  bool movingTimeline_ = false;
  bool restoring_ = false;
};

}  // namespace sumimai

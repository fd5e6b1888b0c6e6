// The Studio's main window: a text field, the canvas the text is written
// on, and the playback, layout and file commands around it (menu bar, tool
// bar, keys).
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QScrollArea>
#include <QSlider>
#include <QSpinBox>
#include <QComboBox>
#include <QTimer>
#include <filesystem>
#include <memory>

#include "data_files/settings_file.h"
#include "writing/character_lookup.h"
#include "writing_view.h"

namespace sumimai {

class StudioWindow : public QMainWindow {
  Q_OBJECT

 public:
  StudioWindow();
  ~StudioWindow() override;

  // Writes a text at once (the command line's --text, a file opened).
  void writeText(const QString& text);
  // Reads a text file and writes it; a file that cannot be read is named in a message.
  void openTextFile(const QString& file);

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildActions();
  void buildControls();
  // Lays the text out for the window and writes it; keepPosition: from the
  // stroke the writing had come to (another layout, size or speed).
  void compose(bool keepPosition);
  void showPosition(QRect writing);
  void showNotice();
  void openDialog();
  void changeSpeed(int);
  DrawingStyle style() const;
  void restoreSettings();
  void saveSettings() const;

  CharacterLookup lookup_;
  DrawSettings drawSettings_;
  QLineEdit* text_ = nullptr;
  QScrollArea* scroll_ = nullptr;
  WritingView* view_ = nullptr;
  QSlider* timeline_ = nullptr;
  QSpinBox* speed_ = nullptr;
  QSpinBox* perLine_ = nullptr;
  QComboBox* direction_ = nullptr;
  QLabel* notice_ = nullptr;
  QAction* play_ = nullptr;
  QAction* loop_ = nullptr;
  QString written_;  // the text on the canvas
  QTimer relayout_;
  bool movingTimeline_ = false;
};

}  // namespace sumimai

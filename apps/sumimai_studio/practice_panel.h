// Practice: the characters of a text written by the learner one after
// another, each judged stroke by stroke as it is written. Above the cell:
// which character of how many, the model shown or hidden ("test
// yourself"), Again and Next; below it: the judgement of the last stroke,
// and at the end of a character the strokes right at the first try and the
// score. Practising the sutra (写経) goes through its characters in order
// and remembers where the learner stopped.
#pragma once

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "grading/practice.h"
#include "practice_view.h"
#include "writing/character_lookup.h"

namespace sumimai {

class PracticePanel : public QWidget {
  Q_OBJECT

 public:
  PracticePanel(const CharacterLookup& lookup, QWidget* parent = nullptr);
  ~PracticePanel() override;

  // Practises these characters (UTF-8, one each; blanks and characters
  // without data are passed over), from the one at `from`.
  void practise(const std::vector<std::string>& characters, std::size_t from);
  // Practises the sutra from where the learner stopped last time.
  void practiseSutra(const std::vector<std::string>& characters);
  void setLook(PracticeLook look);
  // The look-up now gives other forms: the character in practice begins again in them.
  void lookupChanged();
  bool sutra() const { return sutra_; }

 signals:
  void finished();

 private:
  struct Character {
    std::string text;
    CharacterStrokes strokes;
    grading::ModelCharacter model;
  };
  // The character at `index`, or the next one after it that has strokes.
  bool load(std::size_t index);
  void begin();
  void judge(const std::vector<PointF>& points);
  void characterDone();
  void showHeading();
  void log(const QString& line);
  void logModel();

  const CharacterLookup& lookup_;
  PracticeView* view_ = nullptr;
  QLabel* heading_ = nullptr;
  QLabel* judgement_ = nullptr;
  QLabel* result_ = nullptr;
  QCheckBox* hide_ = nullptr;
  QPushButton* again_ = nullptr;
  QPushButton* next_ = nullptr;
  PracticeLook look_;
  std::vector<std::string> characters_;
  std::size_t index_ = 0;
  bool sutra_ = false;
  std::optional<Character> current_;
  std::unique_ptr<grading::CharacterPractice> practice_;
  int strokesWritten_ = 0;
  std::unique_ptr<QFile> log_;  // the judgements, for the tests that drive the window
};

}  // namespace sumimai

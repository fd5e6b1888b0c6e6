#include "practice_panel.h"

#include <QHBoxLayout>
#include <QSettings>
#include <QTimer>
#include <QVBoxLayout>

#include "grading/path_geometry.h"
#include "writing/text_characters.h"

namespace sumimai {
namespace {

// Points per stroke in the log of the model's strokes on screen.
constexpr int kLoggedPoints = 14;
const char kSutraPlace[] = "practice/sutraPlace";

QString fromUtf8(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

PracticePanel::PracticePanel(const CharacterLookup& lookup, QWidget* parent) : QWidget(parent), lookup_(lookup) {
  auto* column = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  heading_ = new QLabel(this);
  top->addWidget(heading_, 1);
  hide_ = new QCheckBox(tr("手本を隠す（腕試し）(&T)"), this);
  hide_->setToolTip(tr("薄い手本を見せずに書く"));
  connect(hide_, &QCheckBox::toggled, this, [this] { setLook(look_); });
  top->addWidget(hide_);
  again_ = new QPushButton(tr("もう一度(&A)"), this);
  again_->setToolTip(tr("この字を初めから書き直す"));
  connect(again_, &QPushButton::clicked, this, [this] { begin(); });
  top->addWidget(again_);
  next_ = new QPushButton(tr("次の字(&N)"), this);
  next_->setToolTip(tr("次の字へ進む"));
  connect(next_, &QPushButton::clicked, this, [this] {
    if (!load(index_ + 1) && !(sutra_ && load(0))) {
      emit finished();
      return;
    }
    begin();
  });
  top->addWidget(next_);
  column->addLayout(top);
  view_ = new PracticeView(this);
  connect(view_, &PracticeView::strokeWritten, this, [this](std::vector<PointF> p) { judge(p); });
  column->addWidget(view_, 1);
  judgement_ = new QLabel(this);
  QFont big = judgement_->font();
  big.setPointSizeF(big.pointSizeF() * 1.6);
  judgement_->setFont(big);
  judgement_->setAlignment(Qt::AlignCenter);
  judgement_->setAccessibleName(tr("判定"));
  column->addWidget(judgement_);
  result_ = new QLabel(this);
  result_->setAlignment(Qt::AlignCenter);
  column->addWidget(result_);
  if (const QString file = qEnvironmentVariable("SUMIMAI_STUDIO_PRACTICE_LOG"); !file.isEmpty()) {
    log_ = std::make_unique<QFile>(file);
    if (!log_->open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) log_.reset();
  }
}

PracticePanel::~PracticePanel() = default;

void PracticePanel::practise(const std::vector<std::string>& characters, std::size_t from) {
  sutra_ = false;
  characters_ = characters;
  if (!load(from) && !load(0)) {
    current_.reset();
    heading_->setText(tr("練習できる字がありません（データのある字を入力してください）"));
    judgement_->clear();
    result_->clear();
    return;
  }
  begin();
}

void PracticePanel::practiseSutra(const std::vector<std::string>& characters) {
  const std::size_t place = QSettings().value(kSutraPlace, 0).toULongLong();
  practise(characters, place < characters.size() ? place : 0);
  sutra_ = true;
  showHeading();
}

bool PracticePanel::load(std::size_t index) {
  for (; index < characters_.size(); ++index) {
    const std::string& text = characters_[index];
    if (isBlank(text)) continue;
    const std::optional<StrokeSource> source = lookup_.find(text, WritingDirection::Columns);
    if (!source) continue;
    StrokesLoaded loaded = loadStrokes(*source);
    if (!loaded.strokes) continue;
    grading::ModelCharacter model = grading::modelOf(*loaded.strokes);
    if (model.strokes.empty()) continue;
    current_ = Character{text, std::move(*loaded.strokes), std::move(model)};
    index_ = index;
    return true;
  }
  return false;
}

void PracticePanel::lookupChanged() {
  if (current_ && load(index_)) begin();
}

void PracticePanel::setLook(PracticeLook look) {
  look_ = look;
  look.ghost = !hide_->isChecked();
  view_->setLook(look);
}

void PracticePanel::begin() {
  if (!current_) return;
  practice_ = std::make_unique<grading::CharacterPractice>(current_->model);
  strokesWritten_ = 0;
  PracticeLook look = look_;
  look.ghost = !hide_->isChecked();
  view_->start(current_->strokes, look);
  view_->setFocus(Qt::OtherFocusReason);
  judgement_->setText(tr("1 画目から書いてください"));
  result_->clear();
  if (sutra_) QSettings().setValue(kSutraPlace, qulonglong(index_));
  showHeading();
  log(QString("character %1 %2").arg(fromUtf8(current_->text)).arg(current_->model.strokes.size()));
  // Where the strokes lie once the window has taken its size.
  QTimer::singleShot(400, this, [this] { logModel(); });
}

void PracticePanel::showHeading() {
  if (!current_) return;
  const QString where = tr("%1 字目（全 %2 字）").arg(index_ + 1).arg(characters_.size());
  const QString character = fromUtf8(current_->text);
  heading_->setText((sutra_ ? tr("写経「%1」 %2") : tr("練習「%1」 %2")).arg(character, where));
}

void PracticePanel::judge(const std::vector<PointF>& points) {
  if (!practice_ || practice_->finished()) {
    view_->refuseStroke(-1);
    return;
  }
  grading::Path path;
  for (PointF p : points) path.push_back({p.x, p.y});
  const int expected = practice_->next().value_or(-1);
  const grading::CharacterPractice::Outcome outcome = practice_->write(path);
  ++strokesWritten_;
  const QString problem = QString::fromUtf8(grading::problemName(outcome.judgement.problem).data());
  log(QString("stroke %1 %2").arg(strokesWritten_).arg(outcome.kept ? "ok" : problem));
  if (outcome.kept) {
    view_->keepStroke();
    judgement_->setText(tr("○ %1 画目").arg(expected + 1));
  } else {
    view_->refuseStroke(expected);
    judgement_->setText(tr("× %1").arg(QString::fromStdString(outcome.reason)));
  }
  if (outcome.shownForLearner) {
    view_->writeModelStroke(*outcome.shownForLearner);
    judgement_->setText(judgement_->text() + tr("　— %1 画目はこう書きます").arg(*outcome.shownForLearner + 1));
    log(QString("shown %1").arg(*outcome.shownForLearner + 1));
  }
  if (practice_->finished()) characterDone();
}

void PracticePanel::characterDone() {
  QStringList right;
  for (int s : practice_->rightFirstTime()) right << QString::number(s + 1);
  const int strokes = static_cast<int>(current_->model.strokes.size());
  result_->setText(tr("一度で書けた画: %1（全 %2 画）　点数 %3 / 100　— 「次の字」か「もう一度」")
                       .arg(right.isEmpty() ? tr("なし") : right.join(tr("・")))
                       .arg(strokes)
                       .arg(practice_->score()));
  next_->setFocus(Qt::OtherFocusReason);
  log(QString("done %1 score %2").arg(fromUtf8(current_->text)).arg(practice_->score()));
}

void PracticePanel::log(const QString& line) {
  if (!log_) return;
  log_->write((line + "\n").toUtf8());
  log_->flush();
}

void PracticePanel::logModel() {
  if (!log_ || !current_) return;
  std::vector<std::vector<PointF>> source;
  for (const grading::Path& stroke : current_->model.strokes) {
    std::vector<PointF>& points = source.emplace_back();
    for (const grading::Point& p : grading::resampled(stroke, kLoggedPoints))
      points.push_back({static_cast<float>(p.x), static_cast<float>(p.y)});
  }
  const std::vector<std::vector<QPoint>> screen = view_->modelOnScreen(source);
  for (std::size_t i = 0; i < screen.size(); ++i) {
    QStringList points;
    for (QPoint p : screen[i]) points << QString("%1,%2").arg(p.x()).arg(p.y());
    log(QString("model %1 %2").arg(i + 1).arg(points.join(' ')));
  }
}

}  // namespace sumimai

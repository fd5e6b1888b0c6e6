#include "studio_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWindow>

#include "data_files/file_paths.h"
#include "playback/text_file.h"
#include "playback/view_layout.h"
#include "working_folder/data_places.h"
#include "writing/text_characters.h"

namespace sumimai {
namespace {

using namespace std::chrono_literals;

// The least cell that stays legible, in logical pixels.
constexpr int kLegibleCell = 64;

DrawSettings readDrawSettings() {
  DrawSettings s;
  if (!fileExists(kSettingsFileName)) return s;
  const SettingsRead read = readSettingsFile(findFile(kSettingsFileName));
  if (read.ok) s = {read.values[0], read.values[1], read.values[2], read.values[3]};
  return s;
}

qint64 milliseconds(DrawingClock::Duration d) { return std::chrono::duration_cast<std::chrono::milliseconds>(d).count(); }

}  // namespace

StudioWindow::StudioWindow() : lookup_(standardLookup(programDataPlaces())), drawSettings_(readDrawSettings()) {
  setWindowTitle(tr("墨舞スタジオ"));
  setAcceptDrops(true);
  buildControls();
  buildActions();
  relayout_.setSingleShot(true);
  relayout_.setInterval(150);
  connect(&relayout_, &QTimer::timeout, this, [this] { compose(true); });
  resize(1100, 760);
  text_->setFocus();
}

StudioWindow::~StudioWindow() = default;

void StudioWindow::buildControls() {
  auto* centre = new QWidget(this);
  auto* column = new QVBoxLayout(centre);
  text_ = new QLineEdit(centre);
  text_->setPlaceholderText(tr("書く文字を入力して Enter"));
  text_->setToolTip(tr("Enter でこの文字を書きます"));
  text_->setAccessibleName(tr("書く文字"));
  connect(text_, &QLineEdit::returnPressed, this, [this] { writeText(text_->text()); });
  column->addWidget(text_);

  scroll_ = new QScrollArea(centre);
  scroll_->setAlignment(Qt::AlignCenter);
  scroll_->setFocusPolicy(Qt::NoFocus);
  view_ = new WritingView(scroll_);
  view_->setToolTip(tr("Space で一時停止・再開、← → で一画ずつ"));
  scroll_->setWidget(view_);
  scroll_->setWidgetResizable(false);
  column->addWidget(scroll_, 1);
  connect(view_, &WritingView::positionChanged, this, [this](QRect r) { showPosition(r); });
  for (QScrollBar* bar : {scroll_->horizontalScrollBar(), scroll_->verticalScrollBar()}) {
    connect(bar, &QScrollBar::valueChanged, view_, [this] { view_->composeVisibleCells(); });
  }

  auto* row = new QHBoxLayout;
  timeline_ = new QSlider(Qt::Horizontal, centre);
  timeline_->setToolTip(tr("書いている位置（ドラッグで移動）"));
  timeline_->setAccessibleName(tr("タイムライン"));
  timeline_->setFocusPolicy(Qt::TabFocus);
  connect(timeline_, &QSlider::valueChanged, this, [this](int ms) {
    if (movingTimeline_ || !view_->session()) return;
    view_->session()->timeAll();
    view_->session()->playback().scrub(std::chrono::milliseconds(ms));
    view_->refresh();
  });
  row->addWidget(timeline_, 1);
  row->addWidget(new QLabel(tr("速さ"), centre));
  speed_ = new QSpinBox(centre);
  speed_->setRange(0, 10);
  speed_->setValue(static_cast<int>(std::clamp(drawSettings_.Speed, 0.0, 10.0)));
  speed_->setToolTip(tr("筆の速さ（0 がいちばん速く、10 がいちばん遅い）"));
  connect(speed_, &QSpinBox::valueChanged, this, [this](int s) { changeSpeed(s); });
  row->addWidget(speed_);
  direction_ = new QComboBox(centre);
  direction_->addItem(tr("縦書き"));
  direction_->addItem(tr("横書き"));
  direction_->setToolTip(tr("縦書き（右から左への列）か横書き（上から下への行）"));
  connect(direction_, &QComboBox::currentIndexChanged, this, [this] { compose(true); });
  row->addWidget(direction_);
  row->addWidget(new QLabel(tr("一行の字数"), centre));
  perLine_ = new QSpinBox(centre);
  perLine_->setRange(0, 100);
  perLine_->setSpecialValueText(tr("自動"));
  perLine_->setToolTip(tr("一列（一行）の字数。自動は窓にいちばん大きく入る字数"));
  connect(perLine_, &QSpinBox::valueChanged, this, [this] { compose(true); });
  row->addWidget(perLine_);
  column->addLayout(row);
  setCentralWidget(centre);

  notice_ = new QLabel(this);
  statusBar()->addWidget(notice_, 1);
}

void StudioWindow::buildActions() {
  QMenu* file = menuBar()->addMenu(tr("ファイル(&F)"));
  QMenu* play = menuBar()->addMenu(tr("再生(&P)"));
  QMenu* look = menuBar()->addMenu(tr("表示(&V)"));
  QToolBar* bar = addToolBar(tr("ツールバー"));
  bar->setObjectName("toolbar");
  auto add = [this](QMenu* menu, const QString& text, const QKeySequence& key, const QString& tip, auto&& run) {
    auto* action = new QAction(text, this);
    action->setShortcut(key);
    action->setToolTip(tip + " (" + key.toString(QKeySequence::NativeText) + ")");
    action->setStatusTip(tip);
    connect(action, &QAction::triggered, this, run);
    menu->addAction(action);
    addAction(action);
    return action;
  };
  bar->addAction(add(file, tr("開く(&O)…"), QKeySequence::Open, tr("テキストファイルを開いて書く"), [this] { openDialog(); }));
  file->addSeparator();
  add(file, tr("終了(&Q)"), QKeySequence(Qt::CTRL | Qt::Key_Q), tr("墨舞スタジオを終える"), [this] { close(); });

  auto session = [this] { return view_->session(); };
  auto moved = [this] { view_->refresh(); };
  play_ = add(play, tr("一時停止・再開"), QKeySequence(Qt::Key_Space), tr("書くのを止める・続ける"), [=] {
    if (!session()) return;
    session()->playback().togglePlaying();
    moved();
  });
  bar->addAction(add(play, tr("最初から"), QKeySequence(Qt::Key_Home), tr("最初から書き直す"), [=] {
    if (!session()) return;
    session()->playback().home();
    moved();
  }));
  bar->addAction(add(play, tr("一画戻る"), QKeySequence(Qt::Key_Left), tr("一画戻る（一時停止）"), [=] {
    if (!session()) return;
    session()->timeAll();
    session()->playback().stepBack();
    moved();
  }));
  bar->addAction(play_);
  bar->addAction(add(play, tr("一画進む"), QKeySequence(Qt::Key_Right), tr("一画進む（一時停止）"), [=] {
    if (!session()) return;
    session()->timeAll();
    session()->playback().stepForward();
    moved();
  }));
  bar->addAction(add(play, tr("最後まで"), QKeySequence(Qt::Key_End), tr("すぐに書き終える"), [=] {
    if (!session()) return;
    session()->timeAll();
    session()->playback().end();
    moved();
  }));
  loop_ = add(play, tr("繰り返す"), QKeySequence(Qt::CTRL | Qt::Key_R), tr("書き終えたら最初から繰り返す"), [=](bool on) {
    if (session()) session()->playback().setLooping(on);
  });
  loop_->setCheckable(true);
  bar->addAction(loop_);
  add(look, tr("文字の欄へ"), QKeySequence(Qt::CTRL | Qt::Key_L), tr("文字を入力する欄へ移る"), [this] {
    text_->setFocus(Qt::ShortcutFocusReason);
    text_->selectAll();
  });
  add(look, tr("全画面"), QKeySequence(Qt::Key_F11), tr("全画面表示の切り替え"), [this] {
    setWindowState(windowState() ^ Qt::WindowFullScreen);
  });
}

DrawingStyle StudioWindow::style() const {
  DrawingStyle s;
  s.speed = speed_->value();
  s.ink = {drawSettings_.Red, drawSettings_.Green, drawSettings_.Blue};
  return s;
}

void StudioWindow::writeText(const QString& text) {
  written_ = text;
  if (text_->text() != text) text_->setText(text);
  compose(false);
  if (view_->session()) view_->setFocus(Qt::OtherFocusReason);
}

void StudioWindow::compose(bool keepPosition) {
  std::optional<Playback> was;
  if (view_->session() && keepPosition) was = view_->session()->playback();
  if (written_.isEmpty()) {
    view_->show(nullptr, devicePixelRatioF());
    notice_->clear();
    return;
  }
  const std::string utf8 = written_.toStdString();
  const TextCharacters split = charactersOf(utf8);
  const qreal ratio = devicePixelRatioF();
  ViewRequest request;
  request.count = static_cast<int>(split.characters.size());
  request.direction = direction_->currentIndex() == 1 ? WritingDirection::Rows : WritingDirection::Columns;
  if (perLine_->value() > 0) request.perLine = perLine_->value();
  const QSize room = scroll_->maximumViewportSize() - QSize(4, 4);
  request.view = {static_cast<int>(room.width() * ratio), static_cast<int>(room.height() * ratio)};
  request.smallestCell = static_cast<int>(kLegibleCell * ratio);
  const ViewLayout laid = viewLayout(request);
  Composed composed = composeCharacters(split.characters, lookup_, laid.request);
  if (!composed.ok()) {
    notice_->setText(QString::fromStdString(composed.problem));
    return;
  }
  auto session = std::make_unique<WritingSession>(std::move(composed.composition), style());
  session->playback().setLooping(loop_->isChecked());
  if (was) {
    session->timeAll();
    const CompositionTiming timing = session->playback().timing();
    session->playback() = *was;
    session->playback().retime(timing);
  }
  view_->show(std::move(session), ratio);
  showNotice();
}

void StudioWindow::showNotice() {
  const std::vector<std::string> missing = view_->session()->unwritten();
  if (missing.empty()) {
    notice_->clear();
    return;
  }
  QString names;
  for (const std::string& m : missing) names += QString::fromStdString(m) + " ";
  notice_->setText(tr("データのない文字（空の枠で示します）: %1").arg(names.trimmed()));
}

void StudioWindow::showPosition(QRect writing) {
  WritingSession* session = view_->session();
  if (!session) return;
  const Playback& p = session->playback();
  movingTimeline_ = true;
  timeline_->setRange(0, static_cast<int>(milliseconds(p.total())));
  timeline_->setValue(static_cast<int>(milliseconds(p.position())));
  movingTimeline_ = false;
  play_->setText(p.playing() ? tr("一時停止") : tr("再開"));
  // The view follows the brush while it writes, and a step or a jump.
  if (!writing.isNull()) scroll_->ensureVisible(writing.center().x(), writing.center().y(), writing.width(), writing.height());
}

void StudioWindow::changeSpeed(int) {
  if (view_->session()) compose(true);
}

void StudioWindow::openTextFile(const QString& file) {
  const TextFileRead read = readTextFile(file.toStdString());
  if (!read.ok()) {
    QMessageBox::warning(this, tr("墨舞スタジオ"), QString::fromStdString(read.problem));
    return;
  }
  writeText(QString::fromStdString(read.text));
}

void StudioWindow::openDialog() {
  const QString file = QFileDialog::getOpenFileName(this, tr("テキストファイルを開く"), {},
                                                    tr("テキストファイル (*.txt);;すべてのファイル (*)"));
  if (!file.isEmpty()) openTextFile(file);
}

void StudioWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls() && event->source() == nullptr) event->acceptProposedAction();
}

void StudioWindow::dropEvent(QDropEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (urls.isEmpty() || !urls.front().isLocalFile()) return;
  event->acceptProposedAction();
  openTextFile(urls.front().toLocalFile());
}

void StudioWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (!written_.isEmpty()) relayout_.start();
}

void StudioWindow::closeEvent(QCloseEvent* event) { QMainWindow::closeEvent(event); }

}  // namespace sumimai

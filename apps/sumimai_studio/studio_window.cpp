#include "studio_window.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QCloseEvent>
#include <QColorDialog>
#include <QDir>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

#include "animation_saving.h"
#include "practice_panel.h"
#include "data_files/file_paths.h"
#include "export/writers.h"
#include "playback/text_file.h"
#include "playback/view_layout.h"
#include "sheet_printing.h"
#include "working_folder/data_places.h"
#include "core/page_grid.h"
#include "writing/sutra_text.h"
#include "writing/text_characters.h"

namespace sumimai {
namespace {

// The least cell that stays legible, in logical pixels.
constexpr int kLegibleCell = 64;

DrawSettings readDrawSettings() {
  DrawSettings s;
  if (!fileExists(kSettingsFileName)) return s;
  const SettingsRead read = readSettingsFile(findFile(kSettingsFileName));
  if (read.ok()) s = {read.values[0], read.values[1], read.values[2], read.values[3]};
  return s;
}

qint64 milliseconds(DrawingClock::Duration d) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(d).count();
}

QImage paperPicture() {
  if (!fileExists(kBackgroundPicture)) return {};
  return QImage(QString::fromStdString(findFile(kBackgroundPicture).string()));
}

// The ground of an export: the view's, made even in both directions for a
// video (a row or a column of the ground's colour more).
RgbImage groundForFile(RgbImage ground, FileKind kind, QColor colour) {
  if (!needsEvenSize(kind) || (ground.width % 2 == 0 && ground.height % 2 == 0)) return ground;
  RgbImage even(ground.width + ground.width % 2, ground.height + ground.height % 2,
                0xFF000000u | static_cast<std::uint32_t>(colour.rgb() & 0xFFFFFF));
  for (int y = 0; y < ground.height; ++y) std::copy(ground.row(y), ground.row(y) + ground.width, even.row(y));
  return even;
}

enum GroundKind { kPaper, kPlain, kTransparent };

}  // namespace

StudioWindow::StudioWindow() : drawSettings_(readDrawSettings()) {
  setWindowTitle(tr("墨舞スタジオ"));
  setAcceptDrops(true);
  buildControls();
  buildFileMenu();
  buildPlaybackMenu();
  buildAidsMenu();
  buildGroundMenu();
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
  text_->setToolTip(tr("Enter でこの文字を書きます（Ctrl+L でここへ戻ります）"));
  text_->setAccessibleName(tr("書く文字"));
  connect(text_, &QLineEdit::returnPressed, this, [this] { writeText(text_->text()); });
  column->addWidget(text_);

  scroll_ = new QScrollArea(centre);
  scroll_->setAlignment(Qt::AlignCenter);
  scroll_->setFocusPolicy(Qt::NoFocus);
  view_ = new WritingView(scroll_);
  view_->setToolTip(tr("Space で一時停止・再開、← → で一画ずつ、ドラッグでアニメーションを渡す"));
  scroll_->setWidget(view_);
  column->addWidget(scroll_, 1);
  connect(view_, &WritingView::positionChanged, this, [this](QRect r) { showPosition(r); });
  connect(view_, &WritingView::dragStarted, this, [this] { dragAnimation(); });
  for (QScrollBar* bar : {scroll_->horizontalScrollBar(), scroll_->verticalScrollBar()}) {
    connect(bar, &QScrollBar::valueChanged, view_, [this] { view_->composeVisibleCells(); });
  }

  auto* row = new QHBoxLayout;
  timeline_ = new QSlider(Qt::Horizontal, centre);
  timeline_->setToolTip(tr("書いている位置（ドラッグで移動）"));
  timeline_->setAccessibleName(tr("タイムライン"));
  connect(timeline_, &QSlider::valueChanged, this, [this](int ms) {
    if (movingTimeline_ || !view_->session()) return;
    view_->session()->timeAll();
    view_->session()->playback().scrub(std::chrono::milliseconds(ms));
    view_->refresh();
  });
  row->addWidget(timeline_, 1);
  auto* speedLabel = new QLabel(tr("速さ(&S)"), centre);
  row->addWidget(speedLabel);
  speed_ = new QSpinBox(centre);
  speed_->setRange(0, 10);
  speed_->setValue(static_cast<int>(std::clamp(drawSettings_.Speed, 0.0, 10.0)));
  speed_->setToolTip(tr("筆の速さ（墨舞と同じ 0〜10。0 がいちばん速い）"));
  speedLabel->setBuddy(speed_);
  connect(speed_, &QSpinBox::valueChanged, this, [this] { compose(true); });
  row->addWidget(speed_);
  direction_ = new QComboBox(centre);
  direction_->addItem(tr("縦書き"));
  direction_->addItem(tr("横書き"));
  direction_->setToolTip(tr("縦書き（右から左への列）か横書き（上から下への行）"));
  connect(direction_, &QComboBox::currentIndexChanged, this, [this] { compose(true); });
  row->addWidget(direction_);
  auto* perLineLabel = new QLabel(tr("一行の字数(&N)"), centre);
  row->addWidget(perLineLabel);
  perLine_ = new QSpinBox(centre);
  perLine_->setRange(0, 100);
  perLine_->setSpecialValueText(tr("自動"));
  perLine_->setToolTip(tr("一列（一行）の字数。自動は窓にいちばん大きく入る字数"));
  perLineLabel->setBuddy(perLine_);
  connect(perLine_, &QSpinBox::valueChanged, this, [this] { compose(true); });
  row->addWidget(perLine_);
  column->addLayout(row);
  pages_ = new QStackedWidget(this);
  pages_->addWidget(centre);
  practice_ = new PracticePanel(lookup_, pages_);
  connect(practice_, &PracticePanel::finished, this, [this] { leavePractice(); });
  pages_->addWidget(practice_);
  setCentralWidget(pages_);

  notice_ = new QLabel(this);
  statusBar()->addWidget(notice_, 1);
}

QAction* StudioWindow::addCommand(QMenu* menu, const QString& text, const QKeySequence& key, const QString& tip) {
  auto* action = new QAction(text, this);
  if (!key.isEmpty()) {
    action->setShortcut(key);
    action->setToolTip(tip + " (" + key.toString(QKeySequence::NativeText) + ")");
  } else {
    action->setToolTip(tip);
  }
  action->setStatusTip(tip);
  menu->addAction(action);
  addAction(action);
  return action;
}

void StudioWindow::buildFileMenu() {
  QMenu* file = menuBar()->addMenu(tr("ファイル(&F)"));
  QToolBar* bar = addToolBar(tr("ファイル"));
  bar->setObjectName("file");
  QAction* open = addCommand(file, tr("開く(&O)…"), QKeySequence::Open, tr("テキストファイルを開いて書く"));
  connect(open, &QAction::triggered, this, [this] { openDialog(); });
  QAction* save = addCommand(file, tr("アニメーションを保存(&S)…"), QKeySequence::Save,
                             tr("書く様子を WebP・GIF・MP4・WebM・PNG で保存"));
  connect(save, &QAction::triggered, this, [this] { saveDialog(); });
  file->addSeparator();
  QAction* copy = addCommand(file, tr("書き上がりをコピー(&C)"), QKeySequence::Copy, tr("書き上がった字を画像としてコピー"));
  connect(copy, &QAction::triggered, this, [this] { copyPicture(); });
  QAction* copyMoving = addCommand(file, tr("アニメーションをコピー(&A)"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
                                   tr("書く様子を WebP ファイルとしてコピー"));
  connect(copyMoving, &QAction::triggered, this, [this] { copyAnimation(); });
  file->addSeparator();
  QAction* print = addCommand(file, tr("練習帳を印刷(&P)…"), QKeySequence::Print, tr("一画ずつの練習帳をプレビューして印刷"));
  connect(print, &QAction::triggered, this, [this] {
    const InkColour ink = style().ink;
    sheetOptions_.ink = {static_cast<int>(ink.red), static_cast<int>(ink.green), static_cast<int>(ink.blue)};
    sheetOptions_.brush = brush();
    previewSheet(this, written_.isEmpty() ? text_->text() : written_, lookup_, sheetOptions_);
  });
  file->addSeparator();
  QAction* quit = addCommand(file, tr("終了(&Q)"), QKeySequence(Qt::CTRL | Qt::Key_Q), tr("墨舞スタジオを終える"));
  connect(quit, &QAction::triggered, this, [this] { close(); });
  bar->addActions({open, save, copy});
}

void StudioWindow::buildPlaybackMenu() {
  QMenu* play = menuBar()->addMenu(tr("再生(&P)"));
  QToolBar* bar = addToolBar(tr("再生"));
  bar->setObjectName("playback");
  // A command on the playback, then the canvas shows where it stands.
  auto command = [this, play](const QString& text, QKeySequence key, const QString& tip, auto&& move) {
    QAction* action = addCommand(play, text, key, tip);
    connect(action, &QAction::triggered, this, [this, move] {
      WritingSession* session = view_->session();
      if (!session) return;
      move(*session);
      view_->refresh();
    });
    return action;
  };
  QAction* home = command(tr("最初から"), Qt::Key_Home, tr("最初から書き直す"), [](WritingSession& s) { s.playback().home(); });
  QAction* back = command(tr("一画戻る"), Qt::Key_Left, tr("一画戻る（一時停止）"), [](WritingSession& s) {
    s.timeAll();
    s.playback().stepBack();
  });
  play_ = command(tr("一時停止"), Qt::Key_Space, tr("書くのを止める・続ける"),
                  [](WritingSession& s) { s.playback().togglePlaying(); });
  QAction* forward = command(tr("一画進む"), Qt::Key_Right, tr("一画進む（一時停止）"), [](WritingSession& s) {
    s.timeAll();
    s.playback().stepForward();
  });
  QAction* end = command(tr("最後まで"), Qt::Key_End, tr("すぐに書き終える"), [](WritingSession& s) {
    s.timeAll();
    s.playback().end();
  });
  play->addSeparator();
  loop_ = addCommand(play, tr("繰り返す(&R)"), QKeySequence(Qt::CTRL | Qt::Key_R), tr("書き終えたら最初から繰り返す"));
  loop_->setCheckable(true);
  connect(loop_, &QAction::toggled, this, [this](bool on) {
    if (view_->session()) view_->session()->playback().setLooping(on);
  });
  bar->addActions({home, back, play_, forward, end, loop_});
}

void StudioWindow::buildAidsMenu() {
  QMenu* aids = menuBar()->addMenu(tr("学習(&L)"));
  auto toggle = [this, aids](const QString& text, const QString& tip) {
    QAction* action = addCommand(aids, text, {}, tip);
    action->setCheckable(true);
    connect(action, &QAction::toggled, this, [this] { compose(true); });
    return action;
  };
  ghost_ = toggle(tr("手本を薄く(&G)"), tr("書き上がりの字を薄く下に見せる"));
  numbers_ = toggle(tr("画数の番号(&N)"), tr("各画の書き始めに番号を付ける"));
  arrow_ = toggle(tr("書き始めと向き(&A)"), tr("今の画の書き始めに点と向きの矢印"));
  colours_ = toggle(tr("画ごとの色(&C)"), tr("画ごとに色を変える（色覚の違いがあっても見分けやすい色）"));
  QMenu* grid = aids->addMenu(tr("練習の罫線(&R)"));
  grids_ = new QActionGroup(this);
  const QString names[] = {tr("なし"), tr("田字格"), tr("米字格"), tr("九宮格")};
  for (int i = 0; i < 4; ++i) {
    QAction* action = grid->addAction(names[i]);
    action->setCheckable(true);
    action->setData(i);
    action->setChecked(i == 0);
    grids_->addAction(action);
  }
  connect(grids_, &QActionGroup::triggered, this, [this] { compose(true); });
  addToolBarBreak();
  QToolBar* bar = addToolBar(tr("学習"));
  bar->setObjectName("aids");
  bar->addActions({ghost_, numbers_, arrow_, colours_});
  buildPracticeMenu(aids, bar);
}

void StudioWindow::buildPracticeMenu(QMenu* menu, QToolBar* bar) {
  menu->addSeparator();
  practising_ = addCommand(menu, tr("筆で練習(&W)"), QKeySequence(Qt::Key_F2), tr("入力した字を一字ずつ自分で書いて判定を受ける"));
  practising_->setCheckable(true);
  connect(practising_, &QAction::triggered, this, [this](bool on) {
    if (on) showPractice(false);
    else leavePractice();
  });
  QAction* sutra = addCommand(menu, tr("写経(&K)"), {}, tr("般若心経の 276 字を順に書く（前回の続きから）"));
  connect(sutra, &QAction::triggered, this, [this] { showPractice(true); });
  bar->addActions({practising_, sutra});
}

PracticeLook StudioWindow::practiceLook() const {
  PracticeLook look;
  const InkColour ink = style().ink;
  look.ink = {static_cast<int>(ink.red), static_cast<int>(ink.green), static_cast<int>(ink.blue)};
  const QColor g = ground().colour.alpha() == 0 ? QColor(Qt::white) : ground().colour;
  look.ground = {g.red(), g.green(), g.blue()};
  look.grid = aids().grid;
  look.brush = brush();
  return look;
}

BrushChoice StudioWindow::brush() const {
  BrushChoice choice;
  if (brushes_->checkedAction() && brushes_->checkedAction()->data().toInt() == int(BrushKind::Ink)) {
    choice.kind = BrushKind::Ink;
  }
  return choice;
}

CellInkOptions StudioWindow::inkOptions() const {
  CellInkOptions options;
  if (colours_->isChecked()) options.strokeColours = strokePalette();
  options.brush = brush();
  return options;
}

void StudioWindow::showPractice(bool sutra) {
  practising_->setChecked(true);
  practice_->setLook(practiceLook());
  if (sutra) {
    const SutraCharacters body = sutraCharacters(programDataPlaces(), {1, kSutraCharacters});
    if (!body.problem.empty()) {
      tell(QString::fromStdString(body.problem));
      leavePractice();
      return;
    }
    std::vector<std::string> characters;
    for (const TextCharacter& c : body.characters) characters.push_back(c.text);
    practice_->practiseSutra(characters);
  } else {
    std::vector<std::string> characters;
    for (const TextCharacter& c : charactersOf(text_->text().toStdString()).characters) characters.push_back(c.text);
    practice_->practise(characters, 0);
  }
  if (view_->session() && view_->session()->playback().playing()) view_->session()->playback().togglePlaying();
  pages_->setCurrentWidget(practice_);
}

void StudioWindow::leavePractice() {
  practising_->setChecked(false);
  pages_->setCurrentIndex(0);
  view_->setFocus(Qt::OtherFocusReason);
}

void StudioWindow::buildGroundMenu() {
  QMenu* look = menuBar()->addMenu(tr("表示(&V)"));
  QAction* ink = addCommand(look, tr("墨の色(&I)…"), {}, tr("墨の色を選ぶ（はじめは 設定.dat の色）"));
  connect(ink, &QAction::triggered, this, [this] {
    const QColor chosen = QColorDialog::getColor(ink_.value_or(QColor::fromRgbF(style().ink.red / 255, style().ink.green / 255,
                                                                                style().ink.blue / 255)),
                                                 this, tr("墨の色"));
    if (!chosen.isValid()) return;
    ink_ = chosen;
    compose(true);
  });
  QMenu* brushes = look->addMenu(tr("筆(&U)"));
  brushes_ = new QActionGroup(this);
  const QString brushNames[] = {tr("丸筆（一様な墨）"), tr("墨（かすれ・にじみ）")};
  for (BrushKind kind : {BrushKind::Round, BrushKind::Ink}) {
    QAction* action = brushes->addAction(brushNames[int(kind)]);
    action->setCheckable(true);
    action->setData(int(kind));
    action->setChecked(kind == BrushKind::Round);
    brushes_->addAction(action);
  }
  brushes->setToolTipsVisible(true);
  connect(brushes_, &QActionGroup::triggered, this, [this] {
    compose(true);
    practice_->setLook(practiceLook());
  });
  traditions_ = new TraditionMenu(look);
  lookup_ = standardLookup(programDataPlaces(), {traditions_->chosen(), false});
  connect(traditions_, &TraditionMenu::changed, this, &StudioWindow::useTradition);
  QMenu* grounds = look->addMenu(tr("地(&B)"));
  grounds_ = new QActionGroup(this);
  const QString names[] = {tr("紙の絵"), tr("無地の色…"), tr("透明")};
  for (int i = 0; i < 3; ++i) {
    QAction* action = grounds->addAction(names[i]);
    action->setCheckable(true);
    action->setData(i);
    action->setChecked(i == kPlain);
    grounds_->addAction(action);
  }
  connect(grounds_, &QActionGroup::triggered, this, [this](QAction* chosen) {
    if (chosen->data().toInt() == kPlain && !restoring_) {
      const QColor colour = QColorDialog::getColor(groundColour_, this, tr("地の色"));
      if (colour.isValid()) groundColour_ = colour;
    }
    compose(true);
  });
  look->addSeparator();
  QAction* field = addCommand(look, tr("文字の欄へ"), QKeySequence(Qt::CTRL | Qt::Key_L), tr("文字を入力する欄へ移る"));
  connect(field, &QAction::triggered, this, [this] {
    text_->setFocus(Qt::ShortcutFocusReason);
    text_->selectAll();
  });
  QAction* full = addCommand(look, tr("全画面(&F)"), QKeySequence(Qt::Key_F11), tr("全画面表示の切り替え"));
  connect(full, &QAction::triggered, this, [this] { setWindowState(windowState() ^ Qt::WindowFullScreen); });
}

DrawingStyle StudioWindow::style() const {
  DrawingStyle s;
  s.speed = speed_->value();
  // Each character takes as long as Sumimai takes on a full-HD screen, at
  // whatever size its cell is.
  s.tempoScreen = kTempoScreen;
  s.ink = ink_ ? InkColour{double(ink_->red()), double(ink_->green()), double(ink_->blue())}
               : InkColour{drawSettings_.Red, drawSettings_.Green, drawSettings_.Blue};
  return s;
}

LearningAids StudioWindow::aids() const {
  LearningAids a;
  a.ghost = ghost_->isChecked();
  a.strokeNumbers = numbers_->isChecked();
  a.startArrow = arrow_->isChecked();
  a.strokeColours = colours_->isChecked();
  a.grid = static_cast<PracticeGrid>(grids_->checkedAction() ? grids_->checkedAction()->data().toInt() : 0);
  return a;
}

ViewGround StudioWindow::ground() const {
  const int kind = grounds_->checkedAction() ? grounds_->checkedAction()->data().toInt() : kPlain;
  if (kind == kTransparent) return {QColor(255, 255, 255, 0), {}};
  if (kind == kPaper) {
    QImage paper = paperPicture();
    if (!paper.isNull()) return {QColor(243, 233, 210), paper};
  }
  return {groundColour_, {}};
}

void StudioWindow::writeText(const QString& text) {
  written_ = text;
  if (text_->text() != text) text_->setText(text);
  compose(false);
  if (view_->session()) view_->setFocus(Qt::OtherFocusReason);
}

void StudioWindow::compose(bool keepPosition) {
  if (restoring_) return;
  std::optional<Playback> was;
  if (view_->session() && keepPosition) was = view_->session()->playback();
  if (written_.isEmpty()) {
    view_->show(nullptr, devicePixelRatioF(), {}, {});
    notice_->clear();
    return;
  }
  const TextCharacters split = charactersOf(written_.toStdString());
  const qreal ratio = devicePixelRatioF();
  ViewRequest request;
  request.count = static_cast<int>(split.characters.size());
  request.direction = direction_->currentIndex() == 1 ? WritingDirection::Rows : WritingDirection::Columns;
  if (perLine_->value() > 0) request.perLine = perLine_->value();
  const QSize room = scroll_->maximumViewportSize() - QSize(4, 4);
  request.view = {static_cast<int>(room.width() * ratio), static_cast<int>(room.height() * ratio)};
  request.smallestCell = static_cast<int>(kLegibleCell * ratio);
  Composed composed = composeCharacters(split.characters, lookup_, viewLayout(request).request);
  if (!composed.ok()) {
    notice_->setText(QString::fromStdString(composed.problem));
    return;
  }
  const CellInkOptions options = inkOptions();
  auto session = std::make_unique<WritingSession>(std::move(composed.composition), style(), options);
  session->playback().setLooping(loop_->isChecked());
  if (was) {
    session->timeAll();
    const CompositionTiming timing = session->playback().timing();
    session->playback() = *was;
    session->playback().retime(timing);
  }
  view_->show(std::move(session), ratio, aids(), ground());
  showNotice();
}

void StudioWindow::useTradition(Tradition tradition) {
  lookup_ = standardLookup(programDataPlaces(), {tradition, false});
  compose(true);
  practice_->lookupChanged();
}

void StudioWindow::showNotice() {
  QStringList parts;
  QString missing;
  for (const std::string& m : view_->session()->unwritten()) missing += QString::fromStdString(m) + " ";
  if (!missing.isEmpty()) parts << tr("データのない文字（点線の枠で示します）: %1").arg(missing.trimmed());
  QString borrowed;
  for (const PlacedCharacter& c : view_->session()->composition().characters) {
    if (c.borrowedFrom && !borrowed.contains(QString::fromStdString(c.text))) {
      borrowed += QString("%1（%2）").arg(QString::fromStdString(c.text), QString::fromUtf8(traditionName(*c.borrowedFrom).data()));
    }
  }
  if (!borrowed.isEmpty()) parts << tr("この字形の文字集にない文字（ほかの字形で書きました）: %1").arg(borrowed);
  notice_->setText(parts.join(QStringLiteral("　")));
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
  // The view follows the character being written.
  if (!writing.isNull()) {
    scroll_->ensureVisible(writing.center().x(), writing.center().y(), writing.width() / 2 + 8,
                           writing.height() / 2 + 8);
  }
}

void StudioWindow::openTextFile(const QString& file) {
  const TextFileRead read = readTextFile(file.toStdString());
  if (!read.ok()) {
    tell(QString::fromStdString(read.problem));
    return;
  }
  lastFolder_ = QFileInfo(file).absolutePath();
  writeText(QString::fromStdString(read.text));
}

void StudioWindow::openDialog() {
  const QString file = QFileDialog::getOpenFileName(this, tr("テキストファイルを開く"), lastFolder_,
                                                    tr("テキストファイル (*.txt);;すべてのファイル (*)"));
  if (!file.isEmpty()) openTextFile(file);
}

void StudioWindow::tell(const QString& message) { QMessageBox::warning(this, tr("墨舞スタジオ"), message); }

bool StudioWindow::save(const QString& file, QString* notes) {
  WritingSession* session = view_->session();
  const std::optional<FileKind> kind = fileKindOf(file.toStdString());
  if (!session || !kind) return false;
  PlaybackExport request;
  request.output = file.toStdString();
  request.ground = groundForFile(view_->groundImage(), *kind, ground().colour);
  request.aids = aids();
  request.groundColour = {ground().colour.red(), ground().colour.green(), ground().colour.blue()};
  request.loop = true;
  const CellInkOptions options = inkOptions();
  const SavingResult result = saveWithProgress(this, {session->composition(), session->style(), options}, request);
  if (result.outcome == SavingResult::Failed) {
    tell(tr("%1 を保存できませんでした: %2").arg(file, result.problem));
  }
  if (notes) {
    for (const std::string& note : exportNotes(request)) *notes += "  " + QString::fromStdString(note);
  }
  return result.outcome == SavingResult::Saved;
}

void StudioWindow::saveDialog() {
  if (!view_->session()) {
    tell(tr("まだ何も書いていません。文字を入力して Enter を押してください。"));
    return;
  }
  const QStringList filters = {tr("アニメーション WebP (*.webp)"), tr("アニメーション GIF (*.gif)"),
                               tr("動画 MP4 (*.mp4)"), tr("動画 WebM (*.webm)"), tr("書き上がりの画像 PNG (*.png)")};
  QString chosenFilter = filters.front();
  const QString suggested = QDir(lastFolder_.isEmpty() ? QDir::homePath() : lastFolder_).filePath(tr("墨舞.webp"));
  QString file = QFileDialog::getSaveFileName(this, tr("アニメーションを保存"), suggested, filters.join(";;"),
                                              &chosenFilter);
  if (file.isEmpty()) return;
  if (!fileKindOf(file.toStdString())) {
    const int open = chosenFilter.lastIndexOf("*.");
    file += chosenFilter.mid(open + 1, chosenFilter.size() - open - 2);
  }
  lastFolder_ = QFileInfo(file).absolutePath();
  QString notes;
  if (save(file, &notes)) statusBar()->showMessage(tr("%1 に保存しました").arg(file) + notes, 8000);
}

void StudioWindow::copyPicture() {
  if (!view_->session()) return;
  const QImage picture = view_->finishedPicture();
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  picture.save(&buffer, "PNG");
  auto* data = new QMimeData;
  data->setData("image/png", png);
  data->setImageData(picture);
  QApplication::clipboard()->setMimeData(data);
  statusBar()->showMessage(tr("書き上がりをコピーしました"), 5000);
}

QString StudioWindow::animationInCache() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
  if (!QDir().mkpath(folder)) return {};
  const QString file = QDir(folder).filePath(tr("墨舞.webp"));
  return save(file) ? file : QString();
}

void StudioWindow::copyAnimation() {
  if (!view_->session()) return;
  const QString file = animationInCache();
  if (file.isEmpty()) return;
  auto* data = new QMimeData;
  data->setUrls({QUrl::fromLocalFile(file)});
  data->setData("x-special/gnome-copied-files", "copy\n" + QUrl::fromLocalFile(file).toEncoded());
  QFile bytes(file);
  if (bytes.open(QIODevice::ReadOnly)) data->setData("image/webp", bytes.readAll());
  QApplication::clipboard()->setMimeData(data);
  statusBar()->showMessage(tr("アニメーションをコピーしました"), 5000);
}

void StudioWindow::dragAnimation() {
  const QString file = animationInCache();
  if (file.isEmpty()) return;
  auto* drag = new QDrag(this);
  auto* data = new QMimeData;
  data->setUrls({QUrl::fromLocalFile(file)});
  drag->setMimeData(data);
  drag->exec(Qt::CopyAction);
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
  view_->reserve(scroll_->maximumViewportSize() * devicePixelRatioF() - QSize(4, 4) * devicePixelRatioF());
  if (!written_.isEmpty()) relayout_.start();
}

void StudioWindow::restoreSettings() {
  QSettings s;
  restoring_ = true;
  if (s.contains("window/geometry")) restoreGeometry(s.value("window/geometry").toByteArray());
  restoreState(s.value("window/state").toByteArray());
  text_->setText(s.value("text").toString());
  direction_->setCurrentIndex(s.value("layout/direction", 0).toInt());
  perLine_->setValue(s.value("layout/perLine", 0).toInt());
  loop_->setChecked(s.value("playback/loop", false).toBool());
  ghost_->setChecked(s.value("aids/ghost", false).toBool());
  numbers_->setChecked(s.value("aids/numbers", false).toBool());
  arrow_->setChecked(s.value("aids/arrow", false).toBool());
  colours_->setChecked(s.value("aids/colours", false).toBool());
  const int grid = s.value("aids/grid", 0).toInt();
  for (QAction* a : grids_->actions()) a->setChecked(a->data().toInt() == grid);
  const int kind = s.value("ground/kind", int(kPlain)).toInt();
  for (QAction* a : grounds_->actions()) a->setChecked(a->data().toInt() == kind);
  const std::optional<BrushKind> brushKind = brushKindNamed(s.value("brush", "round").toString().toStdString());
  for (QAction* a : brushes_->actions()) a->setChecked(a->data().toInt() == int(brushKind.value_or(BrushKind::Round)));
  groundColour_ = s.value("ground/colour", QColor(Qt::white)).value<QColor>();
  if (s.contains("ink")) ink_ = s.value("ink").value<QColor>();
  lastFolder_ = s.value("folder").toString();
  restoring_ = false;
  text_->selectAll();
}

void StudioWindow::saveSettings() const {
  QSettings s;
  s.setValue("window/geometry", saveGeometry());
  s.setValue("window/state", saveState());
  s.setValue("text", text_->text());
  s.setValue("layout/direction", direction_->currentIndex());
  s.setValue("layout/perLine", perLine_->value());
  s.setValue("playback/loop", loop_->isChecked());
  const LearningAids a = aids();
  s.setValue("aids/ghost", a.ghost);
  s.setValue("aids/numbers", a.strokeNumbers);
  s.setValue("aids/arrow", a.startArrow);
  s.setValue("aids/colours", a.strokeColours);
  s.setValue("aids/grid", static_cast<int>(a.grid));
  s.setValue("ground/kind", grounds_->checkedAction() ? grounds_->checkedAction()->data().toInt() : int(kPlain));
  s.setValue("ground/colour", groundColour_);
  s.setValue("brush", QString::fromUtf8(brushKindName(brush().kind).data()));
  traditions_->remember();
  if (ink_) s.setValue("ink", *ink_);
  s.setValue("folder", lastFolder_);
}

void StudioWindow::closeEvent(QCloseEvent* event) {
  saveSettings();
  QMainWindow::closeEvent(event);
}

}  // namespace sumimai

#include "app/GameWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QDockWidget>
#include <QEventLoop>
#include <QFileInfo>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QStyle>
#include <QThread>
#include <QTime>
#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>

#include "app/AnalysisRunner.h"
#include "app/HintOverlay.h"
#include "app/MoveListPanel.h"
#include "app/ReviewDialog.h"
#include "app/ScoreBar.h"
#include "app/Translation.h"
#include "engine/Search.h"
#include "kifu/notation.h"
#include "shell/Sound.h"

namespace {
constexpr double kTwips = Surface::kTwipsPerPixel;
constexpr Menu kTop = Menu::Count;  // parent of the menu bar's own menus
constexpr double kControlFontPt = 9;
constexpr double kMsPerSecond = 1000;
// A message box is at least this wide, and wide enough for its title beside the title bar's
// buttons, so that window managers show short titles ("終了", "成り") whole. Pixels.
constexpr int kMinBoxWidth = 240;
constexpr int kTitleBarButtons = 120;
constexpr int kPanelWidth = 260;           // the move list beside the board, pixels
constexpr int kScoreWidth = 72;            // the score bar
const char* const kKanjiPieces = "kanji";  // the window's settings' names of the piece sets
const char* const kInternationalPieces = "international";

// The menus, in the order they appear. A handler of a menu with items runs when it opens;
// an item without a handler is not built yet and stays disabled.
struct MenuEntry {
  Menu id;
  Menu parent;
  const char* caption;
  bool checkable;
  void (Form1::*handler)();
};
const MenuEntry kMenus[] = {
    {Menu::TAIKYOKU, kTop, "対局", false, &Form1::TAIKYOKU_Click},
    {Menu::MATCH_MAN, Menu::TAIKYOKU, "対局(人間)", false, nullptr},
    {Menu::START, Menu::MATCH_MAN, "スタート", false, &Form1::START_Click},
    {Menu::START2, Menu::TAIKYOKU, "対局(COM)", false, nullptr},
    {Menu::SENTE, Menu::START2, "先手", false, &Form1::SENTE_Click},
    {Menu::GOTE, Menu::START2, "後手", false, &Form1::GOTE_Click},
    {Menu::LEVEL, Menu::TAIKYOKU, "COM対局ﾚﾍﾞﾙ", false, nullptr},
    {Menu::LEVEL1, Menu::LEVEL, "LEVEL1", true, &Form1::LEVEL1_Click},
    {Menu::LEVEL2, Menu::LEVEL, "LEVEL2", true, &Form1::LEVEL2_Click},
    {Menu::LEVEL3, Menu::LEVEL, "LEVEL3", true, &Form1::LEVEL3_Click},
    {Menu::LEVEL4, Menu::LEVEL, "LEVEL4", true, &Form1::LEVEL4_Click},
    {Menu::OWARI, Menu::TAIKYOKU, "終わり", false, &Form1::OWARI_Click},
    {Menu::STOP, kTop, "局面", false, &Form1::STOP_Click},
    {Menu::CANCEL, Menu::STOP, "最初", false, &Form1::CANCEL_Click},
    {Menu::REVERSE, Menu::STOP, "反転", false, &Form1::REVERSE_Click},
    {Menu::REPLAY, Menu::STOP, "戻", false, &Form1::REPLAY_Click},
    {Menu::AFTER, Menu::STOP, "進", false, &Form1::AFTER_Click},
    {Menu::LBEL_UP, Menu::STOP, "▲", false, &Form1::LBEL_UP_Click},
    {Menu::LEBEL_DOWN, Menu::STOP, "▼", false, &Form1::LEBEL_DOWN_Click},
    {Menu::KIFU, kTop, "棋譜", false, nullptr},
    {Menu::KIFU_READ, Menu::KIFU, "読込", false, &Form1::KIFU_READ_Click},
    {Menu::KIFU_WRITE, Menu::KIFU, "書込", false, &Form1::KIFU_WRITE_Click},
    {Menu::OPTION, kTop, "ｵﾌﾟｼｮﾝ", false, &Form1::OPTION_Click},
    {Menu::HAIKEI_GA, Menu::OPTION, "背景画", false, nullptr},
    {Menu::MIDORI, Menu::HAIKEI_GA, "緑", true, &Form1::MIDORI_Click},
    {Menu::TATAMI, Menu::HAIKEI_GA, "畳", true, &Form1::TATAMI_Click},
    {Menu::TAKE, Menu::HAIKEI_GA, "竹", true, &Form1::TAKE_Click},
    {Menu::UCHU, Menu::HAIKEI_GA, "宇宙", true, &Form1::UCHU_Click},
    {Menu::RENGA, Menu::HAIKEI_GA, "煉瓦", true, &Form1::RENGA_Click},
    {Menu::SIDOU, Menu::OPTION, "移動指導", true, &Form1::SIDOU_Click},
    {Menu::KEIKA, Menu::OPTION, "経過時間", true, &Form1::KEIKA_Click},
    {Menu::BGM, Menu::OPTION, "BGM", true, &Form1::BGM_Click},
    {Menu::VER, kTop, "その他", false, &Form1::VER_Click},
};

// The window's own items, each added at the end of its parent menu.
struct AppMenuEntry {
  AppAction id;
  Menu parent;
  const char* caption;
  const char* name;  // the item's object name
  bool checkable;
  void (GameWindow::*handler)();       // none: a submenu
  AppAction under = AppAction::Count;  // the window's own submenu that holds it, if any
};
const AppMenuEntry kAppMenus[] = {
    {AppAction::ShortEffects, Menu::OPTION, "演出短縮", "ENSYUTU_TANSYUKU", true,
     &GameWindow::toggleShortEffects},
    {AppAction::MoveList, Menu::OPTION, "棋譜表示", "KIFU_HYOUJI", true,
     &GameWindow::toggleMoveList},
    {AppAction::Score, Menu::OPTION, "形勢表示", "KEISEI_HYOUJI", true, &GameWindow::toggleScore},
    {AppAction::Hint, Menu::STOP, "ヒント", "HINT", false, &GameWindow::showHint},
    {AppAction::CopyPosition, Menu::STOP, "局面をコピー", "KYOKUMEN_COPY", false,
     &GameWindow::copyPosition},
    {AppAction::Review, Menu::KIFU, "解析", "KAISEKI", false, &GameWindow::reviewGame},
    {AppAction::KifWrite, Menu::KIFU, "KIF書出", "KIF_WRITE", false, &GameWindow::writeKif},
    {AppAction::KifRead, Menu::KIFU, "KIF読込", "KIF_READ", false, &GameWindow::readKif},
    {AppAction::CopyRecord, Menu::KIFU, "棋譜をコピー", "KIFU_COPY", false,
     &GameWindow::copyRecord},
    {AppAction::Paste, Menu::KIFU, "貼り付け", "KIFU_PASTE", false, &GameWindow::paste},
    {AppAction::Language, Menu::OPTION, "言語 / Language", "GENGO", false, nullptr},
    {AppAction::Japanese, Menu::OPTION, "日本語", "NIHONGO", true, &GameWindow::useJapanese,
     AppAction::Language},
    {AppAction::English, Menu::OPTION, "English", "ENGLISH", true, &GameWindow::useEnglish,
     AppAction::Language},
    {AppAction::Pieces, Menu::OPTION, "駒", "KOMA", false, nullptr},
    {AppAction::KanjiPieces, Menu::OPTION, "漢字", "KOMA_KANJI", true, &GameWindow::useKanjiPieces,
     AppAction::Pieces},
    {AppAction::InternationalPieces, Menu::OPTION, "国際", "KOMA_KOKUSAI", true,
     &GameWindow::useInternationalPieces, AppAction::Pieces},
};

// The record dialog and file picker: where each control sits, in twips, its caption and the
// game's handler of its event (a change of volume, entering a folder, a click on a file, the
// button).
struct ControlEntry {
  Control id;
  double left, top, width, height;
  const char* caption;
  void (Form1::*handler)();
};
const ControlEntry kControls[] = {
    {Control::Label1_3, 120, 2400, 855, 255, "対 局 名：", nullptr},
    {Control::Label1_2, 120, 2640, 855, 255, "先    手 ：", nullptr},
    {Control::Label1_1, 120, 2880, 855, 255, "後    手 ：", nullptr},
    {Control::Label1_0, 120, 3120, 855, 255, "ﾌｧｲﾙ名 ：", nullptr},
    {Control::Text2, 960, 2400, 2295, 270, "", nullptr},
    {Control::Text3, 960, 2640, 2295, 270, "", nullptr},
    {Control::Text4, 960, 2880, 2295, 270, "", nullptr},
    {Control::Text1, 960, 3120, 2295, 270, "", nullptr},
    {Control::Command1, 3360, 3000, 855, 375, "RETURN", &Form1::Command1_Click},
    {Control::Drive1, 240, 360, 2535, 300, "", &Form1::Drive1_Change},
    {Control::Dir1, 240, 600, 2535, 1710, "", &Form1::Dir1_Change},
    {Control::File1, 240, 2280, 2535, 930, "", &Form1::File1_Click},
};
const char* const kTitle = "Vexa ルミナーク将棋";
const QString kRecordPattern = QStringLiteral("*.棋譜");
constexpr int kPathRole = Qt::UserRole;  // a folder list item's full path
const QString kIndent = QStringLiteral("  ");

// The volumes that stand for drives: the root, the home folder and every mounted removable
// medium.
QStringList volumes() {
  QStringList list{QDir::rootPath(), QDir::homePath()};
  for (const QStorageInfo& v : QStorageInfo::mountedVolumes()) {
    const QString root = v.rootPath();
    for (const char* media : {"/media/", "/run/media/", "/mnt/"})
      if (root.startsWith(QLatin1String(media)) && !list.contains(root)) list << root;
  }
  return list;
}

// Where the picker starts: the player's documents folder, else the home folder.
QString start_folder() {
  const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return !docs.isEmpty() && QFileInfo(docs).isDir() ? docs : QDir::homePath();
}

// The answer of a box closed without a button.
int closed_answer(int buttons) {
  return (buttons & 7) == mb::OKOnly ? mb::OK : 2;
}

constexpr std::size_t at(Menu m) {
  return static_cast<std::size_t>(m);
}
constexpr std::size_t at(Control c) {
  return static_cast<std::size_t>(c);
}
QString qs(const std::string& s) {
  return QString::fromStdString(s);
}
}  // namespace

GameWindow::GameWindow(const QString& assets_dir, QWidget* parent)
    : QMainWindow(parent), form(*this), store_(assets_dir) {
  setWindowTitle(QString::fromUtf8(kTitle));
  surface_ = new Surface(store_, this);
  setCentralWidget(surface_);
  connect(surface_, &Surface::mouseDown, this,
          [this](int button, int shift, double x, double y) { onMouseDown(button, shift, x, y); });
  buildMenus();
  buildControls();
  buildViews();
  showTexts();
  timer_.setInterval(100);
  connect(&timer_, &QTimer::timeout, this, &GameWindow::onTimer);
  SizeWindow(Form1::form_w, Form1::form_h);
  QCoreApplication::instance()->installEventFilter(this);
}

GameWindow::~GameWindow() {
  QCoreApplication::instance()->removeEventFilter(this);
  timer_.stop();
}

void GameWindow::run(void (Form1::*handler)()) {
  handle([this, handler] { (form.*handler)(); });
}

// What the player did while a handler ran comes in now, and the filter drops it.
void GameWindow::dropPendingInput() {
  QCoreApplication::processEvents();
}

void GameWindow::load() {
  run(&Form1::Form_Load);
}

void GameWindow::unload() {
  handle([this] { form.Form_Unload(0); });
}

void GameWindow::buildMenus() {
  std::array<QMenu*, at(Menu::Count)> menus{};
  std::array<bool, at(Menu::Count)> has_items{};
  for (const MenuEntry& e : kMenus)
    if (e.parent != kTop) has_items[at(e.parent)] = true;
  has_items[at(Menu::LEVEL4)] = true;  // LEVEL4's strengths

  for (const MenuEntry& e : kMenus) {
    QString caption = QString::fromUtf8(e.caption);
    QString name = QString::fromLatin1(menu_name(e.id));
    QAction* a = nullptr;
    if (has_items[at(e.id)]) {
      QMenu* m =
          e.parent == kTop ? menuBar()->addMenu(caption) : menus[at(e.parent)]->addMenu(caption);
      m->setObjectName(name);
      menus[at(e.id)] = m;
      a = m->menuAction();
      bound_[at(e.id)] = true;
      // A menu that is also a choice (LEVEL4) is chosen through its items.
      m->menuAction()->setCheckable(e.checkable);
      if (auto h = e.handler; h && !e.checkable)
        connect(m, &QMenu::aboutToShow, this, [this, h] { run(h); });
    } else {
      a = e.parent == kTop ? menuBar()->addAction(caption)
                           : menus[at(e.parent)]->addAction(caption);
      a->setCheckable(e.checkable);
      bound_[at(e.id)] = e.handler != nullptr;
      if (auto h = e.handler)
        connect(a, &QAction::triggered, this, [this, a, h] {
          // The game sets the check marks itself.
          if (a->isCheckable()) a->setChecked(!a->isChecked());
          run(h);
        });
    }
    a->setObjectName(name);
    actions_[at(e.id)] = a;
    wanted_enabled_[at(e.id)] = true;
    updateEnabled(e.id);
  }
  buildAppMenus(menus);
}

void GameWindow::buildAppMenus(const std::array<QMenu*, at(Menu::Count)>& menus) {
  std::array<QMenu*, static_cast<std::size_t>(AppAction::Count)> own{};
  for (const AppMenuEntry& e : kAppMenus) {
    const QString caption = QString::fromUtf8(e.caption);
    QMenu* parent =
        e.under == AppAction::Count ? menus[at(e.parent)] : own[static_cast<std::size_t>(e.under)];
    QMenu* sub = e.handler ? nullptr : parent->addMenu(caption);
    QAction* a = sub ? sub->menuAction() : parent->addAction(caption);
    own[static_cast<std::size_t>(e.id)] = sub;
    a->setObjectName(QString::fromLatin1(e.name));
    a->setCheckable(e.checkable);
    // Each runs as it is: those that think refuse while the game works.
    if (e.handler) connect(a, &QAction::triggered, this, [this, h = e.handler] { (this->*h)(); });
    app_actions_[static_cast<std::size_t>(e.id)] = a;
  }
  for (int n = 0; n < engine::kStrengthCount; ++n) {
    QAction* a = menus[at(Menu::LEVEL4)]->addAction(QString::fromUtf8(engine::strength(n).name));
    a->setObjectName(QStringLiteral("LEVEL4_%1").arg(n));
    a->setCheckable(true);
    connect(a, &QAction::triggered, this, [this, n] { chooseStrength(n); });
    strength_actions_[static_cast<std::size_t>(n)] = a;
  }
}

void GameWindow::chooseStrength(int n) {
  handle([this, n] { form.探索_強さ_選択(n); });
  settings_.set(AppOption::Strength, n);
  applySettings();
}

void GameWindow::showTexts() {
  setWindowTitle(translation::text(QString::fromUtf8(kTitle)));
  for (const MenuEntry& e : kMenus)
    actions_[at(e.id)]->setText(translation::text(QString::fromUtf8(e.caption)));
  for (const AppMenuEntry& e : kAppMenus)
    action(e.id)->setText(translation::text(QString::fromUtf8(e.caption)));
  for (const ControlEntry& e : kControls) {
    const QString caption = translation::text(QString::fromUtf8(e.caption));
    if (auto* label = qobject_cast<QLabel*>(control(e.id))) label->setText(caption);
    if (auto* button = qobject_cast<QPushButton*>(control(e.id))) button->setText(caption);
  }
  for (int n = 0; n < engine::kStrengthCount; ++n)
    strengthAction(n)->setText(translation::text(QString::fromUtf8(engine::strength(n).name)));
  move_dock_->setWindowTitle(translation::text(QStringLiteral("棋譜")));
  score_dock_->setWindowTitle(translation::text(QStringLiteral("形勢")));
  const bool english = translation::english();
  action(AppAction::Japanese)->setChecked(!english);
  action(AppAction::English)->setChecked(english);
}

void GameWindow::useSettings(const QString& file) {
  settings_ = AppSettings(file);
  applySettings();
  // The record picker opens where the player last was.
  const std::string folder = settings_.value(AppOption::Folder).toString().toStdString();
  if (!folder.empty() && SetPath(Control::Dir1, folder)) SetPath(Control::File1, folder);
}

void GameWindow::applySettings() {
  const int strength =
      std::clamp(settings_.value(AppOption::Strength).toInt(), 0, engine::kStrongest);
  form.探索_強さ = static_cast<Int>(strength);
  for (int n = 0; n < engine::kStrengthCount; ++n) strengthAction(n)->setChecked(n == strength);
  const bool shorter = settings_.flag(AppOption::ShortEffects);
  form.ensyutu_tansyuku = shorter;
  action(AppAction::ShortEffects)->setChecked(shorter);
  const bool international = settings_.value(AppOption::Pieces).toString() == kInternationalPieces;
  action(AppAction::KanjiPieces)->setChecked(!international);
  action(AppAction::InternationalPieces)->setChecked(international);
  const PieceSet pieces = international ? PieceSet::International : PieceSet::Kanji;
  if (store_.pieceSet() != pieces) {
    store_.setPieceSet(pieces);
    surface_->rerender();  // what is on the board, in the other set
    surface_->update();
  }
  const bool moves = settings_.flag(AppOption::MoveList);
  action(AppAction::MoveList)->setChecked(moves);
  showBeside(move_dock_, moves);
  const bool score = settings_.flag(AppOption::Score);
  action(AppAction::Score)->setChecked(score);
  showBeside(score_dock_, score);
}

void GameWindow::buildViews() {
  move_list_ = new MoveListPanel;
  move_dock_ = new QDockWidget(QStringLiteral("棋譜"), this);
  move_dock_->setObjectName(QStringLiteral("MoveListDock"));
  move_dock_->setFeatures(QDockWidget::NoDockWidgetFeatures);
  move_dock_->setWidget(move_list_);
  move_dock_->setFixedWidth(kPanelWidth);
  addDockWidget(Qt::RightDockWidgetArea, move_dock_);
  move_dock_->hide();
  connect(move_list_, &MoveListPanel::plyChosen, this, &GameWindow::showPly);

  score_bar_ = new ScoreBar;
  score_dock_ = new QDockWidget(QStringLiteral("形勢"), this);
  score_dock_->setObjectName(QStringLiteral("ScoreDock"));
  score_dock_->setFeatures(QDockWidget::NoDockWidgetFeatures);
  score_dock_->setWidget(score_bar_);
  score_dock_->setFixedWidth(kScoreWidth);
  addDockWidget(Qt::LeftDockWidgetArea, score_dock_);
  score_dock_->hide();
  score_runner_ = new AnalysisRunner(this);
  review_runner_ = new AnalysisRunner(this);
  hint_ = new HintOverlay(surface_);
  action(AppAction::Hint)->setShortcut(Qt::Key_H);
  action(AppAction::Paste)->setShortcut(QKeySequence::Paste);
  setAcceptDrops(true);
}

void GameWindow::showBeside(QDockWidget* dock, bool shown) {
  if (dock->isVisibleTo(this) == shown) return;
  const int before = besideWidth();
  dock->setVisible(shown);
  if (!isMaximized() && !isFullScreen()) resize(width() + besideWidth() - before, height());
  if (shown) updateViews();
}

void GameWindow::updateViews() {
  if (!move_dock_->isVisibleTo(this) && !score_dock_->isVisibleTo(this)) return;
  // What tells that the position or the record changed: its counters and the board.
  std::vector<long> state{form.kifu_saigo, form.kifu_tesuu, form.tesuu,       form.teban,
                          form.kifu_mode,  form.hanten,     form.sentaku == 0};
  for (const auto& column : form.ban)
    state.insert(state.end(), std::begin(column), std::end(column));
  for (const auto* hand : {&form.mochi_man, &form.mochi_com})
    state.insert(state.end(), std::begin(*hand), std::end(*hand));
  if (state == seen_state_) return;
  seen_state_ = std::move(state);
  if (move_dock_->isVisibleTo(this)) {
    const notation::Plies plies = notation::record_plies(form);
    std::vector<std::string> texts;
    for (std::size_t n = 0; n < plies.plies.size(); ++n)
      texts.push_back(written(plies.plies[n].before, plies.plies[n].turn, plies.named_from,
                              n > 0 ? plies.plies[n - 1].turn.to() : 0));
    move_list_->showPlies(texts, form.kifu_tesuu);
  }
  if (score_dock_->isVisibleTo(this)) updateScore();
}

// Steps through the record as 戻 and 進 do, silently, and sounds the last step once.
void GameWindow::showPly(long ply) {
  handle([this, ply] {
    SoundLibrary* sound = form.ds;
    SilentSound silent;
    form.ds = &silent;
    bool moved = false;
    for (long guard = form.kifu_saigo + 1; guard >= 0 && form.kifu_tesuu != ply; --guard) {
      const long before = form.kifu_tesuu;
      form.kifu_tesuu > ply ? form.REPLAY_Click() : form.AFTER_Click();
      if (form.kifu_tesuu == before) break;  // the record holds no more
      moved = true;
    }
    form.ds = sound;
    if (moved) form.ds->dsPlay(form.snd_komauti);
  });
}

void GameWindow::useKanjiPieces() {
  settings_.set(AppOption::Pieces, QString::fromLatin1(kKanjiPieces));
  applySettings();
}

void GameWindow::useInternationalPieces() {
  settings_.set(AppOption::Pieces, QString::fromLatin1(kInternationalPieces));
  applySettings();
}

void GameWindow::toggleMoveList() {
  settings_.set(AppOption::MoveList, !settings_.flag(AppOption::MoveList));
  applySettings();
}

void GameWindow::toggleShortEffects() {
  settings_.set(AppOption::ShortEffects, !settings_.flag(AppOption::ShortEffects));
  applySettings();
}

void GameWindow::buildControls() {
  for (const ControlEntry& e : kControls) {
    QString caption = QString::fromUtf8(e.caption);
    QWidget* w = nullptr;
    auto h = e.handler;
    switch (e.id) {
      case Control::Label1_0:
      case Control::Label1_1:
      case Control::Label1_2:
      case Control::Label1_3: {
        auto* label = new QLabel(caption, surface_);
        label->setAutoFillBackground(true);
        w = label;
        break;
      }
      case Control::Text1:
      case Control::Text2:
      case Control::Text3:
      case Control::Text4:
        w = new QLineEdit(surface_);
        break;
      case Control::Command1: {
        auto* button = new QPushButton(caption, surface_);
        connect(button, &QPushButton::clicked, this, [this, h] { run(h); });
        w = button;
        break;
      }
      case Control::Drive1: {
        auto* combo = new QComboBox(surface_);
        combo->addItems(volumes());
        connect(combo, &QComboBox::activated, this, [this, h] { run(h); });
        w = combo;
        break;
      }
      case Control::Dir1: {
        // A double click (or Enter) enters a folder.
        auto* list = new QListWidget(surface_);
        connect(list, &QListWidget::itemActivated, this, [this, h](QListWidgetItem* item) {
          if (SetPath(Control::Dir1, item->data(kPathRole).toString().toStdString())) run(h);
        });
        w = list;
        break;
      }
      case Control::File1: {
        auto* list = new QListWidget(surface_);
        connect(list, &QListWidget::itemClicked, this, [this, h] { run(h); });
        w = list;
        break;
      }
      case Control::Count:
        break;
    }
    w->setObjectName(QString::fromLatin1(control_name(e.id)));
    w->hide();
    surface_->placeChild(w, QRectF(e.left, e.top, e.width, e.height), kControlFontPt);
    controls_[at(e.id)] = w;
  }
  const std::string start = start_folder().toStdString();
  SetPath(Control::Dir1, start);
  SetPath(Control::File1, start);
  auto* drives = qobject_cast<QComboBox*>(control(Control::Drive1));
  int best = 0;  // the volume that holds the start folder
  for (int i = 0; i < drives->count(); ++i)
    if (QString::fromStdString(start).startsWith(drives->itemText(i)) &&
        drives->itemText(i).size() > drives->itemText(best).size())
      best = i;
  drives->setCurrentIndex(best);
}

void GameWindow::updateEnabled(Menu m) {
  actions_[at(m)]->setEnabled(wanted_enabled_[at(m)] && bound_[at(m)]);
}

// ---- Drawing ---------------------------------------------------------------------------------

void GameWindow::SetBackColor(int qbcolor) {
  surface_->setBackColour(qbcolor);
}

void GameWindow::PaintPicture(Picture p, double x, double y) {
  surface_->paintPicture(p, x, y);
}

void GameWindow::DrawBox(double x1, double y1, double x2, double y2, int qbcolor) {
  surface_->drawBox(x1, y1, x2, y2, qbcolor);
}

void GameWindow::PrintText(double x, double y, const std::string& text, double size, bool bold,
                           int qbcolor) {
  surface_->printText(x, y, translation::text(text), size, bold, qbcolor);
}

void GameWindow::Refresh() {
  surface_->refresh();
}

void GameWindow::MoveImage(Image i, double left, double top) {
  surface_->moveImage(i, left, top);
}

void GameWindow::ShowImage(Image i, bool visible) {
  surface_->showImage(i, visible);
}

// ---- Menus -----------------------------------------------------------------------------------

void GameWindow::SetChecked(Menu m, bool checked) {
  QAction* a = actions_[at(m)];
  if (!a->isCheckable()) a->setCheckable(true);
  a->setChecked(checked);
}

bool GameWindow::Checked(Menu m) {
  return actions_[at(m)]->isChecked();
}

void GameWindow::SetEnabled(Menu m, bool enabled) {
  wanted_enabled_[at(m)] = enabled;
  updateEnabled(m);
}

// ---- Message boxes ---------------------------------------------------------------------------

int GameWindow::MsgBox(const std::string& text, int buttons, const std::string& title) {
  if (ended_) return closed_answer(buttons);
  surface_->flush();
  if (busy_ > 0) dropPendingInput();  // a key pressed meanwhile does not answer the box
  QMessageBox box(this);
  const QString shown_title = translation::message(title);
  box.setWindowTitle(shown_title);
  QString t = translation::message(text);
  t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  t.replace(QChar('\r'), QChar('\n'));
  box.setText(t);
  switch (buttons & 0x70) {
    case mb::Critical:
      box.setIcon(QMessageBox::Critical);
      break;
    case mb::Question:
      box.setIcon(QMessageBox::Question);
      break;
    case mb::Exclamation:
      box.setIcon(QMessageBox::Warning);
      break;
    case mb::Information:
      box.setIcon(QMessageBox::Information);
      break;
    default:
      break;
  }
  using B = QMessageBox;
  switch (buttons & 7) {
    case 1:
      box.setStandardButtons(B::Ok | B::Cancel);
      break;
    case 2:
      box.setStandardButtons(B::Abort | B::Retry | B::Ignore);
      break;
    case 3:
      box.setStandardButtons(B::Yes | B::No | B::Cancel);
      break;
    case mb::YesNo:
      box.setStandardButtons(B::Yes | B::No);
      break;
    case 5:
      box.setStandardButtons(B::Retry | B::Cancel);
      break;
    default:
      box.setStandardButtons(B::Ok);
      break;
  }
  const int wide =
      std::max(kMinBoxWidth, box.fontMetrics().horizontalAdvance(shown_title) + kTitleBarButtons);
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
    grid->addItem(new QSpacerItem(wide, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
  box.exec();
  switch (box.standardButton(box.clickedButton())) {
    case B::Ok:
      return mb::OK;
    case B::Cancel:
      return 2;
    case B::Abort:
      return 3;
    case B::Retry:
      return 4;
    case B::Ignore:
      return 5;
    case B::Yes:
      return mb::Yes;
    case B::No:
      return mb::No;
    default:
      return closed_answer(buttons);
  }
}

// ---- Timer and clock -------------------------------------------------------------------------

void GameWindow::SetTimerEnabled(bool on) {
  if (on && !timer_.isActive()) timer_.start();
  if (!on) timer_.stop();
}

bool GameWindow::TimerEnabled() {
  return timer_.isActive();
}

void GameWindow::onTimer() {
  run(&Form1::Timer1_Timer);
}

double GameWindow::Seconds() {
  return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

// The window repaints and the clock runs meanwhile; what the player does is dropped.
void GameWindow::Sleep(double seconds) {
  surface_->flush();
  if (ended_ || seconds <= 0) return;
  showBusy(true);
  QEventLoop wait;
  QTimer::singleShot(static_cast<int>(std::lround(seconds * kMsPerSecond)), Qt::PreciseTimer, &wait,
                     &QEventLoop::quit);
  wait.exec();
}

void GameWindow::KeepAlive() {
  if (ended_) return;
  showBusy(true);
  QCoreApplication::processEvents();
}

void GameWindow::showBusy(bool busy) {
  if (busy == stalled_) return;
  stalled_ = busy;
  if (busy)
    setCursor(Qt::WaitCursor);
  else
    unsetCursor();
}

// ---- Placement -------------------------------------------------------------------------------

Placement GameWindow::GetPlacement() {
  QRect r = frameGeometry();
  return {r.x() * kTwips, r.y() * kTwips, r.width() * kTwips, r.height() * kTwips, isMaximized()};
}

void GameWindow::MoveWindow(double left, double top) {
  move(static_cast<int>(std::lround(left / kTwips)), static_cast<int>(std::lround(top / kTwips)));
}

void GameWindow::SizeWindow(double width, double height) {
  int w = static_cast<int>(std::lround(width / kTwips));
  int h = static_cast<int>(std::lround(height / kTwips));
  int bar = menuBar()->heightForWidth(w);
  if (bar <= 0) bar = menuBar()->sizeHint().height();
  // The form's size is the board's: the panels beside it come on top.
  resize(w + besideWidth(), h + bar);
}

int GameWindow::besideWidth() const {
  const int separator = style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, this);
  int wide = 0;
  for (const QDockWidget* dock : {move_dock_, score_dock_})
    if (dock != nullptr && dock->isVisibleTo(this)) wide += dock->width() + separator;
  return wide;
}

void GameWindow::End() {
  settings_.save();  // whole, even if the program stops inside the game's work
  ended_ = true;
  timer_.stop();
  hide();
  if (busy_ > 1) {  // from a wait, a message box or the computer's turn
    if (end_inside_work_) end_inside_work_();
    return;
  }
  // Before the event loop runs (during Form_Load) main sees ended() instead.
  if (QThread::currentThread()->loopLevel() > 0) QCoreApplication::exit(0);
}

// ---- Record dialog controls ------------------------------------------------------------------

void GameWindow::SetVisible(Control c, bool visible) {
  // A folder or file list that comes into view shows its folder as it is now.
  if (visible && !controls_[at(c)]->isVisible() && !paths_[at(c)].empty())
    SetPath(c, paths_[at(c)]);
  controls_[at(c)]->setVisible(visible);
}

void GameWindow::SetText(Control c, const std::string& text) {
  QWidget* w = controls_[at(c)];
  QString t = qs(text);
  if (auto* label = qobject_cast<QLabel*>(w)) {
    label->setText(t);
  } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
    edit->setText(t);
  } else if (auto* button = qobject_cast<QPushButton*>(w)) {
    button->setText(t);
  } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
    if (combo->findText(t) < 0) combo->addItem(t);
    combo->setCurrentText(t);
  } else if (auto* list = qobject_cast<QListWidget*>(w)) {
    QList<QListWidgetItem*> found = list->findItems(t, Qt::MatchExactly);
    list->setCurrentItem(found.isEmpty() ? nullptr : found.first());
  }
}

std::string GameWindow::Text(Control c) {
  QWidget* w = controls_[at(c)];
  QString t;
  if (auto* label = qobject_cast<QLabel*>(w)) {
    t = label->text();
  } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
    t = edit->text();
  } else if (auto* button = qobject_cast<QPushButton*>(w)) {
    t = button->text();
  } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
    t = combo->currentText();
  } else if (auto* list = qobject_cast<QListWidget*>(w)) {
    if (list->currentItem()) t = list->currentItem()->text();
  }
  return t.toStdString();
}

bool GameWindow::SetPath(Control c, const std::string& path) {
  auto* list = qobject_cast<QListWidget*>(control(c));
  const QString folder = QDir::cleanPath(QString::fromStdString(path));
  const QDir dir(folder);
  if (list == nullptr || folder.isEmpty() || !dir.exists() || !dir.isReadable()) return false;
  list->clear();
  if (c == Control::File1) {
    for (const QString& name : dir.entryList({kRecordPattern}, QDir::Files, QDir::Name))
      list->addItem(name);
  } else {
    // The folder's path from the root, one line a level, then its subfolders.
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirIcon);
    QStringList levels = folder.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString level = QDir::rootPath();
    list->addItem(new QListWidgetItem(open, level));
    list->item(0)->setData(kPathRole, level);
    for (int i = 0; i < levels.size(); ++i) {
      level = QDir(level).filePath(levels[i]);
      auto* item = new QListWidgetItem(open, kIndent.repeated(i + 1) + levels[i]);
      item->setData(kPathRole, level);
      list->addItem(item);
    }
    list->setCurrentRow(list->count() - 1);
    const QString inner = kIndent.repeated(levels.size() + 1);
    for (const QString& name :
         dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
      auto* item = new QListWidgetItem(closed, inner + name);
      item->setData(kPathRole, dir.filePath(name));
      list->addItem(item);
    }
  }
  paths_[at(c)] = folder.toStdString();
  if (c == Control::File1 && settings_.value(AppOption::Folder).toString() != folder)
    settings_.set(AppOption::Folder, folder);
  return true;
}

std::string GameWindow::Path(Control c) {
  return paths_[at(c)];
}

// ---- Events ----------------------------------------------------------------------------------

void GameWindow::closeEvent(QCloseEvent* event) {
  unload();
  event->accept();
}

void GameWindow::keyPressEvent(QKeyEvent* event) {
  // Keys typed into a dialog control are not the form's.
  QWidget* focus = focusWidget();
  if (focus && focus != this && focus != surface_) {
    QMainWindow::keyPressEvent(event);
    return;
  }
  int key = 0;
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      key = 13;
      break;
    case Qt::Key_Backspace:
      key = 8;
      break;
    case Qt::Key_Tab:
      key = 9;
      break;
    default:
      if (!event->text().isEmpty()) key = event->text().at(0).unicode();
      break;
  }
  if (key == 0) {
    QMainWindow::keyPressEvent(event);
    return;
  }
  handle([this, key] { form.Form_KeyPress(key); });
}

bool GameWindow::eventFilter(QObject* target, QEvent* event) {
  const bool input = event->isInputEvent() || event->type() == QEvent::InputMethod;
  if (!input || !target->isWidgetType() || static_cast<QWidget*>(target)->window() != this)
    return false;
  if (event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    handle([this] { form.Form_KeyPress(Form1::key_esc); });
    return true;
  }
  return busy_ > 0;
}

void GameWindow::onMouseDown(int button, int shift, double x, double y) {
  if (busy_ == 0) hint_->clear();  // a hint lasts until the next press
  // The game is played with the left and right buttons; a middle click could leave a piece
  // unpromoted where it must promote.
  if (button != Form1::button_hidari && button != Form1::button_migi) return;
  handle(
      [=, this] { form.Form_MouseDown(static_cast<Int>(button), static_cast<Int>(shift), x, y); });
}

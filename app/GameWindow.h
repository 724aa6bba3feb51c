// The game's window: a main window with the menus, the scaled drawing surface and the record
// dialog's controls. It owns the game (Form1) and is the window the game draws on.
#pragma once

#include <QMainWindow>
#include <QPointF>
#include <QString>
#include <QTimer>
#include <array>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/AppSettings.h"
#include "app/PictureStore.h"
#include "app/Surface.h"
#include "engine/Analysis.h"
#include "engine/Strength.h"
#include "shell/Form1.h"
#include "shell/Window.h"

class QAction;
class QDockWidget;
class QMenu;
class AnalysisRunner;
class HintOverlay;
class MoveListPanel;
class ReviewDialog;
class ScoreBar;
namespace engine {
class Search;
}

// The window's own menu items, beside the game's: options and tools of the window alone.
enum class AppAction {
  ShortEffects,
  MoveList,
  Score,
  Hint,
  CopyPosition,
  Review,
  KifWrite,
  KifRead,
  CopyRecord,
  Paste,
  Language,
  Japanese,
  English,
  Pieces,
  KanjiPieces,
  InternationalPieces,
  Count
};

class GameWindow : public QMainWindow, public Window {
  Q_OBJECT

 public:
  // Pictures are read from assets_dir/pictures.
  explicit GameWindow(const QString& assets_dir, QWidget* parent = nullptr);
  ~GameWindow() override;

  Form1 form;

  Surface* surface() const { return surface_; }
  // A point of the surface, logical pixels, in the game's twips.
  QPointF toTwips(QPoint logical) const { return surface_->toTwips(QPointF(logical)); }
  QAction* action(Menu m) const { return actions_[static_cast<std::size_t>(m)]; }
  QAction* action(AppAction a) const { return app_actions_[static_cast<std::size_t>(a)]; }
  // LEVEL4's strength n (0 入門 .. 4 最強) under 対局 → COM対局ﾚﾍﾞﾙ → LEVEL4.
  QAction* strengthAction(int n) const { return strength_actions_[static_cast<std::size_t>(n)]; }
  // The window's own options from `file` (see AppSettings), applied at once.
  void useSettings(const QString& file);
  const AppSettings& settings() const { return settings_; }

  MoveListPanel* moveList() const { return move_list_; }
  // The panels shown again from the game as it is (a change of language writes them anew).
  void updateViewsNow() {
    seen_state_.clear();
    updateViews();
  }
  ScoreBar* scoreBar() const { return score_bar_; }
  HintOverlay* hintOverlay() const { return hint_; }
  ReviewDialog* review() const { return review_; }
  AnalysisRunner& scoreRunner() const { return *score_runner_; }
  AnalysisRunner& reviewRunner() const { return *review_runner_; }
  // The position after `ply` plies of the record, as 戻 and 進 step to it.
  void showPly(long ply);

  // ---- The window's own menu items -------------------------------------------------------
  void toggleShortEffects();
  void toggleMoveList();
  void toggleScore();
  // ｵﾌﾟｼｮﾝ → 駒: the kanji pieces, or the international ones that show their moves.
  void useKanjiPieces();
  void useInternationalPieces();
  const PictureStore& pictures() const { return store_; }
  void chooseStrength(int n);
  // 局面 → ヒント (H): LEVEL4's turn for the player to move, shown, not played.
  void showHint();
  // 棋譜 → 解析: every position of the game scored, then the graph and the marks.
  void reviewGame();
  // 棋譜 → KIF書出 / KIF読込, 局面 → 局面をコピー, 棋譜 → 棋譜をコピー / 貼り付け (Ctrl+V).
  void writeKif();
  void readKif();
  void copyPosition();
  void copyRecord();
  void paste();
  // ｵﾌﾟｼｮﾝ → 言語 / Language: the texts switch at once and the choice is kept.
  void useJapanese();
  void useEnglish();
  // The language of the settings ("" follows the system, "ja", "en"), shown from now on.
  void applyLanguage();
  // A record file (.棋譜) or KIF (.kif, .kifu) loaded for replay; refused while the game works.
  void loadRecordFile(const QString& path);
  QWidget* control(Control c) const { return controls_[static_cast<std::size_t>(c)]; }
  QTimer& timer() { return timer_; }
  // Form_Load, as any of the game's handlers runs.
  void load();
  // Form_Unload, as when the window is closed.
  void unload();
  // True once the game has ended the program.
  bool ended() const { return ended_; }
  // What stops the program when the game ends in the middle of its own work (a wait, a message
  // box, the computer's turn): nothing more of that work may be done. Without it the work runs
  // on without waits or boxes.
  void setEndInsideWork(std::function<void()> stop) { end_inside_work_ = std::move(stop); }

  // ---- Window ----------------------------------------------------------------------------
  void SetBackColor(int qbcolor) override;
  void PaintPicture(Picture p, double x, double y) override;
  void DrawBox(double x1, double y1, double x2, double y2, int qbcolor) override;
  void PrintText(double x, double y, const std::string& text, double size, bool bold,
                 int qbcolor) override;
  void Refresh() override;
  void MoveImage(Image i, double left, double top) override;
  void ShowImage(Image i, bool visible) override;
  void SetChecked(Menu m, bool checked) override;
  bool Checked(Menu m) override;
  void SetEnabled(Menu m, bool enabled) override;
  int MsgBox(const std::string& text, int buttons, const std::string& title) override;
  void SetTimerEnabled(bool on) override;
  bool TimerEnabled() override;
  double Seconds() override;
  void Sleep(double seconds) override;
  void KeepAlive() override;
  Placement GetPlacement() override;
  void MoveWindow(double left, double top) override;
  void SizeWindow(double width, double height) override;
  void End() override;
  void SetVisible(Control c, bool visible) override;
  void SetText(Control c, const std::string& text) override;
  std::string Text(Control c) override;
  bool SetPath(Control c, const std::string& path) override;
  std::string Path(Control c) override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  // Esc ends the game from any control of the window. While the game works, the player's
  // clicks, keys and menu choices aimed at the window are dropped.
  bool eventFilter(QObject* target, QEvent* event) override;

 private slots:
  // Timer1's tick, every 100 ms while the game has the timer on.
  void onTimer();

 private:
  void buildMenus();
  void buildAppMenus(const std::array<QMenu*, static_cast<std::size_t>(Menu::Count)>& menus);
  // The menus, the record dialog's captions and the title in the language shown.
  void showTexts();
  void setLanguage(const QString& chosen);
  void applySettings();
  void buildViews();
  // A panel beside the board: the window widens by it, so the board keeps its size.
  void showBeside(QDockWidget* dock, bool shown);
  // The width the panels shown beside the board add to the window, pixels.
  int besideWidth() const;
  // After each of the game's handlers: the views follow a position or record that changed.
  void updateViews();
  void updateScore();
  // A refused action's sound.
  void buzz();
  // A player of the game may move now, and may ask for a hint.
  bool playerToMove() const;
  // Loads KIF or SFEN text as a record; "" once loaded, otherwise why not.
  std::string loadRecordText(const std::string& bytes, bool record_file);
  QString recordFolder() const;
  void showReview(const std::vector<engine::Position>& positions,
                  const std::vector<engine::PositionScore>& scores, engine::Side sente);
  // While the game drops input, the pointer over the window says so.
  void showBusy(bool busy);
  void buildControls();
  void onMouseDown(int button, int shift, double x, double y);
  void updateEnabled(Menu m);
  // Runs one of the game's handlers; input that came while it waited is dropped after it.
  template <class Work>
  void handle(Work work);
  void run(void (Form1::*handler)());
  void dropPendingInput();

  PictureStore store_;
  Surface* surface_ = nullptr;
  QTimer timer_;
  bool ended_ = false;
  int busy_ = 0;          // handlers running, one inside the other
  bool stalled_ = false;  // the running handler waited or kept the window alive: busy pointer
  std::function<void()> end_inside_work_;
  AppSettings settings_;
  MoveListPanel* move_list_ = nullptr;
  QDockWidget* move_dock_ = nullptr;
  std::vector<long> seen_state_;  // what updateViews last saw of the game
  ScoreBar* score_bar_ = nullptr;
  QDockWidget* score_dock_ = nullptr;
  HintOverlay* hint_ = nullptr;
  ReviewDialog* review_ = nullptr;
  AnalysisRunner* score_runner_ = nullptr;
  AnalysisRunner* review_runner_ = nullptr;
  std::unique_ptr<engine::Search> hint_search_;
  std::array<QAction*, static_cast<std::size_t>(Menu::Count)> actions_{};
  std::array<QAction*, static_cast<std::size_t>(AppAction::Count)> app_actions_{};
  std::array<QAction*, engine::kStrengthCount> strength_actions_{};
  std::array<bool, static_cast<std::size_t>(Menu::Count)> wanted_enabled_{};
  std::array<bool, static_cast<std::size_t>(Menu::Count)> bound_{};
  std::array<QWidget*, static_cast<std::size_t>(Control::Count)> controls_{};
  std::array<std::string, static_cast<std::size_t>(Control::Count)> paths_{};  // Dir1, File1
};

// Runs one of the game's handlers; input that came while it waited is dropped after it.
template <class Work>
void GameWindow::handle(Work work) {
  if (ended_) return;
  ++busy_;
  work();
  if (busy_ == 1 && stalled_ && !ended_) dropPendingInput();
  if (busy_ == 1) {
    showBusy(false);
    if (!ended_) updateViews();
  }
  --busy_;
}

// A turn as the window's language writes it: Japanese, or Western notation in English.
std::string written(const engine::Position& before, engine::Move turn, engine::Side sente,
                    int previous_to);

// Whole games against the computer through the real window: the 対局 menu, presses on squares
// and hand cells, and every message box answered as a player would, with a clock that moves
// only when the game waits. LUMINAK_SHOTS=<folder> keeps a picture of each game's end.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <random>
#include <vector>

#include "QtHelpers.h"
#include "shell/BoardTerms.h"

namespace {

using F = Form1;

class QuickWindow : public GameWindow {
 public:
  using GameWindow::GameWindow;
  double Seconds() override { return now_; }
  void Sleep(double seconds) override {
    GameWindow::Sleep(0);  // shows what was drawn
    now_ += seconds;
  }

 private:
  double now_ = 10 * 3600;
};

struct Move {
  Int x, y, x2, y2;
};

// Every legal move and drop of the player, board moves first.
std::vector<Move> player_moves(F& f) {
  std::vector<Move> moves;
  f.調査_2歩フラグ設定();
  for (Int x = 1; x <= F::ban_max; ++x)
    for (Int y = 1; y <= F::ban_max; ++y)
      for (Int x2 = 1; x2 <= F::ban_max; ++x2)
        for (Int y2 = 1; y2 <= F::ban_max; ++y2) {
          if (f.ban[x][y] <= F::man_hu && f.移動チェック(x, y, x2, y2, f.ban[x][y]) == F::ari)
            moves.push_back({x, y, x2, y2});
        }
  for (Int k = 1; k <= F::mochi_max; ++k) {
    if (f.mochi_man[k] <= 0) continue;
    const Int row = board::man_hand_row(k);
    for (Int x2 = 1; x2 <= F::ban_max; ++x2)
      for (Int y2 = 1; y2 <= F::ban_max; ++y2)
        if (f.移動チェック(F::mochi_man_x, row, x2, y2, f.取得_持盤駒(k, f.man_te)) == F::ari)
          moves.push_back({F::mochi_man_x, row, x2, y2});
  }
  return moves;
}

struct GameThroughTheWindow : ::testing::TestWithParam<Menu> {
  std::unique_ptr<QuickWindow> w;
  QStringList boxes;
  QTimer answerer;

  void SetUp() override {
    qt_app();
    w = std::make_unique<QuickWindow>(source_assets());
    w->form.settings_path = (QDir::tempPath() + "/luminak-game-test.ini").toStdString();
    QFile settings(QString::fromStdString(w->form.settings_path));
    if (settings.open(QIODevice::WriteOnly))
      settings.write("BGM=ON\r\n経過時間=ON\r\n背景画=竹\r\n");
    settings.close();
    w->form.Form_Load();
    w->show();
    settle();
    // A player who reads every message and presses its first button.
    QObject::connect(&answerer, &QTimer::timeout, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      boxes << box->text();
      box->buttons().first()->click();
    });
    answerer.start(1);
  }

  void press(Int column, Int row, Qt::MouseButton button) {
    Surface& s = *w->surface();
    const QRectF r = s.pictureRect();
    const double k = r.width() / F::form_w;
    const QPointF at(r.left() + (F::cell_x(column) + F::masu_w / 2.0) * k,
                     r.top() + (F::cell_y(row) + F::masu_h / 2.0) * k);
    QMouseEvent e(QEvent::MouseButtonPress, at, s.mapToGlobal(at), button, button, Qt::NoModifier);
    QApplication::sendEvent(&s, &e);
    settle();
  }
};

TEST_P(GameThroughTheWindow, PlaysToTheEnd) {
  std::mt19937 rng(7);
  w->action(GetParam())->trigger();
  settle();
  F& f = w->form;
  ASSERT_EQ(f.teban, f.man_te) << "the player's turn, after the computer's first move if any";
  constexpr int kMaxPlies = 600;
  while (f.shouri_te == F::te_nasi && f.tesuu < kMaxPlies) {
    ASSERT_EQ(f.teban, f.man_te);
    // Now and then the player casts a spell on one of the computer's pieces first.
    if (rng() % 4 == 0)
      for (Int x = 1; x <= F::ban_max; ++x)
        if (f.ban[x][1] >= F::com_hu) {
          press(x, 1, Qt::LeftButton);
          break;
        }
    const std::vector<Move> moves = player_moves(f);
    ASSERT_FALSE(moves.empty());
    const Move m = moves[rng() % moves.size()];
    const Int moves_before = f.tesuu;
    press(m.x, m.y, Qt::LeftButton);
    press(m.x2, m.y2, Qt::RightButton);  // promotes wherever it may
    ASSERT_GT(f.tesuu, moves_before) << "the move was played";
  }
  ASSERT_NE(f.shouri_te, F::te_nasi) << "no end after " << f.tesuu << " moves";
  const QString end = f.shouri_te == f.com_te ? "ｺﾝﾋﾟｭｰﾀの勝ちです" : "あなたの勝ちです";
  EXPECT_TRUE(boxes.contains(end));
  const QString dir = qEnvironmentVariable("LUMINAK_SHOTS");
  if (!dir.isEmpty())
    w->grab().save(dir + QStringLiteral("/game-%1.png").arg(menu_name(GetParam())));
  boxes.clear();
  press(5, 5, Qt::LeftButton);
  EXPECT_EQ(boxes.value(0), QStringLiteral("新規に対局してください"));
}

INSTANTIATE_TEST_SUITE_P(Starts, GameThroughTheWindow, ::testing::Values(Menu::SENTE, Menu::GOTE),
                         [](const auto& info) { return std::string(menu_name(info.param)); });

// A player who, while the computer plays its first move, clicks its lance three times and
// opens the 局面 menu: the window goes on working through the turn's waits, and none of it is
// carried out afterwards.
class ImpatientPlayer : public QuickWindow {
 public:
  using QuickWindow::QuickWindow;
  static constexpr Int kLanceX = 1, kLanceY = 1;  // the computer's lance, in the corner
  static constexpr int kPresses = 3;
  int presses = 0;
  void Sleep(double seconds) override {
    if (presses < kPresses && form.teban == form.com_te) {
      ++presses;
      const QRectF r = surface()->toLogical(
          QRectF(F::cell_x(kLanceX), F::cell_y(kLanceY), F::masu_w, F::masu_h));
      post(surface(), r.center());
      post(menuBar(), menuBar()->actionGeometry(action(Menu::STOP)).center());
    }
    QuickWindow::Sleep(seconds);
    GameWindow::Sleep(kMoment);
  }

 private:
  static constexpr double kMoment = 0.001;
  static void post(QWidget* to, QPointF at) {
    QCoreApplication::postEvent(
        to, new QMouseEvent(QEvent::MouseButtonPress, at, to->mapToGlobal(at), Qt::LeftButton,
                            Qt::LeftButton, Qt::NoModifier));
  }
};

TEST(ComputersTurn, InputMadeMeanwhileIsDropped) {
  auto w = started_window<ImpatientPlayer>();
  w->action(Menu::GOTE)->trigger();
  settle();
  ASSERT_EQ(w->presses, ImpatientPlayer::kPresses);
  F& f = w->form;
  EXPECT_EQ(f.teban, f.man_te) << "the computer has moved";
  EXPECT_EQ(f.huu_com[ImpatientPlayer::kLanceX][ImpatientPlayer::kLanceY], F::nasi)
      << "the lance is not sealed";
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "no menu opened";
}

// Presses that come while a message box is about to open, and while LEVEL4 thinks (no wait,
// only the window kept alive): none reaches the game or answers a box. Meanwhile the pointer
// over the window is the busy one, and the ordinary one again when the game listens.
class PressingAnytime : public ImpatientPlayer {
 public:
  using ImpatientPlayer::ImpatientPlayer;
  int boxes = 0, thinking = 0, busy_pointer = 0;
  int MsgBox(const std::string& text, int buttons, const std::string& title) override {
    ++boxes;
    press_board();
    return ImpatientPlayer::MsgBox(text, buttons, title);
  }
  void KeepAlive() override {
    if (thinking++ < kPresses) press_board();
    ImpatientPlayer::KeepAlive();
    busy_pointer += cursor().shape() == Qt::WaitCursor;
  }
  void Sleep(double seconds) override {
    ImpatientPlayer::Sleep(seconds);
    busy_pointer += cursor().shape() == Qt::WaitCursor;
  }
  void press_board() {
    const QRectF r =
        surface()->toLogical(QRectF(F::cell_x(kLanceX), F::cell_y(kLanceY), F::masu_w, F::masu_h));
    QCoreApplication::postEvent(
        surface(),
        new QMouseEvent(QEvent::MouseButtonPress, r.center(), surface()->mapToGlobal(r.center()),
                        Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
  }
};

TEST(ComputersTurn, PressesBeforeABoxAndWhileThinkingAreDropped) {
  auto w = started_window<PressingAnytime>();
  BoxRecorder answers;
  F& f = w->form;
  // Before a game the board asks for one; the press made as the box opens asks nothing more.
  w->press_board();
  settle();
  EXPECT_EQ(w->boxes, 1);
  EXPECT_EQ(w->cursor().shape(), Qt::ArrowCursor);

  w->strengthAction(engine::kStrongest)->trigger();
  f.探索_局面数 = 20000;  // the window is kept alive every few thousand nodes
  w->action(Menu::GOTE)->trigger();
  settle();
  EXPECT_GT(w->thinking, PressingAnytime::kPresses) << "LEVEL4 kept the window alive";
  EXPECT_EQ(f.teban, f.man_te) << "the computer has moved";
  EXPECT_EQ(f.sentaku, 0) << "no piece was picked up";
  EXPECT_EQ(f.huu_com[PressingAnytime::kLanceX][PressingAnytime::kLanceY], F::nasi);
  EXPECT_GT(w->busy_pointer, PressingAnytime::kPresses);
  EXPECT_EQ(w->cursor().shape(), Qt::ArrowCursor) << "the player's turn: the ordinary pointer";
}

}  // namespace

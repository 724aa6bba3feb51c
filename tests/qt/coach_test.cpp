// LEVEL4 as a coach through the real window: a hint shown and not played, the score beside the
// board computed meanwhile, a review of a game with its graph and marks, and the computer's own
// play unchanged by any of them.
#include <gtest/gtest.h>

#include <QAction>
#include <QDockWidget>
#include <QElapsedTimer>
#include <QLineSeries>
#include <QMouseEvent>

#include "app/AnalysisRunner.h"
#include "app/HintOverlay.h"
#include "app/MoveListPanel.h"
#include "app/ReviewDialog.h"
#include "app/ScoreBar.h"
#include "tests/qt/QtHelpers.h"

namespace {

using F = Form1;
constexpr int kWaitMs = 60000;

struct CoachTest : PlayedWindow {
  // Lets the window run until `done` holds.
  template <class Done>
  bool wait_for(Done done) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < kWaitMs) QApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
  }
};

TEST_F(CoachTest, AHintIsShownNotPlayedAndGoesWithTheNextPress) {
  w->action(AppAction::Hint)->trigger();
  EXPECT_FALSE(w->hintOverlay()->shown()) << "no game, no hint";
  w->action(Menu::START)->trigger();
  play(3, 7, 3, 6);
  const std::vector<Int> board(&w->form.ban[0][0],
                               &w->form.ban[0][0] + sizeof w->form.ban / sizeof(Int));
  w->action(AppAction::Hint)->trigger();
  ASSERT_TRUE(w->hintOverlay()->shown());
  EXPECT_TRUE(w->hintOverlay()->text().startsWith(QStringLiteral("ヒント △")))
      << w->hintOverlay()->text().toStdString();
  EXPECT_EQ(std::vector<Int>(&w->form.ban[0][0], &w->form.ban[0][0] + board.size()), board)
      << "nothing is played";
  EXPECT_EQ(w->form.tesuu, 1);
  press(9, 9);
  EXPECT_FALSE(w->hintOverlay()->shown());
}

TEST_F(CoachTest, TheScoreFollowsEveryMove) {
  w->action(AppAction::Score)->trigger();
  settle();
  EXPECT_TRUE(w->findChild<QDockWidget*>(QStringLiteral("ScoreDock"))->isVisible());
  w->action(Menu::START)->trigger();
  play(3, 7, 3, 6);
  ASSERT_TRUE(wait_for([&] { return !w->scoreRunner().running(); }));
  EXPECT_NE(w->scoreBar()->text(), QStringLiteral("…"));
  // The lower side gives its bishop away: the bar leans to the upper side.
  play(7, 3, 7, 4);
  play(2, 8, 5, 5);
  play(8, 2, 5, 5);
  ASSERT_TRUE(wait_for([&] { return !w->scoreRunner().running(); }));
  EXPECT_LT(w->scoreBar()->lowerShare(), 0.5) << w->scoreBar()->text().toStdString();
}

TEST_F(CoachTest, AReviewGraphsTheGameAndMarksTheBlunder) {
  w->action(Menu::START)->trigger();
  play(3, 7, 3, 6);
  play(7, 3, 7, 4);
  play(2, 8, 5, 5);  // the bishop steps where the upper bishop takes it for nothing
  play(8, 2, 5, 5);
  w->action(AppAction::Review)->trigger();
  ASSERT_TRUE(wait_for([&] { return w->review() && w->review()->isVisible(); }));
  EXPECT_EQ(w->review()->series()->count(), 5) << "the start and four plies";
  bool marked = false;
  for (int i = 0; i < w->moveList()->count(); ++i)
    marked |= w->moveList()->item(i)->text().startsWith(QStringLiteral("   3 ▲")) &&
              w->moveList()->item(i)->text().contains(QStringLiteral("悪手"));
  EXPECT_TRUE(marked) << "the bishop given away is a blunder";
  emit w->review()->plyChosen(2);
  settle();
  EXPECT_EQ(w->form.kifu_tesuu, 2);
}

// LEVEL4 at a node limit answers the same with the coach's views on as off.
TEST(CoachAndPlay, TheComputersTurnIsTheSameWithTheViewsOn) {
  auto board_after_its_turn = [](bool views) {
    auto w = started_window();
    BoxRecorder boxes;
    if (views) {
      w->action(AppAction::Score)->trigger();
      w->action(AppAction::MoveList)->trigger();
    }
    w->strengthAction(engine::kStrongest)->trigger();
    w->form.探索_局面数 = 20000;
    w->action(Menu::GOTE)->trigger();
    settle();
    std::vector<Int> board;  // the squares and the seal the computer cast
    for (int x = 1; x <= F::ban_max; ++x)
      for (int y = 1; y <= F::ban_max; ++y)
        board.insert(board.end(), {w->form.ban[x][y], w->form.huu_man[x][y]});
    return board;
  };
  EXPECT_EQ(board_after_its_turn(true), board_after_its_turn(false));
}

}  // namespace

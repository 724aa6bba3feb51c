// The move list beside the board: the game's plies as they are played, the ply shown
// highlighted, a click on a ply showing its position; the board keeps its size.
#include <gtest/gtest.h>

#include <QAction>
#include <QDockWidget>
#include <QMouseEvent>

#include "app/MoveListPanel.h"
#include "tests/qt/QtHelpers.h"

namespace {

using F = Form1;

// Two people play three plies through the window's own presses.
struct MoveListTest : PlayedWindow {
  QStringList rows() const {
    QStringList r;
    for (int i = 0; i < w->moveList()->count(); ++i) r << w->moveList()->item(i)->text();
    return r;
  }
};

TEST_F(MoveListTest, ShowsThePliesAndStepsToAChosenOne) {
  const double scale = w->surface()->scale();
  const int width = w->width();
  w->action(AppAction::MoveList)->trigger();
  settle();
  EXPECT_TRUE(w->findChild<QDockWidget*>(QStringLiteral("MoveListDock"))->isVisible());
  EXPECT_GT(w->width(), width) << "the window widens by the panel";
  EXPECT_DOUBLE_EQ(w->surface()->scale(), scale) << "the board keeps its size";

  w->action(Menu::START)->trigger();
  play(3, 7, 3, 6);
  play(7, 3, 7, 4);
  play(2, 8, 8, 2);  // the bishop takes, the left button declining promotion
  settle();
  ASSERT_EQ(rows().size(), 4);
  EXPECT_EQ(rows()[0], QStringLiteral("開始局面"));
  EXPECT_EQ(rows()[1], QStringLiteral("   1 ▲７六歩"));
  EXPECT_EQ(rows()[2], QStringLiteral("   2 △３四歩"));
  EXPECT_EQ(rows()[3], QStringLiteral("   3 ▲２二角不成"));
  EXPECT_EQ(w->moveList()->currentRow(), 3);

  emit w->moveList()->plyChosen(1);
  settle();
  EXPECT_EQ(w->form.kifu_tesuu, 1);
  EXPECT_EQ(w->form.ban[3][6], F::man_hu);
  EXPECT_EQ(w->form.ban[7][4], F::kara) << "the position after ply 1";
  EXPECT_EQ(w->moveList()->currentRow(), 1);
  // Play goes on from there: the later plies are dropped.
  play(3, 3, 3, 4);
  settle();
  ASSERT_EQ(rows().size(), 3);
  EXPECT_EQ(rows()[2], QStringLiteral("   2 △７四歩"));
}

}  // namespace

namespace {

// In English the plies are written in Western notation, and back in Japanese as before.
TEST_F(MoveListTest, EnglishWritesThePliesInWesternNotation) {
  w->action(AppAction::MoveList)->trigger();
  w->action(Menu::START)->trigger();
  play(3, 7, 3, 6);
  w->useEnglish();
  EXPECT_EQ(rows()[1], QStringLiteral("   1 P-7f"));
  w->useJapanese();
  EXPECT_EQ(rows()[1], QStringLiteral("   1 ▲７六歩"));
}

}  // namespace

// The seal spell: flags on squares and hand kinds, and their release with the redraws.
#include <gtest/gtest.h>

#include "support/Game.h"

namespace {

using F = Form1;

int flags_set(const Int (&a)[10][10]) {
  int n = 0;
  for (auto& col : a)
    for (Int v : col) n += v != F::nasi;
  return n;
}
int flags_set(const Int (&a)[8]) {
  int n = 0;
  for (Int v : a) n += v != F::nasi;
  return n;
}

TEST(RulesSeal, BoardSquaresBySide) {
  Game g;
  g.clear_board();
  g->ban[3][3] = F::com_gin;
  g->ban[7][7] = F::man_hu;
  g->駒処理_封(3, 3);
  g->駒処理_封(7, 7);
  g->駒処理_封(5, 5);  // empty
  EXPECT_EQ(g->huu_com[3][3], F::ari);
  EXPECT_EQ(g->huu_man[7][7], F::ari);
  EXPECT_EQ(flags_set(g->huu_com), 1);
  EXPECT_EQ(flags_set(g->huu_man), 1);
  EXPECT_EQ(flags_set(g->huu_mochi_com) + flags_set(g->huu_mochi_man), 0);
  EXPECT_TRUE(g.w.calls.empty());  // the caller draws the sealed piece
}

TEST(RulesSeal, HandKinds) {
  Game g;
  g.clear_board();
  g->駒処理_封(11, 7);
  EXPECT_EQ(g->huu_mochi_man[7], F::ari);
  EXPECT_EQ(g->移動チェック(11, 9, 5, 5, F::man_sya), F::nasi);  // its cell is row 9
  EXPECT_EQ(g->移動チェック(11, 8, 5, 5, F::man_kaku), F::ari);
  g->駒処理_封(-1, 1);
  EXPECT_EQ(g->huu_mochi_com[1], F::ari);
  EXPECT_EQ(g->移動チェック(-1, 7, 5, 5, F::com_hu), F::nasi);
  EXPECT_EQ(flags_set(g->huu_mochi_man) + flags_set(g->huu_mochi_com), 2);
}

TEST(RulesSeal, TargetsOutsideTheBoardAndHandsAreIgnored) {
  Game g;
  g.clear_board();
  for (Int y = 1; y <= 9; ++y) g->ban[1][y] = g->ban[9][y] = F::com_hu;
  const Int bad[][2] = {{-1, 0}, {-1, 8}, {-1, -5}, {11, 0}, {11, 8}, {11, 99},  {0, 5},
                        {10, 5}, {5, 0},  {5, 10},  {-7, 3}, {12, 3}, {300, 300}};
  for (auto& b : bad) g->駒処理_封(b[0], b[1]);
  EXPECT_EQ(flags_set(g->huu_man) + flags_set(g->huu_com), 0);
  EXPECT_EQ(flags_set(g->huu_mochi_man) + flags_set(g->huu_mochi_com), 0);
}

TEST(RulesSeal, ReleaseClearsOnlyTheCastersSealsAndRedrawsThem) {
  Game g;
  g.clear_board();
  g->ban[3][3] = F::com_gin;
  g->ban[7][7] = F::man_hu;
  g->mochi_com[7] = 1;
  g->mochi_man[2] = 1;
  g->huu_com[3][3] = F::ari;
  g->huu_mochi_com[7] = F::ari;
  g->huu_man[7][7] = F::ari;
  g->huu_mochi_man[2] = F::ari;

  g->駒処理_開放(g->man_te);  // the human's seals lie on the computer's pieces
  EXPECT_EQ(flags_set(g->huu_com) + flags_set(g->huu_mochi_com), 0);
  EXPECT_EQ(g->huu_man[7][7], F::ari);
  EXPECT_EQ(g->huu_mochi_man[2], F::ari);
  EXPECT_EQ(g.w.painted_at_cell(3, 3), Picture::UE_GIN_0);
  EXPECT_EQ(g.w.painted_at_cell(-1, 1), Picture::UE_SYA_0);
  EXPECT_EQ(g.w.calls[g.w.last_box_of_cell(3, 3)].colour, F::iro_haikei);
  EXPECT_EQ(g.w.calls[g.w.last_box_of_cell(-1, 1)].colour, F::iro_haikei);
  EXPECT_EQ(g.w.paints_at_cell(7, 7), 0);
  EXPECT_EQ(g.w.paints_at_cell(11, 4), 0);

  g.w.clear();
  g->駒処理_開放(g->com_te);
  EXPECT_EQ(flags_set(g->huu_man) + flags_set(g->huu_mochi_man), 0);
  EXPECT_EQ(g.w.painted_at_cell(7, 7), Picture::SITA_HU_0);
  EXPECT_EQ(g.w.painted_at_cell(11, 4), Picture::SITA_KYOU_0);
  EXPECT_EQ(g.w.paints_at_cell(3, 3), 0);
}

TEST(RulesSeal, ReleaseFollowsTheSideValuesNotTheSigns) {
  Game g;
  g.clear_board();
  g->man_te = F::te_sente;
  g->com_te = F::te_gote;
  g->ban[3][3] = F::com_gin;
  g->huu_com[3][3] = F::ari;
  g->huu_man[4][4] = F::ari;
  g->駒処理_開放(F::te_sente);  // the human's
  EXPECT_EQ(g->huu_com[3][3], F::nasi);
  EXPECT_EQ(g->huu_man[4][4], F::ari);
  g->駒処理_開放(F::te_nasi);
  EXPECT_EQ(g->huu_man[4][4], F::ari);
}

TEST(RulesSeal, ReleaseLeavesHandIndexZeroAlone) {
  Game g;
  g.clear_board();
  g->huu_mochi_com[0] = F::ari;
  g->駒処理_開放(g->man_te);
  EXPECT_EQ(g->huu_mochi_com[0], F::ari);
  EXPECT_TRUE(g.w.calls.empty());
}

TEST(RulesSeal, SealedPieceStaysPutUntilReleased) {
  Game g;
  g.clear_board();
  g->ban[3][3] = F::com_gin;
  g->ban[6][1] = F::com_kin;
  g->駒処理_封(3, 3);
  g->駒移動(6, 1, 6, 2, F::com_kin);
  EXPECT_EQ(g->huu_com[3][3], F::ari);
  for (Int x = 1; x <= 9; ++x)
    for (Int y = 1; y <= 9; ++y) EXPECT_EQ(g->移動チェック(3, 3, x, y, F::com_gin), F::nasi);
  g->駒処理_開放(g->man_te);
  EXPECT_EQ(g->移動チェック(3, 3, 3, 4, F::com_gin), F::ari);
}

}  // namespace

// Making a move: captures into the hands, drops, the redraws, promotion, forced promotion,
// the two-pawn flags and the hand helpers.
#include <gtest/gtest.h>

#include <vector>

#include "support/Game.h"

namespace {

using F = Form1;

struct Capture {
  Int code;
  int kind;  // hand kind it becomes
};

const Capture kCaptures[] = {
    {F::com_hu, 1},  {F::com_hu_nari, 1},  {F::com_kyou, 2}, {F::com_kyou_nari, 2},
    {F::com_kei, 3}, {F::com_kei_nari, 3}, {F::com_gin, 4},  {F::com_gin_nari, 4},
    {F::com_kin, 5}, {F::com_kin_nari, 5}, {F::com_kaku, 6}, {F::com_kaku_nari, 6},
    {F::com_sya, 7}, {F::com_sya_nari, 7},
};

int hand_total(const Int (&hand)[8]) {
  int n = 0;
  for (int k = 0; k <= 7; ++k) n += hand[k];
  return n;
}

// ---- 駒取得 ------------------------------------------------------------------------------

TEST(RulesCapture, EveryCodeGoesToTheCaptorsHandUnpromoted) {
  for (const Capture& c : kCaptures) {
    Game g;
    g.clear_board();
    g->駒取得(c.code);  // an upper piece is taken by the lower side
    EXPECT_EQ(g->mochi_man[c.kind], 1) << c.code;
    EXPECT_EQ(hand_total(g->mochi_man), 1) << c.code;
    EXPECT_EQ(hand_total(g->mochi_com), 0) << c.code;
    g->駒取得(static_cast<Int>(-c.code));
    EXPECT_EQ(g->mochi_com[c.kind], 1) << -c.code;
    EXPECT_EQ(hand_total(g->mochi_com), 1) << -c.code;
    EXPECT_EQ(g->shouri_te, F::te_nasi);
  }
}

TEST(RulesCapture, KingsNeverEnterAHandButDecideTheGame) {
  Game g;
  g.clear_board();
  g->駒取得(F::com_ou);
  EXPECT_EQ(g->shouri_te, g->man_te);
  g->駒取得(F::man_ou);
  EXPECT_EQ(g->shouri_te, g->com_te);
  EXPECT_EQ(hand_total(g->mochi_man) + hand_total(g->mochi_com), 0);
}

TEST(RulesCapture, CodesThatAreNoPieceChangeNothing) {
  Game g;
  g.clear_board();
  for (Int code : {F::kara, Int{5}, Int{-5}, Int{15}, Int{99}, Int{141}, Int{-999}})
    g->駒取得(code);
  EXPECT_EQ(hand_total(g->mochi_man) + hand_total(g->mochi_com), 0);
  EXPECT_EQ(g->shouri_te, F::te_nasi);
}

// ---- 駒移動 ------------------------------------------------------------------------------

TEST(RulesMove, CapturingAPromotedRookGivesARookInHand) {
  Game g;
  g.clear_board();
  g->ban[5][9] = F::man_ou;
  g->ban[5][3] = F::man_sya;
  g->ban[5][1] = F::com_sya_nari;
  g->駒移動(5, 3, 5, 1, F::man_sya_nari);
  EXPECT_EQ(g->ban[5][1], F::man_sya_nari);
  EXPECT_EQ(g->ban[5][3], F::kara);
  EXPECT_EQ(g->mochi_man[7], 1);
  EXPECT_EQ(g->mochi_man_kei, 1);
  EXPECT_EQ(hand_total(g->mochi_com), 0);
  EXPECT_EQ(g->mochi_com_kei, 0);
}

TEST(RulesMove, CapturingTheKingCountsInTheTotalOnly) {
  Game g;
  g.clear_board();
  g->ban[5][2] = F::man_kin;
  g->ban[5][1] = F::com_ou;
  g->駒移動(5, 2, 5, 1, F::man_kin);
  EXPECT_EQ(hand_total(g->mochi_man), 0);
  EXPECT_EQ(g->mochi_man_kei, 1);
  EXPECT_EQ(g->shouri_te, g->man_te);

  g->ban[4][4] = F::com_kaku;
  g->ban[6][6] = F::man_ou;
  g->駒移動(4, 4, 6, 6, F::com_kaku);
  EXPECT_EQ(hand_total(g->mochi_com), 0);
  EXPECT_EQ(g->mochi_com_kei, 1);
  EXPECT_EQ(g->shouri_te, g->com_te);
}

TEST(RulesMove, DropsTakeFromTheRightHandRow) {
  Game g;
  g.clear_board();
  g->mochi_com[5] = 2;
  g->mochi_com_kei = 2;
  g->駒移動(-1, 5, 4, 4, F::com_kin);  // the upper hand is named by the kind
  EXPECT_EQ(g->ban[4][4], F::com_kin);
  EXPECT_EQ(g->mochi_com[5], 1);
  EXPECT_EQ(g->mochi_com_kei, 1);

  g->mochi_man[5] = 1;
  g->mochi_man_kei = 1;
  g->駒移動(11, 7, 6, 6, F::man_kin);  // the lower hand by its screen row
  EXPECT_EQ(g->ban[6][6], F::man_kin);
  EXPECT_EQ(g->mochi_man[5], 0);
  EXPECT_EQ(g->mochi_man_kei, 0);
  EXPECT_EQ(g->mochi_com[5], 1);
}

TEST(RulesMove, TheLowerKingsSquareFollowsItsMoves) {
  Game g;
  g.clear_board();
  g->ban[5][9] = F::man_ou;
  g->ban[5][1] = F::com_ou;
  g->man_ou_x = 5, g->man_ou_y = 9;
  g->com_ou_x = 5, g->com_ou_y = 1;
  g->駒移動(5, 9, 4, 8, F::man_ou);
  EXPECT_EQ(g->man_ou_x, 4);
  EXPECT_EQ(g->man_ou_y, 8);
  g->駒移動(5, 1, 6, 2, F::com_ou);  // the upper king is found by the influence maps
  EXPECT_EQ(g->com_ou_x, 5);
  EXPECT_EQ(g->com_ou_y, 1);
}

TEST(RulesMove, SealFlagsStayOnTheirSquares) {
  Game g;
  g.clear_board();
  g->ban[3][3] = F::com_gin;
  g->huu_com[3][3] = F::ari;
  g->ban[7][7] = F::man_hu;
  g->huu_man[7][7] = F::ari;
  g->ban[2][2] = F::com_kin;
  g->駒移動(2, 2, 2, 3, F::com_kin);
  g->ban[6][8] = F::man_kin;
  g->駒移動(6, 8, 6, 7, F::man_kin);
  EXPECT_EQ(g->huu_com[3][3], F::ari);
  EXPECT_EQ(g->huu_man[7][7], F::ari);
  EXPECT_EQ(g->huu_com[2][3], F::nasi);
  EXPECT_EQ(g->移動チェック(3, 3, 3, 4, F::com_gin), F::nasi);
  EXPECT_EQ(g->移動チェック(2, 3, 2, 4, F::com_kin), F::ari);
}

TEST(RulesMove, RedrawsSourceDestinationAndTheHandThatChanged) {
  Game g;
  g.clear_board();
  g->ban[2][8] = F::man_kaku;
  g->ban[8][2] = F::com_kaku;
  g.w.clear();
  g->駒移動(2, 8, 8, 2, F::man_kaku_nari);
  EXPECT_EQ(g.w.painted_at_cell(8, 2), Picture::SITA_KAKU_1);
  EXPECT_EQ(g.w.painted_at_cell(2, 8), Picture::KARA_MASU);
  EXPECT_GE(g.w.last_box_of_cell(8, 2), 0);
  EXPECT_GE(g.w.last_box_of_cell(2, 8), 0);
  EXPECT_EQ(g.w.calls[g.w.last_box_of_cell(8, 2)].colour, F::iro_haikei);
  EXPECT_EQ(g.w.painted_at_cell(11, 8), Picture::SITA_KAKU_0);  // bishop now in the lower hand
  EXPECT_EQ(g.w.paints_at_cell(-1, 2), 0);                      // the upper hand was not touched

  g.w.clear();
  g->mochi_com[1] = 1;
  g->mochi_com_kei = 1;
  g->駒移動(-1, 1, 5, 5, F::com_hu);
  EXPECT_EQ(g.w.painted_at_cell(5, 5), Picture::UE_HU_0);
  EXPECT_EQ(g.w.painted_at_cell(-1, 7), Picture::KARA_MASU);  // the pawn's slot is empty now
  EXPECT_EQ(g.w.paints_at_cell(11, 8), 0);
}

TEST(RulesMove, MovesThatNameNoRealSquareChangeNothing) {
  struct Bad {
    Int fx, fy, tx, ty;
  };
  const Bad bad[] = {
      {5, 5, 0, 5},   {5, 5, 10, 5}, {5, 5, 5, 0},   {5, 5, 5, 10},   {5, 5, -1, 3}, {5, 5, 11, 3},
      {0, 5, 5, 4},   {10, 5, 5, 4}, {5, 0, 5, 4},   {5, 5, 5, 5},    {-1, 0, 4, 4}, {-1, 8, 4, 4},
      {-1, -3, 4, 4}, {11, 2, 4, 4}, {11, 10, 4, 4}, {11, 300, 4, 4},
  };
  for (const Bad& b : bad) {
    Game g;
    g.clear_board();
    g->ban[5][5] = F::com_sya;
    g->ban[5][4] = F::man_hu;
    for (int k = 0; k <= 7; ++k) g->mochi_man[k] = g->mochi_com[k] = 1;
    g->mochi_man_kei = g->mochi_com_kei = 8;
    g->駒移動(b.fx, b.fy, b.tx, b.ty, F::com_sya);
    EXPECT_EQ(g->ban[5][5], F::com_sya);
    EXPECT_EQ(g->ban[5][4], F::man_hu);
    EXPECT_EQ(hand_total(g->mochi_man), 8);
    EXPECT_EQ(hand_total(g->mochi_com), 8);
    EXPECT_EQ(g->mochi_man_kei + g->mochi_com_kei, 16);
  }
}

// ---- Promotion ---------------------------------------------------------------------------

struct Promotion {
  Int code;
  bool also_leaving;  // 銀 角 飛 also promote by leaving the zone
};

TEST(RulesPromotion, ZoneTableForEveryPromotingPiece) {
  const Promotion rows[] = {
      {F::man_hu, false},  {F::man_kyou, false}, {F::man_kei, false}, {F::man_gin, true},
      {F::man_kaku, true}, {F::man_sya, true},   {F::com_hu, false},  {F::com_kyou, false},
      {F::com_kei, false}, {F::com_gin, true},   {F::com_kaku, true}, {F::com_sya, true},
  };
  Game g;
  for (const Promotion& p : rows) {
    for (Int from = 1; from <= 9; ++from)
      for (Int to = 1; to <= 9; ++to) {
        const bool lower = p.code < 0;
        auto in_zone = [&](int y) { return lower ? y <= 3 : y >= 7; };
        const bool may = in_zone(to) || (p.also_leaving && in_zone(from));
        g->nari_koma = 0;
        EXPECT_EQ(g->調査_駒成(5, from, 5, to, p.code), may ? F::ari : F::nasi)
            << p.code << " " << from << "->" << to;
        EXPECT_EQ(g->nari_koma, may ? (lower ? p.code - 1 : p.code + 1) : 0);
      }
  }
}

TEST(RulesPromotion, NamedCases) {
  Game g;
  EXPECT_EQ(g->調査_駒成(3, 2, 3, 4, F::man_gin), F::ari);
  EXPECT_EQ(g->nari_koma, F::man_gin_nari);
  EXPECT_EQ(g->調査_駒成(3, 4, 3, 3, F::man_hu), F::ari);
  EXPECT_EQ(g->nari_koma, F::man_hu_nari);
  EXPECT_EQ(g->調査_駒成(3, 4, 3, 5, F::man_hu), F::nasi);
  EXPECT_EQ(g->nari_koma, F::man_hu_nari);  // kept from the last yes
}

TEST(RulesPromotion, DropsGoldKingsAndPromotedPiecesNever) {
  Game g;
  g->nari_koma = 77;
  for (Int y = 1; y <= 9; ++y) {
    EXPECT_EQ(g->調査_駒成(-1, 7, 5, y, F::com_hu), F::nasi);
    EXPECT_EQ(g->調査_駒成(11, 3, 5, y, F::man_hu), F::nasi);
    EXPECT_EQ(g->調査_駒成(-1, 1, 5, y, F::com_sya), F::nasi);
    for (Int code : {F::man_kin, F::com_kin, F::man_ou, F::com_ou, F::man_hu_nari, F::com_sya_nari,
                     F::man_kaku_nari, F::com_gin_nari}) {
      EXPECT_EQ(g->調査_駒成(5, y, 5, 10 - y, code), F::nasi) << code;
    }
  }
  EXPECT_EQ(g->nari_koma, 77);
}

TEST(RulesPromotion, ForcedWhereThePieceWouldHaveNoMoveLeft) {
  struct Forced {
    Int code;
    std::vector<int> must_rows;
  };
  const Forced rows[] = {
      {F::com_hu, {9}}, {F::com_kyou, {9}}, {F::com_kei, {8, 9}},
      {F::man_hu, {1}}, {F::man_kyou, {1}}, {F::man_kei, {1, 2}},
  };
  Game g;
  for (const Forced& r : rows)
    for (Int y = 1; y <= 9; ++y) {
      bool must = false;
      for (int m : r.must_rows) must = must || m == y;
      EXPECT_EQ(g->移動後チェック(y, r.code), must ? F::nasi : F::ari) << r.code << " " << y;
    }
  for (Int code : {F::com_gin, F::man_gin, F::com_kin, F::com_hu_nari, F::man_kyou_nari,
                   F::man_kei_nari, F::com_sya, F::man_kaku, F::man_ou})
    for (Int y = 1; y <= 9; ++y) EXPECT_EQ(g->移動後チェック(y, code), F::ari) << code;
}

// ---- Two pawns and hands ------------------------------------------------------------------

TEST(RulesTwoPawns, FlagsFollowUnpromotedPawnsOnly) {
  Game g;
  g.clear_board();
  g->ban[5][6] = F::man_hu;
  g->ban[2][2] = F::com_hu;
  g->ban[2][5] = F::man_hu_nari;
  g->ban[8][8] = F::com_hu_nari;
  g->ban[7][4] = F::man_hu;
  g->huu_man[7][4] = F::ari;
  g->nihu_man[0] = g->nihu_com[0] = 42;
  g->nihu_man[3] = g->nihu_com[3] = F::ari;  // stale
  g->調査_2歩フラグ設定();
  for (int x = 1; x <= 9; ++x) {
    EXPECT_EQ(g->nihu_man[x], (x == 5 || x == 7) ? F::ari : F::nasi) << x;
    EXPECT_EQ(g->nihu_com[x], x == 2 ? F::ari : F::nasi) << x;
  }
  EXPECT_EQ(g->nihu_man[0], 42);

  // The pawn on column 5 promotes: the flag goes unless another pawn stands there.
  g->駒移動(5, 6, 5, 3, F::man_hu_nari);
  g->調査_2歩フラグ設定();
  EXPECT_EQ(g->nihu_man[5], F::nasi);
  g->ban[5][8] = F::man_hu;
  g->調査_2歩フラグ設定();
  EXPECT_EQ(g->nihu_man[5], F::ari);
}

TEST(RulesHand, CountsOnlyPositiveEntriesOfTheRightHand) {
  Game g;
  g.clear_board();
  g->mochi_man[1] = 3;
  g->mochi_man[7] = 1;
  g->mochi_man[4] = -2;
  g->mochi_man[0] = 9;  // not a kind
  g->mochi_com[6] = 2;
  EXPECT_EQ(g->調査_持駒数(g->man_te), 4);
  EXPECT_EQ(g->調査_持駒数(g->com_te), 2);
  EXPECT_EQ(g->調査_持駒数(F::te_nasi), 0);
  EXPECT_EQ(g->調査_持駒数(5), 0);
  g->man_te = F::te_sente;  // the human moving first still owns mochi_man
  g->com_te = F::te_gote;
  EXPECT_EQ(g->調査_持駒数(F::te_sente), 4);
}

TEST(RulesHand, KindToCode) {
  Game g;
  const Int upper[] = {F::com_hu,  F::com_kyou, F::com_kei, F::com_gin,
                       F::com_kin, F::com_kaku, F::com_sya};
  for (Int k = 1; k <= 7; ++k) {
    EXPECT_EQ(g->取得_持盤駒(k, g->com_te), upper[k - 1]);
    EXPECT_EQ(g->取得_持盤駒(k, g->man_te), -upper[k - 1]);
  }
  for (Int k : {Int{-1}, Int{0}, Int{8}, Int{100}}) {
    EXPECT_EQ(g->取得_持盤駒(k, g->com_te), 0);
    EXPECT_EQ(g->取得_持盤駒(k, g->man_te), 0);
  }
}

}  // namespace

// Check and mate, the escape squares of the lower king and finding the kings, with a
// property test that every trial move is taken back.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/Game.h"

namespace {

using F = Form1;

struct Piece {
  Int x, y, code;
};

// A position drawn for the lower king; the same position turned round serves the upper king.
struct MatePosition {
  std::string name;
  std::vector<Piece> pieces;
  std::vector<std::pair<int, int>> lower_hand;  // kind, count
  Int mated;                                    // the answer for the lower king
};

const std::vector<MatePosition>& positions() {
  static const std::vector<MatePosition> p = {
      {"NotAttackedThoughBoxedIn",
       {{5, 9, F::man_ou},
        {4, 9, F::man_kin},
        {6, 9, F::man_kin},
        {4, 8, F::man_hu},
        {5, 8, F::man_hu},
        {6, 8, F::man_hu},
        {4, 1, F::com_sya},
        {6, 1, F::com_sya}},
       {},
       F::nasi},
      {"GoldCheckWithAFreeSquare",
       {{5, 5, F::man_ou}, {5, 4, F::com_kin}, {5, 3, F::com_hu}},
       {},
       F::nasi},
      {"HeadGoldSupported", {{5, 9, F::man_ou}, {5, 8, F::com_kin}, {5, 7, F::com_hu}}, {}, F::ari},
      {"HeadGoldTheKingTakes", {{5, 9, F::man_ou}, {5, 8, F::com_kin}}, {}, F::nasi},
      {"HeadGoldTakenByAGold",
       {{5, 9, F::man_ou}, {5, 8, F::com_kin}, {5, 7, F::com_hu}, {4, 9, F::man_kin}},
       {},
       F::nasi},
      {"HeadGoldTakenByAPinnedGold",
       {{5, 9, F::man_ou},
        {5, 8, F::com_kin},
        {5, 7, F::com_hu},
        {4, 9, F::man_kin},
        {1, 9, F::com_sya}},
       {},
       F::ari},
      {"LanceCheckSilverInHand",
       {{5, 9, F::man_ou},
        {4, 9, F::man_kyou},
        {6, 9, F::man_kyou},
        {4, 8, F::man_hu},
        {6, 8, F::man_hu},
        {5, 6, F::com_kyou}},
       {{4, 1}},
       F::nasi},
      {"LanceCheckOnlyPawnsInHand",
       {{5, 9, F::man_ou},
        {4, 9, F::man_kyou},
        {6, 9, F::man_kyou},
        {4, 8, F::man_hu},
        {6, 8, F::man_hu},
        {5, 6, F::com_kyou}},
       {{1, 2}},
       F::ari},
      {"LanceCheckEmptyHand",
       {{5, 9, F::man_ou},
        {4, 9, F::man_kyou},
        {6, 9, F::man_kyou},
        {4, 8, F::man_hu},
        {6, 8, F::man_hu},
        {5, 6, F::com_kyou}},
       {},
       F::ari},
      {"LanceCheckBlockedByABoardPiece",
       {{5, 9, F::man_ou},
        {4, 9, F::man_kyou},
        {6, 9, F::man_kyou},
        {4, 8, F::man_hu},
        {6, 8, F::man_kin},
        {5, 6, F::com_kyou}},
       {},
       F::nasi},
      {"KnightCheckNoDropHelps",
       {{5, 9, F::man_ou},
        {4, 9, F::man_kyou},
        {6, 9, F::man_kyou},
        {4, 8, F::man_kei},
        {6, 8, F::man_kei},
        {5, 8, F::man_hu},
        {4, 7, F::com_kei}},
       {{4, 1}, {7, 1}},
       F::ari},
      {"KnightCheckTheKnightIsTaken",
       {{5, 9, F::man_ou},
        {4, 9, F::man_kyou},
        {6, 9, F::man_kyou},
        {4, 8, F::man_hu},
        {6, 8, F::man_kei},
        {5, 8, F::man_hu},
        {4, 7, F::com_kei}},
       {},
       F::nasi},
      {"BishopCheckFromAfarSilverInHand",
       {{5, 9, F::man_ou},
        {4, 9, F::man_kin},
        {6, 9, F::man_kin},
        {5, 8, F::man_hu},
        {4, 8, F::man_kyou},
        {9, 5, F::com_kaku}},
       {{4, 1}},
       F::nasi},
  };
  return p;
}

void set_up(Game& g, const MatePosition& p, bool turned) {
  g.clear_board();
  for (const Piece& q : p.pieces) {
    if (turned)
      g->ban[10 - q.x][10 - q.y] = static_cast<Int>(-q.code);
    else
      g->ban[q.x][q.y] = q.code;
  }
  for (auto [kind, n] : p.lower_hand) {
    (turned ? g->mochi_com : g->mochi_man)[kind] = static_cast<Int>(n);
    (turned ? g->mochi_com_kei : g->mochi_man_kei) += static_cast<Int>(n);
  }
  g->調査_2歩フラグ設定();
  g->勢力調査();
}

class RulesMatePosition : public ::testing::TestWithParam<MatePosition> {};

TEST_P(RulesMatePosition, LowerKing) {
  Game g;
  set_up(g, GetParam(), false);
  EXPECT_EQ(g->詰めかMAN(), GetParam().mated);
}

TEST_P(RulesMatePosition, UpperKingTurnedRound) {
  Game g;
  set_up(g, GetParam(), true);
  EXPECT_EQ(g->詰めかCOM(), GetParam().mated);
}

INSTANTIATE_TEST_SUITE_P(Positions, RulesMatePosition, ::testing::ValuesIn(positions()),
                         [](const ::testing::TestParamInfo<MatePosition>& i) {
                           return i.param.name;
                         });

const MatePosition& named(const std::string& name) {
  for (const MatePosition& p : positions())
    if (p.name == name) return p;
  throw std::runtime_error(name);
}

// ---- The drop phase -------------------------------------------------------------------------

TEST(RulesMate, TheDropPhaseRunsToItsEndOnlyWhenEveryLineCanBeBlocked) {
  // Boxed in and checked by a lance: any piece but a pawn in hand is taken to block.
  Game g;
  set_up(g, named("LanceCheckSilverInHand"), false);
  EXPECT_EQ(g->oute_man[5][6], 9);
  EXPECT_EQ(g->oute_man[5][7], 1);
  EXPECT_EQ(g->oute_man[5][8], 1);
  EXPECT_EQ(g->詰めかMAN(), F::nasi);
  g->mochi_man[4] = 0;
  g->mochi_man[1] = 1;  // pawns only: the trial piece comes off at once
  g->mochi_man_kei = 1;
  EXPECT_EQ(g->詰めかMAN(), F::ari);
  g->mochi_man[2] = 1;  // a lance besides the pawn
  g->mochi_man_kei = 2;
  EXPECT_EQ(g->詰めかMAN(), F::nasi);
}

TEST(RulesMate, AKnightsCheckCarriesNineOnTheKingToo) {
  Game g;
  set_up(g, named("KnightCheckNoDropHelps"), false);
  EXPECT_EQ(g->oute_man[4][7], 9);
  EXPECT_EQ(g->oute_man[5][9], 9);
  EXPECT_EQ(g->詰めかMAN(), F::ari);
}

TEST(RulesMate, AdjacentCheckerEndsTheDropPhaseEvenBesideALine) {
  // A lance along the file and a gold beside the king: the gold cannot be blocked.
  Game g;
  set_up(g, named("LanceCheckSilverInHand"), false);
  g->ban[6][8] = F::man_kyou;  // the right-hand pawn becomes a lance, so (6, 8) stays boxed
  g->ban[4][8] = F::com_kin;   // takes the pawn's place: checks from the side
  g->ban[3][6] = F::com_kei;   // and is guarded so the king cannot take it
  g->勢力調査();
  ASSERT_EQ(g->oute_man[4][8], 9);
  EXPECT_EQ(g->詰めかMAN(), F::ari);
}

// ---- Trial moves and what they leave behind -------------------------------------------------

struct Snapshot {
  Int ban[10][10], mochi_man[8], mochi_com[8], mochi_man_kei, mochi_com_kei;
  Int huu_man[10][10], huu_com[10][10], huu_mochi_man[8], huu_mochi_com[8];
  explicit Snapshot(const F& f) {
    std::memcpy(ban, f.ban, sizeof ban);
    std::memcpy(mochi_man, f.mochi_man, sizeof mochi_man);
    std::memcpy(mochi_com, f.mochi_com, sizeof mochi_com);
    mochi_man_kei = f.mochi_man_kei;
    mochi_com_kei = f.mochi_com_kei;
    std::memcpy(huu_man, f.huu_man, sizeof huu_man);
    std::memcpy(huu_com, f.huu_com, sizeof huu_com);
    std::memcpy(huu_mochi_man, f.huu_mochi_man, sizeof huu_mochi_man);
    std::memcpy(huu_mochi_com, f.huu_mochi_com, sizeof huu_mochi_com);
  }
  bool operator==(const Snapshot& o) const { return std::memcmp(this, &o, sizeof o) == 0; }
};

TEST(RulesMate, TheUpperTestLeavesTheMapsOfItsLastTrial) {
  // The upper gold beside the king takes the checking gold; the position after that trial is
  // what the maps describe when the test returns.
  Game g;
  g.clear_board();
  g->ban[5][1] = F::com_ou;
  g->ban[5][2] = F::man_kin;
  g->ban[5][3] = F::man_hu;
  g->ban[4][1] = F::com_kin;
  g->勢力調査();
  const Snapshot before(*g);
  EXPECT_EQ(g->詰めかCOM(), F::nasi);
  EXPECT_TRUE(Snapshot(*g) == before);

  Game trial;
  trial.clear_board();
  trial->ban[5][1] = F::com_ou;
  trial->ban[5][2] = F::com_kin;
  trial->ban[5][3] = F::man_hu;
  trial->勢力調査();
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      SCOPED_TRACE(testing::Message() << "(" << x << "," << y << ")");
      EXPECT_EQ(g->seiryoku_man[x][y], trial->seiryoku_man[x][y]);
      EXPECT_EQ(g->seiryoku_com[x][y], trial->seiryoku_com[x][y]);
      EXPECT_EQ(g->oute_com[x][y], trial->oute_com[x][y]);
      EXPECT_EQ(g->com_mamori[x][y], trial->com_mamori[x][y]);
      EXPECT_EQ(g->man_kougeki[x][y], trial->man_kougeki[x][y]);
    }
  EXPECT_EQ(g->seiryoku_man[5][1], 0);  // the gold that gave check is gone in the trial
}

TEST(RulesMate, TheLowerTestLeavesTheMapsAlone) {
  Game g;
  set_up(g, named("HeadGoldTakenByAPinnedGold"), false);
  Int oute[10][10], count[10][10];
  std::memcpy(oute, g->oute_man, sizeof oute);
  std::memcpy(count, g->seiryoku_com, sizeof count);
  const Snapshot before(*g);
  EXPECT_EQ(g->詰めかMAN(), F::ari);
  EXPECT_TRUE(Snapshot(*g) == before);
  EXPECT_EQ(std::memcmp(oute, g->oute_man, sizeof oute), 0);
  EXPECT_EQ(std::memcmp(count, g->seiryoku_com, sizeof count), 0);
}

TEST(RulesMate, StaleMapsNeverCostAPiece) {
  // Maps that no longer fit the board (as after the upper test) may mark an occupied square
  // as lying between a checker and the king; the trial block there must not wipe it out.
  Game g;
  set_up(g, named("LanceCheckSilverInHand"), false);
  g->ban[3][3] = F::com_kin;
  g->oute_man[3][3] = 1;
  g->oute_com[7][7] = 1;
  g->ban[7][7] = F::man_gin;
  g->ban[5][1] = F::com_ou;
  g->com_ou_x = 5;
  g->com_ou_y = 1;
  g->seiryoku_man[5][1] = 1;
  g->mochi_com[4] = 1;
  g->mochi_com_kei = 1;
  const Snapshot before(*g);
  g->詰めかMAN();
  g->詰めかCOM();
  EXPECT_TRUE(Snapshot(*g) == before);
  EXPECT_EQ(g->ban[3][3], F::com_kin);
  EXPECT_EQ(g->ban[7][7], F::man_gin);
}

TEST(RulesMate, KingSquaresOffTheBoardAnswerNo) {
  Game g;
  g.clear_board();
  for (Int bad : {Int{0}, Int{10}, Int{-1}, Int{11}}) {
    g->man_ou_x = g->com_ou_x = bad;
    g->man_ou_y = g->com_ou_y = 5;
    EXPECT_EQ(g->詰めかMAN(), F::nasi);
    EXPECT_EQ(g->詰めかCOM(), F::nasi);
    EXPECT_EQ(g->調査_自王逃道(), 0);
    EXPECT_EQ(g->詰めかMAN_COM移動(), F::nasi);
  }
}

// ---- Can an upper piece take the lower king at once? ----------------------------------------

TEST(RulesMate, UpperPieceTakingTheKing) {
  Game g;
  g.clear_board();
  g->ban[5][9] = F::man_ou;
  g->man_ou_x = 5;
  g->man_ou_y = 9;
  g->ban[5][1] = F::com_sya;
  EXPECT_EQ(g->詰めかMAN_COM移動(), F::ari);
  g->huu_com[5][1] = F::ari;  // sealed: it cannot move
  EXPECT_EQ(g->詰めかMAN_COM移動(), F::nasi);
  g->huu_com[5][1] = F::nasi;
  g->ban[5][4] = F::man_hu;  // blocked
  EXPECT_EQ(g->詰めかMAN_COM移動(), F::nasi);
  g->ban[4][8] = F::com_ou;  // even the upper king counts
  EXPECT_EQ(g->詰めかMAN_COM移動(), F::ari);
}

// ---- Kings and escape squares -----------------------------------------------------------------

TEST(RulesKing, FindsEachKingOrAnswersTen) {
  Game g;
  g.clear_board();
  Int x = 0, y = 0;
  g->調査_王座標(g->man_te, x, y);
  EXPECT_EQ(x, 10);
  EXPECT_EQ(y, 10);
  g->ban[5][9] = F::man_ou;
  g->ban[3][2] = F::com_ou;
  g->調査_王座標(g->man_te, x, y);
  EXPECT_EQ(x, 5);
  EXPECT_EQ(y, 9);
  g->調査_王座標(g->com_te, x, y);
  EXPECT_EQ(x, 3);
  EXPECT_EQ(y, 2);
  g->ban[5][3] = F::com_ou;  // a second one further on in the scan is not the answer
  g->調査_王座標(g->com_te, x, y);
  EXPECT_EQ(x, 3);
  EXPECT_EQ(y, 2);
  g->調査_王座標(F::te_nasi, x, y);
  EXPECT_EQ(x, 10);
  EXPECT_EQ(y, 10);
}

TEST(RulesKing, EscapeSquaresAreEmptyAndUnattacked) {
  Game g;
  g.clear_board();
  g->ban[5][5] = F::man_ou;
  g->ban[4][1] = F::com_sya;  // covers file 4
  g->ban[6][6] = F::man_kin;  // own piece
  g->ban[5][4] = F::com_hu;   // an upper piece never counts
  g->man_nigemiti[1][1] = 1;  // earlier marks stay
  g->勢力調査();
  EXPECT_EQ(g->調査_自王逃道(), 3);
  int marked = 0;
  for (auto& col : g->man_nigemiti)
    for (Int v : col) marked += v;
  EXPECT_EQ(marked, 4);
  EXPECT_EQ(g->man_nigemiti[6][4], 1);
  EXPECT_EQ(g->man_nigemiti[6][5], 1);
  EXPECT_EQ(g->man_nigemiti[5][6], 1);
  EXPECT_EQ(g->man_nigemiti[1][1], 1);
}

TEST(RulesKing, EscapeSquaresAtTheEdges) {
  struct Case {
    Int x, y;
    Int free;
  };
  for (const Case& c : {Case{1, 1, 3}, Case{9, 9, 3}, Case{1, 9, 3}, Case{9, 1, 3}, Case{1, 5, 5},
                        Case{5, 9, 5}, Case{5, 5, 8}}) {
    Game g;
    g.clear_board();
    g->ban[c.x][c.y] = F::man_ou;
    g->勢力調査();
    EXPECT_EQ(g->調査_自王逃道(), c.free) << c.x << "," << c.y;
    EXPECT_EQ(g->man_nigemiti[c.x][c.y], 0);
  }
}

// ---- Property: the board and the hands come back exactly --------------------------------------

TEST(RulesMateProperty, TrialMovesAreAlwaysTakenBack) {
  std::mt19937 rng(20240611);
  auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  const Int kinds[] = {F::com_hu,      F::com_hu_nari,  F::com_kyou,      F::com_kyou_nari,
                       F::com_kei,     F::com_kei_nari, F::com_gin,       F::com_gin_nari,
                       F::com_kin,     F::com_kaku,     F::com_kaku_nari, F::com_sya,
                       F::com_sya_nari};
  int lower_checked = 0, upper_checked = 0, lower_mated = 0, upper_mated = 0;
  for (int n = 0; n < 3000; ++n) {
    Game g;
    g.clear_board();
    F& f = *g;
    const int mx = 1 + pick(9), my = 1 + pick(9);
    f.ban[mx][my] = F::man_ou;
    int cx, cy;
    do {
      cx = 1 + pick(9), cy = 1 + pick(9);
    } while (cx == mx && cy == my);
    f.ban[cx][cy] = F::com_ou;
    const int count = 6 + pick(24);
    for (int i = 0; i < count; ++i) {
      // Half of the pieces crowd round one of the kings.
      int x, y;
      if (pick(2)) {
        const bool near_lower = pick(2);
        x = (near_lower ? mx : cx) + pick(5) - 2;
        y = (near_lower ? my : cy) + pick(5) - 2;
        if (x < 1 || x > 9 || y < 1 || y > 9) continue;
      } else {
        x = 1 + pick(9), y = 1 + pick(9);
      }
      if (f.ban[x][y] != F::kara) continue;
      const Int code = kinds[pick(13)];
      f.ban[x][y] = pick(2) ? code : static_cast<Int>(-code);
      if (pick(12) == 0) (f.ban[x][y] < 0 ? f.huu_man : f.huu_com)[x][y] = F::ari;
    }
    for (int k = 1; k <= 7; ++k) {
      if (pick(3) == 0) f.mochi_man[k] = static_cast<Int>(pick(3));
      if (pick(3) == 0) f.mochi_com[k] = static_cast<Int>(pick(3));
      f.mochi_man_kei += f.mochi_man[k];
      f.mochi_com_kei += f.mochi_com[k];
      if (pick(10) == 0) f.huu_mochi_man[k] = F::ari;
    }
    f.調査_2歩フラグ設定();
    f.勢力調査();
    const Snapshot before(f);
    SCOPED_TRACE(testing::Message() << "position " << n);

    lower_checked += f.seiryoku_com[mx][my] > 0;
    lower_mated += f.詰めかMAN() == F::ari;
    ASSERT_TRUE(Snapshot(f) == before);
    upper_checked += f.seiryoku_man[cx][cy] > 0;
    upper_mated += f.詰めかCOM() == F::ari;
    ASSERT_TRUE(Snapshot(f) == before);
    f.調査_自王逃道();
    ASSERT_TRUE(Snapshot(f) == before);
    f.詰めかMAN();  // now on the maps that the upper test left behind
    f.詰めかMAN_COM移動();
    ASSERT_TRUE(Snapshot(f) == before);
  }
  // The positions must actually have exercised the tests.
  EXPECT_GT(lower_checked, 300);
  EXPECT_GT(upper_checked, 300);
  EXPECT_GT(lower_mated, 20);
  EXPECT_GT(upper_mated, 20);
}

}  // namespace

// Which moves and drops the rules allow: the movement of every piece, blocking, captures,
// drops with the two-pawn and last-rank rules, the seal, and odd arguments.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <utility>
#include <vector>

#include "support/Game.h"

namespace {

using F = Form1;
using Square = std::pair<int, int>;
using Squares = std::set<Square>;

// How a piece moves, drawn for the upper side (forward = +Y); the lower side is mirrored.
struct Movement {
  Int code;  // upper code
  std::vector<Square> steps;
  std::vector<Square> rays;
};

const std::vector<Square> kGold = {{-1, 1}, {0, 1}, {1, 1}, {-1, 0}, {1, 0}, {0, -1}};
const std::vector<Square> kOrth = {{0, 1}, {0, -1}, {1, 0}, {-1, 0}};
const std::vector<Square> kDiag = {{1, 1}, {1, -1}, {-1, 1}, {-1, -1}};
const std::vector<Square> kAll8 = {{0, 1}, {0, -1}, {1, 0},  {-1, 0},
                                   {1, 1}, {1, -1}, {-1, 1}, {-1, -1}};

const std::vector<Movement>& movements() {
  static const std::vector<Movement> m = {
      {F::com_hu, {{0, 1}}, {}},
      {F::com_kyou, {}, {{0, 1}}},
      {F::com_kei, {{-1, 2}, {1, 2}}, {}},
      {F::com_gin, {{-1, 1}, {0, 1}, {1, 1}, {-1, -1}, {1, -1}}, {}},
      {F::com_kin, kGold, {}},
      {F::com_hu_nari, kGold, {}},
      {F::com_kyou_nari, kGold, {}},
      {F::com_kei_nari, kGold, {}},
      {F::com_gin_nari, kGold, {}},
      {F::com_kaku, {}, kDiag},
      {F::com_kaku_nari, kOrth, kDiag},
      {F::com_sya, {}, kOrth},
      {F::com_sya_nari, kDiag, kOrth},
      {F::com_ou, kAll8, {}},
  };
  return m;
}

// The squares a piece on (x, y) may go to, worked out from its movement on the given board.
Squares model_reach(const F& f, Int code, int x, int y) {
  const Movement* mv = nullptr;
  for (const Movement& m : movements())
    if (m.code == (code < 0 ? -code : code)) mv = &m;
  Squares out;
  if (mv == nullptr) return out;
  const int fwd = code < 0 ? -1 : 1;
  auto own = [&](int tx, int ty) {
    Int t = f.ban[tx][ty];
    return code < 0 ? t <= F::man_hu : t >= F::com_hu;
  };
  auto on = [](int tx, int ty) { return tx >= 1 && tx <= 9 && ty >= 1 && ty <= 9; };
  for (auto [dx, dy] : mv->steps) {
    int tx = x + dx, ty = y + dy * fwd;
    if (on(tx, ty) && !own(tx, ty)) out.insert({tx, ty});
  }
  for (auto [dx, dy] : mv->rays) {
    for (int tx = x + dx, ty = y + dy * fwd; on(tx, ty); tx += dx, ty += dy * fwd) {
      if (own(tx, ty)) break;
      out.insert({tx, ty});
      if (f.ban[tx][ty] != F::kara) break;
    }
  }
  return out;
}

Squares rules_reach(F& f, Int fx, Int fy, Int code) {
  Squares out;
  for (Int x = -2; x <= 12; ++x)
    for (Int y = -2; y <= 12; ++y)
      if (f.移動チェック(fx, fy, x, y, code) == F::ari) out.insert({x, y});
  return out;
}

std::vector<Int> all_codes() {
  std::vector<Int> codes;
  for (const Movement& m : movements()) {
    codes.push_back(m.code);
    codes.push_back(static_cast<Int>(-m.code));
  }
  return codes;
}

// ---- Movement of every piece on an empty board ---------------------------------------------

class RulesMoveCheckPiece : public ::testing::TestWithParam<Int> {};

TEST_P(RulesMoveCheckPiece, ReachOnAnEmptyBoardFromMiddleAndEdges) {
  const Int code = GetParam();
  const Square sources[] = {{5, 5}, {1, 1}, {9, 9}, {1, 9}, {9, 1}, {5, 1},
                            {5, 9}, {1, 5}, {9, 5}, {2, 2}, {8, 8}};
  for (auto [x, y] : sources) {
    SCOPED_TRACE(testing::Message() << "from (" << x << "," << y << ")");
    Game g;
    g.clear_board();
    g->ban[x][y] = code;
    EXPECT_EQ(rules_reach(*g, x, y, code), model_reach(*g, code, x, y));
  }
}

TEST_P(RulesMoveCheckPiece, OwnPiecesBlockAndEnemyPiecesAreCaptured) {
  const Int code = GetParam();
  const Int own = code < 0 ? F::man_kin : F::com_kin;
  const Int enemy = code < 0 ? F::com_gin : F::man_gin;
  std::mt19937 rng(static_cast<unsigned>(code + 1000));
  for (int trial = 0; trial < 60; ++trial) {
    Game g;
    g.clear_board();
    const int x = 1 + static_cast<int>(rng() % 9), y = 1 + static_cast<int>(rng() % 9);
    for (int i = 0; i < 12; ++i) {
      const int bx = 1 + static_cast<int>(rng() % 9), by = 1 + static_cast<int>(rng() % 9);
      g->ban[bx][by] = (rng() % 2) ? own : enemy;
    }
    g->ban[x][y] = code;
    SCOPED_TRACE(testing::Message() << "trial " << trial << " from (" << x << "," << y << ")");
    EXPECT_EQ(rules_reach(*g, x, y, code), model_reach(*g, code, x, y));
  }
}

INSTANTIATE_TEST_SUITE_P(AllCodes, RulesMoveCheckPiece, ::testing::ValuesIn(all_codes()),
                         [](const ::testing::TestParamInfo<Int>& i) {
                           return (i.param < 0 ? "man_" : "com_") +
                                  std::to_string(i.param < 0 ? -i.param : i.param);
                         });

// ---- Cases named by the rules --------------------------------------------------------------

TEST(RulesMoveCheck, PawnsStepOneSquareForwardOnly) {
  Game g;
  g.clear_board();
  g->ban[5][7] = F::man_hu;
  g->ban[5][3] = F::com_hu;
  EXPECT_EQ(rules_reach(*g, 5, 7, F::man_hu), (Squares{{5, 6}}));
  EXPECT_EQ(rules_reach(*g, 5, 3, F::com_hu), (Squares{{5, 4}}));
}

TEST(RulesMoveCheck, LanceCannotJumpButCaptures) {
  for (Int blocker : {F::man_hu, F::com_hu}) {
    Game g;
    g.clear_board();
    g->ban[1][1] = F::com_kyou;
    g->ban[1][3] = blocker;
    EXPECT_EQ(g->移動チェック(1, 1, 1, 5, F::com_kyou), F::nasi);
    EXPECT_EQ(g->移動チェック(1, 1, 1, 4, F::com_kyou), F::nasi);
    EXPECT_EQ(g->移動チェック(1, 1, 1, 2, F::com_kyou), F::ari);
    EXPECT_EQ(g->移動チェック(1, 1, 1, 3, F::com_kyou), blocker < 0 ? F::ari : F::nasi);
  }
}

TEST(RulesMoveCheck, UpperKnightFromItsHomeSquare) {
  Game g;
  g.clear_board();
  g->ban[2][1] = F::com_kei;
  EXPECT_EQ(rules_reach(*g, 2, 1, F::com_kei), (Squares{{1, 3}, {3, 3}}));
}

TEST(RulesMoveCheck, PromotedBishopAndRookAddTheKingSteps) {
  Game g;
  g.clear_board();
  g->ban[5][5] = F::com_kaku_nari;
  EXPECT_EQ(g->移動チェック(5, 5, 5, 4, F::com_kaku_nari), F::ari);
  EXPECT_EQ(g->移動チェック(5, 5, 4, 4, F::com_kaku_nari), F::ari);
  EXPECT_EQ(g->移動チェック(5, 5, 1, 1, F::com_kaku_nari), F::ari);
  EXPECT_EQ(g->移動チェック(5, 5, 9, 1, F::com_kaku_nari), F::ari);
  EXPECT_EQ(g->移動チェック(5, 5, 5, 3, F::com_kaku_nari), F::nasi);
  g->ban[5][5] = F::man_sya_nari;
  EXPECT_EQ(g->移動チェック(5, 5, 4, 4, F::man_sya_nari), F::ari);
  EXPECT_EQ(g->移動チェック(5, 5, 5, 1, F::man_sya_nari), F::ari);
  EXPECT_EQ(g->移動チェック(5, 5, 1, 5, F::man_sya_nari), F::ari);
  EXPECT_EQ(g->移動チェック(5, 5, 3, 3, F::man_sya_nari), F::nasi);
}

TEST(RulesMoveCheck, TheEnemyKingMayBeTakenAndTheOwnKingIsNotProtected) {
  Game g;
  g.clear_board();
  g->ban[5][5] = F::man_ou;
  g->ban[5][1] = F::com_sya;
  g->ban[5][3] = F::man_kin;  // pinned in front of its king
  EXPECT_EQ(g->移動チェック(5, 3, 4, 3, F::man_kin), F::ari);
  g->ban[5][3] = F::kara;
  EXPECT_EQ(g->移動チェック(5, 1, 5, 5, F::com_sya), F::ari);
  EXPECT_EQ(g->移動チェック(5, 5, 5, 4, F::man_ou), F::ari);  // still on the rook's file
  g->ban[6][6] = F::com_ou;
  EXPECT_EQ(g->移動チェック(5, 5, 6, 6, F::man_ou), F::ari);
}

TEST(RulesMoveCheck, TheDestinationMustDifferFromTheSource) {
  Game g;
  g.clear_board();
  for (Int code : all_codes()) {
    g->ban[5][5] = code;
    EXPECT_EQ(g->移動チェック(5, 5, 5, 5, code), F::nasi) << code;
  }
}

TEST(RulesMoveCheck, CodesWithoutMovementNeverMove) {
  Game g;
  g.clear_board();
  for (Int code : {F::kara, F::com_kin_nari, F::man_kin_nari, F::com_hu_huu, F::man_ou_huu}) {
    g->ban[5][5] = code;
    EXPECT_TRUE(rules_reach(*g, 5, 5, code).empty()) << code;
  }
}

// ---- Lines -----------------------------------------------------------------------------------

TEST(RulesMoveCheck, LineRoutinesLookOnlyBetweenTheSquares) {
  Game g;
  g.clear_board();
  g->ban[5][5] = F::com_sya;  // the ends are not looked at
  g->ban[5][9] = F::com_sya;
  EXPECT_EQ(g->移動チェック飛車(5, 5, 5, 9), F::ari);
  EXPECT_EQ(g->移動チェック飛車(5, 5, 1, 5), F::ari);
  EXPECT_EQ(g->移動チェック飛車(5, 5, 6, 6), F::nasi);
  g->ban[5][7] = F::man_hu;
  EXPECT_EQ(g->移動チェック飛車(5, 5, 5, 9), F::nasi);
  EXPECT_EQ(g->移動チェック飛車(5, 9, 5, 5), F::nasi);
  EXPECT_EQ(g->移動チェック飛車(5, 5, 5, 7), F::ari);
  EXPECT_EQ(g->移動チェック角(1, 1, 9, 9), F::nasi);  // (5, 5) is in the way
  EXPECT_EQ(g->移動チェック角(1, 1, 4, 4), F::ari);
  EXPECT_EQ(g->移動チェック角(9, 1, 1, 9), F::nasi);
  EXPECT_EQ(g->移動チェック角(9, 1, 6, 4), F::ari);
  EXPECT_EQ(g->移動チェック角(2, 2, 3, 4), F::nasi);
}

TEST(RulesMoveCheck, LineRoutinesRefuseSquaresFarOffTheBoard) {
  Game g;
  g.clear_board();
  EXPECT_EQ(g->移動チェック飛車(5, 5, 5, 10), F::ari);  // nothing between, edges not its business
  EXPECT_EQ(g->移動チェック飛車(5, -20, 5, 5), F::nasi);
  EXPECT_EQ(g->移動チェック飛車(30, 5, 5, 5), F::nasi);
  EXPECT_EQ(g->移動チェック角(-5, -5, 5, 5), F::nasi);
  EXPECT_EQ(g->移動チェック角(5, 5, 15, 15), F::nasi);
}

// A line along column 10 or row 10 would read past the board array: refused. Column and row 0
// are part of the array and never hold a piece, so a line along them is open.
TEST(RulesMoveCheck, LineRoutinesNeverReadPastTheBoardArray) {
  Game g;
  g.clear_board();
  EXPECT_EQ(g->移動チェック飛車(10, 1, 10, 5), F::nasi);
  EXPECT_EQ(g->移動チェック飛車(10, 9, 10, 2), F::nasi);
  EXPECT_EQ(g->移動チェック飛車(1, 10, 5, 10), F::nasi);
  EXPECT_EQ(g->移動チェック飛車(9, 10, 3, 10), F::nasi);
  EXPECT_EQ(g->移動チェック飛車(0, 1, 0, 9), F::ari);
  EXPECT_EQ(g->移動チェック飛車(1, 0, 9, 0), F::ari);
  EXPECT_EQ(g->移動チェック飛車(10, 1, 10, 2), F::ari);  // nothing lies between
  EXPECT_EQ(g->移動チェック飛車(1, 10, 2, 10), F::ari);
  EXPECT_EQ(g->移動チェック飛車(10, 10, 0, 10), F::nasi);
  EXPECT_EQ(g->移動チェック角(0, 0, 10, 10), F::ari);
  EXPECT_EQ(g->移動チェック角(10, 0, 0, 10), F::ari);
  g->ban[5][5] = F::man_hu;
  EXPECT_EQ(g->移動チェック角(0, 0, 10, 10), F::nasi);
}

// ---- Drops -----------------------------------------------------------------------------------

struct DropRow {
  Int code;
  int first_row, last_row;  // rows where the drop is allowed on an empty column
};

TEST(RulesMoveCheckDrop, PawnLanceKnightOnEveryRow) {
  const DropRow rows[] = {
      {F::com_hu, 1, 8}, {F::com_kyou, 1, 8}, {F::com_kei, 1, 7},
      {F::man_hu, 2, 9}, {F::man_kyou, 2, 9}, {F::man_kei, 3, 9},
  };
  for (const DropRow& r : rows) {
    Game g;
    g.clear_board();
    const Int kind = static_cast<Int>((r.code < 0 ? -r.code : r.code) / 10);
    const Int fx = r.code < 0 ? 11 : -1;
    const Int fy = static_cast<Int>(r.code < 0 ? kind + 2 : 8 - kind);
    for (Int x = 1; x <= 9; ++x)
      for (Int y = 1; y <= 9; ++y) {
        const bool allowed = y >= r.first_row && y <= r.last_row;
        EXPECT_EQ(g->移動チェック(fx, fy, x, y, r.code), allowed ? F::ari : F::nasi)
            << r.code << " at (" << x << "," << y << ")";
      }
  }
}

TEST(RulesMoveCheckDrop, OtherKindsGoOnAnyEmptySquareOnly) {
  Game g;
  g.clear_board();
  g->ban[3][3] = F::com_hu;
  g->ban[7][7] = F::man_hu;
  for (Int k = 4; k <= 7; ++k) {
    const Int up = g->取得_持盤駒(k, g->com_te), low = g->取得_持盤駒(k, g->man_te);
    for (Int x = 1; x <= 9; ++x)
      for (Int y = 1; y <= 9; ++y) {
        const Int expected = g->ban[x][y] == F::kara ? F::ari : F::nasi;
        EXPECT_EQ(g->移動チェック(-1, static_cast<Int>(8 - k), x, y, up), expected);
        EXPECT_EQ(g->移動チェック(11, static_cast<Int>(k + 2), x, y, low), expected);
      }
  }
}

TEST(RulesMoveCheckDrop, TwoPawnsOnAColumn) {
  Game g;
  g.clear_board();
  g->ban[5][7] = F::man_hu;
  g->ban[3][6] = F::man_hu_nari;  // と does not count
  g->ban[6][3] = F::com_hu;
  g->huu_com[6][3] = F::ari;  // a sealed pawn still counts
  g->調査_2歩フラグ設定();
  for (Int y = 2; y <= 8; ++y) {
    if (y == 7 || y == 6 || y == 3) continue;
    EXPECT_EQ(g->移動チェック(11, 3, 5, y, F::man_hu), F::nasi);
    EXPECT_EQ(g->移動チェック(11, 3, 3, y, F::man_hu), F::ari);
    EXPECT_EQ(g->移動チェック(11, 3, 6, y, F::man_hu), F::ari);  // the upper pawn's column
    EXPECT_EQ(g->移動チェック(-1, 7, 6, y, F::com_hu), F::nasi);
    EXPECT_EQ(g->移動チェック(-1, 7, 5, y, F::com_hu), F::ari);
  }
  EXPECT_EQ(g->移動チェック(11, 4, 5, 4, F::man_kyou), F::ari);  // only pawns
}

TEST(RulesMoveCheckDrop, HandRowsAtTheirLimits) {
  Game g;
  g.clear_board();
  // Upper hand: rows 1..7 hold kinds 7..1; row 8 would be kind 0, which is never sealed.
  for (Int row = 1; row <= 8; ++row)
    EXPECT_EQ(g->移動チェック(-1, row, 5, 5, F::com_gin), F::ari) << row;
  // Lower hand: rows 3..9 hold kinds 1..7; row 2 would be kind 0.
  for (Int row = 2; row <= 9; ++row)
    EXPECT_EQ(g->移動チェック(11, row, 5, 5, F::man_gin), F::ari) << row;
  // Rows outside a hand name no kind.
  for (Int row : {-30, -1, 0, 9, 10, 100})
    EXPECT_EQ(g->移動チェック(-1, row, 5, 5, F::com_gin), F::nasi) << row;
  for (Int row : {-30, -1, 0, 1, 10, 11, 100})
    EXPECT_EQ(g->移動チェック(11, row, 5, 5, F::man_gin), F::nasi) << row;
  // A piece of one side is never dropped from the other side's hand.
  EXPECT_EQ(g->移動チェック(-1, 4, 5, 5, F::man_gin), F::nasi);
  EXPECT_EQ(g->移動チェック(11, 6, 5, 5, F::com_gin), F::nasi);
}

// ---- Seals -----------------------------------------------------------------------------------

TEST(RulesMoveCheckSeal, SealedBoardPiecesCannotMove) {
  for (Int code : all_codes()) {
    Game g;
    g.clear_board();
    g->ban[5][5] = code;
    ASSERT_FALSE(rules_reach(*g, 5, 5, code).empty());
    (code < 0 ? g->huu_man : g->huu_com)[5][5] = F::ari;
    EXPECT_TRUE(rules_reach(*g, 5, 5, code).empty()) << code;
    // The other side's flag on that square does not stop it.
    (code < 0 ? g->huu_man : g->huu_com)[5][5] = F::nasi;
    (code < 0 ? g->huu_com : g->huu_man)[5][5] = F::ari;
    EXPECT_FALSE(rules_reach(*g, 5, 5, code).empty()) << code;
  }
}

TEST(RulesMoveCheckSeal, SealedHandKindsCannotBeDropped) {
  for (Int k = 1; k <= 7; ++k) {
    Game g;
    g.clear_board();
    const Int up = g->取得_持盤駒(k, g->com_te), low = g->取得_持盤駒(k, g->man_te);
    const Int up_row = static_cast<Int>(8 - k), low_row = static_cast<Int>(k + 2);
    g->huu_mochi_com[k] = F::ari;
    g->huu_mochi_man[k] = F::ari;
    EXPECT_TRUE(rules_reach(*g, -1, up_row, up).empty()) << k;
    EXPECT_TRUE(rules_reach(*g, 11, low_row, low).empty()) << k;
    // Other kinds stay free.
    const Int other = static_cast<Int>(k == 7 ? 6 : 7);
    EXPECT_FALSE(
        rules_reach(*g, -1, static_cast<Int>(8 - other), g->取得_持盤駒(other, g->com_te)).empty());
  }
}

// ---- Arguments the callers never mean --------------------------------------------------------

TEST(RulesMoveCheck, SourcesAndDestinationsOffTheBoardAreRefused) {
  Game g;
  g.clear_board();
  g->ban[5][5] = F::com_sya;
  for (Int bad : {-1000, -2, -1, 0, 10, 11, 12, 1000}) {
    EXPECT_EQ(g->移動チェック(5, 5, bad, 5, F::com_sya), F::nasi);
    EXPECT_EQ(g->移動チェック(5, 5, 5, bad, F::com_sya), F::nasi);
    EXPECT_EQ(g->移動チェック(11, 5, bad, 5, F::man_gin), F::nasi);
    EXPECT_EQ(g->移動チェック(-1, 4, 5, bad, F::com_gin), F::nasi);
    if (bad != -1 && bad != 11) {
      EXPECT_EQ(g->移動チェック(bad, 5, 5, 4, F::com_sya), F::nasi);
    }
    EXPECT_EQ(g->移動チェック(5, bad, 5, 4, F::com_sya), F::nasi);
  }
}

}  // namespace

// The influence maps: counts, guards, cheapest attackers and check lines, piece by piece and
// on the positions where the maps behave in their particular ways.
#include <gtest/gtest.h>

#include <vector>

#include "support/Game.h"

namespace {

using F = Form1;

constexpr Int kStale = 77;  // planted in the arrays that a run does not reset

// Parts of the mark a piece lays on a reached square.
enum : unsigned {
  G = 1,   // guard code
  GS = 2,  // guard square
  A = 4,   // attacker code (lower side: also the attacker count and square)
  AS = 8,  // attacker square (upper side)
  C = 16,  // check map
  N = 32,  // knight: the king's own square is marked too
};
constexpr unsigned L = G | A | AS | C;       // the lower side's full mark
constexpr unsigned U = G | GS | A | AS | C;  // the upper side's full mark with squares

struct Move {
  int dx, dy;
  bool ray;
  Int recorded;  // code written into the guard and attacker maps
  unsigned parts;
};
struct Dispatch {
  Int code;
  std::vector<Move> moves;
};

std::vector<Move> steps(std::vector<std::pair<int, int>> d, Int code, unsigned parts) {
  std::vector<Move> out;
  for (auto [dx, dy] : d) out.push_back({dx, dy, false, code, parts});
  return out;
}
std::vector<Move> rays(std::vector<std::pair<int, int>> d, Int code, unsigned parts,
                       unsigned up_extra = 0) {
  std::vector<Move> out;
  for (auto [dx, dy] : d) out.push_back({dx, dy, true, code, parts | (dy < 0 ? up_extra : 0)});
  return out;
}
std::vector<Move> operator+(std::vector<Move> a, const std::vector<Move>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

const std::vector<std::pair<int, int>> kOrth = {{0, -1}, {0, 1}, {1, 0}, {-1, 0}};
const std::vector<std::pair<int, int>> kDiag = {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
const std::vector<std::pair<int, int>> kAll8 = {{0, -1},  {0, 1},  {1, 0},  {-1, 0},
                                                {-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
// Gold steps: forward row, sideways, straight back. forward = -1 for the lower side.
std::vector<std::pair<int, int>> gold(int fwd) {
  return {{-1, fwd}, {0, fwd}, {1, fwd}, {-1, 0}, {1, 0}, {0, -fwd}};
}

const std::vector<Dispatch>& dispatch_table() {
  static const std::vector<Dispatch> t = {
      {F::man_hu, steps({{0, -1}}, F::man_hu, L)},
      {F::man_kyou, rays({{0, -1}}, F::man_kyou, L, GS)},
      {F::man_kei, steps({{-1, -2}, {1, -2}}, F::man_kei, L | N)},
      {F::man_gin, steps({{-1, -1}, {0, -1}, {1, -1}, {-1, 1}, {1, 1}}, F::man_gin, L)},
      {F::man_hu_nari, steps(gold(-1), F::man_hu_nari, L)},
      {F::man_kyou_nari, steps(gold(-1), F::man_kyou_nari, L)},
      {F::man_kei_nari, steps(gold(-1), F::man_kei_nari, L)},
      {F::man_gin_nari, steps(gold(-1), F::man_gin_nari, L)},
      {F::man_kin, steps(gold(-1), F::man_kin, L)},
      {F::man_kaku, rays(kDiag, F::man_kaku, L)},
      {F::man_kaku_nari, steps(kOrth, F::man_kaku_nari, L) + rays(kDiag, F::man_kaku, L)},
      {F::man_sya, rays(kOrth, F::man_sya, L, GS)},
      {F::man_sya_nari, steps(kDiag, F::man_sya_nari, L) + rays(kOrth, F::man_sya_nari, L, GS)},
      {F::man_ou, steps(kAll8, F::man_ou, G | A | AS)},
      {F::com_hu, steps({{0, 1}}, F::com_hu, G | A | C)},
      {F::com_kyou, rays({{0, 1}}, F::com_kyou, U)},
      {F::com_kei, steps({{-1, 2}, {1, 2}}, F::com_kei, G | GS | C | N)},
      {F::com_gin, steps({{-1, 1}, {0, 1}, {1, 1}, {-1, -1}, {1, -1}}, F::com_gin, G | GS | C)},
      {F::com_hu_nari, steps(gold(1), F::com_kin, G | C)},
      {F::com_kyou_nari, steps(gold(1), F::com_kin, G | C)},
      {F::com_kei_nari, steps(gold(1), F::com_kin, G | C)},
      {F::com_gin_nari, steps(gold(1), F::com_kin, G | C)},
      {F::com_kin, steps(gold(1), F::com_kin, G | C)},
      {F::com_kaku, rays(kDiag, F::com_kaku, U)},
      {F::com_kaku_nari, steps(kOrth, F::com_kaku_nari, C) + rays(kDiag, F::com_kaku_nari, U)},
      {F::com_sya, rays(kOrth, F::com_sya, U)},
      {F::com_sya_nari, steps(kDiag, F::com_sya_nari, U) + rays(kOrth, F::com_sya_nari, U)},
      {F::com_ou, steps(kAll8, F::com_ou, G)},
  };
  return t;
}

void plant_stale(F& f) {
  for (int x = 0; x <= 9; ++x)
    for (int y = 0; y <= 9; ++y) {
      f.man_mamori_x[x][y] = f.man_mamori_y[x][y] = kStale;
      f.com_mamori_x[x][y] = f.com_mamori_y[x][y] = kStale;
      f.com_kougeki_x[x][y] = f.com_kougeki_y[x][y] = kStale;
    }
}

bool on(int x, int y) {
  return x >= 1 && x <= 9 && y >= 1 && y <= 9;
}

enum class Target { own, enemy, enemy_king };

// ---- Every dispatch row: what is laid on each reached square --------------------------------

class RulesInfluenceDispatch : public ::testing::TestWithParam<Dispatch> {};

TEST_P(RulesInfluenceDispatch, MarksEachReachedSquareAsItsRowSays) {
  const Dispatch& d = GetParam();
  const bool lower = d.code < 0;
  const int sx = 5, sy = 5;
  for (const Move& m : d.moves) {
    for (Target target : {Target::own, Target::enemy, Target::enemy_king}) {
      for (int dist : m.ray ? std::vector<int>{1, 3} : std::vector<int>{1}) {
        const int tx = sx + dist * m.dx, ty = sy + dist * m.dy;
        SCOPED_TRACE(testing::Message() << "move (" << m.dx << "," << m.dy << ") dist " << dist
                                        << " target " << static_cast<int>(target));
        Game g;
        g.clear_board();
        F& f = *g;
        plant_stale(f);
        f.ban[sx][sy] = d.code;
        const Int own = lower ? F::man_kin : F::com_kin;
        const Int enemy = lower ? F::com_gin : F::man_gin;
        const Int king = lower ? F::com_ou : F::man_ou;
        f.ban[tx][ty] = target == Target::own ? own : target == Target::enemy ? enemy : king;
        // Sealed, the target reaches nothing itself but is still guarded, attacked or checked.
        (lower == (target == Target::own) ? f.huu_man : f.huu_com)[tx][ty] = F::ari;
        f.勢力調査();

        const auto& count = lower ? f.seiryoku_man : f.seiryoku_com;
        for (int k = 1; k <= dist; ++k) EXPECT_EQ(count[sx + k * m.dx][sy + k * m.dy], 1);
        const int bx = tx + m.dx, by = ty + m.dy;  // the square behind the target
        if (m.ray && on(bx, by)) {
          EXPECT_EQ(count[bx][by], target == Target::enemy_king ? 1 : 0);
        }

        const bool guard = m.parts & G, guard_sq = m.parts & GS;
        const bool attack = m.parts & A, attack_sq = m.parts & AS;
        if (target == Target::own) {
          const auto& mamori = lower ? f.man_mamori : f.com_mamori;
          const auto& mx = lower ? f.man_mamori_x : f.com_mamori_x;
          const auto& my = lower ? f.man_mamori_y : f.com_mamori_y;
          EXPECT_EQ(mamori[tx][ty], guard ? m.recorded : 999);
          EXPECT_EQ(mx[tx][ty], guard && guard_sq ? sx : kStale);
          EXPECT_EQ(my[tx][ty], guard && guard_sq ? sy : kStale);
        } else if (lower) {
          EXPECT_EQ(f.man_kougeki[tx][ty], attack ? m.recorded : -999);
          EXPECT_EQ(f.man_kougeki_kazu[tx][ty], attack ? 1 : 0);
          EXPECT_EQ(f.man_kougeki_x[tx][ty], attack ? sx : 0);
          EXPECT_EQ(f.man_kougeki_y[tx][ty], attack ? sy : 0);
        } else {
          EXPECT_EQ(f.com_kougeki[tx][ty], attack ? m.recorded : 999);
          EXPECT_EQ(f.com_kougeki_x[tx][ty], attack && attack_sq ? sx : kStale);
          EXPECT_EQ(f.com_kougeki_y[tx][ty], attack && attack_sq ? sy : kStale);
        }

        const auto& oute = lower ? f.oute_com : f.oute_man;
        const bool check = target == Target::enemy_king && (m.parts & C);
        EXPECT_EQ(oute[sx][sy], check ? 9 : 0);
        for (int k = 1; k < dist; ++k) EXPECT_EQ(oute[sx + k * m.dx][sy + k * m.dy], check ? 1 : 0);
        EXPECT_EQ(oute[tx][ty], check && (m.parts & N) ? 9 : 0);
        // The other side's maps see nothing of this piece.
        const auto& other_oute = lower ? f.oute_man : f.oute_com;
        EXPECT_EQ(other_oute[tx][ty], 0);
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(EveryRow, RulesInfluenceDispatch, ::testing::ValuesIn(dispatch_table()),
                         [](const ::testing::TestParamInfo<Dispatch>& i) {
                           const Int c = i.param.code;
                           return (c < 0 ? "man_" : "com_") + std::to_string(c < 0 ? -c : c);
                         });

// On an empty board a piece reaches exactly the squares it may move to, from any square.
TEST(RulesInfluence, EmptyBoardReachMatchesMovementFromEverySquare) {
  for (const Dispatch& d : dispatch_table()) {
    for (Int x = 1; x <= 9; ++x)
      for (Int y = 1; y <= 9; ++y) {
        Game g;
        g.clear_board();
        g->ban[x][y] = d.code;
        g->勢力調査();
        const auto& count = d.code < 0 ? g->seiryoku_man : g->seiryoku_com;
        const auto& other = d.code < 0 ? g->seiryoku_com : g->seiryoku_man;
        for (Int tx = 1; tx <= 9; ++tx)
          for (Int ty = 1; ty <= 9; ++ty) {
            ASSERT_EQ(count[tx][ty], g->移動チェック(x, y, tx, ty, d.code) == F::ari ? 1 : 0)
                << d.code << " on (" << x << "," << y << ") to (" << tx << "," << ty << ")";
            ASSERT_EQ(other[tx][ty], 0);
          }
      }
  }
}

// ---- Positions -------------------------------------------------------------------------------

void initial_position(Game& g) {
  g.clear_board();
  const Int back[] = {F::com_kyou, F::com_kei, F::com_gin, F::com_kin, F::com_ou,
                      F::com_kin,  F::com_gin, F::com_kei, F::com_kyou};
  for (int x = 1; x <= 9; ++x) {
    g->ban[x][1] = back[x - 1];
    g->ban[x][9] = static_cast<Int>(-back[x - 1]);
    g->ban[x][3] = F::com_hu;
    g->ban[x][7] = F::man_hu;
  }
  g->ban[2][2] = F::com_sya;
  g->ban[8][2] = F::com_kaku;
  g->ban[2][8] = F::man_kaku;
  g->ban[8][8] = F::man_sya;
}

TEST(RulesInfluence, InitialPosition) {
  Game g;
  initial_position(g);
  g->勢力調査();
  for (int x = 1; x <= 9; ++x) {
    EXPECT_EQ(g->seiryoku_com[x][4], 1) << x;
    EXPECT_EQ(g->seiryoku_man[x][6], 1) << x;
    EXPECT_EQ(g->seiryoku_com[x][5], 0) << x;
  }
  EXPECT_EQ(g->man_ou_x, 5);
  EXPECT_EQ(g->man_ou_y, 9);
  EXPECT_EQ(g->com_ou_x, 5);
  EXPECT_EQ(g->com_ou_y, 1);
  // The rook guards its pawn from below and keeps the square; the king guards the golds.
  EXPECT_EQ(g->man_mamori[8][7], F::man_sya);
  EXPECT_EQ(g->man_mamori_x[8][7], 8);
  EXPECT_EQ(g->man_mamori_y[8][7], 8);
  EXPECT_EQ(g->man_mamori[4][9], F::man_ou);
  EXPECT_EQ(g->com_mamori[4][1], F::com_ou);
  EXPECT_EQ(g->com_mamori[2][3], F::com_sya);  // the rook's downward ray keeps its square
  EXPECT_EQ(g->com_mamori_x[2][3], 2);
  EXPECT_EQ(g->com_mamori_y[2][3], 2);
  EXPECT_EQ(g->com_mamori[1][3], F::com_kyou);  // cheaper than the knight
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      EXPECT_EQ(g->oute_man[x][y], 0);
      EXPECT_EQ(g->oute_com[x][y], 0);
    }
}

TEST(RulesInfluence, RookCheckRunsThroughTheKing) {
  Game g;
  g.clear_board();
  g->ban[5][1] = F::com_sya;
  g->ban[5][5] = F::man_ou;
  g->ban[5][7] = F::man_hu;
  g->勢力調査();
  EXPECT_EQ(g->oute_man[5][1], 9);
  for (int y = 2; y <= 4; ++y) EXPECT_EQ(g->oute_man[5][y], 1) << y;
  EXPECT_EQ(g->oute_man[5][5], 0);
  EXPECT_EQ(g->seiryoku_com[5][6], 1);
  EXPECT_EQ(g->seiryoku_com[5][7], 1);
  EXPECT_EQ(g->seiryoku_com[5][8], 0);
  EXPECT_EQ(g->com_kougeki[5][7], F::com_sya);
}

TEST(RulesInfluence, KnightCheckMarksTheKingsSquareToo) {
  Game g;
  g.clear_board();
  g->ban[4][5] = F::man_kei;
  g->ban[3][3] = F::com_ou;
  g->勢力調査();
  EXPECT_EQ(g->oute_com[4][5], 9);
  EXPECT_EQ(g->oute_com[3][3], 9);
  int marked = 0;
  for (auto& col : g->oute_com)
    for (Int v : col) marked += v != 0;
  EXPECT_EQ(marked, 2);
}

TEST(RulesInfluence, SealedPiecesAddNothing) {
  // A sealed piece still stands where it is (and can be attacked or guarded) but reaches
  // nothing: the maps equal those of the board where it lays no influence of its own.
  Game sealed, plain;
  for (Game* g : {&sealed, &plain}) {
    g->clear_board();
    (*g)->ban[5][8] = F::man_ou;
    (*g)->ban[8][2] = F::com_gin;
    (*g)->ban[3][8] = F::man_gin;
  }
  sealed->ban[5][5] = F::com_sya_nari;  // would check the king
  sealed->ban[2][2] = F::man_kaku;      // would attack the silver
  sealed->huu_com[5][5] = F::ari;
  sealed->huu_man[2][2] = F::ari;
  sealed->勢力調査();
  plain->勢力調査();
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      EXPECT_EQ(sealed->seiryoku_com[x][y], plain->seiryoku_com[x][y]);
      EXPECT_EQ(sealed->seiryoku_man[x][y], plain->seiryoku_man[x][y]);
      EXPECT_EQ(sealed->oute_man[x][y], 0);
    }
  EXPECT_EQ(sealed->man_kougeki[8][2], -999);
  EXPECT_EQ(sealed->com_kougeki[5][8], 999);
  EXPECT_EQ(sealed->com_kougeki[3][8], 999);
}

TEST(RulesInfluence, SealedKingKeepsItsLastSquare) {
  Game g;
  g.clear_board();
  g->ban[5][9] = F::man_ou;
  g->ban[5][1] = F::com_ou;
  g->勢力調査();
  g->ban[5][9] = F::kara;
  g->ban[4][8] = F::man_ou;
  g->ban[5][1] = F::kara;
  g->ban[6][2] = F::com_ou;
  g->huu_man[4][8] = F::ari;
  g->huu_com[6][2] = F::ari;
  g->勢力調査();
  EXPECT_EQ(g->man_ou_x, 5);
  EXPECT_EQ(g->man_ou_y, 9);
  EXPECT_EQ(g->com_ou_x, 5);
  EXPECT_EQ(g->com_ou_y, 1);
  EXPECT_EQ(g->seiryoku_man[4][7], 0);
  EXPECT_EQ(g->seiryoku_com[6][3], 0);
}

TEST(RulesInfluence, TheMostValuableLowerGuardIsKept) {
  // The rook on (5, 5) is guarded by a pawn below it; a king reaching it replaces the pawn,
  // whichever of the two is met first.
  for (int king_x : {4, 6}) {
    Game g;
    g.clear_board();
    g->ban[5][5] = F::man_sya;
    g->ban[5][6] = F::man_hu;
    g->勢力調査();
    EXPECT_EQ(g->man_mamori[5][5], F::man_hu);
    g->ban[king_x][6] = F::man_ou;
    g->勢力調査();
    EXPECT_EQ(g->man_mamori[5][5], F::man_ou) << king_x;
  }
}

TEST(RulesInfluence, TheCheapestLowerAttackerIsKeptWhateverTheOrder) {
  for (int rook_x : {1, 9}) {  // the rook is met before or after the pawn
    Game g;
    g.clear_board();
    g->ban[5][5] = F::com_kin;
    g->ban[5][6] = F::man_hu;
    g->ban[rook_x][5] = F::man_sya;
    g->勢力調査();
    EXPECT_EQ(g->man_kougeki[5][5], F::man_hu) << rook_x;
    EXPECT_EQ(g->man_kougeki_x[5][5], 5);
    EXPECT_EQ(g->man_kougeki_y[5][5], 6);
    EXPECT_EQ(g->man_kougeki_kazu[5][5], 2);
  }
}

TEST(RulesInfluence, TiesKeepThePieceMetFirst) {
  Game g;
  g.clear_board();
  g->ban[5][5] = F::man_kin;
  g->ban[1][5] = F::com_sya;
  g->ban[9][5] = F::com_sya;
  g->ban[5][1] = F::com_kyou;  // guarded twice from above by upper lances
  g->ban[5][3] = F::com_kin;
  g->ban[5][2] = F::com_kin;
  g->勢力調査();
  EXPECT_EQ(g->com_kougeki[5][5], F::com_sya);
  EXPECT_EQ(g->com_kougeki_x[5][5], 1);
  EXPECT_EQ(g->com_kougeki_y[5][5], 5);
  g->ban[1][5] = F::kara;
  g->ban[3][3] = F::com_kaku;  // cheaper than the rook and met first
  g->勢力調査();
  EXPECT_EQ(g->com_kougeki[5][5], F::com_kaku);
  EXPECT_EQ(g->com_kougeki_x[5][5], 3);
  EXPECT_EQ(g->com_kougeki_y[5][5], 3);
}

TEST(RulesInfluence, EveryRunStartsAfreshExceptTheSquareArrays) {
  Game g;
  initial_position(g);
  g->ban[5][5] = F::com_kaku;  // attacks the lower pawns
  g->勢力調査();
  ASSERT_EQ(g->com_kougeki[7][7], F::com_kaku);
  ASSERT_EQ(g->com_kougeki_x[7][7], 5);
  ASSERT_EQ(g->man_mamori_x[8][7], 8);
  const auto before = g->com_mamori_x[4][1];

  g.clear_board();
  g->勢力調査();
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      EXPECT_EQ(g->seiryoku_man[x][y], 0);
      EXPECT_EQ(g->seiryoku_com[x][y], 0);
      EXPECT_EQ(g->man_mamori[x][y], 999);
      EXPECT_EQ(g->com_mamori[x][y], 999);
      EXPECT_EQ(g->man_kougeki[x][y], -999);
      EXPECT_EQ(g->man_kougeki_x[x][y], 0);
      EXPECT_EQ(g->man_kougeki_y[x][y], 0);
      EXPECT_EQ(g->man_kougeki_kazu[x][y], 0);
      EXPECT_EQ(g->com_kougeki[x][y], 999);
      EXPECT_EQ(g->oute_man[x][y], 0);
      EXPECT_EQ(g->oute_com[x][y], 0);
    }
  // Not reset: meaningful only where the code beside them records a piece.
  EXPECT_EQ(g->com_kougeki_x[7][7], 5);
  EXPECT_EQ(g->man_mamori_x[8][7], 8);
  EXPECT_EQ(g->com_mamori_x[4][1], before);
  // The row and column 0 are not part of the board and are left alone.
  EXPECT_EQ(g->man_mamori[0][0], 0);
  EXPECT_EQ(g->com_kougeki[0][5], 0);
}

TEST(RulesInfluence, TheFamilyIgnoresSquaresOffTheBoard) {
  Game g;
  g.clear_board();
  g->ban[9][5] = F::man_ou;
  g->ban[5][9] = F::com_ou;
  for (Int bad : {Int{-1}, Int{0}, Int{10}, Int{11}}) {
    g->勢力確定上直進(F::com_sya, bad, 5);
    g->勢力確定下直進(F::man_sya, 5, bad);
    g->勢力確定右直進(F::com_sya, 5, bad);
    g->勢力確定左直進(F::com_sya, bad, 5);
    g->勢力確定自角(bad, bad);
    g->勢力確定敵角(F::com_kaku, bad, 4);
    g->勢力確定自金(F::man_kin, bad, 5);
    g->勢力確定敵金(5, bad);
  }
  for (int x = 0; x <= 9; ++x)
    for (int y = 0; y <= 9; ++y) {
      EXPECT_EQ(g->seiryoku_man[x][y], 0);
      EXPECT_EQ(g->seiryoku_com[x][y], 0);
      EXPECT_EQ(g->oute_man[x][y], 0);
    }
}

}  // namespace

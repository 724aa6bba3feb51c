// The computer's move choice, its evaluation and its spell targeting, on hand-made positions.
// Positions are written as text (support/PositionText.h): upper case is the human's side.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "support/Game.h"
#include "support/PositionText.h"

namespace {

using F = Form1;

struct Move {
  Int x = 0, y = 0, x2 = 0, y2 = 0, before = F::kara, after = F::kara;
  bool operator==(const Move&) const = default;
};

struct Com : ::testing::Test {
  Game g;
  void load(const std::string& rows, Int level = 3) {
    std::istringstream in("= test\n" + rows);
    std::string name;
    ASSERT_TRUE(position_text::read(in, *g, name));
    g->level = level;
    g->勢力調査();
  }
  Move best() {
    Move m;
    g->調査_COM打ち座標(m.x, m.y, m.x2, m.y2, m.before, m.after);
    return m;
  }
  // The score of the candidate `m` as the search would see it, the board left as it was.
  double score(const Move& m) {
    best();  // the search's snapshots of this position
    const bool drop = m.x < 0;
    if (!drop)
      g->man_ou_kyori =
          static_cast<Int>(std::max(std::abs(g->man_ou_x - m.x), std::abs(g->man_ou_y - m.y)));
    const Int target = g->ban[m.x2][m.y2];
    if (!drop) g->ban[m.x][m.y] = F::kara;
    g->ban[m.x2][m.y2] = m.after;
    g->idou_koma = m.before;
    g->勢力調査();
    const double s = g->盤評価(target, m.after, m.x, m.y, m.x2, m.y2);
    g->ban[m.x2][m.y2] = target;
    if (!drop) g->ban[m.x][m.y] = m.before;
    return s;
  }
  // The influence maps of the position after `m`, to tell which candidate was tried last.
  std::vector<Int> maps_after(const Move& m) {
    Game h;
    for (int x = 0; x < 10; ++x)
      for (int y = 0; y < 10; ++y) h->ban[x][y] = g->ban[x][y];
    if (m.x > 0) h->ban[m.x][m.y] = F::kara;
    h->ban[m.x2][m.y2] = m.after;
    h->勢力調査();
    return maps(*h);
  }
  static std::vector<Int> maps(const F& f) {
    std::vector<Int> v;
    for (int x = 1; x <= F::ban_max; ++x)
      for (int y = 1; y <= F::ban_max; ++y) {
        v.push_back(f.seiryoku_man[x][y]);
        v.push_back(f.seiryoku_com[x][y]);
      }
    return v;
  }
};

// The upper king in the corner can take the lower king with its gold, or do many other things.
const char* kKingInReach =
    "k . . . . . . . .\n"
    ". . . . . . . . .\n"
    ". . . . . . . . .\n"
    ". . . . . . . . .\n"
    ". . . . g . . . .\n"
    ". . . . K . . . .\n"
    ". . . . . . . . .\n"
    ". . . . . . . . .\n"
    ". . . . . . . P r\n"
    "hands: / p1 s1\n";

TEST_F(Com, TakingTheKingEndsTheSearchAtOnce) {
  load(kKingInReach);
  const Move m = best();
  EXPECT_EQ(m, (Move{5, 5, 5, 6, F::com_kin, F::com_kin}));
  EXPECT_EQ(maps(*g), maps_after(m)) << "no candidate was tried after it";
}

// The lower king in the corner: the upper gold mates by moving to 2八 (the silver guards it),
// or a gold dropped on 2八 mates once the gold on the board has gone.
const char* kMates =
    "k . . . . . . . .\n"
    ". . . . . . . . .\n"
    ". . . . . . . . .\n"
    ". . . . . . . . .\n"
    ". . . . . . . . .\n"
    ". . . . . . . . .\n"
    ". g s . . . . . .\n"
    ". . . . . . . . .\n"
    "K . . . . . . . .\n"
    "hands: / g1\n";

TEST_F(Com, AMatingDropEndsTheDropLoopButAMatingMoveDoesNot) {
  load(kMates);
  const Move board_mate{2, 7, 2, 8, F::com_kin, F::com_kin};
  EXPECT_EQ(score(board_mate), 9998);
  const Move m = best();
  EXPECT_EQ(m, board_mate) << "the first mate found; drops only tie with it";
  EXPECT_NE(maps(*g), maps_after(m)) << "the search went on after the mating board move";

  g->ban[2][7] = F::kara;
  const Move drop = best();
  EXPECT_EQ(drop.x, F::mochi_com_x);
  EXPECT_EQ(drop.after, F::com_kin);
  EXPECT_EQ(maps(*g), maps_after(drop)) << "nothing was tried after the mating drop";
}

TEST_F(Com, APawnDropThatMatesScoresMinus9998AndIsNeverPlayed) {
  // A pawn on 1八 would be guarded by the silver, and the gold holds 2九.
  load(
      "k . . . . . . . .\n"
      ". . . . . . . . .\n"
      ". . . . . . . . .\n"
      ". . . . . . . . .\n"
      ". . . . . . . . .\n"
      ". . . . . . . . .\n"
      ". s . . . . . . .\n"
      ". . g . . . . . .\n"
      "K . . . . . . . .\n"
      "hands: / p1\n");
  const Move pawn_mate{F::mochi_com_x, 1, 1, 8, F::com_hu, F::com_hu};
  EXPECT_EQ(score(pawn_mate), -9998);
  const Move m = best();
  EXPECT_NE(m, pawn_mate);
}

// A position symmetric about the middle file: every move ties with its mirror image.
TEST_F(Com, TiesGoToTheFirstMoveInLoopOrder) {
  load(
      ". . . . k . . . .\n"
      ". . . g . g . . .\n"
      ". . p . . . p . .\n"
      ". . . . . . . . .\n"
      ". . . . . . . . .\n"
      ". . . . . . . . .\n"
      ". . P . . . P . .\n"
      ". . . G . G . . .\n"
      ". . . . K . . . .\n"
      "hands: /\n",
      2);
  const Move m = best();
  const Move mirror{
      static_cast<Int>(10 - m.x), m.y, static_cast<Int>(10 - m.x2), m.y2, m.before, m.after};
  ASSERT_EQ(score(m), score(mirror));
  EXPECT_TRUE(m.x < 5 || (m.x == 5 && m.x2 <= 5)) << m.x << "," << m.y << " to " << m.x2;
}

// The silver (3,5) and the pawn (4,3) both reach (4,4) scoring -29.9 term by term: the
// silver's -30 (a rook hangs) comes after a fork's 0.1, the pawn's before its approach's 0.1.
// Added whole, the terms tie and the silver, found first, is played.
TEST_F(Com, TermsAddedInTheirOrderTieExactly) {
  load(
      ". . . . . . s n l\n"
      ". . . . g k . b .\n"
      ". . . p p p p p p\n"
      "l g p . . r* . . .\n"
      "p p s n R N S P P\n"
      ". . . . . P P . L\n"
      "P P P P P . . . .\n"
      ". B . S . . G . .\n"
      "L N . G K . . . .\n"
      "hands: /\n",
      2);
  g->詰めかCOM();
  const Move silver{3, 5, 4, 4, F::com_gin, F::com_gin};
  ASSERT_EQ(score(silver), score({4, 3, 4, 4, F::com_hu, F::com_hu}));
  EXPECT_EQ(best(), silver);
}

TEST_F(Com, LevelsCutTheEvaluationShort) {
  // A silver takes an unguarded lower piece.
  load(
      "k . . . . . . . .\n"
      ". . . . . . . . .\n"
      ". . . . . . . . .\n"
      ". . . . s . . . .\n"
      ". . . . G . . . .\n"
      ". . . . . . . . .\n"
      ". . . . . . . . .\n"
      ". . . . . . . . .\n"
      "K . . . . . . . .\n"
      "hands: /\n");
  const Move take{5, 4, 5, 5, F::com_gin, F::com_gin};
  auto at = [&](Int level, Int taken) {
    g->level = level;
    g->ban[5][5] = taken;
    return score(take);
  };
  EXPECT_EQ(at(1, F::man_gin), at(1, F::man_kin)) << "level 1 ignores what is taken";
  EXPECT_NE(at(3, F::man_gin), at(3, F::man_kin));
  // A lance's plain move ends at -0.9 at level 3; level 2 adds no piece terms.
  g->ban[5][5] = F::kara;
  g->ban[5][4] = F::com_kyou;
  const Move lance{5, 4, 5, 5, F::com_kyou, F::com_kyou};
  g->level = 2;
  const double without = score(lance);
  g->level = 3;
  EXPECT_DOUBLE_EQ(score(lance), without - 0.9);
}

// Each kind reaches the far rows taking an unguarded rook.
struct Promotion {
  Int piece, from_x, from_y, to_y;
  bool always;  // always played promoted
  // A lower lance behind the rook, stuck once the rook is taken on a guarded square: an
  // unpromoted pawn would score that lance, a promoted one not.
  bool lance_behind = false;
};
class ComPromotion : public Com, public ::testing::WithParamInterface<Promotion> {};

TEST_P(ComPromotion, ChoosesThePromotedFormAsTheKindDemands) {
  const Promotion p = GetParam();
  load(
      "k . . . . . . . .\n"
      ". . . . . . . . .\n"
      ". . . . . . . . .\n"
      ". . . . . . . . .\n"
      ". . . . . . . . .\n"
      ". . . . . . . . .\n"
      ". . . . . . . . .\n"
      ". . . . . . . . .\n"
      ". . . . . . . . K\n"
      "hands: /\n");
  g->ban[p.from_x][p.from_y] = p.piece;
  g->ban[5][p.to_y] = F::man_sya;
  if (p.lance_behind) {
    g->ban[5][p.to_y + 1] = F::man_kyou;
    g->ban[4][p.from_y] = F::com_kin;
  }
  const Move m = best();
  ASSERT_EQ(m.x2, 5);
  ASSERT_EQ(m.y2, p.to_y);
  const Int promoted = static_cast<Int>(p.piece + 1);
  if (p.always) {
    EXPECT_EQ(m.after, promoted);
  } else {
    const double plain = score({p.from_x, p.from_y, 5, p.to_y, p.piece, p.piece});
    const double up = score({p.from_x, p.from_y, 5, p.to_y, p.piece, promoted});
    EXPECT_EQ(m.after, up > plain ? promoted : p.piece);
  }
  if (p.lance_behind) {
    EXPECT_GT(score({p.from_x, p.from_y, 5, p.to_y, p.piece, p.piece}),
              score({p.from_x, p.from_y, 5, p.to_y, p.piece, promoted}))
        << "promoted although the plain pawn scores higher";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ComPromotion,
    ::testing::Values(Promotion{F::com_hu, 5, 6, 7, true},
                      Promotion{F::com_hu, 5, 6, 7, true, true},
                      Promotion{F::com_hu, 5, 8, 9, true}, Promotion{F::com_kyou, 5, 5, 9, true},
                      Promotion{F::com_kyou, 5, 5, 8, false}, Promotion{F::com_gin, 5, 6, 7, false},
                      Promotion{F::com_sya, 5, 4, 8, true}, Promotion{F::com_kaku, 9, 4, 8, true}));

// Taking the king scores the same promoted or not: the silver is played as it is, the pawn
// promoted.
TEST_F(Com, APromotionThatScoresNoMoreIsDeclinedButByAPawn) {
  for (const Move take :
       {Move{4, 6, 5, 7, F::com_gin, F::com_gin}, Move{5, 6, 5, 7, F::com_hu, F::com_hu_nari}}) {
    g.clear_board();
    g->ban[1][1] = F::com_ou;
    g->ban[5][7] = F::man_ou;
    g->ban[take.x][take.y] = take.before;
    const Int promoted = static_cast<Int>(take.before + 1);
    ASSERT_EQ(score({take.x, take.y, 5, 7, take.before, take.before}),
              score({take.x, take.y, 5, 7, take.before, promoted}));
    EXPECT_EQ(best(), take);
  }
}

TEST_F(Com, AThreatenedPieceMovesAway) {
  // The upper rook stands before a lower pawn that a gold guards.
  load(
      "k . . . . . . . .\n"
      ". . . . . . . . .\n"
      ". . . . . . . . .\n"
      ". . . . . . . . .\n"
      ". . . . r . . . .\n"
      ". . . . P . . . .\n"
      ". . . . G . . . .\n"
      ". . . . . . . . .\n"
      ". . . . . . . . K\n"
      "hands: /\n");
  const Move m = best();
  EXPECT_EQ(m.before, F::com_sya) << "the rook leaves";
  EXPECT_FALSE(m.x2 == 5 && m.y2 == 6) << "not into the gold's reach";
}

TEST_F(Com, TurningTheBoardTwiceGivesItBack) {
  std::istringstream in(
      "= middle\n"
      "l n . g . . . n l\n"
      ". r . . k g s b .\n"
      "p . p p p* p . p p\n"
      ". p . . . . p . .\n"
      ". . . . . . . P .\n"
      ". . P . . . . . .\n"
      "P P . P P P P . P\n"
      ". B* . . . . . R .\n"
      "L N S G K G S N L\n"
      "hands: S1* / p2 s1\n");
  std::string name;
  ASSERT_TRUE(position_text::read(in, *g, name));
  g->勢力調査();
  const std::string before = position_text::write(*g, "x");
  const Int kings[] = {g->man_ou_x, g->man_ou_y, g->com_ou_x, g->com_ou_y};
  g->COM_MAN_入替処理();
  EXPECT_NE(position_text::write(*g, "x"), before);
  g->COM_MAN_入替処理();
  EXPECT_EQ(position_text::write(*g, "x"), before);
  const Int after[] = {g->man_ou_x, g->man_ou_y, g->com_ou_x, g->com_ou_y};
  EXPECT_TRUE(std::equal(std::begin(kings), std::end(kings), std::begin(after)));
}

// The lower silver beside the upper king takes it: the spell falls on that silver. With a
// silver in the lower hand and a gold on 2三, a drop on 1二 or 2二 mates instead.
TEST_F(Com, TheSpellFallsOnThePieceOfTheBestReply) {
  load(
      "k . . . . . . . .\n"
      ". S . . . . . . .\n"
      ". . . . . . . . .\n"
      ". . . . . . . . .\n"
      ". . . . . . . . .\n"
      ". . . . . . . . .\n"
      ". . . . . . . . .\n"
      ". . . . . . . . .\n"
      ". . . . . . . . K\n"
      "hands: / p1\n");
  const std::string before = position_text::write(*g, "x");
  Int code = F::kara, x = 0, y = 0;
  g->調査_ルミナーク座標(code, x, y);
  EXPECT_EQ(code, F::man_gin);
  EXPECT_EQ(x, 2);
  EXPECT_EQ(y, 2);
  EXPECT_EQ(position_text::write(*g, "x"), before) << "the position is left as it was";

  g->ban[2][2] = F::kara;
  g->ban[2][3] = F::man_kin;
  g->mochi_man[4] = 1;
  g->mochi_man_kei = 1;
  g->調査_ルミナーク座標(code, x, y);
  EXPECT_EQ(code, F::man_gin);
  EXPECT_EQ(x, F::mochi_man_x);
  EXPECT_EQ(y, 4) << "the hand kind of the silver";

  // The search tries the lower side's drops only when the upper side holds something.
  g->mochi_com[1] = 0;
  g->mochi_com_kei = 0;
  g->調査_ルミナーク座標(code, x, y);
  ASSERT_NE(x, F::mochi_man_x);
  EXPECT_EQ(code, g->ban[x][y]) << "a piece on the board";
}

}  // namespace

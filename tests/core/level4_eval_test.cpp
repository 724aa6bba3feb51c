// LEVEL4's judgement: the same for either side (a position turned round, sides exchanged,
// scores the same for its mover), in every part; its parts add up to it and to the material
// the position keeps; and small positions are put in the order a player would put them.
#include <gtest/gtest.h>

#include <limits>

#include "Level4Positions.h"
#include "engine/Evaluate.h"

namespace {

using namespace engine;
using level4::from_text;
using level4::mirrored;

constexpr int kLow = std::numeric_limits<int>::min(), kHigh = std::numeric_limits<int>::max();
constexpr std::size_t kPositions = 4000;

int full(const Position& p) {
  return evaluate(p, kLow, kHigh);
}

struct Term {
  const char* name;
  int EvalTerms::*part;
};
constexpr Term kTerms[] = {
    {"material", &EvalTerms::material},   {"hand", &EvalTerms::hand},
    {"placement", &EvalTerms::placement}, {"king safety", &EvalTerms::king_safety},
    {"influence", &EvalTerms::influence}, {"reach", &EvalTerms::reach}};

class Level4Eval : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { positions_ = level4::random_positions(kPositions, 7); }
  static std::vector<Position> positions_;
};
std::vector<Position> Level4Eval::positions_;

TEST_F(Level4Eval, TheSamplePlaysOnHandsPromotionsAndSpells) {
  int in_hand = 0, promoted_pieces = 0, spells = 0, hand_spells = 0;
  for (const Position& p : positions_) {
    in_hand += p.hand_total(Upper) + p.hand_total(Lower) > 0;
    spells += p.seal != kNoPlace;
    hand_spells += is_hand_place(p.seal);
    for (int sq = kFirstSquare; sq <= kLastSquare; ++sq)
      promoted_pieces +=
          is_piece(p.board[sq]) && unpromoted(kind_of(p.board[sq])) != kind_of(p.board[sq]);
  }
  EXPECT_GT(in_hand, 0);
  EXPECT_GT(promoted_pieces, 0);
  EXPECT_GT(spells, 0);
  EXPECT_GT(hand_spells, 0);
}

// evaluate() scores for the side to move. Turned round (each piece to the square opposite through
// the board's centre and to the other side, the hands exchanged, the spell on the same piece or
// hand kind, the other side to move), a position is the same game seen by the other player: its
// mover gets exactly the same score, with no bound to cut the judgement short.
TEST_F(Level4Eval, TurningThePositionRoundChangesNothingForTheMover) {
  for (const Position& p : positions_) {
    const Position m = mirrored(p);
    ASSERT_EQ(mirrored(m).key, p.key) << "turning round twice\n" << to_text(p);
    ASSERT_EQ(full(m), full(p)) << to_text(p) << to_text(m);
  }
}

// Each part is the upper side's minus the lower side's: turned round, it changes sign.
TEST_F(Level4Eval, EachPartChangesSignWhenThePositionIsTurnedRound) {
  for (const Position& p : positions_) {
    const EvalTerms t = evaluate_terms(p), u = evaluate_terms(mirrored(p));
    for (const Term& term : kTerms)
      ASSERT_EQ(u.*term.part, -(t.*term.part)) << term.name << "\n" << to_text(p);
  }
}

TEST_F(Level4Eval, ThePartsAddUpToTheScoreAndTheKeptMaterial) {
  int tempo = 0;
  bool first = true;
  for (const Position& p : positions_) {
    const EvalTerms t = evaluate_terms(p);
    ASSERT_EQ(t.material + t.hand + t.placement, p.material) << to_text(p);
    const int rest = full(p) - (p.side == Upper ? t.sum() : -t.sum());
    if (first) tempo = rest, first = false;
    ASSERT_EQ(rest, tempo) << "the same tempo for every position and side\n" << to_text(p);
  }
}

// Pairs of positions that differ in one thing, the better one first for the upper side (lower
// case), with the part of the judgement that must see it (or, not strict, must not count it
// against the better one).
struct Order {
  const char* what;
  const char* better;
  const char* worse;
  int EvalTerms::*part;
  bool strict = true;
};

const Order kOrders[] = {
    {"a piece more",
     ". . . . k . . . .\n. . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
     ". . . . . . . . s\n. . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
     ". . . . K . . . .\nhands: /\n",
     ". . . . k . . . .\n. . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
     ". . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
     ". . . . K . . . .\nhands: /\n",
     &EvalTerms::material},
    {"a piece more in hand",
     ". . . . k . . . .\n. . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
     ". . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
     ". . . . K . . . .\nhands: / s1\n",
     ". . . . k . . . .\n. . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
     ". . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
     ". . . . K . . . .\nhands: /\n",
     &EvalTerms::hand},
    {"a pawn further forward",
     ". . . . k . . . .\n. . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
     ". . . . . . . . .\np . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
     ". . . . K . . . .\nhands: /\n",
     ". . . . k . . . .\n. . . . . . . . .\np . . . . . . . .\n. . . . . . . . .\n"
     ". . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
     ". . . . K . . . .\nhands: /\n",
     &EvalTerms::placement},
    {"the king at home rather than in the open",
     ". . . . k . . . .\n. . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
     ". . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
     ". . . . K . . . .\nhands: /\n",
     ". . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n. . . . k . . . .\n"
     ". . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
     ". . . . K . . . .\nhands: /\n",
     &EvalTerms::placement},
    {"a gold beside its own king rather than far away",
     ". . . . k . . . .\n. . . . g . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
     ". . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
     ". . . . K . . . .\nhands: /\n",
     ". . . . k . . . .\n. . . . . . . . .\n. . . . . . . . g\n. . . . . . . . .\n"
     ". . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
     ". . . . K . . . .\nhands: /\n",
     &EvalTerms::king_safety},
    {"an opposing silver far from the king rather than beside it",
     ". . . . k . . . .\n. . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
     ". . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\nS . . . . . . . .\n"
     ". . . . K . . . .\nhands: /\n",
     ". . . . k . . . .\n. . . S . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
     ". . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
     ". . . . K . . . .\nhands: /\n",
     &EvalTerms::king_safety},
    {"nothing in the opponent's hand to drop by the king",
     ". . . . k . . . .\n. . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
     ". . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
     ". . . . K . . . .\nhands: / g1\n",
     ". . . . k . . . .\n. . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
     ". . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
     ". . . . K . . . .\nhands: G1 / g1\n",
     &EvalTerms::king_safety},
    {"the king in the corner rather than in the middle of its back row",
     "k . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
     ". . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
     ". . . . K . . . .\nhands: /\n",
     ". . . . k . . . .\n. . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
     ". . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
     ". . . . K . . . .\nhands: /\n",
     &EvalTerms::king_safety},
    {"a gold a square further from its king rather than far away",
     ". . . . k . . . .\n. . . . . . . . .\n. . . . g . . . .\n. . . . . . . . .\n"
     ". . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
     ". . . . K . . . .\nhands: /\n",
     ". . . . k . . . .\n. . . . . . . . .\n. . . . . . . . g\n. . . . . . . . .\n"
     ". . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
     ". . . . K . . . .\nhands: /\n",
     &EvalTerms::king_safety},
    {"against a full hand, its own gold beside the king rather than the opponent's",
     ". . . . k . . . .\n. . . g . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
     ". . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
     ". . . . K . . . .\nhands: R2 B2 G3 S4 N4 L4 P18 /\n",
     ". . . . k . . . .\n. . . G . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
     ". . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
     ". . . . K . . . .\nhands: R2 B2 G3 S4 N4 L4 P18 /\n",
     &EvalTerms::king_safety},
    {"a rook on the other king's file rather than on the edge",
     "k . . . . . . . .\n. . . . r . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
     ". . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
     ". . . . K . . . .\nhands: /\n",
     "k . . . . . . . .\n. . . . . . . . r\n. . . . . . . . .\n. . . . . . . . .\n"
     ". . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
     ". . . . K . . . .\nhands: /\n",
     &EvalTerms::influence},
    {"a square beside the other king that no guard defends",
     "k . . . . . . . .\n. . . . r . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
     ". . . . K . . . .\n. . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
     ". . . . . . . . .\nhands: /\n",
     "k . . . . . . . .\n. . . . r . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
     ". . . . K . . . .\n. . . N . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
     ". . . . . . . . .\nhands: /\n",
     &EvalTerms::influence},
    {"the other side's guards in its own camp hold nothing for the attacker",
     ". . . . k . . . .\n. . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
     ". . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
     ". . . . K . . . .\nhands: /\n",
     ". . . . k . . . .\n. . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
     ". . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
     "G G . . K . . . .\nhands: /\n",
     &EvalTerms::influence, false},
    {"a gold in the other camp rather than in the middle",
     ". . . . k . . . .\n. . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
     ". . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n. . . . . . . . g\n"
     "K . . . . . . . .\nhands: /\n",
     ". . . . k . . . .\n. . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
     ". . . . . . . . g\n. . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
     "K . . . . . . . .\nhands: /\n",
     &EvalTerms::influence},
    {"a rook whose file is open",
     ". . . . k . . . .\n. r . . . . . . .\np . . . . . . . .\n. . . . . . . . .\n"
     ". . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
     ". . . . K . . . .\nhands: /\n",
     ". . . . k . . . .\n. r . . . . . . .\n. p . . . . . . .\n. . . . . . . . .\n"
     ". . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
     ". . . . K . . . .\nhands: /\n",
     &EvalTerms::reach},
};

// The better one is better in its part and in the whole judgement, whichever side is to move.
TEST(Level4EvalOrder, SmallPositionsComeInThePlayersOrder) {
  for (const Order& o : kOrders) {
    for (const Side mover : {Upper, Lower}) {
      const Position better = from_text(o.better, mover), worse = from_text(o.worse, mover);
      const int sign = mover == Upper ? 1 : -1;
      const int b = evaluate_terms(better).*o.part, w = evaluate_terms(worse).*o.part;
      if (o.strict)
        EXPECT_GT(b, w) << o.what;
      else
        EXPECT_GE(b, w) << o.what;
      EXPECT_GT(sign * full(better), sign * full(worse)) << o.what;
    }
  }
}

}  // namespace

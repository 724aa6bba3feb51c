// The searching player's judgement of a position, in hundredths of a pawn, for the side to
// move: material on the board and in hand with promotion and placement, the safety of both
// kings (guards, attackers near, the pieces in hand that could be dropped by them), and each
// side's influence (the squares its pieces attack near the other king, in the other camp, and
// the reach of its long-range pieces).
#pragma once

#include "engine/Position.h"

namespace engine {

// Only a bound is asked for: a position that material and king safety alone put further than
// kLazyMargin outside alpha..beta gets their score, its influence not looked at (influence
// seldom moves the score further than that).
constexpr int kLazyMargin = 200;
int evaluate(const Position& p, int alpha, int beta);

// The judgement in its parts, each the upper side's minus the lower side's: material on the
// board (values alone), in hand, placement (promotion and rows), king safety, the squares
// attacked and held near the other king and in its camp, and the reach of long-range pieces.
// material + hand + placement is what the position keeps as `material`; with no bound,
// evaluate() is their sum for the side to move, and a tempo for moving.
struct EvalTerms {
  int material = 0, hand = 0, placement = 0, king_safety = 0, influence = 0, reach = 0;
  int sum() const { return material + hand + placement + king_safety + influence + reach; }
};
EvalTerms evaluate_terms(const Position& p);

}  // namespace engine

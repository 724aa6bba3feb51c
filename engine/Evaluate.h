// The searching player's judgement of a position, in hundredths of a pawn, for the side to
// move: material on the board and in hand with promotion and placement, the safety of both
// kings (guards, attackers near, the pieces in hand that could be dropped by them), and each
// side's influence (the squares its pieces attack near the other king, in the other camp, and
// the reach of its long-range pieces).
#pragma once

#include "engine/Position.h"

namespace engine {

// Only a bound is asked for: a position that material and king safety alone put far outside
// alpha..beta gets their score, its influence not looked at.
int evaluate(const Position& p, int alpha, int beta);

}  // namespace engine

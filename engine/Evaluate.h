// The searching player's judgement of a position, in hundredths of a pawn, for the side to
// move: material on the board and in hand with promotion and placement, and the safety of
// both kings (guards, attackers near, the pieces in hand that could be dropped by them).
#pragma once

#include "engine/Position.h"

namespace engine {

int evaluate(const Position& p);

}  // namespace engine

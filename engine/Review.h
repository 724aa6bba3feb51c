// A finished analysis read as a player's review: the plies where the mover lost ground by
// LEVEL4's judgement, with the turn it would have played instead.
#pragma once

#include <vector>

#include "engine/Analysis.h"

namespace engine {

// What a ply cost its mover, in hundredths of a pawn: the least that makes it a dubious move
// (疑問手) and a blunder (悪手).
constexpr int kDubiousLoss = 150, kBlunderLoss = 300;

struct Mistake {
  long ply = 0;  // 1 for the first ply
  int loss = 0;
  bool blunder = false;
  Move better;  // LEVEL4's turn in the position before the ply
};

// A score from the lower side's view as one number: a king's capture found counts as far more
// than any material, the sooner the more.
int comparable_score(const PositionScore& s);

// `positions[n]` and `scores[n]` are the position after n plies and its score, from 0 (the
// start) to the end; the mover of ply n is the side to move of positions[n - 1]. Plies whose
// positions were not both scored are passed over.
std::vector<Mistake> mistakes(const std::vector<Position>& positions,
                              const std::vector<PositionScore>& scores);

}  // namespace engine

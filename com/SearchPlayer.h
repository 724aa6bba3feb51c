// LEVEL4, the searching player (engine/): its budget a move and its strength, the spell its
// search chose with its move, and the positions it has moved from in this game.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/Strength.h"
#include "shell/GameTerms.h"

struct SearchPlayer {
  static constexpr Int 探索_レベル = 4;  // the level at which the search plays
  Single 探索_秒 = 1.0f;                 // seconds a move
  long 探索_局面数 = 0;                  // a node limit a move; 0: the time alone
  Int 探索_強さ = engine::kStrongest;    // 0 入門 .. 4 最強 (engine/Strength.h)
  std::uint64_t 探索_種 = 0;             // the seed of a weaker strength's choices
  // The spell its search chose with its move: code (kara for none) and target.
  Int 探索_封印駒 = GameTerms::kara, 探索_封印X = 0, 探索_封印Y = 0;
  // The keys of the positions it has moved from in this game, so that it does not go round.
  std::vector<std::uint64_t> 探索_履歴;
};

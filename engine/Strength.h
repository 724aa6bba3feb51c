// LEVEL4's five strengths, from 入門 to 最強: a weaker one searches fewer nodes and chooses
// among the turns within a wider margin of the best, by a seeded draw. 最強 is the full search
// on the game's own budget.
#pragma once

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "engine/Search.h"

namespace engine {

struct Strength {
  const char* name;
  long nodes;  // a node limit a move; 0: the game's budget alone
  int margin;  // the spread among the near-best turns
};

constexpr Strength kStrengths[] = {
    {"入門", 400, 500},  {"初級", 2000, 250}, {"中級", 10000, 120},
    {"上級", 60000, 50}, {"最強", 0, 0},
};
constexpr int kStrengthCount = static_cast<int>(std::size(kStrengths));
constexpr int kStrongest = kStrengthCount - 1;

constexpr const Strength& strength(int n) {
  return kStrengths[std::clamp(n, 0, kStrongest)];
}

// The limits of a strength under the game's budget: its own node limit, or the budget's when
// that is smaller or the strength has none.
constexpr Limits strength_limits(int n, const Limits& budget) {
  const long own = strength(n).nodes;
  Limits l = budget;
  if (own > 0) l.nodes = budget.nodes > 0 ? std::min(budget.nodes, own) : own;
  return l;
}

constexpr Spread strength_spread(int n, std::uint64_t seed) {
  return {strength(n).margin, seed};
}

}  // namespace engine

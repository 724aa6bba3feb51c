#include "engine/Review.h"

#include <algorithm>
#include <cstdlib>

namespace engine {

namespace {
// A capture of the king found is worth this much, less a little for every ply it takes.
constexpr int kWinWorth = 10000, kWinPlyCost = 10;
}  // namespace

int comparable_score(const PositionScore& s) {
  if (s.win_plies == 0) return s.score;
  const int worth = kWinWorth - kWinPlyCost * std::abs(s.win_plies);
  return s.win_plies > 0 ? worth : -worth;
}

std::vector<Mistake> mistakes(const std::vector<Position>& positions,
                              const std::vector<PositionScore>& scores) {
  std::vector<Mistake> out;
  const std::size_t n = std::min(positions.size(), scores.size());
  for (std::size_t ply = 1; ply < n; ++ply) {
    const PositionScore &before = scores[ply - 1], &after = scores[ply];
    if (!before.scored || !after.scored) continue;
    const int sign = positions[ply - 1].side == Lower ? 1 : -1;  // the mover's view
    const int loss = sign * (comparable_score(before) - comparable_score(after));
    if (loss < kDubiousLoss) continue;
    out.push_back({static_cast<long>(ply), loss, loss >= kBlunderLoss, before.best});
  }
  return out;
}

}  // namespace engine

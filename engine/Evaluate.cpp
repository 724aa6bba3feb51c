// Evaluation: material kept with the position, king safety looked at around each king.
#include "engine/Evaluate.h"

#include <algorithm>

namespace engine {

namespace {

constexpr int kTempo = 20;
constexpr int kNear = 1, kAround = 2;  // king distances looked at

// King safety. A guard beside the king, and one a square further.
constexpr int kGuardNear[KindCount] = {0, 0, 0, 0, 30, 40, 0, 0, 0, 35, 35, 35, 35, 20, 20};
constexpr int kGuardAround = 10;
// An attacker beside the king (half as much a square further).
constexpr int kAttacker[KindCount] = {0, 15, 25, 30, 45, 50, 50, 60, 0, 50, 50, 50, 50, 90, 110};
// What each kind in the opponent's hand threatens as a drop by the king.
constexpr int kDropThreat[kHandKinds + 1] = {0, 6, 10, 16, 22, 26, 26, 34};
constexpr int kOpenSquare = 6;       // an empty square beside the king
constexpr int kDropScale = 4;        // drop threat times (open squares + attackers) / this
constexpr int kLoneKingSquares = 2;  // a king with no cover still has this much room to fear

// The squares beside each king square, and the ring of those a square further.
struct Areas {
  SquareSet near[kCells], around[kCells];
  constexpr Areas() : near(), around() {
    for (int k = kFirstSquare; k <= kLastSquare; ++k) {
      if (!on_board(k)) continue;
      for (int dy = -kAround; dy <= kAround; ++dy)
        for (int dx = -kAround; dx <= kAround; ++dx) {
          const int x = file_of(k) + dx, y = rank_of(k) + dy;
          const int distance = std::max(dx < 0 ? -dx : dx, dy < 0 ? -dy : dy);
          if (distance == 0 || x < 1 || x > kFiles || y < 1 || y > kRanks) continue;
          (distance == kNear ? near : around)[k] |= SquareSet::of(square(x, y));
        }
    }
  }
};
constexpr Areas kAreas;

// What a piece near a king of side s is worth to that king: a guard counts for it, an
// attacker against it; [near][s][piece].
struct ZoneWeights {
  int weight[2][2][kPieceCodes];
  constexpr ZoneWeights() : weight() {
    for (int s = Upper; s <= Lower; ++s)
      for (int o = Upper; o <= Lower; ++o)
        for (int k = Pawn; k < KindCount; ++k) {
          const Piece pc = make_piece(static_cast<Side>(o), static_cast<Kind>(k));
          if (o == s) {
            weight[1][s][pc] = kGuardNear[k];
            weight[0][s][pc] = kGuardNear[k] > 0 ? kGuardAround : 0;
          } else {
            weight[1][s][pc] = -kAttacker[k];
            weight[0][s][pc] = -kAttacker[k] / 2;
          }
        }
  }
};
constexpr ZoneWeights kZoneWeights;

// One side's king safety, for that side (higher is safer).
int king_safety(const Position& p, Side s) {
  const int k = p.king[s];
  if (k == 0) return 0;
  const Side o = opposite(s);
  const SquareSet pieces = p.occupied[Upper] | p.occupied[Lower];
  const SquareSet near = kAreas.near[k];
  const int open = (near & ~pieces).count();
  const int attackers_near = (near & p.occupied[o]).count();
  int score = 0;
  (near & pieces).each([&](int sq) { score += kZoneWeights.weight[1][s][p.board[sq]]; });
  (kAreas.around[k] & pieces).each([&](int sq) {
    score += kZoneWeights.weight[0][s][p.board[sq]];
  });
  int drops = 0;
  for (int kind = Pawn; kind <= kHandKinds; ++kind) drops += kDropThreat[kind] * p.hand[o][kind];
  return score - drops * (open + attackers_near + kLoneKingSquares) / kDropScale -
         kOpenSquare * open;
}

}  // namespace

int evaluate(const Position& p) {
  const int upper = p.material + king_safety(p, Upper) - king_safety(p, Lower);
  return (p.side == Upper ? upper : -upper) + kTempo;
}

}  // namespace engine

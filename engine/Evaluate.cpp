// Evaluation: material kept with the position, king safety looked at around each king.
#include "engine/Evaluate.h"

namespace engine {

namespace {

constexpr int kTempo = 20;
constexpr int kNear = 1, kAround = 2;  // king distances looked at

// A guard beside the king, and one a square further.
constexpr int kGuardNear[KindCount] = {0, 0, 0, 0, 30, 40, 0, 0, 0, 35, 35, 35, 35, 20, 20};
constexpr int kGuardAround = 10;
// An attacker beside the king (half as much a square further).
constexpr int kAttacker[KindCount] = {0, 15, 25, 30, 45, 50, 50, 60, 0, 50, 50, 50, 50, 90, 110};
// What each kind in the opponent's hand threatens as a drop by the king.
constexpr int kDropThreat[kHandKinds + 1] = {0, 6, 10, 16, 22, 26, 26, 34};
constexpr int kOpenSquare = 6;       // an empty square beside the king
constexpr int kDropScale = 4;        // drop threat times (open squares + attackers) / this
constexpr int kLoneKingSquares = 2;  // a king with no cover still has this much room to fear

// The squares around each king square, nearest first: the eight beside it, then the ring of
// sixteen a square further (those on the board).
struct Zone {
  int n = 0, n_near = 0;
  int sq[24] = {};
};
struct Zones {
  Zone of[kCells];
  constexpr Zones() : of() {
    for (int k = kFirstSquare; k <= kLastSquare; ++k) {
      if (!on_board(k)) continue;
      for (int ring = kNear; ring <= kAround; ++ring) {
        for (int dy = -ring; dy <= ring; ++dy)
          for (int dx = -ring; dx <= ring; ++dx) {
            const int x = file_of(k) + dx, y = rank_of(k) + dy;
            const bool on_ring = dx == ring || dx == -ring || dy == ring || dy == -ring;
            if (on_ring && x >= 1 && x <= kFiles && y >= 1 && y <= kRanks)
              of[k].sq[of[k].n++] = square(x, y);
          }
        if (ring == kNear) of[k].n_near = of[k].n;
      }
    }
  }
};
constexpr Zones kZones;

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
  const Zone& z = kZones.of[k];
  int score = 0, open = 0, attackers_near = 0;
  for (int i = 0; i < z.n; ++i) {
    const Piece pc = p.board[z.sq[i]];
    const bool near = i < z.n_near;
    if (pc == kEmpty) {
      open += near;
    } else {
      score += kZoneWeights.weight[near][s][pc];
      attackers_near += near && side_of(pc) != s;
    }
  }
  const Side o = opposite(s);
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

// Evaluation: material kept with the position, each king's safety looked at around it, and
// each side's influence: the squares its pieces attack.
#include "engine/Evaluate.h"

#include <algorithm>

#include "engine/Moves.h"
#include "engine/Values.h"

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

// Influence. A square beside the other king that a side attacks, and more when it attacks it
// more often than the other side defends it; a square a step further; a square of the other
// camp it holds; and each square a long-range piece reaches, by kind.
constexpr int kKingNearAttack = 20, kKingNearHeld = 20, kKingRingAttack = 8;
constexpr int kCampHeld = 8;
constexpr int kLanceReach = 2, kBishopReach = 6, kRookReach = 6;
constexpr int kReach[KindCount] = {
    0, 0, kLanceReach, 0, 0, 0, kBishopReach, kRookReach, 0, 0, 0, 0, 0, kBishopReach, kRookReach};

// The squares beside each king square, the ring of those a square further, and each side's
// promotion zone (the other side's camp).
struct Areas {
  SquareSet near[kCells], around[kCells], camp[2];
  constexpr Areas() : near(), around(), camp() {
    for (int k = kFirstSquare; k <= kLastSquare; ++k) {
      if (!on_board(k)) continue;
      for (int dy = -kAround; dy <= kAround; ++dy)
        for (int dx = -kAround; dx <= kAround; ++dx) {
          const int x = file_of(k) + dx, y = rank_of(k) + dy;
          const int distance = std::max(dx < 0 ? -dx : dx, dy < 0 ? -dy : dy);
          if (distance == 0 || x < 1 || x > kFiles || y < 1 || y > kRanks) continue;
          (distance == kNear ? near : around)[k] |= SquareSet::of(square(x, y));
        }
      for (int s = Upper; s <= Lower; ++s)
        if (relative_rank(static_cast<Side>(s), k) >= kZoneRank) camp[s] |= SquareSet::of(k);
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

// One side's influence, for that side: the squares it attacks and holds.
int influence(const Position& p, const Control& c, Side s) {
  const Side o = opposite(s);
  // Where the side attacks more often than the other defends (counting up to two).
  const SquareSet held = (c.once[s] & ~c.once[o]) | (c.twice[s] & ~c.twice[o]);
  int score = kCampHeld * (held & kAreas.camp[s]).count();
  if (const int k = p.king[o])
    score += kKingNearAttack * (c.once[s] & kAreas.near[k]).count() +
             kKingNearHeld * (held & kAreas.near[k]).count() +
             kKingRingAttack * (c.once[s] & kAreas.around[k]).count();
  return score;
}

// The reach of one side's long-range pieces, for that side.
int reach(const Control& c, Side s) {
  int score = 0;
  for (int k = Pawn; k < KindCount; ++k) score += kReach[k] * c.reach[s][k];
  return score;
}

int for_side_to_move(const Position& p, int upper) {
  return p.side == Upper ? upper : -upper;
}

}  // namespace

int evaluate(const Position& p, int alpha, int beta) {
  const int base =
      for_side_to_move(p, p.material + king_safety(p, Upper) - king_safety(p, Lower)) + kTempo;
  if (base - kLazyMargin >= beta || base + kLazyMargin <= alpha) return base;
  Control c;
  control(p, c);
  return base + for_side_to_move(p, influence(p, c, Upper) - influence(p, c, Lower) +
                                        reach(c, Upper) - reach(c, Lower));
}

EvalTerms evaluate_terms(const Position& p) {
  EvalTerms t;
  for (int sq = kFirstSquare; sq <= kLastSquare; ++sq) {
    const Piece pc = p.board[sq];
    if (!is_piece(pc)) continue;
    const Side s = side_of(pc);
    const int sign = s == Upper ? 1 : -1;
    t.material += sign * kBoardValue[kind_of(pc)];
    t.placement += sign * placement_row(kind_of(pc))[relative_rank(s, sq)];
  }
  for (int kind = Pawn; kind <= kHandKinds; ++kind)
    t.hand += (p.hand[Upper][kind] - p.hand[Lower][kind]) * kHandValue[kind];
  t.king_safety = king_safety(p, Upper) - king_safety(p, Lower);
  Control c;
  control(p, c);
  t.influence = influence(p, c, Upper) - influence(p, c, Lower);
  t.reach = reach(c, Upper) - reach(c, Lower);
  return t;
}

}  // namespace engine

// The moves and drops of the side to move, as the game's rules allow them, and which squares
// a side attacks. A spell never changes what the caster may move, so moves carry no spell here.
#pragma once

#include "engine/Position.h"
#include "engine/SquareSet.h"

namespace engine {

struct MoveList {
  static constexpr int kCapacity = 640;  // more than any position has
  Move moves[kCapacity];
  int count = 0;

  void add(Move m) { moves[count++] = m; }
  const Move* begin() const { return moves; }
  const Move* end() const { return moves + count; }
};

// Which moves to list.
enum class Generate {
  All,       // every legal move and drop, as the game's own rules book lists them
  Search,    // all but a pawn, bishop or rook left unpromoted where it may promote
  Captures,  // board moves that take a piece, promoted where they may be
};
void generate(const Position& p, Generate what, MoveList& out);

// A square from which the side to move could take the other king now; 0 if none.
int king_attacker(const Position& p);
// Some piece of `by` attacks `sq`; a piece of `by` bound by the spell does not count.
bool attacked(const Position& p, Side by, int sq);
// How many pieces of `by` attack `sq` (at most `enough`), and the square of one of them.
int attackers(const Position& p, Side by, int sq, int enough, int* one = nullptr);

// The squares each side's pieces attack (kings left out, and the piece the spell binds), at
// least once and at least twice, and how many squares its long-range pieces reach, by kind.
struct Control {
  SquareSet once[2], twice[2];
  std::uint8_t reach[2][KindCount];
};
void control(const Position& p, Control& out);

// The piece would have no move left on that square and must promote.
bool stuck(Side s, Kind k, int to);
// The move may promote.
bool may_promote(Side s, Kind k, int from, int to);

}  // namespace engine

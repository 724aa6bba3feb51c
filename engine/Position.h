// A position of the game, small enough to copy at every node: board, hands, the spell in
// force, the side to move and a Zobrist key kept up to date over all of them.
#pragma once

#include <cstdint>
#include <string>

#include "engine/SquareSet.h"
#include "engine/Types.h"

namespace engine {

struct Position {
  Piece board[kCells];
  std::uint8_t hand[2][kHandKinds + 1];  // [side][kind]
  std::uint8_t pawns[2][kFiles + 1];     // unpromoted pawns of a side on each column
  std::uint8_t king[2];                  // each king's square; 0 once taken
  SquareSet occupied[2];                 // the squares of each side's pieces
  Side side;                             // to move
  // The spell in force: cast by the other side on a piece or hand kind of the side to move,
  // which it binds until that side has moved. A new spell always lifts its caster's last,
  // and a side's spell ends when its opponent has moved, so no other one is ever in force.
  std::uint8_t seal;
  int material;  // values and placement, the upper side's minus the lower side's
  std::uint64_t key;

  // An empty board with walls; nothing in hand; the upper side to move.
  static Position empty();
  // The game's starting position.
  static Position initial();

  // Set-up, keeping the key and the material.
  void put(int sq, Piece p);
  void set_hand(Side s, Kind k, int count);
  void set_side(Side s);
  void set_seal(int place);  // cast by the side not to move

  // The position after a turn of the side to move (its spell, then its move).
  Position after(Move m) const;
  // The position with the other side to move and no spell in force, as if the side to move
  // had passed (never a turn of the game: the search's look at the opponent's threat).
  Position passed() const;

  Side caster() const { return opposite(side); }
  bool sealed(int place) const { return seal != kNoPlace && seal == place; }
  int hand_total(Side s) const;
  // The key of the board, hands and side to move alone: a position comes round again whatever
  // spell is in force.
  std::uint64_t key_without_spell() const;
  // The key computed from nothing, to check the kept one.
  std::uint64_t computed_key() const;
};

// Keys of each part of a position.
namespace zobrist {
std::uint64_t piece(Piece p, int sq);
std::uint64_t hand(Side s, int kind, int count);
std::uint64_t side();
std::uint64_t seal(Side caster, int place);
}  // namespace zobrist

// A piece's worth on a square, from the upper side's point of view (negative for the lower).
int signed_value(Piece p, int sq);
int signed_hand_value(Side s, int kind);

// The position as the game's position texts write it, and the side to move (for failures).
std::string to_text(const Position& p);

}  // namespace engine

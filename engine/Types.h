// The searching player's words: sides, kinds, pieces, squares and turns.
// Squares live on a padded board: row y (1 at the top) and column x (1 at the left) is
// (y + 1) * 10 + x; column 0 and the two rows above and below the board are walls, so every
// step and knight's jump from a square lands inside the array.
#pragma once

#include <cstdint>

namespace engine {

// The upper side holds the game's positive codes and moves towards larger rows.
enum Side : std::uint8_t { Upper = 0, Lower = 1 };
constexpr Side opposite(Side s) {
  return static_cast<Side>(s ^ 1);
}

// Kinds 1..7 are also the hand kinds, in the game's order.
enum Kind : std::uint8_t {
  NoKind,
  Pawn,
  Lance,
  Knight,
  Silver,
  Gold,
  Bishop,
  Rook,
  King,
  ProPawn,
  ProLance,
  ProKnight,
  ProSilver,
  Horse,
  Dragon,
  KindCount
};
constexpr int kHandKinds = 7;               // Pawn .. Rook
constexpr int kPromotion = ProPawn - Pawn;  // Pawn + kPromotion is ProPawn, and so on

constexpr bool promotable(Kind k) {
  return k >= Pawn && k <= Rook && k != Gold;
}
constexpr Kind promoted(Kind k) {
  return k == Bishop ? Horse : k == Rook ? Dragon : static_cast<Kind>(k + kPromotion);
}
// The kind a captured piece becomes in its captor's hand.
constexpr Kind unpromoted(Kind k) {
  return k == Horse     ? Bishop
         : k == Dragon  ? Rook
         : k >= ProPawn ? static_cast<Kind>(k - kPromotion)
                        : k;
}

// A board cell: 0 empty, a wall, or kind | side << 4.
using Piece = std::uint8_t;
constexpr Piece kEmpty = 0;
constexpr Piece kWall = 0x20;
constexpr int kSideShift = 4;
constexpr Piece make_piece(Side s, Kind k) {
  return static_cast<Piece>(k | s << kSideShift);
}
constexpr Kind kind_of(Piece p) {
  return static_cast<Kind>(p & 0x0F);
}
constexpr Side side_of(Piece p) {
  return static_cast<Side>(p >> kSideShift & 1);
}
constexpr bool is_piece(Piece p) {
  return p != kEmpty && p != kWall;
}
constexpr int kPieceCodes = 0x21;  // every cell value, walls included

// Squares.
constexpr int kFiles = 9, kRanks = 9;
constexpr int kStride = 10;
constexpr int kCells = (kRanks + 4) * kStride + 1;  // a knight's jump from the last square
constexpr int square(int x, int y) {
  return (y + 1) * kStride + x;
}
constexpr int file_of(int sq) {
  return sq % kStride;
}
constexpr int rank_of(int sq) {
  return sq / kStride - 1;
}
constexpr int kFirstSquare = square(1, 1), kLastSquare = square(kFiles, kRanks);
constexpr bool on_board(int sq) {
  return sq >= kFirstSquare && sq <= kLastSquare && file_of(sq) != 0;
}
// A side's rows counted from its own back row: 1 there, 9 on the far side.
constexpr int relative_rank(Side s, int sq) {
  return s == Upper ? rank_of(sq) : kRanks + 1 - rank_of(sq);
}
constexpr int kZoneRank = 7;  // relative rows 7..9 are the promotion zone
constexpr int forward(Side s) {
  return s == Upper ? kStride : -kStride;
}

// A place a spell can fall on: a square, or a hand kind (kHandPlace + kind); 0 is no place.
constexpr std::uint8_t kNoPlace = 0;
constexpr std::uint8_t kHandPlace = 200;
constexpr std::uint8_t hand_place(int kind) {
  return static_cast<std::uint8_t>(kHandPlace + kind);
}
constexpr bool is_hand_place(int place) {
  return place > kHandPlace;
}

// A turn: an optional spell, then a move or a drop. The origin of a drop is its hand place.
struct Move {
  std::uint32_t bits = 0;

  static constexpr Move make(int from, int to, bool promote = false, int seal = kNoPlace) {
    return Move{static_cast<std::uint32_t>(to | from << 8 | (promote ? 1 : 0) << 16 | seal << 24)};
  }
  constexpr int to() const { return bits & 0xFF; }
  constexpr int from() const { return bits >> 8 & 0xFF; }
  constexpr bool promotes() const { return bits >> 16 & 1; }
  constexpr int seal() const { return bits >> 24; }
  constexpr bool is_drop() const { return is_hand_place(from()); }
  constexpr Kind drop_kind() const { return static_cast<Kind>(from() - kHandPlace); }
  constexpr Move with_seal(int place) const {
    return Move{(bits & 0x00FFFFFFu) | static_cast<std::uint32_t>(place) << 24};
  }
  constexpr Move plain() const { return with_seal(kNoPlace); }
  constexpr bool empty() const { return bits == 0; }
  constexpr bool operator==(const Move&) const = default;
};

}  // namespace engine

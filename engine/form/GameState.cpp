// Reading the game's fields into a position and writing turns back in the game's terms.
#include "engine/form/GameState.h"

#include <algorithm>
#include <cstdlib>

namespace engine {

namespace {

using F = Form1;

// The upper side's code of each kind.
constexpr Int kCodes[KindCount] = {
    F::kara,          F::com_hu,       F::com_kyou,     F::com_kei,       F::com_gin,
    F::com_kin,       F::com_kaku,     F::com_sya,      F::com_ou,        F::com_hu_nari,
    F::com_kyou_nari, F::com_kei_nari, F::com_gin_nari, F::com_kaku_nari, F::com_sya_nari};

Int hand_column(Side s) {
  return s == Upper ? F::mochi_com_x : F::mochi_man_x;
}

}  // namespace

Int game_code(Piece p) {
  if (!is_piece(p)) return F::kara;
  const Int c = kCodes[kind_of(p)];
  return side_of(p) == Upper ? c : static_cast<Int>(-c);
}

Piece piece_of_code(Int code) {
  const Int a = static_cast<Int>(std::abs(code));
  for (int k = Pawn; k < KindCount; ++k)
    if (kCodes[k] == a) return make_piece(code > 0 ? Upper : Lower, static_cast<Kind>(k));
  return kEmpty;
}

Position from_game(const Form1& f, Side mover) {
  Position p = Position::empty();
  for (int x = 1; x <= kFiles; ++x)
    for (int y = 1; y <= kRanks; ++y) p.put(square(x, y), piece_of_code(f.ban[x][y]));
  for (int k = Pawn; k <= kHandKinds; ++k) {
    p.set_hand(Upper, static_cast<Kind>(k), std::max<Int>(f.mochi_com[k], 0));
    p.set_hand(Lower, static_cast<Kind>(k), std::max<Int>(f.mochi_man[k], 0));
  }
  p.set_side(mover);
  const auto& flags = mover == Upper ? f.huu_com : f.huu_man;
  const auto& hand_flags = mover == Upper ? f.huu_mochi_com : f.huu_mochi_man;
  for (int x = 1; x <= kFiles; ++x)
    for (int y = 1; y <= kRanks; ++y) {
      const Piece pc = p.board[square(x, y)];
      if (flags[x][y] == F::ari && is_piece(pc) && side_of(pc) == mover) p.set_seal(square(x, y));
    }
  for (int k = Pawn; k <= kHandKinds; ++k)
    if (hand_flags[k] == F::ari && p.hand[mover][k] > 0) p.set_seal(hand_place(k));
  return p;
}

GameTurn to_game(const Position& p, Move m) {
  GameTurn t;
  const Side s = p.side;
  t.x2 = static_cast<Int>(file_of(m.to()));
  t.y2 = static_cast<Int>(rank_of(m.to()));
  if (m.is_drop()) {
    t.x = hand_column(s);
    t.y = m.drop_kind();
    t.before = t.after = game_code(make_piece(s, m.drop_kind()));
  } else {
    const Piece pc = p.board[m.from()];
    t.x = static_cast<Int>(file_of(m.from()));
    t.y = static_cast<Int>(rank_of(m.from()));
    t.before = game_code(pc);
    t.after = m.promotes() ? game_code(make_piece(s, promoted(kind_of(pc)))) : t.before;
  }
  const int seal = m.seal();
  if (is_hand_place(seal)) {
    t.tx = hand_column(opposite(s));
    t.ty = static_cast<Int>(seal - kHandPlace);
    t.code = game_code(make_piece(opposite(s), static_cast<Kind>(t.ty)));
  } else if (seal != kNoPlace) {
    t.tx = static_cast<Int>(file_of(seal));
    t.ty = static_cast<Int>(rank_of(seal));
    t.code = game_code(p.board[seal]);
  }
  return t;
}

}  // namespace engine

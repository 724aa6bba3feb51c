// Reading the game's fields into a position and writing turns back in the game's terms.
#include "engine/form/GameState.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

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

namespace {

// The arrays a position is read from, the game's own or a snapshot's, each by side.
template <class Board, class Hand>
struct Arrays {
  const Board& ban;
  const Hand* hand[2];
  const Board* flags[2];
  const Hand* hand_flags[2];
};

// No hand holds more than every pawn of the game; a record file may say otherwise.
constexpr Int kHandMax = 2 * kFiles;

template <class Board, class Hand>
Position read(const Arrays<Board, Hand>& a) {
  Position p = Position::empty();
  for (int x = 1; x <= kFiles; ++x)
    for (int y = 1; y <= kRanks; ++y) p.put(square(x, y), piece_of_code(a.ban[x][y]));
  for (int k = Pawn; k <= kHandKinds; ++k)
    for (const Side s : {Upper, Lower})
      p.set_hand(s, static_cast<Kind>(k), std::clamp<Int>((*a.hand[s])[k], 0, kHandMax));
  return p;
}

// The place of the last seal flag on a piece or hand kind that `s` holds; kNoPlace if none.
template <class Board, class Hand>
int flagged(const Arrays<Board, Hand>& a, const Position& p, Side s) {
  int place = kNoPlace;
  for (int x = 1; x <= kFiles; ++x)
    for (int y = 1; y <= kRanks; ++y) {
      const Piece pc = p.board[square(x, y)];
      if ((*a.flags[s])[x][y] == F::ari && is_piece(pc) && side_of(pc) == s) place = square(x, y);
    }
  for (int k = Pawn; k <= kHandKinds; ++k)
    if ((*a.hand_flags[s])[k] == F::ari && p.hand[s][k] > 0) place = hand_place(k);
  return place;
}

template <class Board, class Hand>
Position read_to_move(const Arrays<Board, Hand>& a, Side mover) {
  Position p = read(a);
  p.set_side(mover);
  p.set_seal(flagged(a, p, mover));
  return p;
}

Arrays<Record::盤面, Record::持駒> snapshot(const Record& r, long n) {
  return {r.kifu_ban[n],
          {&r.kifu_mochi_com[n], &r.kifu_mochi_man[n]},
          {&r.kifu_huu_com[n], &r.kifu_huu_man[n]},
          {&r.kifu_huu_mochi_com[n], &r.kifu_huu_mochi_man[n]}};
}

}  // namespace

Position from_game(const Form1& f, Side mover) {
  using Board = decltype(f.ban);
  using Hand = decltype(f.mochi_com);
  return read_to_move(Arrays<Board, Hand>{f.ban,
                                          {&f.mochi_com, &f.mochi_man},
                                          {&f.huu_com, &f.huu_man},
                                          {&f.huu_mochi_com, &f.huu_mochi_man}},
                      mover);
}

Position from_snapshot(const Record& r, long n, Side mover) {
  return read_to_move(snapshot(r, n), mover);
}

int spell_in_snapshot(const Record& r, long n, Side mover) {
  const auto a = snapshot(r, n);
  return flagged(a, read(a), opposite(mover));
}

void to_snapshot(const Position& p, int spell, Record& r, long n) {
  auto& ban = r.kifu_ban[n];
  Record::盤面* flags[2] = {&r.kifu_huu_com[n], &r.kifu_huu_man[n]};
  Record::持駒* hands[2] = {&r.kifu_mochi_com[n], &r.kifu_mochi_man[n]};
  Record::持駒* hand_flags[2] = {&r.kifu_huu_mochi_com[n], &r.kifu_huu_mochi_man[n]};
  for (const Side s : {Upper, Lower}) {
    *flags[s] = {};
    *hands[s] = {};
    *hand_flags[s] = {};
    for (int k = Pawn; k <= kHandKinds; ++k) (*hands[s])[k] = p.hand[s][k];
  }
  ban = {};
  for (int x = 1; x <= kFiles; ++x)
    for (int y = 1; y <= kRanks; ++y) ban[x][y] = game_code(p.board[square(x, y)]);
  // The spell in force lies on the side to move, the one it casts on the other side.
  const std::pair<int, Side> spells[] = {{p.seal, p.side}, {spell, opposite(p.side)}};
  for (const auto& [place, on] : spells) {
    if (is_hand_place(place))
      (*hand_flags[on])[place - kHandPlace] = F::ari;
    else if (place != kNoPlace)
      (*flags[on])[file_of(place)][rank_of(place)] = F::ari;
  }
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

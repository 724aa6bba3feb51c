// The engine's rules against the game's own rule book: games are played on the game's state
// (random moves, captures preferred half the time, spells cast most turns; some games by the
// engine's own search), and in every position the moves the engine lists must be exactly those
// that 移動チェック allows, with promotion as 調査_駒成 and 移動後チェック decide. The position
// the engine kept by playing the same turns must equal the one read from the game, key included,
// and the squares it finds each side attacking must be those its look-up of attackers finds.
// Shared by the tests (a sample) and the benchmark (a million positions).
#pragma once

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "engine/Moves.h"
#include "engine/form/GameState.h"
#include "shell/BoardTerms.h"

namespace rules_agreement {

using F = Form1;
using namespace engine;

constexpr int kMaxPlies = 240;        // a game this long starts again
constexpr int kSealOdds = 4;          // a spell on all but one turn in this many
constexpr int kCaptureOdds = 2;       // a capture, when there is one, one turn in this many
constexpr int kSearchedGameOdds = 8;  // one game in this many is played by the search

inline Int side_value(const F& f, Side s) {
  return s == Upper ? f.com_te : f.man_te;
}

// Every move and drop the game's rules allow the mover, as engine moves, sorted.
inline std::vector<std::uint32_t> game_moves(F& f, Side mover) {
  f.調査_2歩フラグ設定();
  std::vector<std::uint32_t> out;
  for (Int x = 1; x <= F::ban_max; ++x)
    for (Int y = 1; y <= F::ban_max; ++y) {
      const Int code = f.ban[x][y];
      if (mover == Upper ? code < F::com_hu : code > F::man_hu) continue;
      for (Int x2 = 1; x2 <= F::ban_max; ++x2)
        for (Int y2 = 1; y2 <= F::ban_max; ++y2) {
          if (f.移動チェック(x, y, x2, y2, code) != F::ari) continue;
          const int from = square(x, y), to = square(x2, y2);
          const bool promotes = f.調査_駒成(x, y, x2, y2, code) == F::ari;
          if (promotes) out.push_back(Move::make(from, to, true).bits);
          if (!promotes || f.移動後チェック(y2, code) == F::ari)
            out.push_back(Move::make(from, to).bits);
        }
    }
  const Int column = mover == Upper ? F::mochi_com_x : F::mochi_man_x;
  const Int* hand = mover == Upper ? f.mochi_com : f.mochi_man;
  for (int k = Pawn; k <= kHandKinds; ++k) {
    if (hand[k] <= 0) continue;
    const Int code = game_code(make_piece(mover, static_cast<Kind>(k)));
    for (Int x2 = 1; x2 <= F::ban_max; ++x2)
      for (Int y2 = 1; y2 <= F::ban_max; ++y2)
        if (f.移動チェック(column, board::hand_row(column, k), x2, y2, code) == F::ari)
          out.push_back(Move::make(hand_place(k), square(x2, y2)).bits);
  }
  std::sort(out.begin(), out.end());
  return out;
}

inline std::vector<std::uint32_t> engine_moves(const Position& p) {
  MoveList list;
  generate(p, Generate::All, list);
  std::vector<std::uint32_t> out;
  for (Move m : list) out.push_back(m.bits);
  std::sort(out.begin(), out.end());
  return out;
}

// The turn played on the game's state as the turn flow plays it: the mover's earlier spell
// lifted and the new one cast, the move, then the spell that bound the mover lifted.
inline void play_in_game(F& f, const Position& p, Move m) {
  const GameTurn t = to_game(p, m);
  const Side mover = p.side;
  if (t.code != F::kara) {
    f.駒処理_開放(side_value(f, mover));
    f.駒処理_封(t.tx, t.ty);
  }
  const Int from_row = m.is_drop() && mover == Lower ? board::man_hand_row(t.y) : t.y;
  f.駒移動(t.x, from_row, t.x2, t.y2, t.after);
  f.駒処理_開放(side_value(f, opposite(mover)));
}

// Every piece and hand kind of the side not to move: where a spell may fall.
inline std::vector<int> spell_places(const Position& p) {
  const Side o = opposite(p.side);
  std::vector<int> places;
  for (int sq = kFirstSquare; sq <= kLastSquare; ++sq)
    if (is_piece(p.board[sq]) && side_of(p.board[sq]) == o) places.push_back(sq);
  for (int k = Pawn; k <= kHandKinds; ++k)
    if (p.hand[o][k] > 0) places.push_back(hand_place(k));
  return places;
}

inline bool same_position(const Position& a, const Position& b) {
  for (int sq = kFirstSquare; sq <= kLastSquare; ++sq)
    if (on_board(sq) && a.board[sq] != b.board[sq]) return false;
  for (int s = Upper; s <= Lower; ++s) {
    if (a.occupied[s].bits != b.occupied[s].bits) return false;
    for (int k = Pawn; k <= kHandKinds; ++k)
      if (a.hand[s][k] != b.hand[s][k]) return false;
  }
  return a.side == b.side && a.seal == b.seal && a.key == b.key;
}

// The squares control() gives each side are those attackers() finds attacked, once and twice,
// not counting the king.
inline bool control_agrees(const Position& p) {
  engine::Control c;
  control(p, c);
  for (const Side s : {Upper, Lower}) {
    const int k = p.king[s];
    const bool king_counts = k != 0 && !(s == p.side && p.sealed(k));
    for (int sq = kFirstSquare; sq <= kLastSquare; ++sq) {
      if (!on_board(sq)) continue;
      const bool beside_king = king_counts && sq != k && std::abs(file_of(sq) - file_of(k)) <= 1 &&
                               std::abs(rank_of(sq) - rank_of(k)) <= 1;
      const int n = attackers(p, s, sq, 3) - beside_king;
      if (c.once[s].has(sq) != (n >= 1) || c.twice[s].has(sq) != (n >= 2)) return false;
    }
  }
  return true;
}

struct Report {
  long positions = 0, moves = 0, mismatches = 0;
  std::string first;  // the first disagreement, described
};

// A move chosen by a search (self-play); empty to fall back to a random one.
using Chooser = std::function<Move(const Position&)>;

inline Report compare(F& f, long positions, unsigned seed, const Chooser& search = {}) {
  std::mt19937 rng(seed);
  auto roll = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
  Report r;
  auto disagree = [&r](const std::string& what, const Position& p) {
    if (r.mismatches++ == 0) r.first = what + "\n" + to_text(p);
  };
  while (r.positions < positions) {
    f.初期設定();
    Position kept = Position::initial();
    const bool searched = search && roll(kSearchedGameOdds) == 0;
    for (int ply = 0; ply < kMaxPlies && r.positions < positions; ++ply) {
      const Position read = from_game(f, kept.side);
      if (!same_position(kept, read)) disagree("the kept position differs from the game's", read);
      if (kept.key != kept.computed_key()) disagree("the kept key differs from a new one", kept);
      if (!control_agrees(kept)) disagree("the squares attacked differ", kept);
      const std::vector<std::uint32_t> theirs = game_moves(f, kept.side);
      const std::vector<std::uint32_t> ours = engine_moves(read);
      ++r.positions;
      r.moves += static_cast<long>(theirs.size());
      if (theirs != ours) disagree("the moves differ", read);
      if (theirs.empty()) break;

      Move m{theirs[roll(static_cast<int>(theirs.size()))]};
      if (searched) {
        const Move chosen = search(kept);
        if (!chosen.empty()) m = chosen;
      } else if (roll(kCaptureOdds) == 0) {
        std::vector<Move> captures;
        for (std::uint32_t b : theirs)
          if (!Move{b}.is_drop() && is_piece(kept.board[Move{b}.to()])) captures.push_back(Move{b});
        if (!captures.empty()) m = captures[roll(static_cast<int>(captures.size()))];
      }
      const std::vector<int> places = spell_places(kept);
      if (!searched && roll(kSealOdds) != 0)
        m = m.with_seal(places[roll(static_cast<int>(places.size()))]);
      play_in_game(f, kept, m);
      kept = kept.after(m);
      if (f.shouri_te != F::te_nasi) break;
    }
  }
  return r;
}

}  // namespace rules_agreement

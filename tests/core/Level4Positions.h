// Positions for LEVEL4's tests: from the game's position texts, from random games with spells,
// and turned round for the other side.
#pragma once

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "engine/Moves.h"
#include "engine/form/GameState.h"
#include "shell/QuietWindow.h"
#include "support/PositionText.h"
#include "support/RulesAgreement.h"

namespace level4 {

using namespace engine;

// The position of the text (upper side lower case) with `mover` to move.
inline Position from_text(const std::string& rows, Side mover = Upper) {
  QuietWindow w;
  Form1 f(w);
  std::istringstream in("= test\n" + rows);
  std::string name;
  position_text::read(in, f, name);
  return from_game(f, mover);
}

// The square turned round the board's centre.
constexpr int turned(int sq) {
  return square(kFiles + 1 - file_of(sq), kRanks + 1 - rank_of(sq));
}

// The same position seen from the other side: the board turned round, the sides and hands
// exchanged, the spell with its piece or hand kind, and the other side to move.
inline Position mirrored(const Position& p) {
  Position m = Position::empty();
  for (int sq = kFirstSquare; sq <= kLastSquare; ++sq)
    if (on_board(sq) && is_piece(p.board[sq]))
      m.put(turned(sq), make_piece(opposite(side_of(p.board[sq])), kind_of(p.board[sq])));
  for (const Side s : {Upper, Lower})
    for (int k = Pawn; k <= kHandKinds; ++k)
      m.set_hand(opposite(s), static_cast<Kind>(k), p.hand[s][k]);
  m.set_side(opposite(p.side));
  if (p.seal != kNoPlace) m.set_seal(is_hand_place(p.seal) ? p.seal : turned(p.seal));
  return m;
}

// Positions of random games: a capture half the time when there is one, a spell on most
// turns, so that hands, promoted pieces and spells all turn up. A game ends with a king taken.
inline std::vector<Position> random_positions(std::size_t count, unsigned seed) {
  constexpr int kMaxPlies = 200, kCaptureOdds = 2, kSealOdds = 4;
  std::mt19937 rng(seed);
  auto roll = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
  std::vector<Position> out;
  while (out.size() < count) {
    Position p = Position::initial();
    for (int ply = 0; ply < kMaxPlies && out.size() < count; ++ply) {
      MoveList list;
      generate(p, Generate::All, list);
      if (list.count == 0 || p.king[Upper] == 0 || p.king[Lower] == 0) break;
      out.push_back(p);
      Move m = list.moves[roll(list.count)];
      if (roll(kCaptureOdds) == 0) {
        std::vector<Move> captures;
        for (const Move c : list)
          if (!c.is_drop() && is_piece(p.board[c.to()])) captures.push_back(c);
        if (!captures.empty()) m = captures[roll(static_cast<int>(captures.size()))];
      }
      const std::vector<int> places = rules_agreement::spell_places(p);
      if (!places.empty() && roll(kSealOdds) != 0)
        m = m.with_seal(places[roll(static_cast<int>(places.size()))]);
      p = p.after(m);
    }
  }
  return out;
}

}  // namespace level4

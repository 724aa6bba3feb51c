// Positions for the notation, KIF and SFEN tests: written as text, turned round, and met along
// random games with spells.
#pragma once

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "engine/Moves.h"
#include "engine/form/GameState.h"
#include "support/Game.h"
#include "support/PositionText.h"

namespace kifu_positions {

using namespace engine;

// A position written as PositionText writes it (nine rows, then the hands), `mover` to move.
inline Position from_text(const std::string& text, Side mover) {
  Game g;
  g.clear_board();
  std::istringstream in("= position\n" + text);
  std::string name;
  position_text::read(in, *g, name);
  return from_game(*g, mover);
}

// A square or place turned half round the board's centre.
inline int turned_square(int sq) {
  return square(kFiles + 1 - file_of(sq), kRanks + 1 - rank_of(sq));
}
inline int turned_place(int place) {
  return place == kNoPlace || is_hand_place(place) ? place : turned_square(place);
}

// The same position with the board turned round: each side takes the other's pieces and hand.
inline Position turned(const Position& p) {
  Position t = Position::empty();
  for (int sq = kFirstSquare; sq <= kLastSquare; ++sq)
    if (is_piece(p.board[sq]))
      t.put(turned_square(sq), make_piece(opposite(side_of(p.board[sq])), kind_of(p.board[sq])));
  for (int k = Pawn; k <= kHandKinds; ++k)
    for (const Side s : {Upper, Lower}) t.set_hand(opposite(s), static_cast<Kind>(k), p.hand[s][k]);
  t.set_side(opposite(p.side));
  t.set_seal(turned_place(p.seal));
  return t;
}
inline Move turned(Move m) {
  const int from = m.is_drop() ? m.from() : turned_square(m.from());
  return Move::make(from, turned_square(m.to()), m.promotes(), turned_place(m.seal()));
}

// Positions met along random games from the start, spells cast on the way (a fixed seed).
inline std::vector<Position> random_positions(unsigned seed, int games, int plies) {
  std::mt19937 random(seed);
  std::vector<Position> out;
  constexpr unsigned kSpellEvery = 3;
  for (int g = 0; g < games; ++g) {
    Position p = Position::initial();
    for (int n = 0; n < plies && p.king[Upper] != 0 && p.king[Lower] != 0; ++n) {
      MoveList list;
      generate(p, Generate::All, list);
      if (list.count == 0) break;
      out.push_back(p);
      Move m = list.moves[random() % static_cast<unsigned>(list.count)];
      if (random() % kSpellEvery == 0) {
        std::vector<int> targets;
        const Side o = opposite(p.side);
        p.occupied[o].each([&](int sq) { targets.push_back(sq); });
        for (int k = Pawn; k <= kHandKinds; ++k)
          if (p.hand[o][k] > 0) targets.push_back(hand_place(k));
        m = m.with_seal(targets[random() % targets.size()]);
      }
      p = p.after(m);
    }
  }
  return out;
}

}  // namespace kifu_positions

// The bench signature: every position of a suite searched at every level to a fixed depth, and
// the nodes counted. Nothing in it reads the clock and the table's size is fixed, so the total
// is the same on every machine and build; a change to LEVEL4's search or evaluation changes it.
// Levels 1-3 look one move ahead: their nodes are the turns they weigh, every legal move and
// drop of the position.
#pragma once

#include <istream>
#include <memory>
#include <string>

#include "engine/Search.h"
#include "engine/form/GameState.h"
#include "support/PositionText.h"

namespace bench_nodes {

constexpr int kDepth = 4;                      // LEVEL4's iterations a position
constexpr std::size_t kTableBytes = 1u << 22;  // LEVEL4's table
constexpr int kOnePlyLevels = 3;

// The nodes of one position: the candidates of each one-ply level and LEVEL4's search.
inline long position(const engine::Position& p, engine::Limits limits = {0, 0, kDepth}) {
  engine::MoveList turns;
  engine::generate(p, engine::Generate::All, turns);
  const auto search = std::make_unique<engine::Search>(kTableBytes);
  return kOnePlyLevels * turns.count + search->think(p, limits).nodes;
}

// The total over every position of the suite, read with the upper side to move.
inline long total(Form1& f, std::istream& suite) {
  long nodes = 0;
  std::string name;
  while (position_text::read(suite, f, name))
    nodes += position(engine::from_game(f, engine::Upper));
  return nodes;
}

}  // namespace bench_nodes

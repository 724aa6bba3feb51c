// The positions of the game's move record, as the engine sees them.
#pragma once

#include <vector>

#include "engine/Position.h"
#include "kifu/Record.h"

namespace engine {

// The position before every move of the record and after its last (snapshots 0 to
// kifu_saigo), each with its side to move: `sente` first, then each side in turn.
std::vector<Position> record_positions(const Record& r, Side sente);

}  // namespace engine

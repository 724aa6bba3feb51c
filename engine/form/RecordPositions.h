// The positions of the game's move record, as the engine sees them.
#pragma once

#include <vector>

#include "engine/Position.h"
#include "shell/Form1.h"

namespace engine {

// The position before every move of the record and after its last (snapshots 0 to
// kifu_saigo), each with its side to move: the side whose piece made the first move, then
// each side in turn. The game's position is left at the last snapshot.
std::vector<Position> record_positions(Form1& f);

}  // namespace engine

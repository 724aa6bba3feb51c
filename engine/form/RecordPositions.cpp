// Each snapshot is brought back into the game's fields and read from there.
#include "engine/form/RecordPositions.h"

#include <algorithm>

#include "engine/form/GameState.h"

namespace engine {

std::vector<Position> record_positions(Form1& f) {
  const long last = std::min(f.kifu_saigo, static_cast<long>(f.kifu_ban.size()) - 1);
  Int x = 0, y = 0, first = Form1::man_hu;  // the lower side moves first in a new game
  f.調査_移動結果(1, x, y, first);
  Side mover = first > 0 ? Upper : Lower;
  std::vector<Position> out;
  for (long n = 0; n <= last; ++n, mover = opposite(mover)) {
    f.記録_局面復元(n);
    out.push_back(from_game(f, mover));
  }
  return out;
}

}  // namespace engine

#include "engine/form/RecordPositions.h"

#include <algorithm>

#include "engine/form/GameState.h"

namespace engine {

std::vector<Position> record_positions(const Record& r, Side sente) {
  const long last = std::min(r.kifu_saigo, static_cast<long>(r.kifu_ban.size()) - 1);
  std::vector<Position> out;
  Side mover = sente;
  for (long n = 0; n <= last; ++n, mover = opposite(mover))
    out.push_back(from_snapshot(r, n, mover));
  return out;
}

}  // namespace engine

// What pieces are worth on the board and in the hand, and where they stand well.
#pragma once

#include <array>

#include "engine/Types.h"

namespace engine {

// On the board, by kind (the king is priceless: taking it ends the game).
constexpr int kBoardValue[KindCount] = {0, 100, 300, 350, 500, 550,  750, 900,
                                        0, 540, 520, 520, 540, 1000, 1150};
// In the hand a piece may land anywhere, so it is worth a little more.
constexpr int kHandValue[kHandKinds + 1] = {0, 115, 330, 390, 560, 610, 830, 1000};

// Placement on top of the value, by relative row 1..9 (index 0 unused).
constexpr std::array<int, kRanks + 1> placement_row(Kind k) {
  switch (k) {
    case Pawn:
      return {0, 0, 0, 0, 4, 8, 14, 20, 24, 0};
    case Silver:
    case Gold:
      return {0, 0, 6, 8, 6, 4, 6, 10, 12, 12};
    case ProPawn:
    case ProLance:
    case ProKnight:
    case ProSilver:
      return {0, -30, -20, -10, 0, 4, 10, 20, 24, 24};
    case Knight:
      return {0, 0, 0, 6, 12, 16, 20, 18, 0, 0};
    case King:
      return {0, 20, 10, -20, -70, -120, -160, -180, -190, -200};
    default:
      return {};
  }
}

// Board value plus placement, for the upper side's piece on a square.
constexpr int placed_value(Kind k, int relative_rank) {
  return kBoardValue[k] + placement_row(k)[relative_rank];
}

}  // namespace engine

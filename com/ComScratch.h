// What the computer's search keeps while it scores its candidates: the position and the maps
// as they stood before the first candidate, the pins it found then, and the candidate in hand.
#pragma once

#include "shell/GameTerms.h"

struct ComScratch {
  // ---- Before any candidate -----------------------------------------------------------------
  Int ban_hozon[10][10] = {};
  Int seiryoku_man_mae[10][10] = {};
  Int seiryoku_com_mae[10][10] = {};
  Int com_kougeki_x_mae[10][10] = {};
  Int com_kougeki_y_mae[10][10] = {};
  Int man_nigemiti_mae = 0;  // escape squares of the lower king
  Int mochi_com_kei_mae = 0;
  Int kugi_man[10][10] = {};           // 1 where a lower piece is pinned to its king
  Int kugi_com_umu = GameTerms::nasi;  // some upper piece is pinned to its king
  Int kaku_nerai_man[10][10] = {};     // 1 where a lower bishop would see the upper king

  // ---- The candidate ------------------------------------------------------------------------
  Int idou_koma = 0;     // the piece before the move
  Int man_ou_kyori = 0;  // king distance from the candidate's origin to the lower king
};

// The influence maps that 勢力調査 lays for both sides, and the escape squares of the lower
// king that 調査_自王逃道 finds. Every map is indexed (X, Y) 1..9 like the board.
#pragma once

#include "shell/GameTerms.h"

struct InfluenceMaps {
  // ---- How many pieces of each side reach a square ----------------------------------------
  Int seiryoku_man[10][10] = {};
  Int seiryoku_com[10][10] = {};

  // ---- On a piece: its most valuable (lower) or cheapest (upper) guard, and where it stands ---
  Int man_mamori[10][10] = {};
  Int man_mamori_x[10][10] = {};
  Int man_mamori_y[10][10] = {};
  Int com_mamori[10][10] = {};
  Int com_mamori_x[10][10] = {};
  Int com_mamori_y[10][10] = {};

  // ---- On a piece: its cheapest attacker, where it stands, and (lower side) how many ------
  Int man_kougeki[10][10] = {};
  Int man_kougeki_x[10][10] = {};
  Int man_kougeki_y[10][10] = {};
  Int man_kougeki_kazu[10][10] = {};
  Int com_kougeki[10][10] = {};
  Int com_kougeki_x[10][10] = {};
  Int com_kougeki_y[10][10] = {};

  // ---- Check: the checking pieces and the squares between them and the king ---------------
  Int oute_com[10][10] = {};  // checks of the upper king
  Int oute_man[10][10] = {};  // checks of the lower king

  // ---- Escape squares of the lower king, marked 1; never cleared by 勢力調査 ---------------
  Int man_nigemiti[10][10] = {};
};

// The position: the board, both hands, the seals, the kings' squares and the side to move, and
// what making a move works out beside it. Form1 inherits both.
#pragma once

#include "shell/GameTerms.h"

struct Position {
  // ---- Board, hands and seals: indexes (X, Y) 1..9 and hand kinds 1..7 -------------------
  Int ban[10][10] = {};
  Int mochi_man[8] = {};
  Int mochi_com[8] = {};
  Int mochi_man_kei = 0;  // a taken king counts here but enters no hand
  Int mochi_com_kei = 0;
  Int huu_man[10][10] = {};
  Int huu_com[10][10] = {};
  Int huu_mochi_man[8] = {};
  Int huu_mochi_com[8] = {};

  // ---- Kings, as 勢力調査 and 駒移動 last found them -------------------------------------------
  Int man_ou_x = 0, man_ou_y = 0;
  Int com_ou_x = 0, com_ou_y = 0;

  // ---- Side to move -------------------------------------------------------------------------
  Int teban = GameTerms::te_nasi;
};

// What making a move works out: the columns that hold an unpromoted pawn, and the promoted
// code 調査_駒成 proposed last.
struct MoveFindings {
  Int nihu_man[10] = {};
  Int nihu_com[10] = {};
  Int nari_koma = 0;
};

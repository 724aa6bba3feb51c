// The position: the board, both hands, the seals, the kings' squares and the side to move, and
// what making a move works out beside it. Form1 inherits both; the guards below put a trial
// back: a square, a move or the whole position.
#pragma once

#include "shell/GameTerms.h"

struct GamePosition {
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

// A value put back as it was when the guard goes.
template <class T>
class Restored {
 public:
  explicit Restored(T& value) : value_(value), kept_(value) {}
  ~Restored() { value_ = kept_; }
  Restored(const Restored&) = delete;
  Restored& operator=(const Restored&) = delete;

 private:
  T& value_;
  const T kept_;
};

// The whole position: for searches that turn the board round or clear it.
using PositionGuard = Restored<GamePosition>;

// A square set for a trial, put back when the trial ends.
class TrialSquare : Restored<Int> {
 public:
  TrialSquare(Int& square, Int code) : Restored(square) { square = code; }
};

// A board move tried on the position, taken back when the trial ends: the piece on (x, y)
// stands as `code` on (x2, y2), whatever stood there aside.
class TrialMove {
 public:
  TrialMove(GamePosition& p, Int x, Int y, Int x2, Int y2, Int code)
      : to_(p.ban[x2][y2], code), from_(p.ban[x][y], GameTerms::kara) {}

 private:
  TrialSquare to_, from_;
};

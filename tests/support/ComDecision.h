// The computer's decision as its turn makes it, without the screen: its move, then the target
// of its spell searched with that move played for the moment. Shared by self-play, the
// benchmarks and the record of the suite's choices.
#pragma once

#include <string>

#include "shell/Form1.h"

struct ComDecision {
  Int x = 0, y = 0, x2 = 0, y2 = 0, before = Form1::kara, after = Form1::kara;
  Int code = Form1::kara, tx = 0, ty = 0;  // the spell's target; kara when there is none

  bool found() const { return x2 >= 1 && x2 <= Form1::ban_max; }
  std::string text() const {
    std::string s;
    for (Int v : {x, y, x2, y2, before, after, code, tx, ty}) s += std::to_string(v) + " ";
    s.pop_back();
    return s;
  }
};

inline ComDecision decide(Form1& f, bool with_spell = true) {
  ComDecision d;
  f.調査_COM打ち座標(d.x, d.y, d.x2, d.y2, d.before, d.after);
  if (!with_spell || !d.found()) return d;
  const bool drop = d.x == Form1::mochi_com_x;
  const Int captured = f.ban[d.x2][d.y2];
  if (!drop) {
    f.ban[d.x2][d.y2] = d.after;
    f.ban[d.x][d.y] = Form1::kara;
  }
  f.調査_ルミナーク座標(d.code, d.tx, d.ty);
  if (!drop) {
    f.ban[d.x2][d.y2] = captured;
    f.ban[d.x][d.y] = d.before;
  }
  return d;
}

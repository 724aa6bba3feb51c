// Words the computer player's files share: piece values and small board tests.
#pragma once

#include <cstdlib>

#include "shell/BoardTerms.h"

namespace com {

using F = Form1;
using board::on_board;

using board::kGin;
using board::kHu;
using board::kKaku;
using board::kKei;
using board::kKin;
using board::kKyou;

// A piece's code is its value.
inline Int value(Int code) {
  return static_cast<Int>(std::abs(code));
}

// A promotable pawn, bishop or rook is always played promoted.
inline bool always_promotes(Int code) {
  return code == F::com_hu || code == F::com_kaku || code == F::com_sya;
}

// The cheapest lower attacker is a bishop, horse, rook or dragon.
inline bool major_attacker(Int man_kougeki) {
  return man_kougeki >= F::man_sya_nari && man_kougeki <= F::man_kaku;
}

inline bool next_to(int x, int y, int kx, int ky) {
  return std::abs(x - kx) < 2 && std::abs(y - ky) < 2;
}
inline bool within_two(int x, int y, int kx, int ky) {
  return std::abs(x - kx) < 3 && std::abs(y - ky) < 3;
}

inline void copy_board(Int (&to)[10][10], const Int (&from)[10][10]) {
  for (int x = 0; x < 10; ++x)
    for (int y = 0; y < 10; ++y) to[x][y] = from[x][y];
}

// A square on the board, for the terms that look at fixed squares of the opening.
struct Sq {
  Int x, y;
};
inline bool at(Int x, Int y, Sq s) {
  return x == s.x && y == s.y;
}

// The squares a piece could ever reach from a square (on an empty board), in the search's
// order: column, then row, ascending. A dragon or horse reaches at most twenty.
struct Reach {
  int n = 0;
  Sq to[20];
};
const Reach& reach(F& f, Int code, Int x, Int y);

}  // namespace com

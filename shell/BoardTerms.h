// Words every part of the game uses about squares, hands and the influence maps.
#pragma once

#include "shell/Form1.h"

namespace board {

using F = Form1;

inline bool on_board(int x, int y) {
  return x >= 1 && x <= F::ban_max && y >= 1 && y <= F::ban_max;
}

// Hand rows: the upper hand shows kind k in row 8 - k, the lower hand in row k + 2.
inline bool is_hand_column(int x) {
  return x == F::mochi_com_x || x == F::mochi_man_x;
}
inline Int com_hand_row(int kind) {
  return static_cast<Int>(F::mochi_com_gyou - kind);
}
inline Int man_hand_row(int kind) {
  return static_cast<Int>(kind + F::mochi_man_gyou);
}
inline Int com_hand_kind(int row) {
  return static_cast<Int>(F::mochi_com_gyou - row);
}
inline Int man_hand_kind(int row) {
  return static_cast<Int>(row - F::mochi_man_gyou);
}
inline Int hand_row(int column, int kind) {
  return column == F::mochi_com_x ? com_hand_row(kind) : man_hand_row(kind);
}
inline Int hand_kind(int column, int row) {
  return column == F::mochi_com_x ? com_hand_kind(row) : man_hand_kind(row);
}
inline bool is_hand_kind(int kind) {
  return kind >= 1 && kind <= F::mochi_max;
}

// Check maps (oute_man, oute_com).
constexpr Int oute_sen = 1;   // between a checking line piece and the king
constexpr Int oute_koma = 9;  // a checking piece, or the king's square after a knight's check

// Markers of the influence maps where nothing was recorded.
constexpr Int mamori_nasi = 999;        // no guard
constexpr Int com_kougeki_nasi = 999;   // no upper attacker
constexpr Int man_kougeki_nasi = -999;  // no lower attacker

}  // namespace board

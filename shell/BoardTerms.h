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

// Hand kinds, and the upper side's code of each; the lower side's code is its negation.
constexpr int kHu = 1, kKyou = 2, kKei = 3, kGin = 4, kKin = 5, kKaku = 6, kSya = 7;
constexpr Int kHandCodes[F::mochi_max + 1] = {F::kara,    F::com_hu,  F::com_kyou, F::com_kei,
                                              F::com_gin, F::com_kin, F::com_kaku, F::com_sya};
constexpr Int nari_sa = 1;  // a promoted code lies this much further from zero than its plain one

// The kind a piece enters a hand as: its own, promoted or not, either side; 0 for the king and
// anything that is no piece.
constexpr int kind_in_hand(Int code) {
  const Int plain = static_cast<Int>(code < 0 ? -code : code);
  for (int k = 1; k <= F::mochi_max; ++k)
    if (plain == kHandCodes[k] || plain == kHandCodes[k] + nari_sa) return k;
  return 0;
}

// Every code an upper piece may have on the board; the lower side's are their negations.
constexpr Int kUpperCodes[] = {F::com_hu,       F::com_hu_nari,  F::com_kyou,      F::com_kyou_nari,
                               F::com_kei,      F::com_kei_nari, F::com_gin,       F::com_gin_nari,
                               F::com_kin,      F::com_kaku,     F::com_kaku_nari, F::com_sya,
                               F::com_sya_nari, F::com_ou};

// Check maps (oute_man, oute_com).
constexpr Int oute_sen = 1;   // between a checking line piece and the king
constexpr Int oute_koma = 9;  // a checking piece, or the king's square after a knight's check

// Markers of the influence maps where nothing was recorded.
constexpr Int mamori_nasi = 999;        // no guard
constexpr Int com_kougeki_nasi = 999;   // no upper attacker
constexpr Int man_kougeki_nasi = -999;  // no lower attacker

}  // namespace board

// Check and mate, one move deep, from the influence maps and trial moves on the real board.
// Every trial move is taken back before returning.
#include "shell/BoardTerms.h"

namespace {

using F = Form1;

using board::on_board;
using board::oute_koma;
using board::oute_sen;

inline bool next_to(int x, int y, int kx, int ky) {
  return x - kx <= 1 && kx - x <= 1 && y - ky <= 1 && ky - y <= 1;
}

// The drop phase: can every line of check be blocked by a drop? A piece put between a line
// piece and the king stands for whatever is dropped; with only pawns in hand it is taken off
// again at once. False as soon as a checker can still take the king or is next to it.
bool drops_block(F& f, const Int (&oute)[10][10], int kx, int ky, Int trial, bool only_pawns) {
  for (int x = 1; x <= F::ban_max; ++x) {
    for (int y = 1; y <= F::ban_max; ++y) {
      const Int v = oute[x][y];
      if (v == oute_koma && next_to(x, y, kx, ky)) return false;
      if (v != oute_sen) continue;
      const TrialSquare block(f.ban[x][y], only_pawns ? f.ban[x][y] : trial);
      for (int x2 = 1; x2 <= F::ban_max; ++x2)
        for (int y2 = 1; y2 <= F::ban_max; ++y2)
          if (oute[x2][y2] == oute_koma && f.移動チェック(x2, y2, kx, ky, f.ban[x2][y2]) == F::ari)
            return false;
    }
  }
  return true;
}

// The king on (kx, ky) has a neighbour it may step to that the enemy does not reach.
bool can_escape(F& f, int kx, int ky, Int king, const Int (&enemy)[10][10]) {
  for (int x = kx - 1; x <= kx + 1; ++x)
    for (int y = ky - 1; y <= ky + 1; ++y)
      if (on_board(x, y) && f.移動チェック(kx, ky, x, y, king) == F::ari && enemy[x][y] == 0)
        return true;
  return false;
}

}  // namespace

Int Form1::詰めかMAN() {
  const Int kx = man_ou_x, ky = man_ou_y;
  if (!on_board(kx, ky) || seiryoku_com[kx][ky] == 0) return nasi;

  if (mochi_man_kei > 0 &&
      drops_block(*this, oute_man, kx, ky, man_hu, mochi_man_kei == mochi_man[1]))
    return nasi;

  if (can_escape(*this, kx, ky, man_ou, seiryoku_com)) return nasi;

  // Take the checker or stand in its way, then see whether an upper piece still takes the king.
  for (Int sx = 1; sx <= ban_max; ++sx) {
    for (Int sy = 1; sy <= ban_max; ++sy) {
      const Int code = ban[sx][sy];
      if (code < man_sya_nari || code > man_hu) continue;
      for (Int tx = 1; tx <= ban_max; ++tx) {
        for (Int ty = 1; ty <= ban_max; ++ty) {
          if ((tx == sx && ty == sy) || oute_man[tx][ty] <= 0) continue;
          if (移動チェック(sx, sy, tx, ty, code) != ari) continue;
          const TrialMove trial(*this, sx, sy, tx, ty, code);
          if (詰めかMAN_COM移動() == nasi) return nasi;
        }
      }
    }
  }
  return ari;
}

Int Form1::詰めかCOM() {
  const Int kx = com_ou_x, ky = com_ou_y;
  if (!on_board(kx, ky) || seiryoku_man[kx][ky] == 0) return nasi;

  if (mochi_com_kei > 0 &&
      drops_block(*this, oute_com, kx, ky, com_hu, mochi_com_kei == mochi_com[1]))
    return nasi;

  if (can_escape(*this, kx, ky, com_ou, seiryoku_man)) return nasi;

  // Each trial position gets fresh maps; they are left as they are after the board is put
  // back, so the rest of the scan reads the check map of the last trial.
  for (Int sx = 1; sx <= ban_max; ++sx) {
    for (Int sy = 1; sy <= ban_max; ++sy) {
      const Int code = ban[sx][sy];
      if (code < com_hu || code > com_sya_nari) continue;
      for (Int tx = 1; tx <= ban_max; ++tx) {
        for (Int ty = 1; ty <= ban_max; ++ty) {
          if ((tx == sx && ty == sy) || oute_com[tx][ty] <= 0) continue;
          if (移動チェック(sx, sy, tx, ty, code) != ari) continue;
          const TrialMove trial(*this, sx, sy, tx, ty, code);
          勢力調査();
          if (seiryoku_man[kx][ky] == 0) return nasi;
        }
      }
    }
  }
  return ari;
}

Int Form1::詰めかMAN_COM移動() {
  for (Int x = 1; x <= ban_max; ++x)
    for (Int y = 1; y <= ban_max; ++y)
      if (ban[x][y] >= com_hu && 移動チェック(x, y, man_ou_x, man_ou_y, ban[x][y]) == ari)
        return ari;
  return nasi;
}

void Form1::調査_王座標(Int side, Int& X, Int& Y) {
  X = ban_max + 1;
  Y = ban_max + 1;
  Int king;
  if (side == com_te)
    king = com_ou;
  else if (side == man_te)
    king = man_ou;
  else
    return;
  for (Int x = 1; x <= ban_max; ++x) {
    for (Int y = 1; y <= ban_max; ++y) {
      if (ban[x][y] == king) {
        X = x;
        Y = y;
        return;
      }
    }
  }
}

Int Form1::調査_自王逃道() {
  const Int kx = man_ou_x, ky = man_ou_y;
  if (!on_board(kx, ky)) return 0;
  Int n = 0;
  auto look = [&](Int x, Int y) {
    if (ban[x][y] == kara && seiryoku_com[x][y] == 0) {
      man_nigemiti[x][y] = 1;
      n += 1;
    }
  };
  if (ky > 1) {
    look(kx, ky - 1);
    if (kx > 1) look(kx - 1, ky - 1);
    if (kx < ban_max) look(kx + 1, ky - 1);
  }
  if (ky < ban_max) {
    look(kx, ky + 1);
    if (kx > 1) look(kx - 1, ky + 1);
    if (kx < ban_max) look(kx + 1, ky + 1);
  }
  if (kx > 1) look(kx - 1, ky);
  if (kx < ban_max) look(kx + 1, ky);
  return n;
}

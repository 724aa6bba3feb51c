// The move record: a snapshot of the position before every move, with the clocks around it.
// Recording, stepping, loading and the start of a game all copy the same seven arrays.
#include "shell/Form1.h"

void Form1::手順保存(Int, Int, Int, Int, Int, Int, Single 前秒M, Single 後秒M, Single 前秒C,
                     Single 後秒C) {
  const long n = kifu_tesuu;
  if (n < 0) return;
  記録_局面保存(n);
  kifu_jikan_man_mae[n] = 前秒M;
  kifu_jikan_man_ato[n] = 後秒M;
  kifu_jikan_com_mae[n] = 前秒C;
  kifu_jikan_com_ato[n] = 後秒C;
  kifu_saigo = n;
}

// Room for snapshots 0..n.
void Form1::記録_確保(long n) {
  const size_t size = static_cast<size_t>(n) + 1;
  if (kifu_ban.size() >= size) return;
  kifu_ban.resize(size);
  kifu_mochi_man.resize(size);
  kifu_mochi_com.resize(size);
  kifu_huu_man.resize(size);
  kifu_huu_com.resize(size);
  kifu_huu_mochi_man.resize(size);
  kifu_huu_mochi_com.resize(size);
  kifu_jikan_man_mae.resize(size);
  kifu_jikan_man_ato.resize(size);
  kifu_jikan_com_mae.resize(size);
  kifu_jikan_com_ato.resize(size);
  kifu_koma.resize(size);
}

// The board, both hands and every seal flag into snapshot n.
void Form1::記録_局面保存(long n) {
  記録_確保(n);
  for (Int x = 1; x <= ban_max; ++x)
    for (Int y = 1; y <= ban_max; ++y) {
      kifu_ban[n][x][y] = ban[x][y];
      kifu_huu_man[n][x][y] = huu_man[x][y];
      kifu_huu_com[n][x][y] = huu_com[x][y];
    }
  for (Int k = 1; k <= mochi_max; ++k) {
    kifu_mochi_man[n][k] = mochi_man[k];
    kifu_mochi_com[n][k] = mochi_com[k];
    kifu_huu_mochi_man[n][k] = huu_mochi_man[k];
    kifu_huu_mochi_com[n][k] = huu_mochi_com[k];
  }
}

// Snapshot n back into the game, with both hand totals.
void Form1::記録_局面復元(long n) {
  if (n < 0 || static_cast<size_t>(n) >= kifu_ban.size()) return;
  for (Int x = 1; x <= ban_max; ++x)
    for (Int y = 1; y <= ban_max; ++y) {
      ban[x][y] = kifu_ban[n][x][y];
      huu_man[x][y] = kifu_huu_man[n][x][y];
      huu_com[x][y] = kifu_huu_com[n][x][y];
    }
  for (Int k = 1; k <= mochi_max; ++k) {
    mochi_man[k] = kifu_mochi_man[n][k];
    mochi_com[k] = kifu_mochi_com[n][k];
    huu_mochi_man[k] = kifu_huu_mochi_man[n][k];
    huu_mochi_com[k] = kifu_huu_mochi_com[n][k];
  }
  mochi_com_kei = 調査_持駒数(com_te);
  mochi_man_kei = 調査_持駒数(man_te);
}

// A new game's record starts from the position set up: snapshot 0, no time spent, and the
// first move's snapshot emptied.
void Form1::記録_初期局面() {
  記録_局面保存(0);
  kifu_jikan_man_mae[0] = kifu_jikan_man_ato[0] = 0;
  kifu_jikan_com_mae[0] = kifu_jikan_com_ato[0] = 0;
  記録_確保(1);
  for (auto* board : {&kifu_ban[1], &kifu_huu_man[1], &kifu_huu_com[1]})
    for (auto& column : *board)
      for (Int& v : column) v = 0;
  for (auto* hand :
       {&kifu_mochi_man[1], &kifu_mochi_com[1], &kifu_huu_mochi_man[1], &kifu_huu_mochi_com[1]})
    for (Int& v : *hand) v = 0;
}

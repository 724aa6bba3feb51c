// The move record: a snapshot of the position before every move, with the clocks around it.
#include "shell/Form1.h"

void Form1::手順保存(Int, Int, Int, Int, Int, Int, Single 前秒M, Single 後秒M, Single 前秒C,
                     Single 後秒C) {
  const Int n = kifu_tesuu;
  if (n < 0 || n > kifu_max) return;  // the record is full: play goes on unrecorded
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
  kifu_jikan_man_mae[n] = 前秒M;
  kifu_jikan_man_ato[n] = 後秒M;
  kifu_jikan_com_mae[n] = 前秒C;
  kifu_jikan_com_ato[n] = 後秒C;
  kifu_saigo = n;
}

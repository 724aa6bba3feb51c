// Stepping through the record (進, 戻), back to the start (最初) and turning the board round
// (反転). Stepping copies a stored snapshot back; it never works a position out.
#include <cstring>
#include <utility>

#include "shell/Form1.h"

namespace {
constexpr const char* kRefused = "できません";

// Snapshot n is one the record holds.
bool held(const Form1& f, long n) {
  return n >= 0 && static_cast<size_t>(n) < f.kifu_ban.size();
}
}  // namespace

void Form1::AFTER_Click() {
  描画_可視(false, false, false);
  描画_棋譜_IO(1);
  if (teban == te_nasi) {
    ds->dsPlay(snd_kinsi);
    win.MsgBox("「対局」で始めて下さい", mb::OKOnly, "開始");
    return;
  }
  modori_chuu = ari;
  if (kifu_tesuu >= kifu_saigo || !held(*this, kifu_tesuu + 1)) {
    if (kifu_mode == ari) {
      win.MsgBox("終わり", mb::OKOnly, "進む");
    } else {
      ds->dsPlay(snd_kinsi);
      win.MsgBox(kRefused, mb::OKOnly, "進む");
    }
    return;
  }
  消去_思考中();
  win.SetTimerEnabled(false);
  描画_将棋盤桝();
  const long n = ++kifu_tesuu;
  描画_手数(++tesuu);
  記録_局面表示(n, kifu_jikan_com_ato[n], kifu_jikan_man_ato[n]);

  Int x = 0, y = 0, code = kara;
  調査_移動結果(n, x, y, code);
  ds->dsPlay(snd_komauti);
  描画_移動結果(code > 0 ? com_te : man_te, x, y, code, iro_sikou);
  手番_交代();
}

void Form1::REPLAY_Click() {
  描画_可視(false, false, false);
  描画_棋譜_IO(1);
  modori_chuu = ari;
  if (kifu_tesuu < 1 || !held(*this, kifu_tesuu - 1)) {
    ds->dsPlay(snd_kinsi);
    win.MsgBox(kRefused, mb::OKOnly, "戻る");
    return;
  }
  win.SetTimerEnabled(false);
  描画_将棋盤桝();
  消去_思考中();
  const long n = kifu_tesuu;
  記録_局面表示(n - 1, kifu_jikan_com_mae[n - 1], kifu_jikan_man_mae[n - 1]);

  Int x = 0, y = 0, code = kara;
  調査_移動結果(n, x, y, code);
  ds->dsPlay(snd_komauti);
  消去_移動結果(code > 0 ? com_te : man_te);
  kifu_tesuu = n - 1;
  --tesuu;
  手番_交代();
}

void Form1::CANCEL_Click() {
  音楽_切替(snd_bgm);
  初期設定();
  ds->dsPlay(snd_komauti);
}

void Form1::REVERSE_Click() {
  if (kifu_mode == ari) {
    ds->dsPlay(snd_kinsi);
    win.MsgBox("棋譜ﾓｰﾄﾞではできません", mb::OKOnly, "反転");
    return;
  }
  hanten = ari;
  sentaku = 0;
  COM_MAN_入替処理();
  // The seals turn round with their pieces, and each hand keeps its own total.
  Int sealed_man[10][10], sealed_com[10][10];
  std::memcpy(sealed_man, huu_man, sizeof huu_man);
  std::memcpy(sealed_com, huu_com, sizeof huu_com);
  for (Int x = 1; x <= ban_max; ++x)
    for (Int y = 1; y <= ban_max; ++y) {
      huu_man[ban_max + 1 - x][ban_max + 1 - y] = sealed_com[x][y];
      huu_com[ban_max + 1 - x][ban_max + 1 - y] = sealed_man[x][y];
    }
  for (Int k = 1; k <= mochi_max; ++k) std::swap(huu_mochi_man[k], huu_mochi_com[k]);
  mochi_com_kei = 調査_持駒数(com_te);
  mochi_man_kei = 調査_持駒数(man_te);
  画面_再描画();
  描画_手数(tesuu);
  if (hande_settei == ari) {
    hande_level = static_cast<Int>(-hande_level);
    描画_ハンデレベル(hande_level);
  }
  ds->dsPlay(snd_komauti);
  手番_交代();
  kifu_tesuu = 0;
  kifu_saigo = 0;
}

// The other side moves: its icon replaces the last side's, and the move count is redrawn.
void Form1::手番_交代() {
  消去_打手_アイコン(teban);
  teban = static_cast<Int>(-teban);
  描画_打手_アイコン(teban);
  描画_手数(tesuu);
}

// Snapshot n on the board with both clocks at the given times; a piece selected in the
// position before is no longer selected.
void Form1::記録_局面表示(long n, Single com_seconds, Single man_seconds) {
  sentaku = 0;
  記録_局面復元(n);
  jikan_com = com_seconds;
  描画_所有時間(com_te, jikan_com);
  jikan_man = man_seconds;
  描画_所有時間(man_te, jikan_man);
  描画_自持盤();
  描画_敵持盤();
  描画_盤();
}

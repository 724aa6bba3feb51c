// Start-up, a fresh game, the two-person start and shutdown.
#include <algorithm>

#include "shell/Form1.h"

namespace {

// The initial position: the upper side's back rank, read from column 1 to 9; the lower
// side's is its mirror image with negated codes.
constexpr Int kBackRank[] = {Form1::com_kyou, Form1::com_kei, Form1::com_gin,
                             Form1::com_kin,  Form1::com_ou,  Form1::com_kin,
                             Form1::com_gin,  Form1::com_kei, Form1::com_kyou};
constexpr Int kComBack = 1, kComSecond = 2, kComPawns = 3;
constexpr Int kManPawns = 7, kManSecond = 8, kManBack = 9;
constexpr Int kLeftOfBoard = 2, kRightOfBoard = 8;  // columns of the rook and bishop rows
constexpr double kSecondsPerDay = 86400;
constexpr double kWaitTolerance = 0.001;  // a clock reading finer than this is noise
// With shorter effects, waits take this share of their time: the longest turn of the computer
// (music on, a spell cast: 6.9 s of waits) then shows everything in 0.55 s.
constexpr double kShortEffects = 0.08;
constexpr std::int32_t kNoWindowHandle = 0;  // the sound library plays without a window

}  // namespace

void Form1::Form_Load() {
  初期化_サウンド(kNoWindowHandle);
  読込_全サウンド();
  level = 3;
  win.SetChecked(Menu::LEVEL3, true);
  man_te = te_gote;
  com_te = te_sente;
  kifu_mode = nasi;
  sidou = nasi;
  iro_sidou = iro_waku;
  haikei = haikei_midori;
  win.SetBackColor(iro_haikei);
  読込_環境設定ファイル();
  初期設定();
  const Placement p = win.GetPlacement();
  if (!p.maximized && p.top != form_top_maximized) {
    win.MoveWindow(0, 0);
    win.SizeWindow(form_w, form_h);
  }
}

void Form1::初期設定() {
  hande_level = 0;
  hande_settei = nasi;
  taikyoku_mode = mode_man;
  shouri_te = te_nasi;
  teban = te_nasi;
  kifu_tesuu = 0;
  tesuu = 0;
  hanten = nasi;
  探索_履歴.clear();

  win.SetTimerEnabled(false);
  jikan_com = 0;
  jikan_man = 0;
  modori_chuu = nasi;
  kifu_mode = nasi;
  keika_byou_hyouji = 0;

  win.ShowImage(Image::Image1, false);
  win.ShowImage(Image::Image2, false);
  消去_全_アイコン();
  sentaku = 0;

  for (Int k = 1; k <= mochi_max; ++k) {
    mochi_man[k] = 0;
    mochi_com[k] = 0;
    huu_mochi_man[k] = nasi;
    huu_mochi_com[k] = nasi;
  }
  for (Int x = 1; x <= ban_max; ++x)
    for (Int y = 1; y <= ban_max; ++y) {
      ban[x][y] = kara;
      huu_man[x][y] = nasi;
      huu_com[x][y] = nasi;
    }

  初期配置();

  mochi_com_kei = 0;
  mochi_man_kei = 0;
  for (Int k = 1; k <= mochi_max; ++k) {
    if (mochi_com[k] > 0) mochi_com_kei += mochi_com[k];
    if (mochi_man[k] > 0) mochi_man_kei += mochi_man[k];
  }
  記録_初期局面();

  画面_再描画();
}

void Form1::初期配置() {
  for (Int x = 1; x <= ban_max; ++x) {
    ban[x][kComBack] = kBackRank[x - 1];
    ban[x][kComPawns] = com_hu;
    ban[x][kManPawns] = man_hu;
    ban[x][kManBack] = static_cast<Int>(-kBackRank[ban_max - x]);
  }
  ban[kLeftOfBoard][kComSecond] = com_sya;
  ban[kRightOfBoard][kComSecond] = com_kaku;
  ban[kLeftOfBoard][kManSecond] = man_kaku;
  ban[kRightOfBoard][kManSecond] = man_sya;
}

void Form1::START_Click() {
  if (shouri_te != te_nasi) {
    初期設定();
    win.Refresh();
  }
  kifu_mode = nasi;
  sentaku = 0;  // a selection made before is gone with its outline
  消去_全_アイコン();
  描画_棋譜読込み部分消去();
  for (Int c = -2; c <= 0; ++c) 描画_絵(haikei, c, 0);
  描画_将棋盤桝();
  kaisi_jikoku = static_cast<Single>(win.Seconds());
  if (win.Checked(Menu::KEIKA)) win.SetTimerEnabled(true);
  taikyoku_mode = mode_man;
  if (teban == te_nasi || tesuu == 0) {
    if (teban == te_nasi) kifu_saigo = 0;  // the last game's record ends with it
    man_te = te_sente;
    com_te = te_gote;
    teban = man_te;
    描画_打手_アイコン(teban);
    win.MsgBox("先手の番です", mb::OKOnly, " ");
  } else {
    描画_打手_アイコン(teban);
    if (teban == te_sente) {
      win.MsgBox("先手の番です", mb::OKOnly, " ");
    } else if (teban == te_gote) {
      win.MsgBox("後手の番です", mb::OKOnly, " ");
    }
  }
  modori_chuu = nasi;
}

// Both starts against the computer share their opening: the record reader's area is cleared,
// the level and squares are drawn, and play goes on from the position shown. The record ends
// there, or at its latest snapshot when the position shown (just played) is not yet in it.
void Form1::対局_COM準備() {
  描画_棋譜読込み部分消去();
  描画_レベル(level);
  描画_将棋盤桝();
  sentaku = 0;
  taikyoku_mode = mode_com;
  kifu_mode = nasi;
  kifu_saigo = std::min(tesuu, kifu_saigo);
}

void Form1::SENTE_Click() {
  if (shouri_te != te_nasi) 初期設定();
  対局_COM準備();
  消去_全_アイコン();
  kaisi_jikoku = static_cast<Single>(win.Seconds());
  win.SetTimerEnabled(true);
  const bool begun = teban != te_nasi && tesuu != 0;
  if (begun && teban == com_te) {
    com_ban();
    return;
  }
  if (!begun || teban == man_te) {
    man_te = te_sente;
    com_te = te_gote;
    teban = man_te;
    描画_打手_アイコン(teban);
    win.MsgBox("MANの番です", mb::OKOnly, begun ? "対局" : " ");
  }
  modori_chuu = nasi;
}

void Form1::GOTE_Click() {
  if (shouri_te != te_nasi) 初期設定();
  消去_全_アイコン();
  対局_COM準備();
  win.SetTimerEnabled(true);
  音楽_切替(snd_sentou);
  if (teban == te_nasi || tesuu == 0) {
    man_te = te_gote;
    com_te = te_sente;
    teban = te_sente;
    com_ban();
  } else if (teban == man_te) {
    描画_打手_アイコン(teban);
    win.MsgBox("MANの番です", mb::OKOnly, "対局");
    modori_chuu = nasi;
  } else if (teban == com_te) {
    com_ban();
  }
}

void Form1::TAIKYOKU_Click() {
  描画_可視(false, false, false);
  描画_棋譜_IO(1);
}

void Form1::MATCH_MAN_Click() {}

void Form1::OWARI_Click() {
  終了処理();
  win.End();
}

void Form1::Form_Unload(int) {
  終了処理();
  win.End();
}

void Form1::Form_KeyPress(int key) {
  if (key != key_esc) return;
  終了処理();
  win.End();
}

void Form1::終了処理() {
  for (std::int32_t snd :
       {snd_sonota, snd_kinsi, snd_kanasibari, snd_mahou, snd_sentou, snd_komauti, snd_bgm})
    ds->dsFree(snd);
  終了_サウンド();
}

void Form1::待ち時間(double seconds) {
  if (ensyutu_tansyuku) seconds *= kShortEffects;
  const double start = win.Seconds();
  for (;;) {
    const double now = win.Seconds();
    const double passed = now >= start ? now - start : now + kSecondsPerDay - start;
    if (passed >= seconds - kWaitTolerance) return;
    win.Sleep(seconds - passed);
  }
}

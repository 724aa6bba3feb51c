// The player's clicks: selecting, moving, dropping, promoting and casting the seal spell.
#include <algorithm>
#include <cmath>

#include "shell/BoardTerms.h"

namespace {
// sentaku_koma entries
constexpr int kFromX = 3, kFromY = 4, kToX = 5, kToY = 6, kPiece = 8;
constexpr double kSpellPause = 0.2;
constexpr Int kSealBlinks = 2;
const Int kManHandFirstRow = board::man_hand_row(1),
          kManHandLastRow = board::man_hand_row(Form1::mochi_max);
const Int kComHandFirstRow = board::com_hand_row(Form1::mochi_max),
          kComHandLastRow = board::com_hand_row(1);
constexpr double kFarOff = 99;  // any cell this far off the board is simply off it

// The selected piece still stands on its square, or its kind is still in its hand: a step
// through the record or a handicap may have taken it away since it was selected.
bool selection_holds(const Form1& f) {
  const Int* const sk = f.sentaku_koma;
  const Int x = sk[kFromX], y = sk[kFromY];
  if (board::on_board(x, y)) return f.ban[x][y] == sk[kPiece];
  const Int kind = board::hand_kind(x, y);
  if (!board::is_hand_column(x) || !board::is_hand_kind(kind)) return false;
  return (x == Form1::mochi_man_x ? f.mochi_man : f.mochi_com)[kind] > 0;
}

// The cell under a mouse position, counted from the grid's origin.
Int 桝番号(double twips, double cell) {
  return static_cast<Int>(std::clamp(std::floor(twips / cell), -kFarOff, kFarOff));
}
}  // namespace

void Form1::Form_MouseDown(Int button, Int, double x, double y) {
  描画_可視(false, false, false);
  描画_棋譜_IO(1);

  if (kifu_mode == ari) {
    if (win.MsgBox("棋譜を '進 'で進めて下さい", mb::YesNo, "棋譜") == mb::No) {
      ds->dsPlay(snd_kinsi);
      初期設定();
    }
    return;
  }
  if (shouri_te != te_nasi) {
    win.MsgBox("新規に対局してください", mb::OKOnly, "終局");
    return;
  }
  const Int X = 桝番号(x - ban_x0, masu_w);
  const Int Y = 桝番号(y - ban_y0, masu_h);
  if (teban == te_nasi) {
    ds->dsPlay(snd_kinsi);
    win.MsgBox("「対局」で始めて下さい", mb::OKOnly, "開始");
    return;
  }

  // Play resumes after a step back through the record.
  if (taikyoku_mode == mode_man) {
    if (modori_chuu == ari) {
      modori_chuu = nasi;
      手番_計時再開();
      win.MsgBox(teban == te_sente ? "先手の番です" : "後手の番です", mb::OKOnly, "対局");
    }
  } else if (teban == com_te) {
    // The computer's turn is due: the player confirms, the computer player moves, and the
    // click then goes on as the player's.
    modori_chuu = nasi;
    win.MsgBox("OKですか？", mb::OKOnly, "再開(COM)");
    com_ban();
  } else if (teban == man_te && modori_chuu == ari) {
    modori_chuu = nasi;
    手番_計時再開();
    win.MsgBox("MANの番です", mb::OKOnly, "対局");
  }

  if (!board::on_board(X, Y)) {
    クリック_盤外(X, Y);
  } else if (sentaku == 0) {
    クリック_選択(X, Y);
  } else {
    クリック_移動(button, X, Y);
  }
}

void Form1::手番_計時再開() {
  kaisi_jikoku = static_cast<Single>(win.Seconds());
  if (win.Checked(Menu::KEIKA)) win.SetTimerEnabled(true);
}

bool Form1::手番の駒(Int code) const {
  return (teban == man_te && code <= man_hu) || (teban == com_te && code >= com_hu);
}

void Form1::クリック_選択(Int X, Int Y) {
  const Int code = ban[X][Y];
  if (code == kara) return;
  sentaku_koma[kFromX] = X;
  sentaku_koma[kFromY] = Y;
  sentaku_koma[kPiece] = code;
  if (手番の駒(code)) {
    描画_移動可能桝色(X, Y, iro_sidou, code);
    描画_桝輪郭(iro_aka, X, Y);
    sentaku = 1;
  } else {
    魔法_封印(X, Y, X, Y, code);
  }
}

void Form1::クリック_移動(Int button, Int X, Int Y) {
  Int* const sk = sentaku_koma;
  sk[kToX] = X;
  sk[kToY] = Y;

  // An opponent's hand piece was just sealed: drop its highlight.
  if ((teban == man_te && sk[kFromX] == mochi_com_x) ||
      (teban == com_te && sk[kFromX] == mochi_man_x)) {
    描画_移動可能桝色(sk[kFromX], sk[kFromY], iro_waku, sk[kPiece]);
    描画_桝輪郭(iro_waku, sk[kFromX], sk[kFromY]);
    sentaku = 0;
    return;
  }
  if (手番の駒(ban[X][Y])) {
    描画_桝輪郭(iro_waku, sk[kFromX], sk[kFromY]);
    sk[kFromX] = X;
    sk[kFromY] = Y;
    sk[kPiece] = ban[X][Y];
    描画_移動可能桝色(X, Y, iro_sidou, sk[kPiece]);
    描画_桝輪郭(iro_aka, X, Y);
    return;
  }
  if (!selection_holds(*this) || 移動チェック(sk[kFromX], sk[kFromY], X, Y, sk[kPiece]) == nasi) {
    ds->dsPlay(snd_kinsi);
    sentaku = 0;
    描画_将棋盤桝();
    return;
  }
  if (移動後チェック(Y, sk[kPiece]) == nasi && button == button_hidari) {
    ds->dsPlay(snd_kinsi);
    win.MsgBox("マウスの右をクリックして下さい", mb::OKOnly, "成り");
    return;
  }

  手順保存(sk[kFromX], sk[kFromY], X, Y, sk[kPiece], ban[X][Y], jikan_man, jikan_man + keika_byou,
           jikan_com, jikan_com);
  ++tesuu;
  描画_手数(tesuu);
  if (調査_駒成(sk[kFromX], sk[kFromY], X, Y, sk[kPiece]) == ari && button == button_migi)
    sk[kPiece] = nari_koma;
  if (kifu_tesuu >= 0) kifu_koma[kifu_tesuu] = sk[kPiece];

  sentaku = 0;
  描画_桝輪郭(iro_waku, sk[kFromX], sk[kFromY]);
  描画_桝輪郭(iro_waku, X, Y);
  描画_移動可能桝色(sk[kFromX], sk[kFromY], iro_waku, sk[kPiece]);

  const Int captured = ban[X][Y];
  Int fromY = sk[kFromY];
  if (sk[kFromX] == mochi_com_x) fromY = board::com_hand_kind(fromY);
  駒移動(sk[kFromX], fromY, X, Y, sk[kPiece]);
  ds->dsPlay(snd_komauti);
  ++kifu_tesuu;

  描画_移動結果(sk[kPiece] >= com_hu ? com_te : man_te, X, Y, sk[kPiece], iro_sikou);
  win.ShowImage(Image::Image1, false);
  win.ShowImage(Image::Image2, false);

  if (taikyoku_mode == mode_com) {
    win.SetTimerEnabled(false);
    jikan_man += keika_byou;
    // The piece just moved counts as sealed while the maps are laid.
    huu_man[X][Y] = ari;
    勢力調査();
    huu_man[X][Y] = nasi;
    if (詰めかCOM() == ari || captured == com_ou) {
      音楽_切替(snd_bgm);
      shouri_te = man_te;
      win.MsgBox("あなたの勝ちです", mb::OKOnly, "終了");
      return;
    }
    駒処理_開放(com_te);
    消去_打手_アイコン(teban);
    teban = com_te;
    com_ban();
    return;
  }

  if (shouri_te == man_te || shouri_te == com_te) {
    音楽_切替(snd_bgm);
    win.MsgBox(shouri_te == man_te ? "先手の勝ちです" : "後手の勝ちです", mb::OKOnly, "終了");
  }
  駒処理_開放(static_cast<Int>(-teban));
  消去_打手_アイコン(teban);
  if (teban == te_sente) {
    teban = te_gote;
    jikan_man += keika_byou;
  } else if (teban == te_gote) {
    teban = te_sente;
    jikan_com += keika_byou;
  }
  描画_打手_アイコン(teban);
  kaisi_jikoku = static_cast<Single>(win.Seconds());
}

void Form1::クリック_盤外(Int X, Int Y) {
  Int* const sk = sentaku_koma;
  if (sk[kPiece] != kara) {
    描画_移動可能桝色(sk[kFromX], sk[kFromY], iro_waku, sk[kPiece]);
    描画_桝輪郭(iro_waku, sk[kFromX], sk[kFromY]);
  }

  Int kind = 0, owner = te_nasi;
  if (X == mochi_man_x && Y >= kManHandFirstRow && Y <= kManHandLastRow) {
    kind = board::man_hand_kind(Y);
    if (mochi_man[kind] <= 0) return;
    owner = man_te;
  } else if (X == mochi_com_x && Y >= kComHandFirstRow && Y <= kComHandLastRow) {
    kind = board::com_hand_kind(Y);
    if (mochi_com[kind] <= 0) return;
    owner = com_te;
  } else {
    return;  // the selection stays; only its highlight went
  }

  調査_2歩フラグ設定();
  sentaku = 1;
  sk[kFromX] = X;
  sk[kFromY] = Y;
  sk[kPiece] = 取得_持盤駒(kind, owner);
  if (teban == owner) {
    描画_桝輪郭(iro_aka, X, Y);
    描画_移動可能桝色(X, Y, iro_sidou, sk[kPiece]);
  } else {
    描画_桝輪郭(iro_sidou, X, Y);
    魔法_封印(X, Y, X, kind, sk[kPiece]);
  }
}

// The seal spell on the opponent's piece shown in cell (X, Y); (sealX, sealY) names it for
// 駒処理_封: the board square, or the hand column with the kind.
void Form1::魔法_封印(Int X, Int Y, Int sealX, Int sealY, Int code) {
  const bool hand = X == mochi_man_x || X == mochi_com_x;
  駒処理_開放(teban);  // one seal per caster
  if (!hand) ds->dsPlay(snd_mahou);
  描画_打手(teban, X, Y);
  win.Refresh();
  if (hand) ds->dsPlay(snd_mahou);
  描画_星(X, Y);
  待ち時間(kSpellPause);
  駒処理_封(sealX, sealY);
  ds->dsPlay(snd_kanasibari);
  描画_駒点滅(static_cast<Int>(code + huu_sa), X, Y, kSealBlinks);
  描画_桝輪郭(iro_waku, X, Y);
  消去_打手(teban);
}

void Form1::音楽_切替(std::int32_t music) {
  if (!win.Checked(Menu::BGM)) return;
  ds->dsStop(snd_bgm);
  ds->dsStop(snd_sentou);
  ds->dsPlayLooping(music);
}

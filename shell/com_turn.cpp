// The computer's whole turn: thinking, its seal spell on the human's most dangerous piece, the
// move, the end of the game or a check, and the turn handed back.
#include <optional>

#include "shell/BoardTerms.h"

namespace {

// The large pictures of the spell are shown beside the board, with the music on.
constexpr double kSceneColumn = 1.3, kSceneRow = 4;
constexpr double kBattleLead = 1, kSorcererWait = 0.5, kIconWait = 1;
constexpr double kSpellWait = 0.5, kStarWait = 0.3, kSealWait = 0.6, kHandOverWait = 0.5;
constexpr Int kBlinks = 2;
// The thinking notice: its shadow, and the face one offset up and to the left.
constexpr double kThinkingColumn = -1.7, kThinkingRow = 8.25, kThinkingOffset = 0.1;
constexpr double kThinkingSize = 12;
constexpr const char* kThinking = "思考中";

}  // namespace

void Form1::思考中_表示() {
  消去_思考中();
  print_at(kThinkingColumn, kThinkingRow, kThinking, iro_kuro, kThinkingSize);
  print_at(kThinkingColumn - kThinkingOffset, kThinkingRow - kThinkingOffset, kThinking, iro_sikou,
           kThinkingSize);
}

void Form1::com_ban() {
  if (shouri_te != te_nasi) return;
  const bool bgm = win.Checked(Menu::BGM);
  auto scene = [&](Int picture, double wait) {
    if (!bgm) return;
    描画_絵(picture, kSceneColumn, kSceneRow);
    win.Refresh();
    待ち時間(wait);
  };

  if (bgm) {
    win.Refresh();
    待ち時間(kBattleLead);
    音楽_切替(snd_sentou);
  }
  手番_計時再開();
  思考中_表示();
  scene(e_madousi, kSorcererWait);
  描画_打手_アイコン(com_te);
  win.Refresh();
  待ち時間(kIconWait);

  // A move that names no square means the computer has nothing legal left: the human wins.
  Int X = 0, Y = 0, X2 = 0, Y2 = 0, before = kara, after = kara;
  調査_COM打ち座標(X, Y, X2, Y2, before, after);
  描画_盤();
  if (!board::on_board(X2, Y2)) {
    win.SetTimerEnabled(false);
    消去_思考中();
    音楽_切替(snd_bgm);
    shouri_te = man_te;
    win.MsgBox("あなたの勝ちです", mb::OKOnly, "終了");
    return;
  }
  const bool drop = X == mochi_com_x;
  if (bgm) {
    scene(e_luminak, kSpellWait);
    描画_盤();
  }

  // The spell, aimed and cast in the position after the computer's move.
  std::optional<TrialMove> played;
  if (!drop) played.emplace(*this, X, Y, X2, Y2, after);
  Int code = kara, tx = 0, ty = 0;
  調査_ルミナーク座標(code, tx, ty);
  const bool cast = code != kara;
  if (cast) {
    const Int cx = tx, cy = tx == mochi_man_x ? board::man_hand_row(ty) : ty;
    描画_打手(teban, cx, cy);
    win.Refresh();
    ds->dsPlay(snd_mahou);
    if (bgm) 描画_振動();
    描画_星(cx, cy);
    待ち時間(kStarWait);
    駒処理_封(tx, ty);
    ds->dsPlay(snd_kanasibari);
    描画_駒点滅(static_cast<Int>(code + huu_sa), cx, cy, kBlinks);
    描画_桝輪郭(iro_waku, cx, cy);
  }
  played.reset();
  消去_打手(com_te);
  if (cast && bgm) {
    scene(e_huuin, kSealWait);
    描画_盤();
  }

  手順保存(X, Y, X2, Y2, before, after, jikan_man, jikan_man, jikan_com, jikan_com + keika_byou);
  ++tesuu;
  描画_手数(tesuu);
  if (drop)
    描画_駒点滅(after, mochi_com_x, board::com_hand_row(Y), kBlinks);
  else
    描画_駒点滅(before, X, Y, kBlinks);
  駒移動(X, Y, X2, Y2, after);
  消去_思考中();
  ds->dsPlay(snd_komauti);
  ++kifu_tesuu;
  win.SetTimerEnabled(false);
  勢力調査();

  if (shouri_te == com_te) {
    音楽_切替(snd_bgm);
    消去_移動結果(com_te);
    win.MsgBox("ｺﾝﾋﾟｭｰﾀの勝ちです", mb::OKOnly, "終了");
    teban = man_te;
    return;
  }
  if (詰めかMAN() == ari) {
    win.MsgBox("よし！!", mb::OKOnly, "詰め ?");
  } else {
    Int kx = 0, ky = 0;
    調査_王座標(man_te, kx, ky);
    if (board::on_board(kx, ky) && seiryoku_com[kx][ky] > 0)
      win.MsgBox("   ** 王手 **", mb::OKOnly, "");
  }
  描画_移動結果(com_te, X2, Y2, after, iro_siro);
  描画_桝輪郭(iro_siro, X2, Y2);
  jikan_com += keika_byou;
  kaisi_jikoku = static_cast<Single>(win.Seconds());
  駒処理_開放(static_cast<Int>(-teban));
  音楽_切替(snd_bgm);
  消去_打手_アイコン(teban);
  win.ShowImage(Image::Image1, false);
  win.ShowImage(Image::Image2, false);
  待ち時間(kHandOverWait);
  teban = man_te;
  描画_打手_アイコン(teban);
  if (win.Checked(Menu::KEIKA)) win.SetTimerEnabled(true);
}

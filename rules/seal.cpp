// The seal spell: a flag on a square or a hand kind, not on the piece itself.
#include "shell/BoardTerms.h"

void Form1::駒処理_封(Int X, Int Y) {
  if (X == mochi_com_x || X == mochi_man_x) {
    if (!board::is_hand_kind(Y)) return;  // only the seven hand kinds can be sealed
    (X == mochi_com_x ? huu_mochi_com : huu_mochi_man)[Y] = ari;
    return;
  }
  if (!board::on_board(X, Y)) return;
  if (ban[X][Y] <= man_hu)
    huu_man[X][Y] = ari;
  else if (ban[X][Y] >= com_hu)
    huu_com[X][Y] = ari;
}

void Form1::駒処理_開放(Int side) {
  Int(*board)[10];
  Int* hand;
  Int owner, column;
  if (side == man_te) {  // the human's seals lie on the computer's pieces
    board = huu_com;
    hand = huu_mochi_com;
    owner = com_te;
    column = mochi_com_x;
  } else if (side == com_te) {
    board = huu_man;
    hand = huu_mochi_man;
    owner = man_te;
    column = mochi_man_x;
  } else {
    return;
  }
  for (Int x = 1; x <= ban_max; ++x) {
    for (Int y = 1; y <= ban_max; ++y) {
      if (board[x][y] == ari) {
        board[x][y] = nasi;
        描画_駒(ban[x][y], x, y);
        描画_桝輪郭(iro_haikei, x, y);
      }
      board[x][y] = nasi;
    }
  }
  for (Int k = 1; k <= mochi_max; ++k) {
    if (hand[k] != ari) continue;
    hand[k] = nasi;
    const Int row = board::hand_row(column, k);
    描画_駒(取得_持盤駒(k, owner), column, row);
    描画_桝輪郭(iro_haikei, column, row);
  }
}

// Making a move: the board, the hands, captures, promotion and the two-pawn flags.
#include "shell/BoardTerms.h"

namespace {
using board::on_board;
}  // namespace

void Form1::駒移動(Int fromX, Int fromY, Int toX, Int toY, Int piece) {
  // A move that names no real square or hand kind changes nothing.
  if (!on_board(toX, toY)) return;
  if (fromX == mochi_com_x) {
    if (!board::is_hand_kind(fromY)) return;
  } else if (fromX == mochi_man_x) {
    if (!board::is_hand_kind(board::man_hand_kind(fromY))) return;
  } else if (!on_board(fromX, fromY) || (fromX == toX && fromY == toY)) {
    return;
  }

  // Capture: the king counts in the total but never enters a hand.
  const Int taken = ban[toX][toY];
  if (taken <= man_hu) {
    mochi_com_kei += 1;
    駒取得(taken);
    描画_敵持盤();
  } else if (taken >= com_hu) {
    mochi_man_kei += 1;
    駒取得(taken);
    描画_自持盤();
  }

  描画_絵(kara, fromX, fromY);
  描画_桝輪郭(iro_haikei, fromX, fromY);

  ban[toX][toY] = piece;
  if (piece == man_ou) {
    man_ou_x = toX;
    man_ou_y = toY;
  }

  if (fromX == mochi_com_x) {
    mochi_com_kei -= 1;
    mochi_com[fromY] -= 1;
    描画_敵持盤();
  } else if (fromX == mochi_man_x) {
    mochi_man_kei -= 1;
    mochi_man[board::man_hand_kind(fromY)] -= 1;
    描画_自持盤();
  } else {
    ban[fromX][fromY] = kara;
  }

  描画_絵(piece, toX, toY);
  描画_桝輪郭(iro_haikei, toX, toY);
}

void Form1::駒取得(Int piece) {
  if (piece == com_ou) {
    shouri_te = man_te;
    return;
  }
  if (piece == man_ou) {
    shouri_te = com_te;
    return;
  }
  const int k = board::kind_in_hand(piece);
  if (k == 0) return;
  if (piece > 0)
    mochi_man[k] += 1;
  else
    mochi_com[k] += 1;
}

Int Form1::調査_駒成(Int fromX, Int fromY, Int /*toX*/, Int toY, Int piece) {
  if (fromX == mochi_com_x || fromX == mochi_man_x) return nasi;  // a drop never promotes
  bool may = false;
  switch (piece) {
    case man_hu:
    case man_kyou:
    case man_kei:
      may = toY <= 3;
      break;
    case man_gin:
    case man_kaku:
    case man_sya:
      may = toY <= 3 || fromY <= 3;
      break;
    case com_hu:
    case com_kyou:
    case com_kei:
      may = toY >= 7;
      break;
    case com_gin:
    case com_kaku:
    case com_sya:
      may = toY >= 7 || fromY >= 7;
      break;
    default:
      return nasi;
  }
  if (!may) return nasi;
  nari_koma = piece < 0 ? piece - board::nari_sa : piece + board::nari_sa;
  return ari;
}

Int Form1::移動後チェック(Int toY, Int piece) {
  switch (piece) {
    case com_hu:
    case com_kyou:
      return toY == ban_max ? nasi : ari;
    case com_kei:
      return toY >= ban_max - 1 ? nasi : ari;
    case man_hu:
    case man_kyou:
      return toY == 1 ? nasi : ari;
    case man_kei:
      return toY <= 2 ? nasi : ari;
    default:
      return ari;
  }
}

void Form1::調査_2歩フラグ設定() {
  for (int x = 1; x <= ban_max; ++x) {
    nihu_man[x] = nasi;
    nihu_com[x] = nasi;
    for (int y = 1; y <= ban_max; ++y) {
      if (ban[x][y] == man_hu) nihu_man[x] = ari;
      if (ban[x][y] == com_hu) nihu_com[x] = ari;
    }
  }
}

Int Form1::調査_持駒数(Int side) {
  const Int* hand = side == man_te ? mochi_man : side == com_te ? mochi_com : nullptr;
  if (hand == nullptr) return 0;
  Int n = 0;
  for (int k = 1; k <= mochi_max; ++k)
    if (hand[k] > 0) n += hand[k];
  return n;
}

Int Form1::取得_持盤駒(Int kind, Int side) {
  if (!board::is_hand_kind(kind)) return 0;
  return side == man_te ? -board::kHandCodes[kind] : board::kHandCodes[kind];
}

void Form1::調査_移動結果(long n, Int& X, Int& Y, Int& piece) {
  if (n < 1 || static_cast<size_t>(n) >= kifu_ban.size()) return;
  for (Int x = 1; x <= ban_max; ++x)
    for (Int y = 1; y <= ban_max; ++y) {
      const Int after = kifu_ban[n][x][y];
      if (after != kifu_ban[n - 1][x][y] && after != kara) {
        X = x;
        Y = y;
        piece = after;
        return;
      }
    }
}

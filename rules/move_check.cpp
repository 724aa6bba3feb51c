// 移動チェック: may this piece go from here to there? Reads only the source, the destination
// and the squares between them.
#include "shell/BoardTerms.h"

namespace {

using F = Form1;

inline int sign_of(int v) {
  return (v > 0) - (v < 0);
}
inline int abs_of(int v) {
  return v < 0 ? -v : v;
}

// Every square strictly between (x, y) and (x + n*sx, y + n*sy) is empty.
inline bool path_clear(const F& f, int x, int y, int sx, int sy, int n) {
  for (int k = 1; k < n; ++k)
    if (f.ban[x + k * sx][y + k * sy] != F::kara) return false;
  return true;
}

// One rank or file, nothing in between.
inline bool rook_line(const F& f, int fx, int fy, int tx, int ty) {
  const int dx = tx - fx, dy = ty - fy;
  if (dx != 0 && dy != 0) return false;
  if (dy != 0) return path_clear(f, fx, fy, 0, sign_of(dy), abs_of(dy));
  if (dx != 0) return path_clear(f, fx, fy, sign_of(dx), 0, abs_of(dx));
  return true;
}

// One diagonal, nothing in between.
inline bool bishop_line(const F& f, int fx, int fy, int tx, int ty) {
  const int dx = tx - fx, dy = ty - fy;
  if (dx != dy && dx != -dy) return false;
  return path_clear(f, fx, fy, sign_of(dx), sign_of(dy), abs_of(dx));
}

// Every square strictly between (x, y) and (x + n*sx, y + n*sy) lies inside the board array
// (indexes 0..9). The squares lie on a line, so the first and the last decide.
inline bool path_in_array(int x, int y, int sx, int sy, int n) {
  if (n <= 1) return true;
  auto in = [](int v) { return v >= 0 && v <= F::ban_max; };
  return in(x + sx) && in(y + sy) && in(x + (n - 1) * sx) && in(y + (n - 1) * sy);
}

// The squares that a line test between two arbitrary points would look at all exist.
inline bool rook_path_in_array(int fx, int fy, int tx, int ty) {
  const int dx = tx - fx, dy = ty - fy;
  if (dx != 0 && dy != 0) return true;  // refused before any square is read
  if (dy != 0) return path_in_array(fx, fy, 0, sign_of(dy), abs_of(dy));
  return path_in_array(fx, fy, sign_of(dx), 0, abs_of(dx));
}
inline bool bishop_path_in_array(int fx, int fy, int tx, int ty) {
  const int dx = tx - fx, dy = ty - fy;
  if (dx != dy && dx != -dy) return true;  // refused before any square is read
  return path_in_array(fx, fy, sign_of(dx), sign_of(dy), abs_of(dx));
}

inline Int yn(bool b) {
  return b ? F::ari : F::nasi;
}

}  // namespace

// Lines that would need squares outside the board array are refused.
Int Form1::移動チェック飛車(Int fromX, Int fromY, Int toX, Int toY) {
  if (!rook_path_in_array(fromX, fromY, toX, toY)) return nasi;
  return yn(rook_line(*this, fromX, fromY, toX, toY));
}

Int Form1::移動チェック角(Int fromX, Int fromY, Int toX, Int toY) {
  if (!bishop_path_in_array(fromX, fromY, toX, toY)) return nasi;
  return yn(bishop_line(*this, fromX, fromY, toX, toY));
}

Int Form1::移動チェック(Int fromX, Int fromY, Int toX, Int toY, Int piece) {
  const bool upper = piece >= com_hu;
  const bool lower = piece <= man_hu;

  // The destination: on the board and not held by the mover's own side.
  if (!board::on_board(toX, toY)) return nasi;
  const Int dest = ban[toX][toY];
  if (upper ? dest >= com_hu : (lower && dest <= man_hu)) return nasi;

  // Drops: the hand row names the kind; a sealed kind stays in the hand.
  if (fromX == mochi_com_x || fromX == mochi_man_x) {
    if (fromX == mochi_com_x) {
      if (fromY < 1 || fromY > mochi_com_gyou || lower) return nasi;
      if (upper && huu_mochi_com[board::com_hand_kind(fromY)] == ari) return nasi;
    } else {
      if (fromY < mochi_man_gyou || fromY > ban_max || upper) return nasi;
      if (lower && huu_mochi_man[board::man_hand_kind(fromY)] == ari) return nasi;
    }
    if (dest != kara) return nasi;
    switch (piece) {
      case com_hu:
        return yn(nihu_com[toX] != ari && toY != ban_max);
      case man_hu:
        return yn(nihu_man[toX] != ari && toY != 1);
      case com_kyou:
        return yn(toY != ban_max);
      case man_kyou:
        return yn(toY != 1);
      case com_kei:
        return yn(toY <= ban_max - 2);
      case man_kei:
        return yn(toY >= 3);
      default:
        return ari;
    }
  }

  // Moves on the board.
  if (!board::on_board(fromX, fromY)) return nasi;
  if (upper ? huu_com[fromX][fromY] == ari : (lower && huu_man[fromX][fromY] == ari)) return nasi;
  const int dx = toX - fromX, dy = toY - fromY;
  if (dx == 0 && dy == 0) return nasi;
  const int adx = abs_of(dx), ady = abs_of(dy);

  switch (piece) {
    case com_hu:
      return yn(dx == 0 && dy == 1);
    case com_kyou:
      return yn(dx == 0 && dy > 0 && path_clear(*this, fromX, fromY, 0, 1, dy));
    case com_kei:
      return yn(dy == 2 && adx == 1);
    case com_gin:
      return yn((adx <= 1 && dy == 1) || (dy == -1 && adx == 1));
    case com_hu_nari:
    case com_kyou_nari:
    case com_kei_nari:
    case com_gin_nari:
    case com_kin:
      return yn((adx <= 1 && (dy == 0 || dy == 1)) || (dx == 0 && dy == -1));
    case man_hu:
      return yn(dx == 0 && dy == -1);
    case man_kyou:
      return yn(dx == 0 && dy < 0 && path_clear(*this, fromX, fromY, 0, -1, -dy));
    case man_kei:
      return yn(dy == -2 && adx == 1);
    case man_gin:
      return yn((adx <= 1 && dy == -1) || (dy == 1 && adx == 1));
    case man_hu_nari:
    case man_kyou_nari:
    case man_kei_nari:
    case man_gin_nari:
    case man_kin:
      return yn((adx <= 1 && (dy == 0 || dy == -1)) || (dx == 0 && dy == 1));
    case com_kaku:
    case man_kaku:
      return yn(bishop_line(*this, fromX, fromY, toX, toY));
    case com_kaku_nari:
    case man_kaku_nari:
      return yn((adx <= 1 && ady <= 1) || bishop_line(*this, fromX, fromY, toX, toY));
    case com_sya:
    case man_sya:
      return yn(rook_line(*this, fromX, fromY, toX, toY));
    case com_sya_nari:
    case man_sya_nari:
      return yn((adx <= 1 && ady <= 1) || rook_line(*this, fromX, fromY, toX, toY));
    case com_ou:
    case man_ou:
      return yn(adx <= 1 && ady <= 1);
    default:
      return nasi;
  }
}

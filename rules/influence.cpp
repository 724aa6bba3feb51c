// 勢力調査: which squares each side reaches, the cheapest attacker and the guard of every
// piece, and the lines along which each king is in check. One reset pass, one dispatch pass.
#include "shell/BoardTerms.h"

namespace {

using F = Form1;

using namespace board;

// Which parts of the mark a piece performs. The count is always laid.
enum : unsigned {
  kGuard = 1u << 0,     // guard code on own pieces
  kGuardSq = 1u << 1,   // ... with the guard's square
  kAttack = 1u << 2,    // attacker code on enemy pieces (and the lower side's count of them)
  kAttackSq = 1u << 3,  // ... with the attacker's square
  kCheck = 1u << 4,     // check map of the enemy king
  kKnight = 1u << 5,    // a knight's check also marks the king's own square
};
constexpr unsigned kLowerFull = kGuard | kAttack | kAttackSq | kCheck;
constexpr unsigned kLowerKing = kGuard | kAttack | kAttackSq;
constexpr unsigned kUpperFull = kGuard | kGuardSq | kAttack | kAttackSq | kCheck;

// A lower piece `c` on (sx, sy) reaches (tx, ty).
template <unsigned M>
inline void mark_lower(F& f, Int c, int sx, int sy, int tx, int ty) {
  f.seiryoku_man[tx][ty] += 1;
  const Int t = f.ban[tx][ty];
  if (t <= F::man_hu) {
    if ((M & kGuard) && f.man_mamori[tx][ty] > c) {
      f.man_mamori[tx][ty] = c;
      if (M & kGuardSq) {
        f.man_mamori_x[tx][ty] = sx;
        f.man_mamori_y[tx][ty] = sy;
      }
    }
  } else if (t >= F::com_hu) {
    if (M & kAttack) {
      f.man_kougeki_kazu[tx][ty] += 1;
      if (f.man_kougeki[tx][ty] < c) {
        f.man_kougeki[tx][ty] = c;
        if (M & kAttackSq) {
          f.man_kougeki_x[tx][ty] = sx;
          f.man_kougeki_y[tx][ty] = sy;
        }
      }
    }
  }
}

// An upper piece `c` on (sx, sy) reaches (tx, ty).
template <unsigned M>
inline void mark_upper(F& f, Int c, int sx, int sy, int tx, int ty) {
  f.seiryoku_com[tx][ty] += 1;
  const Int t = f.ban[tx][ty];
  if (t >= F::com_hu) {
    if ((M & kGuard) && f.com_mamori[tx][ty] > c) {
      f.com_mamori[tx][ty] = c;
      if (M & kGuardSq) {
        f.com_mamori_x[tx][ty] = sx;
        f.com_mamori_y[tx][ty] = sy;
      }
    }
  } else if (t <= F::man_hu) {
    if ((M & kAttack) && f.com_kougeki[tx][ty] > c) {
      f.com_kougeki[tx][ty] = c;
      if (M & kAttackSq) {
        f.com_kougeki_x[tx][ty] = sx;
        f.com_kougeki_y[tx][ty] = sy;
      }
    }
  }
}

template <bool Lower, unsigned M>
inline void mark(F& f, Int c, int sx, int sy, int tx, int ty) {
  if constexpr (Lower)
    mark_lower<M>(f, c, sx, sy, tx, ty);
  else
    mark_upper<M>(f, c, sx, sy, tx, ty);
}

template <bool Lower>
inline Int (&oute_of(F& f))[10][10] {
  if constexpr (Lower)
    return f.oute_com;  // lower pieces check the upper king
  else
    return f.oute_man;
}

// One step of a piece on (x, y) to (tx, ty), if that square is on the board.
template <bool Lower, unsigned M>
inline void step(F& f, Int c, int x, int y, int tx, int ty) {
  if (!on_board(tx, ty)) return;
  mark<Lower, M>(f, c, x, y, tx, ty);
  if constexpr ((M & kCheck) != 0) {
    constexpr Int enemy_king = Lower ? F::com_ou : F::man_ou;
    if (f.ban[tx][ty] == enemy_king) {
      auto& oute = oute_of<Lower>(f);
      oute[x][y] = oute_koma;
      if (M & kKnight) oute[tx][ty] = oute_koma;
    }
  }
}

// A ray from (x, y) in direction (dx, dy). It runs on through the enemy king, so the squares
// behind a checked king count as reached, and stops after the first other piece.
template <bool Lower, unsigned M>
inline void ray(F& f, Int c, int x, int y, int dx, int dy) {
  constexpr Int enemy_king = Lower ? F::com_ou : F::man_ou;
  int tx = x + dx, ty = y + dy;
  for (int d = 1; on_board(tx, ty); ++d, tx += dx, ty += dy) {
    mark<Lower, M>(f, c, x, y, tx, ty);
    const Int t = f.ban[tx][ty];
    if (t == enemy_king) {
      if constexpr ((M & kCheck) != 0) {
        auto& oute = oute_of<Lower>(f);
        for (int k = 1; k < d; ++k) oute[x + k * dx][y + k * dy] = oute_sen;
        oute[x][y] = oute_koma;
      }
    } else if (t != F::kara) {
      break;
    }
  }
}

// Straight rays: the lower side keeps the guard's square only on the upward ray.
inline void straight(F& f, Int piece, int x, int y, int dx, int dy) {
  if (piece < 0) {
    if (dy < 0)
      ray<true, kLowerFull | kGuardSq>(f, piece, x, y, dx, dy);
    else
      ray<true, kLowerFull>(f, piece, x, y, dx, dy);
  } else {
    ray<false, kUpperFull>(f, piece, x, y, dx, dy);
  }
}

template <bool Lower, unsigned M>
inline void eight_steps(F& f, Int c, int x, int y) {
  for (int dx = -1; dx <= 1; ++dx)
    for (int dy = -1; dy <= 1; ++dy)
      if (dx != 0 || dy != 0) step<Lower, M>(f, c, x, y, x + dx, y + dy);
}

template <bool Lower, unsigned M>
inline void orthogonal_steps(F& f, Int c, int x, int y) {
  step<Lower, M>(f, c, x, y, x, y - 1);
  step<Lower, M>(f, c, x, y, x, y + 1);
  step<Lower, M>(f, c, x, y, x - 1, y);
  step<Lower, M>(f, c, x, y, x + 1, y);
}

template <bool Lower, unsigned M>
inline void diagonal_steps(F& f, Int c, int x, int y) {
  step<Lower, M>(f, c, x, y, x - 1, y - 1);
  step<Lower, M>(f, c, x, y, x + 1, y - 1);
  step<Lower, M>(f, c, x, y, x - 1, y + 1);
  step<Lower, M>(f, c, x, y, x + 1, y + 1);
}

template <typename A>
inline void fill_board(A& a, Int v) {
  for (int x = 1; x <= F::ban_max; ++x)
    for (int y = 1; y <= F::ban_max; ++y) a[x][y] = v;
}

// A rook's four rays; the sign of the code chooses the side.
void straight_rays(Form1& f, Int c, Int x, Int y) {
  f.勢力確定上直進(c, x, y);
  f.勢力確定下直進(c, x, y);
  f.勢力確定右直進(c, x, y);
  f.勢力確定左直進(c, x, y);
}

}  // namespace

// Each family member lays the influence of one piece standing on the board.
void Form1::勢力確定上直進(Int piece, Int X, Int Y) {
  if (on_board(X, Y)) straight(*this, piece, X, Y, 0, -1);
}
void Form1::勢力確定下直進(Int piece, Int X, Int Y) {
  if (on_board(X, Y)) straight(*this, piece, X, Y, 0, 1);
}
void Form1::勢力確定右直進(Int piece, Int X, Int Y) {
  if (on_board(X, Y)) straight(*this, piece, X, Y, 1, 0);
}
void Form1::勢力確定左直進(Int piece, Int X, Int Y) {
  if (on_board(X, Y)) straight(*this, piece, X, Y, -1, 0);
}

void Form1::勢力確定自角(Int X, Int Y) {
  if (!on_board(X, Y)) return;
  ray<true, kLowerFull>(*this, man_kaku, X, Y, -1, -1);
  ray<true, kLowerFull>(*this, man_kaku, X, Y, 1, -1);
  ray<true, kLowerFull>(*this, man_kaku, X, Y, -1, 1);
  ray<true, kLowerFull>(*this, man_kaku, X, Y, 1, 1);
}

void Form1::勢力確定敵角(Int piece, Int X, Int Y) {
  if (!on_board(X, Y)) return;
  ray<false, kUpperFull>(*this, piece, X, Y, -1, -1);
  ray<false, kUpperFull>(*this, piece, X, Y, 1, -1);
  ray<false, kUpperFull>(*this, piece, X, Y, -1, 1);
  ray<false, kUpperFull>(*this, piece, X, Y, 1, 1);
}

void Form1::勢力確定自金(Int piece, Int X, Int Y) {
  if (!on_board(X, Y)) return;
  constexpr unsigned M = kLowerFull;
  step<true, M>(*this, piece, X, Y, X - 1, Y - 1);
  step<true, M>(*this, piece, X, Y, X, Y - 1);
  step<true, M>(*this, piece, X, Y, X + 1, Y - 1);
  step<true, M>(*this, piece, X, Y, X - 1, Y);
  step<true, M>(*this, piece, X, Y, X + 1, Y);
  step<true, M>(*this, piece, X, Y, X, Y + 1);
}

void Form1::勢力確定敵金(Int X, Int Y) {
  if (!on_board(X, Y)) return;
  constexpr unsigned M = kGuard | kCheck;  // no guard square, no attacker record
  step<false, M>(*this, com_kin, X, Y, X - 1, Y + 1);
  step<false, M>(*this, com_kin, X, Y, X, Y + 1);
  step<false, M>(*this, com_kin, X, Y, X + 1, Y + 1);
  step<false, M>(*this, com_kin, X, Y, X - 1, Y);
  step<false, M>(*this, com_kin, X, Y, X + 1, Y);
  step<false, M>(*this, com_kin, X, Y, X, Y - 1);
}

void Form1::勢力調査() {
  // The guard squares and the upper attacker squares are kept from earlier runs.
  fill_board(seiryoku_man, 0);
  fill_board(seiryoku_com, 0);
  fill_board(man_mamori, mamori_nasi);
  fill_board(com_mamori, mamori_nasi);
  fill_board(man_kougeki, man_kougeki_nasi);
  fill_board(man_kougeki_x, 0);
  fill_board(man_kougeki_y, 0);
  fill_board(man_kougeki_kazu, 0);
  fill_board(com_kougeki, com_kougeki_nasi);
  fill_board(oute_com, 0);
  fill_board(oute_man, 0);

  F& f = *this;
  for (Int x = 1; x <= ban_max; ++x) {
    for (Int y = 1; y <= ban_max; ++y) {
      const Int c = ban[x][y];
      if (c == kara) continue;
      if (c >= com_hu && huu_com[x][y] == ari) continue;  // a sealed piece does nothing
      if (c <= man_hu && huu_man[x][y] == ari) continue;
      switch (c) {
        case man_hu:
          step<true, kLowerFull>(f, c, x, y, x, y - 1);
          break;
        case man_kyou:
          勢力確定上直進(c, x, y);
          break;
        case man_kei:
          step<true, kLowerFull | kKnight>(f, c, x, y, x - 1, y - 2);
          step<true, kLowerFull | kKnight>(f, c, x, y, x + 1, y - 2);
          break;
        case man_gin:
          step<true, kLowerFull>(f, c, x, y, x - 1, y - 1);
          step<true, kLowerFull>(f, c, x, y, x, y - 1);
          step<true, kLowerFull>(f, c, x, y, x + 1, y - 1);
          step<true, kLowerFull>(f, c, x, y, x - 1, y + 1);
          step<true, kLowerFull>(f, c, x, y, x + 1, y + 1);
          break;
        case man_hu_nari:
        case man_kyou_nari:
        case man_kei_nari:
        case man_gin_nari:
        case man_kin:
          勢力確定自金(c, x, y);
          break;
        case man_kaku:
          勢力確定自角(x, y);
          break;
        case man_kaku_nari:
          orthogonal_steps<true, kLowerFull>(f, c, x, y);
          勢力確定自角(x, y);
          break;
        case man_sya:
        case man_sya_nari:
          if (c == man_sya_nari) diagonal_steps<true, kLowerFull>(f, c, x, y);
          straight_rays(f, c, x, y);
          break;
        case man_ou:
          man_ou_x = x;
          man_ou_y = y;
          eight_steps<true, kLowerKing>(f, c, x, y);
          break;
        case com_hu:
          step<false, kGuard | kAttack | kCheck>(f, c, x, y, x, y + 1);
          break;
        case com_kyou:
          勢力確定下直進(c, x, y);
          break;
        case com_kei:
          step<false, kGuard | kGuardSq | kCheck | kKnight>(f, c, x, y, x - 1, y + 2);
          step<false, kGuard | kGuardSq | kCheck | kKnight>(f, c, x, y, x + 1, y + 2);
          break;
        case com_gin: {
          constexpr unsigned M = kGuard | kGuardSq | kCheck;
          step<false, M>(f, c, x, y, x - 1, y + 1);
          step<false, M>(f, c, x, y, x, y + 1);
          step<false, M>(f, c, x, y, x + 1, y + 1);
          step<false, M>(f, c, x, y, x - 1, y - 1);
          step<false, M>(f, c, x, y, x + 1, y - 1);
          break;
        }
        case com_hu_nari:
        case com_kyou_nari:
        case com_kei_nari:
        case com_gin_nari:
        case com_kin:
          勢力確定敵金(x, y);
          break;
        case com_kaku:
          勢力確定敵角(c, x, y);
          break;
        case com_kaku_nari:
          orthogonal_steps<false, kCheck>(f, c, x, y);
          勢力確定敵角(c, x, y);
          break;
        case com_sya:
        case com_sya_nari:
          if (c == com_sya_nari) diagonal_steps<false, kUpperFull>(f, c, x, y);
          straight_rays(f, c, x, y);
          break;
        case com_ou:
          com_ou_x = x;
          com_ou_y = y;
          eight_steps<false, kGuard>(f, c, x, y);
          break;
        default:
          break;
      }
    }
  }
}

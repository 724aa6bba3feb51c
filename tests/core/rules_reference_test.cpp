// A plain, slow model of the influence maps and of both mate tests, written square by square
// from the rules as this program states them, compared with the real procedures on random
// positions: sealed pieces, stale square arrays, hands, kings in check, kings missing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <random>

#include "support/Game.h"

namespace {

using F = Form1;

// Which parts of the mark one movement performs.
struct Parts {
  bool guard, guard_sq, attack, attack_sq, check, knight;
};
constexpr Parts kLowerFull{true, false, true, true, true, false};
constexpr Parts kLowerFullUp{true, true, true, true, true, false};  // the lower upward ray
constexpr Parts kUpperFull{true, true, true, true, true, false};

bool on_board(int x, int y) {
  return x >= 1 && x <= 9 && y >= 1 && y <= 9;
}

// Piece code c on (sx, sy) reaches (tx, ty).
void model_mark(F& f, Int c, int sx, int sy, int tx, int ty, const Parts& p) {
  const Int t = f.ban[tx][ty];
  if (c < 0) {
    f.seiryoku_man[tx][ty]++;
    if (t <= F::man_hu) {
      if (p.guard && f.man_mamori[tx][ty] > c) {
        f.man_mamori[tx][ty] = c;
        if (p.guard_sq) {
          f.man_mamori_x[tx][ty] = static_cast<Int>(sx);
          f.man_mamori_y[tx][ty] = static_cast<Int>(sy);
        }
      }
    } else if (t >= F::com_hu) {
      if (p.attack) {
        f.man_kougeki_kazu[tx][ty]++;
        if (f.man_kougeki[tx][ty] < c) {
          f.man_kougeki[tx][ty] = c;
          if (p.attack_sq) {
            f.man_kougeki_x[tx][ty] = static_cast<Int>(sx);
            f.man_kougeki_y[tx][ty] = static_cast<Int>(sy);
          }
        }
      }
    }
  } else {
    f.seiryoku_com[tx][ty]++;
    if (t >= F::com_hu) {
      if (p.guard && f.com_mamori[tx][ty] > c) {
        f.com_mamori[tx][ty] = c;
        if (p.guard_sq) {
          f.com_mamori_x[tx][ty] = static_cast<Int>(sx);
          f.com_mamori_y[tx][ty] = static_cast<Int>(sy);
        }
      }
    } else if (t <= F::man_hu) {
      if (p.attack && f.com_kougeki[tx][ty] > c) {
        f.com_kougeki[tx][ty] = c;
        if (p.attack_sq) {
          f.com_kougeki_x[tx][ty] = static_cast<Int>(sx);
          f.com_kougeki_y[tx][ty] = static_cast<Int>(sy);
        }
      }
    }
  }
}

void model_step(F& f, Int c, int sx, int sy, int tx, int ty, const Parts& p) {
  if (!on_board(tx, ty)) return;
  model_mark(f, c, sx, sy, tx, ty, p);
  const Int enemy_king = c < 0 ? F::com_ou : F::man_ou;
  if (p.check && f.ban[tx][ty] == enemy_king) {
    Int(&oute)[10][10] = c < 0 ? f.oute_com : f.oute_man;
    oute[sx][sy] = 9;
    if (p.knight) oute[tx][ty] = 9;
  }
}

void model_ray(F& f, Int c, int sx, int sy, int dx, int dy, const Parts& p) {
  const Int enemy_king = c < 0 ? F::com_ou : F::man_ou;
  for (int d = 1;; ++d) {
    const int tx = sx + d * dx, ty = sy + d * dy;
    if (!on_board(tx, ty)) return;
    model_mark(f, c, sx, sy, tx, ty, p);
    const Int t = f.ban[tx][ty];
    if (t == enemy_king) {
      Int(&oute)[10][10] = c < 0 ? f.oute_com : f.oute_man;
      for (int k = 1; k <= d - 1; ++k) oute[sx + k * dx][sy + k * dy] = 1;
      oute[sx][sy] = 9;
      continue;
    }
    if (t != F::kara) return;
  }
}

void model_straight(F& f, Int c, int x, int y) {
  model_ray(f, c, x, y, 0, -1, c < 0 ? kLowerFullUp : kUpperFull);
  model_ray(f, c, x, y, 0, 1, c < 0 ? kLowerFull : kUpperFull);
  model_ray(f, c, x, y, 1, 0, c < 0 ? kLowerFull : kUpperFull);
  model_ray(f, c, x, y, -1, 0, c < 0 ? kLowerFull : kUpperFull);
}

void model_diagonals(F& f, Int recorded, int x, int y, const Parts& p) {
  model_ray(f, recorded, x, y, -1, -1, p);
  model_ray(f, recorded, x, y, 1, -1, p);
  model_ray(f, recorded, x, y, -1, 1, p);
  model_ray(f, recorded, x, y, 1, 1, p);
}

void model_influence(F& f) {
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      f.seiryoku_man[x][y] = 0;
      f.seiryoku_com[x][y] = 0;
      f.man_mamori[x][y] = 999;
      f.com_mamori[x][y] = 999;
      f.man_kougeki[x][y] = -999;
      f.man_kougeki_x[x][y] = 0;
      f.man_kougeki_y[x][y] = 0;
      f.man_kougeki_kazu[x][y] = 0;
      f.com_kougeki[x][y] = 999;
      f.oute_com[x][y] = 0;
      f.oute_man[x][y] = 0;
    }
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      const Int c = f.ban[x][y];
      if (c >= F::com_hu && f.huu_com[x][y] == F::ari) continue;
      if (c <= F::man_hu && f.huu_man[x][y] == F::ari) continue;
      const Parts up_count_check{false, false, false, false, true, false};
      const Parts com_gold{true, false, false, false, true, false};
      const Parts com_step{true, true, false, false, true, false};
      const Parts king_lower{true, false, true, true, false, false};
      const Parts king_upper{true, false, false, false, false, false};
      Parts knight_lower = kLowerFull;
      knight_lower.knight = true;
      Parts knight_upper = com_step;
      knight_upper.knight = true;
      switch (c) {
        case F::man_hu:
          model_step(f, c, x, y, x, y - 1, kLowerFull);
          break;
        case F::man_kyou:
          model_ray(f, c, x, y, 0, -1, kLowerFullUp);
          break;
        case F::man_kei:
          model_step(f, c, x, y, x - 1, y - 2, knight_lower);
          model_step(f, c, x, y, x + 1, y - 2, knight_lower);
          break;
        case F::man_gin:
          for (int dx = -1; dx <= 1; ++dx) model_step(f, c, x, y, x + dx, y - 1, kLowerFull);
          model_step(f, c, x, y, x - 1, y + 1, kLowerFull);
          model_step(f, c, x, y, x + 1, y + 1, kLowerFull);
          break;
        case F::man_hu_nari:
        case F::man_kyou_nari:
        case F::man_kei_nari:
        case F::man_gin_nari:
        case F::man_kin:
          for (int dx = -1; dx <= 1; ++dx) model_step(f, c, x, y, x + dx, y - 1, kLowerFull);
          model_step(f, c, x, y, x - 1, y, kLowerFull);
          model_step(f, c, x, y, x + 1, y, kLowerFull);
          model_step(f, c, x, y, x, y + 1, kLowerFull);
          break;
        case F::man_kaku:
          model_diagonals(f, F::man_kaku, x, y, kLowerFull);
          break;
        case F::man_kaku_nari:
          model_step(f, F::man_kaku_nari, x, y, x, y - 1, kLowerFull);
          model_step(f, F::man_kaku_nari, x, y, x, y + 1, kLowerFull);
          model_step(f, F::man_kaku_nari, x, y, x - 1, y, kLowerFull);
          model_step(f, F::man_kaku_nari, x, y, x + 1, y, kLowerFull);
          model_diagonals(f, F::man_kaku, x, y, kLowerFull);
          break;
        case F::man_sya:
          model_straight(f, c, x, y);
          break;
        case F::man_sya_nari:
          for (int dx : {-1, 1})
            for (int dy : {-1, 1}) model_step(f, F::man_sya_nari, x, y, x + dx, y + dy, kLowerFull);
          model_straight(f, c, x, y);
          break;
        case F::man_ou:
          f.man_ou_x = static_cast<Int>(x);
          f.man_ou_y = static_cast<Int>(y);
          for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
              if (dx || dy) model_step(f, c, x, y, x + dx, y + dy, king_lower);
          break;
        case F::com_hu:
          model_step(f, c, x, y, x, y + 1, Parts{true, false, true, false, true, false});
          break;
        case F::com_kyou:
          model_ray(f, c, x, y, 0, 1, kUpperFull);
          break;
        case F::com_kei:
          model_step(f, c, x, y, x - 1, y + 2, knight_upper);
          model_step(f, c, x, y, x + 1, y + 2, knight_upper);
          break;
        case F::com_gin:
          for (int dx = -1; dx <= 1; ++dx) model_step(f, c, x, y, x + dx, y + 1, com_step);
          model_step(f, c, x, y, x - 1, y - 1, com_step);
          model_step(f, c, x, y, x + 1, y - 1, com_step);
          break;
        case F::com_hu_nari:
        case F::com_kyou_nari:
        case F::com_kei_nari:
        case F::com_gin_nari:
        case F::com_kin:
          for (int dx = -1; dx <= 1; ++dx) model_step(f, F::com_kin, x, y, x + dx, y + 1, com_gold);
          model_step(f, F::com_kin, x, y, x - 1, y, com_gold);
          model_step(f, F::com_kin, x, y, x + 1, y, com_gold);
          model_step(f, F::com_kin, x, y, x, y - 1, com_gold);
          break;
        case F::com_kaku:
          model_diagonals(f, c, x, y, kUpperFull);
          break;
        case F::com_kaku_nari:
          model_step(f, c, x, y, x, y - 1, up_count_check);
          model_step(f, c, x, y, x, y + 1, up_count_check);
          model_step(f, c, x, y, x - 1, y, up_count_check);
          model_step(f, c, x, y, x + 1, y, up_count_check);
          model_diagonals(f, c, x, y, kUpperFull);
          break;
        case F::com_sya:
          model_straight(f, c, x, y);
          break;
        case F::com_sya_nari:
          for (int dx : {-1, 1})
            for (int dy : {-1, 1}) model_step(f, c, x, y, x + dx, y + dy, kUpperFull);
          model_straight(f, c, x, y);
          break;
        case F::com_ou:
          f.com_ou_x = static_cast<Int>(x);
          f.com_ou_y = static_cast<Int>(y);
          for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
              if (dx || dy) model_step(f, c, x, y, x + dx, y + dy, king_upper);
          break;
        default:
          break;
      }
    }
}

// Upper pieces that may take the lower king at once.
bool model_upper_takes_king(F& f) {
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (f.ban[x][y] >= F::com_hu &&
          f.移動チェック(x, y, f.man_ou_x, f.man_ou_y, f.ban[x][y]) == F::ari)
        return true;
  return false;
}

// Both mate tests, `lower` choosing the king.
Int model_mated(F& f, bool lower) {
  const Int kx = lower ? f.man_ou_x : f.com_ou_x;
  const Int ky = lower ? f.man_ou_y : f.com_ou_y;
  if (!on_board(kx, ky)) return F::nasi;
  auto enemy_reach = [&](int x, int y) -> Int {
    return lower ? f.seiryoku_com[x][y] : f.seiryoku_man[x][y];
  };
  auto oute = [&](int x, int y) -> Int { return lower ? f.oute_man[x][y] : f.oute_com[x][y]; };
  if (enemy_reach(kx, ky) == 0) return F::nasi;

  // Drops.
  const Int hand_total = lower ? f.mochi_man_kei : f.mochi_com_kei;
  const Int hand_pawns = lower ? f.mochi_man[1] : f.mochi_com[1];
  if (hand_total > 0) {
    bool ended = false;
    for (int x = 1; x <= 9 && !ended; ++x)
      for (int y = 1; y <= 9 && !ended; ++y) {
        if (oute(x, y) == 9 && std::abs(x - kx) <= 1 && std::abs(y - ky) <= 1) {
          ended = true;
        } else if (oute(x, y) == 1) {
          const Int before = f.ban[x][y];
          f.ban[x][y] = lower ? F::man_hu : F::com_hu;
          if (hand_total == hand_pawns) f.ban[x][y] = before;
          bool reached = false;
          for (int x2 = 1; x2 <= 9; ++x2)
            for (int y2 = 1; y2 <= 9; ++y2)
              if (oute(x2, y2) == 9 && f.移動チェック(x2, y2, kx, ky, f.ban[x2][y2]) == F::ari)
                reached = true;
          f.ban[x][y] = before;
          if (reached) ended = true;
        }
      }
    if (!ended) return F::nasi;
  }

  // Escapes.
  for (int x = kx - 1; x <= kx + 1; ++x)
    for (int y = ky - 1; y <= ky + 1; ++y)
      if (on_board(x, y) && f.移動チェック(kx, ky, x, y, lower ? F::man_ou : F::com_ou) == F::ari &&
          enemy_reach(x, y) == 0)
        return F::nasi;

  // Board moves onto the check lines.
  for (int sx = 1; sx <= 9; ++sx)
    for (int sy = 1; sy <= 9; ++sy) {
      const Int code = f.ban[sx][sy];
      const bool mine = lower ? (code >= F::man_sya_nari && code <= F::man_hu)
                              : (code >= F::com_hu && code <= F::com_sya_nari);
      if (!mine) continue;
      for (int tx = 1; tx <= 9; ++tx)
        for (int ty = 1; ty <= 9; ++ty) {
          if (tx == sx && ty == sy) continue;
          if (!(oute(tx, ty) > 0)) continue;
          if (f.移動チェック(sx, sy, tx, ty, code) != F::ari) continue;
          const Int saved = f.ban[tx][ty];
          f.ban[tx][ty] = code;
          f.ban[sx][sy] = F::kara;
          bool parried;
          if (lower) {
            parried = !model_upper_takes_king(f);
            f.ban[tx][ty] = saved;
            f.ban[sx][sy] = code;
          } else {
            model_influence(f);
            f.ban[tx][ty] = saved;
            f.ban[sx][sy] = code;
            parried = f.seiryoku_man[kx][ky] == 0;
          }
          if (parried) return F::nasi;
        }
    }
  return F::ari;
}

// ---- Move legality --------------------------------------------------------------------------

Int model_rook(const F& f, int fx, int fy, int tx, int ty) {
  const int dx = tx - fx, dy = ty - fy;
  if (dx != 0 && dy != 0) return F::nasi;
  if (dy != 0) {
    const int s = ty > fy ? 1 : -1;
    for (int y = fy + s; y != ty; y += s)
      if (f.ban[fx][y] != F::kara) return F::nasi;
  }
  if (dx != 0) {
    const int s = tx > fx ? 1 : -1;
    for (int x = fx + s; x != tx; x += s)
      if (f.ban[x][fy] != F::kara) return F::nasi;
  }
  return F::ari;
}

Int model_bishop(const F& f, int fx, int fy, int tx, int ty) {
  const int dx = tx - fx, dy = ty - fy;
  if (dx != dy && dx != -dy) return F::nasi;
  if (dx == 0) return F::ari;  // nothing lies before the destination
  const int sx = dx > 0 ? 1 : -1, sy = dy > 0 ? 1 : -1;
  for (int k = 1; fx + k * sx != tx; ++k)
    if (f.ban[fx + k * sx][fy + k * sy] != F::kara) return F::nasi;
  return F::ari;
}

Int model_move_check(const F& f, int fx, int fy, int tx, int ty, Int piece) {
  const bool upper = piece >= F::com_hu, lower = piece <= F::man_hu;
  const bool drop = fx == -1 || fx == 11;
  if (upper) {
    if (fx == -1 ? f.huu_mochi_com[8 - fy] == F::ari : f.huu_com[fx][fy] == F::ari) return F::nasi;
  }
  if (lower) {
    if (fx == 11 ? f.huu_mochi_man[fy - 2] == F::ari : f.huu_man[fx][fy] == F::ari) return F::nasi;
  }
  if (tx < 1 || tx > 9 || ty < 1 || ty > 9) return F::nasi;
  if (tx == fx && ty == fy) return F::nasi;
  if (upper && f.ban[tx][ty] >= F::com_hu) return F::nasi;
  if (lower && f.ban[tx][ty] <= F::man_hu) return F::nasi;
  if (drop) {
    if (f.ban[tx][ty] != F::kara) return F::nasi;
    if (piece == F::man_hu && f.nihu_man[tx] == F::ari) return F::nasi;
    if (piece == F::com_hu && f.nihu_com[tx] == F::ari) return F::nasi;
    switch (piece) {
      case F::com_hu:
      case F::com_kyou:
        return ty != 9 ? F::ari : F::nasi;
      case F::com_kei:
        return ty <= 7 ? F::ari : F::nasi;
      case F::man_hu:
      case F::man_kyou:
        return ty != 1 ? F::ari : F::nasi;
      case F::man_kei:
        return ty >= 3 ? F::ari : F::nasi;
      default:
        return F::ari;
    }
  }
  const int dx = tx - fx, dy = ty - fy, adx = std::abs(dx), ady = std::abs(dy);
  auto yn = [](bool b) { return b ? F::ari : F::nasi; };
  auto empty_file = [&](int y0, int y1) {  // every (tx, Y) for y0 < Y < y1
    for (int y = y0 + 1; y < y1; ++y)
      if (f.ban[tx][y] != F::kara) return false;
    return true;
  };
  switch (piece) {
    case F::com_hu:
      return yn(dx == 0 && dy == 1);
    case F::com_kyou:
      return yn(dx == 0 && dy > 0 && empty_file(fy, ty));
    case F::com_kei:
      return yn(dy == 2 && adx == 1);
    case F::com_gin:
      return yn((adx <= 1 && dy == 1) || (dy == -1 && adx == 1));
    case F::com_hu_nari:
    case F::com_kyou_nari:
    case F::com_kei_nari:
    case F::com_gin_nari:
    case F::com_kin:
      return yn((adx <= 1 && (dy == 0 || dy == 1)) || (dx == 0 && dy == -1));
    case F::man_hu:
      return yn(dx == 0 && dy == -1);
    case F::man_kyou:
      return yn(dx == 0 && dy < 0 && empty_file(ty, fy));
    case F::man_kei:
      return yn(dy == -2 && adx == 1);
    case F::man_gin:
      return yn((adx <= 1 && dy == -1) || (dy == 1 && adx == 1));
    case F::man_hu_nari:
    case F::man_kyou_nari:
    case F::man_kei_nari:
    case F::man_gin_nari:
    case F::man_kin:
      return yn((adx <= 1 && (dy == 0 || dy == -1)) || (dx == 0 && dy == 1));
    case F::com_kaku:
    case F::man_kaku:
      return model_bishop(f, fx, fy, tx, ty);
    case F::com_kaku_nari:
    case F::man_kaku_nari:
      return adx <= 1 && ady <= 1 ? F::ari : model_bishop(f, fx, fy, tx, ty);
    case F::com_sya:
    case F::man_sya:
      return model_rook(f, fx, fy, tx, ty);
    case F::com_sya_nari:
    case F::man_sya_nari:
      return adx <= 1 && ady <= 1 ? F::ari : model_rook(f, fx, fy, tx, ty);
    case F::com_ou:
    case F::man_ou:
      return yn(adx <= 1 && ady <= 1);
    default:
      return F::nasi;
  }
}

// Everything the rules read or write, byte for byte.
void expect_same(const F& a, const F& b) {
#define SAME(field) EXPECT_EQ(std::memcmp(&a.field, &b.field, sizeof a.field), 0) << #field
  SAME(ban);
  SAME(mochi_man);
  SAME(mochi_com);
  SAME(seiryoku_man);
  SAME(seiryoku_com);
  SAME(man_mamori);
  SAME(man_mamori_x);
  SAME(man_mamori_y);
  SAME(com_mamori);
  SAME(com_mamori_x);
  SAME(com_mamori_y);
  SAME(man_kougeki);
  SAME(man_kougeki_x);
  SAME(man_kougeki_y);
  SAME(man_kougeki_kazu);
  SAME(com_kougeki);
  SAME(com_kougeki_x);
  SAME(com_kougeki_y);
  SAME(oute_com);
  SAME(oute_man);
  SAME(man_ou_x);
  SAME(man_ou_y);
  SAME(com_ou_x);
  SAME(com_ou_y);
#undef SAME
}

// One random position set up identically in both games.
void random_position(std::mt19937& rng, F& a, F& b) {
  const unsigned seed = rng();
  static const Int kinds[] = {F::com_hu,      F::com_hu_nari,  F::com_kyou,      F::com_kyou_nari,
                              F::com_kei,     F::com_kei_nari, F::com_gin,       F::com_gin_nari,
                              F::com_kin,     F::com_kaku,     F::com_kaku_nari, F::com_sya,
                              F::com_sya_nari};
  for (F* f : {&a, &b}) {
    std::mt19937 local(seed);  // the same draws for both games
    auto p = [&](int n) { return static_cast<int>(local() % static_cast<unsigned>(n)); };
    for (int x = 0; x <= 9; ++x)
      for (int y = 0; y <= 9; ++y) {
        f->ban[x][y] = F::kara;
        f->huu_man[x][y] = f->huu_com[x][y] = F::nasi;
        // Earlier runs leave the square arrays behind.
        f->man_mamori_x[x][y] = static_cast<Int>(p(10));
        f->man_mamori_y[x][y] = static_cast<Int>(p(10));
        f->com_mamori_x[x][y] = static_cast<Int>(p(10));
        f->com_mamori_y[x][y] = static_cast<Int>(p(10));
        f->com_kougeki_x[x][y] = static_cast<Int>(p(10));
        f->com_kougeki_y[x][y] = static_cast<Int>(p(10));
      }
    for (int k = 0; k <= 7; ++k) {
      f->mochi_man[k] = f->mochi_com[k] = 0;
      f->huu_mochi_man[k] = f->huu_mochi_com[k] = F::nasi;
    }
    f->mochi_man_kei = f->mochi_com_kei = 0;
    f->man_ou_x = static_cast<Int>(1 + p(9));
    f->man_ou_y = static_cast<Int>(1 + p(9));
    f->com_ou_x = static_cast<Int>(1 + p(9));
    f->com_ou_y = static_cast<Int>(1 + p(9));
    const int mx = 1 + p(9), my = 1 + p(9), cx = 1 + p(9), cy = 1 + p(9);
    if (p(20)) f->ban[mx][my] = F::man_ou;
    if (p(20)) f->ban[cx][cy] = F::com_ou;
    const int count = 4 + p(30);
    for (int i = 0; i < count; ++i) {
      int x = 1 + p(9), y = 1 + p(9);
      if (p(2)) {  // crowd round a king
        const bool near_lower = p(2);
        x = (near_lower ? mx : cx) + p(5) - 2;
        y = (near_lower ? my : cy) + p(5) - 2;
      }
      if (!on_board(x, y) || f->ban[x][y] != F::kara) continue;
      const Int code = kinds[p(13)];
      f->ban[x][y] = p(2) ? code : static_cast<Int>(-code);
    }
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) {
        if (p(10) == 0) f->huu_man[x][y] = F::ari;  // flags stay on squares, whoever stands there
        if (p(10) == 0) f->huu_com[x][y] = F::ari;
      }
    for (int k = 1; k <= 7; ++k) {
      if (p(3) == 0) f->mochi_man[k] = static_cast<Int>(p(3));
      if (p(3) == 0) f->mochi_com[k] = static_cast<Int>(p(3));
      f->mochi_man_kei = static_cast<Int>(f->mochi_man_kei + f->mochi_man[k]);
      f->mochi_com_kei = static_cast<Int>(f->mochi_com_kei + f->mochi_com[k]);
    }
    f->調査_2歩フラグ設定();
  }
}

TEST(RulesReference, InfluenceMatchesTheModel) {
  std::mt19937 rng(7321);
  Game ga, gb;
  for (int n = 0; n < 2000; ++n) {
    random_position(rng, *ga, *gb);
    SCOPED_TRACE(testing::Message() << "position " << n);
    ga->勢力調査();
    model_influence(*gb);
    expect_same(*ga, *gb);
    if (HasFailure()) return;
  }
}

TEST(RulesReference, MateTestsMatchTheModel) {
  std::mt19937 rng(99173);
  Game ga, gb;
  int checked = 0, mated = 0;
  for (int n = 0; n < 3000; ++n) {
    random_position(rng, *ga, *gb);
    SCOPED_TRACE(testing::Message() << "position " << n);
    ga->勢力調査();
    model_influence(*gb);
    const bool upper_first = n % 2 == 0;
    for (int round = 0; round < 2; ++round) {
      const bool lower = (round == 0) != upper_first;  // the second test reads the maps left
      const Int a = lower ? ga->詰めかMAN() : ga->詰めかCOM();
      const Int b = model_mated(*gb, lower);
      EXPECT_EQ(a, b) << (lower ? "lower" : "upper");
      checked += (lower ? gb->seiryoku_com[gb->man_ou_x][gb->man_ou_y]
                        : gb->seiryoku_man[gb->com_ou_x][gb->com_ou_y]) > 0;
      mated += b == F::ari;
      expect_same(*ga, *gb);
      EXPECT_EQ(ga->詰めかMAN_COM移動(), model_upper_takes_king(*gb) ? F::ari : F::nasi);
    }
    if (HasFailure()) return;
  }
  EXPECT_GT(checked, 1000);
  EXPECT_GT(mated, 100);
}

TEST(RulesReference, MoveCheckMatchesTheModel) {
  std::mt19937 rng(4411);
  auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  static const Int kinds[] = {F::kara,          F::com_hu,  F::com_hu_nari,  F::com_kyou,
                              F::com_kyou_nari, F::com_kei, F::com_kei_nari, F::com_gin,
                              F::com_gin_nari,  F::com_kin, F::com_kin_nari, F::com_kaku,
                              F::com_kaku_nari, F::com_sya, F::com_sya_nari, F::com_ou};
  Game ga, gb;
  long asked = 0, allowed = 0;
  for (int n = 0; n < 300; ++n) {
    random_position(rng, *ga, *gb);
    F& f = *ga;
    for (int k = 1; k <= 7; ++k) {
      if (pick(6) == 0) f.huu_mochi_man[k] = F::ari;
      if (pick(6) == 0) f.huu_mochi_com[k] = F::ari;
    }
    for (int i = 0; i < 400; ++i) {
      const Int kind = kinds[pick(16)];
      const Int piece = pick(2) ? kind : static_cast<Int>(-kind);
      int fx, fy;
      switch (pick(4)) {
        case 0:  // the hand of the piece's own side
          if (piece <= F::man_hu) {
            fx = 11, fy = 2 + pick(8);
          } else {
            fx = -1, fy = 1 + pick(8);
          }
          break;
        default:
          fx = 1 + pick(9), fy = 1 + pick(9);
          break;
      }
      const int tx = pick(13) - 1, ty = pick(13) - 1;
      const Int want = model_move_check(f, fx, fy, tx, ty, piece);
      ASSERT_EQ(f.移動チェック(static_cast<Int>(fx), static_cast<Int>(fy), static_cast<Int>(tx),
                               static_cast<Int>(ty), piece),
                want)
          << "position " << n << ": " << piece << " " << fx << "," << fy << " -> " << tx << ","
          << ty;
      ++asked;
      allowed += want == F::ari;
      if (fx >= 1 && fx <= 9 && tx >= 1 && tx <= 9 && ty >= 1 && ty <= 9) {
        ASSERT_EQ(f.移動チェック飛車(static_cast<Int>(fx), static_cast<Int>(fy),
                                     static_cast<Int>(tx), static_cast<Int>(ty)),
                  model_rook(f, fx, fy, tx, ty));
        ASSERT_EQ(f.移動チェック角(static_cast<Int>(fx), static_cast<Int>(fy), static_cast<Int>(tx),
                                   static_cast<Int>(ty)),
                  model_bishop(f, fx, fy, tx, ty));
      }
    }
  }
  EXPECT_GT(allowed, asked / 20);
}

}  // namespace

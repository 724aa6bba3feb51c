// The computer's move: every legal board move and drop of the upper side is played on the
// live board, the influence maps are rebuilt and the position is scored; the best one wins.
#include <algorithm>
#include <cstdlib>

#include "com/ComTerms.h"

namespace {

using namespace com;

constexpr double kNoScore = -99999;
constexpr double kMateScore = 9998;  // a drop this good ends the drop loop

// Line pieces that can pin a piece to the opposing king.
constexpr Int kUpperPinners[] = {F::com_kyou, F::com_kaku, F::com_kaku_nari, F::com_sya,
                                 F::com_sya_nari};
constexpr Int kLowerPinners[] = {F::man_kyou, F::man_kaku, F::man_kaku_nari, F::man_sya,
                                 F::man_sya_nari};

template <size_t N>
bool is_one_of(Int code, const Int (&codes)[N]) {
  return std::find(std::begin(codes), std::end(codes), code) != std::end(codes);
}

// The squares of one side's line pieces, in board order.
struct Pinners {
  int n = 0;
  Sq at[F::ban_max * F::ban_max];
};
template <size_t N>
Pinners find_pinners(const F& f, const Int (&codes)[N]) {
  Pinners p;
  for (Int x = 1; x <= F::ban_max; ++x)
    for (Int y = 1; y <= F::ban_max; ++y)
      if (is_one_of(f.ban[x][y], codes)) p.at[p.n++] = {x, y};
  return p;
}

// With the piece on (lx, ly) lifted, some line piece reaches the king square (kx, ky).
bool line_reaches_king(F& f, const Pinners& p, Int lx, Int ly, Int kx, Int ky) {
  for (int i = 0; i < p.n; ++i) {
    const Sq s = p.at[i];
    if ((s.x != lx || s.y != ly) && f.移動チェック(s.x, s.y, kx, ky, f.ban[s.x][s.y]) == F::ari)
      return true;
  }
  return false;
}

}  // namespace

void Form1::調査_COM打ち座標(Int& O_移動元X, Int& O_移動元Y, Int& O_移動先X, Int& O_移動先Y,
                             Int& O_元駒, Int& O_先駒) {
  if (level == 探索_レベル) {
    調査_探索COM打ち座標(O_移動元X, O_移動元Y, O_移動先X, O_移動先Y, O_元駒, O_先駒);
    return;
  }
  for (Int x = 1; x <= ban_max; ++x)
    for (Int y = 1; y <= ban_max; ++y) {
      ban_hozon[x][y] = ban[x][y];
      man_nigemiti[x][y] = 0;
    }
  調査_2歩フラグ設定();
  man_nigemiti_mae = 調査_自王逃道();
  勢力調査();
  調査_持角狙座標();
  調査_移動不可駒();
  mochi_com_kei_mae = mochi_com_kei;
  copy_board(seiryoku_man_mae, seiryoku_man);
  copy_board(seiryoku_com_mae, seiryoku_com);
  copy_board(com_kougeki_x_mae, com_kougeki_x);
  copy_board(com_kougeki_y_mae, com_kougeki_y);
  win.Refresh();
  double best = kNoScore;
  // Only a strictly higher score replaces the best, so the first of equals stays.
  auto improves = [&](double score, Int x, Int y, Int x2, Int y2, Int after) {
    if (score <= best) return false;
    best = score;
    O_移動元X = x;
    O_移動元Y = y;
    O_移動先X = x2;
    O_移動先Y = y2;
    O_先駒 = after;
    return true;
  };

  for (Int X = 1; X <= ban_max; ++X) {
    Timer1_Timer();
    for (Int Y = 1; Y <= ban_max; ++Y) {
      if (ban[X][Y] < com_hu) continue;
      const Reach& reachable = reach(*this, ban[X][Y], X, Y);
      for (int i = 0; i < reachable.n; ++i) {
        const Int X2 = reachable.to[i].x, Y2 = reachable.to[i].y;
        if (移動チェック(X, Y, X2, Y2, ban[X][Y]) != ari) continue;
        idou_koma = ban[X][Y];
        man_ou_kyori = static_cast<Int>(std::max(std::abs(man_ou_x - X), std::abs(man_ou_y - Y)));
        const Int target = ban[X2][Y2];

        double score;
        Int after = idou_koma;
        const TrialMove trial(*this, X, Y, X2, Y2, idou_koma);
        if (調査_駒成(X, Y, X2, Y2, idou_koma) == nasi) {
          勢力調査();
          score = 盤評価(target, idou_koma, X, Y, X2, Y2);
        } else if (移動後チェック(Y2, idou_koma) == nasi) {
          ban[X2][Y2] = nari_koma;
          勢力調査();
          score = 盤評価(target, nari_koma, X, Y, X2, Y2);
          after = nari_koma;
        } else {
          勢力調査();
          const double plain = 盤評価(target, idou_koma, X, Y, X2, Y2);
          ban[X2][Y2] = nari_koma;
          勢力調査();
          const double promoted = 盤評価(target, nari_koma, X, Y, X2, Y2);
          score = std::max(plain, promoted);
          if (promoted > plain || always_promotes(idou_koma)) after = nari_koma;
        }
        if (improves(score, X, Y, X2, Y2, after)) {
          O_元駒 = idou_koma;  // a drop leaves it as the last board move set it
          if (target == man_ou) return;
        }
      }
    }
  }

  if (mochi_com_kei_mae <= 0) return;
  for (Int k = 1; k <= mochi_max; ++k) {
    Timer1_Timer();
    if (mochi_com[k] <= 0) continue;
    idou_koma = board::kHandCodes[k];
    for (Int X2 = 1; X2 <= ban_max; ++X2) {
      for (Int Y2 = 1; Y2 <= ban_max; ++Y2) {
        if (ban[X2][Y2] != kara ||
            移動チェック(mochi_com_x, board::com_hand_row(k), X2, Y2, idou_koma) != ari)
          continue;
        const TrialSquare drop(ban[X2][Y2], idou_koma);
        勢力調査();
        const double score = 盤評価(kara, idou_koma, mochi_com_x, k, X2, Y2);
        if (improves(score, mochi_com_x, k, X2, Y2, idou_koma) && best >= kMateScore) return;
      }
    }
  }
}

void Form1::調査_移動不可駒() {
  kugi_com_umu = nasi;
  const Pinners upper = find_pinners(*this, kUpperPinners);
  const Pinners lower = find_pinners(*this, kLowerPinners);
  for (Int X = 1; X <= ban_max; ++X) {
    for (Int Y = 1; Y <= ban_max; ++Y) {
      kugi_man[X][Y] = 0;
      const Int piece = ban[X][Y];
      if (piece == kara) continue;
      const TrialSquare lifted(ban[X][Y], kara);
      if (piece <= man_hu) {
        if (line_reaches_king(*this, upper, X, Y, man_ou_x, man_ou_y)) kugi_man[X][Y] = 1;
      } else if (piece >= com_hu) {
        if (line_reaches_king(*this, lower, X, Y, com_ou_x, com_ou_y)) kugi_com_umu = ari;
      }
    }
  }
}

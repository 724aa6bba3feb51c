// 盤評価: the score of one candidate of the computer, its terms added in a fixed order, and
// the small scans those terms use. A term of several parts ("-c + a") is worked out whole and
// then added: doubles summed in another order may differ in the last bit, and break a tie.
#include "com/ComTerms.h"

namespace {

using namespace com;

constexpr double kKingCapture = 9999;
constexpr double kMate = 9998;
constexpr double kOwnKingAttacked = -8998;
constexpr double kKingOnlyAttacker = 100;
constexpr double kDragonBesideKing = 900;
constexpr double kSafeCheck = 10;
constexpr double kDrop = -5;
constexpr double kPromotion = 10;
constexpr double kApproachAcross = 1, kApproachAlong = 0.1;
constexpr double kEdgeLance = -0.1;
constexpr double kPromotedMinorBonus = 50;
constexpr double kUnguardedDropLoss = 50;
constexpr int kNearKing = 3;  // "near" for the escape-square term: within two squares
constexpr Int kDragonGuardCover = 2;
constexpr Int kCheckCover = 2;
constexpr Int kEdgeFileLeft = 1, kEdgeFileRight = F::ban_max;
constexpr int kLevelNoCaptureValue = 1, kLevelNoPieceTerms = 2;
constexpr Int kKeiRow = 5, kKyouRow = 6;  // a pawn past these rows looks for forks and skewers

bool rook_or_dragon(Int code) {
  return code == F::man_sya || code == F::man_sya_nari;
}

}  // namespace

double Form1::盤評価(Int target, Int PC, Int X, Int Y, Int X2, Int Y2) {
  if (target == man_ou) return kKingCapture;
  double score = 0;
  if (seiryoku_man[com_ou_x][com_ou_y] >= 1) score = kOwnKingAttacked;

  const Int kx = man_ou_x, ky = man_ou_y;
  const Int manD = seiryoku_man[X2][Y2], comD = seiryoku_com[X2][Y2];
  const bool check = seiryoku_com[kx][ky] > 0;
  if (check) {
    if (詰めかMAN() == ari) return PC == com_hu ? -kMate : kMate;  // no mate by a pawn
    if (man_kougeki[X2][Y2] == man_ou && comD > 0) score += kKingOnlyAttacker;
    if (manD <= kDragonGuardCover && com_mamori[X2][Y2] == com_sya_nari && X2 != kx && Y2 != ky &&
        next_to(X2, Y2, kx, ky) && (com_mamori_x[X2][Y2] == kx || com_mamori_y[X2][Y2] == ky))
      score += kDragonBesideKing;
    if (manD == 0) score += kSafeCheck;
  }

  const bool drop = X < 0;
  if (drop) {
    score += kDrop;
  } else if (PC > idou_koma) {
    score += kPromotion;
  }

  score += 盤評価_COM危険座標(PC, X2, Y2);

  const int dX = std::abs(X2 - kx), dY = std::abs(Y2 - ky);
  if (dX > dY) {
    if (dX < man_ou_kyori) score += kApproachAcross;
  } else if (dY < man_ou_kyori) {
    score += kApproachAlong;
  }

  // The cheapest attacker of the moved piece is pinned: the piece may take it back.
  const Int ax = man_kougeki_x[X2][Y2], ay = man_kougeki_y[X2][Y2];
  const bool few_attackers = manD == 1 || (manD == kCheckCover && check && comD > 0);
  const bool off_line = (ax == kx && X2 != kx) || (ay == ky && Y2 != ky) ||
                        (ax != kx && ay != ky && (X2 == kx || Y2 == ky));
  if (seiryoku_man[ax][ay] > 0 && kugi_man[ax][ay] == 1 && few_attackers && off_line &&
      移動チェック(X2, Y2, ax, ay, idou_koma) == ari) {
    if (drop || ban[com_kougeki_x_mae[ax][ay]][com_kougeki_y_mae[ax][ay]] != kara)
      score += value(ban[ax][ay]);
  }

  // Is the destination safe?
  if (manD == 0) {
    if (PC != com_hu && PC != com_kaku && PC != com_kaku_nari && PC != com_ou)
      score -= 盤評価_自角注意_COM(X2, Y2, PC);
    if ((dX < kNearKing && dY < kNearKing) || PC == com_kyou ||
        (PC >= com_kaku && PC <= com_sya_nari)) {
      const Int escapes = 調査_自王逃道();
      if (escapes < man_nigemiti_mae) score += man_nigemiti_mae - escapes;
    }
  } else if (comD > 0) {
    if ((mochi_man[kGin] > 0 || mochi_man[kKin] > 0) && X2 > 1 && X2 < ban_max) {
      const Int left = ban[X2 - 1][Y2], right = ban[X2 + 1][Y2];
      if ((rook_or_dragon(left) && right == com_ou) || (rook_or_dragon(right) && left == com_ou))
        score -= PC;
    }
    const Int attacker = man_kougeki[X2][Y2];
    if (value(attacker) < PC) score += value(attacker) - PC;
    if (attacker == man_ou && Y2 < ky) score += PC;
  } else if (drop) {
    score -= PC + kUnguardedDropLoss;
  }

  if (ban[X2][ban_max] == man_kyou && (X2 == kEdgeFileLeft || X2 == kEdgeFileRight) &&
      PC != com_kyou && PC != com_sya && PC != com_sya_nari && X != X2)
    score += kEdgeLance;

  if (target != kara) {
    if ((target == man_kaku || target == man_kaku_nari || target == man_sya ||
         target == man_sya_nari) &&
        PC <= com_kin)
      score += value(target);
    if (level == kLevelNoCaptureValue) return score;
    if (manD > 0) {
      if (comD > 0) {
        if (PC < value(man_kougeki[X2][Y2])) score += value(target);
      } else if (seiryoku_man_mae[X][Y] > 0 && 調査_移動可場所数(X, Y, PC) == 0) {
        score += value(target);
      }
    } else {
      score += value(target);
      if (target == man_hu_nari || target == man_kyou_nari || target == man_kei_nari)
        score += kPromotedMinorBonus;
    }
  }
  if (level == kLevelNoPieceTerms) return score;
  return 盤評価_駒別(score, target, PC, X, Y, X2, Y2);
}

Int Form1::調査_移動可場所数(Int X, Int Y, Int piece) {
  const auto& enemy = piece >= com_hu ? seiryoku_man : seiryoku_com;
  Int n = 0;
  if (!on_board(X, Y)) {  // from a hand: every square
    for (Int x = 1; x <= ban_max; ++x)
      for (Int y = 1; y <= ban_max; ++y)
        if (enemy[x][y] == 0 && 移動チェック(X, Y, x, y, piece) == ari) ++n;
    return n;
  }
  const Reach& r = reach(*this, piece, X, Y);
  for (int i = 0; i < r.n; ++i) {
    const Sq to = r.to[i];
    if (enemy[to.x][to.y] == 0 && 移動チェック(X, Y, to.x, to.y, piece) == ari) ++n;
  }
  return n;
}

Int Form1::調査_周辺状況(Int X, Int Y) {
  if (X > 1 && X < ban_max && Y > 1 && Y < ban_max) {  // all eight neighbours on the board
    const Int(*b)[10] = ban;
    return static_cast<Int>(-((b[X - 1][Y - 1] >= com_kaku) + (b[X - 1][Y] >= com_kaku) +
                              (b[X - 1][Y + 1] >= com_kaku) + (b[X][Y - 1] >= com_kaku) +
                              (b[X][Y + 1] >= com_kaku) + (b[X + 1][Y - 1] >= com_kaku) +
                              (b[X + 1][Y] >= com_kaku) + (b[X + 1][Y + 1] >= com_kaku)));
  }
  Int n = 0;
  for (Int x = X - 1; x <= X + 1; ++x)
    for (Int y = Y - 1; y <= Y + 1; ++y)
      if ((x != X || y != Y) && on_board(x, y) && ban[x][y] >= com_kaku) --n;
  return n;
}

Int Form1::調査_桂狙い(Int X, Int Y) {
  Int r = 0;
  if (!major_attacker(man_kougeki[X][Y]) || Y <= kKeiRow) return r;
  // A knight dropped two rows up and one across would fork the capturer and the piece
  // two files away.
  for (const int side : {-1, 1}) {
    const Int fx = X + side, far = X + 2 * side;
    if (!on_board(far, Y)) continue;
    if (ban[fx][Y - 2] == kara && seiryoku_man[fx][Y - 2] == 0 && ban[far][Y] <= man_kaku &&
        man_kougeki_x[X][Y] != far)
      r += value(ban[far][Y]);
  }
  return r;
}

Int Form1::調査_香狙い(Int X, Int Y) {
  Int r = 0;
  if (Y <= kKyouRow || seiryoku_com[X][Y - 1] == 0 || seiryoku_man[X][Y - 1] > 0 ||
      !major_attacker(man_kougeki[X][Y]))
    return r;
  for (Int y = Y + 1; y <= ban_max; ++y) {
    if (ban[X][y] == kara) continue;
    if (移動チェック(X, Y, X, y, com_kyou) == ari) r += value(ban[X][y]);
    break;
  }
  return r;
}

void Form1::調査_持角狙座標() {
  for (Int x = 1; x <= ban_max; ++x)
    for (Int y = 1; y <= ban_max; ++y)
      kaku_nerai_man[x][y] = ban[x][y] == kara && seiryoku_com[x][y] == 0 &&
                                     移動チェック(x, y, com_ou_x, com_ou_y, man_kaku) == ari
                                 ? 1
                                 : 0;
}

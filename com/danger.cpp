// Danger squares: what hangs after a candidate of the computer, the holes around its king and
// in its camp, the drops the lower hand threatens, and the forks the moved piece makes.
#include <algorithm>

#include "com/ComTerms.h"

namespace {

using namespace com;

constexpr Int kCampRows = 3;        // the upper side's camp: rows 1 to 3
constexpr Int kLanceFront = 20;     // a piece worth more than a lance
constexpr Int kKnightFront = 10;    // a piece worth more than a pawn
constexpr Int kKnightCover = 30;    // the upper side's cheapest attacker must outrank a knight
constexpr Int kLanceSkewerRow = 2;  // a lance needs two rows above it
constexpr Int kKnightForkRows = 2;  // a knight forks two rows up
constexpr Int kKnightFarRows = 4;   // a knight four rows below a valuable piece
constexpr Int kValuable = F::com_gin;
constexpr Int kNoFork = 9999;

// Empty squares.
constexpr double kKingNeighbourPerAttacker = 0.5;
constexpr double kKingNeighbourOutnumbered = 10, kKingNeighbourDrop = 10;
constexpr double kCampHole = 0.1, kCampHoleLineGuard = 10;
constexpr double kPawnPush = 30, kPawnPushLineGuard = 70;
constexpr double kLanceDrop = 100, kLanceDropShare = 2;
constexpr double kKnightDrop = 20;
constexpr double kCrowded = 5, kLoose = 1, kLooseCamp = 10;
constexpr double kKnightHome = 5, kSilverDropFork = 20;
// Upper pieces.
constexpr double kKingBack = 50, kKingBackOutnumbered = 250, kKingBackDrop = 700;
constexpr double kPawnBeforeRook = 5;
constexpr double kKingOnlyGuard = 100;
constexpr double kHangingCamp = 10, kTakenByPawnOrLance = 20;
// Lower pieces.
constexpr double kKnightUnderGuard = 1, kNearOwnKing = 15;
constexpr double kKnightSquare = 1, kOnKingFile = 1;
constexpr double kForkTouch = 0.1;

// What the lower side holds in hand, read once per evaluation.
struct LowerHand {
  bool any, lance, knight, silver, silver_or_gold;
  explicit LowerHand(const F& f)
      : any(f.mochi_man_kei > 0),
        lance(f.mochi_man[kKyou] > 0),
        knight(f.mochi_man[kKei] > 0),
        silver(f.mochi_man[kGin] > 0),
        silver_or_gold(f.mochi_man[kGin] > 0 || f.mochi_man[kKin] > 0) {}
};

// An empty square: holes the lower side reaches and drops its hand threatens.
void empty_square(F& f, const LowerHand& hand, Int X, Int Y, double& score) {
  const Int sm = f.seiryoku_man[X][Y], sc = f.seiryoku_com[X][Y];
  if (sm > 0) {
    if (next_to(X, Y, f.com_ou_x, f.com_ou_y)) {
      score -= kKingNeighbourPerAttacker * sm;
      if (sc == 1 && sm > 1) score -= kKingNeighbourOutnumbered;
      if (hand.silver_or_gold) score -= kKingNeighbourDrop;
    }
    if (sc == 0 && Y <= kCampRows) {
      score -= kCampHole;
      if (f.調査_自守駒MAN_直進駒(X, Y) == F::ari) score -= kCampHoleLineGuard;
    }
    if (Y <= kCampRows && f.ban[X][Y + 1] == F::man_hu && sm >= sc) {
      score -= kPawnPush;
      if (f.調査_自守駒MAN_直進駒(X, Y + 1) == F::ari) score -= kPawnPushLineGuard;
    }
  }
  if (!hand.any) return;

  if (hand.lance && Y > kLanceSkewerRow && f.ban[X][Y - 1] > kLanceFront && (sm > 0 || sc == 0)) {
    for (Int y = Y - 2; y >= 1; --y) {
      if (f.ban[X][y] == F::kara) continue;
      if (f.ban[X][y] > kLanceFront) score += -kLanceDrop - f.ban[X][y] / kLanceDropShare;
      break;
    }
  }
  if (hand.knight && (sc == 0 || (sm > 0 && f.com_kougeki[X][Y] > kKnightCover)) &&
      Y > kKnightForkRows && X >= 2 && X <= F::ban_max - 1 &&
      f.ban[X - 1][Y - kKnightForkRows] > kKnightFront &&
      f.ban[X + 1][Y - kKnightForkRows] > kKnightFront)
    score -= kKnightDrop;
  if (hand.silver_or_gold && sc <= 1) {
    const Int around = f.調査_周辺状況(X, Y);
    if (around < -1) score -= kCrowded;
    if (sc == 0 && around < 0) {
      score -= kLoose;
      if (Y <= kCampRows) score -= kLooseCamp;
    }
  }
  if (sc == 0) {
    if (Y == 2 && f.ban[X][1] == F::com_kei) score -= kKnightHome;
    if (Y <= kCampRows) score -= kCampHole;
    if (hand.silver && Y > 1 && Y < F::ban_max && X >= 2 && X <= F::ban_max - 1) {
      // A silver dropped here would fork the two pieces on either diagonal.
      for (const int d : {1, -1}) {
        const Int ax = X - 1, ay = Y - d, bx = X + 1, by = Y + d;
        if (f.ban[ax][ay] >= F::com_hu && f.ban[bx][by] >= F::com_hu &&
            f.seiryoku_com[ax][ay] == 0 && f.seiryoku_com[bx][by] == 0)
          score -= kSilverDropFork;
      }
    }
  }
}

// An upper piece: the king's back rank, a pawn before a rook, and pieces that hang.
void upper_piece(F& f, const LowerHand& hand, Int X, Int Y, Int c, double& score) {
  const Int sm = f.seiryoku_man[X][Y], sc = f.seiryoku_com[X][Y];
  if (c == F::com_ou && Y == 1 && f.seiryoku_man[X][2] > 0) {
    score -= kKingBack;
    if (f.seiryoku_man[X][2] >= f.seiryoku_com[X][2]) score -= kKingBackOutnumbered;
    if (hand.silver_or_gold) score -= kKingBackDrop;
  }
  if (c == F::com_hu && f.man_kougeki[X][Y] == F::man_sya && f.mochi_man[kHu] > 0 && sm >= sc &&
      Y < F::ban_max && f.seiryoku_com[X][Y + 1] == 1)
    score -= kPawnBeforeRook;
  if (sm <= 0) return;

  const Int ax = f.man_kougeki_x[X][Y], ay = f.man_kougeki_y[X][Y];
  const Int a = value(f.man_kougeki[X][Y]);
  const bool attacker_free = f.kugi_man[ax][ay] == 0;
  if (f.com_mamori[X][Y] == F::com_ou && (sm > 1 || c > a)) score -= kKingOnlyGuard;
  if (attacker_free && a < c) score += -c + a;
  if (sc > 0) {
    if (attacker_free) {
      if (sm > sc && f.com_mamori[X][Y] >= a) score -= c;
      if (Y <= kCampRows && sc == sm && f.ban[X][Y + 1] != F::kara &&
          f.調査_自守駒MAN_直進駒(X, Y + 1) == F::ari)
        score += -c - value(f.man_kougeki[X][Y + 1]);
    }
  } else {
    score -= c;
    if (Y <= kCampRows) score -= kHangingCamp;
    if (f.ban_hozon[X][Y] <= F::man_hu) score += value(f.ban_hozon[X][Y]);  // taken back
    if (Y <= kCampRows && (f.man_kougeki[X][Y] == F::man_hu || f.man_kougeki[X][Y] == F::man_kyou))
      score -= kTakenByPawnOrLance;
  }
}

}  // namespace

double Form1::盤評価_COM危険座標(Int PC, Int X2, Int Y2) {
  double score = 0;
  int forked = 0;
  Int cheapest = kNoFork;
  const LowerHand hand(*this);
  const bool destination_free = seiryoku_man[X2][Y2] == 0;
  for (Int X = 1; X <= ban_max; ++X) {
    for (Int Y = 1; Y <= ban_max; ++Y) {
      const Int c = ban[X][Y];
      if (c == kara) {
        empty_square(*this, hand, X, Y, score);
      } else if (c >= com_hu) {
        upper_piece(*this, hand, X, Y, c, score);
      } else if (c <= man_hu) {
        const Int sc = seiryoku_com[X][Y];
        if (seiryoku_com_mae[X][Y] == 0 && sc > 0) {
          if (Y > 2 && c == man_kei && seiryoku_man[X][Y - 1] == 0 &&
              (ban[X][Y - 1] == com_gin || ban[X][Y - 1] == com_sya_nari ||
               ban[X][Y - 1] == com_kaku_nari))
            score += kKnightUnderGuard;
          if (within_two(X, Y, com_ou_x, com_ou_y)) score += kNearOwnKing;
        }
        if (c == man_kei && Y > kKnightFarRows && ban[X][Y - kKnightFarRows] >= kValuable) {
          for (const int side : {-1, 1}) {
            const Int x = X + side, y = Y - kKnightForkRows;
            if (!on_board(x, y)) continue;
            if ((ban[x][y] == kara || ban[x][y] >= com_hu) && seiryoku_com[x][y] == 0)
              score -= kKnightSquare;
          }
        } else if ((c == man_sya || c == man_sya_nari || c == man_kyou) && X == com_ou_x) {
          score -= kOnKingFile;
        }
        if (destination_free &&
            (man_mamori[X][Y] == board::mamori_nasi || (X == man_ou_x && Y == man_ou_y)) &&
            移動チェック(X2, Y2, X, Y, PC) == ari) {
          score += kForkTouch;
          ++forked;
          cheapest = std::min(cheapest, value(c));
        }
      }
    }
  }
  if (forked > 1) score += cheapest;
  return score;
}

Int Form1::盤評価_自角注意_COM(Int X2, Int Y2, Int PC) {
  // The first square from which a lower bishop would see the upper king and the moved piece.
  Int sx = 0, sy = 0;
  for (Int x = 1; x <= ban_max && sx == 0; ++x)
    for (Int y = 1; y <= ban_max; ++y)
      if (kaku_nerai_man[x][y] == 1 && (移動チェック(X2, Y2, x, y, man_kaku) == ari ||
                                        移動チェック(X2, Y2, x, y, man_kaku_nari) == ari)) {
        sx = x;
        sy = y;
        break;
      }
  if (sx == 0) return 0;
  for (Int x = 1; x <= ban_max; ++x)
    for (Int y = 1; y <= ban_max; ++y)
      if ((ban[x][y] == man_kaku || ban[x][y] == man_kaku_nari) &&
          移動チェック(x, y, sx, sy, ban[x][y]) == ari)
        return PC;
  if (mochi_man[kKaku] > 0 &&
      移動チェック(mochi_man_x, board::man_hand_row(kKaku), sx, sy, man_kaku) == ari)
    return PC;
  return 0;
}

Int Form1::調査_自守駒MAN_直進駒(Int X, Int Y) {
  const TrialSquare lifted(ban[X][Y], kara);
  for (Int y = Y + 1; y <= ban_max; ++y) {
    const Int c = ban[X][y];
    if (c >= com_hu) break;
    if (c == man_kyou || c == man_sya || c == man_sya_nari) return 移動チェック(X, y, X, Y, c);
  }
  return nasi;
}

// The last terms of 盤評価, one function for each kind of piece the candidate moved, chosen
// from a table. Several end the evaluation at once. The upper side moves towards larger rows:
// (X2, Y2 + 1) is ahead.
#include "com/ComTerms.h"

namespace {

using namespace com;

// Squares of the opening that some terms know by heart.
constexpr Sq kLowerBishopHome{2, 8}, kBeforeLowerBishop{2, 7};
constexpr Sq kUpperBishopHome{8, 2}, kUpperBishopEdge{9, 3}, kUpperBishopUp{7, 3};
constexpr Sq kPawnBeforeBishop{7, 4};
constexpr Sq kRookStart{2, 2}, kRookOneUp{2, 3};
constexpr Sq kRookRaid{3, 4}, kRaidBishop{3, 7}, kRaidPawn{3, 6}, kRaidGap{3, 5};
constexpr Sq kKnightBlocked{7, 3}, kBishopBeforeKnight{8, 4};
constexpr Sq kSilverUp{7, 3}, kSilverPawn{8, 3}, kSilverEnemyPawn{8, 5};
constexpr Sq kGoldBishop{6, 4};
constexpr Sq kGoldPawn{8, 3}, kGoldEnemyPawn{8, 6};
constexpr Sq kBishopEdgePawn{9, 4}, kBishopEdgeEnemyPawn{9, 6}, kBishopEdgeLance{9, 9};
constexpr Sq kBishopUpEnemyPawn{8, 5}, kBishopUpCover{8, 4};
constexpr Sq kBishopDropHome{4, 5}, kBishopDropGold{5, 8};
constexpr Sq kDragonLeft{3, 9}, kDragonLeftCorner{2, 9}, kDragonLeftGold{4, 8};
constexpr Sq kDragonRight{7, 9}, kDragonRightCorner{8, 9}, kDragonRightGold{6, 8};
constexpr Sq kSilverWatch[] = {{7, 5}, {8, 5}, {9, 5}};
constexpr Int kGoldFile = 7;
constexpr Int kRookWatchFile = 8, kRookPawnFile = 7;
constexpr Int kGoldBackRow = 2;
constexpr Int kBishopDeepRow = 6, kBishopMidRow = 5, kLowerPawnRow = 7;
constexpr Int kBishopCrampedMoves = 3, kRookCrampedMoves = 1, kKingCrampedMoves = 2;
constexpr Int kCentreFile = 5;
constexpr Int kKingHomeRows = 3;
constexpr Int kRookKingReach = 3;
constexpr Int kPawnDeepRow = 8, kPawnPushRow = 7;  // pawn terms that look two rows ahead
constexpr Int kLanceDeepRow = 8, kKnightDeepRow = 8;

// Weights, by the piece moved.
constexpr double kPawnBlocksRook = 1, kPawnBesideRook = 1, kPawnStep = 0.1, kPawnByGeneral = 0.6;
constexpr double kPawnByLance = 1, kPawnByRook = 2, kPawnNearsPiece = 1, kPawnMeetsPawn = 5;
constexpr double kPawnBesideBishop = 5, kPawnOpensBishop = 10, kPawnTakes = 5;
constexpr double kPawnTakesBeforeLine = 50;
constexpr double kDropBeforeGeneral = 6, kDropBeforeBishop = 30, kDropStopsLine = 120;
constexpr double kAheadOutnumbered = 1, kAheadPawn = 5, kAheadHeldBefore = 1, kAheadHeld = 5;
constexpr double kAheadFree = 1, kTokinHeld = 1;
constexpr double kLanceStep = 0.9, kLanceTakesLance = 10, kLanceDropBlocked = 10;
constexpr double kKnightMove = 0.1, kKnightFrontCovered = 1, kKnightLandingsCovered = 1;
constexpr double kKnightBlocksBishop = 5;
constexpr double kSilverMeetsSilver = 5, kSilverStraight = 0.1, kSilverPattern = 115;
constexpr double kGoldBeforeBishop = 5, kGoldBackPattern = 10, kGoldBehindPiece = 2;
constexpr double kGoldBishopPattern = 125;
constexpr double kBishopEdge = 10, kBishopUp = 9, kBishopTrapped = 100, kBishopBeforePawn = 1;
constexpr double kBishopLeavesEdge = 10, kBishopLeavesCover = 10, kBishopDropCramped = 20;
constexpr double kBishopDropEdge = 10, kBishopDropBeforeGold = 10;
constexpr double kRookDropBehindGenerals = 1, kRookRaidBonus = 7, kRookFrontCovered = 1;
constexpr double kRookSidewaysBeforePawn = 5, kRookLeavesWatch = 11, kRookStepsUp = 1;
constexpr double kDragonBeforeGenerals = 10, kDragonCornered = 150, kDragonLeavesGold = 2;
constexpr double kRookCramped = 35, kLineNearKing = 100;
constexpr double kKingOut = 15, kKingOffCentre = 1, kKingFreesPinned = 10, kKingBacked = 1;
constexpr double kKingCramped = 20;

// A candidate of the computer as the piece terms see it: the move, the lower king's square and
// how many pieces of each side reach the destination. Each term adds to the score in turn; the
// kind of the piece moved chooses which terms.
class Candidate {
 public:
  Candidate(F& f, Int target, Int X, Int Y, Int X2, Int Y2)
      : f(f),
        target(target),
        X(X),
        Y(Y),
        X2(X2),
        Y2(Y2),
        drop(X < 0),
        kx(f.man_ou_x),
        ky(f.man_ou_y),
        manD(f.seiryoku_man[X2][Y2]),
        comD(f.seiryoku_com[X2][Y2]) {}

  double pawn(double score) const;
  double tokin(double score) const;
  double lance(double score) const;
  double knight(double score) const;
  double silver(double score) const;
  double gold(double score) const;
  double bishop(double score) const;
  double horse(double score) const;
  double rook(double score) const;
  double dragon(double score) const;
  double king(double score) const;

 private:
  double pawn_dropped(double score) const;
  double pawn_moved(double score) const;
  bool held_against_lower() const;
  double line_near_king(double score) const;
  Int sq(Sq s) const { return f.ban[s.x][s.y]; }

  F& f;
  const Int target, X, Y, X2, Y2;
  const bool drop;
  const Int kx, ky;
  const Int manD, comD;
};

// The terms of each kind; promoted lance, knight and silver have none.
using Terms = double (Candidate::*)(double) const;
struct KindTerms {
  Int code;
  Terms terms;
};
constexpr KindTerms kKindTerms[] = {
    {F::com_hu, &Candidate::pawn},     {F::com_hu_nari, &Candidate::tokin},
    {F::com_kyou, &Candidate::lance},  {F::com_kei, &Candidate::knight},
    {F::com_gin, &Candidate::silver},  {F::com_kin, &Candidate::gold},
    {F::com_kaku, &Candidate::bishop}, {F::com_kaku_nari, &Candidate::horse},
    {F::com_sya, &Candidate::rook},    {F::com_sya_nari, &Candidate::dragon},
    {F::com_ou, &Candidate::king},
};

double Candidate::pawn(double score) const {
  if (f.mochi_com[kKyou] > 0) score += f.調査_香狙い(X2, Y2);
  if (f.mochi_com[kKei] > 0) score += f.調査_桂狙い(X2, Y2);
  if (Y2 < F::ban_max) {
    const Int ahead = f.ban[X2][Y2 + 1];
    if (ahead == F::com_sya) score -= kPawnBlocksRook;
    if (ahead < F::man_hu && f.調査_移動可場所数(X2, static_cast<Int>(Y2 + 1), ahead) == 0)
      score += value(ahead);  // a piece that cannot get away
  }
  if (comD > 0 && X2 > 1 && X2 < F::ban_max &&
      (f.ban[X2 - 1][Y2] == F::com_sya || f.ban[X2 + 1][Y2] == F::com_sya))
    score -= kPawnBesideRook;
  return drop ? pawn_dropped(score) : pawn_moved(score);
}

double Candidate::pawn_dropped(double score) const {
  if (comD == 0 && Y2 > 1 && f.ban[X2][Y2 - 1] >= F::com_gin &&
      (f.mochi_man[kHu] > 0 || f.mochi_man[kKyou] > 0))
    score += kDropBeforeGeneral;
  if (sq(kLowerBishopHome) == F::man_kaku && at(X2, Y2, kBeforeLowerBishop) &&
      (f.seiryoku_man[X2][Y2] == 0 || f.seiryoku_com[X2][Y2] > 0))
    score += kDropBeforeBishop;
  // The pawn stops a lower rook or lance below it on the file.
  const Int ax = f.man_kougeki_x[X2][Y2], ay = f.man_kougeki_y[X2][Y2];
  const bool skip = f.seiryoku_man[ax][ay] == 0 && f.seiryoku_com_mae[ax][ay] > 0;
  if (!skip && comD > 0 && ax == X2 &&
      (f.man_kougeki[X2][Y2] == F::man_sya || f.man_kougeki[X2][Y2] == F::man_kyou) && ay > Y2)
    return score + kDropStopsLine;
  return score;
}

double Candidate::pawn_moved(double score) const {
  score -= kPawnStep;
  if (f.com_mamori[X2][Y2] == F::com_kin || f.com_mamori[X2][Y2] == F::com_gin)
    score += kPawnByGeneral;
  if (Y2 >= kPawnDeepRow) return score;
  if (f.com_mamori[X2][Y2] == F::com_kyou) {
    score += kPawnByLance;
  } else if (f.com_mamori[X2][Y2] == F::com_sya && f.com_mamori_x[X2][Y2] == X2 && comD >= manD &&
             f.com_mamori_y[X2][Y2] < Y2) {
    score += kPawnByRook;  // a rook backs the pawn from behind
  }
  if (f.seiryoku_man[X2][Y2 + 1] == 0 && f.ban[X2][Y2 + 2] <= F::man_kei) score += kPawnNearsPiece;
  if (Y2 < kPawnPushRow) {
    if (f.ban[X2][Y2 + 1] == F::man_hu && f.seiryoku_man[X2][Y2 + 1] > 0) score -= kPawnMeetsPawn;
    if (X2 < F::ban_max && f.ban[X2 + 1][Y2] == F::com_kaku && f.ban[X2 + 1][Y2 + 2] == F::man_hu)
      score += kPawnBesideBishop;
    if (X2 > 1) {
      if (at(X2, Y2, kPawnBeforeBishop) && sq(kUpperBishopHome) == F::com_kaku)
        score += kPawnOpensBishop;
      if (f.ban[X2 - 1][Y2] == F::com_kaku && f.ban[X2 - 1][Y2 + 2] == F::man_hu)
        score += kPawnBesideBishop;
    }
  }
  if (target <= F::man_hu && f.seiryoku_com[X][Y] == 1) {
    if (Y2 > 2 && f.man_kougeki[X2][Y2] == F::man_kyou && f.ban[X2][Y2 - 2] == F::com_kaku)
      score -= kPawnTakes;
    else
      score += kPawnTakes;
    if (target == F::man_hu &&
        (f.man_kougeki[X2][Y2] == F::man_kyou || f.man_kougeki[X2][Y2] == F::man_sya))
      score += kPawnTakesBeforeLine;
  }
  const Int ahead = f.ban[X2][Y2 + 1];
  if (ahead <= F::man_hu) {
    if (comD > manD) return score + kAheadOutnumbered;
    if (ahead == F::man_hu) return score - kAheadPawn;
    if (f.seiryoku_com[X2][Y2 + 1] > 0) {
      if (f.seiryoku_com_mae[X2][Y2 + 1] > 0 && f.seiryoku_man_mae[X2][Y2 + 1] == 0)
        return score - kAheadHeldBefore;
      if (comD >= manD) return score + kAheadHeld;
    } else if (manD == 0) {
      return score + kAheadFree;
    }
  }
  return score;
}

double Candidate::tokin(double score) const {
  return comD >= manD ? score + kTokinHeld : score;
}

double Candidate::lance(double score) const {
  if (f.mochi_com[kKei] > 0) score += f.調査_桂狙い(X2, Y2);
  if (!drop) {
    if (target == F::kara) return score - kLanceStep;
    if (target == F::man_kyou) {
      score += kLanceTakesLance;
      if (manD > 0) return score + kLanceTakesLance;
    }
    return score;
  }
  if (Y2 >= kLanceDeepRow) return score;
  if (f.mochi_man[kHu] > 0 && f.seiryoku_man[X2][Y2 + 1] > 0 && manD == 0)
    score -= kLanceDropBlocked;
  if (f.ban[X2][Y2 + 1] <= F::man_kyou && (manD == 0 || comD >= manD)) {
    for (Int y = Y2 + 2; y <= F::ban_max; ++y) {
      if (f.ban[X2][y] == F::kara) continue;
      if (f.移動チェック(X2, static_cast<Int>(Y2 + 1), X2, y, F::com_kyou) == F::ari &&
          f.ban[X2][y] < F::man_kyou)
        return score + value(f.ban[X2][y]);
      break;
    }
  }
  return score;
}

double Candidate::knight(double score) const {
  score -= kKnightMove;
  if (Y2 < F::ban_max && f.seiryoku_man[X2][Y2 + 1] > 0) score -= kKnightFrontCovered;
  if (Y2 < kKnightDeepRow && X2 > 1 && X2 < F::ban_max && f.seiryoku_man[X2 - 1][Y2 + 2] > 0 &&
      f.seiryoku_man[X2 + 1][Y2 + 2] > 0)
    score -= kKnightLandingsCovered;
  if (at(X2, Y2, kKnightBlocked) && sq(kBishopBeforeKnight) == F::com_kaku)
    return score - kKnightBlocksBishop;
  return score;
}

double Candidate::silver(double score) const {
  if (X == X2 && Y2 > Y && Y2 > 1) {
    bool silver_ahead = false;
    for (const Sq s : kSilverWatch) silver_ahead = silver_ahead || sq(s) == F::man_gin;
    if (silver_ahead)
      score += kSilverMeetsSilver;
    else
      score -= kSilverStraight;
  }
  if (at(X2, Y2, kSilverUp) && sq(kSilverPawn) == F::com_hu && sq(kSilverEnemyPawn) == F::man_hu)
    return score + kSilverPattern;
  return score;
}

double Candidate::gold(double score) const {
  if (Y2 == kGoldBishop.y && sq(kGoldBishop) == F::com_kaku &&
      f.seiryoku_man[kGoldBishop.x][kGoldBishop.y] > 0)
    return score - kGoldBeforeBishop;
  if (Y2 == kGoldBackRow) {
    if (sq(kGoldPawn) == F::com_hu && sq(kGoldEnemyPawn) == F::man_hu && X2 == kGoldFile &&
        f.man_mamori[kGoldEnemyPawn.x][kGoldEnemyPawn.y] == F::man_sya)
      score += kGoldBackPattern;
    if (f.mochi_man[kKaku] > 0 && f.seiryoku_com_mae[X2][Y2 + 1] == 0 &&
        f.ban[X2][Y2 + 1] >= F::com_hu) {
      score += kGoldBehindPiece;
      if (f.ban[X2][Y2 + 2] == F::com_kaku && f.seiryoku_com_mae[X2][Y2 + 2] == 1)
        return score + kGoldBishopPattern;
    }
  }
  return score;
}

double Candidate::bishop(double score) const {
  score += f.調査_周辺状況(X2, Y2);
  if (Y2 < F::ban_max) {
    if (at(X2, Y2, kUpperBishopEdge) && sq(kBishopEdgePawn) == F::com_hu &&
        sq(kBishopEdgeEnemyPawn) == F::man_hu && sq(kBishopEdgeLance) == F::man_kyou)
      score -= kBishopEdge;
    if (at(X2, Y2, kUpperBishopUp) && sq(kBishopUpEnemyPawn) == F::man_hu &&
        f.man_mamori[kBishopUpEnemyPawn.x][kBishopUpEnemyPawn.y] == F::man_sya)
      score += kBishopUp;
    if (f.seiryoku_man[X2][Y2 + 1] > 0) {
      if (f.調査_移動可場所数(X2, Y2, F::com_kaku) == 0) score -= kBishopTrapped;
      if (Y2 < F::ban_max - 1 && f.ban[X2][Y2 + 2] == F::man_hu) score -= kBishopBeforePawn;
    }
  }
  if (at(X, Y, kUpperBishopEdge) && sq(kBishopEdgePawn) == F::com_hu &&
      sq(kBishopEdgeEnemyPawn) == F::man_hu &&
      f.man_mamori[kBishopEdgeEnemyPawn.x][kBishopEdgeEnemyPawn.y] == F::man_kyou)
    score += kBishopLeavesEdge;
  if (at(X, Y, kUpperBishopUp) && sq(kBishopUpEnemyPawn) == F::man_hu &&
      f.man_mamori[kBishopUpEnemyPawn.x][kBishopUpEnemyPawn.y] == F::man_sya &&
      f.seiryoku_com_mae[kBishopUpCover.x][kBishopUpCover.y] >
          f.seiryoku_com[kBishopUpCover.x][kBishopUpCover.y])
    score -= kBishopLeavesCover;
  if (drop) {
    if (Y2 > kBishopDeepRow) {
      if (f.調査_移動可場所数(X2, Y2, F::com_kaku) <= kBishopCrampedMoves)
        return score - kBishopDropCramped;
    } else if (Y2 == kBishopMidRow) {
      if ((X2 == 1 || X2 == F::ban_max) && f.ban[X2][kLowerPawnRow] == F::man_hu)
        score -= kBishopDropEdge;
      if (at(X2, Y2, kBishopDropHome) && sq(kBishopDropGold) == F::man_kin)
        return score - kBishopDropBeforeGold;
    }
  }
  return score;
}

double Candidate::horse(double score) const {
  return score + f.調査_周辺状況(X2, Y2);
}

double Candidate::rook(double score) const {
  score += f.調査_周辺状況(X2, Y2);
  if (drop && Y2 == F::ban_max && f.ban[X2][F::ban_max - 1] == F::man_gin && X2 > 1 &&
      X2 < F::ban_max) {
    const Int row = F::ban_max - 1;
    if ((f.ban[X2 + 1][row] == F::man_kin && f.ban[X2 - 1][F::ban_max] != F::kara) ||
        (f.ban[X2 - 1][row] == F::man_kin && f.ban[X2 + 1][F::ban_max] != F::kara))
      return score - kRookDropBehindGenerals;
  }
  if (!drop && at(X2, Y2, kRookRaid) && f.seiryoku_man[X2][Y2] == 0 &&
      sq(kRaidBishop) == F::man_kaku && sq(kRaidPawn) == F::man_hu && sq(kRaidGap) == F::kara)
    score += kRookRaidBonus;
  if (Y2 < F::ban_max - 1 && f.seiryoku_man[X2][Y2 + 1] > 0) {
    score -= kRookFrontCovered;
    if (!drop && Y == Y2 && f.ban[X2][Y2 + 2] == F::man_hu) score -= kRookSidewaysBeforePawn;
  }
  if (!drop && Y < F::ban_max && f.ban[kRookWatchFile][Y + 1] == F::man_hu &&
      f.man_mamori[kRookWatchFile][Y + 1] == F::man_sya) {
    if (f.seiryoku_com[kRookWatchFile][Y] < f.seiryoku_com_mae[kRookWatchFile][Y])
      score -= kRookLeavesWatch;
    if (f.ban[kRookPawnFile][Y] == F::com_hu && Y2 != Y) score -= kRookLeavesWatch;
  }
  if (at(X, Y, kRookStart) && at(X2, Y2, kRookOneUp) &&
      f.seiryoku_man[kRookStart.x][kRookStart.y] == 0)
    score -= kRookStepsUp;
  if (drop || !held_against_lower()) return score;
  if (f.調査_移動可場所数(X2, Y2, F::com_sya) <= kRookCrampedMoves) return score - kRookCramped;
  return line_near_king(score);
}

double Candidate::dragon(double score) const {
  score += f.調査_周辺状況(X2, Y2);
  if (f.ban[X2][Y2 - 1] == F::man_gin && X2 > 1 && X2 < F::ban_max &&
      ((f.ban[X2 + 1][Y2 - 1] == F::man_kin && f.ban[X2 - 1][Y2] != F::kara) ||
       (f.ban[X2 - 1][Y2 - 1] == F::man_kin && f.ban[X2 + 1][Y2] != F::kara)))
    score -= kDragonBeforeGenerals;
  if (Y2 == F::ban_max && f.ban[X2][F::ban_max - 1] <= F::man_hu &&
      ((at(X2, Y2, kDragonLeft) && sq(kDragonLeftCorner) <= F::man_hu &&
        sq(kDragonLeftGold) == F::man_kin) ||
       (at(X2, Y2, kDragonRight) && sq(kDragonRightCorner) <= F::man_hu &&
        sq(kDragonRightGold) == F::man_kin)))
    score -= kDragonCornered;
  if (!drop && Y == F::ban_max && Y2 != F::ban_max && f.ban[X][F::ban_max - 1] == F::man_gin) {
    if (X > 1 && f.ban[X - 1][F::ban_max - 1] == F::man_kin) score += kDragonLeavesGold;
    if (X < F::ban_max && f.ban[X + 1][F::ban_max - 1] == F::man_kin) score += kDragonLeavesGold;
  }
  return held_against_lower() ? line_near_king(score) : score;
}

// No lower piece reaches the destination, or only the lower king while an upper piece guards it.
bool Candidate::held_against_lower() const {
  return manD == 0 || (comD > 0 && f.man_kougeki[X2][Y2] == F::man_ou);
}

// A rook or dragon on the lower king's file or rank, near it.
double Candidate::line_near_king(double score) const {
  if ((X2 == kx || Y2 == ky) && std::abs(X2 - kx) < kRookKingReach &&
      std::abs(Y2 - ky) < kRookKingReach)
    return score + kLineNearKing;
  return score;
}

double Candidate::king(double score) const {
  if (Y2 > kKingHomeRows) score -= kKingOut + Y2;
  if (X2 != kCentreFile) score += kKingOffCentre;
  if (f.kugi_com_umu == F::ari) score += kKingFreesPinned;
  if (comD > f.seiryoku_com_mae[X2][Y2]) score += kKingBacked;
  if (f.調査_移動可場所数(X2, Y2, F::com_ou) < kKingCrampedMoves) return score - kKingCramped;
  return score;
}

}  // namespace

double Form1::盤評価_駒別(double score, Int target, Int PC, Int X, Int Y, Int X2, Int Y2) {
  const Candidate candidate(*this, target, X, Y, X2, Y2);
  for (const KindTerms& kind : kKindTerms)
    if (kind.code == PC) return (candidate.*kind.terms)(score);
  return score;
}

// The last terms of 盤評価, chosen by the kind of the piece the candidate moved. Several end
// the evaluation at once. The upper side moves towards larger rows: (X2, Y2 + 1) is ahead.
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

inline Int& sq(F& f, Sq s) {
  return f.ban[s.x][s.y];
}

}  // namespace

double Form1::盤評価_駒別(double score, Int target, Int PC, Int X, Int Y, Int X2, Int Y2) {
  const bool drop = X < 0;
  const Int kx = man_ou_x, ky = man_ou_y;
  const Int manD = seiryoku_man[X2][Y2], comD = seiryoku_com[X2][Y2];
  F& f = *this;

  switch (PC) {
    case com_hu: {
      if (mochi_com[kKyou] > 0) score += 調査_香狙い(X2, Y2);
      if (mochi_com[kKei] > 0) score += 調査_桂狙い(X2, Y2);
      if (Y2 < ban_max) {
        const Int ahead = ban[X2][Y2 + 1];
        if (ahead == com_sya) score -= kPawnBlocksRook;
        if (ahead < man_hu && 調査_移動可場所数(X2, static_cast<Int>(Y2 + 1), ahead) == 0)
          score += value(ahead);  // a piece that cannot get away
      }
      if (comD > 0 && X2 > 1 && X2 < ban_max &&
          (ban[X2 - 1][Y2] == com_sya || ban[X2 + 1][Y2] == com_sya))
        score -= kPawnBesideRook;
      if (drop) {
        if (comD == 0 && Y2 > 1 && ban[X2][Y2 - 1] >= com_gin &&
            (mochi_man[kHu] > 0 || mochi_man[kKyou] > 0))
          score += kDropBeforeGeneral;
        if (sq(f, kLowerBishopHome) == man_kaku && at(X2, Y2, kBeforeLowerBishop) &&
            (seiryoku_man[X2][Y2] == 0 || seiryoku_com[X2][Y2] > 0))
          score += kDropBeforeBishop;
        // The pawn stops a lower rook or lance below it on the file.
        const Int ax = man_kougeki_x[X2][Y2], ay = man_kougeki_y[X2][Y2];
        const bool skip = seiryoku_man[ax][ay] == 0 && seiryoku_com_mae[ax][ay] > 0;
        if (!skip && comD > 0 && ax == X2 &&
            (man_kougeki[X2][Y2] == man_sya || man_kougeki[X2][Y2] == man_kyou) && ay > Y2)
          return score + kDropStopsLine;
        return score;
      }
      score -= kPawnStep;
      if (com_mamori[X2][Y2] == com_kin || com_mamori[X2][Y2] == com_gin) score += kPawnByGeneral;
      if (Y2 >= kPawnDeepRow) return score;
      if (com_mamori[X2][Y2] == com_kyou) {
        score += kPawnByLance;
      } else if (com_mamori[X2][Y2] == com_sya && com_mamori_x[X2][Y2] == X2 && comD >= manD &&
                 com_mamori_y[X2][Y2] < Y2) {
        score += kPawnByRook;  // a rook backs the pawn from behind
      }
      if (seiryoku_man[X2][Y2 + 1] == 0 && ban[X2][Y2 + 2] <= man_kei) score += kPawnNearsPiece;
      if (Y2 < kPawnPushRow) {
        if (ban[X2][Y2 + 1] == man_hu && seiryoku_man[X2][Y2 + 1] > 0) score -= kPawnMeetsPawn;
        if (X2 < ban_max && ban[X2 + 1][Y2] == com_kaku && ban[X2 + 1][Y2 + 2] == man_hu)
          score += kPawnBesideBishop;
        if (X2 > 1) {
          if (at(X2, Y2, kPawnBeforeBishop) && sq(f, kUpperBishopHome) == com_kaku)
            score += kPawnOpensBishop;
          if (ban[X2 - 1][Y2] == com_kaku && ban[X2 - 1][Y2 + 2] == man_hu)
            score += kPawnBesideBishop;
        }
      }
      if (target <= man_hu && seiryoku_com[X][Y] == 1) {
        if (Y2 > 2 && man_kougeki[X2][Y2] == man_kyou && ban[X2][Y2 - 2] == com_kaku)
          score -= kPawnTakes;
        else
          score += kPawnTakes;
        if (target == man_hu && (man_kougeki[X2][Y2] == man_kyou || man_kougeki[X2][Y2] == man_sya))
          score += kPawnTakesBeforeLine;
      }
      const Int ahead = ban[X2][Y2 + 1];
      if (ahead <= man_hu) {
        if (comD > manD) return score + kAheadOutnumbered;
        if (ahead == man_hu) return score - kAheadPawn;
        if (seiryoku_com[X2][Y2 + 1] > 0) {
          if (seiryoku_com_mae[X2][Y2 + 1] > 0 && seiryoku_man_mae[X2][Y2 + 1] == 0)
            return score - kAheadHeldBefore;
          if (comD >= manD) return score + kAheadHeld;
        } else if (manD == 0) {
          return score + kAheadFree;
        }
      }
      return score;
    }

    case com_hu_nari:
      return comD >= manD ? score + kTokinHeld : score;

    case com_kyou:
      if (mochi_com[kKei] > 0) score += 調査_桂狙い(X2, Y2);
      if (!drop) {
        if (target == kara) return score - kLanceStep;
        if (target == man_kyou) {
          score += kLanceTakesLance;
          if (manD > 0) return score + kLanceTakesLance;
        }
        return score;
      }
      if (Y2 >= kLanceDeepRow) return score;
      if (mochi_man[kHu] > 0 && seiryoku_man[X2][Y2 + 1] > 0 && manD == 0)
        score -= kLanceDropBlocked;
      if (ban[X2][Y2 + 1] <= man_kyou && (manD == 0 || comD >= manD)) {
        for (Int y = Y2 + 2; y <= ban_max; ++y) {
          if (ban[X2][y] == kara) continue;
          if (移動チェック(X2, static_cast<Int>(Y2 + 1), X2, y, com_kyou) == ari &&
              ban[X2][y] < man_kyou)
            return score + value(ban[X2][y]);
          break;
        }
      }
      return score;

    case com_kei:
      score -= kKnightMove;
      if (Y2 < ban_max && seiryoku_man[X2][Y2 + 1] > 0) score -= kKnightFrontCovered;
      if (Y2 < kKnightDeepRow && X2 > 1 && X2 < ban_max && seiryoku_man[X2 - 1][Y2 + 2] > 0 &&
          seiryoku_man[X2 + 1][Y2 + 2] > 0)
        score -= kKnightLandingsCovered;
      if (at(X2, Y2, kKnightBlocked) && sq(f, kBishopBeforeKnight) == com_kaku)
        return score - kKnightBlocksBishop;
      return score;

    case com_gin:
      if (X == X2 && Y2 > Y && Y2 > 1) {
        bool silver_ahead = false;
        for (const Sq s : kSilverWatch) silver_ahead = silver_ahead || sq(f, s) == man_gin;
        if (silver_ahead)
          score += kSilverMeetsSilver;
        else
          score -= kSilverStraight;
      }
      if (at(X2, Y2, kSilverUp) && sq(f, kSilverPawn) == com_hu &&
          sq(f, kSilverEnemyPawn) == man_hu)
        return score + kSilverPattern;
      return score;

    case com_kin:
      if (Y2 == kGoldBishop.y && sq(f, kGoldBishop) == com_kaku &&
          seiryoku_man[kGoldBishop.x][kGoldBishop.y] > 0)
        return score - kGoldBeforeBishop;
      if (Y2 == kGoldBackRow) {
        if (sq(f, kGoldPawn) == com_hu && sq(f, kGoldEnemyPawn) == man_hu && X2 == kGoldFile &&
            man_mamori[kGoldEnemyPawn.x][kGoldEnemyPawn.y] == man_sya)
          score += kGoldBackPattern;
        if (mochi_man[kKaku] > 0 && seiryoku_com_mae[X2][Y2 + 1] == 0 &&
            ban[X2][Y2 + 1] >= com_hu) {
          score += kGoldBehindPiece;
          if (ban[X2][Y2 + 2] == com_kaku && seiryoku_com_mae[X2][Y2 + 2] == 1)
            return score + kGoldBishopPattern;
        }
      }
      return score;

    case com_kaku:
      score += 調査_周辺状況(X2, Y2);
      if (Y2 < ban_max) {
        if (at(X2, Y2, kUpperBishopEdge) && sq(f, kBishopEdgePawn) == com_hu &&
            sq(f, kBishopEdgeEnemyPawn) == man_hu && sq(f, kBishopEdgeLance) == man_kyou)
          score -= kBishopEdge;
        if (at(X2, Y2, kUpperBishopUp) && sq(f, kBishopUpEnemyPawn) == man_hu &&
            man_mamori[kBishopUpEnemyPawn.x][kBishopUpEnemyPawn.y] == man_sya)
          score += kBishopUp;
        if (seiryoku_man[X2][Y2 + 1] > 0) {
          if (調査_移動可場所数(X2, Y2, com_kaku) == 0) score -= kBishopTrapped;
          if (Y2 < ban_max - 1 && ban[X2][Y2 + 2] == man_hu) score -= kBishopBeforePawn;
        }
      }
      if (at(X, Y, kUpperBishopEdge) && sq(f, kBishopEdgePawn) == com_hu &&
          sq(f, kBishopEdgeEnemyPawn) == man_hu &&
          man_mamori[kBishopEdgeEnemyPawn.x][kBishopEdgeEnemyPawn.y] == man_kyou)
        score += kBishopLeavesEdge;
      if (at(X, Y, kUpperBishopUp) && sq(f, kBishopUpEnemyPawn) == man_hu &&
          man_mamori[kBishopUpEnemyPawn.x][kBishopUpEnemyPawn.y] == man_sya &&
          seiryoku_com_mae[kBishopUpCover.x][kBishopUpCover.y] >
              seiryoku_com[kBishopUpCover.x][kBishopUpCover.y])
        score -= kBishopLeavesCover;
      if (drop) {
        if (Y2 > kBishopDeepRow) {
          if (調査_移動可場所数(X2, Y2, com_kaku) <= kBishopCrampedMoves)
            return score - kBishopDropCramped;
        } else if (Y2 == kBishopMidRow) {
          if ((X2 == 1 || X2 == ban_max) && ban[X2][kLowerPawnRow] == man_hu)
            score -= kBishopDropEdge;
          if (at(X2, Y2, kBishopDropHome) && sq(f, kBishopDropGold) == man_kin)
            return score - kBishopDropBeforeGold;
        }
      }
      return score;

    case com_kaku_nari:
      return score + 調査_周辺状況(X2, Y2);

    case com_sya:
    case com_sya_nari: {
      score += 調査_周辺状況(X2, Y2);
      if (PC == com_sya) {
        if (drop && Y2 == ban_max && ban[X2][ban_max - 1] == man_gin && X2 > 1 && X2 < ban_max) {
          const Int row = ban_max - 1;
          if ((ban[X2 + 1][row] == man_kin && ban[X2 - 1][ban_max] != kara) ||
              (ban[X2 - 1][row] == man_kin && ban[X2 + 1][ban_max] != kara))
            return score - kRookDropBehindGenerals;
        }
        if (!drop && at(X2, Y2, kRookRaid) && seiryoku_man[X2][Y2] == 0 &&
            sq(f, kRaidBishop) == man_kaku && sq(f, kRaidPawn) == man_hu && sq(f, kRaidGap) == kara)
          score += kRookRaidBonus;
        if (Y2 < ban_max - 1 && seiryoku_man[X2][Y2 + 1] > 0) {
          score -= kRookFrontCovered;
          if (!drop && Y == Y2 && ban[X2][Y2 + 2] == man_hu) score -= kRookSidewaysBeforePawn;
        }
        if (!drop && Y < ban_max && ban[kRookWatchFile][Y + 1] == man_hu &&
            man_mamori[kRookWatchFile][Y + 1] == man_sya) {
          if (seiryoku_com[kRookWatchFile][Y] < seiryoku_com_mae[kRookWatchFile][Y])
            score -= kRookLeavesWatch;
          if (ban[kRookPawnFile][Y] == com_hu && Y2 != Y) score -= kRookLeavesWatch;
        }
        if (at(X, Y, kRookStart) && at(X2, Y2, kRookOneUp) &&
            seiryoku_man[kRookStart.x][kRookStart.y] == 0)
          score -= kRookStepsUp;
      } else {
        if (ban[X2][Y2 - 1] == man_gin && X2 > 1 && X2 < ban_max &&
            ((ban[X2 + 1][Y2 - 1] == man_kin && ban[X2 - 1][Y2] != kara) ||
             (ban[X2 - 1][Y2 - 1] == man_kin && ban[X2 + 1][Y2] != kara)))
          score -= kDragonBeforeGenerals;
        if (Y2 == ban_max && ban[X2][ban_max - 1] <= man_hu &&
            ((at(X2, Y2, kDragonLeft) && sq(f, kDragonLeftCorner) <= man_hu &&
              sq(f, kDragonLeftGold) == man_kin) ||
             (at(X2, Y2, kDragonRight) && sq(f, kDragonRightCorner) <= man_hu &&
              sq(f, kDragonRightGold) == man_kin)))
          score -= kDragonCornered;
        if (!drop && Y == ban_max && Y2 != ban_max && ban[X][ban_max - 1] == man_gin) {
          if (X > 1 && ban[X - 1][ban_max - 1] == man_kin) score += kDragonLeavesGold;
          if (X < ban_max && ban[X + 1][ban_max - 1] == man_kin) score += kDragonLeavesGold;
        }
      }
      if (PC == com_sya_nari || !drop) {
        if (manD == 0 || (comD > 0 && man_kougeki[X2][Y2] == man_ou)) {
          if (PC == com_sya && 調査_移動可場所数(X2, Y2, com_sya) <= kRookCrampedMoves)
            return score - kRookCramped;
          if ((X2 == kx || Y2 == ky) && std::abs(X2 - kx) < kRookKingReach &&
              std::abs(Y2 - ky) < kRookKingReach)
            return score + kLineNearKing;
        }
      }
      return score;
    }

    case com_ou:
      if (Y2 > kKingHomeRows) score -= kKingOut + Y2;
      if (X2 != kCentreFile) score += kKingOffCentre;
      if (kugi_com_umu == ari) score += kKingFreesPinned;
      if (comD > seiryoku_com_mae[X2][Y2]) score += kKingBacked;
      if (調査_移動可場所数(X2, Y2, com_ou) < kKingCrampedMoves) return score - kKingCramped;
      return score;

    default:
      return score;  // promoted lance, knight and silver add nothing
  }
}

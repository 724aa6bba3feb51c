// LEVEL4's rules: the engine's moves are the game's own, and its kept position and key stay
// true to the game's state through moves and spells.
#include <gtest/gtest.h>

#include "support/QuietWindow.h"
#include "support/RulesAgreement.h"

namespace {

constexpr long kPositions = 20000;

TEST(Level4Rules, MovesAndKeysAgreeWithTheGameOverRandomGamesWithSpells) {
  QuietWindow w;
  Form1 f(w);
  const rules_agreement::Report r = rules_agreement::compare(f, kPositions, 1);
  EXPECT_EQ(r.positions, kPositions);
  EXPECT_GT(r.moves, kPositions);  // the sample has moves to compare
  EXPECT_EQ(r.mismatches, 0) << r.first;
}

}  // namespace

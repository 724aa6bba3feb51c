// LEVEL4's rules: the engine's moves are the game's own, and its kept position and key stay
// true to the game's state through moves and spells.
#include <gtest/gtest.h>

#include "engine/Search.h"
#include "shell/QuietWindow.h"
#include "support/RulesAgreement.h"

namespace {

constexpr long kPositions = 20000;
constexpr long kSelfPlayNodes = 300;  // a move of the games the search plays

TEST(Level4Rules, MovesAndKeysAgreeWithTheGameOverRandomAndSelfPlayGamesWithSpells) {
  QuietWindow w;
  Form1 f(w);
  engine::Search search(1 << 20);
  auto self_play = [&search](const engine::Position& p) {
    return search.think(p, {0, kSelfPlayNodes}).turn;
  };
  const rules_agreement::Report r = rules_agreement::compare(f, kPositions, 1, self_play);
  EXPECT_EQ(r.positions, kPositions);
  EXPECT_GT(r.moves, kPositions);  // the sample has moves to compare
  EXPECT_EQ(r.mismatches, 0) << r.first;
}

}  // namespace

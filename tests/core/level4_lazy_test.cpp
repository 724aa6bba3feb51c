// LEVEL4's lazy bound: influence is left out only where the rest of the judgement is already
// outside the search's window, and what that changes in the search's decisions.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "Level4Positions.h"
#include "engine/Evaluate.h"
#include "engine/Search.h"

namespace {

using namespace engine;

constexpr std::size_t kPositions = 2000;
constexpr int kWindowStep = 40, kWindowSteps = 20;  // windows placed round the full score
constexpr int kWindowWidths[] = {1, 60};

// Every answer is the full judgement, or the judgement without influence and reach when that
// alone lies outside the window; the second happens, and both on either side of the window.
TEST(Level4Lazy, InfluenceIsLeftOutOnlyOutsideTheWindow) {
  int lazy_high = 0, lazy_low = 0;
  for (const Position& p : level4::random_positions(kPositions, 9)) {
    const EvalTerms t = evaluate_terms(p);
    const int full = evaluate(p, -kWin, kWin);
    const int rest = full - (p.side == Upper ? 1 : -1) * (t.influence + t.reach);
    for (int step = -kWindowSteps; step <= kWindowSteps; ++step)
      for (const int width : kWindowWidths) {
        const int alpha = full + step * kWindowStep, beta = alpha + width;
        const int lazy = evaluate(p, alpha, beta);
        if (lazy == full) continue;
        ASSERT_EQ(lazy, rest) << to_text(p);
        ASSERT_TRUE(lazy >= beta || lazy <= alpha) << alpha << ".." << beta << "\n" << to_text(p);
        ++(lazy >= beta ? lazy_high : lazy_low);
      }
  }
  EXPECT_GT(lazy_high, 0);
  EXPECT_GT(lazy_low, 0);
}

// Searched three iterations deep with and without the bound, the positions of the benchmark suite
// get the same turn wherever their own influence is within the margin. Where it is not, the turn
// may differ: it does in two positions, lost for the upper side by far more than any influence
// ("endgame: seventeen pieces in hand" and "endgame: thirteen pieces in the lower hand"). Deeper,
// more turns differ, where values outside the window steer the pruning differently.
TEST(Level4Lazy, TheSuitesTurnsDifferOnlyWhereInfluenceIsBeyondTheMargin) {
  constexpr int kDepth = 3;
  constexpr std::size_t kTableBytes = 1u << 22;
  std::ifstream in(LUMINAK_BENCH_DIR "/com_positions.txt");
  QuietWindow w;
  Form1 f(w);
  std::string name;
  int positions = 0, beyond = 0;
  long node_changes = 0;
  while (position_text::read(in, f, name)) {
    const Position p = from_game(f, Upper);
    const Decision lazy = Search(kTableBytes).think(p, {0, 0, kDepth});
    const Decision full = Search(kTableBytes).think(p, {0, 0, kDepth, false});
    const EvalTerms t = evaluate_terms(p);
    const bool within = std::abs(t.influence + t.reach) <= kLazyMargin;
    ++positions;
    beyond += !within;
    node_changes += lazy.nodes != full.nodes;
    if (within) {
      EXPECT_EQ(lazy.turn, full.turn) << name;
    }
  }
  EXPECT_GT(positions, 0);
  EXPECT_GT(beyond, 0) << "the suite has positions beyond the margin";
  EXPECT_GT(node_changes, 0) << "without the bound the search looks at influence everywhere";
}

}  // namespace

// The bench signature (tools/selfplay --bench bench/com_positions.txt) as it stands: a change to
// LEVEL4's search or evaluation changes it, and its commit writes the new figure here and says
// `bench N` in its message.
#include <gtest/gtest.h>

#include <fstream>

#include "shell/QuietWindow.h"
#include "tools/selfplay/BenchNodes.h"

namespace {

constexpr long kBenchNodes = 1367402;

TEST(Level4Bench, TheSuiteSearchesTheNodesOnRecord) {
  std::ifstream suite(LUMINAK_BENCH_DIR "/com_positions.txt");
  ASSERT_TRUE(suite);
  QuietWindow w;
  Form1 f(w);
  EXPECT_EQ(bench_nodes::total(f, suite), kBenchNodes);
}

}  // namespace

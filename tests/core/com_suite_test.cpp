// The computer's decisions on the benchmark suite, as the plain search made them when the
// record was written (tools/selfplay --decide bench/com_positions.txt). Anything that makes
// the search faster must leave every one of them as it was.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "support/ComDecision.h"
#include "support/Game.h"
#include "support/PositionText.h"

namespace {

TEST(ComSuite, EveryDecisionIsTheOneOnRecord) {
  std::ifstream positions(LUMINAK_BENCH_DIR "/com_positions.txt");
  std::ifstream record(LUMINAK_BENCH_DIR "/com_choices.txt");
  ASSERT_TRUE(positions && record);
  Game g;
  std::vector<std::string> texts;
  std::string name, line;
  while (position_text::read(positions, *g, name)) texts.push_back(position_text::write(*g, name));
  ASSERT_GE(texts.size(), 12u);
  int checked = 0;
  for (const std::string& t : texts)
    for (Int level = 1; level <= 3; ++level) {
      std::istringstream one(t);
      position_text::read(one, *g, name);
      g->level = level;
      g->勢力調査();
      ASSERT_TRUE(std::getline(record, line));
      EXPECT_EQ(name + " | " + std::to_string(level) + " | " + decide(*g).text(), line);
      ++checked;
    }
  EXPECT_EQ(checked, static_cast<int>(3 * texts.size()));
}

}  // namespace

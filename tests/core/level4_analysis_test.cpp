// LEVEL4's analysis of many positions on worker threads: the same answers whatever the number
// of workers, cancelling, and a king that can be taken.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <thread>

#include "engine/Analysis.h"
#include "engine/form/GameState.h"
#include "shell/QuietWindow.h"
#include "support/PositionText.h"

namespace {

using namespace engine;

constexpr long kNodes = 3000;       // a node limit keeps every answer the same
constexpr std::size_t kSuite = 5;   // positions of the benchmark suite, each side to move
constexpr long kEndless = 1 << 30;  // more nodes than a test ever waits for

// The first positions of the benchmark suite, each with either side to move.
std::vector<Position> suite_positions() {
  std::ifstream in(LUMINAK_BENCH_DIR "/com_positions.txt");
  QuietWindow w;
  Form1 f(w);
  std::string name;
  std::vector<Position> out;
  while (out.size() < 2 * kSuite && position_text::read(in, f, name))
    for (Side s : {Upper, Lower}) out.push_back(from_game(f, s));
  return out;
}

// The position of the text with `mover` to move.
Position position(const std::string& rows, Side mover) {
  QuietWindow w;
  Form1 f(w);
  std::istringstream in("= test\n" + rows);
  std::string name;
  position_text::read(in, f, name);
  return from_game(f, mover);
}

AnalysisSettings at_nodes(long nodes, int workers) {
  AnalysisSettings s;
  s.limits = {0, nodes};
  s.workers = workers;
  return s;
}

TEST(Level4Analysis, OneWorkerAndTwoGiveTheSameAnswers) {
  const std::vector<AnalysisPosition> game = with_history(suite_positions());
  ASSERT_EQ(game.size(), 2 * kSuite);
  Analysis one, two;
  const std::vector<PositionScore> a = one.run(game, at_nodes(kNodes, 1));
  const std::vector<PositionScore> b = two.run(game, at_nodes(kNodes, 2));
  ASSERT_EQ(a.size(), game.size());
  ASSERT_EQ(b.size(), game.size());
  for (std::size_t i = 0; i < game.size(); ++i) {
    EXPECT_TRUE(a[i].scored && b[i].scored) << i;
    EXPECT_FALSE(a[i].best.empty()) << i;
    EXPECT_EQ(a[i].score, b[i].score) << i;
    EXPECT_EQ(a[i].win_plies, b[i].win_plies) << i;
    EXPECT_EQ(a[i].best, b[i].best) << i;
    EXPECT_EQ(a[i].nodes, b[i].nodes) << i;
  }
  EXPECT_EQ(two.done(), static_cast<int>(game.size()));
}

// The score is the lower side's, whoever moves, and the analysis answers as one search of
// the same table size does.
TEST(Level4Analysis, ScoresAreTheLowerSidesWhoeverMoves) {
  const std::vector<Position> positions = suite_positions();
  Analysis analysis;
  const std::vector<PositionScore> scores =
      analysis.run(with_history(positions), at_nodes(kNodes, 2));
  Search search(AnalysisSettings::kTableBytes);
  for (std::size_t i = 0; i < positions.size(); ++i) {
    const Decision d = search.think(positions[i], {0, kNodes});
    EXPECT_EQ(scores[i].score, positions[i].side == Lower ? d.score : -d.score) << i;
    EXPECT_EQ(scores[i].best, d.turn) << i;
  }
}

TEST(Level4Analysis, ProgressCanCancelTheRest) {
  const std::vector<AnalysisPosition> game = with_history(suite_positions());
  Analysis analysis;
  int reports = 0;
  const std::vector<PositionScore> scores =
      analysis.run(game, at_nodes(kNodes, 1), [&](int done, int total) {
        ++reports;
        EXPECT_EQ(total, static_cast<int>(game.size()));
        if (done == 2) analysis.cancel();
      });
  EXPECT_EQ(reports, 2);
  EXPECT_EQ(analysis.done(), 2);
  EXPECT_TRUE(scores[0].scored && scores[1].scored);
  for (std::size_t i = 2; i < scores.size(); ++i) EXPECT_FALSE(scores[i].scored) << i;
}

// A search far beyond any test's patience stops when another thread cancels it.
TEST(Level4Analysis, CancelStopsASearchUnderWay) {
  const std::vector<AnalysisPosition> game = with_history(suite_positions());
  Analysis analysis;
  std::vector<PositionScore> scores;
  std::thread running([&] { scores = analysis.run(game, at_nodes(kEndless, 2)); });
  analysis.cancel();
  running.join();
  ASSERT_EQ(scores.size(), game.size());
  for (const PositionScore& s : scores) EXPECT_FALSE(s.scored);
  EXPECT_TRUE(analysis.cancelled());
}

// The lower bishop and the upper rook each see the other king.
constexpr const char* kKingsOpen =
    "k . . . . . . . .\n"
    ". . . . . . . . .\n"
    ". . . . . . . . .\n"
    ". . . B . . . . .\n"
    ". . . . . . . . .\n"
    ". . . . . . . . .\n"
    ". . . . . . . . .\n"
    ". . . . . . . . r\n"
    ". . . . . . . . K\n"
    "hands: P1 / p1\n";

TEST(Level4Analysis, AKingThatCanBeTakenIsTaken) {
  struct Case {
    Side mover;
    int from, king, sign;
  };
  const Case cases[] = {{Lower, square(4, 4), square(1, 1), 1},
                        {Upper, square(9, 8), square(9, 9), -1}};
  std::vector<Position> positions;
  for (const Case& c : cases) positions.push_back(position(kKingsOpen, c.mover));
  Analysis analysis;
  const std::vector<PositionScore> scores =
      analysis.run(with_history(positions), at_nodes(kNodes, 2));
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const Case& c = cases[i];
    EXPECT_EQ(scores[i].best.plain(), Move::make(c.from, c.king)) << i;
    EXPECT_EQ(scores[i].win_plies, c.sign) << "the capture is the next ply";
    EXPECT_GE(c.sign * scores[i].score, kWinBound) << i;
  }
}

TEST(Level4Analysis, PositionsBeyondTheGamesPiecesAreNotScored) {
  Position extra_rook = Position::initial();
  extra_rook.set_hand(Lower, Rook, 1);
  Position third_king = Position::initial();
  third_king.put(square(5, 5), make_piece(Lower, King));
  EXPECT_TRUE(of_the_game(Position::initial()));
  Analysis analysis;
  for (const PositionScore& s :
       analysis.run(with_history({extra_rook, third_king}), at_nodes(kNodes, 1)))
    EXPECT_FALSE(s.scored);
}

}  // namespace

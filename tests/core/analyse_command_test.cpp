// luminak-shogi --analyse: a record saved from a played game, scored line by line, and files
// that are no record.
#include <gtest/gtest.h>

#include <sstream>

#include "app/AnalyseCommand.h"
#include "engine/form/GameState.h"
#include "kifu/notation.h"
#include "support/Records.h"

namespace {

using namespace engine;
using F = Form1;

constexpr const char* kNodes = "3000";  // a node limit keeps every answer the same

struct Outcome {
  int status;
  std::string out, err;
};

Outcome analyse(std::vector<std::string> args) {
  args.insert(args.begin(), "luminak-shogi");
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  std::ostringstream out, err;
  const int status = analyse_command(static_cast<int>(argv.size()), argv.data(), out, err);
  return {status, out.str(), err.str()};
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

struct Step {
  Int fx, fy, tx, ty;
  Int seal_x = 0, seal_y = 0;  // a spell cast first, on the piece there
};

// Two people play: spells on the lower bishop and the upper rook, and the lower king walks up
// to the upper pawns, where it is taken.
constexpr Step kGame[] = {{5, 7, 5, 6},       {1, 3, 1, 4, 2, 8}, {5, 9, 5, 8}, {9, 3, 9, 4},
                          {5, 8, 5, 7, 2, 2}, {1, 4, 1, 5},       {5, 7, 4, 6}, {9, 4, 9, 5},
                          {4, 6, 4, 5},       {1, 5, 1, 6},       {4, 5, 4, 4}, {4, 3, 4, 4}};
constexpr int kCapture = std::size(kGame) - 1;

// Where the move before position `ply` went (0 at the start), for 同.
int previous_to(std::size_t ply) {
  return ply == 0 ? 0 : square(kGame[ply - 1].tx, kGame[ply - 1].ty);
}

struct AnalyseCommand : ::testing::Test {
  RecordGame g;
  std::vector<Position> played;  // before every move, as the game stood

  void SetUp() override {
    g->START_Click();
    Side mover = Lower;
    for (const Step& s : kGame) {
      played.push_back(from_game(*g, mover));
      if (s.seal_x != 0) g.click(F::button_hidari, s.seal_x, s.seal_y);
      g.move(s.fx, s.fy, s.tx, s.ty);
      mover = opposite(mover);
    }
    ASSERT_EQ(g->shouri_te, g->man_te == F::te_sente ? F::te_gote : F::te_sente);
    g.save("walk");
  }
  std::string file() const { return (g.dir / "walk.棋譜").string(); }
};

// The record keeps the position before every move: each line is the analysis of the position
// the game stood in, whatever the number of workers.
TEST_F(AnalyseCommand, ScoresEveryPositionOfThePlayedGame) {
  const Outcome run = analyse({"--analyse", file(), "--nodes", kNodes});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  const std::vector<std::string> got = lines(run.out);
  ASSERT_EQ(got.size(), played.size() + 1);

  AnalysisSettings one;
  one.limits = {0, std::atol(kNodes)};
  one.workers = 1;
  Analysis analysis;
  const std::vector<PositionScore> scores = analysis.run(with_history(played), one);
  for (std::size_t i = 0; i < played.size(); ++i)
    EXPECT_EQ(got[i],
              analysis_line(static_cast<long>(i), scores[i],
                            notation::japanese(played[i], scores[i].best, Lower, previous_to(i))));
  EXPECT_EQ(got.back().rfind("analysed " + std::to_string(played.size()) + " positions in ", 0), 0u)
      << got.back();
}

// The king left to be taken: the position before names the capture, won in one ply.
TEST_F(AnalyseCommand, NamesTheCaptureOfAKingLeftEnPrise) {
  const Outcome run = analyse({"--analyse", file(), "--nodes", kNodes});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> got = lines(run.out);
  ASSERT_GT(got.size(), static_cast<std::size_t>(kCapture));
  const Step& take = kGame[kCapture];
  const Position& before = played[kCapture];
  PositionScore won{true, 0, -1, Move::make(square(take.fx, take.fy), square(take.tx, take.ty))};
  EXPECT_EQ(
      got[kCapture],
      analysis_line(kCapture, won, turn_text(before, won.best, Lower, previous_to(kCapture))));
  EXPECT_EQ(score_text(won), "-詰1") << "the upper side takes: a loss for the lower side";
  EXPECT_NE(got[kCapture].find("\t△同　歩"), std::string::npos) << "the pawn takes the king";
}

TEST_F(AnalyseCommand, AFileThatIsNoRecordGetsTheGamesMessage) {
  const std::string bytes = "title\r\nupper\r\nlower\r\nnot a move line\r\n";
  g.write("bad.棋譜", bytes);
  std::istringstream in(bytes);
  const std::string refusal = g->読込_棋譜(in);
  ASSERT_NE(refusal, "");

  const Outcome run = analyse({"--analyse", (g.dir / "bad.棋譜").string()});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err.rfind(refusal, 0), 0u) << run.err;
  EXPECT_NE(run.err.find("bad.棋譜"), std::string::npos) << run.err;
}

TEST(AnalyseCommandUsage, RefusesWhatItDoesNotUnderstand) {
  const std::vector<std::vector<std::string>> wrong = {{"--analyse"},
                                                       {"--analyse", "a.棋譜", "--nodes", "0"},
                                                       {"--analyse", "a.棋譜", "--seconds"},
                                                       {"--analyse", "a.棋譜", "--fast", "1"}};
  for (const auto& args : wrong) {
    const Outcome run = analyse(args);
    EXPECT_EQ(run.status, 2) << args.size();
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err, "");
  }
}

}  // namespace

// LEVEL4's five strengths: 最強 decides as LEVEL4 did before there were strengths, the weaker
// ones are the same for the same seed and choose otherwise on some positions.
#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

#include "engine/Strength.h"
#include "engine/form/GameState.h"
#include "support/Game.h"

namespace {

using namespace engine;

constexpr long kNodes = 5000;  // every strength's decisions at this limit or its own below it
constexpr int kSamples = 30;
constexpr std::size_t kCompared = 12;  // of them, decided at every strength with two seeds
constexpr unsigned kSampleSeed = 7;
constexpr int kSkipPlies = 6, kEvery = 3, kLongest = 60;
constexpr unsigned kSpellOdds = 2;  // a spell on one turn in this many
constexpr std::uint64_t kSeeds[] = {1, 2};

// Positions of random games, spells included, that no king can be taken in.
std::vector<Position> sample_positions() {
  std::mt19937 rng(kSampleSeed);
  std::vector<Position> out;
  Position p = Position::initial();
  for (int ply = 0; static_cast<int>(out.size()) < kSamples; ++ply) {
    MoveList list;
    generate(p, Generate::All, list);
    if (list.count == 0 || p.king[Upper] == 0 || p.king[Lower] == 0 || ply == kLongest) {
      p = Position::initial();
      ply = -1;
      continue;
    }
    if (ply >= kSkipPlies && ply % kEvery == 0 && king_attacker(p) == 0) out.push_back(p);
    Move m = list.moves[rng() % static_cast<unsigned>(list.count)];
    std::vector<int> targets;
    for (int sq = kFirstSquare; sq <= kLastSquare; ++sq)
      if (is_piece(p.board[sq]) && side_of(p.board[sq]) == p.caster()) targets.push_back(sq);
    if (rng() % kSpellOdds == 0 && !targets.empty())
      m = m.with_seal(targets[rng() % targets.size()]);
    p = p.after(m);
  }
  return out;
}

Move decide(Search& search, const Position& p, int strength, std::uint64_t seed) {
  search.set_spread(strength_spread(strength, seed));
  return search.think(p, strength_limits(strength, {0, kNodes})).turn;
}

// The turns LEVEL4 chose on these positions at this limit before the strengths came, with a
// table of the game's size: a change in them is a change in how 最強 plays.
TEST(Level4Strength, StrongestDecidesAsBefore) {
  std::ifstream in(LUMINAK_TEST_DATA "/level4_strongest.txt");
  ASSERT_TRUE(in);
  Search search;
  int checked = 0;
  std::string line;
  for (const Position& p : sample_positions()) {
    while (std::getline(in, line) && line.rfind('#', 0) == 0) continue;
    std::uint64_t key = 0;
    std::uint32_t turn = 0;
    ASSERT_TRUE(std::istringstream(line) >> std::hex >> key >> turn) << line;
    ASSERT_EQ(key, p.key) << "the sample positions are not those of the record";
    EXPECT_EQ(decide(search, p, kStrongest, kSeeds[0]).bits, turn) << checked;
    ++checked;
  }
  EXPECT_EQ(checked, kSamples);
}

TEST(Level4Strength, WeakerStrengthsRepeatForASeedAndChooseOtherwise) {
  std::vector<Position> positions = sample_positions();
  positions.resize(kCompared);
  Search first, again;
  std::vector<Move> strongest;
  for (const Position& p : positions) strongest.push_back(decide(first, p, kStrongest, 0));
  for (int s = 0; s < kStrongest; ++s) {
    int other_than_strongest = 0, other_seed = 0;
    for (std::size_t i = 0; i < positions.size(); ++i) {
      const Move m = decide(first, positions[i], s, kSeeds[0]);
      EXPECT_EQ(decide(again, positions[i], s, kSeeds[0]), m) << strength(s).name << " " << i;
      other_than_strongest += !(m == strongest[i]);
      other_seed += !(decide(again, positions[i], s, kSeeds[1]) == m);
    }
    EXPECT_GT(other_than_strongest, 0) << strength(s).name;
    EXPECT_GT(other_seed, 0) << strength(s).name;
  }
}

// The game's turn at each strength is the search's at that strength.
TEST(Level4Strength, TheGamePlaysAtTheStrengthChosen) {
  Game g;
  Search search;
  for (int s = 0; s <= kStrongest; ++s) {
    g->初期設定();
    g->探索_強さ_選択(s);
    g->探索_局面数 = kNodes;
    g->探索_種 = kSeeds[1];
    ASSERT_EQ(g->level, Form1::探索_レベル);
    const Position p = from_game(*g, Upper);
    Int x = 0, y = 0, x2 = 0, y2 = 0, before = Form1::kara, after = Form1::kara;
    g->調査_探索COM打ち座標(x, y, x2, y2, before, after);
    const GameTurn t = to_game(p, decide(search, p, s, kSeeds[1]));
    EXPECT_EQ(std::vector<Int>({x, y, x2, y2, after}),
              std::vector<Int>({t.x, t.y, t.x2, t.y2, t.after}))
        << strength(s).name;
  }
}

}  // namespace

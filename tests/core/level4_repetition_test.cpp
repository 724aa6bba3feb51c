// LEVEL4 going back to a position of the game's past: it costs the side that goes back, more
// each time, whatever spell is in force; the other side is not charged; every earlier position
// is remembered.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "Level4Positions.h"
#include "engine/Search.h"

namespace {

using namespace engine;
using level4::from_text;
using level4::mirrored;

constexpr std::size_t kTableBytes = 1u << 20;
constexpr std::size_t kEarlier = 200;
constexpr int kDepth = 3;  // the positions two plies on are searched, not only judged

TEST(Level4Repetition, TheKeyWithoutSpellIsTheKeyOfThePositionWithNone) {
  int spells = 0;
  for (const Position& p : level4::random_positions(2000, 3)) {
    Position plain = p;
    plain.set_seal(kNoPlace);
    ASSERT_EQ(p.key_without_spell(), plain.key) << to_text(p);
    ASSERT_EQ(plain.key, plain.computed_key()) << to_text(p);
    if (p.seal != kNoPlace) {
      ++spells;
      ASSERT_NE(p.key, plain.key) << "the spell is part of the key\n" << to_text(p);
    }
  }
  EXPECT_GT(spells, 0);
}

// Many earlier positions of the side to move, some twice: each is found as often as it was
// there, with or without a spell in force; a position of the other side to move never is.
TEST(Level4Repetition, EveryEarlierPositionIsRememberedWhateverTheSpell) {
  std::map<std::uint64_t, Position> seen;  // by key without spell
  std::vector<Position> others;
  for (const Position& p : level4::random_positions(4 * kEarlier, 5)) {
    if (p.side == Upper && seen.size() < kEarlier) seen.emplace(p.key_without_spell(), p);
    if (p.side == Lower) others.push_back(p);
  }
  ASSERT_EQ(seen.size(), kEarlier);
  std::vector<std::uint64_t> earlier;
  for (const auto& [key, p] : seen) earlier.push_back(key);
  const std::size_t twice = kEarlier / 4;
  earlier.insert(earlier.end(), earlier.begin(), earlier.begin() + twice);
  std::reverse(earlier.begin(), earlier.end());

  Search search(kTableBytes);
  search.remember(Upper, earlier);
  for (const auto& [key, p] : seen) {
    const int times = static_cast<int>(std::count(earlier.begin(), earlier.end(), key));
    Position plain = p;
    plain.set_seal(kNoPlace);
    EXPECT_EQ(search.times_seen(p), times) << to_text(p);
    EXPECT_EQ(search.times_seen(plain), times) << to_text(plain);
    for (const int spell : rules_agreement::spell_places(plain)) {
      Position bound = plain;
      bound.set_seal(spell);
      EXPECT_EQ(search.times_seen(bound), times) << "a spell on " << spell << "\n" << to_text(p);
    }
  }
  // The other side's positions, as the search meets them, are never counted against it.
  std::vector<std::uint64_t> theirs;
  for (const Position& p : others) theirs.push_back(p.key_without_spell());
  search.remember(Upper, theirs);
  for (const Position& p : others) EXPECT_EQ(search.times_seen(p), 0) << to_text(p);
}

// The keys of the positions a side to move reaches after its turn and the reply (`plies` 2),
// or right after its turn (`plies` 1), without spells.
std::vector<std::uint64_t> reached(const Position& p, int plies) {
  std::vector<std::uint64_t> keys;
  MoveList moves;
  generate(p, Generate::All, moves);
  for (const Move m : moves) {
    const Position next = p.after(m);
    if (plies == 1) {
      keys.push_back(next.key_without_spell());
      continue;
    }
    MoveList replies;
    generate(next, Generate::All, replies);
    for (const Move r : replies) keys.push_back(next.after(r).key_without_spell());
  }
  return keys;
}

// A quiet position, the upper side a gold ahead (and each side a piece more than a spell can
// bind, so that no spell leaves the other without a move). When every position two plies on is one
// the side has been in, it must go back: the score is the cost, lower the more often it was there.
// The other side's earlier positions change nothing. Turned round, the same for the lower side.
TEST(Level4Repetition, GoingBackCostsTheSideThatGoesBackMoreEachTime) {
  const Position upper = from_text(
      "k . . . . . . . .\n"
      ". . . . . . . . .\n"
      "p p . . . . . . .\n"
      ". . . . . . . . .\n"
      ". . . . . g . . .\n"
      ". . . . . . . . .\n"
      ". . . . . . . P P\n"
      ". . . . . . . . .\n"
      ". . . . . . . . K\n"
      "hands: /\n");
  for (const Position& p : {upper, mirrored(upper)}) {
    Search search(kTableBytes);
    auto score = [&](const std::vector<std::uint64_t>& earlier) {
      return search.think(p, {0, 0, kDepth}, earlier).score;
    };
    std::vector<std::uint64_t> once = reached(p, 2), twice = once;
    twice.insert(twice.end(), once.begin(), once.end());
    const int fresh = score({});
    const int back_once = score(once), back_twice = score(twice);
    EXPECT_GT(fresh, 0) << "a gold ahead";
    EXPECT_LT(back_once, 0);
    EXPECT_LT(back_twice, back_once);
    EXPECT_EQ(score(reached(p, 1)), fresh) << "the other side's positions";
  }
}

}  // namespace

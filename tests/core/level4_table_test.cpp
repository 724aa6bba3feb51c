// LEVEL4's transposition table: what a score searched in a window says is stored as such, a
// full bucket gives up its shallowest entry, an earlier search's entries go first, and the
// table holds the size it was given.
#include <gtest/gtest.h>

#include "engine/Search.h"

namespace {

using namespace engine;

constexpr std::size_t kBytes = 1u << 16;
constexpr int kEntriesInBucket = static_cast<int>(TranspositionTable::kBucket);

// Keys that fall in one bucket: the same low bits, different high ones.
std::uint64_t in_bucket(int i) {
  constexpr std::uint64_t kLow = 0x2A5;
  constexpr int kHighShift = 40;
  return kLow | static_cast<std::uint64_t>(i + 1) << kHighShift;
}

const Move kMove = Move::make(square(5, 5), square(5, 4));

TEST(Level4Table, HoldsTheSizeItWasGivenAndEveryEntryOfIt) {
  for (const std::size_t bytes : {kBytes, std::size_t{100000}, std::size_t{3} << 20}) {
    TranspositionTable t(bytes);
    EXPECT_LE(t.bytes(), bytes);
    EXPECT_GT(t.bytes(), bytes / 2);
    // As many keys as entries, spread over the buckets by their low bits, are all kept.
    const std::size_t entries = t.bytes() / sizeof(TableEntry);
    const std::size_t buckets = entries / kEntriesInBucket;
    auto key = [buckets](std::size_t i) { return (i % buckets) | (i + 1) << 40; };
    for (std::size_t i = 0; i < entries; ++i) t.store(key(i), kMove, 0, 1, Bound::Exact);
    std::size_t kept = 0;
    for (std::size_t i = 0; i < entries; ++i) kept += t.probe(key(i)) != nullptr;
    EXPECT_EQ(kept, entries) << bytes << " bytes";
  }
  EXPECT_EQ(Search(kBytes).table_bytes(), TranspositionTable(kBytes).bytes());
}

// A score at or above beta says only that the position is worth at least that (the search was
// cut); one at or below alpha that it is worth at most that; between them, what it is worth.
TEST(Level4Table, AFailHighIsALowerBoundAndAFailLowAnUpperBound) {
  constexpr int kAlpha = -50, kBeta = 50, kStep = 25;
  for (int score = kAlpha - 4 * kStep; score <= kBeta + 4 * kStep; score += kStep) {
    const Bound b = bound_of(score, kAlpha, kBeta);
    EXPECT_EQ(b == Bound::Lower, score >= kBeta) << score;
    EXPECT_EQ(b == Bound::Upper, score <= kAlpha) << score;
    TranspositionTable t(kBytes);
    t.store(in_bucket(0), kMove, score, 3, b);
    const TableEntry* e = t.probe(in_bucket(0));
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->bound, b);
    EXPECT_EQ(e->score, score);
    // The same window asked again is answered; a window the bound says nothing of is not.
    EXPECT_TRUE(answers(*e, score, kAlpha, kBeta)) << score;
    const bool wider_answered = b == Bound::Lower   ? answers(*e, score, kAlpha, score + 1)
                                : b == Bound::Upper ? answers(*e, score, score - 1, kBeta)
                                                    : !answers(*e, score, score - 1, score + 1);
    EXPECT_FALSE(wider_answered) << score;
  }
}

// A position stored again with no turn found keeps the turn it had.
TEST(Level4Table, AnEntryStoredAgainWithoutATurnKeepsItsTurn) {
  TranspositionTable t(kBytes);
  t.store(in_bucket(0), kMove, 0, 1, Bound::Exact);
  t.store(in_bucket(0), Move{}, 0, 2, Bound::Upper);
  const TableEntry* e = t.probe(in_bucket(0));
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(Move{e->move}, kMove);
  EXPECT_EQ(e->depth, 2);
}

// A win (or loss) stored at one ply and read at another is as far from the reading node as it
// was from the storing one; other scores pass unchanged.
TEST(Level4Table, AWinKeepsItsDistanceFromTheNode) {
  constexpr int kPlies[] = {0, 1, 5, 20};
  constexpr int kScore = 345;
  for (const int stored_at : kPlies)
    for (const int read_at : kPlies)
      for (const int distance : {0, 3, 11}) {
        const int win = kWin - (stored_at + distance);
        EXPECT_EQ(from_table(to_table(win, stored_at), read_at), kWin - (read_at + distance));
        EXPECT_EQ(from_table(to_table(-win, stored_at), read_at), -(kWin - (read_at + distance)));
        EXPECT_EQ(from_table(to_table(kScore, stored_at), read_at), kScore);
      }
}

// Wherever the shallowest entry stands in the bucket, it is the one replaced.
TEST(Level4Table, AFullBucketGivesUpItsShallowestEntry) {
  static constexpr int kDepths[kEntriesInBucket] = {5, 2, 7, 4};
  constexpr int kShallowest = 2, kNewDepth = 3;
  for (int turn = 0; turn < kEntriesInBucket; ++turn) {
    TranspositionTable t(kBytes);
    auto depth = [turn](int i) { return kDepths[(i + turn) % kEntriesInBucket]; };
    for (int i = 0; i < kEntriesInBucket; ++i)
      t.store(in_bucket(i), kMove, 0, depth(i), Bound::Exact);
    t.store(in_bucket(kEntriesInBucket), kMove, 0, kNewDepth, Bound::Exact);
    EXPECT_NE(t.probe(in_bucket(kEntriesInBucket)), nullptr);
    for (int i = 0; i < kEntriesInBucket; ++i)
      EXPECT_EQ(t.probe(in_bucket(i)) != nullptr, depth(i) != kShallowest)
          << "entry of depth " << depth(i);
  }
}

// Entries of an earlier search are not seen again and are replaced before the current
// search's own, however deep they were.
TEST(Level4Table, AnEarlierSearchsEntriesGoFirst) {
  constexpr int kDeep = 20, kShallow = 1;
  TranspositionTable t(kBytes);
  for (int i = 0; i < kEntriesInBucket; ++i) t.store(in_bucket(i), kMove, 0, kDeep, Bound::Exact);
  t.new_search();
  for (int i = 0; i < kEntriesInBucket; ++i) EXPECT_EQ(t.probe(in_bucket(i)), nullptr);
  for (int i = kEntriesInBucket; i < 2 * kEntriesInBucket; ++i) {
    t.store(in_bucket(i), kMove, 0, kShallow, Bound::Exact);
    for (int j = kEntriesInBucket; j <= i; ++j)
      EXPECT_NE(t.probe(in_bucket(j)), nullptr) << "new entry " << j << " after " << i;
  }
}

}  // namespace

// What the search has learnt about positions, by Zobrist key: the best turn found, a score
// and how far it was searched. Each search starts on an empty table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "engine/Types.h"

namespace engine {

enum class Bound : std::uint8_t { None, Upper, Lower, Exact };

// Sixteen bytes: the bound and the search's generation share one.
struct TableEntry {
  std::uint64_t key = 0;
  std::uint32_t move = 0;
  std::int16_t score = 0;
  std::int8_t depth = 0;
  std::uint8_t bound_generation = 0;

  Bound bound() const { return static_cast<Bound>(bound_generation & kBoundMask); }
  std::uint8_t generation() const { return bound_generation >> kBoundBits; }
  static constexpr int kBoundBits = 2;
  static constexpr std::uint8_t kBoundMask = (1 << kBoundBits) - 1;
};
static_assert(sizeof(TableEntry) == 16);

class TranspositionTable {
 public:
  static constexpr std::size_t kDefaultBytes = 64u << 20;

  explicit TranspositionTable(std::size_t bytes = kDefaultBytes);
  std::size_t bytes() const { return count_ * sizeof(TableEntry); }

  // Forgets everything: what an earlier search stored is never seen again.
  void new_search();
  const TableEntry* probe(std::uint64_t key) const;
  void store(std::uint64_t key, Move m, int score, int depth, Bound b);

 private:
  static constexpr std::size_t kBucket = 4;  // entries sharing one cache line
  // Zeroed memory from the system: pages are touched only as the search reaches them, so
  // neither making the table nor emptying it costs a decision any time.
  struct Free {
    void operator()(TableEntry* p) const;
  };
  std::unique_ptr<TableEntry[], Free> entries_;
  std::size_t count_ = 0;
  std::size_t mask_ = 0;         // of the bucket index
  std::uint8_t generation_ = 1;  // 1 .. kGenerations - 1
  static constexpr int kGenerations = 1 << (8 - TableEntry::kBoundBits);
};

}  // namespace engine

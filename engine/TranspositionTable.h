// What the search has learnt about positions, by Zobrist key: the best turn found, a score
// and how far it was searched. Each search starts on an empty table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "engine/Types.h"

namespace engine {

enum class Bound : std::uint8_t { None, Upper, Lower, Exact };

// Sixteen bytes. The key's high bits share a word with the generation of the search that
// stored the entry.
struct TableEntry {
  static constexpr int kGenerationBits = 16;
  static constexpr std::uint64_t kGenerationMask = (1u << kGenerationBits) - 1;

  std::uint64_t key_generation = 0;
  std::uint32_t move = 0;
  std::int16_t score = 0;
  std::int8_t depth = 0;
  Bound bound = Bound::None;

  bool holds(std::uint64_t key, std::uint64_t generation) const {
    return key_generation == ((key & ~kGenerationMask) | generation);
  }
  std::uint64_t generation() const { return key_generation & kGenerationMask; }
};
static_assert(sizeof(TableEntry) == 16);

// What a node's best score, searched between alpha and beta, tells of its position: at or
// above beta the search was cut, so it is worth at least that; at or below alpha at most that.
constexpr Bound bound_of(int best, int alpha, int beta) {
  return best >= beta ? Bound::Lower : best > alpha ? Bound::Exact : Bound::Upper;
}
// An entry with this score (as the node sees it) settles a search between alpha and beta.
constexpr bool answers(const TableEntry& e, int score, int alpha, int beta) {
  return e.bound == Bound::Exact || (e.bound == Bound::Lower && score >= beta) ||
         (e.bound == Bound::Upper && score <= alpha);
}

class TranspositionTable {
 public:
  static constexpr std::size_t kDefaultBytes = 64u << 20;
  static constexpr std::size_t kBucket =
      4;  // entries sharing one cache line, by the key's low bits

  explicit TranspositionTable(std::size_t bytes = kDefaultBytes);
  std::size_t bytes() const { return count_ * sizeof(TableEntry); }

  // Forgets everything: what an earlier search stored is never seen again.
  void new_search();
  const TableEntry* probe(std::uint64_t key) const;
  void store(std::uint64_t key, Move m, int score, int depth, Bound b);

 private:
  // Zeroed memory from the system: pages are touched only as the search reaches them, so
  // making the table costs the first decision no time.
  struct Free {
    void operator()(TableEntry* p) const;
  };
  std::unique_ptr<TableEntry[], Free> entries_;
  std::size_t count_ = 0;
  std::size_t mask_ = 0;          // of the bucket index
  std::uint64_t generation_ = 1;  // 1 .. kGenerationMask; 0 is the empty entry
};

}  // namespace engine

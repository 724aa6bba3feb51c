// A table of buckets of four entries; a new search starts a new generation, and entries of
// older generations count as empty, so a search sees only what it stored itself.
#include "engine/TranspositionTable.h"

#include <cstdlib>
#include <new>

namespace engine {

namespace {

TableEntry* zeroed(std::size_t count) {
  void* p = std::calloc(count, sizeof(TableEntry));
  if (p == nullptr) throw std::bad_alloc();
  return static_cast<TableEntry*>(p);
}

}  // namespace

void TranspositionTable::Free::operator()(TableEntry* p) const {
  std::free(p);
}

TranspositionTable::TranspositionTable(std::size_t bytes) {
  std::size_t buckets = 1;
  while (buckets * 2 * kBucket * sizeof(TableEntry) <= bytes) buckets *= 2;
  count_ = buckets * kBucket;
  entries_.reset(zeroed(count_));
  mask_ = buckets - 1;
}

void TranspositionTable::new_search() {
  // Once in 65535 searches the count goes round, and old entries could pass for new ones.
  if (++generation_ > TableEntry::kGenerationMask) {
    entries_.reset();
    entries_.reset(zeroed(count_));
    generation_ = 1;
  }
}

const TableEntry* TranspositionTable::probe(std::uint64_t key) const {
  const TableEntry* bucket = &entries_[(key & mask_) * kBucket];
  for (std::size_t i = 0; i < kBucket; ++i)
    if (bucket[i].holds(key, generation_)) return &bucket[i];
  return nullptr;
}

void TranspositionTable::store(std::uint64_t key, Move m, int score, int depth, Bound b) {
  TableEntry* bucket = &entries_[(key & mask_) * kBucket];
  TableEntry* slot = &bucket[0];
  for (std::size_t i = 0; i < kBucket; ++i) {
    TableEntry& e = bucket[i];
    if (e.generation() != generation_ || e.holds(key, generation_)) {
      slot = &e;
      break;
    }
    if (e.depth < slot->depth) slot = &e;
  }
  // A position searched again keeps its best turn when the new search found none.
  if (m.empty() && slot->holds(key, generation_)) m = Move{slot->move};
  *slot = {(key & ~TableEntry::kGenerationMask) | generation_, m.bits,
           static_cast<std::int16_t>(score), static_cast<std::int8_t>(depth), b};
}

}  // namespace engine

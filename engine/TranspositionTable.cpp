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
  if (++generation_ == kGenerations) {  // the count went round: old entries could pass for new ones
    entries_.reset();
    entries_.reset(zeroed(count_));
    generation_ = 1;
  }
}

const TableEntry* TranspositionTable::probe(std::uint64_t key) const {
  const TableEntry* bucket = &entries_[(key & mask_) * kBucket];
  for (std::size_t i = 0; i < kBucket; ++i)
    if (bucket[i].generation() == generation_ && bucket[i].key == key) return &bucket[i];
  return nullptr;
}

void TranspositionTable::store(std::uint64_t key, Move m, int score, int depth, Bound b) {
  TableEntry* bucket = &entries_[(key & mask_) * kBucket];
  TableEntry* slot = &bucket[0];
  for (std::size_t i = 0; i < kBucket; ++i) {
    TableEntry& e = bucket[i];
    if (e.generation() != generation_ || e.key == key) {
      slot = &e;
      break;
    }
    if (e.depth < slot->depth) slot = &e;
  }
  // A position searched again keeps its best turn when the new search found none.
  if (m.empty() && slot->generation() == generation_ && slot->key == key) m = Move{slot->move};
  const int bound_generation = generation_ << TableEntry::kBoundBits | static_cast<int>(b);
  *slot = {key, m.bits, static_cast<std::int16_t>(score), static_cast<std::int8_t>(depth),
           static_cast<std::uint8_t>(bound_generation)};
}

}  // namespace engine

// A set of the board's squares, one bit each, counted from the first square: a whole side's
// attacks are put together and counted at once.
#pragma once

#include <cstdint>

#include "engine/Types.h"

namespace engine {

struct SquareSet {
  using Bits = unsigned __int128;  // the 89 cells from the first square to the last
  Bits bits = 0;

  static constexpr SquareSet of(int sq) { return {Bits{1} << (sq - kFirstSquare)}; }
  constexpr SquareSet operator|(SquareSet o) const { return {bits | o.bits}; }
  constexpr SquareSet operator&(SquareSet o) const { return {bits & o.bits}; }
  constexpr SquareSet operator~() const { return {~bits}; }
  constexpr SquareSet& operator|=(SquareSet o) {
    bits |= o.bits;
    return *this;
  }
  constexpr SquareSet& operator^=(SquareSet o) {
    bits ^= o.bits;
    return *this;
  }
  constexpr bool has(int sq) const { return (bits >> (sq - kFirstSquare) & 1) != 0; }
  constexpr bool empty() const { return bits == 0; }
  // Calls f with each square of the set, in the board's order.
  template <class F>
  void each(F f) const {
    for (std::uint64_t w = static_cast<std::uint64_t>(bits); w != 0; w &= w - 1)
      f(kFirstSquare + __builtin_ctzll(w));
    for (std::uint64_t w = static_cast<std::uint64_t>(bits >> 64); w != 0; w &= w - 1)
      f(kFirstSquare + 64 + __builtin_ctzll(w));
  }
  int count() const {
    return popcount(static_cast<std::uint64_t>(bits)) +
           popcount(static_cast<std::uint64_t>(bits >> 64));
  }

 private:
  // Bits set in a word, without asking for an instruction every processor may not have.
  static constexpr int popcount(std::uint64_t w) {
    w -= w >> 1 & 0x5555555555555555ull;
    w = (w & 0x3333333333333333ull) + (w >> 2 & 0x3333333333333333ull);
    w = (w + (w >> 4)) & 0x0F0F0F0F0F0F0F0Full;
    return static_cast<int>(w * 0x0101010101010101ull >> 56);
  }
};

}  // namespace engine

// Where a piece could ever go from a square: the squares that 移動チェック allows it on an
// empty board. Pieces and seals only take squares away, so the search asks 移動チェック about
// these squares alone and finds the same moves in the same order.
#include <array>

#include "com/ComTerms.h"

namespace {

using namespace com;

using board::kUpperCodes;
constexpr int kKinds = static_cast<int>(std::size(kUpperCodes));

// Table index of a piece code, both sides; -1 for anything that is no piece.
constexpr Int kMostCode = F::com_ou;
struct CodeIndex {
  int of[2 * kMostCode + 1];
  constexpr CodeIndex() : of() {
    for (int& i : of) i = -1;
    for (int i = 0; i < kKinds; ++i) {
      of[kMostCode + kUpperCodes[i]] = i;
      of[kMostCode - kUpperCodes[i]] = kKinds + i;
    }
  }
};
constexpr CodeIndex kCodeIndex;

int code_index(Int code) {
  return code >= -kMostCode && code <= kMostCode ? kCodeIndex.of[kMostCode + code] : -1;
}

using Table = std::array<std::array<Reach, 81>, 2 * kKinds>;

Table build(F& f) {
  Table t{};
  // In an empty position, no piece and no seal; the position is put back afterwards.
  const PositionGuard kept(f);
  static_cast<GamePosition&>(f) = GamePosition{};
  for (int side = 0; side < 2; ++side)
    for (int i = 0; i < kKinds; ++i) {
      const Int code = static_cast<Int>(side == 0 ? kUpperCodes[i] : -kUpperCodes[i]);
      for (Int x = 1; x <= F::ban_max; ++x)
        for (Int y = 1; y <= F::ban_max; ++y) {
          Reach& r = t[side * kKinds + i][(x - 1) * F::ban_max + (y - 1)];
          for (Int x2 = 1; x2 <= F::ban_max; ++x2)
            for (Int y2 = 1; y2 <= F::ban_max; ++y2)
              if (f.移動チェック(x, y, x2, y2, code) == F::ari) r.to[r.n++] = {x2, y2};
        }
    }
  return t;
}

}  // namespace

namespace com {

const Reach& reach(F& f, Int code, Int x, Int y) {
  static const Table table = build(f);
  static const Reach nowhere{};
  const int i = code_index(code);
  if (i < 0 || !on_board(x, y)) return nowhere;
  return table[i][(x - 1) * F::ban_max + (y - 1)];
}

}  // namespace com

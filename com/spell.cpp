// The computer's seal spell: it asks its own move search what the lower side would play on a
// board turned round, and seals the piece of that best reply.
#include <utility>

#include "com/ComTerms.h"

namespace {
constexpr Int kTurn = Form1::ban_max + 1;  // square (x, y) turned round is (kTurn - x, kTurn - y)
}  // namespace

void Form1::COM_MAN_入替処理() {
  Int copy[10][10];
  com::copy_board(copy, ban);
  for (Int x = 1; x <= ban_max; ++x)
    for (Int y = 1; y <= ban_max; ++y) {
      const Int c = copy[x][y];
      ban[kTurn - x][kTurn - y] = c <= man_hu || c >= com_hu ? static_cast<Int>(-c) : c;
    }
  for (Int k = 1; k <= mochi_max; ++k) std::swap(mochi_man[k], mochi_com[k]);
}

void Form1::調査_ルミナーク座標(Int& O_駒, Int& O_X, Int& O_Y) {
  if (調査_探索封印(O_駒, O_X, O_Y)) return;
  // The turned board, its hands and the kings' squares found on it (a sealed king keeps its
  // recorded square through 勢力調査) must not outlive the search.
  const PositionGuard kept(*this);
  COM_MAN_入替処理();
  // Nothing is written when the lower side has no reply at all.
  Int X = 0, Y = 0, X2 = 0, Y2 = 0, before = kara, after = kara;
  調査_COM打ち座標(X, Y, X2, Y2, before, after);
  if (!board::on_board(X2, Y2)) return;
  if (X == mochi_com_x) {
    O_駒 = static_cast<Int>(-after);
    O_X = mochi_man_x;
    O_Y = Y;
  } else {
    O_駒 = static_cast<Int>(-before);
    O_X = static_cast<Int>(kTurn - X);
    O_Y = static_cast<Int>(kTurn - Y);
  }
}

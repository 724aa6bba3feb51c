// The side swap: the board turned round 180 degrees with every piece changing sides, and the
// two hands exchanged. Nothing else changes sides.
#include <utility>

#include "shell/Form1.h"

void Form1::COM_MAN_入替処理() {
  Int copy[10][10];
  for (Int x = 1; x <= ban_max; ++x)
    for (Int y = 1; y <= ban_max; ++y) copy[x][y] = ban[x][y];
  for (Int x = 1; x <= ban_max; ++x)
    for (Int y = 1; y <= ban_max; ++y) {
      const Int c = copy[x][y];
      const bool piece = c <= man_hu || c >= com_hu;
      ban[ban_max + 1 - x][ban_max + 1 - y] = piece ? static_cast<Int>(-c) : c;
    }
  for (Int k = 1; k <= mochi_max; ++k) std::swap(mochi_man[k], mochi_com[k]);
}

// The clocks: each side's seconds from earlier turns, and the running turn's. Seconds are read
// from a clock that counts them since midnight.
#pragma once

#include "shell/GameTerms.h"

struct Clocks {
  Single kaisi_jikoku = 0;       // the reading when the current turn began
  Single keika_byou = 0;         // seconds of the current turn
  Single keika_byou_hyouji = 0;  // the whole second shown last
  Single jikan_man = 0;          // the lower side's seconds before this turn
  Single jikan_com = 0;          // the upper side's
};

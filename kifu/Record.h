// The move record: snapshot n is the position before move n + 1, with the clocks around that
// move, and the state of stepping through it, reading it and turning the board round.
#pragma once

#include <array>
#include <iosfwd>
#include <string>
#include <vector>

#include "shell/GameTerms.h"

struct Record {
  using 盤面 = std::array<std::array<Int, 10>, 10>;
  using 持駒 = std::array<Int, 8>;

  // ---- Snapshots: each array grows with the record; 記録_確保 keeps them the same length ----
  std::vector<盤面> kifu_ban;
  std::vector<持駒> kifu_mochi_man;
  std::vector<持駒> kifu_mochi_com;
  std::vector<盤面> kifu_huu_man;
  std::vector<盤面> kifu_huu_com;
  std::vector<持駒> kifu_huu_mochi_man;
  std::vector<持駒> kifu_huu_mochi_com;
  std::vector<Single> kifu_jikan_man_mae;
  std::vector<Single> kifu_jikan_man_ato;
  std::vector<Single> kifu_jikan_com_mae;
  std::vector<Single> kifu_jikan_com_ato;
  std::vector<Int> kifu_koma;  // code that move n placed
  long kifu_tesuu = 0;         // moves played to reach the position shown
  long kifu_saigo = 0;         // the last snapshot held

  // ---- Reading a record file ----------------------------------------------------------------
  std::string kifu_gyou;            // the line read last
  std::istream* kifu_in = nullptr;  // the record file being read

  // ---- Stepping and turning round ----------------------------------------------------------
  Int kifu_mode = GameTerms::nasi;    // a record read from a file is being stepped through
  Int modori_chuu = GameTerms::nasi;  // a step was taken; the next click resumes play there
  Int hanten = GameTerms::nasi;       // the board was turned round: the record is not written
};

// The move record: a snapshot of the position before every move, with the clocks around it.
// Recording, stepping and the start of a game all copy the same seven arrays, listed once.
#include <iterator>

#include "shell/Form1.h"

namespace {

// Each array of the position beside the record's array that keeps it in snapshot n.
template <class Visit>
void each_kept_array(Form1& f, long n, Visit&& visit) {
  visit(f.ban, f.kifu_ban[n]);
  visit(f.mochi_man, f.kifu_mochi_man[n]);
  visit(f.mochi_com, f.kifu_mochi_com[n]);
  visit(f.huu_man, f.kifu_huu_man[n]);
  visit(f.huu_com, f.kifu_huu_com[n]);
  visit(f.huu_mochi_man, f.kifu_huu_mochi_man[n]);
  visit(f.huu_mochi_com, f.kifu_huu_mochi_com[n]);
}

// The entries in use, from 1: squares 1..9 of a board, kinds 1..7 of a hand.
void copy_used(Int& to, Int from) {
  to = from;
}
template <class To, class From>
void copy_used(To& to, const From& from) {
  for (size_t i = 1; i < std::size(to); ++i) copy_used(to[i], from[i]);
}

}  // namespace

void Form1::手順保存(Int, Int, Int, Int, Int, Int, Single 前秒M, Single 後秒M, Single 前秒C,
                     Single 後秒C) {
  const long n = kifu_tesuu;
  if (n < 0) return;
  記録_局面保存(n);
  kifu_jikan_man_mae[n] = 前秒M;
  kifu_jikan_man_ato[n] = 後秒M;
  kifu_jikan_com_mae[n] = 前秒C;
  kifu_jikan_com_ato[n] = 後秒C;
  kifu_saigo = n;
}

// Room for snapshots 0..n.
void Form1::記録_確保(long n) {
  const size_t size = static_cast<size_t>(n) + 1;
  if (kifu_ban.size() >= size) return;
  kifu_ban.resize(size);
  kifu_mochi_man.resize(size);
  kifu_mochi_com.resize(size);
  kifu_huu_man.resize(size);
  kifu_huu_com.resize(size);
  kifu_huu_mochi_man.resize(size);
  kifu_huu_mochi_com.resize(size);
  kifu_jikan_man_mae.resize(size);
  kifu_jikan_man_ato.resize(size);
  kifu_jikan_com_mae.resize(size);
  kifu_jikan_com_ato.resize(size);
  kifu_koma.resize(size);
}

// The board, both hands and every seal flag into snapshot n.
void Form1::記録_局面保存(long n) {
  記録_確保(n);
  each_kept_array(*this, n, [](const auto& live, auto& kept) { copy_used(kept, live); });
}

// Snapshot n back into the game, with both hand totals.
void Form1::記録_局面復元(long n) {
  if (n < 0 || static_cast<size_t>(n) >= kifu_ban.size()) return;
  each_kept_array(*this, n, [](auto& live, const auto& kept) { copy_used(live, kept); });
  mochi_com_kei = 調査_持駒数(com_te);
  mochi_man_kei = 調査_持駒数(man_te);
}

// A new game's record starts from the position set up: snapshot 0, no time spent, and the
// first move's snapshot emptied.
void Form1::記録_初期局面() {
  記録_局面保存(0);
  kifu_jikan_man_mae[0] = kifu_jikan_man_ato[0] = 0;
  kifu_jikan_com_mae[0] = kifu_jikan_com_ato[0] = 0;
  記録_確保(1);
  each_kept_array(*this, 1, [](const auto&, auto& kept) { kept = {}; });
}

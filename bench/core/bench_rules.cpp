// Timings of the rules: legality, the influence maps and the mate tests.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

#include "support/Game.h"

namespace {

using F = Form1;

struct Piece {
  Int x, y, code;
};

// A middle game: both castles still standing, a few exchanges made, pieces in both hands.
void middle_game(Game& g) {
  g.clear_board();
  const Piece pieces[] = {
      {1, 1, F::com_kyou}, {2, 1, F::com_kei},     {3, 1, F::com_gin},       {4, 1, F::com_kin},
      {6, 2, F::com_kin},  {5, 2, F::com_ou},      {8, 1, F::com_kei},       {9, 1, F::com_kyou},
      {2, 2, F::com_sya},  {7, 2, F::com_gin},     {1, 3, F::com_hu},        {2, 4, F::com_hu},
      {3, 3, F::com_hu},   {4, 3, F::com_hu},      {5, 4, F::com_hu},        {6, 3, F::com_hu},
      {7, 3, F::com_hu},   {9, 4, F::com_hu},      {4, 6, F::com_kaku_nari}, {1, 9, F::man_kyou},
      {2, 9, F::man_kei},  {3, 8, F::man_gin},     {4, 9, F::man_kin},       {6, 9, F::man_kin},
      {5, 8, F::man_ou},   {9, 9, F::man_kyou},    {7, 7, F::man_gin},       {8, 7, F::man_sya},
      {1, 7, F::man_hu},   {2, 6, F::man_hu},      {3, 7, F::man_hu},        {4, 7, F::man_hu},
      {5, 6, F::man_hu},   {6, 7, F::man_hu},      {7, 6, F::man_hu},        {9, 6, F::man_hu},
      {8, 5, F::man_kei},  {6, 4, F::man_hu_nari},
  };
  for (const Piece& p : pieces) g->ban[p.x][p.y] = p.code;
  g->mochi_com[1] = 2;  // 歩
  g->mochi_com[6] = 1;  // 角
  g->mochi_com_kei = 3;
  g->mochi_man[1] = 1;  // 歩
  g->mochi_man[4] = 1;  // 銀
  g->mochi_man[3] = 1;  // 桂
  g->mochi_man_kei = 3;
  g->調査_2歩フラグ設定();
  g->勢力調査();
}

// Every source square against every destination, then every hand kind against every square.
void BM_移動チェック(benchmark::State& state) {
  Game g;
  middle_game(g);
  Form1& f = *g;
  long calls = 0;
  for (auto _ : state) {
    long allowed = 0;
    for (Int fx = 1; fx <= 9; ++fx)
      for (Int fy = 1; fy <= 9; ++fy) {
        const Int code = f.ban[fx][fy];
        for (Int tx = 1; tx <= 9; ++tx)
          for (Int ty = 1; ty <= 9; ++ty) allowed += f.移動チェック(fx, fy, tx, ty, code);
      }
    for (Int k = 1; k <= 7; ++k)
      for (Int tx = 1; tx <= 9; ++tx)
        for (Int ty = 1; ty <= 9; ++ty) {
          allowed += f.移動チェック(-1, 8 - k, tx, ty, f.取得_持盤駒(k, f.com_te));
          allowed += f.移動チェック(11, k + 2, tx, ty, f.取得_持盤駒(k, f.man_te));
        }
    benchmark::DoNotOptimize(allowed);
    calls += 81 * 81 + 2 * 7 * 81;
  }
  state.counters["per_call"] = benchmark::Counter(
      static_cast<double>(calls), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_移動チェック);

void BM_勢力調査(benchmark::State& state) {
  Game g;
  middle_game(g);
  for (auto _ : state) {
    g->勢力調査();
    benchmark::DoNotOptimize(g->seiryoku_com[5][5]);
  }
}
BENCHMARK(BM_勢力調査);

// Positions for the mate tests; the maps are laid once and the tests only read them.
enum class Mate { middle, in_check_mated, in_check_escape, in_check_block };
const char* const kMateNames[] = {"middle game, no check", "check, mated",
                                  "check, the king steps aside", "check, a piece blocks"};

void mate_position(Game& g, Mate m, bool lower_king) {
  if (m == Mate::middle) {
    middle_game(g);
    return;
  }
  g.clear_board();
  // Written for the lower king; the upper king's positions are the mirror image.
  auto put = [&](Int x, Int y, Int code) {
    if (lower_king)
      g->ban[x][y] = code;
    else
      g->ban[10 - x][10 - y] = static_cast<Int>(-code);
  };
  put(5, 9, F::man_ou);
  put(1, 1, F::com_ou);
  switch (m) {
    case Mate::in_check_mated:  // 頭金 supported by a pawn, with defenders that fail
      put(5, 8, F::com_kin);
      put(5, 7, F::com_hu);
      put(3, 9, F::man_kin);
      put(7, 7, F::man_gin);
      put(9, 5, F::man_kaku);
      break;
    case Mate::in_check_escape:  // a rook's check along the file, the king steps aside
      put(5, 1, F::com_sya);
      put(3, 9, F::man_kin);
      put(8, 8, F::man_sya);
      break;
    case Mate::in_check_block:  // no escape, a defender must stand between
      put(5, 2, F::com_sya);
      put(4, 9, F::man_kin);
      put(6, 9, F::man_kin);
      put(4, 8, F::man_hu);
      put(6, 8, F::man_hu);
      put(2, 5, F::man_gin);
      put(8, 6, F::man_kei);
      put(7, 3, F::com_kaku);
      break;
    default:
      break;
  }
  g->勢力調査();
}

void BM_詰めかMAN(benchmark::State& state) {
  Game g;
  mate_position(g, static_cast<Mate>(state.range(0)), true);
  Int r = 0;
  for (auto _ : state) {
    r = g->詰めかMAN();
    benchmark::DoNotOptimize(r);
  }
  state.SetLabel(std::string(kMateNames[state.range(0)]) +
                 (r == F::ari ? ": mated" : ": not mated"));
}
BENCHMARK(BM_詰めかMAN)->DenseRange(0, 3)->ArgName("position");

// 詰めかCOM leaves the maps of its last trial, so each run starts from a copy of the two maps
// it reads (BM_map_restore times that copy alone).
void restore_maps(Form1& to, const Form1& from) {
  std::memcpy(to.seiryoku_man, from.seiryoku_man, sizeof to.seiryoku_man);
  std::memcpy(to.oute_com, from.oute_com, sizeof to.oute_com);
}

void BM_map_restore(benchmark::State& state) {
  Game g, fresh;
  mate_position(fresh, Mate::in_check_mated, false);
  for (auto _ : state) {
    restore_maps(*g, *fresh);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_map_restore);

void BM_詰めかCOM(benchmark::State& state) {
  Game g;
  mate_position(g, static_cast<Mate>(state.range(0)), false);
  Game fresh;
  mate_position(fresh, static_cast<Mate>(state.range(0)), false);
  Int r = 0;
  for (auto _ : state) {
    restore_maps(*g, *fresh);
    r = g->詰めかCOM();
    benchmark::DoNotOptimize(r);
  }
  state.SetLabel(std::string(kMateNames[state.range(0)]) +
                 (r == F::ari ? ": mated" : ": not mated"));
}
BENCHMARK(BM_詰めかCOM)->DenseRange(0, 3)->ArgName("position");

}  // namespace

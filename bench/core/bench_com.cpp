// Timings of the computer player over the positions of bench/com_positions.txt, per level:
// the move search alone, and a whole decision (the move, then the spell's search on the turned
// board). The waits of the computer's turn are not counted.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "shell/BoardTerms.h"
#include "shell/QuietWindow.h"
#include "support/PositionText.h"

namespace {

using F = Form1;
using Clock = std::chrono::steady_clock;

std::vector<std::string> suite() {
  std::ifstream in(LUMINAK_COM_POSITIONS);
  std::vector<std::string> positions;
  std::string line, current;
  while (std::getline(in, line)) {
    if (line.rfind("= ", 0) == 0 && !current.empty()) {
      positions.push_back(current);
      current.clear();
    }
    if (line.rfind("= ", 0) == 0 || !current.empty()) current += line + "\n";
  }
  if (!current.empty()) positions.push_back(current);
  return positions;
}

void set_up(F& f, const std::string& text, Int level) {
  std::istringstream in(text);
  std::string name;
  position_text::read(in, f, name);
  f.level = level;
  f.勢力調査();
}

// How many positions the search scores: one per legal move or drop, two where promotion is
// a free choice.
long candidates(F& f) {
  long n = 0;
  f.調査_2歩フラグ設定();
  for (Int x = 1; x <= F::ban_max; ++x)
    for (Int y = 1; y <= F::ban_max; ++y) {
      const Int c = f.ban[x][y];
      if (c < F::com_hu) continue;
      for (Int x2 = 1; x2 <= F::ban_max; ++x2)
        for (Int y2 = 1; y2 <= F::ban_max; ++y2) {
          if (f.移動チェック(x, y, x2, y2, c) != F::ari) continue;
          const bool choice =
              f.調査_駒成(x, y, x2, y2, c) == F::ari && f.移動後チェック(y2, c) == F::ari;
          n += choice ? 2 : 1;
        }
    }
  if (f.mochi_com_kei <= 0) return n;
  for (Int k = 1; k <= F::mochi_max; ++k) {
    if (f.mochi_com[k] <= 0) continue;
    for (Int x2 = 1; x2 <= F::ban_max; ++x2)
      for (Int y2 = 1; y2 <= F::ban_max; ++y2)
        n += f.移動チェック(F::mochi_com_x, board::com_hand_row(k), x2, y2,
                            position_text::kKinds[k - 1].code) == F::ari;
  }
  return n;
}

// The computer's decision as its turn makes it: the move, then the spell's target with the
// move played for the moment.
void decide(F& f, bool with_spell) {
  Int x = 0, y = 0, x2 = 0, y2 = 0, before = F::kara, after = F::kara;
  f.調査_COM打ち座標(x, y, x2, y2, before, after);
  if (!with_spell || x2 == 0) return;
  const bool drop = x == F::mochi_com_x;
  const Int captured = f.ban[x2][y2];
  if (!drop) {
    f.ban[x2][y2] = after;
    f.ban[x][y] = F::kara;
  }
  Int code = F::kara, tx = 0, ty = 0;
  f.調査_ルミナーク座標(code, tx, ty);
  if (!drop) {
    f.ban[x2][y2] = captured;
    f.ban[x][y] = before;
  }
  benchmark::DoNotOptimize(code);
}

void run(benchmark::State& state, bool with_spell) {
  const Int level = static_cast<Int>(state.range(0));
  const std::vector<std::string> positions = suite();
  QuietWindow w;
  F f(w);
  std::vector<double> seconds(positions.size(), 0);
  long scored = 0;
  for (auto _ : state) {
    double pass = 0;
    for (size_t i = 0; i < positions.size(); ++i) {
      set_up(f, positions[i], level);
      scored += candidates(f);
      set_up(f, positions[i], level);
      const auto start = Clock::now();
      decide(f, with_spell);
      const double s = std::chrono::duration<double>(Clock::now() - start).count();
      seconds[i] += s;
      pass += s;
    }
    state.SetIterationTime(pass);
  }
  const double passes = static_cast<double>(state.iterations());
  std::vector<double> each;
  double total = 0;
  for (double s : seconds) {
    each.push_back(s / passes);
    total += s;
  }
  std::sort(each.begin(), each.end());
  state.counters["median_ms"] = 1e3 * each[each.size() / 2];
  state.counters["slowest_ms"] = 1e3 * each.back();
  state.counters["positions"] = static_cast<double>(positions.size());
  if (!with_spell) state.counters["scored_per_s"] = scored / total;
}

void BM_ComSearch(benchmark::State& state) {
  run(state, false);
}
void BM_ComDecision(benchmark::State& state) {
  run(state, true);
}

BENCHMARK(BM_ComSearch)->DenseRange(1, 3)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ComDecision)->DenseRange(1, 3)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

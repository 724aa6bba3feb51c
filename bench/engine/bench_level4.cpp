// LEVEL4's search over the positions of bench/com_positions.txt, one second each: nodes a
// second (every node, quiescence included), the depth reached and the slowest decision
// against its budget. And the engine's rules against the game's over a million positions.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <fstream>
#include <string>
#include <vector>

#include "engine/Search.h"
#include "engine/form/GameState.h"
#include "shell/QuietWindow.h"
#include "support/PositionText.h"
#include "support/RulesAgreement.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr double kBudget = 1.0;  // seconds a position
constexpr long kAgreementPositions = 1000000;

std::vector<engine::Position> suite() {
  std::ifstream in(LUMINAK_COM_POSITIONS);
  QuietWindow w;
  Form1 f(w);
  std::vector<engine::Position> positions;
  std::string name;
  while (position_text::read(in, f, name)) positions.push_back(engine::from_game(f, engine::Upper));
  return positions;
}

void BM_Level4Search(benchmark::State& state) {
  const std::vector<engine::Position> positions = suite();
  engine::Search search;
  double seconds = 0, slowest = 0;
  const std::clock_t cpu_start = std::clock();
  long nodes = 0;
  int shallowest = engine::kMaxPly, depths = 0, thought = 0;
  for (auto _ : state) {
    for (const engine::Position& p : positions) {
      const auto start = Clock::now();
      const engine::Decision d = search.think(p, {kBudget, 0});
      const double s = std::chrono::duration<double>(Clock::now() - start).count();
      benchmark::DoNotOptimize(d.turn);
      seconds += s;
      slowest = std::max(slowest, s);
      nodes += d.nodes;
      if (d.score >= engine::kWinBound || d.score <= -engine::kWinBound) continue;
      // The depth of the positions where it had to think the whole second.
      ++thought;
      depths += d.depth;
      shallowest = std::min(shallowest, d.depth);
    }
  }
  state.counters["nodes_per_s"] = nodes / seconds;
  // On a machine shared with other work: the nodes a second of this process's own time.
  state.counters["nodes_per_cpu_s"] =
      nodes / (static_cast<double>(std::clock() - cpu_start) / CLOCKS_PER_SEC);
  state.counters["depth_mean"] = static_cast<double>(depths) / thought;
  state.counters["depth_min"] = shallowest;
  state.counters["slowest_ms"] = 1e3 * slowest;
  state.counters["over_budget_ms"] = 1e3 * (slowest - kBudget);
  state.counters["table_mb"] = static_cast<double>(search.table_bytes()) / (1 << 20);
  state.counters["positions"] = static_cast<double>(positions.size());
}
BENCHMARK(BM_Level4Search)->Iterations(1)->Unit(benchmark::kSecond);

void BM_RulesAgreement(benchmark::State& state) {
  QuietWindow w;
  Form1 f(w);
  rules_agreement::Report r;
  engine::Search search(1 << 20);
  auto chooser = [&search](const engine::Position& p) { return search.think(p, {0, 300}).turn; };
  for (auto _ : state) r = rules_agreement::compare(f, state.range(0), 1, chooser);
  state.counters["positions"] = static_cast<double>(r.positions);
  state.counters["moves"] = static_cast<double>(r.moves);
  state.counters["mismatches"] = static_cast<double>(r.mismatches);
  if (r.mismatches > 0) state.SkipWithError(r.first.c_str());
}
BENCHMARK(BM_RulesAgreement)->Arg(kAgreementPositions)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

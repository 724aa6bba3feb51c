// Workers take the positions in turn; each result goes to its position's place, so the order
// of the work never changes the answer.
#include "engine/Analysis.h"

#include <algorithm>
#include <mutex>
#include <thread>

namespace engine {

namespace {

// The game's pieces of each kind, both sides together, by unpromoted kind.
constexpr int kSet[KindCount] = {0, 18, 4, 4, 4, 4, 2, 2, 2};

// The latest positions of a side that each position remembers: going round happens within a
// few moves, and a record of many thousand plies keeps its memory within bounds.
constexpr std::size_t kHistoryKept = 64;

}  // namespace

std::vector<AnalysisPosition> with_history(const std::vector<Position>& game) {
  std::vector<AnalysisPosition> out;
  out.reserve(game.size());
  std::vector<std::uint64_t> seen[2];  // each side's positions so far
  for (const Position& p : game) {
    const std::vector<std::uint64_t>& mine = seen[p.side];
    const std::size_t from = mine.size() - std::min(mine.size(), kHistoryKept);
    out.push_back(
        {p, std::vector<std::uint64_t>(mine.begin() + static_cast<long>(from), mine.end())});
    seen[p.side].push_back(p.key_without_spell());
  }
  return out;
}

bool of_the_game(const Position& p) {
  int count[KindCount] = {};
  int kings[2] = {};
  for (int sq = kFirstSquare; sq <= kLastSquare; ++sq) {
    const Piece pc = p.board[sq];
    if (!is_piece(pc)) continue;
    ++count[unpromoted(kind_of(pc))];
    kings[side_of(pc)] += kind_of(pc) == King;
  }
  for (int k = Pawn; k <= kHandKinds; ++k) count[k] += p.hand[Upper][k] + p.hand[Lower][k];
  for (int k = Pawn; k < KindCount; ++k)
    if (count[k] > kSet[k]) return false;
  return kings[Upper] <= 1 && kings[Lower] <= 1;
}

int plies_to_win(int score) {
  if (score >= kWinBound) return kWin - score + 1;
  if (score <= -kWinBound) return -(kWin + score + 1);
  return 0;
}

std::vector<PositionScore> Analysis::run(const std::vector<AnalysisPosition>& positions,
                                         const AnalysisSettings& settings,
                                         const Progress& progress) {
  const int total = static_cast<int>(positions.size());
  std::vector<PositionScore> scores(positions.size());
  std::atomic<int> next{0};
  std::mutex report;
  auto work = [&] {
    Search search(settings.table_bytes);
    search.set_stop(&cancelled_);
    for (int i = next++; i < total && !cancelled_; i = next++) {
      const AnalysisPosition& a = positions[static_cast<std::size_t>(i)];
      if (of_the_game(a.position)) {
        const Decision d = search.think(a.position, settings.limits, a.earlier);
        if (cancelled_) break;
        const int sign = a.position.side == Lower ? 1 : -1;
        PositionScore& s = scores[static_cast<std::size_t>(i)];
        s.scored = true;
        s.score = sign * d.score;
        s.win_plies = sign * plies_to_win(d.score);
        s.best = d.turn;
        s.depth = d.depth;
        s.nodes = d.nodes;
      }
      const int now = ++done_;
      if (progress) {
        const std::lock_guard<std::mutex> one_at_a_time(report);
        progress(now, total);
      }
    }
  };
  const int workers = std::clamp(settings.workers, 1, std::max(total, 1));
  std::vector<std::thread> threads;
  for (int w = 1; w < workers; ++w) threads.emplace_back(work);
  work();
  for (std::thread& t : threads) t.join();
  return scores;
}

}  // namespace engine

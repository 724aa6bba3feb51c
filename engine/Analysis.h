// Scores of a game's positions, each searched as LEVEL4 searches, on worker threads that each
// have their own search and table. It can be cancelled from another thread, and tells how many
// positions are done.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "engine/Search.h"

namespace engine {

struct AnalysisPosition {
  Position position;
  // The keys without spell of the game's earlier positions with the same side to move (the
  // latest few dozen of them will do).
  std::vector<std::uint64_t> earlier;
};

// Each position of a game with the latest earlier positions of its side to move.
std::vector<AnalysisPosition> with_history(const std::vector<Position>& game);

// A position holds no more pieces of each kind than the game's forty, and a king at most on
// each side: only such positions are scored.
bool of_the_game(const Position& p);

struct PositionScore {
  bool scored = false;  // false when cancelled first, or not a position of the game
  int score = 0;        // from the lower side's view
  // A king's capture found: the plies to it, the capture counted; more than 0 when the lower
  // side takes, less than 0 when the upper side does; 0 when none was found.
  int win_plies = 0;
  Move best;  // the side to move's turn, its spell included; empty when it has no move
  int depth = 0;
  long nodes = 0;
};

// The plies to the capture of a king in a search score for the side to move (0 if none).
int plies_to_win(int score);

struct AnalysisSettings {
  static constexpr std::size_t kTableBytes = 16u << 20;
  static constexpr double kSeconds = 0.2;

  Limits limits{kSeconds, 0};
  int workers = 2;
  std::size_t table_bytes = kTableBytes;  // each worker's
};

class Analysis {
 public:
  // Called with the positions done so far, from the worker that finished one, one at a time.
  using Progress = std::function<void(int done, int total)>;

  // Scores every position; returns when all are done or the analysis is cancelled.
  std::vector<PositionScore> run(const std::vector<AnalysisPosition>& positions,
                                 const AnalysisSettings& settings, const Progress& progress = {});

  // From any thread: the running or next run stops as soon as it can.
  void cancel() { cancelled_ = true; }
  bool cancelled() const { return cancelled_; }
  int done() const { return done_; }

 private:
  std::atomic<bool> cancelled_{false};
  std::atomic<int> done_{0};
};

}  // namespace engine

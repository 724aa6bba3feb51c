// The searching player: iterative deepening alpha-beta over turns (a spell, then a move), with
// a transposition table, move ordering, a quiescence search over captures, and the capture of
// the king as the win.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <vector>

#include "engine/Moves.h"
#include "engine/TranspositionTable.h"

namespace engine {

// A decision's bounds. With a node or depth limit the search never reads the clock, so the
// same position always gets the same decision; without one it thinks for `seconds`.
struct Limits {
  double seconds = 1.0;
  long nodes = 0;
  int depth = 0;     // iterations at most; 0 for no limit
  bool lazy = true;  // a score far outside the bounds on material and king safety is not
                     // looked at closer (off: influence is weighed in every position)
};

// A weaker player's spread: each root turn's score gets a bonus of 0 to `margin`, drawn from
// `seed`, the position and the move, so that any turn within `margin` of the best may be
// chosen, always the same for the same seed. A margin of 0 is the full strength.
struct Spread {
  int margin = 0;
  std::uint64_t seed = 0;
};

struct Decision {
  Move turn;           // empty when the side to move has no move at all
  int score = 0;       // for the side to move
  int depth = 0;       // the deepest search completed
  long nodes = 0;      // every node visited, quiescence included
  double seconds = 0;  // thinking time
};

// Scores of the won game: the sooner the king falls, the higher.
constexpr int kWin = 30000;
constexpr int kMaxPly = 100;
constexpr int kWinBound = kWin - kMaxPly;  // any score beyond this is a win found

// A won or lost score as the table keeps it: counted from the node that stored it, not from the
// root, so that another node reaching the same position at another ply reads its own distance.
int to_table(int score, int ply);
int from_table(int score, int ply);

class Search {
 public:
  explicit Search(std::size_t table_bytes = TranspositionTable::kDefaultBytes);

  // Called now and then while thinking (every `every` seconds at most often), so that the
  // caller can keep its window and clock alive.
  void set_keep_alive(std::function<void()> call, double every);

  // While `*flag` is set (from another thread) the search stops as if its budget were spent.
  void set_stop(const std::atomic<bool>* flag) { stop_ = flag; }
  void set_spread(Spread s) { spread_ = s; }

  // `earlier`: the keys without spell (`key_without_spell`) of the game's earlier positions with
  // the same side to move. Going back to one of them counts against that side, the more the more
  // often it has been there, so that it does not go round in circles, whatever spells the
  // opponent casts meanwhile.
  Decision think(const Position& root, const Limits& limits,
                 const std::vector<std::uint64_t>& earlier = {});
  std::size_t table_bytes() const { return table_.bytes(); }

  // The earlier positions as `think` takes them, with `side` to move at the root, and how often
  // a position met in the search has been there (0 for the other side's positions). Public for
  // the tests; `earlier` must outlive the search.
  void remember(Side side, const std::vector<std::uint64_t>& earlier);
  int times_seen(const Position& p) const;

 private:
  using Clock = std::chrono::steady_clock;

  // What a node knows while its moves are tried.
  struct Node {
    int alpha, beta, old_alpha, depth, ply;
    bool pv;
    int best;
    Move best_turn, table_move;
    int first_spell;
  };

  int search(const Position& p, int alpha, int beta, int depth, int ply);
  bool try_move(const Position& p, Move m, int i, bool quiet_late, Node& n);
  int quiesce(const Position& p, int alpha, int beta, int ply);
  bool settled(const Position& p, int ply, int& score);
  bool out_of_time();
  bool clock_free() const { return limits_.nodes > 0 || limits_.depth > 0; }
  int judge(const Position& p, int alpha, int beta) const;
  void keep_alive_if_due();
  int spell_for(const Position& p, int ply) const;
  int refuter_place(const Position& p, int ply) const;
  int root_bonus(const Position& p, Move m) const;
  int order_score(const Position& p, Move m, Move table_move, int ply) const;
  void reward(const Position& p, Move m, int depth, int ply);

  TranspositionTable table_;
  Limits limits_;
  Clock::time_point start_, last_call_;
  std::function<void()> keep_alive_;
  double keep_alive_every_ = 0;
  long nodes_ = 0;
  bool stopped_ = false;
  const std::atomic<bool>* stop_ = nullptr;
  Spread spread_;
  Move killers_[kMaxPly][2];
  Move refutation_[kMaxPly + 1];  // the best reply found at each ply, for the spell against it
  int last_spell_[kMaxPly];       // the spell of the last best turn at each ply
  int history_[2][kPieceCodes][kCells];

  Move root_best_;
  Side root_side_ = Upper;
  const std::vector<std::uint64_t>* earlier_ = nullptr;
  std::uint64_t earlier_bits_ = 0;  // one bit for each earlier key's low six bits
  int root_score_ = 0;
};

}  // namespace engine

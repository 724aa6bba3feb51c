// Iterative deepening principal-variation search. A turn is a spell and a move: each move is
// tried with one spell first (the one the table remembers, or one aimed at what threatens the
// mover), and when the opponent's best reply still refutes it, again with the spell on the
// piece that made that reply.
#include "engine/Search.h"

#include <algorithm>
#include <cstring>
#include <functional>

#include "engine/Evaluate.h"
#include "engine/Values.h"

namespace engine {

namespace {

constexpr int kInfinite = kWin + 1;
constexpr int kMaxDepth = 64;

// Move ordering, from the first tried to the last.
constexpr int kTableMoveOrder = 1 << 30;
constexpr int kCaptureOrder = 1 << 24;
constexpr int kPromotionOrder = 1 << 22;
constexpr int kKillerOrder[2] = {1 << 21, 1 << 20};
constexpr int kHistoryLimit = 1 << 19;

// Spells tried again against the refuting piece: how often, and for which moves.
constexpr int kRootRetries = 3;
constexpr int kDeepRetries = 2, kShallowRetries = 1, kDeepFrom = 3;
constexpr int kRetriedMoves = 6;  // the first moves at a node; captures and lost turns always

// Late quiet moves are searched one ply shallower first.
constexpr int kReduceFromDepth = 3, kReduceFromMove = 4;

// A side doing well enough to pass and still be above beta is not searched deeper: the pass
// is searched this much shallower (more the deeper it goes).
constexpr int kNullFromDepth = 3, kNullReduction = 2, kNullDepthShare = 6;

// Going back to a position of the game's past costs the side this much for every time it has
// been there, so that a side going round breaks out in the end even from a position it thinks
// it is losing (the game has no repetition rule: going round never ends the game).
constexpr int kRepetitionCost = 60;
constexpr int kRepetitionCostLimit = 2000;
constexpr int kLowBits = 63;

// Moves are picked best first one by one for the first few; the rest are sorted at once.
constexpr int kPickedMoves = 6;

// A capture that, even winning the piece, leaves the score this far below alpha is skipped.
constexpr int kDeltaMargin = 200;

// Time: the clock is read every this many nodes; a new iteration starts only while less than
// this share of the budget is spent.
constexpr long kClockEvery = 1024;
constexpr long kKeepAliveEvery = 4096;  // with a node limit, the caller is called this often
constexpr double kNewIterationShare = 0.45;
// The search stops this much before the budget ends (at most this share of it), so that
// putting the decision together and a busy machine still keep it within the budget.
constexpr double kStopEarly = 0.03, kStopEarlyShare = 0.25;

constexpr int kSeedMoveShift = 17;  // where the move's bits enter the spread's hash

int capture_gain(Piece victim) {
  const Kind k = kind_of(victim);
  return kBoardValue[k] + (k == King ? 0 : kHandValue[unpromoted(k)]);
}

// The spell may fall there: a piece or hand kind of the side not to move.
bool spell_target(const Position& p, int place) {
  const Side o = opposite(p.side);
  if (place == kNoPlace) return false;
  if (is_hand_place(place)) return p.hand[o][place - kHandPlace] > 0;
  return is_piece(p.board[place]) && side_of(p.board[place]) == o;
}

bool is_capture(const Position& p, Move m) {
  return !m.is_drop() && is_piece(p.board[m.to()]);
}

// A remembered move can still be played here: the table may hold another position's move.
bool playable(const Position& p, Move m) {
  if (m.empty() || !on_board(m.to())) return false;
  const Piece at = p.board[m.to()];
  if (is_piece(at) && side_of(at) == p.side) return false;
  if (m.is_drop())
    return m.drop_kind() <= kHandKinds && at == kEmpty && p.hand[p.side][m.drop_kind()] > 0 &&
           !p.sealed(m.from());
  if (!on_board(m.from())) return false;
  const Piece pc = p.board[m.from()];
  return is_piece(pc) && side_of(pc) == p.side && !p.sealed(m.from());
}

Piece moving_piece(const Position& p, Move m) {
  return m.is_drop() ? make_piece(p.side, m.drop_kind()) : p.board[m.from()];
}

}  // namespace

int to_table(int score, int ply) {
  return score >= kWinBound ? score + ply : score <= -kWinBound ? score - ply : score;
}
int from_table(int score, int ply) {
  return score >= kWinBound ? score - ply : score <= -kWinBound ? score + ply : score;
}

Search::Search(std::size_t table_bytes) : table_(table_bytes) {}

void Search::set_keep_alive(std::function<void()> call, double every) {
  keep_alive_ = std::move(call);
  keep_alive_every_ = every;
}

void Search::keep_alive_if_due() {
  const Clock::time_point now = Clock::now();
  if (keep_alive_ && std::chrono::duration<double>(now - last_call_).count() >= keep_alive_every_) {
    keep_alive_();
    last_call_ = Clock::now();
  }
}

bool Search::out_of_time() {
  if (stopped_) return true;
  if (stop_ != nullptr && nodes_ % kClockEvery == 0 && stop_->load(std::memory_order_relaxed))
    stopped_ = true;
  if (clock_free()) {
    if (limits_.nodes > 0 && nodes_ >= limits_.nodes) stopped_ = true;
    if (nodes_ % kKeepAliveEvery == 0 && keep_alive_) keep_alive_();
    return stopped_;
  }
  if (nodes_ % kClockEvery != 0) return false;
  keep_alive_if_due();
  const double stop = limits_.seconds - std::min(kStopEarly, kStopEarlyShare * limits_.seconds);
  if (std::chrono::duration<double>(Clock::now() - start_).count() >= stop) stopped_ = true;
  return stopped_;
}

// The spell a turn casts first: on a piece that attacks the mover's king, else the one that
// served best at this ply lately, else on the opponent's strongest piece.
int Search::spell_for(const Position& p, int ply) const {
  const Side o = opposite(p.side);
  int attacker = 0;
  if (p.king[p.side] != 0 && attackers(p, o, p.king[p.side], 1, &attacker) > 0) return attacker;
  if (spell_target(p, last_spell_[ply])) return last_spell_[ply];
  int strongest = p.king[o], value = -1;
  for (int sq = kFirstSquare; sq <= kLastSquare; ++sq) {
    const Piece pc = p.board[sq];
    if (is_piece(pc) && side_of(pc) == o && kind_of(pc) != King &&
        kBoardValue[kind_of(pc)] > value) {
      value = kBoardValue[kind_of(pc)];
      strongest = sq;
    }
  }
  return strongest;
}

// Where the opponent's best reply at the next ply came from, as a spell's target.
int Search::refuter_place(const Position& p, int ply) const {
  const Move r = refutation_[ply + 1];
  if (r.empty()) return kNoPlace;
  const int place = r.is_drop() ? hand_place(r.drop_kind()) : r.from();
  return spell_target(p, place) ? place : kNoPlace;
}

// The spread's bonus for a root turn: the same for the same seed, position and move, whatever
// spell goes with it.
int Search::root_bonus(const Position& p, Move m) const {
  if (spread_.margin <= 0) return 0;
  // splitmix64's finaliser over the seed, the position and the move.
  std::uint64_t h = spread_.seed ^ p.key ^ (std::uint64_t{m.plain().bits} << kSeedMoveShift);
  h = (h ^ (h >> 30)) * 0xBF58476D1CE4E5B9ull;
  h = (h ^ (h >> 27)) * 0x94D049BB133111EBull;
  h ^= h >> 31;
  return static_cast<int>(h % static_cast<std::uint64_t>(spread_.margin + 1));
}

int Search::order_score(const Position& p, Move m, Move table_move, int ply) const {
  if (!table_move.empty() && m == table_move.plain()) return kTableMoveOrder;
  const Piece mover = moving_piece(p, m);
  if (is_capture(p, m))
    return kCaptureOrder + capture_gain(p.board[m.to()]) * 8 - kBoardValue[kind_of(mover)] / 8 +
           (m.promotes() ? kBoardValue[promoted(kind_of(mover))] : 0);
  if (m.promotes()) return kPromotionOrder + kBoardValue[promoted(kind_of(mover))];
  if (m == killers_[ply][0]) return kKillerOrder[0];
  if (m == killers_[ply][1]) return kKillerOrder[1];
  return history_[p.side][mover][m.to()];
}

// A quiet move that cut the search off is tried early elsewhere.
void Search::reward(const Position& p, Move m, int depth, int ply) {
  if (is_capture(p, m) || m.promotes()) return;
  if (!(killers_[ply][0] == m)) {
    killers_[ply][1] = killers_[ply][0];
    killers_[ply][0] = m;
  }
  int& h = history_[p.side][moving_piece(p, m)][m.to()];
  h = std::min(h + depth * depth, kHistoryLimit);
}

// Every node starts here: it is counted, a king that can be taken is the win, and the time or
// the nodes may be spent. True, with the node's score, when that settles the node.
bool Search::settled(const Position& p, int ply, int& score) {
  ++nodes_;
  refutation_[ply] = Move{};
  if (const int from = king_attacker(p)) {
    refutation_[ply] = Move::make(from, p.king[opposite(p.side)]);
    score = kWin - ply;
    return true;
  }
  score = 0;
  return out_of_time();
}

int Search::judge(const Position& p, int alpha, int beta) const {
  return limits_.lazy ? evaluate(p, alpha, beta) : evaluate(p, -kInfinite, kInfinite);
}

int Search::quiesce(const Position& p, int alpha, int beta, int ply) {
  if (int score; settled(p, ply, score)) return score;
  const int stand = judge(p, alpha, beta);
  if (stand >= beta || ply >= kMaxPly - 1) return stand;
  alpha = std::max(alpha, stand);

  MoveList list;
  generate(p, Generate::Captures, list);
  int order[MoveList::kCapacity];
  for (int i = 0; i < list.count; ++i) order[i] = order_score(p, list.moves[i], Move{}, ply);
  int best = stand;
  for (int i = 0; i < list.count; ++i) {
    const int pick = static_cast<int>(std::max_element(order + i, order + list.count) - order);
    std::swap(order[i], order[pick]);
    std::swap(list.moves[i], list.moves[pick]);
    const Move m = list.moves[i];
    if (stand + capture_gain(p.board[m.to()]) + kDeltaMargin <= alpha) continue;
    const int score = -quiesce(p.after(m), -beta, -alpha, ply + 1);
    if (stopped_) return 0;
    if (score > best) {
      best = score;
      refutation_[ply] = m;
      alpha = std::max(alpha, score);
      if (alpha >= beta) break;
    }
  }
  return best;
}

// One move at a node with its spells: the first, then against the piece that refuted it.
// Returns true when the node is done (a cut-off, or time is up).
bool Search::try_move(const Position& p, Move m, int i, bool quiet_late, Node& n) {
  const bool quiet = !is_capture(p, m) && !m.promotes();
  const bool remembered =
      !n.table_move.empty() && m == n.table_move.plain() && spell_target(p, n.table_move.seal());
  int spell = remembered ? n.table_move.seal() : n.first_spell;
  int retries = n.ply == 0 ? kRootRetries
                : i < kRetriedMoves || !quiet
                    ? (n.depth >= kDeepFrom ? kDeepRetries : kShallowRetries)
                    : 0;
  int tried[kRootRetries + 1] = {spell};
  int n_tried = 1;
  const int depth = n.depth, ply = n.ply;
  // The turn is searched against bounds lowered by its bonus, and the bonus added after.
  const int bonus = ply == 0 ? root_bonus(p, m) : 0;
  for (;;) {
    const Position child = p.after(m.with_seal(spell));
    const bool reduce = depth >= kReduceFromDepth && i >= kReduceFromMove && quiet && quiet_late &&
                        !n.pv && n_tried == 1;
    const int alpha = n.alpha - bonus, beta = n.beta - bonus;
    int score;
    if (i == 0 && n_tried == 1) {
      score = -search(child, -beta, -alpha, depth - 1, ply + 1);
    } else {
      score = -search(child, -alpha - 1, -alpha, depth - 1 - reduce, ply + 1);
      if (score > alpha && reduce) score = -search(child, -alpha - 1, -alpha, depth - 1, ply + 1);
      if (score > alpha && score < beta) score = -search(child, -beta, -alpha, depth - 1, ply + 1);
    }
    if (stopped_) return true;
    const bool lost = score <= -kWinBound;
    score += bonus;
    if (score > n.best) {
      n.best = score;
      n.best_turn = m.with_seal(spell);
      if (ply == 0) {
        root_best_ = n.best_turn;
        root_score_ = n.best;
      }
    }
    n.alpha = std::max(n.alpha, score);
    if (n.alpha >= n.beta) return true;
    // Still refuted, or a better spell may do more: aim it at the piece that replied.
    if (score > n.old_alpha && !n.pv) return false;
    if (retries-- <= 0 && !lost) return false;
    const int other = refuter_place(p, ply);
    if (other == kNoPlace || std::find(tried, tried + n_tried, other) != tried + n_tried ||
        n_tried > kRootRetries)
      return false;
    spell = other;
    tried[n_tried++] = spell;
  }
}

void Search::remember(Side side, const std::vector<std::uint64_t>& earlier) {
  root_side_ = side;
  earlier_ = &earlier;
  earlier_bits_ = 0;
  for (const std::uint64_t key : earlier) earlier_bits_ |= 1ull << (key & kLowBits);
}

int Search::times_seen(const Position& p) const {
  if (p.side != root_side_) return 0;
  const std::uint64_t key = p.key_without_spell();
  if (!(earlier_bits_ >> (key & kLowBits) & 1)) return 0;
  return static_cast<int>(std::count(earlier_->begin(), earlier_->end(), key));
}

int Search::search(const Position& p, int alpha, int beta, int depth, int ply) {
  if (depth <= 0 || ply >= kMaxPly - 1) return quiesce(p, alpha, beta, ply);
  if (int score; settled(p, ply, score)) return score;
  if (const int times = ply > 0 ? times_seen(p) : 0)
    return -std::min(times * kRepetitionCost, kRepetitionCostLimit);

  Node n{alpha, beta, alpha, depth, ply, beta - alpha > 1, -kInfinite, Move{}, Move{}, 0};
  if (const TableEntry* e = table_.probe(p.key)) {
    const int s = from_table(e->score, ply);
    if (!n.pv && ply > 0 && e->depth >= depth && answers(*e, s, alpha, beta)) {
      refutation_[ply] = Move{e->move};
      return s;
    }
    if (playable(p, Move{e->move})) n.table_move = Move{e->move};
  }
  // The pass: when even it leaves the side above beta, the node is cut. Otherwise the
  // opponent's reply to it is the threat, and the first spell falls on its piece.
  int threat = kNoPlace;
  if (!n.pv && ply > 0 && depth >= kNullFromDepth && p.king[p.side] != 0 &&
      !attacked(p.passed(), opposite(p.side), p.king[p.side]) && judge(p, beta - 1, beta) >= beta) {
    const int r = kNullReduction + depth / kNullDepthShare;
    const int score = -search(p.passed(), -beta, -beta + 1, depth - 1 - r, ply + 1);
    if (stopped_) return 0;
    if (score >= beta) return score >= kWinBound ? beta : score;
    threat = refuter_place(p, ply);
  }
  n.first_spell = threat != kNoPlace ? threat : spell_for(p, ply);

  // The remembered move first: when it cuts off, nothing else is generated.
  bool done = !n.table_move.empty() && try_move(p, n.table_move.plain(), 0, false, n);
  if (!done) {
    MoveList list;
    generate(p, Generate::Search, list);
    if (list.count == 0) return -(kWin - ply);  // no move at all loses
    std::int64_t ordered[MoveList::kCapacity];  // order score, then the move
    for (int i = 0; i < list.count; ++i)
      ordered[i] = static_cast<std::int64_t>(order_score(p, list.moves[i], n.table_move, ply))
                       << 32 |
                   list.moves[i].bits;
    const int first = n.table_move.empty() ? 0 : 1;
    for (int i = 0; i < list.count && !done; ++i) {
      if (i < kPickedMoves)
        std::swap(ordered[i], *std::max_element(ordered + i, ordered + list.count));
      else if (i == kPickedMoves)
        std::sort(ordered + i, ordered + list.count, std::greater<>());
      const int order = static_cast<int>(ordered[i] >> 32);
      if (order == kTableMoveOrder) continue;  // tried already
      const Move m{static_cast<std::uint32_t>(ordered[i])};
      done = try_move(p, m, i + first, order < kKillerOrder[1], n);
    }
  }
  if (stopped_) return 0;

  if (n.best >= beta) {
    reward(p, n.best_turn.plain(), depth, ply);
    last_spell_[ply] = n.best_turn.seal();
  }
  refutation_[ply] = n.best_turn;
  table_.store(p.key, n.best_turn, to_table(n.best, ply), depth,
               bound_of(n.best, n.old_alpha, beta));
  return n.best;
}

Decision Search::think(const Position& root, const Limits& limits,
                       const std::vector<std::uint64_t>& earlier) {
  limits_ = limits;
  remember(root.side, earlier);
  start_ = last_call_ = Clock::now();
  nodes_ = 0;
  stopped_ = false;
  table_.new_search();
  std::memset(killers_, 0, sizeof killers_);
  std::memset(history_, 0, sizeof history_);
  std::fill(std::begin(last_spell_), std::end(last_spell_), kNoPlace);
  auto elapsed = [this] { return std::chrono::duration<double>(Clock::now() - start_).count(); };

  Decision d;
  MoveList list;
  generate(root, Generate::Search, list);
  if (list.count == 0) return d;
  if (const int from = king_attacker(root)) {
    d.turn = Move::make(from, root.king[opposite(root.side)]);
    d.score = kWin;
    return d;
  }
  root_best_ = list.moves[0].with_seal(spell_for(root, 0));
  for (int depth = 1; depth <= kMaxDepth; ++depth) {
    search(root, -kInfinite, kInfinite, depth, 0);
    if (stopped_) break;
    if (!clock_free()) keep_alive_if_due();
    d.depth = depth;
    d.score = root_score_;
    if (list.count == 1 || root_score_ >= kWinBound || depth == limits_.depth) break;
    if (!clock_free() && elapsed() > limits_.seconds * kNewIterationShare) break;
  }
  d.turn = root_best_;
  d.nodes = nodes_;
  d.seconds = elapsed();
  return d;
}

}  // namespace engine

// Move generation and attacks on the padded board.
#include "engine/Moves.h"

namespace engine {

namespace {

// Directions as the upper side sees them; the lower side's are the same turned round.
constexpr int kF = kStride;  // forward for the upper side
constexpr int kB = -kStride;
constexpr int kL = -1, kR = 1;

struct Motion {
  int steps[8] = {};
  int n_steps = 0;
  int slides[8] = {};
  int n_slides = 0;
};

constexpr Motion upper_motion(Kind k) {
  constexpr Motion gold{{kF + kL, kF, kF + kR, kL, kR, kB}, 6, {}, 0};
  switch (k) {
    case Pawn:
      return {{kF}, 1, {}, 0};
    case Lance:
      return {{}, 0, {kF}, 1};
    case Knight:
      return {{2 * kF + kL, 2 * kF + kR}, 2, {}, 0};
    case Silver:
      return {{kF + kL, kF, kF + kR, kB + kL, kB + kR}, 5, {}, 0};
    case Gold:
    case ProPawn:
    case ProLance:
    case ProKnight:
    case ProSilver:
      return gold;
    case Bishop:
      return {{}, 0, {kF + kL, kF + kR, kB + kL, kB + kR}, 4};
    case Rook:
      return {{}, 0, {kF, kB, kL, kR}, 4};
    case King:
      return {{kF + kL, kF, kF + kR, kL, kR, kB + kL, kB, kB + kR}, 8, {}, 0};
    case Horse:
      return {{kF, kB, kL, kR}, 4, {kF + kL, kF + kR, kB + kL, kB + kR}, 4};
    case Dragon:
      return {{kF + kL, kF + kR, kB + kL, kB + kR}, 4, {kF, kB, kL, kR}, 4};
    default:
      return {};
  }
}

// Every offset a step can take, and every line direction, for the reverse look-up of attacks.
constexpr int kStepOffsets[] = {kF + kL,     kF,          kF + kR,     kL,
                                kR,          kB + kL,     kB,          kB + kR,
                                2 * kF + kL, 2 * kF + kR, 2 * kB + kL, 2 * kB + kR};
constexpr int kLineOffsets[] = {kF + kL, kF, kF + kR, kL, kR, kB + kL, kB, kB + kR};
constexpr int kStepCount = static_cast<int>(std::size(kStepOffsets));
constexpr int kLineCount = static_cast<int>(std::size(kLineOffsets));

struct Tables {
  Motion motion[kPieceCodes];
  unsigned step_mask[kPieceCodes];  // bit i: the piece steps by kStepOffsets[i]
  unsigned line_mask[kPieceCodes];  // bit i: the piece slides along kLineOffsets[i]
  bool lands[2][kPieceCodes];       // a piece of the side may move onto a cell holding this

  constexpr Tables() : motion(), step_mask(), line_mask(), lands() {
    for (int s = Upper; s <= Lower; ++s) {
      for (int k = Pawn; k < KindCount; ++k) {
        Motion m = upper_motion(static_cast<Kind>(k));
        if (s == Lower) {
          for (int i = 0; i < m.n_steps; ++i) m.steps[i] = -m.steps[i];
          for (int i = 0; i < m.n_slides; ++i) m.slides[i] = -m.slides[i];
        }
        const Piece p = make_piece(static_cast<Side>(s), static_cast<Kind>(k));
        motion[p] = m;
        for (int i = 0; i < m.n_steps; ++i)
          for (int j = 0; j < kStepCount; ++j)
            if (kStepOffsets[j] == m.steps[i]) step_mask[p] |= 1u << j;
        for (int i = 0; i < m.n_slides; ++i)
          for (int j = 0; j < kLineCount; ++j)
            if (kLineOffsets[j] == m.slides[i]) line_mask[p] |= 1u << j;
      }
      for (int c = 0; c < kPieceCodes; ++c)
        lands[s][c] =
            c == kEmpty || (is_piece(static_cast<Piece>(c)) && side_of(static_cast<Piece>(c)) != s);
    }
  }
};
constexpr Tables kTables;

// The squares each piece attacks by its steps, from each square; pieces that step alike
// share a row.
struct StepSets {
  static constexpr int kRows = 16;
  std::uint8_t row[kPieceCodes] = {};
  SquareSet of[kRows][kLastSquare - kFirstSquare + 1];
  constexpr StepSets() : of() {
    int rows = 1;  // row 0: no steps
    for (int pc = 0; pc < kPieceCodes; ++pc) {
      const Motion& m = kTables.motion[pc];
      if (m.n_steps == 0) continue;
      for (int r = 1; r < rows && row[pc] == 0; ++r) {
        const Motion& other = kTables.motion[first_of_row(r)];
        bool same = other.n_steps == m.n_steps;
        for (int i = 0; same && i < m.n_steps; ++i) same = other.steps[i] == m.steps[i];
        if (same) row[pc] = static_cast<std::uint8_t>(r);
      }
      if (row[pc] != 0) continue;
      row[pc] = static_cast<std::uint8_t>(rows++);
      for (int from = kFirstSquare; from <= kLastSquare; ++from)
        for (int i = 0; i < m.n_steps; ++i)
          if (on_board(from) && on_board(from + m.steps[i]))
            of[row[pc]][from - kFirstSquare] |= SquareSet::of(from + m.steps[i]);
    }
  }
  constexpr int first_of_row(int r) const {
    for (int pc = 0; pc < kPieceCodes; ++pc)
      if (row[pc] == r) return pc;
    return 0;
  }
  constexpr SquareSet at(Piece pc, int from) const { return of[row[pc]][from - kFirstSquare]; }
};
constexpr StepSets kStepSets;

constexpr bool mine(Piece p, Side s) {
  return is_piece(p) && side_of(p) == s;
}

// A board move from one square to another, with and without promotion as allowed.
inline void add_board_move(Side s, Kind k, int from, int to, Generate what, MoveList& out) {
  if (!may_promote(s, k, from, to)) {
    out.add(Move::make(from, to));
    return;
  }
  out.add(Move::make(from, to, true));
  const bool dominated = k == Pawn || k == Bishop || k == Rook;
  if (!stuck(s, k, to) && (what == Generate::All || (what == Generate::Search && !dominated)))
    out.add(Move::make(from, to));
}

void add_drops(const Position& p, MoveList& out) {
  const Side s = p.side;
  for (int k = Pawn; k <= kHandKinds; ++k) {
    if (p.hand[s][k] == 0 || p.sealed(hand_place(k))) continue;
    const Kind kind = static_cast<Kind>(k);
    const int from = hand_place(k);
    for (int sq = kFirstSquare; sq <= kLastSquare; ++sq) {
      if (p.board[sq] != kEmpty || stuck(s, kind, sq)) continue;
      if (kind == Pawn && p.pawns[s][file_of(sq)] > 0) continue;
      out.add(Move::make(from, sq));
    }
  }
}

}  // namespace

bool stuck(Side s, Kind k, int to) {
  const int r = relative_rank(s, to);
  return ((k == Pawn || k == Lance) && r == kRanks) || (k == Knight && r >= kRanks - 1);
}

bool may_promote(Side s, Kind k, int from, int to) {
  if (!promotable(k)) return false;
  if (relative_rank(s, to) >= kZoneRank) return true;
  return (k == Silver || k == Bishop || k == Rook) && relative_rank(s, from) >= kZoneRank;
}

void generate(const Position& p, Generate what, MoveList& out) {
  const Side s = p.side;
  const bool captures = what == Generate::Captures;
  const bool* lands = kTables.lands[s];
  p.occupied[s].each([&](int from) {
    const Piece pc = p.board[from];
    if (p.sealed(from)) return;
    const Kind k = kind_of(pc);
    const Motion& m = kTables.motion[pc];
    for (int i = 0; i < m.n_steps; ++i) {
      const int to = from + m.steps[i];
      const Piece t = p.board[to];
      if (lands[t] && (!captures || t != kEmpty)) add_board_move(s, k, from, to, what, out);
    }
    for (int i = 0; i < m.n_slides; ++i) {
      const int d = m.slides[i];
      int to = from + d;
      for (; p.board[to] == kEmpty; to += d)
        if (!captures) add_board_move(s, k, from, to, what, out);
      if (lands[p.board[to]]) add_board_move(s, k, from, to, what, out);
    }
  });
  if (!captures) add_drops(p, out);
}

void control(const Position& p, Control& out) {
  out = Control{};
  for (const Side s : {Upper, Lower})
    p.occupied[s].each([&](int from) {
      const Piece pc = p.board[from];
      if (kind_of(pc) == King || p.sealed(from)) return;
      SquareSet attacks = kStepSets.at(pc, from);
      const Motion& m = kTables.motion[pc];
      if (m.n_slides > 0) {
        SquareSet line;
        for (int i = 0; i < m.n_slides; ++i) {
          const int d = m.slides[i];
          int to = from + d;
          for (; p.board[to] == kEmpty; to += d) line |= SquareSet::of(to);
          if (p.board[to] != kWall) line |= SquareSet::of(to);
        }
        out.reach[s][kind_of(pc)] += static_cast<std::uint8_t>(line.count());
        attacks |= line;
      }
      out.twice[s] |= out.once[s] & attacks;
      out.once[s] |= attacks;
    });
}

int attackers(const Position& p, Side by, int sq, int enough, int* one) {
  // The spell binds only the side to move.
  const int bound = by == p.side ? p.seal : kNoPlace;
  int n = 0;
  auto found = [&](int from) {
    if (from == bound) return false;
    if (one) *one = from;
    return ++n >= enough;
  };
  for (int i = 0; i < kStepCount; ++i) {
    const int from = sq - kStepOffsets[i];
    const Piece pc = p.board[from];
    if (mine(pc, by) && (kTables.step_mask[pc] >> i & 1) && found(from)) return n;
  }
  for (int i = 0; i < kLineCount; ++i) {
    const int d = kLineOffsets[i];
    int from = sq - d;
    while (p.board[from] == kEmpty) from -= d;
    const Piece pc = p.board[from];
    if (mine(pc, by) && (kTables.line_mask[pc] >> i & 1) && found(from)) return n;
  }
  return n;
}

bool attacked(const Position& p, Side by, int sq) {
  return attackers(p, by, sq, 1) > 0;
}

int king_attacker(const Position& p) {
  const int k = p.king[opposite(p.side)];
  int from = 0;
  return k != 0 && attackers(p, p.side, k, 1, &from) > 0 ? from : 0;
}

}  // namespace engine

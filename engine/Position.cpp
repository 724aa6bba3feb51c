// Setting up a position, playing a turn on a copy, and its Zobrist key.
#include "engine/Position.h"

#include <cstring>

#include "engine/Values.h"

namespace engine {

namespace {

constexpr int kMaxHandCount = 2 * kFiles + 1;  // every pawn of the game in one hand

struct Keys {
  std::uint64_t piece[kPieceCodes][kCells];
  std::uint64_t hand[2][kHandKinds + 1][kMaxHandCount + 1];
  std::uint64_t seal[2][256];
  std::uint64_t side;

  constexpr Keys() : piece(), hand(), seal(), side() {
    std::uint64_t state = 0x4C554D494E414B34ull;  // fixed, so keys are the same every run
    auto next = [&state] {
      std::uint64_t z = state += 0x9E3779B97F4A7C15ull;
      z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
      z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
      return z ^ (z >> 31);
    };
    for (auto& row : piece)
      for (auto& k : row) k = next();
    for (auto& s : hand)
      for (auto& kind : s)
        for (auto& k : kind) k = next();
    for (auto& s : seal)
      for (auto& k : s) k = next();
    side = next();
  }
};
constexpr Keys kKeys;

// Placement values of every piece on every square, the upper side's sign.
struct Values {
  int placed[kPieceCodes][kCells];
  constexpr Values() : placed() {
    for (int s = Upper; s <= Lower; ++s)
      for (int k = Pawn; k < KindCount; ++k)
        for (int y = 1; y <= kRanks; ++y)
          for (int x = 1; x <= kFiles; ++x) {
            const Side side = static_cast<Side>(s);
            const int sq = square(x, y);
            const int v = placed_value(static_cast<Kind>(k), relative_rank(side, sq));
            placed[make_piece(side, static_cast<Kind>(k))][sq] = side == Upper ? v : -v;
          }
  }
};
constexpr Values kValues;

constexpr Kind kStartRow[kFiles] = {Lance, Knight, Silver, Gold, King, Gold, Silver, Knight, Lance};

}  // namespace

namespace zobrist {
std::uint64_t piece(Piece p, int sq) {
  return kKeys.piece[p][sq];
}
std::uint64_t hand(Side s, int kind, int count) {
  return kKeys.hand[s][kind][count];
}
std::uint64_t side() {
  return kKeys.side;
}
std::uint64_t seal(Side caster, int place) {
  return kKeys.seal[caster][place];
}
}  // namespace zobrist

int signed_value(Piece p, int sq) {
  return kValues.placed[p][sq];
}
int signed_hand_value(Side s, int kind) {
  return s == Upper ? kHandValue[kind] : -kHandValue[kind];
}

Position Position::empty() {
  Position p{};
  for (int sq = 0; sq < kCells; ++sq) p.board[sq] = on_board(sq) ? kEmpty : kWall;
  p.side = Upper;
  p.seal = kNoPlace;
  p.key = p.computed_key();
  return p;
}

Position Position::initial() {
  Position p = empty();
  for (int x = 1; x <= kFiles; ++x) {
    p.put(square(x, 1), make_piece(Upper, kStartRow[x - 1]));
    p.put(square(x, 3), make_piece(Upper, Pawn));
    p.put(square(x, 7), make_piece(Lower, Pawn));
    p.put(square(x, 9), make_piece(Lower, kStartRow[x - 1]));
  }
  p.put(square(2, 2), make_piece(Upper, Rook));
  p.put(square(8, 2), make_piece(Upper, Bishop));
  p.put(square(2, 8), make_piece(Lower, Bishop));
  p.put(square(8, 8), make_piece(Lower, Rook));
  return p;
}

void Position::put(int sq, Piece p) {
  const Piece old = board[sq];
  if (is_piece(old)) {
    occupied[side_of(old)] ^= SquareSet::of(sq);
    key ^= kKeys.piece[old][sq];
    material -= kValues.placed[old][sq];
    if (kind_of(old) == Pawn) --pawns[side_of(old)][file_of(sq)];
    if (kind_of(old) == King && king[side_of(old)] == sq) king[side_of(old)] = 0;
  }
  board[sq] = p;
  if (is_piece(p)) {
    occupied[side_of(p)] ^= SquareSet::of(sq);
    key ^= kKeys.piece[p][sq];
    material += kValues.placed[p][sq];
    if (kind_of(p) == Pawn) ++pawns[side_of(p)][file_of(sq)];
    if (kind_of(p) == King) king[side_of(p)] = static_cast<std::uint8_t>(sq);
  }
}

void Position::set_hand(Side s, Kind k, int count) {
  key ^= kKeys.hand[s][k][hand[s][k]] ^ kKeys.hand[s][k][count];
  material += (count - hand[s][k]) * signed_hand_value(s, k);
  hand[s][k] = static_cast<std::uint8_t>(count);
}

void Position::set_side(Side s) {
  if (seal != kNoPlace) key ^= kKeys.seal[caster()][seal];
  if (s != side) key ^= kKeys.side;
  side = s;
  if (seal != kNoPlace) key ^= kKeys.seal[caster()][seal];
}

void Position::set_seal(int place) {
  if (seal != kNoPlace) key ^= kKeys.seal[caster()][seal];
  seal = static_cast<std::uint8_t>(place);
  if (seal != kNoPlace) key ^= kKeys.seal[caster()][seal];
}

int Position::hand_total(Side s) const {
  int n = 0;
  for (int k = Pawn; k <= kHandKinds; ++k) n += hand[s][k];
  return n;
}

Position Position::after(Move m) const {
  Position c = *this;
  const Side s = side, o = opposite(s);
  const int to = m.to();
  // The spell that bound the mover ends with its move.
  c.set_seal(kNoPlace);
  if (m.is_drop()) {
    const Kind k = m.drop_kind();
    c.set_hand(s, k, hand[s][k] - 1);
    c.put(to, make_piece(s, k));
  } else {
    const int from = m.from();
    const Piece mover = board[from];
    const Piece taken = board[to];
    if (is_piece(taken) && kind_of(taken) != King) {
      const Kind k = unpromoted(kind_of(taken));
      c.set_hand(s, k, hand[s][k] + 1);
    }
    c.put(from, kEmpty);
    c.put(to, m.promotes() ? make_piece(s, promoted(kind_of(mover))) : mover);
  }
  c.key ^= kKeys.side;
  c.side = o;
  // The mover's new spell binds the other side now; on the piece just taken it is spent.
  const int seal_place = m.seal();
  if (seal_place != kNoPlace && seal_place != to) {
    c.seal = static_cast<std::uint8_t>(seal_place);
    c.key ^= kKeys.seal[s][seal_place];
  }
  return c;
}

Position Position::passed() const {
  Position c = *this;
  c.set_seal(kNoPlace);
  c.key ^= kKeys.side;
  c.side = opposite(side);
  return c;
}

std::uint64_t Position::key_without_spell() const {
  return seal == kNoPlace ? key : key ^ kKeys.seal[caster()][seal];
}

std::uint64_t Position::computed_key() const {
  std::uint64_t k = side == Lower ? kKeys.side : 0;
  for (int sq = kFirstSquare; sq <= kLastSquare; ++sq)
    if (is_piece(board[sq])) k ^= kKeys.piece[board[sq]][sq];
  for (int s = Upper; s <= Lower; ++s)
    for (int kind = Pawn; kind <= kHandKinds; ++kind) k ^= kKeys.hand[s][kind][hand[s][kind]];
  if (seal != kNoPlace) k ^= kKeys.seal[caster()][seal];
  return k;
}

// As the game's position texts write it: the upper side in lower case, '+' before a promoted
// piece, '*' after a sealed one.
std::string to_text(const Position& p) {
  static const char kLetters[] = ".plnsgbrk";
  auto letter = [](Side s, Kind k) {
    const char c = kLetters[unpromoted(k)];
    return s == Upper ? c : static_cast<char>(c - 'a' + 'A');
  };
  std::string out;
  for (int y = 1; y <= kRanks; ++y) {
    for (int x = 1; x <= kFiles; ++x) {
      const int sq = square(x, y);
      const Piece pc = p.board[sq];
      if (x > 1) out += ' ';
      if (!is_piece(pc)) {
        out += '.';
        continue;
      }
      if (unpromoted(kind_of(pc)) != kind_of(pc)) out += '+';
      out += letter(side_of(pc), kind_of(pc));
      if (p.sealed(sq)) out += '*';
    }
    out += '\n';
  }
  out += "hands:";
  for (const Side s : {Lower, Upper}) {
    for (int k = Pawn; k <= kHandKinds; ++k)
      if (p.hand[s][k] > 0)
        out += std::string(" ") + letter(s, static_cast<Kind>(k)) + std::to_string(p.hand[s][k]) +
               (p.sealed(hand_place(k)) && p.side == s ? "*" : "");
    if (s == Lower) out += " /";
  }
  out += p.side == Upper ? "\nupper to move\n" : "\nlower to move\n";
  return out;
}

}  // namespace engine

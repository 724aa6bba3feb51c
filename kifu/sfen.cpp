// SFEN out and in. Squares run from 先手's far side, each rank from file 9 to file 1.
#include "kifu/sfen.h"

#include <sstream>

#include "kifu/kif.h"
#include "kifu/kif_terms.h"

namespace sfen {

using namespace engine;
using kif::terms::game_square;
using kif::terms::kSetCounts;

namespace {

constexpr char kLetters[] = " PLNSGBRK";  // by unpromoted kind
constexpr char kPromoted = '+', kRankEnd = '/', kNone = '-';
constexpr char kSenteToMove = 'b', kGoteToMove = 'w';
constexpr Kind kHandOrder[] = {Rook, Bishop, Gold, Silver, Knight, Lance, Pawn};
constexpr int kDecimal = 10;

char letter(Kind k, bool sente) {
  const char c = kLetters[unpromoted(k)];
  return sente ? c : static_cast<char>(c - 'A' + 'a');
}

std::optional<Kind> kind_of_letter(char c) {
  const char upper = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
  for (int k = Pawn; k <= King; ++k)
    if (kLetters[k] == upper) return static_cast<Kind>(k);
  return std::nullopt;
}

}  // namespace

std::string write(const Position& p, Side sente, int move_number) {
  std::string out;
  for (int rank = 1; rank <= kRanks; ++rank) {
    int empty = 0;
    for (int file = kFiles; file >= 1; --file) {
      const Piece pc = p.board[game_square(file, rank, sente)];
      if (!is_piece(pc)) {
        ++empty;
        continue;
      }
      if (empty > 0) out += std::to_string(empty);
      empty = 0;
      if (unpromoted(kind_of(pc)) != kind_of(pc)) out += kPromoted;
      out += letter(kind_of(pc), side_of(pc) == sente);
    }
    if (empty > 0) out += std::to_string(empty);
    if (rank < kRanks) out += kRankEnd;
  }
  out += ' ';
  out += p.side == sente ? kSenteToMove : kGoteToMove;
  out += ' ';
  std::string hands;
  for (const Side s : {sente, opposite(sente)})
    for (const Kind k : kHandOrder) {
      const int n = p.hand[s][k];
      if (n == 0) continue;
      if (n > 1) hands += std::to_string(n);
      hands += letter(k, s == sente);
    }
  out += hands.empty() ? std::string(1, kNone) : hands;
  return out + " " + std::to_string(move_number);
}

std::optional<Position> read(std::string_view text, Side sente) {
  std::istringstream in{std::string(text)};
  std::string board, turn, hands, number;
  if (!(in >> board >> turn >> hands)) return std::nullopt;
  in >> number;  // the move number may be left out
  std::string rest;
  if (in >> rest) return std::nullopt;
  if (turn.size() != 1 || (turn[0] != kSenteToMove && turn[0] != kGoteToMove)) return std::nullopt;

  Position p = Position::empty();
  int counts[King + 1] = {}, kings[2] = {};
  int rank = 1, file = kFiles;
  for (size_t i = 0; i < board.size(); ++i) {
    const char c = board[i];
    if (c == kRankEnd) {
      if (file != 0 || ++rank > kRanks) return std::nullopt;
      file = kFiles;
    } else if (c >= '1' && c <= '9') {
      file -= c - '0';
      if (file < 0) return std::nullopt;
    } else {
      const bool promoted = c == kPromoted;
      const std::optional<Kind> k =
          kind_of_letter(promoted && i + 1 < board.size() ? board[++i] : c);
      if (!k || file < 1 || (promoted && !promotable(*k))) return std::nullopt;
      const Side s = board[i] >= 'a' ? opposite(sente) : sente;
      p.put(game_square(file--, rank, sente), make_piece(s, promoted ? engine::promoted(*k) : *k));
      ++counts[*k];
      kings[s] += *k == King;
    }
  }
  if (rank != kRanks || file != 0) return std::nullopt;
  if (hands != std::string(1, kNone)) {
    int n = 0;
    for (const char c : hands) {
      if (c >= '0' && c <= '9') {
        n = n * kDecimal + (c - '0');
        if (n > kSetCounts[Pawn]) return std::nullopt;
        continue;
      }
      const std::optional<Kind> k = kind_of_letter(c);
      if (!k || *k == King) return std::nullopt;
      const Side s = c >= 'a' ? opposite(sente) : sente;
      const int count = n == 0 ? 1 : n;
      counts[*k] += count;
      if (counts[*k] > kSetCounts[*k]) return std::nullopt;
      p.set_hand(s, *k, p.hand[s][*k] + count);
      n = 0;
    }
    if (n != 0) return std::nullopt;
  }
  for (int k = Pawn; k <= King; ++k)
    if (counts[k] > kSetCounts[k]) return std::nullopt;
  if (kings[Upper] > 1 || kings[Lower] > 1) return std::nullopt;
  p.set_side(turn[0] == kSenteToMove ? sente : opposite(sente));
  return p;
}

std::string load(Form1& f, std::string_view text) {
  const std::optional<Position> p = read(text);
  if (!p) return "SFENではありません";
  std::istringstream in(kif::position_kif(*p, Lower));
  return kif::read(f, in);
}

}  // namespace sfen

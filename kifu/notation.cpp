// Japanese and Western notation of a turn, worked out from the position before it and the
// moves the rules allow there; and the plies of a record, read from its snapshots.
#include "kifu/notation.h"

#include <algorithm>
#include <cstring>

#include "engine/Moves.h"
#include "engine/form/GameState.h"
#include "kifu/kif_terms.h"
#include "shell/Form1.h"

namespace notation {

using namespace engine;

namespace {

constexpr const char* kDigits[] = {"", "１", "２", "３", "４", "５", "６", "７", "８", "９"};
constexpr const char* kNumerals[] = {"", "一", "二", "三", "四", "五", "六", "七", "八", "九"};
constexpr const char* kNames[KindCount] = {"",   "歩", "香",   "桂",   "銀",   "金", "角", "飛",
                                           "玉", "と", "成香", "成桂", "成銀", "馬", "龍"};
constexpr const char kLetters[KindCount] = {' ', 'P', 'L', 'N', 'S', 'G', 'B', 'R',
                                            'K', 'P', 'L', 'N', 'S', 'B', 'R'};
constexpr const char* kSame = "同　";
constexpr const char* kSpell = "　封";
constexpr const char* kInHand = "持";
constexpr const char* kWesternSpell = " Seal ";
constexpr const char* kWesternHand = "hand";

// Where a square lies for the side that moves: columns counted from its left, rows forward.
int column_for(Side s, int sq) {
  return s == Lower ? file_of(sq) : kFiles + 1 - file_of(sq);
}

// The legal moves of the side to move.
MoveList legal(const Position& p) {
  MoveList list;
  generate(p, Generate::All, list);
  return list;
}

// The squares from which a piece like the one moved could go where it went (its own included).
std::vector<int> rivals(const Position& before, const MoveList& moves, Move turn) {
  std::vector<int> from;
  const Piece moving = before.board[turn.from()];
  for (const Move m : moves)
    if (!m.is_drop() && m.to() == turn.to() && before.board[m.from()] == moving &&
        std::find(from.begin(), from.end(), m.from()) == from.end())
      from.push_back(m.from());
  return from;
}

// 上 (forward), 引 (back) or 寄 (along the row), as the mover sees the step from `from`.
const char* motion_word(Side s, int from, int to) {
  const int step = relative_rank(s, to) - relative_rank(s, from);
  return step > 0 ? "上" : step < 0 ? "引" : "寄";
}

// 左 or 右 when `from` lies left or right of every other square of `among`, 直 when the piece
// steps straight forward (not for 馬 and 龍); "" when none of them tells it apart.
std::string side_word(Side s, Kind k, int from, int to, const std::vector<int>& among) {
  const bool big = k == Horse || k == Dragon;
  if (!big && file_of(from) == file_of(to) && relative_rank(s, to) - relative_rank(s, from) == 1)
    return "直";
  const int c = column_for(s, from);
  const auto others = [&](auto beyond) {
    return std::all_of(among.begin(), among.end(),
                       [&](int sq) { return sq == from || beyond(column_for(s, sq)); });
  };
  if (others([&](int o) { return o > c; })) return "左";
  if (others([&](int o) { return o < c; })) return "右";
  return "";
}

// The relative words of a move that two or more pieces of its kind could make.
std::string relative_words(Side s, Kind k, int from, int to, const std::vector<int>& rivals) {
  if (rivals.size() < 2) return "";
  const std::string motion = motion_word(s, from, to);
  std::vector<int> alike;  // the rivals moving as this piece does
  for (const int sq : rivals)
    if (motion == motion_word(s, sq, to)) alike.push_back(sq);
  if (alike.size() == 1) return motion;
  if (std::string side = side_word(s, k, from, to, rivals); !side.empty()) return side;
  return side_word(s, k, from, to, alike) + motion;
}

// A piece of the kind dropped could also move there.
bool could_move_there(const Position& before, const MoveList& moves, Move turn) {
  return std::any_of(moves.begin(), moves.end(), [&](Move m) {
    return !m.is_drop() && m.to() == turn.to() &&
           kind_of(before.board[m.from()]) == turn.drop_kind();
  });
}

Kind moving_kind(const Position& before, Move turn) {
  return turn.is_drop() ? turn.drop_kind() : kind_of(before.board[turn.from()]);
}

bool declined(const Position& before, Move turn) {
  return !turn.is_drop() && !turn.promotes() &&
         may_promote(before.side, moving_kind(before, turn), turn.from(), turn.to());
}

// The kind the spell falls on: a piece on the board or a kind in the opponent's hand.
Kind spell_kind(const Position& before, int place) {
  return is_hand_place(place) ? static_cast<Kind>(place - kHandPlace)
                              : kind_of(before.board[place]);
}

std::string western_piece(Kind k) {
  std::string s = unpromoted(k) != k ? "+" : "";
  return s + kLetters[k];
}

}  // namespace

int file(int sq, Side sente) {
  return sente == Lower ? kFiles + 1 - file_of(sq) : file_of(sq);
}
int rank(int sq, Side sente) {
  return sente == Lower ? rank_of(sq) : kRanks + 1 - rank_of(sq);
}

const char* piece_name(Kind k) {
  return kNames[k < KindCount ? k : NoKind];
}

std::string japanese_square(int sq, Side sente) {
  return std::string(kDigits[file(sq, sente)]) + kNumerals[rank(sq, sente)];
}

std::string western_square(int sq, Side sente) {
  return std::to_string(file(sq, sente)) + static_cast<char>('a' + rank(sq, sente) - 1);
}

Written written(const Position& before, Move turn, Side sente, int previous_to) {
  Written w;
  const Side s = before.side;
  const Kind k = moving_kind(before, turn);
  w.mark = s == sente ? "▲" : "△";
  w.destination = turn.to() == previous_to ? kSame : japanese_square(turn.to(), sente);
  w.piece = piece_name(k);
  const MoveList moves = legal(before);
  if (turn.is_drop()) {
    if (could_move_there(before, moves, turn)) w.drop = "打";
  } else {
    w.relative = relative_words(s, k, turn.from(), turn.to(), rivals(before, moves, turn));
    w.promotion = turn.promotes() ? "成" : declined(before, turn) ? "不成" : "";
  }
  if (const int place = turn.seal(); place != kNoPlace)
    w.spell = (is_hand_place(place) ? std::string(kInHand) : japanese_square(place, sente)) +
              piece_name(spell_kind(before, place));
  return w;
}

std::string japanese(const Position& before, Move turn, Side sente, int previous_to) {
  const Written w = written(before, turn, sente, previous_to);
  std::string text = w.mark + w.destination + w.piece + w.relative + w.promotion + w.drop;
  if (!w.spell.empty()) text += kSpell + w.spell;
  return text;
}

std::string western(const Position& before, Move turn, Side sente, int /*previous_to*/) {
  const Kind k = moving_kind(before, turn);
  std::string text = western_piece(k);
  if (turn.is_drop()) {
    text += "*";
  } else {
    if (rivals(before, legal(before), turn).size() > 1) text += western_square(turn.from(), sente);
    text += is_piece(before.board[turn.to()]) ? "x" : "-";
  }
  text += western_square(turn.to(), sente);
  if (turn.promotes()) text += "+";
  if (declined(before, turn)) text += "=";
  if (const int place = turn.seal(); place != kNoPlace)
    text += kWesternSpell + (is_hand_place(place) ? kWesternHand : western_square(place, sente)) +
            " " + western_piece(spell_kind(before, place));
  return text;
}

Move move_between(const Position& before, const Position& after) {
  std::vector<int> changed;
  for (int sq = kFirstSquare; sq <= kLastSquare; ++sq)
    if (before.board[sq] != after.board[sq]) changed.push_back(sq);
  if (changed.empty() || changed.size() > 2) return Move{};
  for (const Move m : legal(before)) {
    if (std::find(changed.begin(), changed.end(), m.to()) == changed.end()) continue;
    if (!m.is_drop() && std::find(changed.begin(), changed.end(), m.from()) == changed.end())
      continue;
    const Position c = before.after(m);
    if (std::memcmp(c.board, after.board, sizeof c.board) == 0 &&
        std::memcmp(c.hand, after.hand, sizeof c.hand) == 0)
      return m;
  }
  return Move{};
}

Plies record_plies(const Form1& f) {
  Plies out;
  const long held = static_cast<long>(f.kifu_ban.size());
  const long last = std::min(f.kifu_saigo, held - 1);
  // In a game the board shows the position after the latest move until the next is recorded.
  const bool live = f.kifu_mode != Form1::ari && f.kifu_tesuu == last + 1 && f.kifu_tesuu > 0;
  const long plies = live ? last + 1 : last;
  auto after = [&](long n, Side mover) {
    return n <= last ? from_snapshot(f, n, mover) : from_game(f, mover);
  };
  if (held < 1) return out;
  out.start = from_snapshot(f, 0, Lower);
  if (plies < 1) return out;
  // 先手 made the first move: the side for which the first two positions follow legally.
  Side mover = Lower;
  for (const Side s : {Lower, Upper})
    if (!move_between(from_snapshot(f, 0, s), after(1, opposite(s))).empty()) mover = s;
  out.sente = out.named_from = mover;
  out.start = from_snapshot(f, 0, mover);
  const kif::terms::Handicap* h = kif::terms::handicap_of(out.start, mover);
  if (h != nullptr && h->count > 0) out.named_from = opposite(mover);
  for (long n = 1; n <= plies; ++n, mover = opposite(mover)) {
    const Position before = from_snapshot(f, n - 1, mover);
    const Move m = move_between(before, after(n, opposite(mover)));
    if (m.empty()) {
      out.complete = false;
      break;
    }
    out.plies.push_back({before, m.with_seal(spell_in_snapshot(f, n - 1, mover)), n - 1});
  }
  // A turn's spell is the one in force when the next ply is played: so the plies replay as they
  // stand even where a record's seal marks disagree from one snapshot to the next.
  for (std::size_t i = 0; i + 1 < out.plies.size(); ++i)
    out.plies[i].turn = out.plies[i].turn.with_seal(out.plies[i + 1].before.seal);
  return out;
}

std::vector<std::string> japanese_plies(const Plies& p) {
  std::vector<std::string> out;
  int previous_to = 0;
  for (const Ply& ply : p.plies) {
    out.push_back(japanese(ply.before, ply.turn, p.named_from, previous_to));
    previous_to = ply.turn.to();
  }
  return out;
}

}  // namespace notation

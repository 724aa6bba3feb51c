// Reading KIF: the header, a standard start or a board diagram, the main line of moves (each
// checked against the game's rules), our spell comments and the clocks. Branches, other comments
// and the end of the game are passed over. The whole file is judged before the game gives way.
#include <algorithm>
#include <cstring>
#include <istream>
#include <iterator>
#include <optional>
#include <vector>

#include "engine/Moves.h"
#include "engine/form/GameState.h"
#include "kifu/kif.h"
#include "kifu/kif_terms.h"
#include "kifu/notation.h"
#include "shell/Encoding.h"
#include "shell/Form1.h"

namespace kif {

using namespace engine;
using namespace terms;

namespace {

constexpr size_t kLineMax = 4096;
constexpr long kMovesMax = 100000;  // as many as a record file holds
constexpr size_t kBytesMax = 32u << 20;
constexpr size_t kChunk = 1u << 16;  // read this much at a time
constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::string_view kBranch = "変化";
constexpr std::string_view kMovesHeadingStart = "手数-";
constexpr std::string_view kEnd = "まで";
constexpr std::string_view kSame = "同";
constexpr std::string_view kDropWord = "打";
constexpr std::string_view kPromote = "成", kDecline = "不成", kDeclineOld = "生";
constexpr std::string_view kRelativeWords[] = {"右", "左", "直", "上", "引", "寄", "行"};
constexpr std::string_view kForwardOld = "行", kForward = "上";
// Words that end the moves: resignation, interruption, repetition, mate and the like.
constexpr std::string_view kEndings[] = {"投了",     "中断",     "千日手",   "詰み",
                                         "持将棋",   "切れ負け", "反則勝ち", "反則負け",
                                         "入玉勝ち", "不詰",     "不戦勝",   "不戦敗"};
constexpr int kSecondsPerMinute = 60, kSecondsPerHour = 3600;

struct Name {
  std::string_view text;
  Kind kind;
};
// Longer names first, so 成香 is not read as 成.
constexpr Name kPieceNames[] = {
    {"成香", ProLance}, {"成桂", ProKnight}, {"成銀", ProSilver}, {"歩", Pawn},
    {"香", Lance},      {"桂", Knight},      {"銀", Silver},      {"金", Gold},
    {"角", Bishop},     {"飛", Rook},        {"玉", King},        {"王", King},
    {"と", ProPawn},    {"杏", ProLance},    {"圭", ProKnight},   {"全", ProSilver},
    {"馬", Horse},      {"龍", Dragon},      {"竜", Dragon}};
constexpr std::string_view kFullDigits[] = {"１", "２", "３", "４", "５", "６", "７", "８", "９"};

bool starts(std::string_view s, std::string_view prefix) {
  return s.substr(0, prefix.size()) == prefix;
}
bool eat(std::string_view& s, std::string_view prefix) {
  if (!starts(s, prefix)) return false;
  s.remove_prefix(prefix.size());
  return true;
}
bool eat_back(std::string_view& s, std::string_view suffix) {
  if (s.size() < suffix.size() || s.substr(s.size() - suffix.size()) != suffix) return false;
  s.remove_suffix(suffix.size());
  return true;
}
// Without blanks, plain or full-width, at the end (and at the start too).
std::string_view right_trimmed(std::string_view s) {
  while (eat_back(s, " ") || eat_back(s, "\t") || eat_back(s, kFullSpace)) {
  }
  return s;
}
std::string_view trimmed(std::string_view s) {
  while (eat(s, " ") || eat(s, "\t") || eat(s, kFullSpace)) {
  }
  return right_trimmed(s);
}

std::optional<Kind> eat_piece(std::string_view& s) {
  for (const Name& n : kPieceNames)
    if (eat(s, n.text)) return n.kind;
  return std::nullopt;
}

// A number 1..9: a digit, full-width or not, or a kanji numeral.
int eat_digit(std::string_view& s) {
  for (int i = 0; i < kFiles; ++i)
    if (eat(s, kFullDigits[i]) || eat(s, kKanji[i + 1]) || eat(s, std::string(1, char('1' + i))))
      return i + 1;
  return 0;
}

// A count in kanji (一 .. 十八); 1 when none is written.
int eat_count(std::string_view& s) {
  constexpr int kTen = 10;
  int n = eat(s, kKanji[kTen]) ? kTen : 0;
  for (int i = 1; i < kTen; ++i)
    if (eat(s, kKanji[i])) return n + i;
  return n == 0 ? 1 : n;
}

// A move as written: destination (0 for 同), piece, the words after it and the origin if given.
struct Written {
  int file = 0, rank = 0;
  bool same = false;
  Kind kind = NoKind;
  std::string relative;
  bool promote = false, drop = false;
  int from_file = 0, from_rank = 0;
};

std::optional<Written> parse_move(std::string_view s) {
  Written w;
  if (eat(s, kSame)) {
    w.same = true;
    while (eat(s, kFullSpace) || eat(s, " ")) {
    }
  } else {
    w.file = eat_digit(s);
    w.rank = eat_digit(s);
    if (w.file == 0 || w.rank == 0) return std::nullopt;
  }
  const std::optional<Kind> k = eat_piece(s);
  if (!k) return std::nullopt;
  w.kind = *k;
  for (bool more = true; more && !s.empty();) {
    more = false;
    for (const std::string_view word : kRelativeWords)
      if (eat(s, word)) {
        w.relative += word == kForwardOld ? kForward : word;
        more = true;
      }
    if (eat(s, kDecline) || eat(s, kDeclineOld)) more = true;
    if (eat(s, kPromote)) more = w.promote = true;
    if (eat(s, kDropWord)) more = w.drop = true;
  }
  if (eat(s, "(")) {
    if (s.size() != 3 || s[2] != ')') return std::nullopt;
    w.from_file = eat_digit(s);
    w.from_rank = eat_digit(s);
    if (w.from_file == 0 || w.from_rank == 0 || !eat(s, ")")) return std::nullopt;
  }
  if (!s.empty()) return std::nullopt;
  return w;
}

// The legal move the text names, or an empty move when it names none or more than one.
Move find_move(const Position& p, const Written& w, int previous_to, Side sente) {
  const int to = w.same ? previous_to : game_square(w.file, w.rank, sente);
  if (to == 0) return Move{};
  const bool origin = w.from_file != 0;
  const int from = origin ? game_square(w.from_file, w.from_rank, sente) : 0;
  MoveList list;
  generate(p, Generate::All, list);
  std::vector<Move> found;
  for (const Move m : list) {
    const Kind k = m.is_drop() ? m.drop_kind() : kind_of(p.board[m.from()]);
    if (m.to() != to || k != w.kind || m.promotes() != w.promote) continue;
    if ((w.drop && !m.is_drop()) || (origin && (m.is_drop() || m.from() != from))) continue;
    found.push_back(m);
  }
  // A drop not marked 打 is written only where no piece on the board could go.
  if (found.size() > 1 && !w.drop) std::erase_if(found, [](Move m) { return m.is_drop(); });
  if (found.size() > 1)
    std::erase_if(found, [&](Move m) {
      return notation::written(p, m, sente, previous_to).relative != w.relative;
    });
  return found.size() == 1 ? found.front() : Move{};
}

// The spell comment's target in the position before the move: a piece of the other side on
// the square, or a kind in its hand.
int spell_place(const Position& p, std::string_view s, Side sente) {
  const Side other = opposite(p.side);
  if (eat(s, kSpellHand)) {
    const std::optional<Kind> k = eat_piece(s);
    if (!k || !s.empty() || *k < Pawn || *k > kHandKinds || p.hand[other][*k] == 0) return kNoPlace;
    return hand_place(*k);
  }
  const int file = eat_digit(s), rank = eat_digit(s);
  const std::optional<Kind> k = eat_piece(s);
  if (file == 0 || rank == 0 || !k || !s.empty()) return kNoPlace;
  const int sq = game_square(file, rank, sente);
  const Piece pc = p.board[sq];
  return is_piece(pc) && side_of(pc) == other && kind_of(pc) == *k ? sq : kNoPlace;
}

// The total after the move, from "( 0:16/00:00:16)"; nothing when the line gives no time.
std::optional<long> total_time(std::string_view line) {
  const size_t slash = line.rfind('/');
  if (slash == std::string_view::npos) return std::nullopt;
  long parts[3] = {};
  size_t i = slash + 1;
  for (long& part : parts) {
    bool digits = false;
    constexpr long kMax = 1000000;
    while (i < line.size() && line[i] >= '0' && line[i] <= '9' && part < kMax) {
      part = part * 10 + (line[i++] - '0');
      digits = true;
    }
    if (!digits) return std::nullopt;
    if (i < line.size() && line[i] == ':') ++i;
  }
  return parts[0] * kSecondsPerHour + parts[1] * kSecondsPerMinute + parts[2];
}

struct Ply {
  Move turn;
  long total;  // the mover's clock after it
  long line;
};

// Everything the file says, read line by line.
struct Game {
  std::string title, sente_name, gote_name;
  std::string handicap;
  long handicap_line = 0;
  bool on_top = false;
  // The board diagram, if any: pieces by (file, rank) from 先手's side, hands, side to move.
  bool diagram = false;
  Piece rows[kRanks + 1][kFiles + 1] = {};  // kind | 1 << kSideShift for 後手's pieces
  int diagram_rows = 0;
  int hands[2][kHandKinds + 1] = {};  // [0] 先手's, [1] 後手's
  std::optional<bool> sente_to_move;
  std::vector<std::string_view> move_lines;
  std::vector<long> move_line_numbers;
};

std::string not_kif(long line) {
  return "棋譜ﾌｧｲﾙではありません (" + std::to_string(line) + "行目)";
}
std::string illegal(long line) {
  return "指せない手があります (" + std::to_string(line) + "行目)";
}

// A row of the diagram: |v香v桂 ・ ... |一
bool read_row(Game& g, std::string_view s) {
  if (!eat(s, "|")) return false;
  const int rank = g.diagram_rows + 1;
  if (rank > kRanks) return false;
  for (int file = kFiles; file >= 1; --file) {
    const bool enemy = eat(s, kEnemyMark);
    if (!enemy && !eat(s, " ")) return false;
    if (eat(s, "・")) continue;
    const std::optional<Kind> k = eat_piece(s);
    if (!k) return false;
    g.rows[rank][file] = make_piece(enemy ? Upper : Lower, *k);  // Lower: 先手's here
  }
  if (!eat(s, "|") || eat_digit(s) != rank || !s.empty()) return false;
  g.diagram_rows = rank;
  return true;
}

bool read_hand(int (&hand)[kHandKinds + 1], std::string_view s) {
  s = trimmed(s);
  if (s == kNone || s.empty()) return true;
  while (!s.empty()) {
    std::string_view one = s;
    std::optional<Kind> k;
    for (int i = Pawn; i <= kHandKinds && !k; ++i)
      if (eat(one, kBodNames[i])) k = static_cast<Kind>(i);
    if (!k) return false;
    hand[*k] += eat_count(one);
    s = trimmed(one);
  }
  return true;
}

// A header line "key：value", or a line of the diagram. False for anything else.
bool read_header(Game& g, std::string_view s, long n) {
  if (s == kSenteOnTop) return g.on_top = true;
  if (starts(s, "  ９") || starts(s, "+-")) return g.diagram = true;
  if (starts(s, "|")) return g.diagram = read_row(g, s);
  for (const auto& [name, sente] : {std::pair{kSente, true}, std::pair{kShitate, true},
                                    std::pair{kGote, false}, std::pair{kUwate, false}}) {
    std::string_view rest = s;
    if (eat(rest, name) && eat(rest, kToMoveSuffix) && trimmed(rest).empty()) {
      g.sente_to_move = sente;
      return true;
    }
    rest = s;
    if (eat(rest, name) && eat(rest, kHandSuffix) && eat(rest, kColon)) {
      g.diagram = true;
      return read_hand(g.hands[sente ? 0 : 1], rest);
    }
    rest = s;
    if (eat(rest, name) && eat(rest, kColon)) {
      (sente ? g.sente_name : g.gote_name) = std::string(trimmed(rest));
      return true;
    }
  }
  const size_t colon = s.find(kColon);
  if (colon == std::string_view::npos) return false;
  const std::string_view key = s.substr(0, colon), value = trimmed(s.substr(colon + kColon.size()));
  if (key == kTitle) g.title = value;
  if (key == kHandicap) {
    g.handicap = value;
    g.handicap_line = n;
  }
  return true;
}

// The lines of the file as UTF-8 text: UTF-8 when the whole of it is, Shift-JIS otherwise.
std::optional<std::vector<std::string>> lines_of(std::string bytes, std::string& refusal) {
  if (starts(bytes, kBom)) bytes.erase(0, kBom.size());
  const bool utf8 = sjis::is_utf8(bytes);
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string::npos) end = bytes.size();
    std::string line = bytes.substr(start, end - start);
    start = end + (bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    const long n = static_cast<long>(lines.size()) + 1;
    std::optional<std::string> text = utf8 ? std::optional(line) : sjis::to_utf8(line);
    if (line.size() > kLineMax || !text || line.find('\0') != std::string::npos) {
      refusal = not_kif(n);
      return std::nullopt;
    }
    lines.push_back(std::move(*text));
  }
  return lines;
}

bool is_ending(std::string_view text) {
  return std::find(std::begin(kEndings), std::end(kEndings), text) != std::end(kEndings);
}

// A move line: its number, the move's text and the rest (the time).
struct MoveLine {
  long number = 0;
  std::string_view move, rest;
};
std::optional<MoveLine> split_move_line(std::string_view s) {
  s = trimmed(s);
  MoveLine m;
  constexpr long kNumberMax = 10 * kMovesMax;
  size_t i = 0;
  for (; i < s.size() && s[i] >= '0' && s[i] <= '9' && m.number < kNumberMax; ++i)
    m.number = m.number * 10 + (s[i] - '0');
  if (i == 0 || i >= s.size() || s[i] != ' ') return std::nullopt;
  s = trimmed(s.substr(i));
  const size_t space = s.find(' ');
  m.move = s.substr(0, space);
  m.rest = space == std::string_view::npos ? std::string_view() : s.substr(space);
  // "同 歩" from programs that put a plain blank after 同.
  if (m.move == kSame && !m.rest.empty()) {
    const std::string_view after = trimmed(m.rest);
    const size_t next = after.find(' ');
    m.move = std::string_view(m.move.data(), static_cast<size_t>(after.data() - m.move.data()) +
                                                 std::min(next, after.size()));
    m.rest = next == std::string_view::npos ? std::string_view() : after.substr(next);
  }
  return m;
}

// The start the header and the diagram give, 先手 seen from `sente`'s side.
std::optional<Position> start_of(const Game& g, Side sente, Side& first, std::string& refusal) {
  const Side other = opposite(sente);
  if (!g.diagram) {
    const std::string_view name = g.handicap.empty() ? kEven : std::string_view(g.handicap);
    for (const Handicap& h : kHandicaps)
      if (h.name == name) {
        first = h.count == 0 ? sente : other;
        return handicap_start(h, other);
      }
    refusal = not_kif(g.handicap_line);
    return std::nullopt;
  }
  Position p = Position::empty();
  int counts[KindCount] = {}, kings[2] = {};
  for (int rank = 1; rank <= kRanks; ++rank)
    for (int file = 1; file <= kFiles; ++file) {
      const Piece pc = g.rows[rank][file];
      if (!is_piece(pc)) continue;
      const Side s = side_of(pc) == Lower ? sente : other;
      p.put(game_square(file, rank, sente), make_piece(s, kind_of(pc)));
      ++counts[unpromoted(kind_of(pc))];
      if (kind_of(pc) == King) ++kings[s];
    }
  for (int k = Pawn; k <= kHandKinds; ++k)
    for (const Side s : {sente, other}) {
      const int n = g.hands[s == sente ? 0 : 1][k];
      counts[k] += n;
      if (n <= kSetCounts[k]) p.set_hand(s, static_cast<Kind>(k), n);
    }
  for (int k = Pawn; k <= King; ++k)
    if (counts[k] > kSetCounts[k]) {
      refusal = not_kif(1);
      return std::nullopt;
    }
  if (kings[Upper] > 1 || kings[Lower] > 1) {
    refusal = not_kif(1);
    return std::nullopt;
  }
  const bool handicap = !g.handicap.empty() && g.handicap != kEven && g.handicap != kOther;
  first = g.sente_to_move.value_or(!handicap) ? sente : other;
  return p;
}

}  // namespace

std::string read(Form1& f, std::istream& in, Header* said) {
  std::string bytes;
  char chunk[kChunk];
  while (bytes.size() <= kBytesMax && in.read(chunk, sizeof chunk).gcount() > 0)
    bytes.append(chunk, static_cast<size_t>(in.gcount()));
  if (bytes.size() > kBytesMax) return "棋譜ﾌｧｲﾙが大きすぎて読み込めません";
  std::string refusal;
  const std::optional<std::vector<std::string>> lines = lines_of(std::move(bytes), refusal);
  if (!lines) return refusal;

  Game g;
  bool moves = false;
  for (long n = 1; n <= static_cast<long>(lines->size()); ++n) {
    const std::string_view s = right_trimmed((*lines)[static_cast<size_t>(n - 1)]);
    const std::string_view t = trimmed(s);
    if (t.empty() || starts(t, "&") || (starts(t, "#") && t != kSenteOnTop)) continue;
    if (starts(t, kBranch) || starts(t, kEnd)) break;  // the main line has ended
    if (starts(t, "*") && !starts(t, kSpellComment)) continue;
    if (starts(t, kMovesHeadingStart)) {
      moves = true;
      continue;
    }
    const bool move_line = t[0] >= '0' && t[0] <= '9';
    if (move_line || starts(t, kSpellComment)) {
      moves = true;
      g.move_lines.push_back(t);
      g.move_line_numbers.push_back(n);
      continue;
    }
    if (moves || !read_header(g, s, n)) return not_kif(n);
  }
  if (g.diagram && g.diagram_rows != kRanks) return not_kif(1);

  const Side sente = g.on_top ? Upper : Lower;
  Side first = sente;
  const std::optional<Position> start = start_of(g, sente, first, refusal);
  if (!start) return refusal;

  // The main line: each move checked in the position its predecessors (and their spells) left.
  Position p = *start;
  p.set_side(first);
  std::vector<Position> positions;
  std::vector<Ply> plies;
  long totals[2] = {};
  std::optional<Ply> pending;
  auto settle = [&] {
    if (!pending) return;
    positions.push_back(p);
    plies.push_back(*pending);
    totals[p.side] = pending->total;
    p = p.after(pending->turn);
    pending.reset();
  };
  for (size_t i = 0; i < g.move_lines.size(); ++i) {
    const std::string_view t = g.move_lines[i];
    const long n = g.move_line_numbers[i];
    if (starts(t, kSpellComment)) {
      std::string_view target = t.substr(kSpellComment.size());
      const int place = pending && pending->turn.seal() == kNoPlace
                            ? spell_place(p, trimmed(target), sente)
                            : kNoPlace;
      if (place == kNoPlace) return illegal(n);
      pending->turn = pending->turn.with_seal(place);
      continue;
    }
    const std::optional<MoveLine> line = split_move_line(t);
    const long ply = static_cast<long>(plies.size()) + (pending ? 2 : 1);
    if (!line || line->number != ply) return not_kif(n);
    if (is_ending(line->move)) break;
    settle();
    if (ply > kMovesMax) return "棋譜ﾌｧｲﾙが大きすぎて読み込めません";
    if (p.king[Upper] == 0 || p.king[Lower] == 0) return illegal(n);  // the game is over
    const std::optional<Written> w = parse_move(line->move);
    if (!w) return not_kif(n);
    const int previous_to = plies.empty() ? 0 : plies.back().turn.to();
    const Move m = find_move(p, *w, previous_to, sente);
    if (m.empty()) return illegal(n);
    pending = Ply{m, total_time(line->rest).value_or(totals[p.side]), n};
  }
  settle();

  // The record: snapshot k before ply k + 1 with its spell and clocks, the last after them all.
  f.初期設定();
  f.kifu_mode = Form1::ari;
  const std::string& upper = sente == Upper ? g.sente_name : g.gote_name;
  const std::string& lower = sente == Upper ? g.gote_name : g.sente_name;
  show_record_headers(f, g.title, upper, lower);
  if (said != nullptr) *said = {"", g.title, upper, lower};
  const long count = static_cast<long>(plies.size());
  f.記録_確保(count);
  long clocks[2] = {};
  auto keep_clocks = [&](long k, Side mover, long after) {
    f.kifu_jikan_com_mae[k] = static_cast<Single>(clocks[Upper]);
    f.kifu_jikan_man_mae[k] = static_cast<Single>(clocks[Lower]);
    clocks[mover] = std::max(after, clocks[mover]);
    f.kifu_jikan_com_ato[k] = static_cast<Single>(clocks[Upper]);
    f.kifu_jikan_man_ato[k] = static_cast<Single>(clocks[Lower]);
  };
  for (long k = 0; k < count; ++k) {
    to_snapshot(positions[k], plies[k].turn.seal(), f, k);
    keep_clocks(k, positions[k].side, plies[k].total);
  }
  to_snapshot(p, kNoPlace, f, count);
  keep_clocks(count, p.side, clocks[p.side]);
  f.kifu_tesuu = 0;
  f.tesuu = 0;
  f.kifu_saigo = count;
  f.記録_局面表示(0, 0, 0);
  f.man_te = first == Upper ? Form1::te_gote : Form1::te_sente;
  f.com_te = static_cast<Int>(-f.man_te);
  f.teban = Form1::te_sente;
  f.win.MsgBox(" 読み込みました", mb::OKOnly, "棋譜");
  if (count > 0) f.win.MsgBox("棋譜を '進 'で進めて下さい", mb::OKOnly, "棋譜");
  return "";
}

}  // namespace kif

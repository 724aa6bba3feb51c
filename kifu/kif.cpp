// Writing KIF: the header, the start (平手, a standard handicap, or a board diagram), one line
// a ply with its clocks, the spell of the turn as a comment under it, and how the game ended.
#include "kifu/kif.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "kifu/kif_terms.h"
#include "kifu/notation.h"
#include "shell/Encoding.h"
#include "shell/Form1.h"

namespace kif {

using namespace engine;
using namespace terms;

namespace {

constexpr int kMoveColumns = 13;  // the move and its origin, padded to this many columns
constexpr int kSecondsPerMinute = 60, kMinutesPerHour = 60;
constexpr const char* kPerson = "人間";
constexpr const char* kLevel = "LEVEL ";
constexpr const char* kDrop = "打";

std::string line(std::string_view key, const std::string& value) {
  return std::string(key) + std::string(kColon) + value + "\n";
}

// Columns a text takes: two for a full-width character, one for the rest.
int columns(const std::string& text) {
  constexpr unsigned char kTopBits = 0xC0, kContinuation = 0x80, kThreeBytes = 0xE0;
  int n = 0;
  for (const char c : text) {
    const auto b = static_cast<unsigned char>(c);
    if ((b & kTopBits) == kContinuation) continue;
    n += b >= kThreeBytes ? 2 : 1;
  }
  return n;
}

// A hand as a diagram lists it: 飛　角　歩三, or なし.
std::string hand_text(const Position& p, Side s) {
  std::string out;
  for (const Kind k : kHandOrder) {
    const int n = p.hand[s][k];
    if (n == 0) continue;
    if (!out.empty()) out += kFullSpace;
    out += std::string(kBodNames[k]) + (n > 1 ? kanji_number(n) : "");
  }
  return out.empty() ? std::string(kNone) : out;
}

// The start as a board diagram, from 先手's side, and the side to move.
std::string diagram(const Position& p, Side sente, Side first) {
  std::string out = std::string(kGote) + std::string(kHandSuffix) + std::string(kColon) +
                    hand_text(p, opposite(sente)) + "\n" + std::string(kBodFiles) + "\n" +
                    std::string(kBodBorder) + "\n";
  for (int rank = 1; rank <= kRanks; ++rank) {
    out += "|";
    for (int file = kFiles; file >= 1; --file) {
      const Piece pc = p.board[game_square(file, rank, sente)];
      if (!is_piece(pc)) {
        out += kBodEmpty;
        continue;
      }
      out += side_of(pc) == sente ? " " : std::string(kEnemyMark);
      out += kBodNames[kind_of(pc)];
    }
    out += "|" + std::string(kKanji[rank]) + "\n";
  }
  out += std::string(kBodBorder) + "\n" + std::string(kSente) + std::string(kHandSuffix) +
         std::string(kColon) + hand_text(p, sente) + "\n";
  return out + std::string(first == sente ? kSente : kGote) + std::string(kToMoveSuffix) + "\n";
}

// The clocks of the side that made the ply from snapshot n: seconds it took, and its total after
// it. A two-person game records the upper side's time only in the clocks before the next move,
// and the game's latest move has only the clocks running now. The time a move took is what its
// total adds to the side's total written before (`written`, kept up to date), so that the file
// read back gives the same lines whatever the record's clocks held.
struct Spent {
  long move, total;
};
Spent spent(const Form1& f, long n, Side mover, long& written) {
  const auto whole = [](Single s) { return static_cast<long>(std::max<Single>(std::trunc(s), 0)); };
  const bool upper = mover == Upper;
  const auto& before = upper ? f.kifu_jikan_com_mae : f.kifu_jikan_man_mae;
  const auto& after = upper ? f.kifu_jikan_com_ato : f.kifu_jikan_man_ato;
  const long last = std::min(f.kifu_saigo, static_cast<long>(before.size()) - 1);
  const Single next = n + 1 <= last ? before[n + 1] : upper ? f.jikan_com : f.jikan_man;
  const long total = std::max({whole(after[n]), whole(next), written});
  const Spent s{total - written, total};
  written = total;
  return s;
}

std::string time_text(Spent s) {
  char text[128];
  const long minutes = s.total / kSecondsPerMinute;
  std::snprintf(text, sizeof text, "(%2ld:%02ld/%02ld:%02ld:%02ld)", s.move / kSecondsPerMinute,
                s.move % kSecondsPerMinute, minutes / kMinutesPerHour, minutes % kMinutesPerHour,
                s.total % kSecondsPerMinute);
  return text;
}

std::string numbered(long n, const std::string& move, const std::string& time) {
  char number[32];
  std::snprintf(number, sizeof number, "%4ld ", n);
  const int pad = std::max(kMoveColumns - columns(move), 1);
  return number + move + std::string(static_cast<size_t>(pad), ' ') + time + "\n";
}

// The move as KIF writes it: ７六歩(77), 同　銀(31), ５五角打.
std::string move_text(const notation::Ply& ply, Side sente, int previous_to) {
  const notation::Written w = notation::written(ply.before, ply.turn, sente, previous_to);
  // A drop always says so: it has no origin to show.
  std::string out = w.destination + w.piece + w.promotion;
  if (ply.turn.is_drop()) {
    out += kDrop;
  } else {
    const int from = ply.turn.from();
    out += "(" + std::to_string(notation::file(from, sente)) +
           std::to_string(notation::rank(from, sente)) + ")";
  }
  return out;
}

std::string spell_comment(const notation::Ply& ply, Side sente) {
  const int place = ply.turn.seal();
  if (place == kNoPlace) return "";
  const Position& p = ply.before;
  const std::string target =
      is_hand_place(place)
          ? std::string(kSpellHand) + notation::piece_name(static_cast<Kind>(place - kHandPlace))
          : notation::japanese_square(place, sente) + notation::piece_name(kind_of(p.board[place]));
  return std::string(kSpellComment) + target + "\n";
}

}  // namespace

Header default_header(const Form1& f) {
  Header h;
  h.lower = kPerson;
  h.upper = f.taikyoku_mode == Form1::mode_com ? kLevel + std::to_string(f.level) : kPerson;
  return h;
}

std::optional<std::string> handicap_name(const Position& p, Side giver) {
  const Handicap* h = handicap_of(p, giver);
  return h ? std::optional(std::string(h->name)) : std::nullopt;
}

std::string write(const Form1& f, const Header& h) {
  const notation::Plies plies = notation::record_plies(f);
  const Side first = plies.sente, sente = plies.named_from;
  const std::optional<std::string> name = handicap_name(plies.start, first);
  const bool handicap = sente != first;
  const std::string_view sente_key = handicap ? kShitate : kSente;
  const std::string_view gote_key = handicap ? kUwate : kGote;

  std::string out;
  if (sente == Upper) out += std::string(kSenteOnTop) + "\n";
  if (!h.started.empty()) out += line(kStarted, h.started);
  if (!h.title.empty()) out += line(kTitle, h.title);
  out += line(kHandicap, name ? *name : std::string(kOther));
  if (!name) out += diagram(plies.start, sente, first);
  out += line(sente_key, sente == Upper ? h.upper : h.lower);
  out += line(gote_key, sente == Upper ? h.lower : h.upper);
  out += std::string(kMovesHeading) + "\n";

  int previous_to = 0;
  long n = 0;
  long written[2] = {};  // each side's total so far, by side
  for (const notation::Ply& ply : plies.plies) {
    out += numbered(++n, move_text(ply, sente, previous_to),
                    time_text(spent(f, ply.snapshot, ply.before.side, written[ply.before.side])));
    out += spell_comment(ply, sente);
    previous_to = ply.turn.to();
  }
  const bool king_taken =
      !plies.plies.empty() && !plies.plies.back().turn.is_drop() &&
      kind_of(plies.plies.back().before.board[plies.plies.back().turn.to()]) == King;
  const std::string count = "まで" + std::to_string(n) + "手で";
  if (king_taken) {
    const bool sente_won = plies.plies.back().before.side == sente;
    out += count + std::string(sente_won ? sente_key : gote_key) + "の勝ち\n";
  } else {
    out += numbered(n + 1, std::string(kInterrupted), time_text({0, 0}));
    out += count + std::string(kInterrupted) + "\n";
  }
  return out;
}

std::string position_kif(const Position& p, Side sente) {
  const std::string top = sente == Upper ? std::string(kSenteOnTop) + "\n" : "";
  return top + line(kHandicap, std::string(kOther)) + diagram(p, sente, p.side);
}

std::string as_kifu(const std::string& kif) {
  return std::string(kUtf8Line) + "\n" + kif;
}

std::string as_kif(const std::string& kif) {
  return sjis::from_utf8(kif);
}

std::string refusal_for_record_file(const Form1& f) {
  const notation::Plies plies = notation::record_plies(f);
  const Handicap* h = handicap_of(plies.start, plies.sente);
  if (h != nullptr && h->count == 0) return "";
  return "平手でない棋譜は「.棋譜」形式に書き込めません";
}

}  // namespace kif

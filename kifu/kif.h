// KIF, the record format most shogi programs read and write: the game or a loaded record written
// out, and a KIF file read in as a record to step through.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "engine/Position.h"

class Form1;

namespace kif {

// What the header says beside the moves. Names go with the sides of the board; the writer
// puts them under 先手 and 後手 (下手 and 上手 in a handicap game).
struct Header {
  std::string started;  // 開始日時, as "2026/12/09 10:00:00"; left out when empty
  std::string title;    // 表題; left out when empty
  std::string upper, lower;
};
// 人間 for a person, "LEVEL n" for the computer, by the kind of game being played.
Header default_header(const Form1& f);

// The game, or the loaded record, as KIF text (UTF-8, LF line ends).
std::string write(const Form1& f, const Header& h);
// A file's bytes: .kifu is UTF-8 with a first line saying so, .kif is Shift-JIS (a character
// code page 932 lacks becomes "?").
std::string as_kifu(const std::string& kif);
std::string as_kif(const std::string& kif);

// A position alone as KIF: その他 with its board diagram and the side to move, no moves.
std::string position_kif(const engine::Position& p, engine::Side sente);

// The standard name of a start where `giver` has the pieces of a handicap taken off (and moves
// first), or nothing. `p` is the start; the other side keeps all its pieces.
std::optional<std::string> handicap_name(const engine::Position& p, engine::Side giver);

// Reads KIF (Shift-JIS or UTF-8, told by the content) into the game as a record to step through
// with 進 and 戻, as a record file is loaded. "" once loaded; otherwise why it is refused (the
// line named), the game left as it was. The title and names read go to `said` if given.
std::string read(Form1& f, std::istream& in, Header* said = nullptr);
// Why the game or loaded record cannot go into a record file (.棋譜), which holds only games
// from the even start: a message for a handicap or a start of its own, "" when it can.
std::string refusal_for_record_file(const Form1& f);

// The record's title and players shown round the board as a loaded record file shows them.
void show_record_headers(Form1& f, const std::string& title, const std::string& upper,
                         const std::string& lower);

}  // namespace kif

// SFEN, the one-line position of USI programs: a position written out, and read back as a
// position or as a record of that one position to look at. A spell in force is not part of it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/Position.h"

class Form1;

namespace sfen {

// 先手's pieces in capitals, the board seen from its side, then the side to move, the hands and
// the move number: "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1".
std::string write(const engine::Position& p, engine::Side sente, int move_number = 1);
// The position an SFEN gives, 先手 on `sente`'s side of the board; nothing when it is no SFEN
// or holds more pieces than the game has.
std::optional<engine::Position> read(std::string_view text, engine::Side sente = engine::Lower);
// The position loaded into the game as a record of it alone, as a KIF file is read. "" once
// loaded; otherwise why not, the game left as it was.
std::string load(Form1& f, std::string_view text);

}  // namespace sfen

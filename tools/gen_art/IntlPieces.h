// The international pieces: the same boxwood tile, with a symbol of the kind instead of its kanji
// and a mark towards every way it moves: a dot for a step, an arrow for a line.
#pragma once

#include <QPainterPath>

namespace art {

enum class Glyph { Pawn, Lance, Knight, Silver, Gold, Bishop, Rook, King };

// The symbol and the move marks of a piece of w x h pixels, in the piece's own coordinates
// (point up, towards the opponent). A promoted piece shows the moves it has when promoted.
QPainterPath movesInk(Glyph glyph, bool promoted, double w, double h);

}  // namespace art

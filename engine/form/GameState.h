// Between the game's state (Form1's fields) and the engine's position and turns.
#pragma once

#include "engine/Position.h"
#include "shell/Form1.h"

namespace engine {

// The game's piece code of a piece, and the piece of a code (kEmpty for kara or no piece).
Int game_code(Piece p);
Piece piece_of_code(Int code);

// The position of the game with `mover` to move. The spell in force is the seal flag of a
// piece or hand kind that the mover holds; flags on other squares bind nothing.
Position from_game(const Form1& f, Side mover);
// Snapshot n of the record read the same way.
Position from_snapshot(const Record& r, long n, Side mover);
// The spell `mover` casts in the turn that snapshot n comes before: the seal flag on a piece or
// hand kind of the other side; kNoPlace when it casts none.
int spell_in_snapshot(const Record& r, long n, Side mover);
// Snapshot n written from a position (board, hands, the spell in force) and the spell the side to
// move casts before its move; the clocks are left as they are.
void to_snapshot(const Position& p, int spell, Record& r, long n);

// A turn as the game describes it. A drop comes from the mover's hand column with the hand
// kind as its row (as 駒移動 takes it for the upper hand); the spell's target is a square, or
// the opponent's hand column with the kind, and its code kara when the turn casts none.
struct GameTurn {
  Int x = 0, y = 0, x2 = 0, y2 = 0, before = Form1::kara, after = Form1::kara;
  Int code = Form1::kara, tx = 0, ty = 0;
};
GameTurn to_game(const Position& p, Move m);

}  // namespace engine

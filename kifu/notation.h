// How a turn is written: Japanese (▲７六歩　封２二角) and Western (P-7f Seal 2b B) notation, and
// the plies of a record with the position before each.
//
// Squares are named from 先手's side (`sente`): file 1 on its right, rank 一 on its far side.
// The king is 玉 for both sides. Western notation names the seal after the move as
// " Seal 2b B" (square, then the piece there) or " Seal hand B" for a kind in hand.
#pragma once

#include <string>
#include <vector>

#include "engine/Position.h"

class Form1;

namespace notation {

// The pieces of a turn's Japanese notation, each empty where it has no place.
struct Written {
  std::string mark;         // ▲ or △
  std::string destination;  // ７六, or 同　after the ply that went there
  std::string piece;        // 歩 .. 龍, as it stood before the move
  std::string relative;     // 右 左 直 上 引 寄, alone or two together
  std::string promotion;    // 成 or 不成
  std::string drop;         // 打
  std::string spell;        // ２二角 or 持角: the target of the turn's spell
};
Written written(const engine::Position& before, engine::Move turn, engine::Side sente,
                int previous_to);

std::string japanese(const engine::Position& before, engine::Move turn, engine::Side sente,
                     int previous_to);
std::string western(const engine::Position& before, engine::Move turn, engine::Side sente,
                    int previous_to);

// A square's standard file and rank, seen from 先手's side.
int file(int sq, engine::Side sente);
int rank(int sq, engine::Side sente);
// A square as the two notations write it: ７六, 7f.
std::string japanese_square(int sq, engine::Side sente);
std::string western_square(int sq, engine::Side sente);
// 歩 香 桂 銀 金 角 飛 玉 と 成香 成桂 成銀 馬 龍, by kind.
const char* piece_name(engine::Kind k);

// A ply of a record: the position before it (the spell in force included) and its turn.
struct Ply {
  engine::Position before;
  engine::Move turn;
  long snapshot;  // the record's snapshot of `before`, whose clocks go with the ply
};
struct Plies {
  engine::Side sente = engine::Lower;  // the side that made ply 1
  // The side marked ▲, from whose side squares are named: 先手, but 下手 (who moves second) in
  // a game of a standard handicap.
  engine::Side named_from = engine::Lower;
  std::vector<Ply> plies;
  engine::Position start = engine::Position::initial();  // the position before ply 1
  bool complete = true;  // false when a snapshot follows from no legal turn: the plies stop there
};
// Every ply of the game or of the loaded record, from the start: the game's last move is read
// from the position on the board, a loaded record's from its last snapshot.
Plies record_plies(const Form1& f);
// The Japanese notation of every ply, in order, ▲ for `named_from`.
std::vector<std::string> japanese_plies(const Plies& p);

// The legal move that turns `before` into the board and hands of `after`, with no spell; empty
// when there is none.
engine::Move move_between(const engine::Position& before, const engine::Position& after);

}  // namespace notation

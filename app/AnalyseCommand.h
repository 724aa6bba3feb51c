// luminak-shogi --analyse FILE.棋譜 [--seconds S | --nodes N]: LEVEL4's score of every
// position of a record, printed without opening a window.
#pragma once

#include <iosfwd>
#include <string>

#include "engine/Analysis.h"

// The command line asks for the analysis.
bool wants_analysis(int argc, char** argv);

// Loads the record as the game does, scores the position before every move and after the last
// on both cores, and prints one line a position (PLY, SCORE, BEST, tab-separated), then the
// count and the time. A file that is no record: the game's message on `err`, status 1.
int analyse_command(int argc, char** argv, std::ostream& out, std::ostream& err);

// A score as the lines print it, from the lower side's view: +詰N / -詰N for a capture of the
// king found in N plies, otherwise the number; "-" when not scored.
std::string score_text(const engine::PositionScore& s);
// LEVEL4's turn for the side to move of `p` in Japanese notation, ▲ for `named_from` (同 after
// a move to `previous_to`); "-" for none.
std::string turn_text(const engine::Position& p, engine::Move m, engine::Side named_from,
                      int previous_to);
// The line of position `ply`, with its turn written.
std::string analysis_line(long ply, const engine::PositionScore& s, const std::string& turn);

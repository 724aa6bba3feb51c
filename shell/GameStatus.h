// The shell's own parts: who plays which side and how the game stands, the player's
// selection on the board, and the options the settings file keeps.
#pragma once

#include <string>

#include "shell/GameTerms.h"

struct GameStatus {
  Int man_te = GameTerms::te_gote;          // the side value the human plays
  Int com_te = GameTerms::te_sente;         // the computer's (or the second person's)
  Int shouri_te = GameTerms::te_nasi;       // the winner, once the game is over
  Int taikyoku_mode = GameTerms::mode_man;  // mode_com against the computer
  long tesuu = 0;       // moves played; a loaded record may hold more than 16 bits count
  Int level = 3;        // the computer's strength, 1 to 4 (4: LEVEL4's search)
  Int hande_level = 0;  // handicap rank, -10 名人 .. 10 12級
  Int hande_settei = GameTerms::nasi;  // a handicap was set: the record is not written
};

// The player's clicks on the board: nothing selected yet (0) or a piece selected (1).
struct BoardInput {
  Int sentaku = 0;
  Int sentaku_koma[10] = {};  // 3/4 origin, 5/6 destination, 8 piece code
};

struct GameOptions {
  std::string settings_path = "Vexaルミナーク将棋.ini";  // the front end puts it beside the game
  Int haikei = GameTerms::haikei_midori;                 // the background
  Int sidou = GameTerms::nasi;          // move guidance: reachable squares are outlined
  Int iro_sidou = GameTerms::iro_waku;  // their outline: iro_siro while guidance is on
  bool font_bold = false;               // the form's font, bold once the labels have been drawn
  // Shorter effects: every wait of the computer's turn and of a spell is cut in proportion, so
  // that the longest turn shows all it shows in a fraction of a second. Off in the text's game.
  bool ensyutu_tansyuku = false;
};

// The computer's strength and the handicap ladder.
#include <cstdlib>
#include <iterator>

#include "shell/Form1.h"

namespace {

constexpr Menu kLevelMenus[] = {Menu::LEVEL1, Menu::LEVEL2, Menu::LEVEL3, Menu::LEVEL4};
constexpr Int kLowestLevel = 1, kHighestLevel = static_cast<Int>(std::size(kLevelMenus));
// The cells left of the board's top where the level is shown.
constexpr Int kLevelRow = 0, kLevelFirstCell = -2, kLevelLastCell = 0;

// Each step from the even game (rank 0) towards 12級 takes one more of the computer's pieces,
// in this order; each step towards 名人 takes the human's matching piece, which stands on the
// square turned half round the board's centre.
struct HandePiece {
  Int x, y, piece;
};
constexpr HandePiece kHandePieces[] = {{8, 2, Form1::com_kaku}, {2, 2, Form1::com_sya},
                                       {9, 1, Form1::com_kyou}, {1, 1, Form1::com_kyou},
                                       {8, 1, Form1::com_kei},  {2, 1, Form1::com_kei},
                                       {7, 1, Form1::com_gin},  {3, 1, Form1::com_gin},
                                       {6, 1, Form1::com_kin},  {4, 1, Form1::com_kin}};
constexpr Int kHandeMax = static_cast<Int>(std::size(kHandePieces));  // 12級; -kHandeMax 名人

// Reasons for the handicap box, by what forbids the change.
constexpr Int kRefusedInRecord = 1, kRefusedMidGame = 2, kRefusedReversed = 3;

}  // namespace

void Form1::LEVEL1_Click() {
  レベル_選択(1);
}
void Form1::LEVEL2_Click() {
  レベル_選択(2);
}
void Form1::LEVEL3_Click() {
  レベル_選択(3);
}
void Form1::LEVEL4_Click() {
  レベル_選択(探索_レベル);
}

void Form1::レベル_選択(Int n) {
  for (Int c = kLevelFirstCell; c <= kLevelLastCell; ++c) 描画_絵(haikei, c, kLevelRow);
  レベル_設定(n);
}

void Form1::レベル_設定(Int n) {
  for (Menu m : kLevelMenus) win.SetChecked(m, false);
  if (n >= kLowestLevel && n <= kHighestLevel) {
    win.SetChecked(kLevelMenus[n - kLowestLevel], true);
    level = n;
  }
  if (taikyoku_mode == mode_com) 描画_レベル(level);
}

void Form1::LBEL_UP_Click() {
  ハンデ_段階(1);
}
void Form1::LEBEL_DOWN_Click() {
  ハンデ_段階(-1);
}

// One rank up (+1) or down (-1), before the first move of a game.
void Form1::ハンデ_段階(Int step) {
  描画_可視(false, false, false);
  描画_棋譜_IO(1);
  const Int refusal = kifu_mode == ari ? kRefusedInRecord
                      : kifu_tesuu > 0 ? kRefusedMidGame
                      : hanten == ari  ? kRefusedReversed
                                       : 0;
  if (refusal != 0) {
    ds->dsPlay(snd_kinsi);
    描画_メッセージ(refusal);
    return;
  }
  kifu_saigo = 0;

  const Int rank = static_cast<Int>(hande_level + step);
  if (rank >= -kHandeMax && rank <= kHandeMax) {
    // Away from the even game the new rank's piece goes; towards it the old rank's comes back.
    const bool away = std::abs(rank) > std::abs(hande_level);
    const Int row = away ? rank : hande_level;
    hande_level = rank;
    描画_ハンデレベル(hande_level);

    const HandePiece& p = kHandePieces[std::abs(row) - 1];
    const bool computers = row > 0;
    const Int X = computers ? p.x : static_cast<Int>(ban_max + 1 - p.x);
    const Int Y = computers ? p.y : static_cast<Int>(ban_max + 1 - p.y);
    ban[X][Y] = away ? kara : static_cast<Int>(computers ? p.piece : -p.piece);
    // A seal cast on the piece goes with it, and does not come back with it.
    huu_man[X][Y] = nasi;
    huu_com[X][Y] = nasi;
    描画_絵(ban[X][Y], X, Y);
    描画_桝輪郭(iro_haikei, X, Y);
    ds->dsPlay(snd_komauti);
  }
  hande_settei = ari;
}

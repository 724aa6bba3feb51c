// LEVEL4's turn as the game plays it: the spell the search chose with its move reaches the
// board, the hands and the screen as chosen.
#include <gtest/gtest.h>

#include <sstream>

#include "engine/Search.h"
#include "engine/form/GameState.h"
#include "shell/BoardTerms.h"
#include "support/Game.h"
#include "support/PositionText.h"
#include "support/Seen.h"

namespace {

using F = Form1;
using namespace engine;

constexpr long kNodes = 20000;

struct Level4GameTurn : ::testing::Test {
  Game g;
  void SetUp() override { g->Form_Load(); }

  // The position (the computer holds the lower-case pieces) with the computer to move at LEVEL4,
  // and the turn its search chooses there.
  Decision computer_to_move(const std::string& rows) {
    std::istringstream in("= test\n" + rows);
    std::string name;
    EXPECT_TRUE(position_text::read(in, *g, name));
    g->taikyoku_mode = F::mode_com;
    g->man_te = F::te_sente;
    g->com_te = F::te_gote;
    g->teban = g->com_te;
    g->tesuu = 1;
    g->LEVEL4_Click();
    g->探索_局面数 = kNodes;
    before = from_game(*g, Upper);
    g.w.clear();
    Search search;
    return search.think(before, {0, kNodes});
  }
  // The human's sealed pieces and hand kinds after the turn, as places of the engine.
  std::vector<int> human_seals() const {
    std::vector<int> out;
    for (int x = 1; x <= F::ban_max; ++x)
      for (int y = 1; y <= F::ban_max; ++y)
        if (g.f->huu_man[x][y] == F::ari) out.push_back(square(x, y));
    for (int k = 1; k <= F::mochi_max; ++k)
      if (g.f->huu_mochi_man[k] == F::ari) out.push_back(hand_place(k));
    return out;
  }
  Position before;
};

TEST_F(Level4GameTurn, ASpellOnAHandKindSealsTheHumansHandAndBlinksThere) {
  // Every square the human's king could go to is attacked: with its gold in hand sealed, it
  // must step into one of them.
  const Decision d = computer_to_move(
      "k . . . . . . . .\n"
      ". . . . . . . . .\n"
      ". . . . . . . l .\n"
      ". . . . . . . . .\n"
      ". . . . . b . . .\n"
      ". . . . . . . . .\n"
      ". . . . . . . . .\n"
      ". . . . . . . . .\n"
      ". . . . . . . . K\n"
      "hands: G1 /\n");
  ASSERT_EQ(d.turn.seal(), hand_place(Gold)) << "the search seals the gold in hand";
  const Seen seen(g.w);
  g->com_ban();
  EXPECT_EQ(human_seals(), std::vector<int>{hand_place(Gold)});
  EXPECT_TRUE(seen.blinked(F::mochi_man_x, board::man_hand_row(Gold), Picture::SITA_KIN2));
  EXPECT_FALSE(seen.blinked(F::mochi_com_x, board::com_hand_row(Gold), Picture::SITA_KIN2));
}

// The search may aim its spell at the piece its move takes; the game casts nothing then.
TEST_F(Level4GameTurn, ASpellOnThePieceTheMoveTakesIsNeverCast) {
  computer_to_move(
      "k . . . . . . . .\n"
      ". b . . . . . . .\n"
      "p p . . . . . . .\n"
      ". . . . . . . . .\n"
      ". . . . . . . . .\n"
      ". . . . . . . . .\n"
      "P P P . . . R . .\n"
      ". . . . . . . . .\n"
      ". . . . K . . . .\n"
      "hands: /\n");
  const int rook = square(7, 7);
  const Move turn = Move::make(square(2, 2), rook, false, rook);
  EXPECT_EQ(before.after(turn).seal, kNoPlace) << "spent in the search's own position";
  // The turn handed to the game, its spell asked for with the move played.
  const GameTurn t = to_game(before, turn);
  g->探索_封印駒 = t.code;
  g->探索_封印X = t.tx;
  g->探索_封印Y = t.ty;
  g->ban[t.x2][t.y2] = t.after;
  g->ban[t.x][t.y] = F::kara;
  Int code = F::kara, tx = 0, ty = 0;
  g->調査_ルミナーク座標(code, tx, ty);
  EXPECT_EQ(code, F::kara);
}

TEST_F(Level4GameTurn, APromotionAndItsSpellBothReachTheGame) {
  const Decision d = computer_to_move(
      "k . . . . . . . .\n"
      ". . . . . . . . .\n"
      "p p . . . . . . .\n"
      ". . . . r . . . .\n"
      ". . . . . . . . .\n"
      ". . . . . . . . .\n"
      ". . . . G . . . .\n"
      "R . . . . . . . .\n"
      ". . . . . . . . K\n"
      "hands: /\n");
  ASSERT_TRUE(d.turn.promotes());
  ASSERT_NE(d.turn.seal(), kNoPlace);
  ASSERT_NE(d.turn.seal(), d.turn.to());
  const GameTurn t = to_game(before, d.turn);
  g->com_ban();
  EXPECT_EQ(g->ban[t.x2][t.y2],
            game_code(make_piece(Upper, promoted(kind_of(before.board[d.turn.from()])))));
  EXPECT_EQ(human_seals(), std::vector<int>{d.turn.seal()});
}

TEST_F(Level4GameTurn, TakingTheKingAimsAtTheHumansKing) {
  const Decision d = computer_to_move(
      "k . . . . . . . .\n"
      ". . . . r . . . .\n"
      "p p . . . . . . .\n"
      ". . . . . . . . .\n"
      ". . . . . . . . .\n"
      ". . . . . . . . .\n"
      "P P . . . . . . .\n"
      ". . . . . . . . .\n"
      ". . . . K . . . .\n"
      "hands: /\n");
  EXPECT_EQ(d.turn, Move::make(square(5, 2), square(5, 9)));
  g->com_ban();
  EXPECT_EQ(g->shouri_te, g->com_te);
  EXPECT_EQ(g->ban[5][9], F::com_sya);
}

}  // namespace

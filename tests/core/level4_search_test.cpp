// LEVEL4's search: positions that show it understands the game, and its turn in the game.
#include <gtest/gtest.h>

#include <sstream>

#include "engine/Search.h"
#include "engine/form/GameState.h"
#include "shell/QuietWindow.h"
#include "support/Game.h"
#include "support/PositionText.h"
#include "support/RulesAgreement.h"

namespace {

using namespace engine;

constexpr long kNodes = 200000;  // a node limit keeps every decision the same

// The position of the text with the upper side (lower case) to move.
Position upper_to_move(const std::string& rows) {
  QuietWindow w;
  Form1 f(w);
  std::istringstream in("= test\n" + rows);
  std::string name;
  position_text::read(in, f, name);
  return from_game(f, Upper);
}

Decision decide(const Position& p) {
  static Search search(1 << 24);
  return search.think(p, {0, kNodes});
}

TEST(Level4Search, TakesAFreePiece) {
  const Position p = upper_to_move(
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
  const Decision d = decide(p);
  EXPECT_EQ(d.turn.from(), square(2, 2));
  EXPECT_EQ(d.turn.to(), square(7, 7));
}

TEST(Level4Search, MeetsAThreatOnItsKingWithASpellOrAMove) {
  // The lower dragon and gold both attack the upper king; the pawn guards the gold.
  const Position p = upper_to_move(
      "+R . . . k . . . .\n"
      ". . . . G . . . .\n"
      ". . . . P . . . r\n"
      ". p p . . . p p .\n"
      ". . . . . . . . .\n"
      ". . . . . . . . .\n"
      ". . . . . . . . .\n"
      ". . . . . . . . .\n"
      ". . . . K . . . .\n"
      "hands: / g1\n");
  const Decision d = decide(p);
  ASSERT_FALSE(d.turn.empty());
  EXPECT_EQ(king_attacker(p.after(d.turn)), 0) << "the king can still be taken";
  EXPECT_GT(d.score, -kWinBound);
}

TEST(Level4Search, WinsBySequenceThatNoSpellStops) {
  // The gold steps aside to check with the rook behind it: two pieces attack the king, and
  // every square it could flee to is attacked twice.
  const Position p = upper_to_move(
      "k . . . . . . . r\n"
      ". . . . . . . . .\n"
      ". . . . . . . . .\n"
      ". . . . . . . . .\n"
      "P . . . . . . . .\n"
      ". . . . . . . . .\n"
      ". . . . . . n p g\n"
      ". . . +r . . . . .\n"
      ". . . . . . . . K\n"
      "hands: /\n");
  const Decision d = decide(p);
  ASSERT_GE(d.score, kWinBound);
  // Whatever the lower side answers, with whatever spell, the king falls next.
  const Position reply_to = p.after(d.turn);
  std::vector<int> spells = rules_agreement::spell_places(reply_to);
  spells.push_back(kNoPlace);
  MoveList replies;
  generate(reply_to, Generate::All, replies);
  ASSERT_GT(replies.count, 0);
  for (Move m : replies)
    for (int spell : spells)
      EXPECT_NE(king_attacker(reply_to.after(m.with_seal(spell))), 0)
          << "escaped by " << m.from() << "-" << m.to() << " with a spell on " << spell;
}

TEST(Level4Search, TheSameDecisionForTheSamePositionUnderANodeLimit) {
  const Position p = Position::initial();
  Search other(1 << 22);
  EXPECT_EQ(decide(p).turn, other.think(p, {0, kNodes}).turn);
}

// The computer's turn at LEVEL4, as the game plays it.
TEST(Level4Turn, PlaysALegalMoveAndCastsItsSpell) {
  Game g;
  g->Form_Load();
  g->taikyoku_mode = Form1::mode_com;
  g->man_te = Form1::te_sente;
  g->com_te = Form1::te_gote;
  g->teban = g->com_te;
  g->LEVEL4_Click();
  g->探索_局面数 = kNodes / 10;
  const Position before = from_game(*g, Upper);

  g->com_ban();

  EXPECT_EQ(g->teban, g->man_te);
  const Position now = from_game(*g, Lower);
  MoveList moves;
  generate(before, Generate::All, moves);
  int matches = 0;
  for (Move m : moves)
    matches += rules_agreement::same_position(before.after(m.with_seal(now.seal)), now);
  EXPECT_EQ(matches, 1) << "the board shows one legal move with its spell";
  ASSERT_NE(g->探索_封印駒, Form1::kara);
  EXPECT_NE(now.seal, kNoPlace) << "the human's piece is sealed";
  EXPECT_EQ(g->kifu_tesuu, 1);
}

// While it thinks for its time, the window is kept alive.
TEST(Level4Turn, KeepsTheWindowAliveWhileItThinks) {
  struct CountingWindow : QuietWindow {
    int alive = 0;
    void KeepAlive() override { ++alive; }
  } w;
  Form1 f(w);
  f.初期設定();
  f.level = Form1::探索_レベル;
  f.探索_秒 = 0.1f;
  Int x = 0, y = 0, x2 = 0, y2 = 0, before = Form1::kara, after = Form1::kara;
  f.調査_COM打ち座標(x, y, x2, y2, before, after);
  EXPECT_TRUE(board::on_board(x2, y2));
  EXPECT_GT(w.alive, 0);
}

}  // namespace

// Two people at one screen play with the mouse: selecting, moving, capturing, dropping,
// promoting with the right button and casting the seal spell.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/Game.h"

namespace {

using F = Form1;
constexpr Int L = F::button_hidari, R = F::button_migi;

struct Input : ::testing::Test {
  Game g;
  void SetUp() override {
    g->Form_Load();
    g->snd_kinsi = 1;
    g->snd_komauti = 2;
    g->snd_mahou = 3;
    g->snd_kanasibari = 4;
  }
  // A click in the middle of cell (column, row).
  void click(Int button, Int column, Int row) {
    g->Form_MouseDown(button, 0, F::cell_x(column) + F::masu_w / 2.0,
                      F::cell_y(row) + F::masu_h / 2.0);
  }
  void move(Int fx, Int fy, Int tx, Int ty, Int button = L) {
    click(L, fx, fy);
    click(button, tx, ty);
  }
  int sounds(int handle) const {
    int n = 0;
    for (const Call& c : g.w.of(Call::Play)) n += c.sound == handle;
    return n;
  }
  std::string last_message() const {
    auto m = g.w.messages();
    return m.empty() ? "" : m.back().text;
  }
};

TEST_F(Input, ClicksBeforeAGameAreRefused) {
  click(L, 5, 7);
  EXPECT_EQ(last_message(), "「対局」で始めて下さい");
  EXPECT_EQ(g.w.messages().back().title, "開始");
  EXPECT_EQ(sounds(g->snd_kinsi), 1);
  EXPECT_EQ(g->ban[5][7], F::man_hu);
}

TEST_F(Input, AWholeGameWithSpellsDropsAndAPromotion) {
  g->START_Click();
  ASSERT_EQ(g->teban, F::te_sente);

  // 1. ▲ pawn 3七 -> 3六 opens the lower bishop's diagonal.
  move(3, 7, 3, 6);
  EXPECT_EQ(g->ban[3][6], F::man_hu);
  EXPECT_EQ(g->teban, F::te_gote);
  EXPECT_EQ(g->tesuu, 1);

  // 2. △ seals the lower bishop, then the rook (which frees the bishop), then the bishop
  //    again; casting never ends the turn.
  click(L, 2, 8);
  EXPECT_EQ(g->huu_man[2][8], F::ari);
  click(L, 8, 8);
  EXPECT_EQ(g->huu_man[2][8], F::nasi) << "a second spell releases the first";
  EXPECT_EQ(g->huu_man[8][8], F::ari);
  click(L, 2, 8);
  EXPECT_EQ(g->huu_man[8][8], F::nasi);
  EXPECT_EQ(g->huu_man[2][8], F::ari);
  EXPECT_EQ(g->teban, F::te_gote);
  EXPECT_EQ(sounds(g->snd_mahou), 3);
  EXPECT_EQ(sounds(g->snd_kanasibari), 3);
  move(7, 3, 7, 4);
  EXPECT_EQ(g->teban, F::te_sente);
  EXPECT_EQ(g->huu_man[2][8], F::ari) << "the seal holds through the owner's next turn";

  // 3. ▲ the sealed bishop cannot move; a pawn moves instead, which frees the bishop.
  const int refused = sounds(g->snd_kinsi);
  move(2, 8, 8, 2, R);
  EXPECT_EQ(sounds(g->snd_kinsi), refused + 1);
  EXPECT_EQ(g->ban[2][8], F::man_kaku);
  EXPECT_EQ(g->teban, F::te_sente);
  move(9, 7, 9, 6);
  EXPECT_EQ(g->huu_man[2][8], F::nasi) << "free once its owner has moved";

  // 4. △
  move(1, 3, 1, 4);

  // 5. ▲ an illegal try, a re-selection, then bishop takes bishop and promotes (right button).
  move(5, 7, 5, 5);
  EXPECT_EQ(g->ban[5][7], F::man_hu);
  EXPECT_EQ(g->sentaku, 0);
  click(L, 5, 7);
  click(L, 2, 8);  // switches the selection to the bishop
  EXPECT_EQ(g->sentaku, 1);
  EXPECT_EQ(g->ban[5][7], F::man_hu);
  click(R, 8, 2);
  EXPECT_EQ(g->ban[8][2], F::man_kaku_nari);
  EXPECT_EQ(g->ban[2][8], F::kara);
  EXPECT_EQ(g->mochi_man[6], 1);

  // 6. △ silver takes the horse; the upper hand gets a bishop.
  move(7, 1, 8, 2);
  EXPECT_EQ(g->ban[8][2], F::com_gin);
  EXPECT_EQ(g->mochi_com[6], 1);

  // 7. ▲ seals the bishop in the upper hand (row 2 of column -1), then drops its own bishop
  //    on 2四 (8, 4), aiming at the king through 6二 and 7三.
  click(L, -1, 2);
  EXPECT_EQ(g->huu_mochi_com[6], F::ari);
  EXPECT_EQ(g->teban, F::te_sente);
  click(L, 2, 5);  // the sealed hand piece's highlight goes
  EXPECT_EQ(g->sentaku, 0);
  move(11, 8, 8, 4);
  EXPECT_EQ(g->ban[8][4], F::man_kaku);
  EXPECT_EQ(g->mochi_man[6], 0);

  // 8. △ the sealed bishop in hand cannot be dropped; another move frees it.
  move(-1, 2, 5, 5);
  EXPECT_EQ(g->ban[5][5], F::kara);
  EXPECT_EQ(g->mochi_com[6], 1);
  EXPECT_EQ(g->teban, F::te_gote);
  move(1, 4, 1, 5);
  EXPECT_EQ(g->huu_mochi_com[6], F::nasi);

  // 9. ▲ bishop takes the king.
  move(8, 4, 5, 1);
  EXPECT_EQ(g->shouri_te, F::te_sente);
  EXPECT_EQ(last_message(), "先手の勝ちです");
  EXPECT_EQ(g.w.messages().back().title, "終了");
  EXPECT_EQ(g->tesuu, 9);

  click(L, 5, 5);
  EXPECT_EQ(last_message(), "新規に対局してください");
  EXPECT_EQ(g.w.messages().back().title, "終局");
}

struct InputPosition : Input {
  // Kings on 5九 and 1一 only, then the given pieces; a two-person game at move 0.
  void set(std::initializer_list<std::tuple<Int, Int, Int>> pieces) {
    g.clear_board();
    g->ban[5][9] = F::man_ou;
    g->ban[9][1] = F::com_ou;
    for (auto [x, y, code] : pieces) g->ban[x][y] = code;
    g->START_Click();
  }
};

TEST_F(InputPosition, PawnOnTheLastRowNeedsTheRightButton) {
  set({{1, 2, F::man_hu}});
  move(1, 2, 1, 1, L);
  EXPECT_EQ(last_message(), "マウスの右をクリックして下さい");
  EXPECT_EQ(g.w.messages().back().title, "成り");
  EXPECT_EQ(g->ban[1][2], F::man_hu);
  EXPECT_EQ(g->sentaku, 1) << "the selection stays";
  click(R, 1, 1);
  EXPECT_EQ(g->ban[1][1], F::man_hu_nari);
  EXPECT_EQ(g->teban, F::te_gote);
}

TEST_F(InputPosition, RightButtonOnlyPromotesWhereItMay) {
  set({{1, 7, F::man_hu}, {2, 4, F::man_hu}});
  move(1, 7, 1, 6, R);
  EXPECT_EQ(g->ban[1][6], F::man_hu) << "no promotion outside the zone";
  move(9, 1, 9, 2);  // △ king steps
  move(2, 4, 2, 3, L);
  EXPECT_EQ(g->ban[2][3], F::man_hu) << "the left button declines an optional promotion";
}

TEST_F(InputPosition, SelectionSurvivesClicksOnItselfAndOffTheBoard) {
  set({{3, 7, F::man_gin}});
  click(L, 3, 7);
  click(L, 3, 7);
  EXPECT_EQ(g->sentaku, 1);
  g->Form_MouseDown(L, 0, 8800, 7900);  // outside the board and both hands
  EXPECT_EQ(g->sentaku, 1);
  click(L, 4, 6);
  EXPECT_EQ(g->ban[4][6], F::man_gin);
}

TEST_F(InputPosition, ClicksFarOutsideTheWindowAreOffTheBoard) {
  set({{3, 7, F::man_gin}});
  click(L, 3, 7);
  g->Form_MouseDown(L, 0, -1e9, 1e9);
  g->Form_MouseDown(L, 0, 1e12, -5);
  EXPECT_EQ(g->sentaku, 1);
  click(L, 3, 6);
  EXPECT_EQ(g->ban[3][6], F::man_gin);
}

TEST_F(InputPosition, EmptyHandKindsAndEmptySquaresAreIgnored) {
  set({});
  click(L, 11, 3);
  click(L, 5, 5);
  EXPECT_EQ(g->sentaku, 0);
  EXPECT_TRUE(g.w.messages().size() == 1u) << "only the start message";
}

TEST_F(InputPosition, SpellOnTheOpponentsHandFromTheUpperSide) {
  set({});
  g->mochi_man[7] = 1;
  move(5, 9, 5, 8);  // ▲
  click(L, 11, 9);   // △ seals the rook in the lower hand
  EXPECT_EQ(g->huu_mochi_man[7], F::ari);
  click(L, 5, 5);  // drops the sealed piece's highlight
  move(9, 1, 9, 2);
  move(11, 9, 5, 5);  // ▲ cannot drop it
  EXPECT_EQ(g->ban[5][5], F::kara);
  EXPECT_EQ(g->mochi_man[7], 1);
}

TEST_F(InputPosition, ReplayModeAsksAndNoStartsAfresh) {
  set({{5, 5, F::man_kin}});
  g->kifu_mode = F::ari;
  g.w.answers = {mb::Yes};
  click(L, 5, 5);
  EXPECT_EQ(last_message(), "棋譜を '進 'で進めて下さい");
  EXPECT_EQ(g->ban[5][5], F::man_kin);
  g.w.answers = {mb::No};
  click(L, 5, 5);
  EXPECT_EQ(g->ban[5][5], F::kara) << "a fresh board";
  EXPECT_EQ(g->kifu_mode, F::nasi);
  EXPECT_EQ(g->ban[5][9], F::man_ou);
}

TEST_F(InputPosition, EveryMoveIsRecordedWithThePositionBeforeIt) {
  set({{3, 7, F::man_gin}});
  move(3, 7, 3, 6);
  move(9, 1, 9, 2);
  EXPECT_EQ(g->kifu_tesuu, 2);
  EXPECT_EQ(g->kifu_saigo, 1);
  EXPECT_EQ(g->kifu_ban[0][3][7], F::man_gin);
  EXPECT_EQ(g->kifu_ban[1][3][6], F::man_gin);
  EXPECT_EQ(g->kifu_ban[1][9][1], F::com_ou);
}

// Against the computer, as its start handlers leave the game: the player is 先手.
struct AgainstTheComputer : InputPosition {
  void vs_com(std::initializer_list<std::tuple<Int, Int, Int>> pieces, Int turn) {
    set(pieces);
    g->taikyoku_mode = F::mode_com;
    g->man_te = F::te_sente;
    g->com_te = F::te_gote;
    g->teban = turn;
    g->snd_bgm = 8;
    g->snd_sentou = 9;
    g.w.clear();
  }
};

TEST_F(AgainstTheComputer, AClickOnTheComputersTurnFirstAsksToResume) {
  vs_com({{3, 7, F::man_gin}}, F::te_gote);
  g->modori_chuu = F::ari;
  click(L, 3, 7);
  auto m = g.w.messages();
  ASSERT_FALSE(m.empty());
  EXPECT_EQ(m[0].text, "OKですか？");
  EXPECT_EQ(m[0].title, "再開(COM)");
  EXPECT_EQ(m[0].buttons, mb::OKOnly);
  EXPECT_EQ(g->modori_chuu, F::nasi);
}

TEST_F(AgainstTheComputer, AfterAStepBackThePlayersClockRestarts) {
  vs_com({{3, 7, F::man_gin}}, F::te_sente);
  g->modori_chuu = F::ari;
  g.w.checked[static_cast<int>(Menu::KEIKA)] = true;
  g.w.now = 1000;
  click(L, 3, 7);
  auto m = g.w.messages();
  ASSERT_EQ(m.size(), 1u);
  EXPECT_EQ(m[0].text, "MANの番です");
  EXPECT_EQ(m[0].title, "対局");
  EXPECT_EQ(g->modori_chuu, F::nasi);
  EXPECT_EQ(g->kaisi_jikoku, 1000);
  EXPECT_TRUE(g.w.timer_on);
  EXPECT_EQ(g->sentaku, 1) << "the same click then selects the piece";
}

TEST_F(AgainstTheComputer, APlayersMoveStopsTheClockAndTheComputerReplies) {
  vs_com({{3, 7, F::man_gin}, {6, 3, F::com_kin}}, F::te_sente);
  g->jikan_man = 10;
  g->keika_byou = 5;
  g->huu_man[5][9] = F::ari;  // the king, sealed by the computer
  g.w.timer_on = true;
  move(3, 7, 3, 6);
  EXPECT_EQ(g->jikan_man, 15);
  // The seal goes before the computer starts thinking: the king is shown free again.
  const auto& calls = g.w.calls;
  const auto thinking = std::find_if(calls.begin(), calls.end(), [](const Call& c) {
    return c.kind == Call::Text && c.text == "思考中";
  });
  ASSERT_NE(thinking, calls.end());
  const auto king = std::find_if(calls.begin(), thinking, [](const Call& c) {
    return c.kind == Call::Paint && c.picture == Picture::SITA_OU &&
           FakeWindow::same(c.x, F::cell_x(5)) && FakeWindow::same(c.y, F::cell_y(9));
  });
  EXPECT_NE(king, thinking) << "the computer's seal is released";
  EXPECT_EQ(g->teban, F::te_sente) << "the computer has moved and handed the turn back";
  EXPECT_EQ(g->tesuu, 2);
  EXPECT_EQ(g->shouri_te, F::te_nasi);
}

TEST_F(AgainstTheComputer, CapturingTheKingWins) {
  vs_com({{9, 2, F::man_kin}}, F::te_sente);
  g.w.checked[static_cast<int>(Menu::BGM)] = true;
  move(9, 2, 9, 1);
  EXPECT_EQ(g->shouri_te, g->man_te);
  ASSERT_FALSE(g.w.messages().empty());
  EXPECT_EQ(last_message(), "あなたの勝ちです");
  EXPECT_EQ(g.w.messages().back().title, "終了");
  auto loops = g.w.of(Call::PlayLooping);
  ASSERT_EQ(loops.size(), 1u);
  EXPECT_EQ(loops[0].sound, 8) << "the background music returns";
  EXPECT_EQ(g.w.of(Call::Stop).size(), 2u);
}

}  // namespace

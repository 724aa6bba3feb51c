// Start-up, the fresh game, the two-person start and the ways out.
#include <gtest/gtest.h>

#include "support/Game.h"
#include "support/Seen.h"

namespace {

using F = Form1;

bool shown(const Game& g, Image i) {
  return g.w.image_visible[static_cast<int>(i)];
}

int pieces_on_board(Form1& f) {
  int n = 0;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) n += f.ban[x][y] != F::kara;
  return n;
}

TEST(Startup, LoadSetsUpTheInitialPosition) {
  Game g;
  g->Form_Load();
  EXPECT_EQ(pieces_on_board(*g), 40);
  const Int back[] = {F::com_kyou, F::com_kei, F::com_gin, F::com_kin, F::com_ou,
                      F::com_kin,  F::com_gin, F::com_kei, F::com_kyou};
  for (int x = 1; x <= 9; ++x) {
    EXPECT_EQ(g->ban[x][1], back[x - 1]);
    EXPECT_EQ(g->ban[x][9], -back[x - 1]);
    EXPECT_EQ(g->ban[x][3], F::com_hu);
    EXPECT_EQ(g->ban[x][7], F::man_hu);
  }
  EXPECT_EQ(g->ban[2][2], F::com_sya);
  EXPECT_EQ(g->ban[8][2], F::com_kaku);
  EXPECT_EQ(g->ban[2][8], F::man_kaku);
  EXPECT_EQ(g->ban[8][8], F::man_sya);
  for (int k = 1; k <= 7; ++k) {
    EXPECT_EQ(g->mochi_man[k], 0);
    EXPECT_EQ(g->mochi_com[k], 0);
  }
  EXPECT_EQ(g->teban, F::te_nasi);
  EXPECT_EQ(g->shouri_te, F::te_nasi);
  EXPECT_EQ(g->man_te, F::te_gote);
  EXPECT_EQ(g->com_te, F::te_sente);
  EXPECT_EQ(g->level, 3);
  EXPECT_TRUE(g.w.Checked(Menu::LEVEL3));
  EXPECT_EQ(g.w.of(Call::BackColor).at(0).colour, F::iro_haikei);
  EXPECT_EQ(g.w.painted_at_cell(5, 9), Picture::SITA_OU);
}

TEST(Startup, ResetClearsEverythingOfTheLastGame) {
  Game g;
  g->Form_Load();
  g->ban[5][5] = F::com_sya_nari;
  g->huu_man[5][7] = F::ari;
  g->huu_com[1][1] = F::ari;
  g->mochi_man[3] = 2;
  g->huu_mochi_com[6] = F::ari;
  g->teban = F::te_gote;
  g->shouri_te = F::te_sente;
  g->tesuu = 12;
  g->kifu_tesuu = 12;
  g->jikan_man = 30;
  g->hande_level = 4;
  g->level = 1;
  g->hande_settei = F::ari;
  g->taikyoku_mode = F::mode_com;
  g->hanten = F::ari;
  g->jikan_com = 40;
  g->modori_chuu = F::ari;
  g->keika_byou_hyouji = 9;
  g->sentaku = 1;
  g->mochi_com[2] = 1;
  g->huu_mochi_man[4] = F::ari;
  g->mochi_com_kei = g->mochi_man_kei = 1;
  g->kifu_mochi_man[1][3] = g->kifu_mochi_com[1][3] = 2;
  g->kifu_huu_mochi_man[1][3] = g->kifu_huu_mochi_com[1][3] = F::ari;
  g->kifu_ban[1][5][5] = F::com_sya;
  g->kifu_huu_man[1][5][5] = g->kifu_huu_com[1][5][5] = F::ari;
  g.w.timer_on = true;
  g->描画_打手_アイコン(F::te_sente);
  g->描画_打手(F::te_sente, 3, 3);
  g->描画_打手(F::te_gote, 4, 4);
  const Seen s(g.w);
  g->初期設定();
  EXPECT_EQ(pieces_on_board(*g), 40);
  EXPECT_EQ(g->ban[5][5], F::kara);
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      EXPECT_EQ(g->huu_man[x][y], F::nasi);
      EXPECT_EQ(g->huu_com[x][y], F::nasi);
    }
  for (int k = 1; k <= 7; ++k) {
    EXPECT_EQ(g->mochi_man[k], 0);
    EXPECT_EQ(g->huu_mochi_com[k], F::nasi);
  }
  EXPECT_EQ(g->mochi_man_kei, 0);
  EXPECT_EQ(g->teban, F::te_nasi);
  EXPECT_EQ(g->shouri_te, F::te_nasi);
  EXPECT_EQ(g->tesuu, 0);
  EXPECT_EQ(g->kifu_tesuu, 0);
  EXPECT_EQ(g->jikan_man, 0);
  EXPECT_EQ(g->hande_level, 0);
  EXPECT_EQ(g->level, 1) << "the level survives a new game";
  EXPECT_FALSE(g.w.timer_on);
  for (Int v : {g->hande_settei, g->hanten, g->modori_chuu, g->sentaku, g->mochi_com[2],
                g->huu_mochi_man[4], g->mochi_com_kei, g->mochi_man_kei})
    EXPECT_EQ(v, 0);
  EXPECT_EQ(g->taikyoku_mode, F::mode_man);
  EXPECT_EQ(g->jikan_com, 0);
  EXPECT_EQ(g->keika_byou_hyouji, 0);
  // The record starts afresh.
  for (Int v : {g->kifu_mochi_man[1][3], g->kifu_mochi_com[1][3], g->kifu_huu_mochi_man[1][3],
                g->kifu_huu_mochi_com[1][3], g->kifu_ban[1][5][5], g->kifu_huu_man[1][5][5],
                g->kifu_huu_com[1][5][5]})
    EXPECT_EQ(v, 0);
  EXPECT_EQ(s.picture(5, 5), Picture::KARA_MASU) << "the board is drawn afresh";
  for (Image i : {Image::Image1, Image::Image2, Image::sente_man})
    EXPECT_FALSE(shown(g, i)) << image_name(i) << ": no icon and no marker stays";
}

TEST(Startup, WindowIsPlacedUnlessMaximised) {
  Game g;
  g.w.placement = {300, 200, 5000, 4000, false};
  g->Form_Load();
  EXPECT_EQ(g.w.placement.left, 0);
  EXPECT_EQ(g.w.placement.top, 0);
  EXPECT_EQ(g.w.placement.width, 9000);
  EXPECT_EQ(g.w.placement.height, 8000);

  Game m;
  m.w.placement = {-60, -60, 20000, 15000, true};
  m->Form_Load();
  EXPECT_TRUE(m.w.of(Call::MoveWindow).empty());
  EXPECT_TRUE(m.w.of(Call::SizeWindow).empty());
}

struct TwoPersonStart : ::testing::Test {
  Game g;
  void SetUp() override { g->Form_Load(); }
  void click(Int column, Int row) {
    g->Form_MouseDown(F::button_hidari, 0, F::cell_x(column) + F::masu_w / 2.0,
                      F::cell_y(row) + F::masu_h / 2.0);
  }
};

// スタート also ends a replay or a game against the computer that had not begun.
TEST_F(TwoPersonStart, FreshGameMakesTheLowerSideSente) {
  g->kifu_mode = F::ari;
  g->taikyoku_mode = F::mode_com;
  g->modori_chuu = F::ari;
  g.w.clear();
  g->START_Click();
  EXPECT_EQ(g->kifu_mode, F::nasi);
  EXPECT_EQ(g->modori_chuu, F::nasi);
  EXPECT_EQ(g->teban, F::te_sente);
  EXPECT_EQ(g->man_te, F::te_sente);
  EXPECT_EQ(g->com_te, F::te_gote);
  EXPECT_EQ(g->taikyoku_mode, F::mode_man);
  auto msgs = g.w.messages();
  ASSERT_EQ(msgs.size(), 1u);
  EXPECT_EQ(msgs[0].text, "先手の番です");
  EXPECT_EQ(msgs[0].title, " ");
  EXPECT_TRUE(shown(g, Image::gote_man)) << "the lower side's icon";
  EXPECT_FALSE(g.w.timer_on) << "the clock stays off while elapsed time is not shown";
}

TEST_F(TwoPersonStart, ClockRunsWhenElapsedTimeIsShown) {
  g.w.checked[static_cast<int>(Menu::KEIKA)] = true;
  g->START_Click();
  EXPECT_TRUE(g.w.timer_on);
  EXPECT_FLOAT_EQ(g->kaisi_jikoku, static_cast<float>(12 * 3600));
}

// スタート in a game: the position and the turn stay, a piece picked up is put down with its
// outline, the upper side's icon shows, and the record's headers and the level are wiped.
TEST_F(TwoPersonStart, GameInProgressKeepsItsPositionAndTurn) {
  g->START_Click();
  click(5, 7);
  click(5, 6);
  click(5, 3);
  ASSERT_EQ(g->sentaku, 1);
  const Seen s(g.w);
  g->START_Click();
  EXPECT_EQ(g->ban[5][6], F::man_hu);
  EXPECT_EQ(g->teban, F::te_gote);
  EXPECT_EQ(s.messages(), std::vector<std::string>{"後手の番です"});
  EXPECT_EQ(g->sentaku, 0);
  EXPECT_EQ(s.outline(5, 3), F::iro_waku);
  EXPECT_TRUE(shown(g, Image::sente_man) && !shown(g, Image::gote_man));
  EXPECT_EQ(s.picture(5, 10), Picture::HAIKEI_MIDORI);
  EXPECT_EQ(s.picture(-1, 0), Picture::HAIKEI_MIDORI);
  // The upper side moves; スタート again tells the lower side.
  click(5, 3);
  click(5, 4);
  const Seen t(g.w);
  g->START_Click();
  EXPECT_EQ(t.messages(), std::vector<std::string>{"先手の番です"});
  EXPECT_TRUE(shown(g, Image::gote_man));
}

TEST_F(TwoPersonStart, FinishedGameStartsAgainFromTheInitialPosition) {
  g->START_Click();
  g->ban[5][1] = F::kara;
  g->ban[5][5] = F::man_sya;
  g->tesuu = 30;
  g->teban = F::te_gote;
  g->shouri_te = F::te_sente;
  g->START_Click();
  EXPECT_EQ(g->ban[5][1], F::com_ou);
  EXPECT_EQ(g->ban[5][5], F::kara);
  EXPECT_EQ(g->teban, F::te_sente);
  EXPECT_EQ(g->shouri_te, F::te_nasi);
  EXPECT_EQ(g.w.messages().back().text, "先手の番です");
}

TEST(Shutdown, EscEndsAtOnceOtherKeysDoNothing) {
  Game g;
  g->Form_Load();
  g->snd_bgm = 7;
  g->Form_KeyPress('a');
  EXPECT_FALSE(g.w.ended);
  g->Form_KeyPress(27);
  EXPECT_TRUE(g.w.ended);
  EXPECT_TRUE(g.w.messages().empty()) << "no question is asked";
  auto frees = g.w.of(Call::Free);
  ASSERT_EQ(frees.size(), 7u);
  EXPECT_EQ(frees.back().sound, 7) << "the music is freed last";
}

TEST(Shutdown, MenuAndClosingEndTheProgramAndFreeTheSounds) {
  Game a;
  a->Form_Load();
  a->OWARI_Click();
  EXPECT_TRUE(a.w.ended);
  EXPECT_EQ(a.w.of(Call::Free).size(), 7u);
  Game b;
  b->Form_Load();
  b->Form_Unload(0);
  EXPECT_TRUE(b.w.ended);
  EXPECT_EQ(b.w.of(Call::Free).size(), 7u);
}

TEST(RecordPanel, GameMenuHidesThePickerAndEmptiesTheDialog) {
  Game g;
  g->描画_可視(true, true, true);
  g->描画_棋譜_IO(0);
  g.w.SetText(Control::Text1, "対局1");
  EXPECT_TRUE(g.w.control_visible[static_cast<int>(Control::Command1)]);
  g->TAIKYOKU_Click();
  for (int c = 0; c < static_cast<int>(Control::Count); ++c)
    EXPECT_FALSE(g.w.control_visible[c]) << control_name(static_cast<Control>(c));
  EXPECT_EQ(g.w.Text(Control::Text1), "");
}

TEST(Wait, EndsAfterTheTimeEvenAcrossMidnight) {
  Game g;
  g.w.now = 86399.9;
  g->待ち時間(0.3);
  EXPECT_LT(g.w.now, 1.0);
  EXPECT_GE(g.w.now + 86400 - 86399.9, 0.3 - 1e-9);
  double slept = 0;
  for (const Call& c : g.w.of(Call::Sleep)) slept += c.x;
  EXPECT_NEAR(slept, 0.3, 1e-6);
}

}  // namespace

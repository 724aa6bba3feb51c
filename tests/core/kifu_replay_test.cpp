// 進, 戻, 最初 and 反転 on a game being played and on a loaded record; the file picker.
#include <gtest/gtest.h>

#include "support/Records.h"
#include "support/Seen.h"

namespace {

using F = Form1;

struct Replay : ::testing::Test {
  RecordGame g;
  // Three moves of a two-person game: ▲ 7六歩, △ 3四歩, ▲ 2六歩.
  void play_three() {
    g.w.checked[static_cast<int>(Menu::KEIKA)] = true;
    g->START_Click();
    g.move(3, 7, 3, 6, 10);
    g.move(7, 3, 7, 4, 20);
    g.move(8, 7, 8, 6, 30);
    g.w.clear();
  }
  Call last_box() const { return g.w.messages().back(); }
  int sounds(int handle) const {
    int n = 0;
    for (const Call& c : g.w.of(Call::Play)) n += c.sound == handle;
    return n;
  }
};

TEST_F(Replay, StepForwardNeedsAGame) {
  g->AFTER_Click();
  EXPECT_EQ(last_box().text, "「対局」で始めて下さい");
  EXPECT_EQ(last_box().title, "開始");
  EXPECT_EQ(sounds(g->snd_kinsi), 1);
}

TEST_F(Replay, StepBackInAGameRestoresTheLastPositionButNotTheLatest) {
  play_three();
  g->REPLAY_Click();
  EXPECT_EQ(g->ban[3][6], F::man_hu);
  EXPECT_EQ(g->ban[8][7], F::man_hu) << "the last move is taken back";
  EXPECT_EQ(g->tesuu, 2);
  EXPECT_EQ(g->teban, F::te_sente);
  EXPECT_FLOAT_EQ(g->jikan_man, 10) << "the clock before the move taken back";
  EXPECT_FALSE(g.w.timer_on);
  g->AFTER_Click();
  EXPECT_EQ(last_box().text, "できません");
  EXPECT_EQ(last_box().title, "進む");
  EXPECT_EQ(sounds(g->snd_kinsi), 1);
  for (int i = 0; i < 2; ++i) g->REPLAY_Click();
  EXPECT_EQ(g->ban[3][7], F::man_hu);
  g->REPLAY_Click();
  EXPECT_EQ(last_box().text, "できません");
  EXPECT_EQ(last_box().title, "戻る");
  EXPECT_EQ(sounds(g->snd_kinsi), 2);
}

// 先手 or 後手 chosen in the middle of a two-person game, the player to move: the record still
// ends at the position before the latest move, so 戻 and then 進 is refused.
TEST_F(Replay, StartingAgainstTheComputerMidGameKeepsTheRecordsEnd) {
  for (void (F::*start)() : {&F::SENTE_Click, &F::GOTE_Click}) {
    RecordGame h;
    h->START_Click();
    h.move(3, 7, 3, 6, 10);
    h.move(7, 3, 7, 4, 20);
    ((*h).*start)();
    ASSERT_EQ(h.last_message(), "MANの番です");
    h->REPLAY_Click();
    h->AFTER_Click();
    EXPECT_EQ(h.last_message(), "できません");
    EXPECT_EQ(h->tesuu, 1);
    EXPECT_FLOAT_EQ(h->jikan_com, 0) << "the clocks before the second move";
  }
}

TEST_F(Replay, PlayingOnAfterAStepBackDropsTheLaterMoves) {
  play_three();
  g->REPLAY_Click();
  g->REPLAY_Click();
  g.move(2, 3, 2, 4);  // △ plays another move; the click first resumes the game
  EXPECT_EQ(g.w.messages().front().text, "後手の番です");
  EXPECT_EQ(g->kifu_saigo, 1);
  EXPECT_EQ(g->kifu_tesuu, 2);
  g.save("k");
  const std::string file = g.read("k.棋譜");
  EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 4);
}

TEST_F(Replay, ARecordStepsBothWaysToItsEnd) {
  play_three();
  g.move(2, 3, 2, 4);
  g.save("k");
  RecordGame r;
  r.write("k.棋譜", g.read("k.棋譜"));
  r.load("k.棋譜");
  for (int i = 0; i < 3; ++i) r->AFTER_Click();
  EXPECT_EQ(r->ban[8][6], F::man_hu);
  EXPECT_EQ(r->teban, r->com_te) << "the upper side plays the fourth move";
  r.w.clear();
  r->AFTER_Click();
  EXPECT_EQ(r.last_message(), "終わり");
  EXPECT_TRUE(r.w.of(Call::Play).empty()) << "the end of a record is no error";
  r->REPLAY_Click();
  r->AFTER_Click();
  EXPECT_EQ(r->ban[8][6], F::man_hu);
  EXPECT_FLOAT_EQ(r->jikan_com, g->kifu_jikan_com_ato[3]);
  EXPECT_FLOAT_EQ(r->jikan_man, g->kifu_jikan_man_ato[3]);
  for (int i = 0; i < 3; ++i) r->REPLAY_Click();
  EXPECT_EQ(r->ban[3][7], F::man_hu) << "move 0 is the initial position";
  r->REVERSE_Click();
  EXPECT_EQ(r.last_message(), "棋譜ﾓｰﾄﾞではできません");
  EXPECT_EQ(r->ban[3][7], F::man_hu);
}

TEST_F(Replay, ReversalTurnsTheBoardAndEndsTheRecord) {
  play_three();
  g.click(F::button_hidari, 8, 6);  // △ seals a lower pawn
  g->mochi_man[4] = 2;
  g->REVERSE_Click();
  EXPECT_EQ(g->ban[2][4], F::com_hu);
  EXPECT_EQ(g->ban[5][9], F::man_ou);
  EXPECT_EQ(g->huu_com[2][4], F::ari) << "the seal stays on its piece";
  EXPECT_EQ(g->huu_man[8][6], F::nasi);
  EXPECT_EQ(g->mochi_com[4], 2);
  EXPECT_EQ(g->mochi_com_kei, 2);
  EXPECT_EQ(g->teban, F::te_sente);
  EXPECT_EQ(g->kifu_saigo, 0);
  g.save("k");
  EXPECT_EQ(g.last_message(), "反転後は書き込みできません");
  g->REPLAY_Click();
  EXPECT_EQ(g.last_message(), "できません");
}

TEST_F(Replay, ReversalTurnsHandSealsAndTheHandicapRankRound) {
  g->LBEL_UP_Click();  // ３級: the upper side plays without its bishop
  g->START_Click();
  g->mochi_com[4] = 1;
  g.click(F::button_hidari, F::mochi_com_x, 4);  // ▲ seals the silver in the upper hand
  ASSERT_EQ(g->huu_mochi_com[4], F::ari);
  g.w.clear();
  g->REVERSE_Click();
  EXPECT_EQ(g->mochi_man[4], 1);
  EXPECT_EQ(g->huu_mochi_man[4], F::ari) << "the seal goes with its hand";
  EXPECT_EQ(g->huu_mochi_com[4], F::nasi);
  EXPECT_EQ(g->ban[2][8], F::kara) << "the bishop's square, turned round";
  std::string rank;
  for (const Call& c : g.w.texts_printed())
    if (c.text.rfind("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:", 0) == 0) rank = c.text;
  EXPECT_EQ(rank, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:１級") << "the handicap seen from the other side";
}

// A record of a game the computer opened: its side is 先手, and stepping notes each move
// beside the side that made it, upper and lower in turn.
TEST_F(Replay, ARecordOpenedByTheUpperSideNotesEachMoveBesideItsSide) {
  g->GOTE_Click();
  g.move(7, 7, 7, 6);
  g.save("k");
  RecordGame r;
  r.write("k.棋譜", g.read("k.棋譜"));
  r.load("k.棋譜");
  ASSERT_EQ(r->kifu_saigo, 2);
  EXPECT_EQ(r->man_te, F::te_gote);
  EXPECT_EQ(r->teban, r->com_te);
  for (long n = 1; n <= 2; ++n) {
    const Seen s(r.w);
    r->AFTER_Click();
    Int x = 0, y = 0, code = F::kara;
    r->調査_移動結果(n, x, y, code);
    EXPECT_TRUE(s.printed(Seen::notation(n == 1, x, y, code, F::iro_sikou))) << n;
    EXPECT_EQ(r->teban, n == 1 ? r->man_te : r->com_te);
  }
}

TEST_F(Replay, StartingOverKeepsTheRecordUntilANewGame) {
  play_three();
  g->CANCEL_Click();
  EXPECT_EQ(g->kifu_saigo, 2);
  EXPECT_EQ(g->kifu_ban[2][7][4], F::com_hu);
  EXPECT_EQ(g->teban, F::te_nasi);
  g->AFTER_Click();
  EXPECT_EQ(g.last_message(), "「対局」で始めて下さい");
  g.save("k");
  EXPECT_EQ(g.last_message(), "棋譜を書き込みました");
  g->START_Click();
  g->AFTER_Click();
  EXPECT_EQ(g.last_message(), "できません") << "the last game's moves are not this game's";
  EXPECT_EQ(g->ban[5][9], F::man_ou);
}

TEST_F(Replay, ThePickerFollowsTheChosenVolumeAndFolder) {
  std::filesystem::create_directory(g.dir / "sub");
  g->KIFU_READ_Click();
  g.set_text(Control::Drive1, (g.dir / "sub").string());
  g->Drive1_Change();
  EXPECT_EQ(g.w.Path(Control::Dir1), (g.dir / "sub").string());
  EXPECT_EQ(g.w.Path(Control::File1), (g.dir / "sub").string());
  g.set_text(Control::Drive1, (g.dir / "no-medium").string());
  g->Drive1_Change();
  EXPECT_EQ(last_box().text, "ﾃﾞﾊﾞｲｽが準備できていません");
  EXPECT_EQ(last_box().title, "ｴﾗｰ");
  EXPECT_EQ(g.w.Path(Control::Dir1), (g.dir / "sub").string()) << "the folder list stays";
}

}  // namespace

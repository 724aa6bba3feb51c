// The computer's level and the handicap ladder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "support/Game.h"

namespace {

using F = Form1;
constexpr Int L = F::button_hidari;

const char* const kRanks[] = {"名人", "８段", "７段", "６段", "５段", "４段", "３段",
                              "２段", "初段", "１級", "２級", "３級", "４級", "５級",
                              "６級", "７級", "８級", "９級", "10級", "11級", "12級"};

struct Handicap : ::testing::Test {
  Game g;
  Int initial[10][10] = {};
  void SetUp() override {
    g->Form_Load();
    std::memcpy(initial, g->ban, sizeof initial);
    g.w.clear();
  }
  int pieces(bool computers) const {
    int n = 0;
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) n += computers ? g.f->ban[x][y] > 0 : g.f->ban[x][y] < 0;
    return n;
  }
  // Pieces of one side other than its king and pawns.
  int officers(bool computers) const {
    int n = 0;
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) {
        const int code = computers ? g.f->ban[x][y] : -g.f->ban[x][y];
        n += code > 0 && code != F::com_ou && code != F::com_hu;
      }
    return n;
  }
  // The rank label last printed in white.
  std::string label() const {
    const std::string prefix = "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:";
    std::string last;
    for (const Call& c : g.w.texts_printed())
      if (c.colour == F::iro_siro && c.text.rfind(prefix, 0) == 0)
        last = c.text.substr(prefix.size());
    return last;
  }
  int plays(std::int32_t handle) const {
    int n = 0;
    for (const Call& c : g.w.of(Call::Play)) n += c.sound == handle;
    return n;
  }
  // The square whose piece one step changed, by comparing the board before and after.
  void step(bool up, int& changed_x, int& changed_y) {
    Int before[10][10];
    std::memcpy(before, g->ban, sizeof before);
    g.w.clear();
    up ? g->LBEL_UP_Click() : g->LEBEL_DOWN_Click();
    changed_x = changed_y = 0;
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y)
        if (g->ban[x][y] != before[x][y]) changed_x = x, changed_y = y;
  }
};

TEST_F(Handicap, FirstStepsTakeTheComputersBishopThenRookAndGiveThemBack) {
  g->LBEL_UP_Click();
  EXPECT_EQ(g->ban[8][2], F::kara);
  EXPECT_EQ(g.w.painted_at_cell(8, 2), Picture::KARA_MASU);
  g->LBEL_UP_Click();
  EXPECT_EQ(g->ban[2][2], F::kara);
  g->LEBEL_DOWN_Click();
  EXPECT_EQ(g.w.painted_at_cell(2, 2), Picture::UE_SYA_0);
  g->LEBEL_DOWN_Click();
  EXPECT_EQ(std::memcmp(g->ban, initial, sizeof initial), 0);
  g->LEBEL_DOWN_Click();
  EXPECT_EQ(g->ban[2][8], F::kara) << "below the even game the human's bishop goes first";
}

TEST_F(Handicap, TheWholeLadderAndBack) {
  auto check = [&](int rank, int x, int y, bool up) {
    SCOPED_TRACE(rank);
    EXPECT_EQ(g->hande_level, rank);
    EXPECT_EQ(label(), kRanks[rank + 10]);
    EXPECT_EQ(pieces(true), 20 - std::max(rank, 0));
    EXPECT_EQ(pieces(false), 20 - std::max(-rank, 0));
    EXPECT_EQ(plays(g->snd_komauti), 1);
    EXPECT_EQ(g->hande_settei, F::ari);
    // The square that changed is drawn as it now stands.
    ASSERT_NE(x, 0);
    const bool emptied = g->ban[x][y] == F::kara;
    EXPECT_EQ(emptied, up ? rank > 0 : rank < 0) << "away from the even game a piece goes";
    EXPECT_EQ(g.w.painted_at_cell(x, y) == Picture::KARA_MASU, emptied);
  };
  int x, y;
  std::string emptied;  // the squares, in the order the ranks empty them
  auto note = [&](int rank) {
    if (g->ban[x][y] == F::kara && rank != 0)
      emptied += std::to_string(x) + std::to_string(y) + (std::abs(rank) == 10 ? "|" : " ");
  };
  for (int rank = 1; rank <= 10; ++rank) step(true, x, y), check(rank, x, y, true), note(rank);
  EXPECT_EQ(officers(true), 0) << "the computer is left with king and pawns";
  for (int rank = 9; rank >= -10; --rank) step(false, x, y), check(rank, x, y, false), note(rank);
  EXPECT_EQ(officers(false), 0) << "and then the human";
  // Bishop, rook, lances, knights, silvers, golds; the human's from the mirrored squares.
  EXPECT_EQ(emptied, "82 22 91 11 81 21 71 31 61 41|28 88 19 99 29 89 39 79 49 69|");
  for (int rank = -9; rank <= 0; ++rank) step(true, x, y), check(rank, x, y, true);
  EXPECT_EQ(std::memcmp(g->ban, initial, sizeof initial), 0) << "every piece is back";
}

TEST_F(Handicap, AtEitherEndNothingMovesButTheHandicapIsStillSet) {
  for (bool up : {true, false}) {
    g->hande_level = up ? 10 : -10;
    g->hande_settei = F::nasi;
    int x, y;
    step(up, x, y);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(g->hande_level, up ? 10 : -10);
    EXPECT_EQ(g->hande_settei, F::ari);
    EXPECT_TRUE(g.w.of(Call::Play).empty());
    EXPECT_TRUE(g.w.texts_printed().empty());
  }
}

TEST_F(Handicap, RefusedInARecordMidGameOrReversed) {
  struct {
    void (*set)(F&);
    const char* reason;
  } cases[] = {{[](F& f) { f.kifu_mode = F::ari; }, "棋譜ﾓｰﾄﾞではできません"},
               {[](F& f) { f.kifu_tesuu = 3; }, "対局途中ではできません"},
               {[](F& f) { f.hanten = F::ari; }, "反転後ではできません"}};
  for (auto& c : cases)
    for (bool up : {true, false}) {
      SCOPED_TRACE(c.reason);
      Game other;
      other->Form_Load();
      c.set(*other);
      other->kifu_saigo = 2;
      other->描画_可視(true, true, true);
      other.w.clear();
      up ? other->LBEL_UP_Click() : other->LEBEL_DOWN_Click();
      auto m = other.w.messages();
      ASSERT_EQ(m.size(), 1u);
      EXPECT_EQ(m[0].text, std::string(c.reason) + "\r\r局面→最初にして下さい");
      EXPECT_EQ(m[0].title, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定");
      ASSERT_EQ(other.w.of(Call::Play).size(), 1u);
      EXPECT_EQ(other.w.of(Call::Play)[0].sound, other->snd_kinsi);
      EXPECT_EQ(other->hande_level, 0);
      EXPECT_EQ(other->hande_settei, F::nasi);
      EXPECT_EQ(other->kifu_saigo, 2);
      EXPECT_EQ(std::memcmp(other->ban, initial, sizeof initial), 0);
      EXPECT_FALSE(other.w.control_visible[static_cast<int>(Control::Drive1)]);
    }
}

TEST_F(Handicap, RefusedOnceAMoveHasBeenPlayed) {
  g->START_Click();
  g->Form_MouseDown(L, 0, F::cell_x(7.5), F::cell_y(7.5));
  g->Form_MouseDown(L, 0, F::cell_x(7.5), F::cell_y(6.5));
  ASSERT_EQ(g->ban[7][6], F::man_hu);
  g.w.clear();
  g->LBEL_UP_Click();
  ASSERT_EQ(g.w.messages().size(), 1u);
  EXPECT_EQ(g.w.messages()[0].text.rfind("対局途中ではできません", 0), 0u);
  EXPECT_EQ(g->ban[8][2], F::com_kaku);
}

TEST_F(Handicap, TheGameThenStartsFromTheChangedPositionUntilANewGame) {
  g->LBEL_UP_Click();
  g->LBEL_UP_Click();
  g->START_Click();
  EXPECT_EQ(g->ban[8][2], F::kara);
  EXPECT_EQ(g->ban[2][2], F::kara);
  EXPECT_EQ(g->teban, F::te_sente);
  EXPECT_EQ(g->hande_settei, F::ari) << "the record of this game cannot be written";
  g->画面_再描画();
  EXPECT_EQ(label(), "４級") << "the rank is shown with the board";
  g->shouri_te = F::te_sente;
  g->START_Click();
  EXPECT_EQ(std::memcmp(g->ban, initial, sizeof initial), 0);
  EXPECT_EQ(g->hande_level, 0);
  EXPECT_EQ(g->hande_settei, F::nasi);
}

TEST_F(Handicap, AGameAgainstTheComputerStartsFromTheChangedPosition) {
  g->LBEL_UP_Click();
  g->LBEL_UP_Click();
  g->GOTE_Click();  // the computer, without bishop and rook, moves first
  EXPECT_EQ(g->tesuu, 1);
  EXPECT_EQ(pieces(true), 18);
  EXPECT_EQ(officers(true), 8);
  EXPECT_EQ(g->hande_settei, F::ari);
  EXPECT_EQ(g->teban, g->man_te);
}

TEST_F(Handicap, ASealedPieceTakenOffLeavesNoSealBehind) {
  g->START_Click();
  g->Form_MouseDown(L, 0, F::cell_x(8.5), F::cell_y(2.5));  // seal the computer's bishop
  ASSERT_EQ(g->huu_com[8][2], F::ari);
  g->LBEL_UP_Click();
  EXPECT_EQ(g->huu_com[8][2], F::nasi);
  g->画面_再描画();
  EXPECT_EQ(g.w.painted_at_cell(8, 2), Picture::KARA_MASU) << "an empty square, not a seal";
  g->LEBEL_DOWN_Click();
  g->画面_再描画();
  EXPECT_EQ(g.w.painted_at_cell(8, 2), Picture::UE_KAKU_0) << "back unsealed";
}

struct Levels : Handicap {};

TEST_F(Levels, EachItemChecksItselfAloneAndSetsTheLevel) {
  void (F::*items[])() = {&F::LEVEL1_Click, &F::LEVEL2_Click, &F::LEVEL3_Click, &F::LEVEL4_Click};
  const Menu menus[] = {Menu::LEVEL1, Menu::LEVEL2, Menu::LEVEL3, Menu::LEVEL4};
  constexpr int kLevels = static_cast<int>(std::size(menus));
  for (int n = 1; n <= kLevels; ++n) {
    g.w.clear();
    ((*g).*items[n - 1])();
    EXPECT_EQ(g->level, n);
    for (int m = 1; m <= kLevels; ++m) EXPECT_EQ(g.w.Checked(menus[m - 1]), m == n) << n << m;
    for (int c = -2; c <= 0; ++c) EXPECT_EQ(g.w.painted_at_cell(c, 0), Picture::HAIKEI_MIDORI);
  }
  g->レベル_設定(kLevels + 1);
  EXPECT_EQ(g->level, kLevels) << "no such level";
  for (Menu m : menus) EXPECT_FALSE(g.w.Checked(m));
}

TEST_F(Levels, TheLevelIsShownOnlyInAGameAgainstTheComputer) {
  g->LEVEL1_Click();
  EXPECT_TRUE(g.w.texts_printed().empty());
  g->taikyoku_mode = F::mode_com;
  g->LEVEL2_Click();
  std::string shown;
  for (const Call& c : g.w.texts_printed())
    if (c.colour == F::iro_siro) shown += c.text;
  EXPECT_EQ(shown, "LEVEL 2");
}

}  // namespace

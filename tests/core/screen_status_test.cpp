// Icons, markers, the move count, the level, the handicap rank and the handicap box.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "support/Game.h"

namespace {

using F = Form1;

constexpr Image kIcons[] = {Image::sente_com, Image::sente_man, Image::gote_man, Image::gote_com};

struct ScreenStatus : ::testing::Test {
  Game g;
  void SetUp() override {
    g->Form_Load();
    g.w.clear();
  }
  bool visible(Image i) const { return g.w.image_visible[static_cast<int>(i)]; }
  int shown_icons() const {
    int n = 0;
    for (Image i : kIcons) n += visible(i);
    return n;
  }
  // Where the image was last moved to.
  std::pair<double, double> placed(Image i) const {
    auto moves = g.w.of(Call::MoveImage);
    for (auto it = moves.rbegin(); it != moves.rend(); ++it)
      if (it->image == i) return {it->x, it->y};
    return {-1, -1};
  }
  std::vector<Call> texts_at(double x, double y) const {
    std::vector<Call> out;
    for (const Call& c : g.w.texts_printed())
      if (FakeWindow::same(c.x, x) && FakeWindow::same(c.y, y)) out.push_back(c);
    return out;
  }
  std::vector<Call> texts_at_cell(double column, double row) const {
    return texts_at(F::cell_x(column), F::cell_y(row));
  }
  // Texts of 描画_文字列 sit 120 and 160 twips inside their cell.
  std::vector<Call> labels_at_cell(double column, double row) const {
    return texts_at(F::cell_x(column) + 120, F::cell_y(row) + 160);
  }
};

TEST_F(ScreenStatus, MoverIconDependsOnSideAndMode) {
  const double left = F::cell_x(4.9) + 100;
  g->taikyoku_mode = F::mode_com;
  g->描画_打手_アイコン(g->com_te);
  EXPECT_TRUE(visible(Image::sente_com));
  EXPECT_EQ(shown_icons(), 1);
  EXPECT_EQ(placed(Image::sente_com), std::make_pair(left, F::cell_y(1) - 350));

  g->taikyoku_mode = F::mode_man;
  g->描画_打手_アイコン(g->com_te);
  EXPECT_TRUE(visible(Image::sente_man));
  EXPECT_EQ(shown_icons(), 1);
  EXPECT_EQ(placed(Image::sente_man), std::make_pair(left, F::cell_y(1) - 300));

  for (Int mode : {F::mode_man, F::mode_com}) {
    g->taikyoku_mode = mode;
    g->描画_打手_アイコン(g->man_te);
    EXPECT_TRUE(visible(Image::gote_man)) << mode;
    EXPECT_EQ(shown_icons(), 1);
    EXPECT_EQ(placed(Image::gote_man), std::make_pair(left, F::cell_y(10.1) - 350));
  }

  g->描画_打手_アイコン(F::te_nasi);
  EXPECT_EQ(shown_icons(), 0);
  for (const Call& c : g.w.of(Call::ShowImage))
    if (c.flag) {
      EXPECT_NE(c.image, Image::gote_com) << "the second computer's icon is never shown";
    }
}

// Whichever side plays first and whoever plays the upper side, erasing a side's icon hides
// the icon that was drawn for it.
TEST_F(ScreenStatus, ErasingAnIconHidesTheOneShownForThatSide) {
  struct Setup {
    Int mode, man;
  };
  for (Setup s : {Setup{F::mode_com, F::te_sente}, Setup{F::mode_com, F::te_gote},
                  Setup{F::mode_man, F::te_sente}, Setup{F::mode_man, F::te_gote}}) {
    g->taikyoku_mode = s.mode;
    g->man_te = s.man;
    g->com_te = static_cast<Int>(-s.man);
    for (Int side : {g->man_te, g->com_te}) {
      g->描画_打手_アイコン(side);
      ASSERT_EQ(shown_icons(), 1);
      g->消去_打手_アイコン(side);
      EXPECT_EQ(shown_icons(), 0) << "mode " << s.mode << " man " << s.man << " side " << side;
    }
  }
  // Erasing the other side's icon leaves the shown one alone.
  g->描画_打手_アイコン(g->man_te);
  g->消去_打手_アイコン(g->com_te);
  EXPECT_TRUE(visible(Image::gote_man));
}

TEST_F(ScreenStatus, AllIconsGoTogetherMarkersStay) {
  for (Image i : {Image::sente_com, Image::sente_man, Image::gote_man, Image::gote_com,
                  Image::Image1, Image::hosi2})
    g.w.ShowImage(i, true);
  g->消去_全_アイコン();
  EXPECT_EQ(shown_icons(), 0);
  EXPECT_TRUE(visible(Image::Image1));
  EXPECT_TRUE(visible(Image::hosi2));
}

TEST_F(ScreenStatus, MarkerStandsOverItsSquareAndGoesAgain) {
  for (Int man : {F::te_gote, F::te_sente}) {
    g->man_te = man;
    g->com_te = static_cast<Int>(-man);
    g->描画_打手(g->com_te, 3, 4);
    EXPECT_TRUE(visible(Image::Image1));
    EXPECT_FALSE(visible(Image::Image2));
    EXPECT_EQ(placed(Image::Image1), std::make_pair(F::cell_x(3) + 100, F::cell_y(4) - 300));
    g->描画_打手(g->man_te, 11, 5);
    EXPECT_TRUE(visible(Image::Image2));
    EXPECT_EQ(placed(Image::Image2), std::make_pair(F::cell_x(11) + 100, F::cell_y(5) - 300));
    g->消去_打手(g->com_te);
    EXPECT_FALSE(visible(Image::Image1)) << "man_te " << man;
    EXPECT_TRUE(visible(Image::Image2));
    g->消去_打手(g->man_te);
    EXPECT_FALSE(visible(Image::Image2)) << "man_te " << man;
  }
}

TEST_F(ScreenStatus, MoveCountsMoveLeftAsTheyGrow) {
  struct Case {
    Int count;
    double face_column;
    const char* text;
  };
  for (Case c : {Case{9, 13.2, " 9"}, Case{10, 13.1, " 10"}, Case{99, 13.1, " 99"},
                 Case{100, 13.0, " 100"}}) {
    g.w.clear();
    g->haikei = F::haikei_tatami;
    g->描画_手数(c.count);
    EXPECT_EQ(g.w.painted_at_cell(13, 3), Picture::HAIKEI_TATAMI);
    EXPECT_EQ(g.w.painted_at_cell(14, 3), Picture::HAIKEI_TATAMI);
    EXPECT_GE(g.w.last_box_of_cell(11, 3), 0);
    auto face = texts_at_cell(c.face_column, 3.3);
    ASSERT_EQ(face.size(), 1u) << c.count;
    EXPECT_EQ(face[0].text, c.text);
    EXPECT_EQ(face[0].colour, F::iro_siro);
    EXPECT_EQ(face[0].x2, 12);
    auto shadow = texts_at_cell(c.face_column + 0.1, 3.4);
    ASSERT_EQ(shadow.size(), 1u) << c.count;
    EXPECT_EQ(shadow[0].colour, F::iro_kuro);
    auto unit = labels_at_cell(13.8, 3.1);
    ASSERT_EQ(unit.size(), 1u);
    EXPECT_EQ(unit[0].text, "手目");
    EXPECT_EQ(unit[0].colour, F::iro_siro);
    EXPECT_EQ(unit[0].x2, 10);
    ASSERT_EQ(labels_at_cell(13.9, 3.2).size(), 1u);
    EXPECT_EQ(g.w.texts_printed().size(), 4u);
  }
}

TEST_F(ScreenStatus, HandicapLabelsAcrossTheLadder) {
  struct Case {
    Int rank;
    const char* text;
  };
  for (Case c :
       {Case{-10, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人"}, Case{-2, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段"}, Case{0, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級"},
        Case{8, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:10級"}, Case{10, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級"}}) {
    g.w.clear();
    g->描画_ハンデレベル(c.rank);
    for (int col = 11; col <= 14; ++col)
      EXPECT_EQ(g.w.painted_at_cell(col, 1), Picture::HAIKEI_MIDORI);
    auto face = labels_at_cell(11, 1);
    ASSERT_EQ(face.size(), 1u) << c.rank;
    EXPECT_EQ(face[0].text, c.text);
    EXPECT_EQ(face[0].colour, F::iro_siro);
    EXPECT_EQ(face[0].x2, 10);
    auto shadow = labels_at_cell(11.1, 1.1);
    ASSERT_EQ(shadow.size(), 1u);
    EXPECT_EQ(shadow[0].text, c.text);
    EXPECT_EQ(shadow[0].colour, F::iro_kuro);
  }
  // Reversing the board negates the rank: the same game reads from the other end.
  g.w.clear();
  g->hande_level = -10;
  g->描画_ハンデレベル(static_cast<Int>(-g->hande_level));
  EXPECT_EQ(labels_at_cell(11, 1).at(0).text, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級");
}

TEST_F(ScreenStatus, EveryRankHasItsOwnLabelAndOtherKeysPrintNothing) {
  std::set<std::string> labels;
  for (Int k = -10; k <= 10; ++k) {
    g.w.clear();
    g->描画_文字列(2, 2, k, F::iro_siro, 10);
    auto t = g.w.texts_printed();
    ASSERT_EQ(t.size(), 1u) << k;
    EXPECT_EQ(t[0].text.rfind("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:", 0), 0u) << k;
    labels.insert(t[0].text);
  }
  EXPECT_EQ(labels.size(), 21u);
  for (Int k : {-11, 11, 98, 100, -99}) {
    g.w.clear();
    g->描画_文字列(2, 2, k, F::iro_siro, 10);
    EXPECT_TRUE(g.w.calls.empty()) << k;
  }
  g.w.clear();
  g->描画_文字列(1.5, 2.5, 99, F::iro_aka, 14);
  auto t = g.w.texts_printed();
  ASSERT_EQ(t.size(), 1u);
  EXPECT_EQ(t[0].text, "手目");
  EXPECT_DOUBLE_EQ(t[0].x, F::cell_x(1.5) + 120);
  EXPECT_DOUBLE_EQ(t[0].y, F::cell_y(2.5) + 160);
  EXPECT_EQ(t[0].colour, F::iro_aka);
  EXPECT_EQ(t[0].x2, 14);
}

TEST_F(ScreenStatus, LevelStandsAboveTheUpperHand) {
  g->描画_レベル(2);
  auto word = texts_at_cell(-1.5, 0.1);
  ASSERT_EQ(word.size(), 1u);
  EXPECT_EQ(word[0].text, "LEVEL");
  EXPECT_EQ(word[0].colour, F::iro_siro);
  EXPECT_EQ(word[0].x2, 10);
  ASSERT_EQ(texts_at_cell(-1.4, 0.2).size(), 1u);
  EXPECT_EQ(texts_at_cell(-1.4, 0.2)[0].colour, F::iro_kuro);
  auto value = texts_at_cell(0, 0);
  ASSERT_EQ(value.size(), 1u);
  EXPECT_EQ(value[0].text, " 2");
  EXPECT_EQ(value[0].colour, F::iro_siro);
  EXPECT_EQ(value[0].x2, 12);
  ASSERT_EQ(texts_at_cell(0.1, 0.1).size(), 1u);
  EXPECT_EQ(g.w.texts_printed().size(), 4u);
}

TEST_F(ScreenStatus, ThinkingAreaIsClearedAndItsNeighboursOutlined) {
  g->haikei = F::haikei_renga;
  g->消去_思考中();
  ASSERT_EQ(g.w.of(Call::Paint).size(), 3u);
  for (int c = -2; c <= 0; ++c) EXPECT_EQ(g.w.painted_at_cell(c, 8), Picture::HAIKEI_RENGA);
  auto boxes = g.w.of(Call::Box);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_GE(g.w.last_box_of_cell(-1, 7), 0);
  EXPECT_GE(g.w.last_box_of_cell(1, 8), 0);
  for (const Call& b : boxes) EXPECT_EQ(b.colour, F::iro_haikei);
}

TEST_F(ScreenStatus, HandicapRefusalsExplainAndPointToTheStart) {
  g->描画_メッセージ(2);
  auto m = g.w.messages();
  ASSERT_EQ(m.size(), 1u);
  EXPECT_EQ(m[0].text, "対局途中ではできません\r\r局面→最初にして下さい");
  EXPECT_EQ(m[0].title, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定");
  EXPECT_EQ(m[0].buttons, mb::OKOnly);
  g->描画_メッセージ(1);
  g->描画_メッセージ(3);
  g->描画_メッセージ(4);
  m = g.w.messages();
  EXPECT_EQ(m[1].text, "棋譜ﾓｰﾄﾞではできません\r\r局面→最初にして下さい");
  EXPECT_EQ(m[2].text, "反転後ではできません\r\r局面→最初にして下さい");
  EXPECT_EQ(m[3].text, "\r\r局面→最初にして下さい");
}

TEST_F(ScreenStatus, NewGameHidesIconsAndTwoPersonStartShowsTheMoverFirst) {
  for (Image i : kIcons) g.w.ShowImage(i, true);
  g->初期設定();
  EXPECT_EQ(shown_icons(), 0);

  g.w.clear();
  g->START_Click();
  EXPECT_TRUE(visible(Image::gote_man)) << "the lower side moves first";
  EXPECT_EQ(shown_icons(), 1);
  int icon = -1, message = -1;
  for (size_t i = 0; i < g.w.calls.size(); ++i) {
    const Call& c = g.w.calls[i];
    if (c.kind == Call::ShowImage && c.image == Image::gote_man && c.flag && icon < 0) icon = i;
    if (c.kind == Call::Message && message < 0) message = i;
  }
  EXPECT_GE(icon, 0);
  EXPECT_LT(icon, message) << "the icon is up before the box";

  // Resuming with the upper side to move shows its icon.
  g->tesuu = 3;
  g->teban = F::te_gote;
  g->START_Click();
  EXPECT_TRUE(visible(Image::sente_man));
  EXPECT_EQ(shown_icons(), 1);
  EXPECT_EQ(g.w.messages().back().text, "後手の番です");
}

TEST_F(ScreenStatus, FullRedrawShowsLevelAndHandicapOnlyWhenTheyApply) {
  g->画面_再描画();
  for (const Call& c : g.w.texts_printed()) {
    EXPECT_NE(c.text, "LEVEL");
    EXPECT_EQ(c.text.rfind("ﾊﾝﾃﾞｨｷｬｯﾌﾟ", 0), std::string::npos);
  }
  g.w.clear();
  g->taikyoku_mode = F::mode_com;
  g->level = 1;
  g->hande_settei = F::ari;
  g->hande_level = -3;
  g->画面_再描画();
  EXPECT_EQ(texts_at_cell(-1.5, 0.1).at(0).text, "LEVEL");
  EXPECT_EQ(texts_at_cell(0, 0).at(0).text, " 1");
  EXPECT_EQ(labels_at_cell(11, 1).at(0).text, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段");
  EXPECT_EQ(g.w.painted_at_cell(10.8, 0), Picture::VexaSHOGI) << "the title is still last";
}

}  // namespace

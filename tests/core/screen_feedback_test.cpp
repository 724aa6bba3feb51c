// The notation of the last move, the guidance outlines, the blink and the shake.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "support/Game.h"

namespace {

using F = Form1;

struct ScreenFeedback : ::testing::Test {
  Game g;
  void SetUp() override {
    g->Form_Load();
    g.w.clear();
  }
  std::vector<Call> texts_at(double column, double row) const {
    return g.w.texts_at_cell(column, row);
  }
  // One text printed once at (column, row) in this colour, size 12.
  void expect_text(double column, double row, const std::string& text, int colour) const {
    auto at = texts_at(column, row);
    ASSERT_EQ(at.size(), 1u) << text << " at " << column << "," << row;
    EXPECT_EQ(at[0].text, text);
    EXPECT_EQ(at[0].colour, colour) << text;
    EXPECT_EQ(at[0].x2, 12) << text;
  }
  int index_of_first(Call::Kind k) const {
    for (size_t i = 0; i < g.w.calls.size(); ++i)
      if (g.w.calls[i].kind == k) return static_cast<int>(i);
    return -1;
  }
};

TEST_F(ScreenFeedback, ConversionTableCoversDigitsNumeralsAndPieces) {
  EXPECT_EQ(g->文字列変換(1), "１");
  EXPECT_EQ(g->文字列変換(7), "７");
  EXPECT_EQ(g->文字列変換(9), "９");
  EXPECT_EQ(g->文字列変換(1001), "一");
  EXPECT_EQ(g->文字列変換(1006), "六");
  EXPECT_EQ(g->文字列変換(1009), "九");
  const std::pair<Int, const char*> pieces[] = {
      {F::com_hu, "歩"},          {F::com_hu_nari, "と"},     {F::com_kyou, "香"},
      {F::com_kyou_nari, "香成"}, {F::com_kei, "桂"},         {F::com_kei_nari, "桂成"},
      {F::com_gin, "銀"},         {F::com_gin_nari, "銀成"},  {F::com_kin, "金"},
      {F::com_kaku, "角"},        {F::com_kaku_nari, "角成"}, {F::com_sya, "飛"},
      {F::com_sya_nari, "飛成"},  {F::com_ou, "王"}};
  for (auto [code, name] : pieces) {
    EXPECT_EQ(g->文字列変換(code), name) << code;
    EXPECT_EQ(g->文字列変換(static_cast<Int>(-code)), name) << -code;
  }
  // Outside the table: nothing, including the gold that never promotes and sealed codes.
  for (Int v : {0, -1, -9, 1000, 1010, -1001, 111, -111, 15, -5, 141})
    EXPECT_EQ(g->文字列変換(v), "") << v;
}

TEST_F(ScreenFeedback, LowerSideNotationStandsRightOfTheBoard) {
  g->haikei = F::haikei_take;
  g->描画_移動結果(g->man_te, 3, 6, F::man_hu, F::iro_sikou);
  ASSERT_EQ(g.w.texts_printed().size(), 6u);
  expect_text(12.4, 2.4, "７", F::iro_sikou);
  expect_text(12.8, 2.4, "六", F::iro_sikou);
  expect_text(13.4, 2.4, "歩", F::iro_sikou);
  expect_text(12.5, 2.5, "７", F::iro_kuro);
  expect_text(12.9, 2.5, "六", F::iro_kuro);
  expect_text(13.5, 2.5, "歩", F::iro_kuro);
  // The old notation is cleared with the current background before anything is printed.
  for (int c = 12; c <= 14; ++c) EXPECT_EQ(g.w.painted_at_cell(c, 2), Picture::HAIKEI_TAKE);
  EXPECT_EQ(g.w.of(Call::Paint).size(), 3u);
  const int first_text = index_of_first(Call::Text);
  for (size_t i = first_text; i < g.w.calls.size(); ++i) EXPECT_NE(g.w.calls[i].kind, Call::Paint);
  // Shadow first, then the face.
  EXPECT_EQ(g.w.texts_printed()[0].colour, F::iro_kuro);
}

TEST_F(ScreenFeedback, UpperSideNotationStandsLeftOfTheBoard) {
  g->描画_移動結果(g->com_te, 9, 1, F::com_sya_nari, F::iro_siro);
  ASSERT_EQ(g.w.texts_printed().size(), 6u);
  expect_text(-1.6, 8.4, "１", F::iro_siro);
  expect_text(-1.2, 8.4, "一", F::iro_siro);
  expect_text(-0.6, 8.4, "飛成", F::iro_siro);
  expect_text(-1.5, 8.5, "１", F::iro_kuro);
  expect_text(-1.1, 8.5, "一", F::iro_kuro);
  expect_text(-0.5, 8.5, "飛成", F::iro_kuro);
  for (int c = -2; c <= 0; ++c) EXPECT_EQ(g.w.painted_at_cell(c, 8), Picture::HAIKEI_MIDORI);
  // The cleared tiles touch board square (1, 8); its outline comes back last.
  ASSERT_EQ(g.w.calls.back().kind, Call::Box);
  EXPECT_EQ(g.w.last_box_of_cell(1, 8), static_cast<int>(g.w.calls.size()) - 1);
  EXPECT_EQ(g.w.calls.back().colour, F::iro_haikei);
}

TEST_F(ScreenFeedback, NotationFollowsTheSideNotItsTurnOrder) {
  // Between two people the lower side moves first; its notation still goes to the right.
  g->man_te = F::te_sente;
  g->com_te = F::te_gote;
  g->描画_移動結果(F::te_sente, 5, 7, F::man_kin, F::iro_siro);
  expect_text(12.4, 2.4, "５", F::iro_siro);
  expect_text(12.8, 2.4, "七", F::iro_siro);
  expect_text(13.4, 2.4, "金", F::iro_siro);
  g.w.clear();
  g->描画_移動結果(F::te_gote, 1, 9, F::com_kei_nari, F::iro_siro);
  expect_text(-1.6, 8.4, "９", F::iro_siro);
  expect_text(-1.2, 8.4, "九", F::iro_siro);
  expect_text(-0.6, 8.4, "桂成", F::iro_siro);
}

TEST_F(ScreenFeedback, CodeWithoutNameLeavesTheNameEmpty) {
  g->描画_移動結果(g->man_te, 1, 1, F::man_kin_nari, F::iro_siro);
  expect_text(12.4, 2.4, "９", F::iro_siro);
  expect_text(12.8, 2.4, "一", F::iro_siro);
  for (const Call& c : texts_at(13.4, 2.4)) EXPECT_EQ(c.text, "");
}

TEST_F(ScreenFeedback, ErasingClearsOnlyThatSidesArea) {
  g->haikei = F::haikei_uchu;
  g->消去_移動結果(g->man_te);
  auto paints = g.w.of(Call::Paint);
  ASSERT_EQ(paints.size(), 3u);
  for (int c = 12; c <= 14; ++c) EXPECT_EQ(g.w.painted_at_cell(c, 2), Picture::HAIKEI_UCHU);
  EXPECT_TRUE(g.w.of(Call::Box).empty());

  g.w.clear();
  g->消去_移動結果(g->com_te);
  ASSERT_EQ(g.w.of(Call::Paint).size(), 3u);
  for (int c = -2; c <= 0; ++c) EXPECT_EQ(g.w.painted_at_cell(c, 8), Picture::HAIKEI_UCHU);
  EXPECT_GE(g.w.last_box_of_cell(-1, 7), 0);
  EXPECT_GE(g.w.last_box_of_cell(1, 8), 0);
  EXPECT_TRUE(g.w.texts_printed().empty());
}

struct ScreenGuidance : ScreenFeedback {
  // Outlines in the guidance colour after the ordinary redraw of all 81.
  std::set<std::pair<int, int>> marked() const {
    auto boxes = g.w.of(Call::Box);
    EXPECT_GE(boxes.size(), 81u);
    for (size_t i = 0; i < 81 && i < boxes.size(); ++i) EXPECT_EQ(boxes[i].colour, F::iro_waku);
    std::set<std::pair<int, int>> out;
    for (size_t i = 81; i < boxes.size(); ++i) {
      EXPECT_EQ(boxes[i].colour, F::iro_siro);
      const int c = static_cast<int>((boxes[i].x - F::ban_x0) / F::masu_w + 0.5);
      const int r = static_cast<int>((boxes[i].y - F::ban_y0) / F::masu_h + 0.5);
      EXPECT_TRUE(out.insert({c, r}).second) << "outlined twice: " << c << "," << r;
    }
    return out;
  }
};

TEST_F(ScreenGuidance, OffOnlyRedrawsTheOrdinaryOutlines) {
  g->sidou = F::nasi;
  g->描画_移動可能桝色(5, 7, F::iro_siro, F::man_hu);
  auto boxes = g.w.of(Call::Box);
  ASSERT_EQ(boxes.size(), 81u);
  std::set<std::pair<double, double>> cells;
  for (const Call& b : boxes) {
    EXPECT_EQ(b.colour, F::iro_waku);
    cells.insert({b.x, b.y});
  }
  EXPECT_EQ(cells.size(), 81u) << "every square once";
  EXPECT_EQ(g.w.calls.size(), 81u) << "nothing else is drawn";
}

TEST_F(ScreenGuidance, OnOutlinesExactlyTheLegalDestinations) {
  g->sidou = F::ari;
  g.clear_board();
  g->ban[5][5] = F::man_sya;
  g->ban[5][3] = F::man_kin;  // own piece: blocks and is not a destination
  g->ban[2][5] = F::com_gin;  // enemy: may be taken, blocks beyond
  g->描画_移動可能桝色(5, 5, F::iro_siro, F::man_sya);
  const std::set<std::pair<int, int>> rook = {{5, 4}, {5, 6}, {5, 7}, {5, 8}, {5, 9}, {4, 5},
                                              {3, 5}, {2, 5}, {6, 5}, {7, 5}, {8, 5}, {9, 5}};
  EXPECT_EQ(marked(), rook);

  g.w.clear();
  g.clear_board();
  g->ban[2][1] = F::com_kei;
  g->描画_移動可能桝色(2, 1, F::iro_siro, F::com_kei);
  EXPECT_EQ(marked(), (std::set<std::pair<int, int>>{{1, 3}, {3, 3}}));

  // A knight hemmed in by its own pawns has nowhere to go.
  g.w.clear();
  g->初期設定();
  g.w.clear();
  g->描画_移動可能桝色(2, 9, F::iro_siro, F::man_kei);
  EXPECT_TRUE(marked().empty());
}

TEST_F(ScreenFeedback, BlinkOfZeroTimesDrawsNothing) {
  const double start = g.w.now;
  g->描画_駒点滅(F::com_hu, 3, 3, 0);
  EXPECT_TRUE(g.w.calls.empty());
  EXPECT_EQ(g.w.now, start);
}

TEST_F(ScreenFeedback, BlinkAlternatesEmptyAndPieceAndEndsOnThePiece) {
  const double start = g.w.now;
  g->描画_駒点滅(F::com_gin_huu, 4, 2, 2);
  std::vector<Picture> shown;
  for (const Call& c : g.w.of(Call::Paint)) {
    EXPECT_DOUBLE_EQ(c.x, F::cell_x(4));
    EXPECT_DOUBLE_EQ(c.y, F::cell_y(2));
    shown.push_back(c.picture);
  }
  EXPECT_EQ(shown, (std::vector<Picture>{Picture::KARA_MASU, Picture::UE_GIN_2, Picture::KARA_MASU,
                                         Picture::UE_GIN_2}));
  EXPECT_EQ(g.w.of(Call::Refresh).size(), 4u);
  EXPECT_EQ(g.w.of(Call::Box).size(), 4u);
  // Each blink holds the thread about 0.4 s, asleep rather than spinning.
  EXPECT_NEAR(g.w.now - start, 0.8, 0.01);
  EXPECT_EQ(g.w.of(Call::Sleep).size(), 4u);
}

TEST_F(ScreenFeedback, ShakeReturnsTheWindowExactlyWhereItWas) {
  for (Placement p :
       {Placement{300, 200, 9000, 8000, false}, Placement{1234.5, 77.25, 9000, 8000, false},
        Placement{0, 0, 9000, 8000, false}}) {
    g.w.clear();
    g.w.placement = p;
    const double start = g.w.now;
    g->描画_振動();
    auto moves = g.w.of(Call::MoveWindow);
    ASSERT_EQ(moves.size(), 9u);
    std::set<std::pair<double, double>> offsets;
    for (size_t i = 0; i + 1 < moves.size(); ++i) {
      const double dl = p.left - moves[i].x, du = p.top - moves[i].y;
      EXPECT_TRUE(dl == 20 || dl == 40) << dl;
      EXPECT_TRUE(du == 20 || du == 40) << du;
      offsets.insert({du, dl});
    }
    EXPECT_EQ(offsets.size(), 4u) << "the shake uses all four corners";
    // First step: up-left by 40, then up 20 and left 40.
    EXPECT_EQ(moves[0].x, p.left - 40);
    EXPECT_EQ(moves[0].y, p.top - 40);
    EXPECT_EQ(moves[1].x, p.left - 40);
    EXPECT_EQ(moves[1].y, p.top - 20);
    EXPECT_EQ(g.w.placement.left, p.left);
    EXPECT_EQ(g.w.placement.top, p.top);
    EXPECT_EQ(g.w.placement.width, p.width);
    EXPECT_NEAR(g.w.now - start, 0.32, 0.01);
  }
}

TEST_F(ScreenFeedback, MaximisedWindowIsNotShaken) {
  g.w.placement = {-60, -60, 20000, 15000, true};
  g->描画_振動();
  EXPECT_TRUE(g.w.of(Call::MoveWindow).empty());
  EXPECT_TRUE(g.w.placement.maximized);
  EXPECT_EQ(g.w.placement.left, -60);
}

}  // namespace

// The board, hands, labels and background as they reach the window.
#include <gtest/gtest.h>

#include "support/Game.h"

namespace {

using F = Form1;

struct BoardDrawing : ::testing::Test {
  Game g;
  void SetUp() override {
    g->Form_Load();
    g.w.clear();
  }
  std::vector<Call> texts_at(double column, double row) const {
    return g.w.texts_at_cell(column, row);
  }
};

TEST_F(BoardDrawing, FullRedrawShowsThePiecesWhereTheyStand) {
  g->画面_再描画();
  EXPECT_EQ(g.w.painted_at_cell(5, 9), Picture::SITA_OU);
  EXPECT_EQ(g.w.painted_at_cell(5, 1), Picture::UE_OU);
  EXPECT_EQ(g.w.painted_at_cell(2, 8), Picture::SITA_KAKU_0);
  EXPECT_EQ(g.w.painted_at_cell(8, 8), Picture::SITA_SYA_0);
  EXPECT_EQ(g.w.painted_at_cell(2, 2), Picture::UE_SYA_0);
  EXPECT_EQ(g.w.painted_at_cell(8, 2), Picture::UE_KAKU_0);
  EXPECT_EQ(g.w.painted_at_cell(5, 5), Picture::KARA_MASU);
  EXPECT_EQ(g.w.painted_at_cell(-2, -2), Picture::HAIKEI_MIDORI);
  EXPECT_EQ(g.w.painted_at_cell(28, 17), Picture::HAIKEI_MIDORI);
  EXPECT_EQ(g.w.painted_at_cell(10.8, 0), Picture::VexaSHOGI);
  // Empty hands show empty squares.
  EXPECT_EQ(g.w.painted_at_cell(11, 3), Picture::KARA_MASU);
  EXPECT_EQ(g.w.painted_at_cell(-1, 7), Picture::KARA_MASU);
}

TEST_F(BoardDrawing, BackgroundNeverCoversTheBoard) {
  g->描画_背景(F::haikei_renga);
  int tiles = 0;
  for (const Call& c : g.w.of(Call::Paint)) {
    ASSERT_EQ(c.picture, Picture::HAIKEI_RENGA);
    const double col = (c.x - F::ban_x0) / F::masu_w, row = (c.y - F::ban_y0) / F::masu_h;
    EXPECT_FALSE(col >= 1 && col <= 9 && row >= 1 && row <= 9) << col << "," << row;
    ++tiles;
  }
  EXPECT_EQ(tiles, 32 * 20 - 81);
}

TEST_F(BoardDrawing, SealFlagShowsTheSealedPicture) {
  g->huu_com[5][1] = F::ari;
  g->huu_man[3][7] = F::ari;
  g->ban[4][7] = F::man_hu_nari;
  g->huu_man[4][7] = F::ari;
  g->ban[6][6] = F::com_kaku_nari;
  g->huu_com[6][6] = F::ari;
  g->描画_盤();
  EXPECT_EQ(g.w.painted_at_cell(5, 1), Picture::UE_OU2);
  EXPECT_EQ(g.w.painted_at_cell(3, 7), Picture::SITA_HU_2);
  EXPECT_EQ(g.w.painted_at_cell(4, 7), Picture::SITA_HU_3);
  EXPECT_EQ(g.w.painted_at_cell(6, 6), Picture::UE_KAKU_3);
  EXPECT_EQ(g.w.painted_at_cell(4, 1), Picture::UE_KIN);  // no flag: plain
  EXPECT_EQ(g->ban[5][1], F::com_ou) << "the board keeps the plain code";
}

TEST_F(BoardDrawing, EveryCodeReachesItsOwnPicture) {
  const std::pair<Int, Picture> cases[] = {
      {F::com_kyou_nari, Picture::UE_KYOU_1},
      {F::com_kei_huu, Picture::UE_KEI_2},
      {F::com_gin_nari_huu, Picture::UE_GIN_3},
      {F::com_kin_huu, Picture::UE_KIN2},
      {F::com_sya_nari, Picture::UE_SYA_1},
      {F::man_kyou_nari_huu, Picture::SITA_KYOU_3},
      {F::man_kei_nari, Picture::SITA_KEI_1},
      {F::man_gin_huu, Picture::SITA_GIN_2},
      {F::man_kin_huu, Picture::SITA_KIN2},
      {F::man_kaku_huu, Picture::SITA_KAKU_2},
      {F::man_sya_nari_huu, Picture::SITA_SYA_3},
      {F::man_ou_huu, Picture::SITA_OU2},
      {F::e_madousi, Picture::madousi},
      {F::e_luminak, Picture::luminak},
      {F::e_huuin, Picture::huuin},
      {F::haikei_uchu, Picture::HAIKEI_UCHU},
  };
  for (auto [code, picture] : cases) {
    g.w.clear();
    g->描画_絵(code, 11, 3);
    EXPECT_EQ(g.w.painted_at_cell(11, 3), picture) << code;
  }
}

TEST_F(BoardDrawing, CodesWithoutPictureDrawNothing) {
  for (Int code : {F::com_kin_nari, F::man_kin_nari, F::com_kin_nari_huu, F::man_kin_nari_huu,
                   Int{12}, Int{-1}, Int{141}, Int{999}})
    g->描画_絵(code, 3, 3);
  EXPECT_TRUE(g.w.of(Call::Paint).empty());
}

TEST_F(BoardDrawing, PieceOnTheBoardIsDrawnFromTheGameState) {
  g->描画_駒(F::com_sya, 5, 9);
  EXPECT_EQ(g.w.painted_at_cell(5, 9), Picture::SITA_OU);
  g->描画_駒(F::com_sya, 11, 9);
  EXPECT_EQ(g.w.painted_at_cell(11, 9), Picture::UE_SYA_0) << "hand cells paint the code";
}

TEST_F(BoardDrawing, HandsShowKindsInTheirRowsWithCounts) {
  g->mochi_man[7] = 1;   // lower rook: row 9 of column 11
  g->mochi_man[1] = 12;  // pawns: row 3
  g->mochi_com[7] = 1;   // upper rook: row 1 of column -1
  g->mochi_com[5] = 2;   // gold: row 3
  g->huu_mochi_com[5] = F::ari;
  g->描画_自持盤();
  g->描画_敵持盤();
  EXPECT_EQ(g.w.painted_at_cell(11, 9), Picture::SITA_SYA_0);
  EXPECT_EQ(g.w.painted_at_cell(11, 3), Picture::SITA_HU_0);
  EXPECT_EQ(g.w.painted_at_cell(11, 5), Picture::KARA_MASU);
  EXPECT_EQ(g.w.painted_at_cell(-1, 1), Picture::UE_SYA_0);
  EXPECT_EQ(g.w.painted_at_cell(-1, 3), Picture::UE_KIN2);

  auto face = texts_at(12, 3.2);
  ASSERT_EQ(face.size(), 1u);
  EXPECT_EQ(face[0].text, " 12") << "a count of 10 or more is printed in full";
  EXPECT_EQ(face[0].colour, F::iro_aka);
  EXPECT_EQ(face[0].x2, 14);
  auto shadow = texts_at(12.1, 3.3);
  ASSERT_EQ(shadow.size(), 1u);
  EXPECT_EQ(shadow[0].colour, F::iro_kuro);
  EXPECT_EQ(texts_at(0, 3.2).at(0).text, " 2");
  // Empty kinds print no count.
  EXPECT_TRUE(texts_at(12, 5.2).empty());
  EXPECT_TRUE(texts_at(0, 7.2).empty());
}

TEST_F(BoardDrawing, LabelsRunFromNineToOneAndFromIchiToKu) {
  g->描画_桝_数値();
  EXPECT_EQ(texts_at(1.1, 0.4).at(0).text, " 9");
  EXPECT_EQ(texts_at(9.1, 0.4).at(0).text, " 1");
  EXPECT_EQ(texts_at(1.1, 0.4).at(0).colour, F::iro_kiiro);
  EXPECT_EQ(texts_at(10.1, 1.3).at(0).text, "一");
  EXPECT_EQ(texts_at(10.1, 9.3).at(0).text, "九");
  EXPECT_TRUE(texts_at(10.1, 9.3).at(0).flag) << "labels are bold";
}

TEST_F(BoardDrawing, NumbersInBothStyles) {
  g->描画_数値(0, 0, -3, F::iro_siro, 0, 12);
  g->描画_数値(1, 0, 0, F::iro_siro, 1, 12);
  g->描画_数値(2, 0, 10, F::iro_siro, 1, 12);
  g->描画_数値(3, 0, 5, F::iro_siro, 1, 12);
  EXPECT_EQ(texts_at(0, 0).at(0).text, "-3");
  EXPECT_TRUE(texts_at(1, 0).empty());
  EXPECT_TRUE(texts_at(2, 0).empty());
  EXPECT_EQ(texts_at(3, 0).at(0).text, "五");
}

// A tile painted beside the board touches the outline of the board square next to it; after a
// full redraw every such outline must have been drawn again on top.
TEST_F(BoardDrawing, EdgeColumnOutlinesSurviveTheFullRedraw) {
  g->画面_再描画();
  for (int r = 1; r <= 9; ++r)
    for (int c : {1, 9}) {
      const int box = g.w.last_box_of_cell(c, r);
      ASSERT_GE(box, 0);
      // The only later paint touching the square may be another board square's own picture,
      // which is outlined after it; no tile outside the board may come after the outline.
      for (size_t i = box + 1; i < g.w.calls.size(); ++i) {
        const Call& call = g.w.calls[i];
        if (call.kind != Call::Paint) continue;
        const double col = (call.x - F::ban_x0) / F::masu_w;
        const double row = (call.y - F::ban_y0) / F::masu_h;
        const bool touches = col >= c - 1 && col <= c + 1 && row >= r - 1 && row <= r + 1;
        const bool board = col >= 1 && col <= 9 && row >= 1 && row <= 9;
        EXPECT_FALSE(touches && !board)
            << "cell (" << c << "," << r << ") covered by " << picture_name(call.picture);
      }
    }
}

TEST_F(BoardDrawing, StarBlinksThreeTimesAboveTheSquare) {
  const double start = g.w.now;
  g->描画_星(3, 4);
  auto moves = g.w.of(Call::MoveImage);
  ASSERT_EQ(moves.size(), 1u);
  EXPECT_EQ(moves[0].image, Image::hosi2);
  EXPECT_DOUBLE_EQ(moves[0].x, F::cell_x(3) - 100);
  EXPECT_DOUBLE_EQ(moves[0].y, F::cell_y(4) - 300);
  int shown = 0;
  for (const Call& c : g.w.of(Call::ShowImage)) shown += c.flag;
  EXPECT_EQ(shown, 3);
  EXPECT_FALSE(g.w.image_visible[static_cast<int>(Image::hosi2)]);
  EXPECT_NEAR(g.w.now - start, 0.6, 0.05);
}

}  // namespace

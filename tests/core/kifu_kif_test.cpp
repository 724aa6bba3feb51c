// KIF out: the header, the moves with their clocks and spells, the end, handicaps by their
// standard names, board diagrams, and both file encodings.
#include "kifu/kif.h"

#include <gtest/gtest.h>

#include "KifuPositions.h"
#include "kifu/notation.h"
#include "shell/Encoding.h"
#include "support/Records.h"

namespace {

using namespace engine;
using F = Form1;

bool has_line(const std::string& text, const std::string& line) {
  return ("\n" + text).find("\n" + line + "\n") != std::string::npos;
}

// The eventful game: captures, promotions, a drop, spells on a board piece and a hand kind.
TEST(KifOut, AGameIsWrittenWithItsClocksSpellsAndEnd) {
  RecordGame g;
  play_eventful_game(g);
  kif::Header h = kif::default_header(*g);
  h.started = "2026/12/09 10:00:00";
  h.title = "封印の一局";
  EXPECT_EQ(kif::write(*g, h), R"(開始日時：2026/12/09 10:00:00
表題：封印の一局
手合割：平手
先手：人間
後手：人間
手数----指手---------消費時間--
   1 ７六歩(77)   ( 0:12/00:00:12)
   2 ３四歩(33)   ( 0:04/00:00:04)
*封印 ８八角
   3 １六歩(17)   (20:35/00:20:47)
   4 ９四歩(93)   ( 0:02/00:00:06)
   5 ２二角成(88) ( 0:07/00:20:54)
   6 同　銀(31)   ( 0:04/00:00:10)
   7 ２四角打     ( 0:10/00:21:04)
*封印 持駒角
   8 ９五歩(94)   ( 0:01/00:00:11)
   9 ４二角成(24) ( 0:05/00:21:09)
  10 １四歩(13)   ( 0:06/00:00:17)
  11 中断         ( 0:00/00:00:00)
まで10手で中断
)");
}

TEST(KifOut, BothEncodingsKeepEveryCharacter) {
  RecordGame g;
  play_eventful_game(g);
  const std::string text = kif::write(*g, kif::default_header(*g));
  EXPECT_EQ(sjis::to_utf8(kif::as_kif(text)), text);
  EXPECT_EQ(kif::as_kifu(text), "#KIF version=2.0 encoding=UTF-8\n" + text);
}

// A king taken ends the game with the winner; a start of no standard name is drawn out.
TEST(KifOut, TakingTheKingEndsTheGameAndAnOddStartIsDrawn) {
  RecordGame g;
  g.clear_board();
  g->ban[5][1] = F::com_ou;
  g->ban[5][9] = F::man_ou;
  g->ban[5][5] = F::man_sya;
  g->mochi_man[1] = 2;
  g->START_Click();
  g.move(5, 5, 5, 1);
  const std::string text = kif::write(*g, kif::default_header(*g));
  for (const char* line : {"手合割：その他", "後手の持駒：なし", "| ・ ・ ・ ・v玉 ・ ・ ・ ・|一",
                           "| ・ ・ ・ ・ 飛 ・ ・ ・ ・|五", "先手の持駒：歩二", "先手番",
                           "   1 ５一飛不成(55) ( 0:00/00:00:00)", "まで1手で先手の勝ち"})
    EXPECT_TRUE(has_line(text, line)) << line << "\n" << text;
}

// The computer opened: squares are named from its side, and the file says where it sat.
TEST(KifOut, AGameTheUpperSideOpenedSaysSo) {
  RecordGame g;
  g->GOTE_Click();
  const std::string text = kif::write(*g, kif::default_header(*g));
  EXPECT_EQ(text.rfind("#先手（下手）は盤の上側\n", 0), 0u) << text;
  EXPECT_TRUE(has_line(text, "先手：LEVEL 3"));
  EXPECT_TRUE(has_line(text, "後手：人間"));
}

// Each rank of the ladder that matches a standard handicap has its name, whichever side gives
// it; the others have none.
TEST(KifOut, HandicapRanksHaveTheirStandardNames) {
  const char* names[] = {"平手",     "角落ち", "二枚落ち", nullptr, "四枚落ち", nullptr,
                         "六枚落ち", nullptr,  "八枚落ち", nullptr, "十枚落ち"};
  for (int rank = 0; rank < static_cast<int>(std::size(names)); ++rank)
    for (const Side giver : {Upper, Lower}) {
      RecordGame g;
      for (int i = 0; i < rank; ++i) giver == Upper ? g->LBEL_UP_Click() : g->LEBEL_DOWN_Click();
      const std::optional<std::string> name = kif::handicap_name(from_game(*g, giver), giver);
      EXPECT_EQ(name.value_or("-"), names[rank] ? names[rank] : "-") << rank << " " << giver;
      if (rank > 0) {
        EXPECT_FALSE(kif::handicap_name(from_game(*g, giver), opposite(giver)))
            << "the other side gives nothing";
      }
    }
}

// In a handicap game 上手 moves first and the players are 下手 and 上手.
TEST(KifOut, AHandicapGameNamesItsPlayers) {
  RecordGame g;
  g->LBEL_UP_Click();
  g->GOTE_Click();
  const std::string text = kif::write(*g, kif::default_header(*g));
  for (const char* line : {"手合割：角落ち", "下手：人間", "上手：LEVEL 3", "まで1手で中断"})
    EXPECT_TRUE(has_line(text, line)) << line << "\n" << text;
  EXPECT_EQ(text.find("#先手"), std::string::npos) << "下手 sits at the bottom";
}

}  // namespace

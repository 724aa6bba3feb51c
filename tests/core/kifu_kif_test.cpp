// KIF out: the header, the moves with their clocks and spells, the end, handicaps by their
// standard names, board diagrams, and both file encodings.
#include "kifu/kif.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

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

namespace {

using namespace engine;
using F = Form1;

// Reads KIF text into a fresh game; the refusal, or "" once loaded.
std::string load(RecordGame& r, const std::string& bytes) {
  std::istringstream in(bytes);
  return kif::read(*r, in);
}

// The game written, read back and written again is the same, ply for ply and spell for spell.
void expect_round_trip(RecordGame& g) {
  const kif::Header h{"2026/12/09 10:00:00", "一局", "上の人", "下の人"};
  const std::string text = kif::write(*g, h);
  for (const std::string& bytes : {kif::as_kifu(text), kif::as_kif(text)}) {
    RecordGame r;
    ASSERT_EQ(load(r, bytes), "") << text;
    EXPECT_EQ(r->kifu_mode, F::ari);
    EXPECT_EQ(kif::write(*r, h), text);
    const notation::Plies a = notation::record_plies(*g), b = notation::record_plies(*r);
    ASSERT_EQ(a.plies.size(), b.plies.size());
    EXPECT_EQ(a.sente, b.sente);
    for (size_t i = 0; i < a.plies.size(); ++i) {
      EXPECT_EQ(a.plies[i].turn, b.plies[i].turn) << i;
      EXPECT_EQ(a.plies[i].before.key, b.plies[i].before.key) << i;
    }
  }
}

TEST(KifRoundTrip, AGameWithSpellsPromotionsAndDrops) {
  RecordGame g;
  play_eventful_game(g);
  expect_round_trip(g);
}

TEST(KifRoundTrip, AHandicapGameTheComputerOpened) {
  RecordGame g;
  for (int i = 0; i < 4; ++i) g->LBEL_UP_Click();  // 四枚落ち
  g->GOTE_Click();
  g.move(3, 7, 3, 6);
  g.move(8, 8, 8, 6);
  expect_round_trip(g);
  RecordGame r;
  load(r, kif::write(*g, kif::default_header(*g)));
  EXPECT_EQ(kif::refusal_for_record_file(*r), "平手でない棋譜は「.棋譜」形式に書き込めません");
  EXPECT_EQ(kif::refusal_for_record_file(*g), kif::refusal_for_record_file(*r));
}

TEST(KifRoundTrip, AnEvenGameTheComputerOpenedStaysOnItsSide) {
  RecordGame g;
  g->GOTE_Click();
  g.move(7, 7, 7, 6);
  expect_round_trip(g);
  RecordGame r;
  load(r, kif::write(*g, kif::default_header(*g)));
  EXPECT_EQ(r->man_te, F::te_gote) << "the upper side moved first";
  EXPECT_EQ(kif::refusal_for_record_file(*r), "");
}

TEST(KifRoundTrip, AnOddStartAndAKingTaken) {
  RecordGame g;
  g.clear_board();
  g->ban[5][1] = F::com_ou;
  g->ban[5][9] = F::man_ou;
  g->ban[5][5] = F::man_sya;
  g->mochi_man[1] = 2;
  g->mochi_com[6] = 1;
  g->START_Click();
  g.click(F::button_hidari, F::mochi_com_x, 2);  // ▲ seals the bishop in the upper hand
  g.move(5, 5, 5, 4);
  g.move(5, 1, 4, 1);
  g.move(5, 4, 4, 4);
  g.move(4, 1, 5, 1);
  g.move(4, 4, 4, 1);
  expect_round_trip(g);
}

TEST(KifRoundTrip, AGameGoneOnAfterTheBoardWasTurnedRound) {
  RecordGame g;
  g->START_Click();
  g.move(3, 7, 3, 6);
  g.move(7, 3, 7, 4);
  g->REVERSE_Click();
  g.move(3, 7, 3, 6);
  g.move(7, 3, 7, 4);
  expect_round_trip(g);
}

// A record read steps forward and back as a loaded record file does, from the start it gives.
TEST(KifIn, ARecordStepsThroughItsPositions) {
  RecordGame g;
  g->LBEL_UP_Click();
  g->GOTE_Click();
  g.move(3, 7, 3, 6);
  RecordGame r;
  ASSERT_EQ(load(r, kif::write(*g, kif::default_header(*g))), "");
  EXPECT_EQ(r->ban[8][2], F::kara) << "the start shown is the handicap's";
  EXPECT_EQ(r.last_message(), "棋譜を '進 'で進めて下さい");
  for (int i = 0; i < 3; ++i) r->AFTER_Click();
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) EXPECT_EQ(r->ban[x][y], g->ban[x][y]) << x << y;
  r->AFTER_Click();
  EXPECT_EQ(r.last_message(), "終わり");
  r->REPLAY_Click();
  EXPECT_EQ(r->ban[3][6], F::man_hu);
  EXPECT_EQ(r->ban[3][7], F::kara);
}

// KIF as other programs write it: a byte-order mark, CR LF, comments, plain blanks, 同 with a
// plain blank, moves without origins but with relative words, a branch and 投了.
TEST(KifIn, ReadsWhatOtherProgramsWrite) {
  const std::string text =
      "\xEF\xBB\xBF# ---- 棋譜ファイル ----\r\n開始日時：2026/01/02\r\n場所：どこか\r\n"
      "手合割：平手　\r\n先手：甲\r\n後手：乙\r\n手数----指手---------消費時間--\r\n"
      "*対局開始\r\n   1 ７六歩(77)   ( 0:01/00:00:01)\r\n   2 ３四歩   \r\n"
      "   3 ２二角成(88) ( 0:02/00:00:03)+\r\n   4 同 銀(31)\r\n   5 ５八金右\r\n"
      "   6 ４二玉\r\n   7 投了\r\nまで6手で後手の勝ち\r\n\r\n変化：3手\r\n   3 ６六歩(67)\r\n";
  RecordGame r;
  ASSERT_EQ(load(r, text), "");
  const std::vector<std::string> expected = {"▲７六歩", "△３四歩",   "▲２二角成",
                                             "△同　銀", "▲５八金右", "△４二玉"};
  EXPECT_EQ(notation::japanese_plies(notation::record_plies(*r)), expected);
  EXPECT_FLOAT_EQ(r->kifu_jikan_man_ato[2], 3);
  RecordGame s;
  ASSERT_EQ(load(s, sjis::from_utf8(text.substr(3))), "") << "the same in Shift-JIS";
  EXPECT_EQ(notation::japanese_plies(notation::record_plies(*s)), expected);
}

TEST(KifIn, ReadsTheStandardHandicapsAndDiagrams) {
  RecordGame r;
  ASSERT_EQ(load(r, "手合割：飛香落ち\n手数----指手--\n   1 ３四歩(33)\n"), "");
  const notation::Plies p = notation::record_plies(*r);
  EXPECT_EQ(p.sente, Upper) << "上手 moves first";
  EXPECT_EQ(p.named_from, Lower) << "下手 is ▲";
  EXPECT_EQ(notation::japanese_plies(p), std::vector<std::string>{"△３四歩"});
  EXPECT_EQ(kif::handicap_name(p.start, Upper).value_or(""), "飛香落ち");
  EXPECT_EQ(r->kifu_ban[0][2][2], F::kara);
  EXPECT_EQ(r->kifu_ban[0][9][1], F::kara);

  const std::string diagram =
      "後手の持駒：角\n  ９ ８ ７ ６ ５ ４ ３ ２ １\n+---------------------------+\n"
      "| ・ ・ ・ ・v王 ・ ・ ・ ・|一\n| ・ ・ ・ ・ ・ ・ ・ ・ ・|二\n"
      "| ・ ・ ・ ・ ・ ・ ・ ・ ・|三\n| ・ ・ ・ ・ ・ ・ ・ ・ ・|四\n"
      "| ・ ・ ・ ・ 竜 ・ ・ ・ ・|五\n| ・ ・ ・ ・ ・ ・ ・ ・ ・|六\n"
      "| ・ ・ ・ ・ ・ ・ ・ ・ ・|七\n| ・ ・ ・ ・ ・ ・ ・ ・ ・|八\n"
      "| ・ ・ ・ ・ 玉 ・ ・ ・ ・|九\n+---------------------------+\n先手の持駒：歩十八\n"
      "後手番\n   1 ５二角打\n";
  RecordGame d;
  ASSERT_EQ(load(d, diagram), "");
  EXPECT_EQ(d->kifu_ban[1][5][2], F::com_kaku);
  EXPECT_EQ(d->kifu_ban[1][5][5], F::man_sya_nari);
  EXPECT_EQ(d->kifu_mochi_man[1][1], 18);
}

// Each refusal names its line; the game on the board stays as it was.
TEST(KifIn, RefusesWhatIsNoGameNamingTheLine) {
  const std::pair<std::string, std::string> cases[] = {
      {"just some text\n", "棋譜ﾌｧｲﾙではありません (1行目)"},
      {"手合割：平手\n   1 ７六歩(77)\n   2 ７六歩(73)\n", "指せない手があります (3行目)"},
      {"手合割：平手\n   1 ７六歩(77)\n   3 ３四歩(33)\n", "棋譜ﾌｧｲﾙではありません (3行目)"},
      {"手合割：平手\n   1 ７六飛(77)\n", "指せない手があります (2行目)"},
      {"手合割：平手\n   1 同　歩(77)\n", "指せない手があります (2行目)"},
      {"手合割：平手\n   1 ７六歩(77)\nこんにちは\n", "棋譜ﾌｧｲﾙではありません (3行目)"},
      {"手合割：平手\n   1 ７六歩(77)\n*封印 ７七角\n", "指せない手があります (3行目)"},
      {"手合割：平手\n*封印 ２二角\n", "指せない手があります (2行目)"},
      {"手合割：平手\n   1 ７六歩(77)\n*封印 ２二角\n*封印 ８二飛\n",
       "指せない手があります (4行目)"},
      {"手合割：百枚落ち\n", "棋譜ﾌｧｲﾙではありません (1行目)"},
      {"表題：\xFF\xFE\n", "棋譜ﾌｧｲﾙではありません (1行目)"},
      {"表題：" + std::string(5000, 'a') + "\n", "棋譜ﾌｧｲﾙではありません (1行目)"},
  };
  for (const auto& [text, refusal] : cases) {
    RecordGame r;
    r->START_Click();
    r.move(3, 7, 3, 6);
    EXPECT_EQ(load(r, text), refusal) << text;
    EXPECT_EQ(r->kifu_mode, F::nasi);
    EXPECT_EQ(r->ban[3][6], F::man_hu);
    EXPECT_EQ(r->kifu_tesuu, 1);
  }
}

// Inputs that broke the reader once, and hand-made ones: refused, or read, stepped through and
// written back the same.
TEST(KifIn, BadFilesAreRefusedOrReadWhole) {
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(LUMINAK_BAD_KIFS)) {
    std::ifstream in(entry.path(), std::ios::binary);
    RecordGame r;
    ++files;
    if (!kif::read(*r, in).empty()) {
      EXPECT_EQ(r->kifu_mode, F::nasi) << entry.path();
      continue;
    }
    while (r->kifu_tesuu < r->kifu_saigo) r->AFTER_Click();
    const std::string text = kif::write(*r, kif::default_header(*r));
    RecordGame again;
    EXPECT_EQ(load(again, text), "") << entry.path();
    EXPECT_EQ(kif::write(*again, kif::default_header(*again)), text) << entry.path();
  }
  EXPECT_GE(files, 4);
}

// Record files of any shape, as the record loader takes them: their plies, as far as they follow
// the rules, are written as KIF and read back the same.
TEST(KifOut, RecordFilesOfAnyShapeAreWrittenAndReadBack) {
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(LUMINAK_BAD_RECORDS)) {
    RecordGame g;
    std::filesystem::copy_file(entry.path(), g.dir / "bad.棋譜");
    g.load("bad.棋譜");
    if (g->kifu_mode != F::ari) continue;
    ++files;
    const std::string text = kif::write(*g, kif::default_header(*g));
    RecordGame again;
    EXPECT_EQ(load(again, text), "") << entry.path() << "\n" << text;
    EXPECT_EQ(kif::write(*again, kif::default_header(*again)), text) << entry.path();
  }
  EXPECT_GT(files, 0);
}

}  // namespace

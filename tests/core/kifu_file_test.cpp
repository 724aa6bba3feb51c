// Record files: the bytes written, the refusals of 書込, a game saved and loaded back, and
// files that are not records.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstring>

#include "support/PositionText.h"
#include "support/Records.h"

namespace {

using F = Form1;
constexpr Int R = F::button_migi;

struct Kifu : ::testing::Test {
  RecordGame g;
};

// Steps the loaded record `h` forward to its end: every position matches what `g` recorded.
void step_through_and_compare(RecordGame& g, RecordGame& h) {
  for (long n = 1; n <= g->kifu_saigo; ++n) {
    h->AFTER_Click();
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) {
        EXPECT_EQ(h->ban[x][y], g->kifu_ban[n][x][y]) << n;
        EXPECT_EQ(h->huu_man[x][y], g->kifu_huu_man[n][x][y]) << n;
        EXPECT_EQ(h->huu_com[x][y], g->kifu_huu_com[n][x][y]) << n;
      }
    for (int k = 1; k <= 7; ++k) {
      EXPECT_EQ(h->mochi_man[k], g->kifu_mochi_man[n][k]) << n;
      EXPECT_EQ(h->mochi_com[k], g->kifu_mochi_com[n][k]) << n;
      EXPECT_EQ(h->huu_mochi_man[k], g->kifu_huu_mochi_man[n][k]) << n;
      EXPECT_EQ(h->huu_mochi_com[k], g->kifu_huu_mochi_com[n][k]) << n;
    }
    EXPECT_EQ(h->jikan_man, std::trunc(g->kifu_jikan_man_ato[n]));
    EXPECT_EQ(h->jikan_com, std::trunc(g->kifu_jikan_com_ato[n]));
  }
}

TEST_F(Kifu, LinesAreByteExact) {
  F& f = *g;
  f.man_te = F::te_gote;
  f.記録_局面保存(1);  // the initial position
  f.kifu_mochi_man[1][1] = 12;
  f.kifu_mochi_com[1][7] = 3;
  f.kifu_huu_man[1][5][9] = F::ari;
  f.kifu_huu_mochi_com[1][6] = F::ari;
  f.kifu_jikan_man_mae[1] = 5;
  f.kifu_jikan_man_ato[1] = 1234.7f;
  f.kifu_jikan_com_ato[1] = 99.9f;
  f.kifu_saigo = 1;
  g.set_text(Control::Text2, "名局");
  g.set_text(Control::Text3, "先手太郎");
  g.set_text(Control::Text4, "後手");
  g.save("a");
  EXPECT_EQ(g.last_message(), "棋譜を書き込みました");
  for (Control c : {Control::Drive1, Control::Dir1, Control::Text1, Control::Command1})
    EXPECT_FALSE(g.w.control_visible[static_cast<int>(c)]) << "the dialog is put away";
  EXPECT_EQ(g.w.Text(Control::Text2), "");
  const std::vector<Call> refreshed = g.w.of(Call::SetPath);
  ASSERT_EQ(refreshed.size(), 1u) << "the file list shows the new file";
  EXPECT_EQ(refreshed[0].control, Control::File1);
  EXPECT_EQ(refreshed[0].text, g.dir.string());
  const std::string file = g.read("a.棋譜");
  const std::string headers =
      "\x96\xBC\x8B\xC7\r\n\x90\xE6\x8E\xE8\x91\xBE\x98\x59\r\n\x8C\xE3\x8E\xE8\r\n";
  ASSERT_EQ(file.size(), headers.size() + 534 + 2);
  EXPECT_EQ(file.substr(0, headers.size()), headers)
      << "title, then 先手 above when the player moves second";
  const std::string line = file.substr(headers.size());
  struct {
    size_t at;
    const char* text;
  } expected[] = {
      {0, "  20   0  10   0   0   0 -10   0 -20"},    // column 1, rows 1 to 9
      {36, "  30 130  10   0   0   0 -10-120 -30"},   // column 2
      {144, " 140   0  10   0   0   0 -10   0-140"},  // column 5
      {324, "C0000000000003"},                        // hands: 12 pawns, 3 rooks
      {426, "10"},                                    // the seal on the lower king (5, 9)
      {500, "00000000000100"},                        // the upper hand's bishop is sealed
      {514, "    5 1234    0   99\r\n"},              // the clocks, whole seconds
  };
  for (const auto& e : expected) EXPECT_EQ(line.substr(e.at, std::strlen(e.text)), e.text) << e.at;
  EXPECT_EQ(std::count(line.begin() + 338, line.begin() + 514, '1'), 2);
}

TEST_F(Kifu, RefusalsWriteNothing) {
  const std::string bad_name = "このﾌｧｲﾙ名は使えません\r\r";
  const std::string separator = bad_name + "ﾌｧｲﾙ名に「/」「\\」や制御文字は使えません";
  const std::string dots = bad_name + "「.」だけのﾌｧｲﾙ名は使えません";
  struct {
    std::string name;
    void (*setup)(F&);
    std::string message;
    const char* title;
  } cases[] = {
      {"a", [](F& f) { f.hanten = F::ari; }, "反転後は書き込みできません", "棋譜書込"},
      {"a", [](F& f) { f.hande_settei = F::ari; }, "ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません",
       "棋譜書込"},
      {"", [](F&) {}, "ﾌｧｲﾙ名が入力されていません", "  "},
      {"a", [](F& f) { f.kifu_saigo = 0; }, "保存するデータがありません", "棋譜保存"},
      {"../a", [](F&) {}, separator, "棋譜保存"},
      {"a\\b", [](F&) {}, separator, "棋譜保存"},
      {"x\ty", [](F&) {}, separator, "棋譜保存"},
      {"..", [](F&) {}, dots, "棋譜保存"},
      {"...", [](F&) {}, dots, "棋譜保存"},
      {std::string(250, 'x'), [](F&) {}, bad_name + "ﾌｧｲﾙ名が長すぎます", "棋譜保存"},
  };
  for (const auto& c : cases) {
    RecordGame h;
    h->記録_局面保存(1);
    h->kifu_saigo = 1;
    c.setup(*h);
    h.save(c.name);
    ASSERT_FALSE(h.w.messages().empty()) << c.name;
    EXPECT_EQ(h.w.messages().back().text, c.message) << c.name;
    EXPECT_EQ(h.w.messages().back().title, c.title) << c.name;
    EXPECT_TRUE(std::filesystem::is_empty(h.dir)) << c.name;
  }
}

TEST_F(Kifu, AFailedWriteKeepsTheOldFileAndTheDialog) {
  g.write("old.棋譜", "keep");
  g->記録_局面保存(1);
  g->kifu_saigo = 1;
  g.set_text(Control::Text2, "名局");
  // Files may grow to 100 bytes only: the move line does not fit.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit was{};
  getrlimit(RLIMIT_FSIZE, &was);
  rlimit small = was;
  small.rlim_cur = 100;
  setrlimit(RLIMIT_FSIZE, &small);
  g.save("old");
  setrlimit(RLIMIT_FSIZE, &was);
  EXPECT_EQ(g.read("old.棋譜"), "keep");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(g.dir), {}), 1) << "no leftovers";
  const Call box = g.w.messages().back();
  EXPECT_EQ(box.title, "棋譜保存");
  EXPECT_EQ(box.text.rfind("棋譜を書き込めませんでした\r\r", 0), 0u);
  EXPECT_NE(box.text.find(std::strerror(EFBIG)), std::string::npos);
  EXPECT_TRUE(g.w.control_visible[static_cast<int>(Control::Text1)]);
  EXPECT_EQ(g.w.Text(Control::Text2), "名局");

  g.w.paths[static_cast<int>(Control::File1)] = (g.dir / "gone").string();
  g->Command1_Click();
  EXPECT_NE(g.last_message().find(std::strerror(ENOENT)), std::string::npos);
}

TEST_F(Kifu, ASavedGameLoadsBackWhole) {
  play_eventful_game(g);
  ASSERT_EQ(g->kifu_saigo, 9);
  std::string title = "名\t局";  // a tab and a title far too long stay text a record can hold
  for (int i = 0; i < 3000; ++i) title += "局";
  g.set_text(Control::Text2, title);
  g.save("game");
  const std::string file = g.read("game.棋譜");
  EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 12);

  RecordGame h;
  h.write("game.棋譜", file);
  h.load("game.棋譜");
  ASSERT_EQ(h->kifu_saigo, 9);
  EXPECT_EQ(h->kifu_mode, F::ari);
  auto m = h.w.messages();
  ASSERT_EQ(m.size(), 2u);
  EXPECT_EQ(m[0].text, " 読み込みました");
  EXPECT_EQ(m[1].text, "棋譜を '進 'で進めて下さい");
  const auto texts = h.w.texts_printed();
  EXPECT_TRUE(std::any_of(texts.begin(), texts.end(),
                          [](const Call& c) { return c.text.rfind("名 局局", 0) == 0; }));
  step_through_and_compare(g, h);
  EXPECT_EQ(h->ban[6][2], F::man_kaku_nari);
  EXPECT_EQ(h->mochi_com[6], 1);
  EXPECT_GT(h->jikan_man, 1234);
}

TEST_F(Kifu, AGameAgainstTheComputerLoadsBackWhole) {
  g.w.checked[static_cast<int>(Menu::KEIKA)] = true;
  g->SENTE_Click();
  // The player makes the first legal move found from a different square each turn; the
  // computer answers each with its move and its spell.
  for (int turn = 0; turn < 12 && g->shouri_te == F::te_nasi; ++turn) {
    bool moved = false;
    for (int i = 0; i < 81 * 81 && !moved; ++i) {
      const int from = (i + turn * 13) % 81, to = i / 81;
      const Int fx = static_cast<Int>(from / 9 + 1), fy = static_cast<Int>(from % 9 + 1);
      const Int tx = static_cast<Int>((to + turn) % 81 / 9 + 1), ty = static_cast<Int>(to % 9 + 1);
      if (g->ban[fx][fy] > F::man_hu || g->移動チェック(fx, fy, tx, ty, g->ban[fx][fy]) != F::ari)
        continue;
      g.move(fx, fy, tx, ty, 3 + turn, R);
      moved = true;
    }
    ASSERT_TRUE(moved);
  }
  ASSERT_GE(g->kifu_saigo, 20);
  g.save("vs");
  RecordGame h;
  h.write("vs.棋譜", g.read("vs.棋譜"));
  h.load("vs.棋譜");
  ASSERT_EQ(h->kifu_saigo, g->kifu_saigo);
  step_through_and_compare(g, h);
}

TEST_F(Kifu, LongGamesAndLargeHandsRoundTrip) {
  g->START_Click();
  for (int i = 0; i < 260; ++i) {  // both kings step back and forth: 520 moves
    g.move(5, 9 - i % 2, 5, 8 + i % 2);
    g.move(5, 1 + i % 2, 5, 2 - i % 2);
    g.w.clear();
  }
  ASSERT_EQ(g->kifu_saigo, 519);
  g->kifu_mochi_man[519][1] = 18;
  g->kifu_mochi_com[519][2] = 35;
  g->kifu_mochi_com[519][3] = 10;  // the first count written as a letter
  g.save("long");
  RecordGame h;
  h.write("long.棋譜", g.read("long.棋譜"));
  h.load("long.棋譜");
  ASSERT_EQ(h->kifu_saigo, 519);
  EXPECT_EQ(h->kifu_mochi_man[519][1], 18);
  EXPECT_EQ(h->kifu_mochi_com[519][2], 35);
  EXPECT_EQ(h->kifu_mochi_com[519][3], 10);
  EXPECT_EQ(h->kifu_ban[519][5][9], F::man_ou);
  EXPECT_EQ(h->kifu_ban[518][5][8], F::man_ou);
  for (int i = 0; i < 519; ++i) h->AFTER_Click();
  EXPECT_EQ(h->tesuu, 519);
  EXPECT_EQ(h->ban[5][9], F::man_ou);
  EXPECT_EQ(h->mochi_man[1], 18);
}

TEST_F(Kifu, HeadersStandAroundTheBoard) {
  g.write("h.棋譜", "abc\r\n\x8C\xE3\x8E\xE8\r\n名局\r\n");  // the last is UTF-8
  g.load("h.棋譜");
  std::vector<Call> texts;  // above and below the board
  for (const Call& c : g.w.texts_printed())
    if (c.y == 100 || c.y == 6350) texts.push_back(c);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0].text, "abc");
  EXPECT_DOUBLE_EQ(texts[0].x, 525);
  EXPECT_EQ(texts[0].colour, F::iro_aka);
  EXPECT_EQ(texts[1].text, "後手");
  EXPECT_DOUBLE_EQ(texts[1].y, 100);
  EXPECT_EQ(texts[2].text, "名局");
  EXPECT_DOUBLE_EQ(texts[2].y, 6350);
  EXPECT_EQ(g.last_message(), "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません");
  EXPECT_EQ(g->kifu_mode, F::ari);
  EXPECT_DOUBLE_EQ(g->取得_棋譜のX座標("1234567890123") - 3000, -465);

  // A new game paints over the title, which starts left of the upper hand's column.
  g->START_Click();
  const auto& calls = g.w.calls;
  auto last = [&](auto is) {
    return std::find_if(calls.rbegin(), calls.rend(), is) - calls.rbegin();
  };
  EXPECT_LT(last([](const Call& c) {
              return c.kind == Call::Paint && c.x == F::cell_x(-2) && c.y == F::cell_y(10);
            }),
            last([](const Call& c) { return c.kind == Call::Text && c.text == "abc"; }));

  // A file that ends inside its header shows the last line read again.
  RecordGame h;
  h.write("h.棋譜", "abc\r\nup");
  h.load("h.棋譜");
  std::vector<std::string> headers;
  for (const Call& c : h.w.texts_printed())
    if (c.y == 100 || c.y == 6350) headers.push_back(c.text);
  EXPECT_EQ(headers, (std::vector<std::string>{"abc", "up", "up"}));
  EXPECT_EQ(h.last_message(), "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません");
}

// Headers longer than their row are cut with a mark, and a new game paints over every
// character shown (full-width characters, a point being twenty twips).
TEST_F(Kifu, LongHeadersAreCutAndANewGameLeavesNothingOfThem) {
  std::string longest;
  for (int i = 0; i < 60; ++i) longest += "局";
  g.write("h.棋譜", longest + "\r\n" + longest + "\r\n" + longest + "\r\n");
  g.load("h.棋譜");
  std::vector<Call> headers;
  for (const Call& c : g.w.texts_printed())
    if (c.y == 100 || c.y == 6350) headers.push_back(c);
  ASSERT_EQ(headers.size(), 3u);
  const size_t printed = g.w.calls.size();
  g->START_Click();

  constexpr double kTwipsPerPoint = 20, kStep = 10;
  for (const Call& h : headers) {
    EXPECT_LT(h.text.size(), longest.size());
    EXPECT_EQ(h.text.substr(h.text.size() - std::strlen("…")), "…");
    const double em = h.x2 * kTwipsPerPoint;
    const double right = h.x + em * static_cast<double>(h.text.size() / std::strlen("局"));
    for (double x = h.x; x <= right; x += kStep) {
      const double y = h.y + em / 2;
      const bool covered =
          std::any_of(g.w.calls.begin() + printed, g.w.calls.end(), [&](const Call& c) {
            if (c.kind != Call::Paint) return false;
            const Size s = picture_size(c.picture);
            return x >= c.x && x <= c.x + s.w && y >= c.y && y <= c.y + s.h;
          });
      ASSERT_TRUE(covered) << h.text << " at x " << x;
    }
  }
}

// A record of a game in progress, refused or not: the board, both hands, whose turn, the record.
std::string game_state(RecordGame& g) {
  return position_text::write(*g, "") + std::to_string(g->teban) + " " +
         std::to_string(g->kifu_saigo) + " " + std::to_string(g->kifu_mode);
}

// Files that are not records, or too large to be one, are refused with a message that names
// the file; the game in progress stays as it was. Short lines in the record's own format load.
TEST_F(Kifu, FilesThatAreNotRecordsAreRefused) {
  const std::string headers = "t\r\nu\r\nd\r\n", board = std::string(320, ' ') + "-140";
  const std::string not_record = "棋譜ﾌｧｲﾙではありません (";
  const std::string too_large = "棋譜ﾌｧｲﾙが大きすぎて読み込めません (100000手まで)";
  std::string noise(3000, '\0');
  unsigned seed = 7;
  for (char& c : noise) c = static_cast<char>((seed = seed * 1103515245 + 12345) >> 16);
  struct {
    std::string bytes, message;  // "" for a file that loads
  } cases[] = {
      {"\x89PNG\r\n\x1a\n\0\0\0\rIHDR", not_record + "2行目)"},
      {"# Vexa\r\n\r\nA desktop shogi game.\r\n- Run it\r\n", not_record + "4行目)"},
      {noise, not_record + "1行目)"},
      {"\x81\x20\xff\r\nu\r\nd\r\n", not_record + "1行目)"},  // not Shift-JIS
      {headers + "   0  99\r\n", not_record + "4行目)"},      // no piece's code
      {headers + "   0 1 0\r\n", not_record + "4行目)"},
      {headers + "   -\r\n", not_record + "4行目)"},
      {headers + board + "p\r\n", not_record + "4行目)"},  // a hand letter in lower case
      {headers + board + std::string(211, '0') + "\r\n", not_record + "4行目)"},  // too long
      {headers + std::string(100001, '\n'), too_large},
      {headers + "  20\r\n\r\n -10-140 140\r\n" + board + "Z0\r", ""},
  };
  for (const auto& c : cases) {
    RecordGame h;
    h->START_Click();
    h.move(3, 7, 3, 6);
    h.move(7, 3, 7, 4);
    const std::string before = game_state(h);
    h.write("x.棋譜", c.bytes);
    h.w.clear();
    h.load("x.棋譜");
    if (c.message.empty()) {
      EXPECT_EQ(h->kifu_saigo, 4);
      EXPECT_EQ(h->kifu_ban[4][9][9], F::man_ou);
      EXPECT_EQ(h->kifu_mochi_man[4][1], 35);
      continue;
    }
    EXPECT_EQ(h.last_message(), c.message + "\r\r" + (h.dir / "x.棋譜").string());
    EXPECT_EQ(game_state(h), before) << c.message;
    EXPECT_TRUE(h.w.texts_printed().empty()) << "no header drawn";
  }
  // A file larger than any record is refused before it is read.
  g.write("x.棋譜", "");
  std::filesystem::resize_file(g.dir / "x.棋譜", 60'000'000);
  g.load("x.棋譜");
  EXPECT_EQ(g.last_message().substr(0, too_large.size()), too_large);
}

// What a square may hold, by magnitude.
constexpr Int kSquares[] = {F::kara,          F::com_hu,       F::com_hu_nari,  F::com_kyou,
                            F::com_kyou_nari, F::com_kei,      F::com_kei_nari, F::com_gin,
                            F::com_gin_nari,  F::com_kin,      F::com_kaku,     F::com_kaku_nari,
                            F::com_sya,       F::com_sya_nari, F::com_ou};

// Every file in the folder of inputs that once broke the loader, or were made to: it is
// refused by name, or it loads, holds only what a game can hold, and steps to its end and back.
TEST(KifuBadFiles, AreRefusedOrLoadAndStepSafely) {
  const std::filesystem::path folder = LUMINAK_BAD_RECORDS;
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    RecordGame g;
    std::filesystem::copy_file(entry.path(), g.dir / "bad.棋譜");
    g.load("bad.棋譜");
    ++files;
    if (g->kifu_mode != F::ari) {
      EXPECT_NE(g.last_message().find((g.dir / "bad.棋譜").string()), std::string::npos);
      continue;
    }
    for (long n = 1; n <= g->kifu_saigo; ++n) {
      for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
          const Int c = static_cast<Int>(std::abs(g->kifu_ban[n][x][y]));
          EXPECT_TRUE(std::count(std::begin(kSquares), std::end(kSquares), c)) << c;
          EXPECT_TRUE(g->kifu_huu_man[n][x][y] == F::nasi || g->kifu_huu_man[n][x][y] == F::ari);
        }
      for (int k = 1; k <= 7; ++k) EXPECT_LE(g->kifu_mochi_com[n][k], 35);
      EXPECT_GE(g->kifu_jikan_com_ato[n], 0);
      g->AFTER_Click();
    }
    while (g->kifu_tesuu > 0) g->REPLAY_Click();
    EXPECT_EQ(g->ban[5][9], F::man_ou) << entry.path() << ": move 0 is the initial position";
  }
  EXPECT_GT(files, 5);
}

}  // namespace

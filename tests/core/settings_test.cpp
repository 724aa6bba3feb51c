// The settings file and the option menus.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "support/Game.h"

namespace {

using F = Form1;

// The texts of the file as the game writes them (Shift-JIS).
const std::string kBackground = "\x94\x77\x8C\x69\x89\xE6";        // 背景画
const std::string kGuidance = "\x88\xDA\x93\xAE\x8E\x77\x93\xB1";  // 移動指導
const std::string kElapsed = "\x8C\x6F\x89\xDF\x8E\x9E\x8A\xD4";   // 経過時間
const std::string kGreen = "\x97\xCE";                             // 緑
const std::string kBamboo = "\x92\x7C";                            // 竹

std::string read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void write(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

std::string file_of(const std::string& background, const char* guidance, const char* elapsed,
                    const char* music) {
  std::string text;
  if (!background.empty()) text += kBackground + "=" + background + "\r\n";
  return text + kGuidance + "=" + guidance + "\r\n" + kElapsed + "=" + elapsed + "\r\n" +
         "BGM=" + music + "\r\n";
}

struct Settings : ::testing::Test {
  Game g;
  bool checked(Menu m) { return g.w.Checked(m); }
  int loops(int handle) {
    int n = 0;
    for (const Call& c : g.w.of(Call::PlayLooping)) n += c.sound == handle;
    return n;
  }
};

TEST_F(Settings, FirstStartWritesTheDefaultFile) {
  std::remove(g.settings.c_str());
  g->Form_Load();
  EXPECT_EQ(read(g.settings), file_of(kGreen, "OFF", "ON", "ON"));
  EXPECT_TRUE(checked(Menu::MIDORI));
  EXPECT_TRUE(checked(Menu::KEIKA));
  EXPECT_TRUE(checked(Menu::BGM));
  EXPECT_FALSE(checked(Menu::SIDOU));
  EXPECT_EQ(g->haikei, F::haikei_midori);
  EXPECT_TRUE(g.w.of(Call::PlayLooping).empty())
      << "the music does not start from the default file";
}

TEST_F(Settings, ValuesAreAppliedAtStartUp) {
  write(g.settings, "背景画=宇宙\r\n移動指導=ON\r\n経過時間=OFF\r\nBGM=ON\r\n");
  g->Form_Load();
  EXPECT_EQ(g->haikei, F::haikei_uchu);
  EXPECT_TRUE(checked(Menu::UCHU));
  EXPECT_FALSE(checked(Menu::MIDORI));
  EXPECT_EQ(g.w.painted_at_cell(-2, -2), Picture::HAIKEI_UCHU);
  EXPECT_TRUE(checked(Menu::SIDOU));
  EXPECT_EQ(g->sidou, F::ari);
  EXPECT_EQ(g->iro_sidou, F::iro_siro);
  EXPECT_FALSE(checked(Menu::KEIKA));
  EXPECT_EQ(loops(g->snd_bgm), 1) << "the background music at start-up";
  EXPECT_EQ(loops(g->snd_sentou), 0);
}

TEST_F(Settings, ShiftJisAndUtf8NameTheSameBackground) {
  write(g.settings, kBackground + "=" + kBamboo + "\r\n");
  g->Form_Load();
  EXPECT_EQ(g->haikei, F::haikei_take);
  Game other;
  write(other.settings, "背景画=竹\n");
  other->Form_Load();
  EXPECT_EQ(other->haikei, F::haikei_take);
}

TEST_F(Settings, UnknownValuesAreIgnoredOrMeanOff) {
  write(g.settings, "背景画=木\r\n移動指導=on\r\n経過時間=\r\nBGM=yes\r\nテーマ=青\r\n");
  g->Form_Load();
  EXPECT_EQ(g->haikei, F::haikei_midori);
  for (Menu m : {Menu::MIDORI, Menu::SIDOU, Menu::KEIKA, Menu::BGM}) EXPECT_FALSE(checked(m));
  EXPECT_EQ(g->iro_sidou, F::iro_midori);
}

TEST_F(Settings, ALineWithoutEqualsFallsBackToTheDefaults) {
  write(g.settings, "背景画=煉瓦\r\n経過時間 ON\r\n");
  g->Form_Load();
  EXPECT_EQ(read(g.settings), file_of(kGreen, "OFF", "ON", "ON"));
  EXPECT_EQ(g->haikei, F::haikei_midori);
  EXPECT_TRUE(checked(Menu::MIDORI));
  EXPECT_FALSE(checked(Menu::RENGA));
}

TEST_F(Settings, FallingBackAfterGuidanceWasOnTurnsGuidanceOff) {
  write(g.settings, "移動指導=ON\r\nおかしな行\r\n");
  g->Form_Load();
  EXPECT_FALSE(checked(Menu::SIDOU));
  EXPECT_EQ(g->sidou, F::nasi) << "the menu and the board agree";
  EXPECT_EQ(g->iro_sidou, F::iro_waku);
}

TEST_F(Settings, AnUnwritableFolderNeitherStopsNorBreaksTheGame) {
  g->settings_path = "/nonexistent/folder/Vexaルミナーク将棋.ini";
  g->Form_Load();
  EXPECT_EQ(g->haikei, F::haikei_midori);
  EXPECT_TRUE(checked(Menu::KEIKA));
  g->TATAMI_Click();
  EXPECT_EQ(g->haikei, F::haikei_tatami);
}

struct Options : Settings {
  void SetUp() override {
    std::remove(g.settings.c_str());
    g->Form_Load();
    g.w.clear();
  }
};

TEST_F(Options, ABackgroundChoiceIsSavedAndRedrawn) {
  g->TAKE_Click();
  EXPECT_EQ(read(g.settings), file_of(kBamboo, "OFF", "ON", "ON"));
  EXPECT_TRUE(checked(Menu::TAKE));
  EXPECT_FALSE(checked(Menu::MIDORI));
  EXPECT_EQ(g.w.painted_at_cell(-2, -2), Picture::HAIKEI_TAKE);
  EXPECT_EQ(g.w.painted_at_cell(5, 9), Picture::SITA_OU);
  g.w.clear();
  g->TAKE_Click();
  EXPECT_TRUE(g.w.of(Call::Paint).empty()) << "choosing the checked background does nothing";
}

TEST_F(Options, GuidanceOffClearsEveryOutlineAtOnce) {
  g->SIDOU_Click();
  EXPECT_EQ(g->sidou, F::ari);
  EXPECT_EQ(g->iro_sidou, F::iro_siro);
  EXPECT_EQ(read(g.settings), file_of(kGreen, "ON", "ON", "ON"));
  g.w.clear();
  g->SIDOU_Click();
  EXPECT_EQ(g->sidou, F::nasi);
  EXPECT_EQ(g->iro_sidou, F::iro_waku);
  auto boxes = g.w.of(Call::Box);
  EXPECT_EQ(boxes.size(), 81u + 14u);
  for (const Call& b : boxes) EXPECT_EQ(b.colour, F::iro_waku);
  for (int r = 1; r <= 7; ++r) EXPECT_GE(g.w.last_box_of_cell(-1, r), 0);
  for (int r = 3; r <= 9; ++r) EXPECT_GE(g.w.last_box_of_cell(11, r), 0);
  // Beside the hands stand the notation, the clock and the handicap rank: left untouched.
  for (int r : {8, 9}) EXPECT_LT(g.w.last_box_of_cell(-1, r), 0);
  for (int r : {1, 2}) EXPECT_LT(g.w.last_box_of_cell(11, r), 0);
  EXPECT_EQ(read(g.settings), file_of(kGreen, "OFF", "ON", "ON"));
}

TEST_F(Options, ElapsedTimeStopsAndStartsTheClocks) {
  g->jikan_man = 75;
  g->KEIKA_Click();
  EXPECT_FALSE(checked(Menu::KEIKA));
  EXPECT_FALSE(g.w.timer_on);
  EXPECT_TRUE(g.w.texts_printed().empty());
  EXPECT_EQ(g.w.painted_at_cell(13, 9), Picture::HAIKEI_MIDORI) << "the clock area is cleared";
  EXPECT_EQ(read(g.settings), file_of(kGreen, "OFF", "OFF", "ON"));
  g.w.clear();
  g->KEIKA_Click();
  EXPECT_TRUE(g.w.timer_on);
  bool shown = false;
  for (const Call& c : g.w.texts_printed()) shown |= c.text == "00:01:15";
  EXPECT_TRUE(shown);
}

TEST_F(Options, MusicSwitchesByWhetherAGameRuns) {
  g->BGM_Click();
  EXPECT_FALSE(checked(Menu::BGM));
  EXPECT_EQ(g.w.of(Call::Stop).size(), 2u);
  g->BGM_Click();
  EXPECT_EQ(loops(g->snd_sentou), 1) << "the battle music before any game";
  g->BGM_Click();
  g->START_Click();
  g->BGM_Click();
  EXPECT_EQ(loops(g->snd_bgm), 1) << "the background music during a game";
  EXPECT_EQ(read(g.settings), file_of(kGreen, "OFF", "ON", "ON"));
}

TEST_F(Options, VersionBox) {
  g->VER_Click();
  auto m = g.w.messages();
  ASSERT_EQ(m.size(), 1u);
  EXPECT_EQ(m[0].title, "その他");
  EXPECT_NE(m[0].text.find("Vexa ルミナーク将棋"), std::string::npos);
}

}  // namespace

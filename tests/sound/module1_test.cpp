// Module1: the game opens the sound library, loads its seven sounds and lets them go; with no
// library, or no sound device, it warns once and plays on in silence.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "shell/DynamicSound.h"
#include "support/Game.h"
#include "support/SoundTest.h"

namespace {

namespace fs = std::filesystem;
using F = Form1;

const char* const kNoDevice = "Direct Soundインターフェースが作成できません。";

// The handles in the order Form_Load loads them, with the file and count each is loaded with.
struct Loaded {
  std::int32_t F::*handle;
  const char* file;
  int count;
};
constexpr Loaded kLoadOrder[] = {
    {&F::snd_sonota, "その他.wav", 3},   {&F::snd_kinsi, "禁止.wav", 3},
    {&F::snd_kanasibari, "金縛.wav", 3}, {&F::snd_mahou, "魔法.wav", 3},
    {&F::snd_komauti, "駒打音.wav", 3},  {&F::snd_sentou, "戦闘.wav", 1},
    {&F::snd_bgm, "BGM.wav", 1}};

// A folder of this test's own, removed afterwards.
struct Folder {
  fs::path path =
      fs::temp_directory_path() / ("luminak-sound-" + std::to_string(getpid()) + "-" +
                                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
  Folder() { fs::create_directories(path); }
  ~Folder() { fs::remove_all(path); }
};

void expect_one_warning(const FakeWindow& w, const std::string& text) {
  auto m = w.messages();
  ASSERT_EQ(m.size(), 1u);
  EXPECT_EQ(m[0].text, text);
  EXPECT_EQ(m[0].title, "Vexaルミナーク将棋.dll");
  EXPECT_EQ(m[0].buttons, mb::OKOnly | mb::Exclamation);
}

TEST(Module1, StartUpLoadsTheSevenSoundsWithTheirCounts) {
  Game g;
  g->Form_Load();
  auto created = g.w.of(Call::Create);
  ASSERT_EQ(created.size(), 7u);
  for (std::size_t i = 0; i < created.size(); ++i) {
    const Loaded& l = kLoadOrder[i];
    EXPECT_EQ(created[i].x, fs::file_size(sound_path(l.file))) << l.file;
    EXPECT_EQ(created[i].buttons, l.count) << l.file;
    EXPECT_EQ((*g).*l.handle, created[i].sound) << l.file;
    EXPECT_NE(created[i].sound, 0);
  }
  EXPECT_EQ(g.w.calls.front().kind, Call::Initialize);
  EXPECT_TRUE(g.w.messages().empty());
}

TEST(Module1, ShutdownFreesTheSevenThenTheDevice) {
  Game g;
  g->Form_Load();
  g.w.clear();
  g->終了処理();
  const std::int32_t F::*order[] = {&F::snd_sonota, &F::snd_kinsi,  &F::snd_kanasibari,
                                    &F::snd_mahou,  &F::snd_sentou, &F::snd_komauti,
                                    &F::snd_bgm};
  ASSERT_EQ(g.w.calls.size(), 8u);
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(g.w.calls[i].kind, Call::Free);
    EXPECT_EQ(g.w.calls[i].sound, (*g).*order[i]);
  }
  EXPECT_EQ(g.w.calls[7].kind, Call::Terminate);
  EXPECT_EQ(g.w.calls[7].sound, g.w.device);
}

TEST(Module1, NoDeviceWarnsOnceLoadsNothingAndTheGameGoesOn) {
  Game g;
  g.w.device = 0;
  g->Form_Load();
  expect_one_warning(g.w, kNoDevice);
  EXPECT_TRUE(g.w.of(Call::Create).empty());
  for (const Loaded& l : kLoadOrder) EXPECT_EQ((*g).*l.handle, 0) << l.file;
  EXPECT_EQ(g.w.painted_at_cell(5, 9), Picture::SITA_OU) << "the board is drawn";
  g.w.clear();
  g->終了処理();
  EXPECT_TRUE(g.w.of(Call::Terminate).empty()) << "there is no device to close";
}

TEST(Module1, AMissingFileIsSilentAnUnreadableOneTellsWhy) {
  Folder folder;
  fs::copy_file(sound_path("BGM.wav"), folder.path / "BGM.wav");
  fs::create_directory(folder.path / "駒打音.wav");  // there, but no file to read
  Game g;
  g->sound_folder = folder.path.string();
  g->Form_Load();
  expect_one_warning(g.w, std::make_error_code(std::errc::is_a_directory).message());
  for (const Loaded& l : kLoadOrder)
    EXPECT_EQ((*g).*l.handle != 0, l.handle == &F::snd_bgm) << l.file;
}

// ---- The real library --------------------------------------------------------------------------

struct RealLibrary : ::testing::Test {
  void SetUp() override { ASSERT_TRUE(kDummyOutput); }
};

TEST_F(RealLibrary, PresentItPlaysTheSevenAndShutdownFreesThem) {
  DynamicSound sound(LUMINAK_SOUND_LIBRARY);
  Game g;
  g->ds = &sound;
  g->Form_Load();
  EXPECT_TRUE(g.w.messages().empty());
  ASSERT_NE(g->ds_device, 0);
  std::vector<std::int32_t> handles;
  for (const Loaded& l : kLoadOrder) {
    const std::int32_t h = (*g).*l.handle;
    EXPECT_NE(h, 0) << l.file;
    for (std::int32_t other : handles) EXPECT_NE(h, other);
    handles.push_back(h);
    EXPECT_NE(dsPlay(h), 0) << l.file;
  }
  g->BGM_Click();  // on, then off again: nothing to see, but heard
  g->BGM_Click();
  g->終了処理();
  for (std::int32_t h : handles) EXPECT_EQ(dsPlay(h), 0) << "freed";
  EXPECT_EQ(dsTerminate(g->ds_device), 0) << "already closed";
}

TEST_F(RealLibrary, WithoutItTheGameWarnsOnceAndPlaysSilently) {
  Folder folder;
  fs::copy_file(LUMINAK_SOUND_LIBRARY, folder.path / "Vexaルミナーク将棋-old.so");
  const std::string cases[] = {
      (folder.path / DynamicSound::kFileName).string(),  // renamed
      "/nonexistent/Vexaルミナーク将棋.so",              // missing
      "libSDL2-2.0.so.0",                                // a library without its calls
  };
  for (const std::string& path : cases) {
    DynamicSound sound(path);
    Game g;
    g->ds = &sound;
    g->Form_Load();
    expect_one_warning(g.w, kNoDevice);
    for (const Loaded& l : kLoadOrder) EXPECT_EQ((*g).*l.handle, 0) << path;
    g.w.clear();
    g->START_Click();
    g->Form_MouseDown(F::button_hidari, 0, F::cell_x(7.5), F::cell_y(7.5));
    g->Form_MouseDown(F::button_hidari, 0, F::cell_x(7.5), F::cell_y(6.5));
    g->BGM_Click();
    g->終了処理();
    EXPECT_EQ(g->ban[7][6], F::man_hu) << "the game went on";
    EXPECT_EQ(g.w.messages().size(), 1u) << "only the start's own message";
  }
}

}  // namespace

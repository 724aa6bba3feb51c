// --to-kif and --from-kif: a game through the record file and back to KIF unchanged, and the
// refusals with their status and message.
#include <gtest/gtest.h>

#include <sstream>

#include "kifu/kif.h"
#include "kifu/kif_command.h"
#include "support/Records.h"

namespace {

TEST(KifCommand, AGameGoesThroughTheRecordFileAndBackUnchanged) {
  RecordGame g;
  play_eventful_game(g);
  const std::string text = kif::write(*g, {"", "封印の一局", "上の人", "下の人"});
  g.write("game.kifu", kif::as_kifu(text));
  const std::string dir = g.dir.string() + "/";
  std::ostringstream err;
  ASSERT_EQ(kif_command_from_kif(dir + "game.kifu", dir + "game.棋譜", err), 0) << err.str();
  ASSERT_EQ(kif_command_to_kif(dir + "game.棋譜", dir + "back.kifu", err), 0) << err.str();
  ASSERT_EQ(kif_command_to_kif(dir + "game.棋譜", dir + "back.kif", err), 0) << err.str();
  EXPECT_EQ(g.read("back.kifu"), kif::as_kifu(text));
  EXPECT_EQ(g.read("back.kif"), kif::as_kif(text));
  EXPECT_EQ(err.str(), "");
}

TEST(KifCommand, RefusesWhatItCannotConvert) {
  RecordGame g;
  const std::string dir = g.dir.string() + "/";
  g.write("handicap.kif", "手合割：角落ち\n   1 ３四歩(33)\n");
  g.write("text.棋譜", std::string("\x01\x02", 2));
  struct Case {
    int (*command)(const std::string&, const std::string&, std::ostream&);
    const char* in;
    const char* message;
  } cases[] = {
      {kif_command_from_kif, "handicap.kif", "平手でない棋譜は「.棋譜」形式に書き込めません\n"},
      {kif_command_to_kif, "text.棋譜", "棋譜ﾌｧｲﾙではありません (1行目)\n"},
      {kif_command_to_kif, "none.棋譜", "読み込めません: "},
  };
  for (const Case& c : cases) {
    std::ostringstream err;
    EXPECT_EQ(c.command(dir + c.in, dir + "out", err), 1) << c.in;
    EXPECT_EQ(err.str().rfind(c.message, 0), 0u) << err.str();
    EXPECT_FALSE(std::filesystem::exists(g.dir / "out"));
  }
}

}  // namespace

// The clocks: their text, their place, midnight and the timer that keeps them moving.
#include <gtest/gtest.h>

#include <cmath>

#include "support/Game.h"

namespace {

using F = Form1;

struct ScreenClock : ::testing::Test {
  Game g;
  void SetUp() override {
    g->Form_Load();
    g.w.checked[static_cast<int>(Menu::KEIKA)] = true;
    g.w.clear();
  }
  std::vector<Call> texts_at(double column, double row) const {
    return g.w.texts_at_cell(column, row);
  }
  std::vector<std::string> man_faces() const {
    std::vector<std::string> out;
    for (const Call& c : texts_at(13, 9.2)) out.push_back(c.text);
    return out;
  }
  std::vector<std::string> com_faces() const {
    std::vector<std::string> out;
    for (const Call& c : texts_at(-1.6, 9.2)) out.push_back(c.text);
    return out;
  }
};

TEST_F(ScreenClock, TextIsHoursMinutesSecondsInTwoDigits) {
  EXPECT_EQ(g->調査_時間秒追加結果(3725.4f), "01:02:05");
  EXPECT_EQ(g->調査_時間秒追加結果(59), "00:00:59");
  EXPECT_EQ(g->調査_時間秒追加結果(59.99f), "00:00:59");
  EXPECT_EQ(g->調査_時間秒追加結果(0), "00:00:00");
  EXPECT_EQ(g->調査_時間秒追加結果(3600), "01:00:00");
  EXPECT_EQ(g->調査_時間秒追加結果(4000), "01:06:40");
  EXPECT_EQ(g->調査_時間秒追加結果(359999), "99:59:59");
  EXPECT_EQ(g->調査_時間秒追加結果(360000), ":00:00") << "100 hours leave the hours empty";
  EXPECT_EQ(g->変換_数字から文字(0), "00");
  EXPECT_EQ(g->変換_数字から文字(7), "07");
  EXPECT_EQ(g->変換_数字から文字(42), "42");
  EXPECT_EQ(g->変換_数字から文字(100), "");
}

TEST_F(ScreenClock, ElapsedSecondsCountAcrossMidnight) {
  EXPECT_FLOAT_EQ(g->調査_経過秒(86390, 5), 15) << "23:59:50 to 00:00:05";
  EXPECT_FLOAT_EQ(g->調査_経過秒(100, 130.5f), 30.5f);
  EXPECT_FLOAT_EQ(g->調査_経過秒(500, 500), 0);
  EXPECT_FLOAT_EQ(g->調査_経過秒(86399.5f, 0), 0.5f);
  EXPECT_FLOAT_EQ(g->調査_経過秒(0, NAN), 0) << "an unreadable clock counts nothing";
}

TEST_F(ScreenClock, EachSideHasItsPlaceBelowItsHand) {
  g->haikei = F::haikei_take;
  g->jikan_man = 4000;
  g->描画_所有時間(g->man_te, g->jikan_man);
  EXPECT_EQ(g->jikan_man, 4000) << "drawing leaves the stored seconds alone";
  ASSERT_EQ(texts_at(13, 9.2).size(), 1u);
  EXPECT_EQ(texts_at(13, 9.2)[0].text, "01:06:40");
  EXPECT_EQ(texts_at(13, 9.2)[0].colour, F::iro_siro);
  EXPECT_EQ(texts_at(13, 9.2)[0].x2, 12);
  ASSERT_EQ(texts_at(13.1, 9.3).size(), 1u);
  EXPECT_EQ(texts_at(13.1, 9.3)[0].colour, F::iro_kuro);
  EXPECT_EQ(g.w.texts_printed()[0].colour, F::iro_kuro) << "shadow first";
  for (int c = 13; c <= 15; ++c) EXPECT_EQ(g.w.painted_at_cell(c, 9), Picture::HAIKEI_TAKE);
  EXPECT_EQ(g.w.of(Call::Paint).size(), 3u);
  EXPECT_EQ(g.w.calls.back().kind, Call::Box);
  EXPECT_EQ(g.w.last_box_of_cell(1, 9), static_cast<int>(g.w.calls.size()) - 1);

  g.w.clear();
  g->描画_所有時間(g->com_te, 59);
  ASSERT_EQ(texts_at(-1.6, 9.2).size(), 1u);
  EXPECT_EQ(texts_at(-1.6, 9.2)[0].text, "00:00:59");
  ASSERT_EQ(texts_at(-1.5, 9.3).size(), 1u);
  for (int c = -2; c <= 0; ++c) EXPECT_EQ(g.w.painted_at_cell(c, 9), Picture::HAIKEI_TAKE);
  // The tile at column 0 touches board square (1, 9): its outline comes back after it.
  EXPECT_GT(g.w.last_box_of_cell(1, 9), g.w.last_paint_touching(1, 9));

  g.w.clear();
  g->消去_所有時間(g->com_te);
  EXPECT_EQ(g.w.of(Call::Paint).size(), 3u);
  EXPECT_TRUE(g.w.texts_printed().empty());
}

TEST_F(ScreenClock, ElapsedTimeOffDrawsNoClock) {
  g.w.checked[static_cast<int>(Menu::KEIKA)] = false;
  g->描画_所有時間(g->man_te, 4000);
  g->描画_所有時間(g->com_te, 10);
  EXPECT_TRUE(g.w.calls.empty());
  g->画面_再描画();
  EXPECT_TRUE(texts_at(13, 9.2).empty());
  EXPECT_TRUE(texts_at(-1.6, 9.2).empty());
}

TEST_F(ScreenClock, FullRedrawShowsBothClocksAndKeepsTheBoardEdge) {
  g->jikan_com = 75;
  g->jikan_man = 3725.4f;
  g->画面_再描画();
  EXPECT_EQ(com_faces(), std::vector<std::string>{"00:01:15"});
  EXPECT_EQ(man_faces(), std::vector<std::string>{"01:02:05"});
  const int box = g.w.last_box_of_cell(1, 9);
  for (size_t i = box + 1; i < g.w.calls.size(); ++i) {
    const Call& c = g.w.calls[i];
    if (c.kind != Call::Paint) continue;
    EXPECT_FALSE(FakeWindow::same(c.x, F::cell_x(0)) && FakeWindow::same(c.y, F::cell_y(9)))
        << "a tile covers the outline of (1, 9)";
  }
}

struct ScreenClockTimer : ScreenClock {
  // The lower side to move since now, its clock running.
  void start_turn(double at) {
    g.w.now = at;
    g->teban = g->man_te;
    g->kaisi_jikoku = static_cast<Single>(at);
    g->keika_byou_hyouji = 0;
    g.w.timer_on = true;
    g.w.clear();
  }
  // Fires the timer every `step` seconds for `span` seconds.
  void run(double step, double span) {
    const int n = static_cast<int>(std::lround(span / step));
    for (int i = 0; i < n; ++i) {
      g.w.now += step;
      if (g.w.now >= 86400) g.w.now -= 86400;
      g->Timer1_Timer();
    }
  }
};

TEST_F(ScreenClockTimer, RedrawsAtMostOncePerWholeSecond) {
  g->jikan_man = 60;
  start_turn(12 * 3600);
  run(0.05, 3.5);
  EXPECT_EQ(man_faces(), (std::vector<std::string>{"00:01:01", "00:01:02", "00:01:03"}));
  EXPECT_EQ(g.w.of(Call::Refresh).size(), 3u);
  EXPECT_TRUE(com_faces().empty());
  EXPECT_NEAR(g->keika_byou, 3.5, 0.01);
  EXPECT_EQ(g->keika_byou_hyouji, 3);

  // Firing many times within the same second changes nothing on screen.
  g.w.clear();
  for (int i = 0; i < 100; ++i) g->Timer1_Timer();
  EXPECT_TRUE(g.w.calls.empty());

  // A slow timer skips seconds but still draws once per firing at most.
  g.w.clear();
  run(2.5, 5);
  EXPECT_EQ(man_faces(), (std::vector<std::string>{"00:01:06", "00:01:08"}));
  EXPECT_EQ(g->jikan_man, 60) << "the timer never adds to the stored seconds";
}

TEST_F(ScreenClockTimer, RunsTheUpperSidesClockOnItsTurn) {
  g->jikan_com = 3599;
  start_turn(1000);
  g->teban = g->com_te;
  run(0.25, 1.0);
  EXPECT_EQ(com_faces(), std::vector<std::string>{"01:00:00"});
  EXPECT_TRUE(man_faces().empty());
}

TEST_F(ScreenClockTimer, TurnAcrossMidnightKeepsCountingUp) {
  start_turn(86390);
  run(0.5, 15);
  auto faces = man_faces();
  ASSERT_EQ(faces.size(), 15u);
  EXPECT_EQ(faces.front(), "00:00:01");
  EXPECT_EQ(faces.back(), "00:00:15");
  EXPECT_NEAR(g.w.now, 5, 0.01);
  EXPECT_NEAR(g->keika_byou, 15, 0.01);
}

TEST_F(ScreenClockTimer, StaysStillWhenStoppedOrTheGameIsOver) {
  start_turn(500);
  g.w.timer_on = false;
  run(0.5, 3);
  EXPECT_TRUE(g.w.calls.empty());
  EXPECT_EQ(g->keika_byou, 0);

  start_turn(500);
  g->shouri_te = g->man_te;
  run(0.5, 3);
  EXPECT_TRUE(g.w.calls.empty());

  // With the display off the seconds are still counted.
  start_turn(500);
  g->shouri_te = F::te_nasi;
  g.w.checked[static_cast<int>(Menu::KEIKA)] = false;
  run(0.5, 3);
  EXPECT_TRUE(man_faces().empty());
  EXPECT_NEAR(g->keika_byou, 3, 0.01);
}

}  // namespace

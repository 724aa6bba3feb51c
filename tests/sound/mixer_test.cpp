// The mixer on its own: what comes out for what was played.
#include "sound/Mixer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "sound/ds.h"

namespace {

using luminak_sound::Mixer;
constexpr int kRate = 1000;
constexpr std::int32_t kSound = 7;

// A stereo ramp, left 1..n and right -1..-n, in hundredths.
std::vector<float> ramp(int n) {
  std::vector<float> frames;
  for (int i = 1; i <= n; ++i) {
    frames.push_back(i / 100.0f);
    frames.push_back(-i / 100.0f);
  }
  return frames;
}

struct MixerTest : ::testing::Test {
  Mixer m{kRate};
  std::vector<float> mix(int frames) {
    std::vector<float> out(static_cast<std::size_t>(frames) * 2, 99.0f);
    m.mix(out.data(), frames);
    return out;
  }
  static float left(const std::vector<float>& out, int frame) { return out[frame * 2u]; }
  static float right(const std::vector<float>& out, int frame) { return out[frame * 2u + 1]; }
};

TEST_F(MixerTest, APlayGivesTheSoundOnceThenSilence) {
  m.add(kSound, ramp(4), kRate, 1);
  EXPECT_EQ(m.play(kSound, false), 1);
  auto out = mix(6);
  for (int f = 0; f < 4; ++f) {
    EXPECT_FLOAT_EQ(left(out, f), (f + 1) / 100.0f);
    EXPECT_FLOAT_EQ(right(out, f), -(f + 1) / 100.0f);
  }
  EXPECT_EQ(left(out, 4), 0.0f);
  EXPECT_EQ(left(out, 5), 0.0f);
  EXPECT_EQ(m.sounding(kSound), 0);
}

TEST_F(MixerTest, ALoopRepeatsWithoutAGapAcrossCalls) {
  m.add(kSound, ramp(3), kRate, 1);
  m.play(kSound, true);
  std::vector<float> heard;
  for (int call = 0; call < 4; ++call) {  // periods that do not line up with the sound
    auto out = mix(2);
    for (int f = 0; f < 2; ++f) heard.push_back(left(out, f));
  }
  const float expected[] = {0.01f, 0.02f, 0.03f, 0.01f, 0.02f, 0.03f, 0.01f, 0.02f};
  for (int f = 0; f < 8; ++f) EXPECT_FLOAT_EQ(heard[f], expected[f]) << f;
  EXPECT_EQ(m.sounding(kSound), 1);
  m.stop(kSound);
  auto out = mix(2);
  EXPECT_EQ(left(out, 0), 0.0f);
}

TEST_F(MixerTest, CopiesSoundTogetherAndTheOldestIsRestartedBeyondTheCount) {
  m.add(kSound, ramp(10), kRate, 3);
  EXPECT_EQ(m.play(kSound, false), 1);
  mix(1);
  EXPECT_EQ(m.play(kSound, false), 2);
  mix(1);
  EXPECT_EQ(m.play(kSound, false), 3);
  EXPECT_EQ(m.sounding(kSound), 3);
  // Copies two frames, one frame and no frame in: 0.03 + 0.02 + 0.01.
  EXPECT_NEAR(left(mix(1), 0), 0.06f, 1e-6);
  EXPECT_EQ(m.play(kSound, false), 1) << "the fourth play takes the oldest copy";
  EXPECT_EQ(m.sounding(kSound), 3);
  EXPECT_NEAR(left(mix(1), 0), 0.01f + 0.03f + 0.02f, 1e-6);
  EXPECT_EQ(m.play(kSound, false), 2);
}

TEST_F(MixerTest, UnknownAndRemovedSoundsDoNothing) {
  for (std::int32_t h : {0, kSound}) {
    EXPECT_EQ(m.play(h, false), 0);
    EXPECT_FALSE(m.stop(h));
    EXPECT_FALSE(m.set_volume(h, DS_VOLUME_FULL));
  }
  m.add(kSound, ramp(4), kRate, 1);
  m.play(kSound, true);
  EXPECT_TRUE(m.remove(kSound));
  EXPECT_FALSE(m.remove(kSound));
  EXPECT_EQ(m.play(kSound, false), 0);
  EXPECT_EQ(left(mix(1), 0), 0.0f) << "a removed sound stops sounding";
}

TEST_F(MixerTest, VolumeAndPanAreDecibelsOffEachSide) {
  m.add(kSound, std::vector<float>{0.5f, 0.5f}, kRate, 1);
  struct {
    std::int32_t volume, pan;
    float left, right;
  } cases[] = {
      {DS_VOLUME_FULL, DS_PAN_CENTRE, 0.5f, 0.5f},
      {-600, DS_PAN_CENTRE, 0.5f * std::pow(10.0f, -0.3f), 0.5f * std::pow(10.0f, -0.3f)},
      {DS_VOLUME_FULL, DS_PAN_RIGHT, 0.0f, 0.5f},
      {DS_VOLUME_FULL, -2000, 0.5f, 0.05f},
      {DS_VOLUME_SILENT, DS_PAN_CENTRE, 0.0f, 0.0f},
      {DS_VOLUME_FULL + 500, DS_PAN_LEFT - 500, 0.5f, 0.0f},  // clamped
  };
  for (auto& c : cases) {
    m.set_volume(kSound, c.volume);
    m.set_pan(kSound, c.pan);
    m.play(kSound, false);
    auto out = mix(1);
    EXPECT_NEAR(left(out, 0), c.left, 1e-6) << c.volume << " " << c.pan;
    EXPECT_NEAR(right(out, 0), c.right, 1e-6) << c.volume << " " << c.pan;
  }
}

TEST_F(MixerTest, RateAndFrequencySetHowFastTheSoundIsRead) {
  struct {
    int source_rate;
    std::int32_t frequency;
    int frames;  // how long one play lasts
  } cases[] = {{kRate, DS_FREQUENCY_ORIGINAL, 8},
               {kRate / 2, DS_FREQUENCY_ORIGINAL, 16},
               {kRate, 2 * kRate, 4},
               {kRate, 4 * kRate, 2}};
  for (auto& c : cases) {
    m.add(kSound, ramp(8), c.source_rate, 1);
    m.set_frequency(kSound, c.frequency);
    m.play(kSound, false);
    mix(c.frames - 1);
    EXPECT_EQ(m.sounding(kSound), 1) << c.source_rate << " " << c.frequency;
    mix(1);
    EXPECT_EQ(m.sounding(kSound), 0) << c.source_rate << " " << c.frequency;
  }
  // Half speed passes through every sample and lands between them.
  m.add(kSound, ramp(8), kRate / 2, 1);
  m.play(kSound, false);
  auto out = mix(3);
  EXPECT_FLOAT_EQ(left(out, 0), 0.01f);
  EXPECT_FLOAT_EQ(left(out, 2), 0.02f);
  EXPECT_GT(left(out, 1), 0.01f);
  EXPECT_LT(left(out, 1), 0.02f);
}

TEST_F(MixerTest, ALoudSumIsBentBelowFullScaleAndAQuietOneLeftAlone) {
  m.add(kSound, std::vector<float>{0.7f, -0.7f, 0.4f, -0.4f}, kRate, 2);
  m.play(kSound, false);
  m.play(kSound, false);
  auto out = mix(2);
  EXPECT_GT(left(out, 0), 0.9f);
  EXPECT_LT(left(out, 0), 1.0f);
  EXPECT_EQ(right(out, 0), -left(out, 0));
  EXPECT_FLOAT_EQ(left(out, 1), 0.8f) << "up to the knee nothing changes";
  m.play(kSound, false);
  m.play(kSound, false);
  const float loud = left(mix(1), 0);
  m.add(kSound, std::vector<float>{0.75f, 0.75f}, kRate, 2);
  m.play(kSound, false);
  m.play(kSound, false);
  EXPECT_GT(left(mix(1), 0), loud) << "louder stays louder";
}

}  // namespace

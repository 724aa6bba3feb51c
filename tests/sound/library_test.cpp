// The sound library through its C calls, on SDL's dummy output.
#include <gtest/gtest.h>
#include <signal.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "sound/ds.h"
#include "support/SoundTest.h"

namespace {

constexpr int kRate = 22050;

struct Library : ::testing::Test {
  int32_t device = 0;
  void SetUp() override {
    ASSERT_TRUE(kDummyOutput);
    device = dsInitialize(0);
    ASSERT_NE(device, 0) << "the dummy output opens";
  }
  void TearDown() override { dsTerminate(device); }
  int32_t create(const std::string& bytes, int32_t count) {
    return dsCreateDSB(device, bytes.data(), static_cast<int32_t>(bytes.size()), count);
  }
};

TEST_F(Library, EveryGameSoundGivesABufferThatPlaysLoopsAndStops) {
  std::vector<int32_t> buffers;
  for (const char* name : kSoundFiles) {
    const int32_t b = create(read_file(sound_path(name)), 1);
    ASSERT_NE(b, 0) << name;
    for (int32_t other : buffers) EXPECT_NE(b, other);
    buffers.push_back(b);
    EXPECT_EQ(dsPlay(b), 1) << name;
    EXPECT_EQ(dsStop(b), 1);
    EXPECT_EQ(dsPlayLooping(b), 1);
    EXPECT_EQ(dsStop(b), 1);
  }
  for (int32_t b : buffers) EXPECT_EQ(dsFree(b), 1);
}

TEST_F(Library, OpeningADeviceLeavesTheProgramsSignalsAlone) {
  dsTerminate(device);
  struct sigaction before[2] = {}, after = {};
  const int signals[] = {SIGINT, SIGTERM};
  for (int i : {0, 1}) sigaction(signals[i], nullptr, &before[i]);
  device = dsInitialize(0);
  ASSERT_NE(device, 0);
  for (int i : {0, 1}) {
    sigaction(signals[i], nullptr, &after);
    EXPECT_EQ(after.sa_handler, before[i].sa_handler) << strsignal(signals[i]);
  }
}

TEST_F(Library, HandleZeroAndFreedHandlesDoNothing) {
  const int32_t b = create(wav_bytes(kRate, 100), 3);
  ASSERT_NE(b, 0);
  ASSERT_EQ(dsFree(b), 1);
  for (int32_t h : {0, b, b + 1000}) {
    EXPECT_EQ(dsPlay(h), 0) << h;
    EXPECT_EQ(dsPlayLooping(h), 0) << h;
    EXPECT_EQ(dsPlayPan(h, DS_PAN_LEFT), 0) << h;
    EXPECT_EQ(dsPlayEx(h, DS_VOLUME_FULL, DS_PAN_CENTRE, kRate), 0) << h;
    EXPECT_EQ(dsPlayLoopingEx(h, DS_VOLUME_FULL, DS_PAN_CENTRE, kRate), 0) << h;
    EXPECT_EQ(dsStop(h), 0) << h;
    EXPECT_EQ(dsSetVolume(h, DS_VOLUME_FULL), 0) << h;
    EXPECT_EQ(dsSetPan(h, DS_PAN_CENTRE), 0) << h;
    EXPECT_EQ(dsSetFrequency(h, kRate), 0) << h;
    EXPECT_EQ(dsFree(h), 0) << h;
  }
  EXPECT_EQ(dsTerminate(0), 0);
  EXPECT_NE(create(wav_bytes(kRate, 100), 1), 0) << "the device still works";
}

TEST_F(Library, TheCountLimitsCopiesAndTheOldestRestarts) {
  const int32_t b = create(wav_bytes(kRate, 10 * kRate), 3);  // ten seconds: nothing ends
  ASSERT_NE(b, 0);
  EXPECT_EQ(dsPlay(b), 1);
  EXPECT_EQ(dsPlay(b), 2);
  EXPECT_EQ(dsPlayEx(b, -300, DS_PAN_RIGHT, kRate * 2), 3);
  EXPECT_EQ(dsPlay(b), 1);
  EXPECT_EQ(dsPlayPan(b, DS_PAN_LEFT), 2);
  EXPECT_EQ(dsStop(b), 1);
  EXPECT_EQ(dsPlay(b), 1) << "stopped copies are free again";
  const int32_t music = create(wav_bytes(kRate, 10 * kRate), 1);
  EXPECT_EQ(dsPlayLooping(music), 1);
  EXPECT_EQ(dsPlayLoopingEx(music, DS_VOLUME_FULL, DS_PAN_CENTRE, DS_FREQUENCY_ORIGINAL), 1);
  for (int32_t h : {b, music}) {
    EXPECT_EQ(dsSetVolume(h, -1000), 1);
    EXPECT_EQ(dsSetPan(h, 500), 1);
    EXPECT_EQ(dsSetFrequency(h, 30000), 1);
  }
}

TEST_F(Library, BytesThatAreNotAWavGiveNoBuffer) {
  const std::string wav = wav_bytes(kRate, 1000);
  const std::string cases[] = {"", "not a sound at all", read_file(__FILE__), wav.substr(0, 20)};
  for (const std::string& bytes : cases) EXPECT_EQ(create(bytes, 3), 0) << bytes.size();
  EXPECT_EQ(dsCreateDSB(device, nullptr, 100, 1), 0);
  EXPECT_EQ(dsCreateDSB(device + 1000, wav.data(), static_cast<int32_t>(wav.size()), 1), 0)
      << "unknown device";
  // A file cut short says it holds more than it does: what is there is read, and no more.
  const int32_t cut = create(wav.substr(0, wav.size() / 2), 1);
  ASSERT_NE(cut, 0);
  EXPECT_EQ(dsPlay(cut), 1);
}

TEST_F(Library, FilesShippedWithTheLibraryAreFoundBesideIt) {
  EXPECT_NE(dsCreateResDSB(device, sound_path("BGM.wav").c_str(), 1), 0);
  const auto beside = std::filesystem::path(LUMINAK_SOUND_LIBRARY).parent_path();
  const auto relative = std::filesystem::relative(sound_path("禁止.wav"), beside);
  EXPECT_NE(dsCreateResDSB(device, relative.c_str(), 3), 0) << relative;
  EXPECT_EQ(dsCreateResDSB(device, "no such sound.wav", 1), 0);
  EXPECT_EQ(dsCreateResDSB(device, nullptr, 1), 0);
}

TEST_F(Library, TerminatingFreesTheDevicesBuffers) {
  const int32_t b = create(wav_bytes(kRate, 100), 1);
  ASSERT_NE(b, 0);
  dsPlayLooping(b);
  EXPECT_EQ(dsTerminate(device), 1);
  EXPECT_EQ(dsPlay(b), 0);
  EXPECT_EQ(dsTerminate(device), 0) << "once only";
  device = dsInitialize(0);
  EXPECT_NE(device, 0) << "and it opens again";
}

}  // namespace

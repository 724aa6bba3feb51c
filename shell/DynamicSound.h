// The game's own sound library, loaded at run time from its file and reached through the
// names it exports. Nothing is loaded until dsInitialize; if the file is missing, lacks one of
// the calls or opens no audio device, dsInitialize gives 0 and every other call does nothing.
#pragma once

#include <string>
#include <utility>

#include "shell/Sound.h"
#include "sound/ds.h"

class DynamicSound final : public SoundLibrary {
 public:
  // The library's file name; the game keeps it beside its executable.
  static constexpr const char* kFileName = "Vexaルミナーク将棋.so";

  explicit DynamicSound(std::string path) : path_(std::move(path)) {}
  ~DynamicSound() override;
  DynamicSound(const DynamicSound&) = delete;
  DynamicSound& operator=(const DynamicSound&) = delete;

  std::int32_t dsInitialize(std::int32_t window) override;
  std::int32_t dsTerminate(std::int32_t device) override;
  std::int32_t dsCreateDSB(std::int32_t device, const void* wav, std::int32_t length,
                           std::int32_t count) override;
  std::int32_t dsFree(std::int32_t buffer) override;
  std::int32_t dsPlay(std::int32_t buffer) override;
  std::int32_t dsPlayLooping(std::int32_t buffer) override;
  std::int32_t dsStop(std::int32_t buffer) override;

 private:
  bool load();

  std::string path_;
  void* library_ = nullptr;
  decltype(&::dsInitialize) initialize_ = nullptr;
  decltype(&::dsTerminate) terminate_ = nullptr;
  decltype(&::dsCreateDSB) create_ = nullptr;
  decltype(&::dsFree) free_ = nullptr;
  decltype(&::dsPlay) play_ = nullptr;
  decltype(&::dsPlayLooping) play_looping_ = nullptr;
  decltype(&::dsStop) stop_ = nullptr;
};

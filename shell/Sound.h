// The sound library's calls that the game makes with the handles it loaded.
// A handle of 0 means "none"; every call must accept it and do nothing.
#pragma once

#include <cstdint>

class SoundLibrary {
 public:
  virtual ~SoundLibrary() = default;
  virtual void dsPlay(std::int32_t buffer) = 0;
  virtual void dsPlayLooping(std::int32_t buffer) = 0;
  virtual void dsStop(std::int32_t buffer) = 0;
  virtual void dsFree(std::int32_t buffer) = 0;
};

// Used until a sound library has been loaded: the game runs silently.
class SilentSound final : public SoundLibrary {
 public:
  void dsPlay(std::int32_t) override {}
  void dsPlayLooping(std::int32_t) override {}
  void dsStop(std::int32_t) override {}
  void dsFree(std::int32_t) override {}
};

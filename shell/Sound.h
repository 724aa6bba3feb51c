// The sound library as the game calls it, with the handles it hands out. A handle of 0 means
// "none"; every call must accept it and do nothing. Results are 0 when nothing was done.
#pragma once

#include <cstdint>
#include <string>

class SoundLibrary {
 public:
  virtual ~SoundLibrary() = default;
  // Device handle, 0 when no audio output can be opened.
  virtual std::int32_t dsInitialize(std::int32_t window) = 0;
  virtual std::int32_t dsTerminate(std::int32_t device) = 0;
  // A buffer for the bytes of a WAV file, of which `count` copies may sound at once; 0 when
  // the bytes are not a sound.
  virtual std::int32_t dsCreateDSB(std::int32_t device, const void* wav, std::int32_t length,
                                   std::int32_t count) = 0;
  virtual std::int32_t dsFree(std::int32_t buffer) = 0;
  virtual std::int32_t dsPlay(std::int32_t buffer) = 0;
  virtual std::int32_t dsPlayLooping(std::int32_t buffer) = 0;
  virtual std::int32_t dsStop(std::int32_t buffer) = 0;
};

// Used until a sound library has been given: a device that makes no buffers, so the game
// runs silently and without a warning.
class SilentSound final : public SoundLibrary {
 public:
  static constexpr std::int32_t kDevice = 1;
  std::int32_t dsInitialize(std::int32_t) override { return kDevice; }
  std::int32_t dsTerminate(std::int32_t) override { return 0; }
  std::int32_t dsCreateDSB(std::int32_t, const void*, std::int32_t, std::int32_t) override {
    return 0;
  }
  std::int32_t dsFree(std::int32_t) override { return 0; }
  std::int32_t dsPlay(std::int32_t) override { return 0; }
  std::int32_t dsPlayLooping(std::int32_t) override { return 0; }
  std::int32_t dsStop(std::int32_t) override { return 0; }
};

// The game's side of the sound library (Module1): its device, where the WAV files are, and the
// handle of each sound loaded at start-up.
struct SoundHandles {
  std::int32_t ds_device = 0;
  std::string sound_folder;         // the front end puts it beside the game
  std::int32_t snd_kinsi = 0;       // 禁止.wav: a refused action
  std::int32_t snd_sonota = 0;      // その他.wav
  std::int32_t snd_bgm = 0;         // BGM.wav: the music
  std::int32_t snd_komauti = 0;     // 駒打音.wav: a piece is placed
  std::int32_t snd_kanasibari = 0;  // 金縛.wav: a piece is sealed
  std::int32_t snd_mahou = 0;       // 魔法.wav: the spell
  std::int32_t snd_sentou = 0;      // 戦闘.wav: the battle music
};

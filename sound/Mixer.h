// Mixes any number of sounds into one stereo stream. Each sound has a fixed number of copies
// that may sound at once, its own volume, pan and playback rate. Sounds are kept at their own
// rate and resampled while mixing, so a looping sound wraps without a seam at any rate.
// Not thread-safe: the library holds the device's lock around every call.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

namespace luminak_sound {

class Mixer {
 public:
  static constexpr int kChannels = 2;

  // rate: frames a second of the stream mix() writes.
  explicit Mixer(int rate) : rate_(rate) {}

  // A sound: interleaved stereo frames at source_rate, of which up to `copies` may sound at
  // once. Replaces a sound of the same handle.
  void add(std::int32_t handle, std::vector<float> frames, int source_rate, int copies);
  bool remove(std::int32_t handle);
  bool has(std::int32_t handle) const { return sounds_.count(handle) != 0; }

  // Starts a free copy from the start, or restarts the one started longest ago. Returns the
  // copy's number from 1, or 0 for an unknown handle.
  int play(std::int32_t handle, bool loop);
  bool stop(std::int32_t handle);
  // How many copies of the sound are sounding.
  int sounding(std::int32_t handle) const;

  // Hundredths of a decibel, as in ds.h; out-of-range values are clamped.
  bool set_volume(std::int32_t handle, std::int32_t volume);
  bool set_pan(std::int32_t handle, std::int32_t pan);
  // Frames a second to play the sound at; 0 for its own rate.
  bool set_frequency(std::int32_t handle, std::int32_t frequency);

  // Writes `frames` stereo frames (interleaved): the sum of every sounding copy, bent softly
  // below full scale where it comes near.
  void mix(float* out, int frames);

 private:
  struct Copy {
    bool on = false;
    bool loop = false;
    double pos = 0;  // frames into the sound
    std::uint64_t started = 0;
  };
  struct Sound {
    std::vector<float> frames;
    int rate = 0;
    std::vector<Copy> copies;
    std::int32_t volume = 0, pan = 0, frequency = 0;
    float gain_left = 1, gain_right = 1;
    double step = 1;  // source frames a stream frame
  };
  Sound* find(std::int32_t handle);
  void update(Sound& s) const;
  static void mix_copy(const Sound& s, Copy& c, float* out, int frames);

  int rate_;
  std::uint64_t serial_ = 0;
  std::map<std::int32_t, Sound> sounds_;
};

}  // namespace luminak_sound

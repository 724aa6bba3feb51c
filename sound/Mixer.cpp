#include "sound/Mixer.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "sound/ds.h"

namespace luminak_sound {

namespace {

constexpr double kHundredthsPerDecade = 2000;  // hundredths of a decibel in a factor of ten

float gain_of(std::int32_t hundredths) {
  if (hundredths <= DS_VOLUME_SILENT) return 0;
  return static_cast<float>(std::pow(10.0, hundredths / kHundredthsPerDecade));
}

// Above the knee the sum bends smoothly towards full scale instead of being cut off, so that an
// effect over the music does not crackle.
constexpr float kKnee = 0.8f;
float limit(float x) {
  const float over = std::fabs(x) - kKnee;
  if (over <= 0) return x;
  return std::copysign(kKnee + (1 - kKnee) * std::tanh(over / (1 - kKnee)), x);
}

// Catmull-Rom through four neighbouring samples; exact at t = 0.
float cubic(float xm1, float x0, float x1, float x2, float t) {
  return x0 +
         0.5f * t *
             (x1 - xm1 + t * (2 * xm1 - 5 * x0 + 4 * x1 - x2 + t * (3 * (x0 - x1) + x2 - xm1)));
}

}  // namespace

void Mixer::add(std::int32_t handle, std::vector<float> frames, int source_rate, int copies) {
  Sound s;
  s.frames = std::move(frames);
  s.rate = source_rate;
  s.copies.resize(static_cast<std::size_t>(std::max(copies, 1)));
  update(s);
  sounds_[handle] = std::move(s);
}

bool Mixer::remove(std::int32_t handle) {
  return sounds_.erase(handle) != 0;
}

Mixer::Sound* Mixer::find(std::int32_t handle) {
  auto it = sounds_.find(handle);
  return it == sounds_.end() ? nullptr : &it->second;
}

int Mixer::play(std::int32_t handle, bool loop) {
  Sound* s = find(handle);
  if (s == nullptr) return 0;
  auto free_copy =
      std::find_if(s->copies.begin(), s->copies.end(), [](const Copy& c) { return !c.on; });
  auto chosen =
      free_copy != s->copies.end()
          ? free_copy
          : std::min_element(s->copies.begin(), s->copies.end(),
                             [](const Copy& a, const Copy& b) { return a.started < b.started; });
  *chosen = Copy{true, loop, 0, ++serial_};
  return static_cast<int>(chosen - s->copies.begin()) + 1;
}

bool Mixer::stop(std::int32_t handle) {
  Sound* s = find(handle);
  if (s == nullptr) return false;
  for (Copy& c : s->copies) c.on = false;
  return true;
}

int Mixer::sounding(std::int32_t handle) const {
  auto it = sounds_.find(handle);
  if (it == sounds_.end()) return 0;
  return static_cast<int>(std::count_if(it->second.copies.begin(), it->second.copies.end(),
                                        [](const Copy& c) { return c.on; }));
}

bool Mixer::set_volume(std::int32_t handle, std::int32_t volume) {
  Sound* s = find(handle);
  if (s == nullptr) return false;
  s->volume = std::clamp(volume, DS_VOLUME_SILENT, DS_VOLUME_FULL);
  update(*s);
  return true;
}

bool Mixer::set_pan(std::int32_t handle, std::int32_t pan) {
  Sound* s = find(handle);
  if (s == nullptr) return false;
  s->pan = std::clamp(pan, DS_PAN_LEFT, DS_PAN_RIGHT);
  update(*s);
  return true;
}

bool Mixer::set_frequency(std::int32_t handle, std::int32_t frequency) {
  Sound* s = find(handle);
  if (s == nullptr) return false;
  s->frequency = frequency == DS_FREQUENCY_ORIGINAL
                     ? DS_FREQUENCY_ORIGINAL
                     : std::clamp(frequency, DS_FREQUENCY_MIN, DS_FREQUENCY_MAX);
  update(*s);
  return true;
}

// Gains and step from the sound's volume, pan and frequency.
void Mixer::update(Sound& s) const {
  const float gain = gain_of(s.volume);
  s.gain_left = gain * (s.pan > DS_PAN_CENTRE ? gain_of(-s.pan) : 1.0f);
  s.gain_right = gain * (s.pan < DS_PAN_CENTRE ? gain_of(s.pan) : 1.0f);
  const int played_at = s.frequency == DS_FREQUENCY_ORIGINAL ? s.rate : s.frequency;
  s.step = static_cast<double>(played_at) / rate_;
}

void Mixer::mix(float* out, int frames) {
  std::fill(out, out + static_cast<std::ptrdiff_t>(frames) * kChannels, 0.0f);
  for (auto& [handle, s] : sounds_)
    for (Copy& c : s.copies)
      if (c.on) mix_copy(s, c, out, frames);
  for (float* p = out; p != out + static_cast<std::ptrdiff_t>(frames) * kChannels; ++p)
    *p = limit(*p);
}

void Mixer::mix_copy(const Sound& s, Copy& c, float* out, int frames) {
  const auto n = static_cast<std::int64_t>(s.frames.size() / kChannels);
  if (n == 0) {
    c.on = false;
    return;
  }
  // A looping copy reads round the end into the start; a single play reads silence there.
  auto sample = [&](std::int64_t i, int ch) {
    if (c.loop) {
      i %= n;
      if (i < 0) i += n;
    } else if (i < 0 || i >= n) {
      return 0.0f;
    }
    return s.frames[static_cast<std::size_t>(i * kChannels + ch)];
  };
  const float gains[kChannels] = {s.gain_left, s.gain_right};
  for (int f = 0; f < frames; ++f) {
    const auto i = static_cast<std::int64_t>(c.pos);
    const auto t = static_cast<float>(c.pos - static_cast<double>(i));
    for (int ch = 0; ch < kChannels; ++ch)
      out[f * kChannels + ch] += gains[ch] * cubic(sample(i - 1, ch), sample(i, ch),
                                                   sample(i + 1, ch), sample(i + 2, ch), t);
    c.pos += s.step;
    if (c.pos >= static_cast<double>(n)) {
      if (!c.loop) {
        c.on = false;
        return;
      }
      c.pos = std::fmod(c.pos, static_cast<double>(n));
    }
  }
}

}  // namespace luminak_sound

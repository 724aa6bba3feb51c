// The library's calls: devices opened with SDL, each with a mixer fed from SDL's audio thread.
// Handles are never reused, so a freed handle stays unknown.
#include <SDL.h>
#include <dlfcn.h>

#include <algorithm>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "sound/Mixer.h"
#include "sound/Wav.h"
#include "sound/ds.h"

namespace {

using luminak_sound::Mixer;

constexpr int kWantedRate = 44100;
constexpr Uint16 kPeriodFrames = 1024;  // about 23 ms a period at 44.1 kHz
constexpr std::int32_t kMostCopies = 32;

struct Device {
  SDL_AudioDeviceID id = 0;
  std::unique_ptr<Mixer> mixer;
};

// Everything the calls share. The mutex guards the maps; a device's mixer is also used by its
// audio thread and is changed only under the device's lock.
struct Library {
  std::mutex mutex;
  std::int32_t last_handle = 0;
  std::map<std::int32_t, std::unique_ptr<Device>> devices;
  std::map<std::int32_t, Device*> buffers;  // buffer -> its device

  std::int32_t next_handle() { return ++last_handle; }
  Device* device(std::int32_t handle) {
    auto it = devices.find(handle);
    return it == devices.end() ? nullptr : it->second.get();
  }
  Device* device_of_buffer(std::int32_t buffer) {
    auto it = buffers.find(buffer);
    return it == buffers.end() ? nullptr : it->second;
  }
  void close(std::map<std::int32_t, std::unique_ptr<Device>>::iterator it) {
    SDL_CloseAudioDevice(it->second->id);  // waits for the audio thread to finish
    std::erase_if(buffers, [&](const auto& b) { return b.second == it->second.get(); });
    devices.erase(it);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }
};

Library& library() {
  static Library* lib = new Library;  // outlives every device; the unload hook closes them
  return *lib;
}

void fill(void* userdata, Uint8* stream, int bytes) {
  static_cast<Device*>(userdata)->mixer->mix(
      reinterpret_cast<float*>(stream), bytes / static_cast<int>(sizeof(float) * Mixer::kChannels));
}

// Runs `change` on the buffer's mixer under the device's lock; its result, or 0 when the
// buffer is unknown.
template <typename Change>
std::int32_t with_buffer(std::int32_t buffer, Change change) {
  Library& lib = library();
  std::lock_guard guard(lib.mutex);
  Device* d = lib.device_of_buffer(buffer);
  if (d == nullptr) return 0;
  SDL_LockAudioDevice(d->id);
  const std::int32_t result = change(*d->mixer);
  SDL_UnlockAudioDevice(d->id);
  return result;
}

std::int32_t create(std::int32_t device, SDL_RWops* source, std::int32_t count) {
  Library& lib = library();
  std::lock_guard guard(lib.mutex);
  Device* d = lib.device(device);
  if (d == nullptr) {
    if (source != nullptr) SDL_RWclose(source);
    return 0;
  }
  auto decoded = luminak_sound::decode_wav(source);
  if (!decoded) return 0;
  const std::int32_t handle = lib.next_handle();
  SDL_LockAudioDevice(d->id);
  d->mixer->add(handle, std::move(decoded->frames), decoded->rate,
                std::clamp(count, std::int32_t{1}, kMostCopies));
  SDL_UnlockAudioDevice(d->id);
  lib.buffers[handle] = d;
  return handle;
}

std::int32_t play(std::int32_t buffer, bool loop, std::int32_t volume, std::int32_t pan,
                  std::int32_t frequency) {
  return with_buffer(buffer, [&](Mixer& m) {
    m.set_volume(buffer, volume);
    m.set_pan(buffer, pan);
    m.set_frequency(buffer, frequency);
    return m.play(buffer, loop);
  });
}

// The folder this library was loaded from, with a trailing slash.
std::string own_folder() {
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&dsCreateResDSB), &info) == 0 || info.dli_fname == nullptr)
    return {};
  std::string path = info.dli_fname;
  return path.substr(0, path.find_last_of('/') + 1);
}

// Closes what is still open when the library is unloaded, before SDL goes.
__attribute__((destructor)) void close_all() {
  Library& lib = library();
  std::lock_guard guard(lib.mutex);
  while (!lib.devices.empty()) lib.close(lib.devices.begin());
}

}  // namespace

extern "C" {

int32_t dsInitialize(int32_t) {
  Library& lib = library();
  std::lock_guard guard(lib.mutex);
  // SDL's audio brings its event queue, which would take SIGINT and SIGTERM for a quit event
  // that no one reads: the program keeps its signals.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return 0;
  auto d = std::make_unique<Device>();
  SDL_AudioSpec want{}, got{};
  want.freq = kWantedRate;
  want.format = AUDIO_F32SYS;
  want.channels = Mixer::kChannels;
  want.samples = kPeriodFrames;
  want.callback = fill;
  want.userdata = d.get();
  d->id = SDL_OpenAudioDevice(nullptr, 0, &want, &got, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE);
  if (d->id == 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return 0;
  }
  d->mixer = std::make_unique<Mixer>(got.freq);
  SDL_PauseAudioDevice(d->id, 0);
  const std::int32_t handle = lib.next_handle();
  lib.devices[handle] = std::move(d);
  return handle;
}

int32_t dsTerminate(int32_t device) {
  Library& lib = library();
  std::lock_guard guard(lib.mutex);
  auto it = lib.devices.find(device);
  if (it == lib.devices.end()) return 0;
  lib.close(it);
  return 1;
}

int32_t dsCreateDSB(int32_t device, const void* wav, int32_t length, int32_t count) {
  if (wav == nullptr || length <= 0) return 0;
  return create(device, SDL_RWFromConstMem(wav, length), count);
}

int32_t dsCreateResDSB(int32_t device, const char* resource, int32_t count) {
  if (resource == nullptr || *resource == '\0') return 0;
  const std::string path = resource[0] == '/' ? resource : own_folder() + resource;
  return create(device, SDL_RWFromFile(path.c_str(), "rb"), count);
}

int32_t dsFree(int32_t buffer) {
  Library& lib = library();
  std::lock_guard guard(lib.mutex);
  Device* d = lib.device_of_buffer(buffer);
  if (d == nullptr) return 0;
  SDL_LockAudioDevice(d->id);
  d->mixer->remove(buffer);
  SDL_UnlockAudioDevice(d->id);
  lib.buffers.erase(buffer);
  return 1;
}

int32_t dsPlay(int32_t buffer) {
  return with_buffer(buffer, [&](Mixer& m) { return m.play(buffer, false); });
}

int32_t dsPlayPan(int32_t buffer, int32_t pan) {
  return with_buffer(buffer, [&](Mixer& m) {
    m.set_pan(buffer, pan);
    return m.play(buffer, false);
  });
}

int32_t dsPlayEx(int32_t buffer, int32_t volume, int32_t pan, int32_t frequency) {
  return play(buffer, false, volume, pan, frequency);
}

int32_t dsPlayLooping(int32_t buffer) {
  return with_buffer(buffer, [&](Mixer& m) { return m.play(buffer, true); });
}

int32_t dsPlayLoopingEx(int32_t buffer, int32_t volume, int32_t pan, int32_t frequency) {
  return play(buffer, true, volume, pan, frequency);
}

int32_t dsStop(int32_t buffer) {
  return with_buffer(buffer, [&](Mixer& m) { return m.stop(buffer) ? 1 : 0; });
}

int32_t dsSetVolume(int32_t buffer, int32_t volume) {
  return with_buffer(buffer, [&](Mixer& m) { return m.set_volume(buffer, volume) ? 1 : 0; });
}

int32_t dsSetPan(int32_t buffer, int32_t pan) {
  return with_buffer(buffer, [&](Mixer& m) { return m.set_pan(buffer, pan) ? 1 : 0; });
}

int32_t dsSetFrequency(int32_t buffer, int32_t frequency) {
  return with_buffer(buffer, [&](Mixer& m) { return m.set_frequency(buffer, frequency) ? 1 : 0; });
}

}  // extern "C"

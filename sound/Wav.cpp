#include "sound/Wav.h"

#include <memory>

#include "sound/Mixer.h"

namespace luminak_sound {

std::optional<Decoded> decode_wav(SDL_RWops* source) {
  if (source == nullptr) return std::nullopt;
  SDL_AudioSpec format;
  Uint8* data = nullptr;
  Uint32 length = 0;
  if (SDL_LoadWAV_RW(source, 1, &format, &data, &length) == nullptr) return std::nullopt;
  std::unique_ptr<Uint8, decltype(&SDL_FreeWAV)> wav(data, &SDL_FreeWAV);

  // Same rate, the mixer's sample format and channels.
  std::unique_ptr<SDL_AudioStream, decltype(&SDL_FreeAudioStream)> stream(
      SDL_NewAudioStream(format.format, format.channels, format.freq, AUDIO_F32SYS,
                         Mixer::kChannels, format.freq),
      &SDL_FreeAudioStream);
  if (!stream || SDL_AudioStreamPut(stream.get(), wav.get(), static_cast<int>(length)) != 0 ||
      SDL_AudioStreamFlush(stream.get()) != 0)
    return std::nullopt;
  Decoded out;
  out.rate = format.freq;
  out.frames.resize(static_cast<std::size_t>(SDL_AudioStreamAvailable(stream.get())) /
                    sizeof(float));
  const int bytes = static_cast<int>(out.frames.size() * sizeof(float));
  if (SDL_AudioStreamGet(stream.get(), out.frames.data(), bytes) != bytes) return std::nullopt;
  out.frames.resize(out.frames.size() - out.frames.size() % Mixer::kChannels);
  return out;
}

}  // namespace luminak_sound

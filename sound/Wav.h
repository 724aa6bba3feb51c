// WAV files read with SDL's own loader and turned into the mixer's stereo floats at the file's
// own rate.
#pragma once

#include <SDL.h>

#include <optional>
#include <vector>

namespace luminak_sound {

struct Decoded {
  std::vector<float> frames;  // interleaved stereo
  int rate = 0;
};

// Reads a whole WAV file from `source` and closes it; nothing when it is not one.
std::optional<Decoded> decode_wav(SDL_RWops* source);

}  // namespace luminak_sound

// Shared by the sound tests: SDL's dummy output (no sound card), the game's WAV files and WAV
// bytes made on the spot.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

// Set before SDL is first used: the tests never need a sound card.
inline const bool kDummyOutput = setenv("SDL_AUDIODRIVER", "dummy", 1) == 0;

inline const char* const kSoundFiles[] = {"駒打音.wav", "禁止.wav", "魔法.wav", "金縛.wav",
                                          "その他.wav", "戦闘.wav", "BGM.wav"};

inline std::string sound_path(const std::string& name) {
  return std::string(LUMINAK_SOURCE_SOUNDS) + "/" + name;
}

inline std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// A 16-bit mono WAV file of `frames` samples of a steady level.
inline std::string wav_bytes(int rate, int frames, std::int16_t level = 1000) {
  std::string out;
  auto u32 = [&](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  auto u16 = [&](std::uint16_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8);
  };
  const auto data = static_cast<std::uint32_t>(frames * 2);
  out += "RIFF";
  u32(36 + data);
  out += "WAVEfmt ";
  u32(16);
  u16(1);
  u16(1);
  u32(static_cast<std::uint32_t>(rate));
  u32(static_cast<std::uint32_t>(rate * 2));
  u16(2);
  u16(16);
  out += "data";
  u32(data);
  for (int i = 0; i < frames; ++i) u16(static_cast<std::uint16_t>(level));
  return out;
}

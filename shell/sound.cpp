// Module1: the sound library's device, the WAV files loaded into it and its warning.
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <memory>
#include <system_error>
#include <vector>

#include "shell/Form1.h"

namespace {

constexpr const char* kNoDevice = "Direct Soundインターフェースが作成できません。";
constexpr const char* kWarningTitle = "Vexaルミナーク将棋.dll";
constexpr std::int32_t kEffectCopies = 3, kMusicCopies = 1;
constexpr std::size_t kReadChunk = 1 << 16;

// The seven sounds in the order they are loaded.
struct SoundFile {
  std::int32_t Form1::*handle;
  const char* name;
  std::int32_t copies;
};
constexpr SoundFile kSoundFiles[] = {
    {&Form1::snd_sonota, "その他.wav", kEffectCopies},
    {&Form1::snd_kinsi, "禁止.wav", kEffectCopies},
    {&Form1::snd_kanasibari, "金縛.wav", kEffectCopies},
    {&Form1::snd_mahou, "魔法.wav", kEffectCopies},
    {&Form1::snd_komauti, "駒打音.wav", kEffectCopies},
    {&Form1::snd_sentou, "戦闘.wav", kMusicCopies},
    {&Form1::snd_bgm, "BGM.wav", kMusicCopies},
};

// The whole file, or the system's reason why it cannot be read.
std::vector<char> read_all(const std::string& path, std::error_code& error) {
  std::vector<char> bytes;
  std::unique_ptr<std::FILE, decltype(&std::fclose)> file(std::fopen(path.c_str(), "rb"),
                                                          &std::fclose);
  if (!file) {
    error.assign(errno, std::generic_category());
    return bytes;
  }
  char chunk[kReadChunk];
  for (;;) {
    const std::size_t got = std::fread(chunk, 1, sizeof chunk, file.get());
    bytes.insert(bytes.end(), chunk, chunk + got);
    if (bytes.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
      error = std::make_error_code(std::errc::file_too_large);
      return bytes;
    }
    if (got < sizeof chunk) break;
  }
  if (std::ferror(file.get())) error.assign(errno, std::generic_category());
  return bytes;
}

}  // namespace

void Form1::初期化_サウンド(std::int32_t hwnd) {
  ds_device = ds->dsInitialize(hwnd);
  if (ds_device == 0) 表示_警告(kNoDevice);
}

void Form1::終了_サウンド() {
  if (ds_device != 0) ds->dsTerminate(ds_device);
}

std::int32_t Form1::読込_サウンド(const std::string& name, std::int32_t count) {
  if (ds_device == 0) return 0;
  const std::string path = sound_folder.empty() ? name : sound_folder + "/" + name;
  std::error_code missing;
  if (!std::filesystem::exists(path, missing)) return 0;
  std::error_code error;
  const std::vector<char> bytes = read_all(path, error);
  if (error) {
    表示_警告(error.message());
    return 0;
  }
  return ds->dsCreateDSB(ds_device, bytes.data(), static_cast<std::int32_t>(bytes.size()), count);
}

void Form1::表示_警告(const std::string& text) {
  win.MsgBox(text, mb::OKOnly | mb::Exclamation, kWarningTitle);
}

void Form1::読込_全サウンド() {
  for (const SoundFile& s : kSoundFiles) this->*s.handle = 読込_サウンド(s.name, s.copies);
}

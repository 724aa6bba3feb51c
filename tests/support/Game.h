// A game on the recording window, for the tests.
#pragma once

#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include "support/FakeWindow.h"

struct Game {
  FakeWindow w;
  std::unique_ptr<Form1> f = std::make_unique<Form1>(w);
  std::string settings;

  // Each game has its own settings file (guidance, clock display and music off) and loads the
  // game's sounds into the recording fake.
  Game() {
    static std::atomic<int> serial{0};
    settings =
        "/tmp/luminak-test-" + std::to_string(getpid()) + "-" + std::to_string(serial++) + ".ini";
    std::ofstream(settings, std::ios::binary) << "BGM=OFF\r\n";
    f->settings_path = settings;
    f->ds = &w;
    f->sound_folder = LUMINAK_SOURCE_SOUNDS;
  }
  ~Game() { std::remove(settings.c_str()); }
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;
  Form1* operator->() { return f.get(); }
  Form1& operator*() { return *f; }

  // An empty board with both hands and all flags cleared.
  void clear_board() {
    for (auto& col : f->ban)
      for (auto& sq : col) sq = Form1::kara;
    for (auto& col : f->huu_man)
      for (auto& sq : col) sq = Form1::nasi;
    for (auto& col : f->huu_com)
      for (auto& sq : col) sq = Form1::nasi;
    for (int k = 0; k <= Form1::mochi_max; ++k) {
      f->mochi_man[k] = f->mochi_com[k] = 0;
      f->huu_mochi_man[k] = f->huu_mochi_com[k] = Form1::nasi;
    }
    f->mochi_man_kei = f->mochi_com_kei = 0;
  }
};

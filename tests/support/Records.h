// Games on the recording window that save and load record files in a folder of their own.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "support/Game.h"

struct RecordGame : Game {
  std::filesystem::path dir;

  RecordGame() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "luminak-kifu-XXXXXX").string();
    dir = mkdtemp(tmpl.data());
    f->Form_Load();
    f->snd_kinsi = 1;
    f->snd_komauti = 2;
    w.paths[static_cast<int>(Control::Dir1)] = dir.string();
    w.paths[static_cast<int>(Control::File1)] = dir.string();
  }
  ~RecordGame() {
    std::error_code e;
    std::filesystem::remove_all(dir, e);
  }

  void set_text(Control c, const std::string& text) { w.texts[static_cast<int>(c)] = text; }
  // 棋譜 → 書込, the name typed, RETURN.
  void save(const std::string& name) {
    f->KIFU_WRITE_Click();
    set_text(Control::Text1, name);
    if (w.control_visible[static_cast<int>(Control::Command1)]) f->Command1_Click();
  }
  // 棋譜 → 読込 and a click on the file's name.
  void load(const std::string& file) {
    f->KIFU_READ_Click();
    set_text(Control::File1, file);
    f->File1_Click();
  }
  std::string read(const std::string& file) const {
    std::ifstream in(dir / file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  void write(const std::string& file, const std::string& bytes) const {
    std::ofstream(dir / file, std::ios::binary) << bytes;
  }
  std::string last_message() const {
    auto m = w.messages();
    return m.empty() ? "" : m.back().text;
  }
  // A click in the middle of cell (column, row).
  void click(Int button, Int column, Int row) {
    f->Form_MouseDown(button, 0, Form1::cell_x(column) + Form1::masu_w / 2.0,
                      Form1::cell_y(row) + Form1::masu_h / 2.0);
  }
  // A move of the side to move after thinking for a while; the clock runs.
  void move(Int fx, Int fy, Int tx, Int ty, double thinking = 0,
            Int button = Form1::button_hidari) {
    w.now += thinking;
    f->Timer1_Timer();
    click(Form1::button_hidari, fx, fy);
    click(button, tx, ty);
  }
};

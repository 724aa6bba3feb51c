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

// Two people play captures, promotions, a drop and spells on a board piece and a hand kind.
inline void play_eventful_game(RecordGame& g) {
  g.w.checked[static_cast<int>(Menu::KEIKA)] = true;
  g->START_Click();
  g.move(3, 7, 3, 6, 12.5);
  g.click(Form1::button_hidari, 2, 8);  // △ seals the lower bishop
  g.move(7, 3, 7, 4, 3.25);
  g.move(9, 7, 9, 6, 1234.7);
  g.move(1, 3, 1, 4, 2);
  g.move(2, 8, 8, 2, 7, Form1::button_migi);  // bishop takes bishop and promotes
  g.move(7, 1, 8, 2, 4);                      // silver takes the horse
  g.click(Form1::button_hidari, -1, 2);       // ▲ seals the bishop in the upper hand
  g.move(11, 8, 8, 4, 9);                     // and drops its own
  g.move(1, 4, 1, 5, 1);
  g.move(8, 4, 6, 2, 5, Form1::button_migi);  // the bishop enters the camp and promotes
  g.move(9, 3, 9, 4, 6);
}

// The settings file and the option menus. The menus' check marks are the working copy; the
// file is read once at start-up and rewritten whenever an option changes. It is written in
// Shift-JIS, as the game always has; a file saved as UTF-8 reads as well.
#include <fstream>

#include "shell/BoardTerms.h"
#include "shell/Encoding.h"

namespace {

constexpr const char* kBackgroundKey = "背景画";
constexpr const char* kGuidanceKey = "移動指導";
constexpr const char* kElapsedKey = "経過時間";
constexpr const char* kMusicKey = "BGM";
constexpr const char* kOn = "ON";
constexpr const char* kOff = "OFF";
constexpr const char* kLineEnd = "\r\n";

struct Background {
  const char* name;
  Int code;
  Menu menu;
};
// In the order the file is written: the first checked background wins.
constexpr Background kBackgrounds[] = {
    {"緑", Form1::haikei_midori, Menu::MIDORI}, {"竹", Form1::haikei_take, Menu::TAKE},
    {"畳", Form1::haikei_tatami, Menu::TATAMI}, {"宇宙", Form1::haikei_uchu, Menu::UCHU},
    {"煉瓦", Form1::haikei_renga, Menu::RENGA},
};

bool is(const std::string& text, const char* word) {
  return text == word || text == sjis::from_utf8(word);
}

std::string line(const char* key, const char* value) {
  return sjis::from_utf8(std::string(key) + "=" + value) + kLineEnd;
}

// Writes the whole file; false when it could not be written.
bool write_file(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out << text;
  out.close();
  return !out.fail();
}

const std::string kDefaultFile = line(kBackgroundKey, kBackgrounds[0].name) +
                                 line(kGuidanceKey, kOff) + line(kElapsedKey, kOn) +
                                 line(kMusicKey, kOn);

}  // namespace

void Form1::読込_環境設定ファイル() {
  std::ifstream in(settings_path, std::ios::binary);
  bool ok = static_cast<bool>(in);
  std::string text;
  while (ok && std::getline(in, text)) {
    if (!text.empty() && text.back() == '\r') text.pop_back();
    const auto p = text.find('=');
    if (p == std::string::npos) {
      ok = false;
      break;
    }
    const std::string key = text.substr(0, p), value = text.substr(p + 1);
    if (is(key, kBackgroundKey)) {
      for (const Background& b : kBackgrounds)
        if (is(value, b.name)) {
          チェック設定(b.code);
          描画_背景(b.code);
          haikei = b.code;
        }
    } else if (is(key, kGuidanceKey)) {
      const bool on = value == kOn;
      iro_sidou = on ? iro_siro : iro_midori;
      win.SetChecked(Menu::SIDOU, on);
      sidou = on ? ari : nasi;
    } else if (is(key, kElapsedKey)) {
      win.SetChecked(Menu::KEIKA, value == kOn);
    } else if (is(key, kMusicKey)) {
      if (value == kOn) {
        win.SetChecked(Menu::BGM, true);
        ds->dsPlayLooping(teban == te_nasi ? snd_bgm : snd_sentou);
      } else {
        win.SetChecked(Menu::BGM, false);
      }
    }
  }
  if (ok && (in.bad() || (in.fail() && !in.eof()))) ok = false;
  in.close();
  if (ok) return;

  // Missing or unreadable: a fresh default file, and its values.
  write_file(settings_path, kDefaultFile);
  描画_背景(haikei_midori);
  haikei = haikei_midori;
  既定値_適用();
}

void Form1::書込_環境設定ファイル() {
  std::string text;
  for (const Background& b : kBackgrounds)
    if (win.Checked(b.menu)) {
      text += line(kBackgroundKey, b.name);
      break;
    }
  text += line(kGuidanceKey, win.Checked(Menu::SIDOU) ? kOn : kOff);
  text += line(kElapsedKey, win.Checked(Menu::KEIKA) ? kOn : kOff);
  text += line(kMusicKey, win.Checked(Menu::BGM) ? kOn : kOff);
  if (write_file(settings_path, text)) return;

  write_file(settings_path, kDefaultFile);
  既定値_適用();
}

// The default file's check marks; guidance goes off with its check mark.
void Form1::既定値_適用() {
  チェック設定(haikei_midori);
  win.SetChecked(Menu::SIDOU, false);
  sidou = nasi;
  iro_sidou = iro_waku;
  win.SetChecked(Menu::KEIKA, true);
  win.SetChecked(Menu::BGM, true);
}

void Form1::チェック設定(Int code) {
  for (const Background& b : kBackgrounds) win.SetChecked(b.menu, false);
  for (const Background& b : kBackgrounds)
    if (b.code == code) win.SetChecked(b.menu, true);
}

void Form1::背景_選択(Int code) {
  for (const Background& b : kBackgrounds)
    if (b.code == code && win.Checked(b.menu)) return;
  チェック設定(code);
  haikei = code;
  書込_環境設定ファイル();
  画面_再描画();
}

void Form1::MIDORI_Click() {
  背景_選択(haikei_midori);
}
void Form1::TATAMI_Click() {
  背景_選択(haikei_tatami);
}
void Form1::TAKE_Click() {
  背景_選択(haikei_take);
}
void Form1::UCHU_Click() {
  背景_選択(haikei_uchu);
}
void Form1::RENGA_Click() {
  背景_選択(haikei_renga);
}

void Form1::SIDOU_Click() {
  if (win.Checked(Menu::SIDOU)) {
    // Every guidance outline goes at once.
    描画_将棋盤桝();
    for (Int k = 1; k <= mochi_max; ++k) {
      描画_桝輪郭(iro_waku, mochi_com_x, board::com_hand_row(k));
      描画_桝輪郭(iro_waku, mochi_man_x, board::man_hand_row(k));
    }
    win.SetChecked(Menu::SIDOU, false);
    sidou = nasi;
    iro_sidou = iro_waku;
  } else {
    win.SetChecked(Menu::SIDOU, true);
    sidou = ari;
    iro_sidou = iro_siro;
  }
  書込_環境設定ファイル();
}

void Form1::KEIKA_Click() {
  if (win.Checked(Menu::KEIKA)) {
    win.SetChecked(Menu::KEIKA, false);
    win.SetTimerEnabled(false);
    消去_所有時間(man_te);
    消去_所有時間(com_te);
  } else {
    win.SetChecked(Menu::KEIKA, true);
    win.SetTimerEnabled(true);
    描画_所有時間(com_te, jikan_com);
    描画_所有時間(man_te, jikan_man);
  }
  書込_環境設定ファイル();
}

void Form1::BGM_Click() {
  if (win.Checked(Menu::BGM)) {
    win.SetChecked(Menu::BGM, false);
    ds->dsStop(snd_bgm);
    ds->dsStop(snd_sentou);
  } else {
    win.SetChecked(Menu::BGM, true);
    ds->dsPlayLooping(teban == te_nasi ? snd_sentou : snd_bgm);
  }
  書込_環境設定ファイル();
}

void Form1::VER_Click() {
  ds->dsPlay(snd_sonota);
  win.MsgBox("Vexa ルミナーク将棋\r\rVersion 1.0", mb::OKOnly | mb::Information, "その他");
}

void Form1::OPTION_Click() {
  TAIKYOKU_Click();
}
void Form1::STOP_Click() {
  TAIKYOKU_Click();
}

// The save dialog and the file picker: the controls on the main window, saving a record under
// the name typed, loading the file clicked, and the header area that loading writes on.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <new>

#include "shell/Form1.h"

namespace {

constexpr Int kHeaderRow = 10;  // the row under the board where record headers stand
// The tiles of that row that the window shows, and as far as the longest title shown reaches
// (it stands three thousand twips left of where a name would).
constexpr Int kHeaderFirstTile = -9, kHeaderLastTile = 17;
constexpr Control kDialog[] = {Control::Label1_0, Control::Label1_1, Control::Label1_2,
                               Control::Label1_3, Control::Text1,    Control::Text2,
                               Control::Text3,    Control::Text4,    Control::Command1};
constexpr Control kTexts[] = {Control::Text1, Control::Text2, Control::Text3, Control::Text4};

constexpr const char* kExtension = ".棋譜";
constexpr const char* kWriteTitle = "棋譜書込";
constexpr const char* kSaveTitle = "棋譜保存";
constexpr const char* kNameTitle = "  ";
constexpr const char* kReadTitle = "棋譜";
constexpr size_t kNameMax = 255;  // bytes of a file name, its extension included

// Why a file name cannot be used here, or nullptr when it can: it must stay in the chosen
// folder and be a name this system accepts.
const char* name_refusal(const std::string& name) {
  if (std::any_of(name.begin(), name.end(), [](char c) {
        return c == '/' || c == '\\' || static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
      }))
    return "ﾌｧｲﾙ名に「/」「\\」や制御文字は使えません";
  if (name.find_first_not_of('.') == std::string::npos) return "「.」だけのﾌｧｲﾙ名は使えません";
  if (name.size() + std::strlen(kExtension) > kNameMax) return "ﾌｧｲﾙ名が長すぎます";
  return nullptr;
}

// Writes a file whole or not at all: a temporary file in the same folder takes the text and
// then replaces the old file. Returns the system's reason for a failure, or "".
std::string replace_file(const std::filesystem::path& path, const std::string& text) {
  std::string temp = (path.parent_path() / ".棋譜書込-XXXXXX").string();
  const int fd = mkstemp(temp.data());
  if (fd < 0) return std::strerror(errno);
  struct stat old {};
  const mode_t mask = umask(0);
  umask(mask);
  const mode_t mode = stat(path.c_str(), &old) == 0 ? old.st_mode & 07777 : 0666 & ~mask;
  int error = fchmod(fd, mode) == 0 ? 0 : errno;
  for (size_t done = 0; error == 0 && done < text.size();) {
    const ssize_t n = write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno != EINTR) error = errno;
    if (n > 0) done += static_cast<size_t>(n);
  }
  if (error == 0 && fsync(fd) != 0) error = errno;
  if (close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && rename(temp.c_str(), path.c_str()) != 0) error = errno;
  if (error == 0) return "";
  unlink(temp.c_str());
  return std::strerror(error);
}

}  // namespace

void Form1::描画_可視(bool drive, bool dir, bool file) {
  win.SetVisible(Control::Drive1, drive);
  win.SetVisible(Control::Dir1, dir);
  win.SetVisible(Control::File1, file);
}

void Form1::描画_棋譜_IO(Int mode) {
  if (mode != 0)
    for (Control t : kTexts) win.SetText(t, "");
  for (Control c : kDialog) win.SetVisible(c, mode == 0);
}

// The whole row under the board goes, from the window's left edge to its right: a title
// of four characters or more starts left of the upper hand's column.
void Form1::描画_棋譜読込み部分消去() {
  描画_桝_数値();
  for (Int c = kHeaderFirstTile; c <= kHeaderLastTile; ++c) 描画_絵(haikei, c, kHeaderRow);
  for (Int x = 1; x <= ban_max; ++x) 描画_桝輪郭(iro_haikei, x, ban_max);
  描画_桝輪郭(iro_haikei, mochi_man_x, ban_max);  // the lower hand's last slot ends on that row too
}

void Form1::KIFU_WRITE_Click() {
  if (hanten == ari) {
    win.MsgBox("反転後は書き込みできません", mb::OKOnly, kWriteTitle);
  } else if (hande_settei == ari) {
    win.MsgBox("ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません", mb::OKOnly, kWriteTitle);
  } else {
    描画_可視(true, true, false);
    描画_棋譜_IO(0);
  }
}

void Form1::Command1_Click() {
  const std::string name = win.Text(Control::Text1);
  if (name.empty()) {
    win.MsgBox("ﾌｧｲﾙ名が入力されていません", mb::OKOnly, kNameTitle);
    return;
  }
  if (const char* why = name_refusal(name)) {
    win.MsgBox(std::string("このﾌｧｲﾙ名は使えません\r\r") + why, mb::OKOnly, kSaveTitle);
    return;
  }
  if (kifu_saigo < 1) {
    win.MsgBox("保存するデータがありません", mb::OKOnly, kSaveTitle);
    return;
  }
  const std::string folder = win.Path(Control::File1);
  const std::filesystem::path path = std::filesystem::path(folder) / (name + kExtension);
  const std::string why = replace_file(path, 変換_棋譜ファイル());
  if (!why.empty()) {
    // The dialog stays as it is, for another name or folder.
    win.MsgBox("棋譜を書き込めませんでした\r\r" + path.string() + "\r" + why,
               mb::OKOnly | mb::Critical, kSaveTitle);
    return;
  }
  描画_可視(false, false, false);
  描画_棋譜_IO(1);
  win.SetPath(Control::File1, folder);
  win.MsgBox("棋譜を書き込みました", mb::OKOnly, kNameTitle);
}

void Form1::KIFU_READ_Click() {
  描画_可視(true, true, true);
  描画_棋譜_IO(1);
}

void Form1::Drive1_Change() {
  if (win.SetPath(Control::Dir1, win.Text(Control::Drive1))) {
    Dir1_Change();
  } else {
    win.MsgBox("ﾃﾞﾊﾞｲｽが準備できていません", mb::OKOnly, "ｴﾗｰ");
  }
}

void Form1::Dir1_Change() {
  win.SetPath(Control::File1, win.Path(Control::Dir1));
}

void Form1::File1_Click() {
  描画_可視(false, false, false);
  const std::filesystem::path path =
      std::filesystem::path(win.Path(Control::File1)) / win.Text(Control::File1);
  std::error_code e;
  const auto status = std::filesystem::status(path, e);
  std::ifstream in;
  std::string why;
  if (e) {
    why = e.message();
  } else if (!std::filesystem::is_regular_file(status)) {
    why = "ﾌｧｲﾙではありません";
  } else {
    errno = 0;
    in.open(path, std::ios::binary);
    if (!in.is_open()) why = std::strerror(errno != 0 ? errno : EIO);
  }
  if (!why.empty()) {
    win.MsgBox("棋譜ﾌｧｲﾙを読み込めませんでした\r\r" + path.string() + "\r" + why, mb::OKOnly,
               kReadTitle);
    return;
  }
  try {
    const std::string refusal = 読込_棋譜(in);
    if (!refusal.empty()) win.MsgBox(refusal + "\r\r" + path.string(), mb::OKOnly, kReadTitle);
  } catch (const std::bad_alloc&) {
    kifu_in = nullptr;
    初期設定();
    kifu_saigo = 0;
    win.MsgBox("棋譜ﾌｧｲﾙが大きすぎて読み込めません\r\r" + path.string(), mb::OKOnly, kReadTitle);
  }
}

// The record dialog's controls and the header area that record reading writes on.
#include "shell/Form1.h"

namespace {
constexpr Int kHeaderRow = 10;  // the row under the board where record headers stand
constexpr Control kDialog[] = {Control::Label1_0, Control::Label1_1, Control::Label1_2,
                               Control::Label1_3, Control::Text1,    Control::Text2,
                               Control::Text3,    Control::Text4,    Control::Command1};
constexpr Control kTexts[] = {Control::Text1, Control::Text2, Control::Text3, Control::Text4};
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

void Form1::描画_棋譜読込み部分消去() {
  描画_桝_数値();
  描画_絵(haikei, mochi_com_x, kHeaderRow);
  描画_絵(haikei, 0, kHeaderRow);
  for (Int x = 1; x <= ban_max; ++x) {
    描画_絵(haikei, x, kHeaderRow);
    描画_桝輪郭(iro_haikei, x, ban_max);
  }
}

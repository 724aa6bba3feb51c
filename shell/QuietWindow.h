// A window that shows nothing and never waits: for headless play, self-play and benchmarks.
#pragma once

#include <cmath>

#include "shell/Window.h"

class QuietWindow : public Window {
 public:
  void SetBackColor(int) override {}
  void PaintPicture(Picture, double, double) override {}
  void DrawBox(double, double, double, double, int) override {}
  void PrintText(double, double, const std::string&, double, bool, int) override {}
  void Refresh() override {}
  void MoveImage(Image, double, double) override {}
  void ShowImage(Image, bool) override {}
  void SetChecked(Menu m, bool on) override { checked_[static_cast<int>(m)] = on; }
  bool Checked(Menu m) override { return checked_[static_cast<int>(m)]; }
  void SetEnabled(Menu, bool) override {}
  int MsgBox(const std::string&, int buttons, const std::string&) override {
    return buttons == mb::YesNo ? mb::Yes : mb::OK;
  }
  void SetTimerEnabled(bool) override {}
  bool TimerEnabled() override { return false; }
  // The clock moves only when the game waits, and a wait passes at once.
  double Seconds() override { return now_; }
  void Sleep(double seconds) override { now_ = std::fmod(now_ + seconds, kDay); }
  Placement GetPlacement() override { return {}; }
  void MoveWindow(double, double) override {}
  void SizeWindow(double, double) override {}
  void End() override {}
  void SetVisible(Control, bool) override {}
  void SetText(Control, const std::string&) override {}
  std::string Text(Control) override { return {}; }
  bool SetPath(Control, const std::string&) override { return false; }
  std::string Path(Control) override { return {}; }

 private:
  static constexpr double kDay = 86400;
  bool checked_[static_cast<int>(Menu::Count)] = {};
  double now_ = 0;
};

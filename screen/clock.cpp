// The two clocks below the hands: hours, minutes and seconds of each side's thinking, and the
// timer that keeps the running one moving.
#include <cmath>

#include "shell/Form1.h"

namespace {

constexpr double kSecondsPerHour = 3600, kSecondsPerMinute = 60;
constexpr Single kSecondsPerDay = 86400;
constexpr const char* kClockSeparator = ":";
constexpr size_t kTwoDigits = 2;

// Where a side's clock stands: its shadow corner (the face one shadow offset up and to the
// left) and the tiles of row kClockRow that clear it.
struct ClockArea {
  double shadow_column, shadow_row;
  Int first_tile, last_tile;
};
constexpr ClockArea kManClock{13.1, 9.3, 13, 15};
constexpr ClockArea kComClock{-1.5, 9.3, -2, 0};
constexpr Int kClockRow = 9;
constexpr double kShadowOffset = 0.1;
constexpr Int kClockSize = 12;
// The upper side's clock tiles reach this board square.
constexpr Int kClockEdgeX = 1, kClockEdgeY = 9;

}  // namespace

void Form1::描画_所有時間(Int side, Single seconds) {
  if (!win.Checked(Menu::KEIKA)) return;
  const std::string text = 調査_時間秒追加結果(seconds);
  消去_所有時間(side);
  const ClockArea* area = side == man_te ? &kManClock : side == com_te ? &kComClock : nullptr;
  if (area != nullptr) {
    print_at(area->shadow_column, area->shadow_row, text, iro_kuro, kClockSize);
    print_at(area->shadow_column - kShadowOffset, area->shadow_row - kShadowOffset, text, iro_siro,
             kClockSize);
  }
  描画_桝輪郭(iro_haikei, kClockEdgeX, kClockEdgeY);
}

void Form1::消去_所有時間(Int side) {
  const ClockArea* area = side == man_te ? &kManClock : side == com_te ? &kComClock : nullptr;
  if (area == nullptr) return;
  for (Int c = area->first_tile; c <= area->last_tile; ++c) 描画_絵(haikei, c, kClockRow);
}

std::string Form1::調査_時間秒追加結果(Single seconds) {
  const double s = seconds;
  const double h = std::floor(s / kSecondsPerHour);
  const double m = std::floor((s - kSecondsPerHour * h) / kSecondsPerMinute);
  const double r = s - kSecondsPerHour * h - kSecondsPerMinute * m;
  return 変換_数字から文字(static_cast<long>(h)) + kClockSeparator +
         変換_数字から文字(static_cast<long>(m)) + kClockSeparator +
         変換_数字から文字(static_cast<long>(std::floor(r)));
}

std::string Form1::変換_数字から文字(long n) {
  const std::string digits = std::to_string(n);
  if (digits.size() < kTwoDigits) return "0" + digits;
  if (digits.size() == kTwoDigits) return digits;
  return "";
}

Single Form1::調査_経過秒(Single start, Single now) {
  if (start <= now) return now - start;
  if (start > now) return now + (kSecondsPerDay - start);  // the turn crossed midnight
  return 0;                                                // an unreadable clock counts no time
}

void Form1::Timer1_Timer() {
  if (shouri_te != te_nasi || !win.TimerEnabled()) return;
  keika_byou = 調査_経過秒(kaisi_jikoku, static_cast<Single>(win.Seconds()));
  const Single whole = std::floor(keika_byou);
  if (whole == keika_byou_hyouji) return;
  keika_byou_hyouji = whole;
  if (teban == com_te) {
    描画_所有時間(com_te, jikan_com + keika_byou);
  } else if (teban == man_te) {
    描画_所有時間(man_te, jikan_man + keika_byou);
  }
  win.Refresh();
}

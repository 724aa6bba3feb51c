// Around the board: the icon of the side to move, the markers over a square, the move count,
// the computer's level, the handicap rank, the thinking notice's area and the handicap box.
#include <iterator>

#include "shell/Form1.h"

namespace {

constexpr double kShadowOffset = 0.1;

// Player icons: above the board for the upper side, below it for the lower side.
constexpr double kIconColumn = 4.9, kIconRight = 100;
constexpr double kUpperIconRow = 1, kLowerIconRow = 10.1;
constexpr double kComIconUp = 350, kManUpperIconUp = 300, kLowerIconUp = 350;
constexpr Image kAllIcons[] = {Image::sente_com, Image::sente_man, Image::gote_com,
                               Image::gote_man};

// A side's marker over a square.
constexpr double kMarkerRight = 100, kMarkerUp = 300;

// Handicap ranks from 名人 (-10) to 12級 (10), then the unit after the move count.
constexpr const char* kHandeLabels[] = {
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５段",
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:１級",
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６級",
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:９級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:10級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:11級",
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級"};
constexpr Int kHandeLowest = -10;
constexpr Int kHandeHighest = kHandeLowest + static_cast<Int>(std::size(kHandeLabels)) - 1;
constexpr Int kTemokuKey = 99;
constexpr const char* kTemoku = "手目";
// 描画_文字列 prints this far inside its cell, in twips.
constexpr double kLabelRight = 120, kLabelDown = 160;
constexpr Int kLabelSize = 10;

// The move count: tiles cleared, the outline restored, and shadow corners by width.
constexpr Int kCountRow = 3, kCountFirstTile = 13, kCountLastTile = 14, kCountEdgeColumn = 11;
constexpr Int kCountSize = 12;
constexpr Int kOneDigit = 10, kTwoDigits = 100;
constexpr double kCountShadowRow = 3.4;
constexpr double kCountShadowColumn1 = 13.3, kCountShadowColumn2 = 13.2, kCountShadowColumn3 = 13.1;
constexpr double kTemokuShadowColumn = 13.9, kTemokuShadowRow = 3.2;

// The level, left of the board's top.
constexpr const char* kLevelText = "LEVEL";
constexpr double kLevelTextShadowColumn = -1.4, kLevelTextShadowRow = 0.2;
constexpr double kLevelShadowColumn = 0.1, kLevelShadowRow = 0.1;
constexpr Int kLevelTextSize = 10, kLevelSize = 12;

// The handicap rank, right of the board's top.
constexpr Int kHandeRow = 1, kHandeFirstTile = 11, kHandeLastTile = 14;
constexpr double kHandeShadowColumn = 11.1, kHandeShadowRow = 1.1;

// The thinking notice and the upper side's notation share these tiles.
constexpr Int kSikouRow = 8, kSikouFirstTile = -2, kSikouLastTile = 0;
constexpr Int kSikouEdgeX1 = -1, kSikouEdgeY1 = 7, kSikouEdgeX2 = 1, kSikouEdgeY2 = 8;

constexpr const char* kRefusals[] = {"棋譜ﾓｰﾄﾞではできません", "対局途中ではできません",
                                     "反転後ではできません"};
constexpr const char* kRefusalHint = "\r\r局面→最初にして下さい";
constexpr const char* kHandeTitle = "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定";

}  // namespace

void Form1::描画_打手_アイコン(Int side) {
  消去_全_アイコン();
  const double left = cell_x(kIconColumn) + kIconRight;
  if (side == com_te) {
    if (taikyoku_mode == mode_com) {
      win.MoveImage(Image::sente_com, left, cell_y(kUpperIconRow) - kComIconUp);
      win.ShowImage(Image::sente_com, true);
    } else {
      win.MoveImage(Image::sente_man, left, cell_y(kUpperIconRow) - kManUpperIconUp);
      win.ShowImage(Image::sente_man, true);
    }
  } else if (side == man_te) {
    win.MoveImage(Image::gote_man, left, cell_y(kLowerIconRow) - kLowerIconUp);
    win.ShowImage(Image::gote_man, true);
  }
}

// Hides the icon that 描画_打手_アイコン shows for this side.
void Form1::消去_打手_アイコン(Int side) {
  if (side == com_te) {
    win.ShowImage(taikyoku_mode == mode_com ? Image::sente_com : Image::sente_man, false);
  } else if (side == man_te) {
    win.ShowImage(Image::gote_man, false);
  }
}

void Form1::消去_全_アイコン() {
  for (Image i : kAllIcons) win.ShowImage(i, false);
}

void Form1::描画_打手(Int side, double column, double row) {
  if (side != com_te && side != man_te) return;
  const Image marker = side == com_te ? Image::Image1 : Image::Image2;
  win.MoveImage(marker, cell_x(column) + kMarkerRight, cell_y(row) - kMarkerUp);
  win.ShowImage(marker, true);
}

// Hides the marker that 描画_打手 shows for this side.
void Form1::消去_打手(Int side) {
  if (side == com_te) {
    win.ShowImage(Image::Image1, false);
  } else if (side == man_te) {
    win.ShowImage(Image::Image2, false);
  }
}

void Form1::描画_手数(long count) {
  for (Int c = kCountFirstTile; c <= kCountLastTile; ++c) 描画_絵(haikei, c, kCountRow);
  描画_桝輪郭(iro_haikei, kCountEdgeColumn, kCountRow);
  // Wider counts start further left so that their right edges stay in place.
  const double column = count < kOneDigit    ? kCountShadowColumn1
                        : count < kTwoDigits ? kCountShadowColumn2
                                             : kCountShadowColumn3;
  描画_数値(column, kCountShadowRow, count, iro_kuro, 0, kCountSize);
  描画_数値(column - kShadowOffset, kCountShadowRow - kShadowOffset, count, iro_siro, 0,
            kCountSize);
  描画_文字列(kTemokuShadowColumn, kTemokuShadowRow, kTemokuKey, iro_kuro, kLabelSize);
  描画_文字列(kTemokuShadowColumn - kShadowOffset, kTemokuShadowRow - kShadowOffset, kTemokuKey,
              iro_siro, kLabelSize);
}

void Form1::描画_文字列(double column, double row, Int key, Int colour, Int size) {
  const char* text = nullptr;
  if (key >= kHandeLowest && key <= kHandeHighest) text = kHandeLabels[key - kHandeLowest];
  if (key == kTemokuKey) text = kTemoku;
  if (text == nullptr) return;
  win.PrintText(cell_x(column) + kLabelRight, cell_y(row) + kLabelDown, text, size, font_bold,
                colour);
}

void Form1::描画_レベル(Int IN_LEVEL) {
  print_at(kLevelTextShadowColumn, kLevelTextShadowRow, kLevelText, iro_kuro, kLevelTextSize);
  print_at(kLevelTextShadowColumn - kShadowOffset, kLevelTextShadowRow - kShadowOffset, kLevelText,
           iro_siro, kLevelTextSize);
  描画_数値(kLevelShadowColumn, kLevelShadowRow, IN_LEVEL, iro_kuro, 0, kLevelSize);
  描画_数値(kLevelShadowColumn - kShadowOffset, kLevelShadowRow - kShadowOffset, IN_LEVEL, iro_siro,
            0, kLevelSize);
}

void Form1::描画_ハンデレベル(Int rank) {
  for (Int c = kHandeFirstTile; c <= kHandeLastTile; ++c) 描画_絵(haikei, c, kHandeRow);
  描画_文字列(kHandeShadowColumn, kHandeShadowRow, rank, iro_kuro, kLabelSize);
  描画_文字列(kHandeShadowColumn - kShadowOffset, kHandeShadowRow - kShadowOffset, rank, iro_siro,
              kLabelSize);
}

void Form1::消去_思考中() {
  for (Int c = kSikouFirstTile; c <= kSikouLastTile; ++c) 描画_絵(haikei, c, kSikouRow);
  描画_桝輪郭(iro_haikei, kSikouEdgeX1, kSikouEdgeY1);
  描画_桝輪郭(iro_haikei, kSikouEdgeX2, kSikouEdgeY2);
}

void Form1::描画_メッセージ(Int kind) {
  std::string text;
  if (kind >= 1 && kind <= static_cast<Int>(std::size(kRefusals))) text = kRefusals[kind - 1];
  win.MsgBox(text + kRefusalHint, mb::OKOnly, kHandeTitle);
}

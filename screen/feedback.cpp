// What a move did and where a piece may go: the notation of the last move beside the mover's
// hand, the guidance outlines, a blinking piece and the shake of the whole window.
#include <iterator>

#include "shell/Form1.h"

namespace {

using F = Form1;

constexpr const char* kColumnDigits[] = {"１", "２", "３", "４", "５", "６", "７", "８", "９"};
constexpr const char* kRowNumerals[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九"};
constexpr Int kRowKey = 1000;  // 文字列変換 reads 1000 + row as the row numeral

// Piece names of the upper side's codes; a lower code is named like its negation.
struct PieceName {
  Int code;
  const char* name;
};
constexpr PieceName kPieceNames[] = {
    {F::com_hu, "歩"},          {F::com_hu_nari, "と"},     {F::com_kyou, "香"},
    {F::com_kyou_nari, "香成"}, {F::com_kei, "桂"},         {F::com_kei_nari, "桂成"},
    {F::com_gin, "銀"},         {F::com_gin_nari, "銀成"},  {F::com_kin, "金"},
    {F::com_kaku, "角"},        {F::com_kaku_nari, "角成"}, {F::com_sya, "飛"},
    {F::com_sya_nari, "飛成"},  {F::com_ou, "王"}};

// Shadow corners of the column number, the row numeral and the piece name; each face stands
// one shadow offset up and to the left.
struct Spot {
  double column, row;
};
constexpr Spot kComNotation[] = {{-1.5, 8.5}, {-1.1, 8.5}, {-0.5, 8.5}};
constexpr Spot kManNotation[] = {{12.5, 2.5}, {12.9, 2.5}, {13.5, 2.5}};
constexpr double kShadowOffset = 0.1;
constexpr Int kNotationSize = 12;
// The lower side's notation area, cleared tile by tile.
constexpr Int kManNotationFirst = 12, kManNotationLast = 14, kManNotationRow = 2;
// The upper side's notation area reaches this board square.
constexpr Int kComNotationEdgeX = 1, kComNotationEdgeY = 8;

constexpr double kBlinkWait = 0.2;

// The shake: two offsets (up, left) per step, in twips.
struct Offset {
  double up, left;
};
constexpr Offset kShake[][2] = {
    {{40, 40}, {20, 40}}, {{20, 20}, {40, 40}}, {{40, 20}, {20, 20}}, {{20, 40}, {40, 20}}};
constexpr double kShakeWait = 0.04;

}  // namespace

std::string Form1::文字列変換(Int value) {
  if (value >= 1 && value <= ban_max) return kColumnDigits[value - 1];
  if (value >= kRowKey + 1 && value <= kRowKey + ban_max) return kRowNumerals[value - kRowKey - 1];
  for (const PieceName& p : kPieceNames)
    if (value == p.code || value == -p.code) return p.name;
  return "";
}

void Form1::描画_移動駒種類(double column, double row, const std::string& text, Int colour) {
  print_at(column, row, text, colour, kNotationSize);
}

void Form1::描画_移動結果(Int side, Int x, Int y, Int code, Int colour) {
  消去_移動結果(side);
  const Spot* spots = side == com_te ? kComNotation : side == man_te ? kManNotation : nullptr;
  if (spots == nullptr) return;
  const std::string texts[] = {文字列変換(static_cast<Int>(ban_max + 1 - x)),
                               文字列変換(static_cast<Int>(kRowKey + y)), 文字列変換(code)};
  for (size_t i = 0; i < std::size(texts); ++i) {
    描画_移動駒種類(spots[i].column, spots[i].row, texts[i], iro_kuro);
    描画_移動駒種類(spots[i].column - kShadowOffset, spots[i].row - kShadowOffset, texts[i],
                    colour);
  }
  if (side == com_te) 描画_桝輪郭(iro_haikei, kComNotationEdgeX, kComNotationEdgeY);
}

void Form1::消去_移動結果(Int side) {
  if (side == com_te) {
    消去_思考中();
  } else if (side == man_te) {
    for (Int c = kManNotationFirst; c <= kManNotationLast; ++c) 描画_絵(haikei, c, kManNotationRow);
  }
}

void Form1::描画_移動可能桝色(Int x, Int y, Int colour, Int code) {
  描画_将棋盤桝();
  if (sidou == nasi) return;
  for (Int X = 1; X <= ban_max; ++X)
    for (Int Y = 1; Y <= ban_max; ++Y)
      if (移動チェック(x, y, X, Y, code) == ari) 描画_桝輪郭(colour, X, Y);
}

void Form1::描画_駒点滅(Int code, double column, double row, Int times) {
  for (Int i = 0; i < times; ++i) {
    描画_絵(e_kara, column, row);
    描画_桝輪郭(iro_haikei, column, row);
    win.Refresh();
    待ち時間(kBlinkWait);
    描画_絵(code, column, row);
    描画_桝輪郭(iro_haikei, column, row);
    win.Refresh();
    待ち時間(kBlinkWait);
  }
}

void Form1::描画_振動() {
  const Placement at = win.GetPlacement();
  // A maximised window cannot be moved; it stays still.
  if (at.maximized) return;
  for (const auto& step : kShake)
    for (const Offset& o : step) {
      win.MoveWindow(at.left - o.left, at.top - o.up);
      win.Refresh();
      待ち時間(kShakeWait);
    }
  win.MoveWindow(at.left, at.top);
}

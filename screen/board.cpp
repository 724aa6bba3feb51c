// The board, the hands, the labels, the background and the star: all painted into the cell
// grid, cell (c, r) having its top-left corner at (ban_x0 + masu_w c, ban_y0 + masu_h r).
#include <optional>

#include "shell/BoardTerms.h"

namespace {

// Picture of a code: pieces (sealed ones under code + 5) and the small picture codes.
std::optional<Picture> picture_of(Int code) {
  using F = Form1;
  using P = Picture;
  switch (code) {
    case F::e_kara:
      return P::KARA_MASU;
    case F::e_title:
      return P::VexaSHOGI;
    case F::haikei_midori:
      return P::HAIKEI_MIDORI;
    case F::haikei_tatami:
      return P::HAIKEI_TATAMI;
    case F::haikei_take:
      return P::HAIKEI_TAKE;
    case F::haikei_uchu:
      return P::HAIKEI_UCHU;
    case F::haikei_renga:
      return P::HAIKEI_RENGA;
    case F::e_madousi:
      return P::madousi;
    case F::e_luminak:
      return P::luminak;
    case F::e_huuin:
      return P::huuin;

    case F::com_hu:
      return P::UE_HU_0;
    case F::com_hu_nari:
      return P::UE_HU_1;
    case F::com_hu_huu:
      return P::UE_HU_2;
    case F::com_hu_nari_huu:
      return P::UE_HU_3;
    case F::com_kyou:
      return P::UE_KYOU_0;
    case F::com_kyou_nari:
      return P::UE_KYOU_1;
    case F::com_kyou_huu:
      return P::UE_KYOU_2;
    case F::com_kyou_nari_huu:
      return P::UE_KYOU_3;
    case F::com_kei:
      return P::UE_KEI_0;
    case F::com_kei_nari:
      return P::UE_KEI_1;
    case F::com_kei_huu:
      return P::UE_KEI_2;
    case F::com_kei_nari_huu:
      return P::UE_KEI_3;
    case F::com_gin:
      return P::UE_GIN_0;
    case F::com_gin_nari:
      return P::UE_GIN_1;
    case F::com_gin_huu:
      return P::UE_GIN_2;
    case F::com_gin_nari_huu:
      return P::UE_GIN_3;
    case F::com_kin:
      return P::UE_KIN;
    case F::com_kin_huu:
      return P::UE_KIN2;
    case F::com_kaku:
      return P::UE_KAKU_0;
    case F::com_kaku_nari:
      return P::UE_KAKU_1;
    case F::com_kaku_huu:
      return P::UE_KAKU_2;
    case F::com_kaku_nari_huu:
      return P::UE_KAKU_3;
    case F::com_sya:
      return P::UE_SYA_0;
    case F::com_sya_nari:
      return P::UE_SYA_1;
    case F::com_sya_huu:
      return P::UE_SYA_2;
    case F::com_sya_nari_huu:
      return P::UE_SYA_3;
    case F::com_ou:
      return P::UE_OU;
    case F::com_ou_huu:
      return P::UE_OU2;

    case F::man_hu:
      return P::SITA_HU_0;
    case F::man_hu_nari:
      return P::SITA_HU_1;
    case F::man_hu_huu:
      return P::SITA_HU_2;
    case F::man_hu_nari_huu:
      return P::SITA_HU_3;
    case F::man_kyou:
      return P::SITA_KYOU_0;
    case F::man_kyou_nari:
      return P::SITA_KYOU_1;
    case F::man_kyou_huu:
      return P::SITA_KYOU_2;
    case F::man_kyou_nari_huu:
      return P::SITA_KYOU_3;
    case F::man_kei:
      return P::SITA_KEI_0;
    case F::man_kei_nari:
      return P::SITA_KEI_1;
    case F::man_kei_huu:
      return P::SITA_KEI_2;
    case F::man_kei_nari_huu:
      return P::SITA_KEI_3;
    case F::man_gin:
      return P::SITA_GIN_0;
    case F::man_gin_nari:
      return P::SITA_GIN_1;
    case F::man_gin_huu:
      return P::SITA_GIN_2;
    case F::man_gin_nari_huu:
      return P::SITA_GIN_3;
    case F::man_kin:
      return P::SITA_KIN;
    case F::man_kin_huu:
      return P::SITA_KIN2;
    case F::man_kaku:
      return P::SITA_KAKU_0;
    case F::man_kaku_nari:
      return P::SITA_KAKU_1;
    case F::man_kaku_huu:
      return P::SITA_KAKU_2;
    case F::man_kaku_nari_huu:
      return P::SITA_KAKU_3;
    case F::man_sya:
      return P::SITA_SYA_0;
    case F::man_sya_nari:
      return P::SITA_SYA_1;
    case F::man_sya_huu:
      return P::SITA_SYA_2;
    case F::man_sya_nari_huu:
      return P::SITA_SYA_3;
    case F::man_ou:
      return P::SITA_OU;
    case F::man_ou_huu:
      return P::SITA_OU2;
    default:
      return std::nullopt;
  }
}

constexpr const char* kKanjiNumerals[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九"};

// Board-grid areas outside the board.
constexpr int kGridLeft = -3, kGridRight = 28, kGridTop = -2, kGridBottom = 17;
constexpr double kTitleColumn = 10.8;
constexpr int kRowLabelColumn = 10;
constexpr int kManCountColumn = 12, kComCountColumn = 0;
constexpr double kShadowOffset = 0.1;
constexpr Int kCountSize = 14, kColumnLabelSize = 16, kRowLabelSize = 12;
constexpr double kStarLeft = 100, kStarUp = 300, kStarBlink = 0.1;
constexpr int kStarTimes = 3;

bool on_board(double column, double row) {
  return column >= 1 && column <= Form1::ban_max && row >= 1 && row <= Form1::ban_max;
}

}  // namespace

void Form1::print_at(double column, double row, const std::string& text, Int colour, double size) {
  win.PrintText(cell_x(column), cell_y(row), text, size, font_bold, colour);
}

void Form1::描画_絵(Int code, double column, double row) {
  if (auto p = picture_of(code)) win.PaintPicture(*p, cell_x(column), cell_y(row));
}

void Form1::描画_駒(Int code, double column, double row) {
  if (column == mochi_com_x || column == mochi_man_x) {
    描画_絵(code, column, row);
    return;
  }
  if (!on_board(column, row)) return;
  const int c = static_cast<int>(column), r = static_cast<int>(row);
  const bool sealed = huu_man[c][r] == ari || huu_com[c][r] == ari;
  描画_絵(static_cast<Int>(ban[c][r] + (sealed ? huu_sa : 0)), c, r);
}

void Form1::描画_盤() {
  for (Int c = 1; c <= ban_max; ++c)
    for (Int r = 1; r <= ban_max; ++r) {
      描画_駒(kara, c, r);
      描画_桝輪郭(iro_haikei, c, r);
    }
}

// One hand slot: the empty square, the count cell beside it, then the piece and its count.
void Form1::描画_持駒桝(Int handX, Int countX, Int row, Int count, Int code, Int sealed) {
  描画_絵(e_kara, handX, row);
  描画_絵(haikei, countX, row);
  描画_桝輪郭(iro_haikei, handX, row);
  if (count <= 0) return;
  描画_駒(static_cast<Int>(code + (sealed == ari ? huu_sa : 0)), handX, row);
  描画_桝輪郭(iro_haikei, handX, row);
  描画_数値(countX + kShadowOffset, row + 0.3, count, iro_kuro, 0, kCountSize);
  描画_数値(countX, row + 0.2, count, iro_aka, 0, kCountSize);
}

void Form1::描画_自持盤() {
  for (Int i = 1; i <= mochi_max; ++i)
    描画_持駒桝(mochi_man_x, kManCountColumn, board::man_hand_row(i), mochi_man[i],
                取得_持盤駒(i, man_te), huu_mochi_man[i]);
}

void Form1::描画_敵持盤() {
  for (Int i = 1; i <= mochi_max; ++i) {
    const Int k = board::com_hand_kind(i);
    描画_持駒桝(mochi_com_x, kComCountColumn, i, mochi_com[k], 取得_持盤駒(k, com_te),
                huu_mochi_com[k]);
    // The count tile at column 0 reaches the board's left edge.
    描画_桝輪郭(iro_haikei, 1, i);
  }
}

void Form1::描画_将棋盤桝() {
  for (Int c = 1; c <= ban_max; ++c)
    for (Int r = 1; r <= ban_max; ++r) 描画_桝輪郭(iro_waku, c, r);
}

void Form1::描画_背景(Int code) {
  for (int c = kGridLeft; c <= kGridRight; ++c)
    for (int r = kGridTop; r <= kGridBottom; ++r)
      if (!on_board(c, r)) 描画_絵(code, c, r);
}

void Form1::描画_桝_数値() {
  font_bold = true;
  for (Int i = 1; i <= ban_max; ++i) {
    描画_絵(haikei, i, 0);
    描画_数値(i + 0.2, 0.5, ban_max + 1 - i, iro_kuro, 0, kColumnLabelSize);
    描画_数値(i + 0.1, 0.4, ban_max + 1 - i, iro_kiiro, 0, kColumnLabelSize);
    描画_絵(haikei, kRowLabelColumn, i);
    描画_数値(kRowLabelColumn + 0.2, i + 0.4, i, iro_kuro, 1, kRowLabelSize);
    描画_数値(kRowLabelColumn + 0.1, i + 0.3, i, iro_kiiro, 1, kRowLabelSize);
    // The label tile at column 10 overlaps the right edge of column 9.
    描画_桝輪郭(iro_haikei, ban_max, i);
  }
}

void Form1::画面_再描画() {
  描画_背景(haikei);
  描画_桝_数値();
  描画_自持盤();
  描画_敵持盤();
  描画_盤();
  描画_所有時間(com_te, jikan_com);
  描画_所有時間(man_te, jikan_man);
  if (taikyoku_mode == mode_com) 描画_レベル(level);
  if (hande_settei == ari) 描画_ハンデレベル(hande_level);
  描画_絵(e_title, kTitleColumn, 0);
}

void Form1::描画_星(double column, double row) {
  win.MoveImage(Image::hosi2, cell_x(column) - kStarLeft, cell_y(row) - kStarUp);
  for (int i = 0; i < kStarTimes; ++i) {
    win.ShowImage(Image::hosi2, true);
    win.Refresh();
    待ち時間(kStarBlink);
    win.ShowImage(Image::hosi2, false);
    win.Refresh();
    待ち時間(kStarBlink);
  }
}

void Form1::描画_桝輪郭(Int colour, double column, double row) {
  win.DrawBox(cell_x(column), cell_y(row), cell_x(column + 1), cell_y(row + 1), colour);
}

void Form1::描画_数値(double column, double row, long value, Int colour, Int style, Int size) {
  if (style == 0) {
    // The default numeric format: a blank where a positive number's sign would be.
    std::string text = std::to_string(value);
    if (value >= 0) text.insert(text.begin(), ' ');
    print_at(column, row, text, colour, size);
  } else if (value >= 1 && value <= ban_max) {
    print_at(column, row, kKanjiNumerals[value - 1], colour, size);
  }
}

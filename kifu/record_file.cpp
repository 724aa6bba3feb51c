// The record file: three header lines (title, upper player, lower player) in Shift-JIS, then
// one line of fixed-width fields per snapshot, each line ended by CR LF.
#include <algorithm>
#include <cmath>
#include <istream>
#include <streambuf>
#include <type_traits>

#include "shell/Encoding.h"
#include "shell/Form1.h"

namespace {

using F = Form1;

enum class Field { Board, Hand, Flag, Time };
constexpr size_t kBoardWidth = 4, kFlagWidth = 1, kTimeWidth = 5;
size_t width(Field f) {
  return f == Field::Board ? kBoardWidth : f == Field::Time ? kTimeWidth : kFlagWidth;
}

// Every field of snapshot n in the order of the line: the board column by column, the hands
// kind by kind (lower, then upper), the seal flags square by square and kind by kind, then the
// lower side's clock before and after the move and the upper side's.
template <class Visit>
void each_field(F& f, long n, Visit&& visit) {
  for (Int x = 1; x <= F::ban_max; ++x)
    for (Int y = 1; y <= F::ban_max; ++y) visit(Field::Board, f.kifu_ban[n][x][y]);
  for (Int k = 1; k <= F::mochi_max; ++k) {
    visit(Field::Hand, f.kifu_mochi_man[n][k]);
    visit(Field::Hand, f.kifu_mochi_com[n][k]);
  }
  for (Int x = 1; x <= F::ban_max; ++x)
    for (Int y = 1; y <= F::ban_max; ++y) {
      visit(Field::Flag, f.kifu_huu_man[n][x][y]);
      visit(Field::Flag, f.kifu_huu_com[n][x][y]);
    }
  for (Int k = 1; k <= F::mochi_max; ++k) {
    visit(Field::Flag, f.kifu_huu_mochi_man[n][k]);
    visit(Field::Flag, f.kifu_huu_mochi_com[n][k]);
  }
  visit(Field::Time, f.kifu_jikan_man_mae[n]);
  visit(Field::Time, f.kifu_jikan_man_ato[n]);
  visit(Field::Time, f.kifu_jikan_com_mae[n]);
  visit(Field::Time, f.kifu_jikan_com_ato[n]);
}

// The codes a square may hold; anything else reads as an empty square.
constexpr Int kPieces[] = {F::com_hu,       F::com_hu_nari,  F::com_kyou,      F::com_kyou_nari,
                           F::com_kei,      F::com_kei_nari, F::com_gin,       F::com_gin_nari,
                           F::com_kin,      F::com_kaku,     F::com_kaku_nari, F::com_sya,
                           F::com_sya_nari, F::com_ou};
long square_code(long code) {
  for (Int p : kPieces)
    if (code == p || code == -p) return code;
  return F::kara;
}

// A hand count is one character: 0 to 9 as digits, 10 to 35 as the letters A to Z.
constexpr long kDigits = 10, kHandMax = kDigits + ('Z' - 'A');
constexpr long kTimeMax = 99999;  // the most seconds five columns hold

std::string right_aligned(long value, size_t columns) {
  std::string text = std::to_string(value);
  return std::string(columns > text.size() ? columns - text.size() : 0, ' ') + text;
}

std::string field_text(Field f, double value) {
  switch (f) {
    case Field::Board:
      return right_aligned(square_code(static_cast<long>(value)), kBoardWidth);
    case Field::Hand: {
      const long c = std::clamp(static_cast<long>(value), 0L, kHandMax);
      return std::string(1, static_cast<char>(c < kDigits ? '0' + c : 'A' + (c - kDigits)));
    }
    case Field::Flag:
      return value == F::ari ? "1" : "0";
    case Field::Time:
      return right_aligned(value >= 0 ? std::min(static_cast<long>(value), kTimeMax) : 0,
                           kTimeWidth);
  }
  return "";
}

// The numeric value of a field: leading blanks skipped, a sign, digits; 0 when there are none.
long numeric_value(std::string_view text) {
  size_t i = text.find_first_not_of(' ');
  if (i == std::string_view::npos) return 0;
  const bool negative = text[i] == '-';
  if (text[i] == '-' || text[i] == '+') ++i;
  long v = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) v = v * 10 + (text[i] - '0');
  return negative ? -v : v;
}

long field_value(Field f, std::string_view text) {
  switch (f) {
    case Field::Board:
      return square_code(numeric_value(text));
    case Field::Hand: {
      const char c = text.empty() ? ' ' : text[0];
      if (c >= 'A' && c <= 'Z') return kDigits + (c - 'A');
      if (c >= 'a' && c <= 'z') return kDigits + (c - 'a');
      return std::clamp(numeric_value(text), 0L, kHandMax);
    }
    case Field::Flag:
      return std::clamp(numeric_value(text), static_cast<long>(F::nasi), static_cast<long>(F::ari));
    case Field::Time:
      return std::max(numeric_value(text), 0L);
  }
  return 0;
}

constexpr const char* kLineEnd = "\r\n";
// Bytes kept of a line read; the rest of a longer line is skipped.
constexpr size_t kLineLimit = 4096;

// A header text on one line of the file.
std::string header_line(std::string text) {
  std::replace(text.begin(), text.end(), '\r', ' ');
  std::replace(text.begin(), text.end(), '\n', ' ');
  return sjis::from_utf8(text) + kLineEnd;
}

// Where the headers are printed: the title left of the lower player's name under the board,
// the upper player's name above it.
struct Header {
  double left_shift, top;
  Int colour;
};
constexpr Header kHeaders[] = {
    {3000, 6350, F::iro_aka}, {0, 100, F::iro_siro}, {0, 6350, F::iro_siro}};
constexpr Int kHeaderSize = 12;
// A header of this many characters starts this many columns right of the grid's origin; each
// five characters more start one column further left.
constexpr double kHeaderChars = 13, kHeaderColumns = 3, kCharsPerColumn = 5;

}  // namespace

std::string Form1::変換_棋譜ファイル() {
  const bool lower_first = man_te == te_sente;
  std::string file = header_line(win.Text(Control::Text2)) +
                     header_line(win.Text(lower_first ? Control::Text4 : Control::Text3)) +
                     header_line(win.Text(lower_first ? Control::Text3 : Control::Text4));
  const long last = std::min(kifu_saigo, static_cast<long>(kifu_ban.size()) - 1);
  for (long n = 1; n <= last; ++n) {
    each_field(*this, n, [&](Field f, const auto& value) {
      file += field_text(f, static_cast<double>(value));
    });
    file += kLineEnd;
  }
  return file;
}

void Form1::読込_棋譜(std::istream& in) {
  初期設定();
  kifu_mode = ari;
  long n = 0;
  kifu_in = &in;
  kifu_gyou.clear();
  for (const Header& h : kHeaders) {
    読込_棋譜ファイル(kifu_gyou);  // a missing line shows the last one again
    const std::string text = sjis::to_display(kifu_gyou);
    win.PrintText(取得_棋譜のX座標(text) - h.left_shift, h.top, text, kHeaderSize, font_bold,
                  h.colour);
  }
  while (読込_棋譜ファイル(kifu_gyou) == ari) {
    ++n;
    記録_確保(n);
    size_t p = 0;
    const std::string_view line = kifu_gyou;
    each_field(*this, n, [&](Field f, auto& value) {
      const std::string_view text = p < line.size() ? line.substr(p, width(f)) : "";
      value = static_cast<std::remove_reference_t<decltype(value)>>(field_value(f, text));
      p += width(f);
    });
  }
  kifu_in = nullptr;
  kifu_tesuu = 0;
  tesuu = 0;
  kifu_saigo = n;
  if (n == 0) {
    win.MsgBox("棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません", mb::OKOnly, "棋譜");
    return;
  }
  win.MsgBox(" 読み込みました", mb::OKOnly, "棋譜");
  win.MsgBox("棋譜を '進 'で進めて下さい", mb::OKOnly, "棋譜");
  // 先手 is the side whose piece made the first move, whoever played this program last.
  Int x = 0, y = 0, first = man_hu;
  調査_移動結果(1, x, y, first);
  man_te = first >= com_hu ? te_gote : te_sente;
  com_te = static_cast<Int>(-man_te);
  teban = te_sente;
}

// The next line of the record file; a line ends at CR LF, CR or LF.
Int Form1::読込_棋譜ファイル(std::string& buffer) {
  std::streambuf* in = kifu_in != nullptr ? kifu_in->rdbuf() : nullptr;
  if (in == nullptr) return nasi;
  using Traits = std::streambuf::traits_type;
  Traits::int_type c = in->sbumpc();
  if (Traits::eq_int_type(c, Traits::eof())) return nasi;
  std::string line;
  for (; !Traits::eq_int_type(c, Traits::eof()); c = in->sbumpc()) {
    const char ch = Traits::to_char_type(c);
    if (ch == '\r' || ch == '\n') break;
    if (line.size() < kLineLimit) line += ch;
  }
  if (Traits::to_char_type(c) == '\r' &&
      Traits::eq_int_type(in->sgetc(), Traits::to_int_type('\n')))
    in->sbumpc();
  buffer = std::move(line);
  return ari;
}

double Form1::取得_棋譜のX座標(const std::string& text) {
  // Characters, not bytes: every byte that does not continue a UTF-8 sequence starts one.
  const auto chars = std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  });
  return ban_x0 +
         masu_w * ((kHeaderChars - static_cast<double>(chars)) / kCharsPerColumn + kHeaderColumns);
}

// The record file: three header lines (title, upper player, lower player) in Shift-JIS, then
// one line of fixed-width fields per snapshot, each line ended by CR LF.
#include <algorithm>
#include <cmath>
#include <istream>
#include <iterator>
#include <optional>
#include <streambuf>
#include <string_view>
#include <type_traits>
#include <vector>

#include "kifu/kif.h"
#include "shell/BoardTerms.h"
#include "shell/Encoding.h"

namespace {

using F = Form1;

enum class Field { Board, Hand, Flag, Time };
constexpr size_t kBoardWidth = 4, kFlagWidth = 1, kTimeWidth = 5;
constexpr size_t width(Field f) {
  return f == Field::Board ? kBoardWidth : f == Field::Time ? kTimeWidth : kFlagWidth;
}

// The fields of a move line, kind by kind, as each_field below visits them.
struct Run {
  Field field;
  int count;
};
constexpr int kSquares = F::ban_max * F::ban_max, kHandFields = 2 * F::mochi_max;
constexpr Run kLine[] = {{Field::Board, kSquares},
                         {Field::Hand, kHandFields},
                         {Field::Flag, 2 * kSquares + kHandFields},
                         {Field::Time, 4}};
constexpr size_t line_width() {
  size_t w = 0;
  for (const Run& r : kLine) w += width(r.field) * static_cast<size_t>(r.count);
  return w;
}
constexpr size_t kMoveLine = line_width();

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

// The codes a square may hold: the empty square and every piece of either side.
bool is_square_code(long code) {
  return code == F::kara ||
         std::any_of(std::begin(board::kUpperCodes), std::end(board::kUpperCodes),
                     [&](Int p) { return code == p || code == -p; });
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
    case Field::Board: {
      const long code = static_cast<long>(value);
      return right_aligned(is_square_code(code) ? code : F::kara, kBoardWidth);
    }
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

// A number as the record writes it: blanks, then digits after an optional minus sign; blanks
// alone are 0. Nothing for any other text.
std::optional<long> number(std::string_view text) {
  size_t i = text.find_first_not_of(' ');
  if (i == std::string_view::npos) return 0;
  const bool negative = text[i] == '-';
  if (negative && ++i == text.size()) return std::nullopt;
  long v = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    v = v * 10 + (text[i] - '0');
  }
  return negative ? -v : v;
}

// The value of a field's text (shorter than the field at the end of a short line, empty past
// it), or nothing when no record holds that text there.
std::optional<long> field_value(Field f, std::string_view text) {
  switch (f) {
    case Field::Board: {
      const std::optional<long> code = number(text);
      if (code && is_square_code(*code)) return code;
      return std::nullopt;
    }
    case Field::Hand: {
      const char c = text.empty() ? ' ' : text[0];
      if (c >= 'A' && c <= 'Z') return kDigits + (c - 'A');
      return number(text);
    }
    case Field::Flag:
      if (const std::optional<long> v = number(text))
        return std::clamp(*v, static_cast<long>(F::nasi), static_cast<long>(F::ari));
      return std::nullopt;
    case Field::Time:
      if (const std::optional<long> v = number(text)) return std::max(*v, 0L);
      return std::nullopt;
  }
  return std::nullopt;
}

// The text of a field of kind f at column p of a line: shorter at the end of a short line,
// empty past it.
std::string_view field_at(std::string_view line, size_t p, Field f) {
  return p < line.size() ? line.substr(p, width(f)) : std::string_view();
}

// A move line of a record: no longer than the record's line, and as far as it goes every
// field one the record may hold. Missing fields read as 0.
bool is_move_line(std::string_view line) {
  if (line.size() > kMoveLine) return false;
  size_t p = 0;
  for (const Run& r : kLine)
    for (int i = 0; i < r.count; ++i, p += width(r.field))
      if (!field_value(r.field, field_at(line, p, r.field))) return false;
  return true;
}

// Where the headers are printed: the title left of the lower player's name under the board,
// the upper player's name above it. Longer headers are cut to what their row has room for
// (a name over the board stays within the column labels, which a new game paints over).
struct Header {
  double left_shift, top;
  Int colour;
  size_t shown_chars;
};
constexpr Header kHeaders[] = {
    {3000, 6350, F::iro_aka, 40}, {0, 100, F::iro_siro, 15}, {0, 6350, F::iro_siro, 15}};
constexpr const char* kCut = "…";
constexpr Int kHeaderSize = 12;
// A header of this many characters starts this many columns right of the grid's origin; each
// five characters more start one column further left.
constexpr double kHeaderChars = 13, kHeaderColumns = 3, kCharsPerColumn = 5;

constexpr const char* kLineEnd = "\r\n";
constexpr size_t kLineEndBytes = 2;
constexpr size_t kHeaderBytes = 4096;  // the longest header line
constexpr size_t kHeaderLines = std::size(kHeaders);
constexpr long kMovesMax = 100000;  // far beyond any game played
// No record is larger: its headers and its move lines at their longest.
constexpr std::streamoff kFileMax =
    kHeaderLines * (kHeaderBytes + kLineEndBytes) + kMovesMax * (kMoveLine + kLineEndBytes);

bool is_control(char c) {
  constexpr unsigned char kFirstPrintable = 0x20, kDelete = 0x7F;
  const auto b = static_cast<unsigned char>(c);
  return b < kFirstPrintable || b == kDelete;
}

// Every byte that does not continue a UTF-8 sequence starts a character.
bool starts_char(char c) {
  constexpr unsigned char kTopBits = 0xC0, kContinuation = 0x80;
  return (static_cast<unsigned char>(c) & kTopBits) != kContinuation;
}

// A header line of a record is text: no control characters, Shift-JIS or UTF-8.
bool is_header_line(std::string_view line) {
  return line.size() <= kHeaderBytes && std::none_of(line.begin(), line.end(), is_control) &&
         (sjis::to_utf8(line) || sjis::is_utf8(line));
}

// Where the character after the first n of a UTF-8 text starts (its size if none).
size_t end_of_chars(const std::string& text, size_t n) {
  size_t at = 0;
  for (size_t chars = 0; at < text.size(); ++at)
    if (starts_char(text[at]) && chars++ == n) break;
  return at;
}

// A header text as one line of the file: control characters become blanks, and no more
// characters are kept than a header line holds in Shift-JIS, two bytes at most each.
std::string header_line(std::string text) {
  std::replace_if(text.begin(), text.end(), is_control, ' ');
  constexpr size_t kHeaderCharsMax = kHeaderBytes / 2;
  text.resize(end_of_chars(text, kHeaderCharsMax));
  return sjis::from_utf8(text) + kLineEnd;
}

// A header as shown: cut, with a mark, when its row has no room for all of it.
std::string shown_header(const std::string& text, const Header& h) {
  if (end_of_chars(text, h.shown_chars) == text.size()) return text;
  return text.substr(0, end_of_chars(text, h.shown_chars - 1)) + kCut;
}

// Bytes left to read, or 0 when the stream cannot tell.
std::streamoff bytes_left(std::istream& in) {
  std::streambuf* b = in.rdbuf();
  const std::streamoff here = b->pubseekoff(0, std::ios::cur, std::ios::in);
  const std::streamoff end = b->pubseekoff(0, std::ios::end, std::ios::in);
  if (here < 0 || end < 0) return 0;
  b->pubseekpos(here, std::ios::in);
  return end - here;
}

// A record file's text, read whole and judged line by line before the game gives way to it.
struct RecordText {
  std::string headers[kHeaderLines];
  std::vector<std::string> moves;
  std::string refusal;  // why the file is no record, or ""
};

RecordText read_text(F& f, std::istream& in) {
  RecordText file;
  const std::string too_large =
      "棋譜ﾌｧｲﾙが大きすぎて読み込めません (" + std::to_string(kMovesMax) + "手まで)";
  if (bytes_left(in) > kFileMax) {
    file.refusal = too_large;
    return file;
  }
  long line_no = 0;
  auto not_a_record = [&] {
    file.refusal = "棋譜ﾌｧｲﾙではありません (" + std::to_string(line_no) + "行目)";
  };
  f.kifu_in = &in;
  f.kifu_gyou.clear();
  for (std::string& h : file.headers) {
    if (file.refusal.empty() && f.読込_棋譜ファイル(f.kifu_gyou) == F::ari) {
      ++line_no;
      if (!is_header_line(f.kifu_gyou)) not_a_record();
    }
    h = f.kifu_gyou;  // a missing line shows the last one again
  }
  while (file.refusal.empty() && f.読込_棋譜ファイル(f.kifu_gyou) == F::ari) {
    ++line_no;
    if (static_cast<long>(file.moves.size()) == kMovesMax) {
      file.refusal = too_large;
    } else if (!is_move_line(f.kifu_gyou)) {
      not_a_record();
    } else {
      file.moves.push_back(f.kifu_gyou);
    }
  }
  f.kifu_in = nullptr;
  return file;
}

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

std::string Form1::読込_棋譜(std::istream& in) {
  const RecordText file = read_text(*this, in);
  if (!file.refusal.empty()) return file.refusal;

  初期設定();
  kifu_mode = ari;
  kif::show_record_headers(*this, sjis::to_display(file.headers[0]),
                           sjis::to_display(file.headers[1]), sjis::to_display(file.headers[2]));
  const long n = static_cast<long>(file.moves.size());
  記録_確保(n);
  for (long i = 1; i <= n; ++i) {
    size_t p = 0;
    each_field(*this, i, [&](Field f, auto& value) {
      value = static_cast<std::remove_reference_t<decltype(value)>>(
          *field_value(f, field_at(file.moves[i - 1], p, f)));
      p += width(f);
    });
  }
  kifu_tesuu = 0;
  tesuu = 0;
  kifu_saigo = n;
  if (n == 0) {
    win.MsgBox("棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません", mb::OKOnly, "棋譜");
    return "";
  }
  win.MsgBox(" 読み込みました", mb::OKOnly, "棋譜");
  win.MsgBox("棋譜を '進 'で進めて下さい", mb::OKOnly, "棋譜");
  // 先手 is the side whose piece made the first move, whoever played this program last.
  Int x = 0, y = 0, first = man_hu;
  調査_移動結果(1, x, y, first);
  man_te = first >= com_hu ? te_gote : te_sente;
  com_te = static_cast<Int>(-man_te);
  teban = te_sente;
  return "";
}

void kif::show_record_headers(Form1& f, const std::string& title, const std::string& upper,
                              const std::string& lower) {
  const std::string* texts[kHeaderLines] = {&title, &upper, &lower};
  for (size_t i = 0; i < kHeaderLines; ++i) {
    const ::Header& h = kHeaders[i];
    const std::string text = shown_header(*texts[i], h);
    f.win.PrintText(f.取得_棋譜のX座標(text) - h.left_shift, h.top, text, kHeaderSize, f.font_bold,
                    h.colour);
  }
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
    if (line.size() <= kHeaderBytes) line += ch;  // a byte more tells a longer line
  }
  if (Traits::to_char_type(c) == '\r' &&
      Traits::eq_int_type(in->sgetc(), Traits::to_int_type('\n')))
    in->sbumpc();
  buffer = std::move(line);
  return ari;
}

double Form1::取得_棋譜のX座標(const std::string& text) {
  const auto chars = std::count_if(text.begin(), text.end(), starts_char);  // not bytes
  return ban_x0 +
         masu_w * ((kHeaderChars - static_cast<double>(chars)) / kCharsPerColumn + kHeaderColumns);
}

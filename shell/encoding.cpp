// Conversions through the C library's iconv, which knows code page 932.
#include "shell/Encoding.h"

#include <iconv.h>

#include <cerrno>

namespace {

constexpr const char* kSjis = "CP932";
constexpr const char* kUtf8 = "UTF-8";
constexpr char kUnknown = '?';

// Converts as far as it can. A byte sequence that does not convert either ends the conversion
// (strict) or becomes "?" and the conversion goes on past one character (UTF-8 input) or one
// byte (Shift-JIS input).
std::optional<std::string> convert(std::string_view in, const char* from, const char* to,
                                   bool strict) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out;
  char buffer[256];
  char* src = const_cast<char*>(in.data());
  size_t left = in.size();
  bool ok = true;
  while (left > 0) {
    char* dst = buffer;
    size_t room = sizeof buffer;
    const size_t r = iconv(cd, &src, &left, &dst, &room);
    out.append(buffer, dst);
    if (r != static_cast<size_t>(-1) || errno == E2BIG) continue;
    if (strict) {
      ok = false;
      break;
    }
    out += kUnknown;
    size_t skip = 1;  // a UTF-8 character's continuation bytes go with it
    if (std::string_view(from) == kUtf8)
      while (skip < left && (static_cast<unsigned char>(src[skip]) & 0xC0) == 0x80) ++skip;
    src += skip;
    left -= skip;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  iconv_close(cd);
  if (!ok) return std::nullopt;
  return out;
}

}  // namespace

namespace sjis {

std::string from_utf8(std::string_view utf8) {
  return convert(utf8, kUtf8, kSjis, false).value_or(std::string());
}

std::optional<std::string> to_utf8(std::string_view bytes) {
  return convert(bytes, kSjis, kUtf8, true);
}

bool is_utf8(std::string_view bytes) {
  return convert(bytes, kUtf8, kUtf8, true).has_value();
}

std::string to_display(std::string_view bytes) {
  if (auto text = to_utf8(bytes)) return *text;
  if (is_utf8(bytes)) return std::string(bytes);
  return convert(bytes, kSjis, kUtf8, false).value_or(std::string());
}

}  // namespace sjis
